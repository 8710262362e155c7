#pragma once

#include <type_traits>
#include <typeinfo>
#include <utility>

#include "core/Exception.h"
#include "core/Forward.h"
#include "rtti/ParamText.h"
#include "rtti/TypeInfo.h"

// Method references: an object and the code of one of its methods, the values of event
// properties. The code of a member function is a TMethodCode made once per member function; its
// address identifies the method, so references compare, copy and stream by name (a class
// publishes methods under names, see TMetaClass::MethodAddress and MethodName).

struct TMethodCode {
  void (*Thunk)();                  // calls the member function: R (*)(TObject*, Args...)
  const std::type_info* Signature;  // typeid(R(Args...))
};

// An untyped method reference: the code and the object it runs on.
struct TMethod {
  const TMethodCode* Code = nullptr;
  TObject* Data = nullptr;

  explicit operator bool() const { return Code != nullptr; }
  bool operator==(const TMethod&) const = default;
};

namespace Detail {
template <auto Member, typename F = decltype(Member)>
struct TMemberThunk;

template <auto Member, typename C, typename R, typename... A>
struct TMemberThunk<Member, R (C::*)(A...)> {
  using Signature = R(A...);
  static R Call(TObject* self, A... args) {
    return (static_cast<C*>(self)->*Member)(std::forward<A>(args)...);
  }
  static inline const TMethodCode Code{reinterpret_cast<void (*)()>(&Call), &typeid(Signature)};
};
}  // namespace Detail

// A method reference whose parameter list the compiler knows, made by MakeMethod.
template <typename Sig>
struct TTypedMethod {
  TMethod Method;
};

// The reference to member function Member of instance: MakeMethod<&TForm1::Button1Click>(this).
template <auto Member, typename C>
auto MakeMethod(C* instance) {
  using Thunk = Detail::TMemberThunk<Member>;
  static_assert(std::is_base_of_v<TObject, C>, "methods belong to framework objects");
  return TTypedMethod<typename Thunk::Signature>{TMethod{&Thunk::Code, instance}};
}

// The code of member function Member, as a class publishes it.
template <auto Member>
const TMethodCode* MethodCode() {
  return &Detail::TMemberThunk<Member>::Code;
}

template <typename Sig>
class TMethodRef;

// A typed method reference: the value of an event property. Event types derive from it, one
// per declared method type (DECLARE_EVENT).
template <typename R, typename... A>
class TMethodRef<R(A...)> {
 public:
  using Signature = R(A...);

  TMethodRef() = default;
  TMethodRef(std::nullptr_t) {}
  TMethodRef(TTypedMethod<Signature> method) : FMethod(method.Method) {}
  // Adopts an untyped reference; raises EInvalidCast when its method takes other parameters.
  explicit TMethodRef(const TMethod& method) : FMethod(method) {
    if (method.Code && *method.Code->Signature != typeid(Signature))
      throw EInvalidCast("Method reference does not match the event's parameter list");
  }

  R operator()(A... args) const {
    auto call = reinterpret_cast<R (*)(TObject*, A...)>(FMethod.Code->Thunk);
    return call(FMethod.Data, std::forward<A>(args)...);
  }

  explicit operator bool() const { return FMethod.Code != nullptr; }
  const TMethod& GetMethod() const { return FMethod; }
  friend bool operator==(const TMethodRef& a, const TMethodRef& b) {
    return a.FMethod == b.FMethod;
  }

 private:
  TMethod FMethod;
};

template <typename T>
concept MethodRefType = requires {
  typename T::Signature;
}
&&std::is_base_of_v<TMethodRef<typename T::Signature>, T>;

namespace Detail {
template <typename R>
std::string ResultTypeName() {
  if constexpr (std::is_void_v<R>)
    return std::string();
  else
    return TypeInfo<std::remove_cvref_t<R>>()->Name;
}
template <typename Sig>
struct TSignatureResult;
template <typename R, typename... A>
struct TSignatureResult<R(A...)> {
  using Result = R;
};
}  // namespace Detail

// Declares an event type and its type information:
//   DECLARE_EVENT(TNotifyEvent, void(TObject* Sender));
// The declaration's parameter text ("Sender: TObject"), which the type information reports, is
// derived from the signature, whose parameters must then be named and of types with a known
// name. It may be given as a third argument instead, for grouped names or other type names:
//   DECLARE_EVENT(TCountEvent, void(TObject* Sender, int& Count), "Sender: TObject; var Count:
//   Integer");
// The compiler checks that a given text agrees with the signature: the same number of
// parameters, var for each non-const reference and only there, and the same names and types.
#define DECLARE_EVENT(EventType, EventSig, ...)                                            \
  class EventType : public TMethodRef<EventSig> {                                          \
   public:                                                                                 \
    using TMethodRef::TMethodRef;                                                          \
  };                                                                                       \
  static_assert(::Detail::EventParamsAgree(#EventSig __VA_OPT__(, ) __VA_ARGS__),          \
                #EventType ": the parameter text does not match the signature");           \
  inline PTypeInfo TypeInfoOf(const EventType*) {                                          \
    static const TTypeInfo info = TTypeInfo::Method(                                       \
        #EventType, ::Detail::EventParamText(#EventSig __VA_OPT__(, ) __VA_ARGS__),        \
        ::Detail::ResultTypeName<typename ::Detail::TSignatureResult<EventSig>::Result>(), \
        typeid(EventSig));                                                                 \
    return &info;                                                                          \
  }

DECLARE_EVENT(TNotifyEvent, void(TObject* Sender));
