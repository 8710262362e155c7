#include "rtti/TypeInfo.h"

#include <limits>

#include "core/Exception.h"
#include "core/SysUtils.h"

TTypeInfo TTypeInfo::Ordinal(TTypeKind kind, std::string name, TOrdType ordType, int64_t minValue,
                             int64_t maxValue) {
  TTypeInfo info;
  info.Kind = kind;
  info.Name = std::move(name);
  info.OrdType = ordType;
  info.MinValue = minValue;
  info.MaxValue = maxValue;
  return info;
}

TTypeInfo TTypeInfo::Enumeration(std::string name, std::vector<std::string> names,
                                 TOrdType ordType) {
  TTypeInfo info =
      Ordinal(tkEnumeration, std::move(name), ordType, 0, static_cast<int64_t>(names.size()) - 1);
  info.NameList = std::move(names);
  return info;
}

TTypeInfo TTypeInfo::Set(std::string name, PTypeInfo compType) {
  TTypeInfo info;
  info.Kind = tkSet;
  info.Name = std::move(name);
  info.OrdType = otULong;
  info.CompType = compType;
  return info;
}

TTypeInfo TTypeInfo::Float(std::string name, TFloatType floatType) {
  TTypeInfo info;
  info.Kind = tkFloat;
  info.Name = std::move(name);
  info.FloatType = floatType;
  return info;
}

TTypeInfo TTypeInfo::String(TTypeKind kind, std::string name, int maxLength) {
  TTypeInfo info;
  info.Kind = kind;
  info.Name = std::move(name);
  info.MaxLength = maxLength;
  return info;
}

TTypeInfo TTypeInfo::Class(std::string name, TClass classType) {
  TTypeInfo info;
  info.Kind = tkClass;
  info.Name = std::move(name);
  info.ClassType = classType;
  return info;
}

static std::vector<TParamInfo> ParseParams(std::string_view declaration) {
  std::vector<TParamInfo> params;
  size_t start = 0;
  while (start <= declaration.size()) {
    size_t end = declaration.find(';', start);
    if (end == std::string_view::npos) end = declaration.size();
    const std::string group = Trim(declaration.substr(start, end - start));
    start = end + 1;
    if (group.empty()) continue;
    // "var A, B: Integer": a modifier, one or more names, a type.
    TParamFlags flags;
    std::string rest = group;
    for (auto [word, flag] : {std::pair{"var ", pfVar}, {"const ", pfConst}, {"out ", pfOut}}) {
      if (SameText(rest.substr(0, std::string_view(word).size()), word)) {
        flags.Include(flag);
        rest = Trim(rest.substr(std::string_view(word).size()));
      }
    }
    const size_t colon = rest.find(':');
    const std::string typeName = colon == std::string::npos ? "" : Trim(rest.substr(colon + 1));
    for (const std::string& name : Detail::SplitNames(rest.substr(0, colon)))
      params.push_back({flags, name, typeName});
  }
  return params;
}

TTypeInfo TTypeInfo::Method(std::string name, std::string_view params, std::string resultType,
                            const std::type_info& signature) {
  TTypeInfo info;
  info.Kind = tkMethod;
  info.Name = std::move(name);
  info.MethodKind = resultType.empty() ? mkProcedure : mkFunction;
  info.ParamList = ParseParams(params);
  info.ResultType = std::move(resultType);
  info.Signature = &signature;
  return info;
}

bool TTypeInfo::IsOrdinal() const {
  return Kind == tkInteger || Kind == tkChar || Kind == tkWChar || Kind == tkEnumeration ||
         Kind == tkSet;
}

std::vector<std::string> Detail::SplitNames(std::string_view list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(',', start);
    if (end == std::string_view::npos) end = list.size();
    std::string name = Trim(list.substr(start, end - start));
    if (!name.empty()) names.push_back(std::move(name));
    start = end + 1;
  }
  return names;
}

std::string GetEnumName(PTypeInfo typeInfo, int64_t value) {
  if (typeInfo->Kind != tkEnumeration) return IntToStr(value);
  if (value < typeInfo->MinValue || value > typeInfo->MaxValue) return std::string();
  return typeInfo->NameList[static_cast<size_t>(value - typeInfo->MinValue)];
}

int64_t GetEnumValue(PTypeInfo typeInfo, std::string_view name) {
  if (typeInfo->Kind != tkEnumeration) {
    int64_t value = 0;
    return TryStrToInt64(name, value) ? value : -1;
  }
  for (size_t i = 0; i < typeInfo->NameList.size(); ++i)
    if (SameText(typeInfo->NameList[i], name)) return typeInfo->MinValue + static_cast<int64_t>(i);
  return -1;
}

std::string SetToString(PTypeInfo setType, uint32_t value, bool brackets) {
  std::string result;
  PTypeInfo elementType = setType->CompType;
  for (int64_t element = elementType->MinValue; element <= elementType->MaxValue && element < 32;
       ++element) {
    if ((value & (uint32_t{1} << element)) == 0) continue;
    if (!result.empty()) result += ',';
    result += GetEnumName(elementType, element);
  }
  return brackets ? "[" + result + "]" : result;
}

uint32_t StringToSet(PTypeInfo setType, std::string_view text) {
  std::string body = Trim(text);
  if (!body.empty() && body.front() == '[') {
    if (body.back() != ']')
      throw EPropertyError(Format("Invalid set value %s: no closing bracket", std::string(text)));
    body = body.substr(1, body.size() - 2);
  }
  uint32_t result = 0;
  for (const std::string& name : Detail::SplitNames(body)) {
    const int64_t element = GetEnumValue(setType->CompType, name);
    if (element < 0 || element >= 32)
      throw EPropertyError(Format("Invalid property element: %s", name));
    result |= uint32_t{1} << element;
  }
  return result;
}

template <typename T>
static TTypeInfo IntegerInfo(TTypeKind kind, const char* name) {
  return TTypeInfo::Ordinal(kind, name, Detail::OrdTypeOf<T>(), std::numeric_limits<T>::min(),
                            std::numeric_limits<T>::max());
}

#define FUNDAMENTAL_TYPE_INFO(Type, ...)       \
  PTypeInfo TypeInfoOf(const Type*) {          \
    static const TTypeInfo info = __VA_ARGS__; \
    return &info;                              \
  }

FUNDAMENTAL_TYPE_INFO(int8_t, IntegerInfo<int8_t>(tkInteger, "ShortInt"))
FUNDAMENTAL_TYPE_INFO(uint8_t, IntegerInfo<uint8_t>(tkInteger, "Byte"))
FUNDAMENTAL_TYPE_INFO(int16_t, IntegerInfo<int16_t>(tkInteger, "SmallInt"))
FUNDAMENTAL_TYPE_INFO(uint16_t, IntegerInfo<uint16_t>(tkInteger, "Word"))
FUNDAMENTAL_TYPE_INFO(int32_t, IntegerInfo<int32_t>(tkInteger, "Integer"))
FUNDAMENTAL_TYPE_INFO(uint32_t, IntegerInfo<uint32_t>(tkInteger, "Cardinal"))
FUNDAMENTAL_TYPE_INFO(char, TTypeInfo::Ordinal(tkChar, "Char", otUByte, 0, 255))
FUNDAMENTAL_TYPE_INFO(char16_t, TTypeInfo::Ordinal(tkWChar, "WideChar", otUWord, 0, 65535))
FUNDAMENTAL_TYPE_INFO(bool, TTypeInfo::Enumeration("Boolean", {"False", "True"}, otUByte))
FUNDAMENTAL_TYPE_INFO(float, TTypeInfo::Float("Single", ftSingle))
FUNDAMENTAL_TYPE_INFO(double, TTypeInfo::Float("Double", ftDouble))
FUNDAMENTAL_TYPE_INFO(long double, TTypeInfo::Float("Extended", ftExtended))
FUNDAMENTAL_TYPE_INFO(std::string, TTypeInfo::String(tkLString, "String", 0))
