#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Object.h"
#include "designintf/Forward.h"
#include "rtti/MetaClass.h"

// The process-wide registries that choose, by value type, the popup and inner-edit classes of
// the composite edit control for each property row, and list the edit-source classes. Entries
// only accumulate while the process runs; the newest matching entry wins, so a package loaded
// later overrides the defaults. The registries live from the package's start-up to its
// shut-down (StartEditRegistries, StopEditRegistries).

// An entry of the popup-class registry: ControlClass (a windowed control class, or null for
// "no popup") serves properties of PropertyType (null: any type) named PropertyName (empty:
// any name, else exactly this name, letter case counting) of components of ComponentClass or a
// descendant (null: any component).
class TPopupClassInfo : public TObject {
  DECLARE_CLASS(TPopupClassInfo, TObject);

 public:
  TPopupClassInfo() = default;

  TClass ControlClass = nullptr;
  PTypeInfo PropertyType = nullptr;
  std::string PropertyName;
  TClass ComponentClass = nullptr;
};

// An entry of the inner-edit registry, matched like a popup entry.
class TEditClassInfo : public TObject {
  DECLARE_CLASS(TEditClassInfo, TObject);

 public:
  TEditClassInfo() = default;

  TClass ControlClass = nullptr;
  PTypeInfo PropertyType = nullptr;
  std::string PropertyName;
  TClass ComponentClass = nullptr;
};

// Appends an entry; a non-null popupClass is also registered with the class registry so that
// it can be named. Raises EInvalidOperation while the registries are not started.
void RegisterPopupClass(PTypeInfo propertyType, TClass componentClass,
                        std::string_view propertyName, TClass popupClass);
// Appends an entry and registers editClass with the class registry. Raises EInvalidOperation
// for a null class or while the registries are not started.
void RegisterEditClass(PTypeInfo propertyType, TClass componentClass, std::string_view propertyName,
                       TClass editClass);
// Appends sourceClass to the edit sources and registers it with the class registry. Raises
// EInvalidOperation for a null class or while the registries are not started.
void RegisterEditSource(TClass sourceClass);

// The popup class for editor's row: the newest matching entry's class (null when that entry
// says "no popup"), else TPopupListBox. The key is the editor's property type (GetPropType), its
// first component and its name; for one element of a set it is the Boolean type with no
// component and no name, which only entries without component class and name can match. Never
// fails.
TClass GetPopupClass(TPropertyEditor* editor);
// The inner-edit class for editor's row, found the same way; else TVxSimpleEdit.
TClass GetEditClass(TPropertyEditor* editor);
// The type the registries match editor by: Boolean for a set element, else its property type.
PTypeInfo GetPropType(TPropertyEditor* editor);

// The class of that name when the matching registry holds it (as an entry's class, or as an
// edit source); null otherwise, also for classes only the class registry knows.
TClass FindPopupClassByName(std::string_view name);
TClass FindEditClassByName(std::string_view name);
TClass FindEditSourceByName(std::string_view name);

// The registries' contents, in registration order (empty while not started).
const std::vector<std::unique_ptr<TPopupClassInfo>>& GetPopupClasses();
const std::vector<std::unique_ptr<TEditClassInfo>>& GetEditClasses();
const std::vector<TClass>& GetEditSources();

// Creates the registries, empty. Called by the package's start-up, once per process.
void StartEditRegistries();
// Frees every entry and the registries. Called by the package's shut-down.
void StopEditRegistries();
