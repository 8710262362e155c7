#include "graphics/Brush.h"

#include "core/Module.h"
#include "graphics/Gdi.h"

IMPLEMENT_CLASS(TBrush) {
  PROPERTY(Color, GetColor, SetColor).Default(clWhite);
  PROPERTY(Style, GetStyle, SetStyle).Default(bsSolid);
}

TBrush::~TBrush() {
  FreeHandle();
}

void TBrush::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TBrush::Changed() {
  TGraphicsObject::Changed();
  FreeHandle();
}

void TBrush::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TBrush*>(source);
  if (!other) return TGraphicsObject::Assign(source);
  FColor = other->FColor;
  FStyle = other->FStyle;
  Changed();
}

void TBrush::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

HBRUSH TBrush::GetHandle() {
  if (FHandle) return FHandle;
  const COLORREF color = ColorToRGB(FColor);
  const LOGBRUSH none{BS_NULL, 0, 0};
  if (FStyle == bsClear)
    FHandle = CreateBrushIndirect(&none);
  else if (FStyle == bsSolid)
    FHandle = CreateSolidBrush(color);
  else
    FHandle = CreateHatchBrush(FStyle - bsHorizontal + HS_HORIZONTAL, color);
  return FHandle;
}
