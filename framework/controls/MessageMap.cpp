#include "controls/MessageMap.h"

#include <unordered_map>
#include <vector>

#include "rtti/MetaClass.h"

namespace {
using THandlerTable = std::unordered_map<UINT, TMessageHandler>;

// The process-wide table of bound handlers. Classes bind while their class reference is being
// built, so bindings wait as pending entries until the first look-up resolves them.
class TMessageMapRegistry {
 public:
  static TMessageMapRegistry& Instance() {
    static TMessageMapRegistry registry;
    return registry;
  }

  void Add(TClass (*classOf)(), UINT msg, TMessageHandler handler) {
    FPending.push_back({classOf, msg, handler});
  }

  TMessageHandler Find(TClass aClass, UINT msg) {
    if (!aClass) return nullptr;
    Resolve();
    const THandlerTable& table = Flattened(aClass);
    auto found = table.find(msg);
    return found == table.end() ? nullptr : found->second;
  }

 private:
  struct TPending {
    TClass (*ClassOf)();
    UINT Msg;
    TMessageHandler Handler;
  };

  void Resolve() {
    if (FPending.empty()) return;
    // A class binds before any instance of it or of a descendant exists, so the flattened
    // tables made so far stay valid.
    std::vector<TPending> pending;
    pending.swap(FPending);
    for (const TPending& entry : pending)
      FOwn[entry.ClassOf()][entry.Msg] = entry.Handler;
  }

  const THandlerTable& Flattened(TClass aClass) {
    auto found = FFlat.find(aClass);
    if (found != FFlat.end()) return found->second;
    THandlerTable table;
    if (TClass parent = aClass->ClassParent()) table = Flattened(parent);
    auto own = FOwn.find(aClass);
    if (own != FOwn.end())
      for (const auto& [msg, handler] : own->second)
        table[msg] = handler;
    return FFlat.emplace(aClass, std::move(table)).first->second;
  }

  std::vector<TPending> FPending;
  std::unordered_map<TClass, THandlerTable> FOwn;
  std::unordered_map<TClass, THandlerTable> FFlat;
};
}  // namespace

namespace MessageMap {
void Add(TClass (*classOf)(), UINT msg, TMessageHandler handler) {
  TMessageMapRegistry::Instance().Add(classOf, msg, handler);
}

TMessageHandler Find(TClass aClass, UINT msg) {
  return TMessageMapRegistry::Instance().Find(aClass, msg);
}
}  // namespace MessageMap
