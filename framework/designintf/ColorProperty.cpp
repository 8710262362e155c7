#include "designintf/ColorProperty.h"

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Color.h"
#include "rtti/IdentMap.h"

IMPLEMENT_CLASS(TColorProperty) {}

TPropertyAttributes TColorProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paRevertable};
}

std::string TColorProperty::GetValue() {
  return ColorToString(static_cast<TColor>(GetOrdValue()));
}

void TColorProperty::GetValues(const TGetStrProc& proc) {
  for (const TIdentMapEntry* entry = ColorNames(); entry->Name; ++entry)
    proc(entry->Name);
}

void TColorProperty::SetValue(const std::string& value) {
  TColor color;
  try {
    color = StringToColor(value);
  } catch (const EConvertError&) {
    throw EConvertError(
        Format("'%s' is not a valid colour: give a colour name such as clRed or "
               "a number such as $0000FF",
               value));
  }
  SetOrdValue(color);
}
