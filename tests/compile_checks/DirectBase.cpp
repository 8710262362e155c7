// expect: TLeaf: DECLARE_CLASS must name the direct base class as the parent
// A class that names its grandparent would lose TShape's published properties.
#include "core/Component.h"

class TShape : public TComponent {
  DECLARE_CLASS(TShape, TComponent);

 public:
  using TComponent::TComponent;
};

class TLeaf : public TShape {
#ifdef VM_FAULT
  DECLARE_CLASS(TLeaf, TComponent);
#else
  DECLARE_CLASS(TLeaf, TShape);
#endif

 public:
  using TShape::TShape;
};
