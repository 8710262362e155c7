#include "controls/ModalResult.h"

#include "core/Exception.h"
#include "core/SysUtils.h"
#include "rtti/IdentMap.h"

namespace {
const TIdentMapEntry ModalResults[] = {
    {mrNone, "mrNone"},   {mrOk, "mrOk"},         {mrCancel, "mrCancel"}, {mrAbort, "mrAbort"},
    {mrRetry, "mrRetry"}, {mrIgnore, "mrIgnore"}, {mrYes, "mrYes"},       {mrNo, "mrNo"},
    {mrAll, "mrAll"},     {0, nullptr},
};

// Form files write modal results by name.
[[maybe_unused]] const bool Registered = [] {
  RegisterIntegerConsts(TypeInfo<TModalResult>(), &IdentToModalResult, &ModalResultToIdent);
  return true;
}();
}  // namespace

const TIdentMapEntry* ModalResultNames() {
  return ModalResults;
}

bool IdentToModalResult(std::string_view ident, int64_t& value) {
  return IdentToInt(ident, value, ModalResults);
}

bool ModalResultToIdent(int64_t value, std::string& ident) {
  return IntToIdent(value, ident, ModalResults);
}

std::string ModalResultToString(TModalResult value) {
  return IntToIdentOrNumber(value, ModalResults);
}

TModalResult StringToModalResult(std::string_view text) {
  int64_t value = 0;
  if (!IdentOrNumberToInt(text, ModalResults, INT32_MIN, INT32_MAX, value))
    throw EConvertError(Format("'%s' is not a valid modal result", std::string(text)));
  return static_cast<TModalResult>(value);
}
