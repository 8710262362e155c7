#include "designintf/StringListProperty.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TStringListProperty) {}

TPropertyAttributes TStringListProperty::GetAttributes() {
  return inherited::GetAttributes() + TPropertyAttributes{paDialog};
}

void TStringListProperty::Edit() {}
