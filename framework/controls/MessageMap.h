#pragma once

#include <type_traits>

#include "controls/ControlMessages.h"
#include "core/Forward.h"

// Message handlers bound to message numbers, per class. A control class writes a handler as a
// method taking the message (or a typed view of it) and binds it with one line in its class
// description:
//
//   void WMSize(TWMSize& message);           // in the class
//   MESSAGE_HANDLER(WM_SIZE, WMSize);         // in IMPLEMENT_CLASS(TMyControl) { ... }
//
// A message goes to the handler of the most derived class that binds its number; a class
// without one inherits its ancestor's. Messages no class binds reach DefaultHandler. A handler
// continues with the ancestor's handling through inherited::WMSize(message) when the ancestor
// names it so, or INHERITED_MESSAGE(message) whatever the ancestor calls its handler.

using TMessageHandler = void (*)(TObject* self, TMessage& message);

namespace MessageMap {
// Binds handler to msg for the class whose class reference classOf returns. Called while the
// class describes itself, when its class reference is not complete yet.
void Add(TClass (*classOf)(), UINT msg, TMessageHandler handler);
// The handler that aClass or its nearest ancestor binds to msg; null when none does.
TMessageHandler Find(TClass aClass, UINT msg);
}  // namespace MessageMap

namespace Detail {
template <typename R>
constexpr bool IsMessageView = std::is_base_of_v<TMessage, R> &&
                               sizeof(R) == sizeof(TMessage) && std::is_standard_layout_v<R>;

template <auto Method, typename F = decltype(Method)>
struct TMessageThunk;

// Calls the handler with a typed copy of the message and copies the answer back.
template <auto Method, typename C, typename R>
struct TMessageThunk<Method, void (C::*)(R&)> {
  static_assert(IsMessageView<R>, "a message handler takes a TMessage or a view of it");
  static void Call(TObject* self, TMessage& message) {
    R typed;
    static_cast<TMessage&>(typed) = message;
    (static_cast<C*>(self)->*Method)(typed);
    message = typed;
  }
};
}  // namespace Detail

#define MESSAGE_HANDLER(Msg, Method)                \
  ::MessageMap::Add(&ThisClass::StaticClass, (Msg), \
                    &::Detail::TMessageThunk<&ThisClass::Method>::Call)

// Inside a message handler: the handling the ancestors of the handler's class give the message.
#define INHERITED_MESSAGE(message) InheritedMessage(ThisClass::StaticClass(), (message))
