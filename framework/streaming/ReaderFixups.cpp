#include "core/Exception.h"
#include "core/SysUtils.h"
#include "streaming/Reader.h"
#include "streaming/ReaderPrivate.h"
#include "streaming/Writer.h"

TReader::TFindGlobalComponent& ReaderDetail::GlobalLookup() {
  static TReader::TFindGlobalComponent lookup = nullptr;
  return lookup;
}

void TReader::AddFixup(const TTarget& target, PPropInfo info, const std::string& name,
                       bool isMethod) {
  CancelFixup(target.Instance, info);
  FFixupIndex[{target.Instance, info}] = FFixups.size();
  FFixups.push_back({target, target.Instance, info, name, isMethod, FPropPath, FPropLine});
}

void TReader::CancelFixup(TObject* instance, PPropInfo info) {
  const auto found = FFixupIndex.find({instance, info});
  if (found == FFixupIndex.end()) return;
  FFixups[found->second].Dead = true;
  FFixupIndex.erase(found);
}

TComponent* TReader::FindReferencedComponent(const std::string& name,
                                             const TContext& context) const {
  const std::vector<std::string> parts = ReaderDetail::SplitDotted(name);
  for (TComponent* root : {context.Root, FRoot}) {
    TComponent* current = root->FindComponent(parts[0]);
    if (!current && SameText(parts[0], root->GetName())) current = root;
    for (size_t i = 1; current && i < parts.size(); ++i)
      current = current->FindComponent(parts[i]);
    if (current) return current;
  }
  TComponent* current =
      ReaderDetail::GlobalLookup() ? ReaderDetail::GlobalLookup()(parts[0]) : nullptr;
  for (size_t i = 1; current && i < parts.size(); ++i)
    current = current->FindComponent(parts[i]);
  return current;
}

void TReader::ResolveFixups() {
  // A setter may free components while references are bound; their fixups then die.
  for (size_t i = 0; i < FFixups.size(); ++i) {
    if (FFixups[i].Dead) continue;
    const TFixup fixup = FFixups[i];
    SetPosition(fixup.PropPath, fixup.Line);
    Guarded([&] { ResolveFixup(fixup); });
  }
}

void TReader::ResolveFixup(const TFixup& fixup) {
  if (fixup.IsMethod) {
    TComponent* methodRoot = fixup.Target.Context.MethodRoot;
    const TMethodCode* code = methodRoot->MethodAddress(fixup.Name);
    if (!code) {
      Skip(Format("Method %s not found in %s", fixup.Name, methodRoot->ClassName()));
      return;
    }
    Remember(fixup.Target, fixup.Instance, fixup.Info);
    SetMethodProp(fixup.Instance, fixup.Info, TMethod{code, methodRoot});
  } else {
    TComponent* component = FindReferencedComponent(fixup.Name, fixup.Target.Context);
    if (!component) {
      Skip(Format("Component %s not found", fixup.Name));
      return;
    }
    Remember(fixup.Target, fixup.Instance, fixup.Info);
    SetObjectProp(fixup.Instance, fixup.Info, component);
  }
}

void TReader::Remember(const TTarget& target, TObject* instance, PPropInfo info) {
  if (!target.Undoable) return;
  const TPropAccess* access = &info->GetAccess();
  TComponent* holder = target.Holder;
  switch (info->GetPropType()->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet: {
      const int64_t old = access->GetOrd(instance);
      FUndo.push_back({holder, nullptr, [=] { access->SetOrd(instance, old); }, nullptr});
      return;
    }
    case tkFloat: {
      const double old = access->GetFloat(instance);
      FUndo.push_back({holder, nullptr, [=] { access->SetFloat(instance, old); }, nullptr});
      return;
    }
    case tkString:
    case tkLString:
    case tkWString: {
      std::string old = access->GetStr(instance);
      FUndo.push_back(
          {holder, nullptr, [=, old = std::move(old)] { access->SetStr(instance, old); }, nullptr});
      return;
    }
    case tkClass: {
      TObject* old = access->GetObject(instance);
      // A component referenced before must still exist when it is put back.
      auto* referenced = dynamic_cast<TComponent*>(old);
      if (referenced) Watch(referenced);
      FUndo.push_back({holder, referenced, [=] { access->SetObject(instance, old); }, nullptr});
      return;
    }
    case tkMethod: {
      const TMethod old = access->GetMethod(instance);
      FUndo.push_back({holder, nullptr, [=] { access->SetMethod(instance, old); }, nullptr});
      return;
    }
    default:
      return;
  }
}

void TReader::RememberDefined(const TTarget& target, const std::string& name) {
  TWriter writer;
  TWriter::TDefinedValue defined = writer.WriteDefinedProperty(target.Instance, name);
  if (!defined.Found) return;
  // Without data the property is put back with an empty value of its form.
  if (!defined.HasData)
    defined.Value = defined.Binary ? TFormValue::OfBinary({}) : TFormValue::OfList();
  TPersistent* instance = target.Instance;
  FUndo.push_back({target.Holder, nullptr,
                   [this, instance, name, value = std::move(defined.Value)] {
                     ApplyDefinedValue(instance, name, value);
                   },
                   nullptr});
}

void TReader::RememberName(TComponent* component) {
  if (IsCreated(component)) return;
  const std::string old = component->GetName();
  FUndo.push_back({component, nullptr, [component, old] { component->SetName(old); }, nullptr});
}

// Puts the items of an existing collection aside the first time the read replaces them; later
// replacements (an ancestor's form, then the file) free the items the read made.
void TReader::SnapshotCollection(const TTarget& target, TCollection* collection) {
  if (!FSnapshotted.insert(collection).second) {
    ForgetItems(collection->ExtractAll());
    return;
  }
  auto items = std::make_shared<std::vector<TCollectionItem*>>(collection->ExtractAll());
  FUndo.push_back({target.Holder, nullptr,
                   [collection, items] {
                     collection->RestoreAll(std::move(*items));
                     items->clear();
                   },
                   [items] {
                     for (TCollectionItem* item : *items)
                       item->Free();
                     items->clear();
                   }});
}

// Frees items the read made and no longer needs, with the references waiting for them.
void TReader::ForgetItems(const std::vector<TCollectionItem*>& items) {
  for (TFixup& fixup : FFixups)
    for (const TCollectionItem* enclosing : fixup.Target.Items)
      if (std::find(items.begin(), items.end(), enclosing) != items.end()) fixup.Dead = true;
  for (TCollectionItem* item : items)
    item->Free();
}

void TReader::Watch(TComponent* component) {
  static_cast<TComponent*>(FWatch.get())->FreeNotification(component);
}

void TReader::ComponentGone(TComponent* component) {
  if (FGoneDuringLoaded) FGoneDuringLoaded->push_back(component);
  if (FCreatedSet.erase(component)) std::erase(FCreated, component);
  if (FLoadedAt.erase(component)) std::erase(FLoaded, component);
  for (TFixup& fixup : FFixups)
    if (fixup.Target.Holder == component || fixup.Instance == component) fixup.Dead = true;
  for (TUndo& undo : FUndo) {
    if (undo.Holder && (undo.Holder == component || undo.Referenced == component)) {
      undo.Holder = nullptr;
      if (undo.Discard) undo.Discard();
    }
  }
}

void TReader::Commit() {
  for (TUndo& undo : FUndo)
    if (undo.Holder && undo.Discard) undo.Discard();
  FUndo.clear();
  FSnapshotted.clear();
  FCreated.clear();
  FCreatedSet.clear();
  FLoaded.clear();
  FLoadedAt.clear();
  FFixups.clear();
  FFixupIndex.clear();
}

void TReader::CleanUp() {
  for (TComponent* component : FLoaded)
    component->FComponentState -= {csLoading, csReading};
  // What existed gets its state back, the latest change undone first; a restore that fails
  // cannot be helped and must not stop the others.
  for (size_t i = FUndo.size(); i-- > 0;) {
    TUndo& undo = FUndo[i];
    if (!undo.Holder) continue;
    try {
      undo.Restore();
    } catch (...) {
      if (undo.Discard) undo.Discard();
    }
  }
  FUndo.clear();
  FSnapshotted.clear();
  FFixups.clear();
  FFixupIndex.clear();
  FLoaded.clear();
  FLoadedAt.clear();
  // Owners come before what they own, so the last created goes first.
  while (!FCreated.empty()) {
    TComponent* component = FCreated.back();
    FCreated.pop_back();
    FCreatedSet.erase(component);
    component->Free();
  }
}
