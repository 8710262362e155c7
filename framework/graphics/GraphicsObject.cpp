#include "graphics/GraphicsObject.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TGraphicsObject) {}

void TGraphicsObject::Changed() {
  if (FOnChange) FOnChange(this);
}
