#include "vxedit/ButtonParams.h"

#include "core/Module.h"
#include "graphics/Bitmap.h"
#include "vxedit/EditButton.h"
#include "vxedit/VxEditUnit.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TButtonParams) {
  PROPERTY(Width, GetWidth, SetWidth).NoDefault();
  PROPERTY(Cursor, GetCursor, SetCursor).NoDefault();
  PROPERTY(Kind, GetKind, SetKind).NoDefault();
  PROPERTY(Glyph, GetGlyph, SetGlyph).Stored(&TButtonParams::IsCustom);
  PROPERTY(NumGlyphs, GetNumGlyphs, SetNumGlyphs).NoDefault();
  PROPERTY(Visible, GetVisible, SetVisible).NoDefault();
}

void TButtonParams::Assign(TPersistent* source) {
  auto* params = dynamic_cast<TButtonParams*>(source);
  if (!params) return TPersistent::Assign(source);
  SetKind(params->GetKind());
  if (params->IsCustom() && params->GetGlyph()) SetGlyph(params->GetGlyph());
  SetNumGlyphs(params->GetNumGlyphs());
  SetWidth(params->GetWidth());
  SetCursor(params->GetCursor());
  SetVisible(params->GetVisible());
}

void TButtonParams::SetWidth(int32_t value) {
  if (!FButton || value == FButton->GetWidth()) return;
  if (value != 0)
    FButton->SetWidth(value);
  else if (FKind != bkCustom)
    FButton->SetWidth(GetSystemMetrics(SM_CXHTHUMB));
  FWidth = value;
  SizeChanged();
}

void TButtonParams::SetKind(TButtonKind value) {
  if (value == FKind) return;
  if (FButton) {
    TBitmap* glyph = value == bkDropDown ? GetDropDownGlyph()
                     : value == bkDots   ? GetDotsGlyph()
                                         : nullptr;
    if (glyph) FButton->SetGlyph(glyph);
  }
  FKind = value;
  SetNumGlyphs(GetNumGlyphs());
}

void TButtonParams::SetGlyph(TBitmap* value) {
  FKind = bkCustom;
  if (!FButton) return;
  FButton->SetLayout(blGlyphLeft);
  FButton->SetGlyph(value);
  if (FWidth == 0 && value) {
    FButton->SetWidth(value->GetWidth());
    SizeChanged();
  }
}

TBitmap* TButtonParams::GetGlyph() const {
  return FButton ? FButton->GetGlyph() : nullptr;
}

bool TButtonParams::GetVisible() const {
  return FButton && FButton->GetVisible();
}

void TButtonParams::SetVisible(bool value) {
  if (FButton) FButton->SetVisible(value);
}

void TButtonParams::SetNumGlyphs(int32_t value) {
  if (FButton) FButton->SetNumGlyphs(FKind != bkCustom ? 1 : value);
}

int32_t TButtonParams::GetNumGlyphs() const {
  return FButton ? FButton->GetNumGlyphs() : 1;
}

void TButtonParams::SizeChanged() {
  if (FOnSizeChange) FOnSizeChange();
}
