#include "designintf/StringListProperty.h"

#include "core/Module.h"
#include "core/StringList.h"
#include "designintf/LinesEditor.h"

IMPLEMENT_CLASS(TStringListProperty) {}

TPropertyAttributes TStringListProperty::GetAttributes() {
  return inherited::GetAttributes() + TPropertyAttributes{paDialog};
}

void TStringListProperty::Edit() {
  auto* lines = dynamic_cast<TStrings*>(GetObjectValue());
  if (!lines) return;
  // The editor works on a copy, so that Cancel leaves every selected object as it was.
  auto* edited = new TStringList();
  try {
    edited->Assign(lines);
    if (EditLines(edited, "")) SetObjectValue(edited);
  } catch (...) {
    edited->Free();
    throw;
  }
  edited->Free();
}
