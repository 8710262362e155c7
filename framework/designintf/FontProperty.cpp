#include "designintf/FontProperty.h"

#include "controls/FontDialog.h"
#include "core/Module.h"
#include "graphics/FontList.h"

IMPLEMENT_CLASS(TFontProperty) {}
IMPLEMENT_CLASS(TFontNameProperty) {}

TPropertyAttributes TFontProperty::GetAttributes() {
  return TClassProperty::GetAttributes() + TPropertyAttributes{paDialog};
}

void TFontProperty::Edit() {
  auto* font = dynamic_cast<TFont*>(GetObjectValue());
  if (!font) return;
  auto* dialog = new TFontDialog(nullptr);
  try {
    dialog->SetFont(font);
    if (dialog->Execute()) SetObjectValue(dialog->GetFont());
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
}

TPropertyAttributes TFontNameProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

void TFontNameProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& family : GetFontFamilies())
    proc(family);
}
