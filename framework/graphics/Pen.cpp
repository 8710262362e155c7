#include "graphics/Pen.h"

#include "core/Module.h"
#include "graphics/Gdi.h"

IMPLEMENT_CLASS(TPen) {
  PROPERTY(Color, GetColor, SetColor).Default(clBlack);
  PROPERTY(Mode, GetMode, SetMode).Default(pmCopy);
  PROPERTY(Style, GetStyle, SetStyle).Default(psSolid);
  PROPERTY(Width, GetWidth, SetWidth).Default(1);
}

namespace {
constexpr int MixModes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                            R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                            R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                            R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
}

TPen::~TPen() {
  FreeHandle();
}

void TPen::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TPen::Changed() {
  TGraphicsObject::Changed();
  FreeHandle();
}

void TPen::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TPen*>(source);
  if (!other) return TGraphicsObject::Assign(source);
  FColor = other->FColor;
  FWidth = other->FWidth;
  FStyle = other->FStyle;
  FMode = other->FMode;
  Changed();
}

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TPen::SetWidth(int32_t value) {
  if (value < 0 || value == FWidth) return;
  FWidth = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == FMode) return;
  FMode = value;
  TGraphicsObject::Changed();  // the mode is not part of the handle
}

HPEN TPen::GetHandle() {
  if (!FHandle) FHandle = CreatePen(static_cast<int>(FStyle), FWidth, ColorToRGB(FColor));
  return FHandle;
}

int TPen::GetRop2() const {
  return MixModes[FMode];
}
