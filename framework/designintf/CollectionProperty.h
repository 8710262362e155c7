#pragma once

#include "designintf/ClassProperty.h"

// Collections (TCollection and descendants): shown as "(TListColumns)", the property type's
// name; their items are edited in the collection editor that Edit opens, not as sub-properties,
// and only one component's collection at a time.
class TCollectionProperty : public TClassProperty {
  DECLARE_CLASS(TCollectionProperty, TClassProperty);

 public:
  TCollectionProperty() = default;

  // paDialog and paReadOnly.
  TPropertyAttributes GetAttributes() override;
  // Opens the collection editor. It needs forms and controls, which come later; until then
  // nothing happens.
  void Edit() override;
};
