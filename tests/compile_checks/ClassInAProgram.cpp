// A program outside the tree: one include for its class, one macro for its module.
#include "core/Component.h"

class TCounter : public TComponent {
  DECLARE_CLASS(TCounter, TComponent);

 public:
  using TComponent::TComponent;
  int32_t Count = 0;
  void Increment(TObject* sender) { ++Count; }
};

IMPLEMENT_MODULE("counter")

IMPLEMENT_CLASS(TCounter) {
  PROPERTY(Count, Count, Count).Default(0);
  METHOD(Increment);
}

int main() {
  TCounter counter(nullptr);
  return counter.Count;
}
