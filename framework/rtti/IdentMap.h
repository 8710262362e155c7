#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Forward.h"

// Names for values of integer types, such as clBtnFace for a TColor or crHSplit for a TCursor.
// Form files write a value by its name when it has one and read either form.

struct TIdentMapEntry {
  int64_t Value;
  const char* Name;
};

using TIdentToInt = bool (*)(std::string_view ident, int64_t& value);
using TIntToIdent = bool (*)(int64_t value, std::string& ident);

void RegisterIntegerConsts(PTypeInfo integerType, TIdentToInt identToInt, TIntToIdent intToIdent);
// The converters registered for a type, or null.
TIdentToInt FindIdentToInt(PTypeInfo integerType);
TIntToIdent FindIntToIdent(PTypeInfo integerType);

// Lookups in a table that ends with an entry whose name is null; names in any letter case.
bool IdentToInt(std::string_view ident, int64_t& value, const TIdentMapEntry* map);
bool IntToIdent(int64_t value, std::string& ident, const TIdentMapEntry* map);
// The name of value in map, or its decimal text.
std::string IntToIdentOrNumber(int64_t value, const TIdentMapEntry* map);
// A name of map (any letter case; blanks around it ignored) or a whole number within
// [minValue, maxValue]; false for anything else.
bool IdentOrNumberToInt(std::string_view text, const TIdentMapEntry* map, int64_t minValue,
                        int64_t maxValue, int64_t& value);
