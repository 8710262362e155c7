#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "core/Forward.h"

struct TMethodCode;
template <typename C>
class TClassBuilder;

// Declares a framework class inside its body: DECLARE_CLASS(TButton, TControl). The class then
// knows its class reference and publishes what IMPLEMENT_CLASS describes. Parent must be the
// class's direct framework base: naming a more distant ancestor would skip the published
// members of the classes in between, so the compiler refuses it.
#define DECLARE_CLASS(Class, Parent)                                                     \
 public:                                                                                 \
  /* Found in the base class, before this class declares its own ThisClass. */           \
  using VmDirectBase = typename Class::ThisClass;                                        \
  static_assert(std::is_same_v<Parent, VmDirectBase>,                                    \
                #Class ": DECLARE_CLASS must name the direct base class as the parent"); \
  using inherited = Parent;                                                              \
  using ThisClass = Class;                                                               \
  static TClass StaticClass();                                                           \
  TClass ClassType() const override {                                                    \
    return StaticClass();                                                                \
  }                                                                                      \
                                                                                         \
 private:                                                                                \
  friend class ::TMetaClass;                                                             \
  static void DescribeClass(TClassBuilder<Class>& Meta)

// The root of all framework classes: an object that knows its class.
class TObject {
 public:
  using ThisClass = TObject;
  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }

  virtual ~TObject() = default;
  // Destroys the object, first letting it act while it is still whole (BeforeDestruction).
  // Prefer it to delete for framework objects.
  void Free();
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  const std::string& ClassName() const;
  TClass ClassParent() const;
  bool InheritsFrom(TClass aClass) const;
  template <typename T>
  bool Is() const {
    return InheritsFrom(T::StaticClass());
  }

  // The code of the method that this object's class publishes under name (any letter case),
  // or null.
  const TMethodCode* MethodAddress(std::string_view name) const;
  // The name under which this object's class publishes code, or empty.
  std::string MethodName(const TMethodCode* code) const;

 protected:
  TObject() = default;
  // Runs at the start of Free, before any destructor.
  virtual void BeforeDestruction() {}

 private:
  friend class TMetaClass;
  static void DescribeClass(TClassBuilder<TObject>& Meta);
};

// Frees the object that variable points to, if any, and clears the variable first.
template <typename T>
void FreeAndNil(T*& variable) {
  T* object = variable;
  variable = nullptr;
  if (object) object->Free();
}
