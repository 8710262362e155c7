#pragma once

#include <functional>
#include <type_traits>

#include "core/Exception.h"
#include "core/Object.h"
#include "core/SysUtils.h"
#include "rtti/PropInfo.h"

// The compile-time side of published properties: the value category of a C++ type and the
// accessor that reads and writes a property of class C through its getter and setter (member
// functions or fields of C or of one of its ancestors).

enum class TValueCategory { Ordinal, Float, String, Object, Method };

template <typename T>
constexpr bool IsFloatValue = std::is_floating_point_v<T> ||
                              (std::is_class_v<T> && std::is_convertible_v<T, double> &&
                               std::is_constructible_v<T, double>);

template <typename T>
constexpr bool IsObjectValue =
    std::is_pointer_v<T>&& std::is_base_of_v<TObject, std::remove_pointer_t<T>>;

template <typename T>
constexpr TValueCategory ValueCategoryOf() {
  if constexpr (IsSetType<T> || std::is_integral_v<T> || std::is_enum_v<T>)
    return TValueCategory::Ordinal;
  else if constexpr (IsFloatValue<T>)
    return TValueCategory::Float;
  else if constexpr (std::is_base_of_v<std::string, T>)
    return TValueCategory::String;
  else if constexpr (IsObjectValue<T>)
    return TValueCategory::Object;
  else if constexpr (MethodRefType<T>)
    return TValueCategory::Method;
  else
    static_assert(sizeof(T) == 0, "this type cannot be a published property");
}

template <typename T>
int64_t ToOrdinal(T value) {
  if constexpr (IsSetType<T>)
    return static_cast<int64_t>(value.Bits());
  else if constexpr (std::is_enum_v<T>)
    return static_cast<int64_t>(static_cast<std::underlying_type_t<T>>(value));
  else if constexpr (std::is_same_v<T, char>)
    return static_cast<unsigned char>(value);
  else
    return static_cast<int64_t>(value);
}

template <typename T>
T FromOrdinal(int64_t value) {
  if constexpr (IsSetType<T>)
    return T::FromBits(static_cast<uint32_t>(value));
  else if constexpr (std::is_enum_v<T>)
    return static_cast<T>(static_cast<std::underlying_type_t<T>>(value));
  else if constexpr (std::is_same_v<T, bool>)
    return value != 0;
  else
    return static_cast<T>(value);
}

namespace Detail {
template <typename F>
struct TSetterTraits;
template <typename B, typename P>
struct TSetterTraits<void (B::*)(P)> {
  using Class = B;
  using Value = std::remove_cvref_t<P>;
};
template <typename B, typename T>
struct TSetterTraits<T B::*> {
  using Class = B;
  using Value = T;
};

template <typename F>
struct TGetterClass;
template <typename B, typename R>
struct TGetterClass<R (B::*)() const> {
  using Type = B;
};
template <typename B, typename R>
struct TGetterClass<R (B::*)()> {
  using Type = B;
};
template <typename B, typename T>
struct TGetterClass<T B::*> {
  using Type = B;
};
}  // namespace Detail

template <typename C, typename G>
using TGetterValue = std::remove_cvref_t<std::invoke_result_t<G, C*>>;

template <typename C, typename T, typename G, typename S>
class TPropAccessor final : public TPropAccess {
  static constexpr TValueCategory Category = ValueCategoryOf<T>();
  static constexpr bool Writable = !std::is_same_v<S, std::nullptr_t>;

 public:
  TPropAccessor(G getter, S setter) : FGetter(getter), FSetter(setter) {}

  bool IsWritable() const override { return Writable; }

  int64_t GetOrd(TObject* instance) const override {
    if constexpr (Category == TValueCategory::Ordinal) return ToOrdinal<T>(Get(instance));
    return TPropAccess::GetOrd(instance);
  }
  void SetOrd(TObject* instance, int64_t value) const override {
    if constexpr (Category == TValueCategory::Ordinal)
      Set(instance, FromOrdinal<T>(value));
    else
      TPropAccess::SetOrd(instance, value);
  }
  double GetFloat(TObject* instance) const override {
    if constexpr (Category == TValueCategory::Float) return static_cast<double>(Get(instance));
    return TPropAccess::GetFloat(instance);
  }
  void SetFloat(TObject* instance, double value) const override {
    if constexpr (Category == TValueCategory::Float)
      Set(instance, T(value));
    else
      TPropAccess::SetFloat(instance, value);
  }
  std::string GetStr(TObject* instance) const override {
    if constexpr (Category == TValueCategory::String) return std::string(Get(instance));
    return TPropAccess::GetStr(instance);
  }
  void SetStr(TObject* instance, const std::string& value) const override {
    if constexpr (Category == TValueCategory::String)
      Set(instance, T(value));
    else
      TPropAccess::SetStr(instance, value);
  }
  TObject* GetObject(TObject* instance) const override {
    if constexpr (Category == TValueCategory::Object) return Get(instance);
    return TPropAccess::GetObject(instance);
  }
  void SetObject(TObject* instance, TObject* value) const override {
    if constexpr (Category == TValueCategory::Object) {
      using Target = std::remove_pointer_t<T>;
      if (value && !value->InheritsFrom(Target::StaticClass()))
        throw EPropertyError(Format("Invalid property value: a %s is not a %s", value->ClassName(),
                                    Target::StaticClass()->ClassName()));
      Set(instance, static_cast<T>(value));
    } else {
      TPropAccess::SetObject(instance, value);
    }
  }
  TMethod GetMethod(TObject* instance) const override {
    if constexpr (Category == TValueCategory::Method) return Get(instance).GetMethod();
    return TPropAccess::GetMethod(instance);
  }
  void SetMethod(TObject* instance, const TMethod& value) const override {
    if constexpr (Category == TValueCategory::Method) {
      if (value.Code && *value.Code->Signature != typeid(typename T::Signature))
        throw EPropertyError("Invalid property value: the method's parameters do not match");
      Set(instance, T(value));
    } else {
      TPropAccess::SetMethod(instance, value);
    }
  }

 private:
  T Get(TObject* instance) const { return std::invoke(FGetter, static_cast<C*>(instance)); }

  void Set(TObject* instance, const T& value) const {
    if constexpr (!Writable) {
      throw EPropertyError("Property is read-only");
    } else if constexpr (std::is_member_function_pointer_v<S>) {
      std::invoke(FSetter, static_cast<C*>(instance), value);
    } else {
      std::invoke(FSetter, static_cast<C*>(instance)) = value;
    }
  }

  G FGetter;
  S FSetter;
};
