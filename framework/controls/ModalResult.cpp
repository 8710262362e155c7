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
  std::string name;
  return ModalResultToIdent(value, name) ? name : IntToStr(value);
}

TModalResult StringToModalResult(std::string_view text) {
  int64_t value = 0;
  if (IdentToModalResult(Trim(text), value)) return static_cast<TModalResult>(value);
  if (!TryStrToInt64(text, value) || value < INT32_MIN || value > INT32_MAX)
    throw EConvertError(Format("'%s' is not a valid modal result", std::string(text)));
  return static_cast<TModalResult>(value);
}
