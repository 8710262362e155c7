#include "controls/TextMeasure.h"

#include "graphics/Gdi.h"

namespace {
// A memory context with font selected, released when it goes.
class TMeasuringDC {
 public:
  explicit TMeasuringDC(TFont* font) : FDC(CreateCompatibleDC(nullptr)) {
    FOld = SelectObject(FDC, font->GetHandle());
  }
  ~TMeasuringDC() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
  TMeasuringDC(const TMeasuringDC&) = delete;
  TMeasuringDC& operator=(const TMeasuringDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};
}  // namespace

TSize MeasureText(TFont* font, const std::string& text) {
  TMeasuringDC dc(font);
  TSize size{0, 0};
  GetTextExtentPoint32(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

int FontHeight(TFont* font) {
  TMeasuringDC dc(font);
  TEXTMETRIC metrics;
  GetTextMetrics(dc.Get(), &metrics);
  return metrics.tmHeight;
}
