#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rtti/TypeInfo.h"

// What closed a modal form or dialog: the button the user chose, or any other number a program
// gives its buttons.
enum TModalResult : int32_t {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
};
PUBLISHED_INTEGER(TModalResult, INT32_MIN, INT32_MAX)

// The value's name (mrOk) when it has one, else its number.
std::string ModalResultToString(TModalResult value);
// Reads a name or a number; raises EConvertError "'xyz' is not a valid modal result" otherwise.
TModalResult StringToModalResult(std::string_view text);
bool IdentToModalResult(std::string_view ident, int64_t& value);
bool ModalResultToIdent(int64_t value, std::string& ident);
// The named results, ending with a null name, in value order.
const struct TIdentMapEntry* ModalResultNames();
