#include "rtti/IdentMap.h"

#include <vector>

#include "core/SysUtils.h"

namespace {
struct TIntegerConsts {
  PTypeInfo Type;
  TIdentToInt IdentToInt;
  TIntToIdent IntToIdent;
};

std::vector<TIntegerConsts>& IntegerConsts() {
  static std::vector<TIntegerConsts> consts;
  return consts;
}
}  // namespace

void RegisterIntegerConsts(PTypeInfo integerType, TIdentToInt identToInt, TIntToIdent intToIdent) {
  IntegerConsts().push_back({integerType, identToInt, intToIdent});
}

TIdentToInt FindIdentToInt(PTypeInfo integerType) {
  for (const TIntegerConsts& consts : IntegerConsts())
    if (consts.Type == integerType) return consts.IdentToInt;
  return nullptr;
}

TIntToIdent FindIntToIdent(PTypeInfo integerType) {
  for (const TIntegerConsts& consts : IntegerConsts())
    if (consts.Type == integerType) return consts.IntToIdent;
  return nullptr;
}

bool IdentToInt(std::string_view ident, int64_t& value, const TIdentMapEntry* map) {
  for (; map->Name; ++map) {
    if (SameText(map->Name, ident)) {
      value = map->Value;
      return true;
    }
  }
  return false;
}

std::string IntToIdentOrNumber(int64_t value, const TIdentMapEntry* map) {
  std::string ident;
  return IntToIdent(value, ident, map) ? ident : IntToStr(value);
}

bool IdentOrNumberToInt(std::string_view text, const TIdentMapEntry* map, int64_t minValue,
                        int64_t maxValue, int64_t& value) {
  if (IdentToInt(Trim(text), value, map)) return true;
  return TryStrToInt64(text, value) && value >= minValue && value <= maxValue;
}

bool IntToIdent(int64_t value, std::string& ident, const TIdentMapEntry* map) {
  for (; map->Name; ++map) {
    if (map->Value == value) {
      ident = map->Name;
      return true;
    }
  }
  return false;
}
