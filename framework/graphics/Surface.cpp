#include "graphics/Surface.h"

#include <algorithm>

TSurface::TSurface(int width, int height, bool bottomUp) {
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  FMemory.assign(static_cast<size_t>(FWidth) * FHeight, 0);
  if (bottomUp && FHeight > 0) {
    FRow0 = FMemory.data() + static_cast<ptrdiff_t>(FHeight - 1) * FWidth;
    FStride = -FWidth;
  } else {
    FRow0 = FMemory.data();
    FStride = FWidth;
  }
}

void TSurface::Resize(int width, int height) {
  *this = TSurface(width, height, IsBottomUp());
}
