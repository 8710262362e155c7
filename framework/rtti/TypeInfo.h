#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "core/Forward.h"
#include "core/Set.h"

// Run-time type information: what the component framework knows about the type of a published
// property. Every C++ type that a published property may have maps to one TTypeInfo through
// TypeInfo<T>(); distinct named types (a colour, a cursor, a caption) are distinct C++ types
// with type information of their own.

// Type kinds in the platform's ordinal order, so that a set of kinds has the platform's value.
enum TTypeKind : uint8_t {
  tkUnknown,
  tkInteger,
  tkChar,
  tkEnumeration,
  tkFloat,
  tkString,
  tkSet,
  tkClass,
  tkMethod,
  tkWChar,
  tkLString,
  tkWString,
  tkVariant,
  tkArray,
  tkRecord,
  tkInterface
};
using TTypeKinds = TSet<TTypeKind>;

inline constexpr TTypeKinds tkAny = TTypeKinds::FromBits(0xFFFF);
inline constexpr TTypeKinds tkMethods = {tkMethod};
inline constexpr TTypeKinds tkProperties = tkAny - tkMethods;

enum TOrdType : uint8_t { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType : uint8_t { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };
enum TMethodKind : uint8_t { mkProcedure, mkFunction };
enum TParamFlag : uint8_t { pfVar, pfConst, pfArray, pfAddress, pfReference, pfOut };
using TParamFlags = TSet<TParamFlag>;

// One parameter of a method type, as the method type declares it.
struct TParamInfo {
  TParamFlags Flags;
  std::string Name;
  std::string TypeName;
};

// The type information of one type. Instances are built once and never change; their
// addresses identify the types.
struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  std::string Name;

  // tkInteger, tkChar, tkWChar, tkEnumeration
  TOrdType OrdType = otSLong;
  int64_t MinValue = 0;
  int64_t MaxValue = 0;
  // tkEnumeration: the names of the values from MinValue on
  std::vector<std::string> NameList;
  // tkSet: the element type
  PTypeInfo CompType = nullptr;
  // tkFloat
  TFloatType FloatType = ftDouble;
  // tkString, tkLString: the length limit, 0 for none
  int MaxLength = 0;
  // tkClass
  TClass ClassType = nullptr;
  // tkMethod
  TMethodKind MethodKind = mkProcedure;
  std::vector<TParamInfo> ParamList;
  std::string ResultType;
  const std::type_info* Signature = nullptr;

  static TTypeInfo Ordinal(TTypeKind kind, std::string name, TOrdType ordType, int64_t minValue,
                           int64_t maxValue);
  static TTypeInfo Enumeration(std::string name, std::vector<std::string> names, TOrdType ordType);
  static TTypeInfo Set(std::string name, PTypeInfo compType);
  static TTypeInfo Float(std::string name, TFloatType floatType);
  static TTypeInfo String(TTypeKind kind, std::string name, int maxLength = 0);
  static TTypeInfo Class(std::string name, TClass classType);
  // params is the declaration's parameter list, such as "Sender: TObject; var Show: Boolean".
  static TTypeInfo Method(std::string name, std::string_view params, std::string resultType,
                          const std::type_info& signature);

  bool IsOrdinal() const;
};

// The name of an enumeration value, or the decimal text of any other ordinal value; empty for
// a value outside an enumeration's range.
std::string GetEnumName(PTypeInfo typeInfo, int64_t value);
// The value of an enumeration name (any letter case), or -1 when the type has no such name.
int64_t GetEnumValue(PTypeInfo typeInfo, std::string_view name);
// "akLeft,akTop" for a set value; with brackets "[akLeft,akTop]".
std::string SetToString(PTypeInfo setType, uint32_t value, bool brackets = false);
// Reads a set text with or without brackets; raises EPropertyError naming an unknown element.
uint32_t StringToSet(PTypeInfo setType, std::string_view text);

namespace Detail {
std::vector<std::string> SplitNames(std::string_view list);

template <typename T>
constexpr TOrdType OrdTypeOf() {
  constexpr bool isSigned = std::is_signed_v<T>;
  if constexpr (sizeof(T) == 1) return isSigned ? otSByte : otUByte;
  if constexpr (sizeof(T) == 2) return isSigned ? otSWord : otUWord;
  return isSigned ? otSLong : otULong;
}

template <typename E, size_t N>
consteval bool IsSequentialEnum(const E (&values)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (static_cast<size_t>(values[i]) != i) return false;
  return true;
}

// Whether value V of an enumeration has a name. The compiler spells an enumerator by its name
// in the function's signature and any other value as a cast, such as "(TAlign)7".
template <auto V>
constexpr bool IsNamedEnumValue() {
  const std::string_view signature = __PRETTY_FUNCTION__;
  const size_t start = signature.rfind("= ");
  if (start == std::string_view::npos) return true;
  for (size_t i = start; i + 1 < signature.size(); ++i) {
    const char next = signature[i + 1];
    if (signature[i] == ')' && ((next >= '0' && next <= '9') || next == '-')) return false;
  }
  return true;
}

// Whether none of the values V has a name. The signature lists them after "= {" (GCC) or "= <"
// (clang), separated by ", ", each spelled as IsNamedEnumValue reads it; one instantiation for
// all values keeps the check cheap in every file that publishes an enumeration.
template <auto... V>
constexpr bool NoValueNamed() {
  const std::string_view signature = __PRETTY_FUNCTION__;
  size_t at = signature.rfind("= ");
  if (at == std::string_view::npos) return false;
  for (at += 3; at < signature.size(); at += 2) {
    if (signature[at] != '(') return false;
    at = signature.find(", ", at);
    if (at == std::string_view::npos) break;
  }
  return true;
}

template <typename E, int64_t First, size_t... Offsets>
constexpr bool NoneNamed(std::index_sequence<Offsets...>) {
  return NoValueNamed<static_cast<E>(First + static_cast<int64_t>(Offsets))...>();
}

template <typename E>
constexpr bool HasFixedUnderlyingType = requires {
  E{std::underlying_type_t<E>{}};
};

// True when no value from Count on (up to Count + 255, within the type's range) has a name, so
// that a list of Count names covers the whole enumeration.
template <typename E, size_t Count>
constexpr bool NoValueNamedFrom() {
  using U = std::underlying_type_t<E>;
  constexpr auto first = static_cast<int64_t>(Count);
  constexpr int64_t last = [] {
    const int64_t bound = first + 255;
    if constexpr (HasFixedUnderlyingType<E>)
      return std::min<int64_t>(bound, static_cast<int64_t>(std::numeric_limits<U>::max()));
    // Without a fixed type only the values within the listed ones' bit width are valid.
    return std::min<int64_t>(bound, static_cast<int64_t>(std::bit_ceil(Count + 1)) - 1);
  }();
  if constexpr (last < first)
    return true;
  else
    return NoneNamed<E, first>(std::make_index_sequence<static_cast<size_t>(last - first + 1)>{});
}
}  // namespace Detail

// Type information of the fundamental types. The overloads of TypeInfoOf take a null pointer of
// the type; named types add overloads beside their declarations with the macros below.
PTypeInfo TypeInfoOf(const int8_t*);
PTypeInfo TypeInfoOf(const uint8_t*);
PTypeInfo TypeInfoOf(const int16_t*);
PTypeInfo TypeInfoOf(const uint16_t*);
PTypeInfo TypeInfoOf(const int32_t*);
PTypeInfo TypeInfoOf(const uint32_t*);
PTypeInfo TypeInfoOf(const char*);
PTypeInfo TypeInfoOf(const char16_t*);
PTypeInfo TypeInfoOf(const bool*);
PTypeInfo TypeInfoOf(const float*);
PTypeInfo TypeInfoOf(const double*);
PTypeInfo TypeInfoOf(const long double*);
PTypeInfo TypeInfoOf(const std::string*);

template <typename T>
PTypeInfo TypeInfo() {
  return TypeInfoOf(static_cast<const T*>(nullptr));
}

template <typename T>
concept HasTypeInfo = requires {
  TypeInfoOf(static_cast<const T*>(nullptr));
};

// After `enum TAlign : uint8_t { alNone, alTop, ... };` publishes the enumeration with its
// names. The names must be all the values, in order from 0; the compiler checks the order and
// that no value after the last one listed has a name.
#define PUBLISHED_ENUM(Type, ...)                                                              \
  static_assert(::Detail::IsSequentialEnum<Type>({__VA_ARGS__}),                               \
                #Type ": list every value of the enumeration, in order, starting at 0");       \
  static_assert(                                                                               \
      ::Detail::NoValueNamedFrom<Type, std::size(std::initializer_list<Type>{__VA_ARGS__})>(), \
      #Type ": PUBLISHED_ENUM leaves out values of the enumeration");                          \
  inline PTypeInfo TypeInfoOf(const Type*) {                                                   \
    static const TTypeInfo info =                                                              \
        TTypeInfo::Enumeration(#Type, ::Detail::SplitNames(#__VA_ARGS__),                      \
                               ::Detail::OrdTypeOf<std::underlying_type_t<Type>>());           \
    return &info;                                                                              \
  }

// Publishes TSet<ElementType> under the set type's name, such as TAnchors.
#define PUBLISHED_SET(SetName, ElementType)                                          \
  inline PTypeInfo TypeInfoOf(const TSet<ElementType>*) {                            \
    static const TTypeInfo info = TTypeInfo::Set(#SetName, TypeInfo<ElementType>()); \
    return &info;                                                                    \
  }

// A distinct integer type, declared as `enum TColor : int32_t { ... }` so that C++ keeps it
// apart from int; its type information is an integer range.
#define PUBLISHED_INTEGER(Type, MinValue, MaxValue)                                               \
  inline PTypeInfo TypeInfoOf(const Type*) {                                                      \
    static const TTypeInfo info =                                                                 \
        TTypeInfo::Ordinal(tkInteger, #Type, ::Detail::OrdTypeOf<std::underlying_type_t<Type>>(), \
                           MinValue, MaxValue);                                                   \
    return &info;                                                                                 \
  }

// A distinct string type: a class derived from std::string, declared with DECLARE_STRING_TYPE.
#define PUBLISHED_STRING(Type)                                            \
  inline PTypeInfo TypeInfoOf(const Type*) {                              \
    static const TTypeInfo info = TTypeInfo::String(tkLString, #Type, 0); \
    return &info;                                                         \
  }

#define DECLARE_STRING_TYPE(Type)                              \
  class Type : public std::string {                            \
   public:                                                     \
    using std::string::string;                                 \
    Type() = default;                                          \
    Type(const std::string& text) : std::string(text) {}       \
    Type(std::string&& text) : std::string(std::move(text)) {} \
  };                                                           \
  PUBLISHED_STRING(Type)

// A distinct floating-point type: a class that converts to and from double.
#define PUBLISHED_FLOAT(Type, FloatKind)                              \
  inline PTypeInfo TypeInfoOf(const Type*) {                          \
    static const TTypeInfo info = TTypeInfo::Float(#Type, FloatKind); \
    return &info;                                                     \
  }

PUBLISHED_ENUM(TTypeKind, tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet,
               tkClass, tkMethod, tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord,
               tkInterface)
PUBLISHED_SET(TTypeKinds, TTypeKind)
