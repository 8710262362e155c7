#include "designintf/FontProperty.h"

#include "core/Module.h"
#include "graphics/FontList.h"

IMPLEMENT_CLASS(TFontProperty) {}
IMPLEMENT_CLASS(TFontNameProperty) {}

TPropertyAttributes TFontProperty::GetAttributes() {
  return TClassProperty::GetAttributes() + TPropertyAttributes{paDialog};
}

void TFontProperty::Edit() {}

TPropertyAttributes TFontNameProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

void TFontNameProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& family : GetFontFamilies())
    proc(family);
}
