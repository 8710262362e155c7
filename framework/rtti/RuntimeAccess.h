#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "core/Exception.h"
#include "core/Method.h"
#include "rtti/PropInfo.h"

// Reads and writes a property that is known only at run time (a scripted or data-driven
// object's) through two function objects. T is the C++ type of the value category:
//   int64_t      integer, character, enumeration and set properties (sets as their bits)
//   double       floating-point properties
//   std::string  string properties
//   TObject*     class properties
//   TMethod      events
// Without a setter the property is read-only. Publish it with TClassBuilder::RuntimeProperty.
template <typename T>
class TRuntimeAccess final : public TPropAccess {
  static_assert(std::is_same_v<T, int64_t> || std::is_same_v<T, double> ||
                    std::is_same_v<T, std::string> || std::is_same_v<T, TObject*> ||
                    std::is_same_v<T, TMethod>,
                "a run-time property holds an int64_t, double, std::string, TObject* or TMethod");

 public:
  using TGetter = std::function<T(TObject* instance)>;
  using TSetter = std::function<void(TObject* instance, const T& value)>;

  explicit TRuntimeAccess(TGetter getter, TSetter setter = nullptr)
      : FGetter(std::move(getter)), FSetter(std::move(setter)) {}

  bool IsWritable() const override { return static_cast<bool>(FSetter); }

  int64_t GetOrd(TObject* instance) const override {
    if constexpr (std::is_same_v<T, int64_t>) return FGetter(instance);
    return TPropAccess::GetOrd(instance);
  }
  void SetOrd(TObject* instance, int64_t value) const override {
    if constexpr (std::is_same_v<T, int64_t>)
      Set(instance, value);
    else
      TPropAccess::SetOrd(instance, value);
  }
  double GetFloat(TObject* instance) const override {
    if constexpr (std::is_same_v<T, double>) return FGetter(instance);
    return TPropAccess::GetFloat(instance);
  }
  void SetFloat(TObject* instance, double value) const override {
    if constexpr (std::is_same_v<T, double>)
      Set(instance, value);
    else
      TPropAccess::SetFloat(instance, value);
  }
  std::string GetStr(TObject* instance) const override {
    if constexpr (std::is_same_v<T, std::string>) return FGetter(instance);
    return TPropAccess::GetStr(instance);
  }
  void SetStr(TObject* instance, const std::string& value) const override {
    if constexpr (std::is_same_v<T, std::string>)
      Set(instance, value);
    else
      TPropAccess::SetStr(instance, value);
  }
  TObject* GetObject(TObject* instance) const override {
    if constexpr (std::is_same_v<T, TObject*>) return FGetter(instance);
    return TPropAccess::GetObject(instance);
  }
  void SetObject(TObject* instance, TObject* value) const override {
    if constexpr (std::is_same_v<T, TObject*>)
      Set(instance, value);
    else
      TPropAccess::SetObject(instance, value);
  }
  TMethod GetMethod(TObject* instance) const override {
    if constexpr (std::is_same_v<T, TMethod>) return FGetter(instance);
    return TPropAccess::GetMethod(instance);
  }
  void SetMethod(TObject* instance, const TMethod& value) const override {
    if constexpr (std::is_same_v<T, TMethod>)
      Set(instance, value);
    else
      TPropAccess::SetMethod(instance, value);
  }

 private:
  void Set(TObject* instance, const T& value) const {
    if (!FSetter) throw EPropertyError("Property is read-only");
    FSetter(instance, value);
  }

  TGetter FGetter;
  TSetter FSetter;
};

// The accessor of a run-time property: MakeRuntimeAccess<int64_t>(getter, setter).
template <typename T>
std::unique_ptr<TPropAccess> MakeRuntimeAccess(
    typename TRuntimeAccess<T>::TGetter getter,
    typename TRuntimeAccess<T>::TSetter setter = nullptr) {
  return std::make_unique<TRuntimeAccess<T>>(std::move(getter), std::move(setter));
}
