#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/Exception.h"
#include "core/Method.h"
#include "core/SysUtils.h"
#include "rtti/MetaClass.h"
#include "rtti/PropAccessor.h"

// Chains the options of one published property: .Default(75), .NoDefault(), .Stored(false),
// .Stored(&TFoo::IsBarStored).
template <typename C, typename T>
class TPropertyOptions {
 public:
  explicit TPropertyOptions(TPropInfo& info) : FInfo(info) {}

  // The value that is not written to form files (ordinal and set properties).
  TPropertyOptions& Default(T value) {
    static_assert(ValueCategoryOf<T>() == TValueCategory::Ordinal,
                  "only ordinal and set properties declare defaults");
    FInfo.SetDefault(ToOrdinal<T>(value));
    return *this;
  }
  TPropertyOptions& NoDefault() {
    FInfo.SetDefault(std::nullopt);
    return *this;
  }
  TPropertyOptions& Stored(bool stored) {
    FInfo.SetStored([stored](TObject*) { return stored; });
    return *this;
  }
  template <typename B>
  TPropertyOptions& Stored(bool (B::*predicate)() const) {
    static_assert(std::is_base_of_v<B, C>);
    FInfo.SetStored(
        [predicate](TObject* instance) { return (static_cast<C*>(instance)->*predicate)(); });
    return *this;
  }

 private:
  TPropInfo& FInfo;
};

// The options of a property published at run time; the type is checked when they are set.
class TRuntimePropertyOptions {
 public:
  explicit TRuntimePropertyOptions(TPropInfo& info) : FInfo(info) {}

  // Raises EPropertyError unless the property is ordinal or a set.
  TRuntimePropertyOptions& Default(int64_t value) {
    if (!FInfo.GetPropType()->IsOrdinal())
      throw EPropertyError(
          Format("Property %s is not ordinal and cannot declare a default", FInfo.GetName()));
    FInfo.SetDefault(value);
    return *this;
  }
  TRuntimePropertyOptions& NoDefault() {
    FInfo.SetDefault(std::nullopt);
    return *this;
  }
  TRuntimePropertyOptions& Stored(std::function<bool(TObject*)> predicate) {
    FInfo.SetStored(std::move(predicate));
    return *this;
  }
  TRuntimePropertyOptions& Stored(bool stored) {
    return Stored([stored](TObject*) { return stored; });
  }

 private:
  TPropInfo& FInfo;
};

// Fills the metadata of class C; IMPLEMENT_CLASS hands one to the class's description, and a
// program that builds a class at run time makes one over it (TClassBuilder<TBase>(meta)).
template <typename C>
class TClassBuilder {
 public:
  explicit TClassBuilder(TMetaClass& meta) : FMeta(meta) {}

  // A published property read through getter and written through setter (or read-only when the
  // setter is left out). Getters and setters are member functions or fields of C or of an
  // ancestor; the setter must take the getter's type.
  template <typename G, typename S = std::nullptr_t>
  auto Property(std::string_view name, G getter, S setter = nullptr) {
    using T = TGetterValue<C, G>;
    static_assert(std::is_base_of_v<typename Detail::TGetterClass<G>::Type, C>,
                  "the getter belongs to another class");
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      using Setter = Detail::TSetterTraits<S>;
      static_assert(std::is_base_of_v<typename Setter::Class, C>,
                    "the setter belongs to another class");
      static_assert(std::is_same_v<typename Setter::Value, T>,
                    "the setter must take the type that the getter returns");
    }
    ValueCategoryOf<T>();  // rejects types that cannot be published
    auto info =
        std::make_unique<TPropInfo>(std::string(name), &FMeta, &TypeInfo<T>,
                                    std::make_unique<TPropAccessor<C, T, G, S>>(getter, setter));
    TPropInfo& added = *info;
    FMeta.AddProperty(std::move(info));
    return TPropertyOptions<C, T>(added);
  }

  // A published property known only at run time: its name, its type information and the
  // object that reads and writes it (see TRuntimeAccess). Instances handed to access are of
  // this class. Publishing a name again replaces the earlier property in its place. Raises
  // EPropertyError for a name that is not an identifier, a null type or a null access.
  TRuntimePropertyOptions RuntimeProperty(std::string_view name, PTypeInfo typeInfo,
                                          std::unique_ptr<TPropAccess> access) {
    if (!IsValidIdent(name))
      throw EPropertyError(Format("'%s' is not a valid property name", name));
    if (!typeInfo || !access)
      throw EPropertyError(
          Format("Property %s needs type information and an accessor", std::string(name)));
    auto info = std::make_unique<TPropInfo>(std::string(name), &FMeta, typeInfo, std::move(access));
    TPropInfo& added = *info;
    FMeta.AddProperty(std::move(info));
    return TRuntimePropertyOptions(added);
  }

  // A published method: METHOD(Button1Click).
  template <auto Member>
  void Method(std::string_view name) {
    FMeta.FMethods.push_back({std::string(name), MethodCode<Member>()});
  }

  // A published component field: FIELD(Button1).
  template <typename F, typename B>
  void Field(std::string_view name, F* B::*field) {
    static_assert(std::is_base_of_v<B, C>);
    static_assert(std::is_base_of_v<TObject, F>, "published fields hold framework objects");
    FMeta.FFields.push_back(
        {std::string(name), &F::StaticClass, [field](TObject* instance, TObject* value) {
           if (value && !value->InheritsFrom(F::StaticClass()))
             throw EInvalidCast(Format("A %s cannot be stored in a field of class %s",
                                       value->ClassName(), F::StaticClass()->ClassName()));
           static_cast<C*>(instance)->*field = static_cast<F*>(value);
         }});
  }

 private:
  TMetaClass& FMeta;
};
