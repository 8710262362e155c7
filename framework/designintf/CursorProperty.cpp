#include "designintf/CursorProperty.h"

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Cursor.h"
#include "rtti/IdentMap.h"

IMPLEMENT_CLASS(TCursorProperty) {}

TPropertyAttributes TCursorProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paRevertable};
}

std::string TCursorProperty::GetValue() {
  return CursorToString(static_cast<TCursor>(GetOrdValue()));
}

void TCursorProperty::GetValues(const TGetStrProc& proc) {
  for (const TIdentMapEntry* entry = CursorNames(); entry->Name; ++entry)
    proc(entry->Name);
}

void TCursorProperty::SetValue(const std::string& value) {
  TCursor cursor;
  try {
    cursor = StringToCursor(value);
  } catch (const EConvertError&) {
    throw EConvertError(
        Format("'%s' is not a valid cursor: give a cursor name such as crArrow "
               "or a number from %d to %d",
               value, INT16_MIN, INT16_MAX));
  }
  SetOrdValue(cursor);
}
