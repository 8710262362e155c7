#include "controls/MessageMap.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "rtti/MetaClass.h"

namespace {
using THandlerTable = std::unordered_map<UINT, TMessageHandler>;

// The handlers of one class, with the class's name: a package that is unloaded leaves its
// entries behind, and a class of another name later living at the same address must not
// inherit them.
struct TClassTable {
  std::string Name;
  THandlerTable Handlers;
};

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
    std::vector<TPending> pending;
    pending.swap(FPending);
    for (const TPending& entry : pending)
      Own(entry.ClassOf())[entry.Msg] = entry.Handler;
    // Cheap to rebuild, and a cache made before may belong to a class now rebound.
    FFlat.clear();
  }

  THandlerTable& Own(TClass aClass) {
    TClassTable& table = FOwn[aClass];
    if (table.Name != aClass->ClassName()) table = {aClass->ClassName(), {}};
    return table.Handlers;
  }

  const THandlerTable& Flattened(TClass aClass) {
    auto found = FFlat.find(aClass);
    if (found != FFlat.end() && found->second.Name == aClass->ClassName())
      return found->second.Handlers;
    TClassTable flat{aClass->ClassName(), {}};
    if (TClass parent = aClass->ClassParent()) flat.Handlers = Flattened(parent);
    auto own = FOwn.find(aClass);
    if (own != FOwn.end() && own->second.Name == aClass->ClassName())
      for (const auto& [msg, handler] : own->second.Handlers)
        flat.Handlers[msg] = handler;
    TClassTable& stored = FFlat[aClass];
    stored = std::move(flat);
    return stored.Handlers;
  }

  std::vector<TPending> FPending;
  std::unordered_map<TClass, TClassTable> FOwn;
  std::unordered_map<TClass, TClassTable> FFlat;
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
