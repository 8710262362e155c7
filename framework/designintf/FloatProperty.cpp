#include "designintf/FloatProperty.h"

#include <cmath>
#include <limits>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "designintf/FloatText.h"

IMPLEMENT_CLASS(TFloatProperty) {}

int TFloatProperty::Precision() const {
  // Wider types travel through a double here, so they show a double's digits.
  return GetPropType()->FloatType == ftSingle ? 7 : 15;
}

std::string TFloatProperty::GetValue() {
  return FloatToText(GetFloatValue(), Precision());
}

void TFloatProperty::SetValue(const std::string& value) {
  const double number = TextToFloat(value);
  if (GetPropType()->FloatType == ftSingle && std::fabs(number) > std::numeric_limits<float>::max())
    throw EPropertyError(Format("'%s' is too large for a single-precision value", value));
  SetFloatValue(number);
}
