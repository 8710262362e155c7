#include "designintf/CollectionProperty.h"

IMPLEMENT_CLASS(TCollectionProperty) {}

TPropertyAttributes TCollectionProperty::GetAttributes() {
  return {paDialog, paReadOnly};
}

void TCollectionProperty::Edit() {}
