#include "oinspect/OIColors.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TOIColors) {
  PROPERTY(BackColor, GetBackColor, SetBackColor);
  PROPERTY(Col0Color, GetCol0Color, SetCol0Color);
  PROPERTY(Col1Color, GetCol1Color, SetCol1Color);
  PROPERTY(VertLineColor, GetVertLineColor, SetVertLineColor);
  PROPERTY(HorzLineColor, GetHorzLineColor, SetHorzLineColor);
  PROPERTY(HighlightColor, GetHighlightColor, SetHighlightColor);
  PROPERTY(HighlightBkgnd, GetHighlightBkgnd, SetHighlightBkgnd);
}

void TOIColors::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TOIColors*>(source);
  if (!other) return TPersistent::Assign(source);
  TColor* const fields[] = {&FBackColor,     &FCol0Color,      &FCol1Color,     &FVertLineColor,
                            &FHorzLineColor, &FHighlightColor, &FHighlightBkgnd};
  const TColor values[] = {other->FBackColor,     other->FCol0Color,     other->FCol1Color,
                           other->FVertLineColor, other->FHorzLineColor, other->FHighlightColor,
                           other->FHighlightBkgnd};
  bool changed = false;
  for (size_t i = 0; i < std::size(fields); ++i) {
    changed = changed || *fields[i] != values[i];
    *fields[i] = values[i];
  }
  if (changed) Changed();
}

void TOIColors::Changed() {
  if (FOnChanged) FOnChanged(this);
}

void TOIColors::SetColor(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  Changed();
}
