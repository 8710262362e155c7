#include "vxedit/EditRegistry.h"

#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "designintf/SetProperty.h"
#include "vxedit/PopupListBox.h"
#include "vxedit/VxSimpleEdit.h"

IMPLEMENT_CLASS(TPopupClassInfo) {}
IMPLEMENT_CLASS(TEditClassInfo) {}

namespace {
struct TRegistries {
  std::vector<std::unique_ptr<TPopupClassInfo>> PopupClasses;
  std::vector<std::unique_ptr<TEditClassInfo>> EditClasses;
  std::vector<TClass> EditSources;
};

std::unique_ptr<TRegistries>& Registries() {
  static std::unique_ptr<TRegistries> registries;
  return registries;
}

TRegistries& Started() {
  if (!Registries())
    throw EInvalidOperation("The editor registries are used before the package started");
  return *Registries();
}

// What an entry is matched against: the property's type, first component and name.
struct TKey {
  PTypeInfo Type = nullptr;
  const TPersistent* Component = nullptr;
  std::string Name;
};

TKey KeyOf(TPropertyEditor* editor) {
  if (dynamic_cast<TSetElementProperty*>(editor)) return {TypeInfo<bool>(), nullptr, {}};
  return {editor->GetPropType(), editor->GetComponent(0), editor->GetName()};
}

template <typename Entry>
bool Matches(const Entry& entry, const TKey& key) {
  if (entry.PropertyType && entry.PropertyType != key.Type) return false;
  if (entry.ComponentClass &&
      (!key.Component || !key.Component->InheritsFrom(entry.ComponentClass)))
    return false;
  return entry.PropertyName.empty() || entry.PropertyName == key.Name;
}

// The newest entry matching editor's key, searched from the end; fallback when none does or
// the key cannot be read.
template <typename Entry>
TClass Lookup(const std::vector<std::unique_ptr<Entry>>* entries, TPropertyEditor* editor,
              TClass fallback) {
  if (!entries || !editor) return fallback;
  try {
    const TKey key = KeyOf(editor);
    for (auto entry = entries->rbegin(); entry != entries->rend(); ++entry)
      if (Matches(**entry, key)) return (*entry)->ControlClass;
  } catch (...) {
    // An editor that cannot tell its key gets the default class.
  }
  return fallback;
}

template <typename Entry>
std::unique_ptr<Entry> MakeEntry(PTypeInfo propertyType, TClass componentClass,
                                 std::string_view propertyName, TClass controlClass) {
  auto entry = std::make_unique<Entry>();
  entry->ControlClass = controlClass;
  entry->PropertyType = propertyType;
  entry->PropertyName = std::string(propertyName);
  entry->ComponentClass = componentClass;
  return entry;
}

template <typename Entry>
TClass FindEntryClass(const std::vector<std::unique_ptr<Entry>>& entries, std::string_view name) {
  TClass aClass = GetClass(name);
  if (!aClass) return nullptr;
  for (const auto& entry : entries)
    if (entry->ControlClass == aClass) return aClass;
  return nullptr;
}
}  // namespace

void RegisterPopupClass(PTypeInfo propertyType, TClass componentClass,
                        std::string_view propertyName, TClass popupClass) {
  TRegistries& registries = Started();
  if (popupClass) RegisterClass(popupClass);
  registries.PopupClasses.push_back(
      MakeEntry<TPopupClassInfo>(propertyType, componentClass, propertyName, popupClass));
}

void RegisterEditClass(PTypeInfo propertyType, TClass componentClass, std::string_view propertyName,
                       TClass editClass) {
  TRegistries& registries = Started();
  if (!editClass) throw EInvalidOperation("RegisterEditClass needs an edit class");
  RegisterClass(editClass);
  registries.EditClasses.push_back(
      MakeEntry<TEditClassInfo>(propertyType, componentClass, propertyName, editClass));
}

void RegisterEditSource(TClass sourceClass) {
  TRegistries& registries = Started();
  if (!sourceClass) throw EInvalidOperation("RegisterEditSource needs a class");
  RegisterClass(sourceClass);
  registries.EditSources.push_back(sourceClass);
}

TClass GetPopupClass(TPropertyEditor* editor) {
  const auto& registries = Registries();
  return Lookup(registries ? &registries->PopupClasses : nullptr, editor,
                TPopupListBox::StaticClass());
}

TClass GetEditClass(TPropertyEditor* editor) {
  const auto& registries = Registries();
  return Lookup(registries ? &registries->EditClasses : nullptr, editor,
                TVxSimpleEdit::StaticClass());
}

PTypeInfo GetPropType(TPropertyEditor* editor) {
  if (dynamic_cast<TSetElementProperty*>(editor)) return TypeInfo<bool>();
  return editor->GetPropType();
}

TClass FindPopupClassByName(std::string_view name) {
  return Registries() ? FindEntryClass(Registries()->PopupClasses, name) : nullptr;
}

TClass FindEditClassByName(std::string_view name) {
  return Registries() ? FindEntryClass(Registries()->EditClasses, name) : nullptr;
}

TClass FindEditSourceByName(std::string_view name) {
  if (!Registries()) return nullptr;
  TClass aClass = GetClass(name);
  for (TClass source : Registries()->EditSources)
    if (aClass && source == aClass) return aClass;
  return nullptr;
}

const std::vector<std::unique_ptr<TPopupClassInfo>>& GetPopupClasses() {
  static const std::vector<std::unique_ptr<TPopupClassInfo>> none;
  return Registries() ? Registries()->PopupClasses : none;
}

const std::vector<std::unique_ptr<TEditClassInfo>>& GetEditClasses() {
  static const std::vector<std::unique_ptr<TEditClassInfo>> none;
  return Registries() ? Registries()->EditClasses : none;
}

const std::vector<TClass>& GetEditSources() {
  static const std::vector<TClass> none;
  return Registries() ? Registries()->EditSources : none;
}

void StartEditRegistries() {
  if (!Registries()) Registries() = std::make_unique<TRegistries>();
}

void StopEditRegistries() {
  Registries().reset();
}
