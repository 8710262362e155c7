#include "controls/PatternBrush.h"

#include <cstdint>

#include "graphics/Gdi.h"
#include "graphics/Surface.h"

namespace {
constexpr int PatternSize = 8;
}  // namespace

TCheckerBrush::TCheckerBrush(COLORREF even, COLORREF odd) {
  uint32_t bits[PatternSize * PatternSize];
  for (int y = 0; y < PatternSize; ++y)
    for (int x = 0; x < PatternSize; ++x)
      bits[y * PatternSize + x] = ColorRefToPixel((x + y) % 2 == 0 ? even : odd);
  FPattern = CreateBitmap(PatternSize, PatternSize, 1, 32, bits);
  FBrush = CreatePatternBrush(FPattern);
}

TCheckerBrush::~TCheckerBrush() {
  if (FBrush) DeleteObject(FBrush);
  if (FPattern) DeleteObject(FPattern);
}
