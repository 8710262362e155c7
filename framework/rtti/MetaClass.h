#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "core/Forward.h"
#include "core/Module.h"  // IMPLEMENT_CLASS names the binary's ThisModule()
#include "core/Object.h"
#include "core/SysUtils.h"
#include "rtti/PropInfo.h"
#include "rtti/TypeInfo.h"

// A method that a class publishes under a name.
struct TPublishedMethod {
  std::string Name;
  const TMethodCode* Code;
};

// A component field that a class publishes under a name; form reading fills it with the
// component of that name.
struct TPublishedField {
  std::string Name;
  TClass (*FieldClass)();
  // Stores value (null, or an instance of the field's class) in the field of instance.
  std::function<void(TObject* instance, TObject* value)> Assign;
};

namespace Detail {
// Property names compare in any ASCII letter case, so the index does too.
struct TNameHash {
  size_t operator()(std::string_view name) const { return HashText(name); }
};
struct TNameEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};
}  // namespace Detail

// The class metadata of one framework class: name, parent, factory, module, published
// properties, methods and fields. A TClass points to one; IMPLEMENT_CLASS builds it once for a
// C++ class, and a program may build further classes at run time (data-driven objects).
class TMetaClass {
 public:
  // Makes an instance; components get owner.
  using TFactory = std::function<TObject*(TComponent* owner)>;

  template <typename C>
  TMetaClass(std::type_identity<C>, std::string name, const TModule* module);
  // A class made at run time for data-driven objects: it inherits parent's published members,
  // creates its instances with factory (null: abstract), and gets its own properties through a
  // TClassBuilder of the parent's C++ class (RuntimeProperty). Its instances report it from
  // ClassType(): their C++ class derives from the parent's, overrides ClassType() without a
  // DECLARE_CLASS of its own and answers the class it was created with (which the factory may
  // capture). parent must outlive it.
  TMetaClass(std::string name, TClass parent, TFactory factory, const TModule* module = nullptr);
  ~TMetaClass();
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const std::string& ClassName() const { return FName; }
  TClass ClassParent() const { return FParent; }
  bool InheritsFrom(TClass ancestor) const;
  const TModule* GetModule() const { return FModule; }
  PTypeInfo GetTypeInfo() const { return &FTypeInfo; }

  // Abstract classes, and classes without a public constructor taking an owner or nothing,
  // cannot be created by reference.
  bool IsAbstract() const { return FFactory == nullptr; }
  // A new instance; components get owner. Raises EInvalidOperation for an abstract class.
  TObject* CreateInstance(TComponent* owner = nullptr) const;
  // A new instance as T; raises EInvalidCast when this class does not descend from T.
  template <typename T>
  T* Create(TComponent* owner = nullptr) const;

  // Published properties, inherited ones first, each in declaration order; a property that a
  // class publishes again keeps its ancestor's place.
  const std::vector<PPropInfo>& GetProperties() const { return FProperties; }
  // The property of that name (any letter case), or null; found through an index.
  PPropInfo FindProperty(std::string_view name) const;

  // Published methods of this class (not its ancestors), in declaration order.
  const std::vector<TPublishedMethod>& GetMethods() const { return FMethods; }
  const TMethodCode* MethodAddress(std::string_view name) const;
  std::string MethodName(const TMethodCode* code) const;

  const TPublishedField* FindField(std::string_view name) const;
  // The classes of the published fields of this class and its ancestors.
  std::vector<TClass> GetFieldClasses() const;

 private:
  template <typename C>
  friend class TClassBuilder;

  void AddProperty(std::unique_ptr<TPropInfo> property);
  void InheritProperties();
  [[noreturn]] void RaiseCannotCast(TClass target) const;

  std::string FName;
  TClass FParent = nullptr;
  const TModule* FModule;
  TFactory FFactory = nullptr;
  TTypeInfo FTypeInfo;
  std::vector<std::unique_ptr<TPropInfo>> FOwnProperties;
  std::vector<PPropInfo> FProperties;
  // Position of each property in FProperties by name; the keys are the properties' own names.
  std::unordered_map<std::string_view, size_t, Detail::TNameHash, Detail::TNameEqual>
      FPropertyIndex;
  std::vector<TPublishedMethod> FMethods;
  std::vector<TPublishedField> FFields;
};

#include "rtti/ClassBuilder.h"

template <typename C>
TMetaClass::TMetaClass(std::type_identity<C>, std::string name, const TModule* module)
    : FName(std::move(name)), FModule(module) {
  if constexpr (!std::is_same_v<C, TObject>) {
    static_assert(std::is_base_of_v<typename C::inherited, C>, "the parent must be a base class");
    static_assert(std::is_same_v<typename C::ThisClass, C>,
                  "the class lacks DECLARE_CLASS in its body");
    FParent = C::inherited::StaticClass();
  }
  if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TComponent*>)
    FFactory = [](TComponent* owner) -> TObject* { return new C(owner); };
  else if constexpr (!std::is_abstract_v<C> && std::is_default_constructible_v<C>)
    FFactory = [](TComponent*) -> TObject* { return new C(); };
  FTypeInfo = TTypeInfo::Class(FName, this);
  InheritProperties();
  TClassBuilder<C> builder(*this);
  C::DescribeClass(builder);
  if (FModule) FModule->AddClass(this);
}

template <typename T>
T* TMetaClass::Create(TComponent* owner) const {
  if (!InheritsFrom(T::StaticClass())) RaiseCannotCast(T::StaticClass());
  return static_cast<T*>(CreateInstance(owner));
}

// Class references of framework classes are the type information of their pointers.
template <typename C>
requires std::is_base_of_v<TObject, C> PTypeInfo TypeInfoOf(C* const*) {
  return C::StaticClass()->GetTypeInfo();
}

// Defines the class reference of a class that has DECLARE_CLASS in its body, followed by the body
// of its description, which publishes properties, methods and fields:
//
//   IMPLEMENT_CLASS(TButton) {
//     PROPERTY(Caption, GetCaption, SetCaption);
//     PROPERTY(Width, GetWidth, SetWidth).Default(75);
//     METHOD(Button1Click);
//   }
//
// The class is built when its binary is loaded, so its module lists it from the start.
#define IMPLEMENT_CLASS(Class)                                                        \
  TClass Class::StaticClass() {                                                       \
    static const TMetaClass meta(std::type_identity<Class>{}, #Class, &ThisModule()); \
    return &meta;                                                                     \
  }                                                                                   \
  namespace {                                                                         \
  [[maybe_unused]] const TClass VmClassAtLoad_##Class = Class::StaticClass();         \
  }                                                                                   \
  void Class::DescribeClass([[maybe_unused]] TClassBuilder<Class>& Meta)

#define PROPERTY(Name, Getter, Setter) Meta.Property(#Name, &ThisClass::Getter, &ThisClass::Setter)
#define PROPERTY_READ(Name, Getter) Meta.Property(#Name, &ThisClass::Getter)
#define METHOD(Name) Meta.template Method<&ThisClass::Name>(#Name)
#define FIELD(Name) Meta.Field(#Name, &ThisClass::Name)
