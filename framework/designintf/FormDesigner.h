#pragma once

#include <string>

#include "controls/Designer.h"
#include "core/Component.h"
#include "core/Method.h"
#include "designintf/Forward.h"
#include "rtti/MetaClass.h"

// The designer of one form (its root): what property editors ask about names, components and
// event handlers, and what they tell when something changed. An IDE gives every designed form
// one; an inspector running in a program brings its own. The operations are in the platform's
// slot order, after those of the designer base that forms call (TDesigner). Designers never own
// the components they answer about.
class TFormDesigner : public TDesigner {
  DECLARE_CLASS(TFormDesigner, TDesigner);

 public:
  // The root whose components the designer answers about, or null. Not owned.
  TComponent* GetForm() const { return FForm; }
  void SetForm(TComponent* value) { FForm = value; }

  // The handler named name for an event of type eventType, created when it does not exist yet;
  // an empty reference when the designer cannot provide one.
  virtual TMethod CreateMethod(const std::string& name, PTypeInfo eventType) = 0;
  // The name of the handler that method refers to; empty when it has none.
  virtual std::string GetMethodName(const TMethod& method) = 0;
  // Calls proc with the name of each handler that fits events of type eventType.
  virtual void GetMethods(PTypeInfo eventType, const TGetStrProc& proc) = 0;
  // A directory where the design environment keeps private files, with a trailing separator.
  virtual std::string GetPrivateDirectory() = 0;
  // Fills list with the components selected in the designer.
  virtual void GetSelections(TComponentList* list) = 0;
  // True when the form has a handler of that name.
  virtual bool MethodExists(const std::string& name) = 0;
  // Renames an existing handler; references to it follow.
  virtual void RenameMethod(const std::string& curName, const std::string& newName) = 0;
  // Makes instance the designer's only selection.
  virtual void SelectComponent(TPersistent* instance) = 0;
  // Makes the components of list the designer's selection.
  virtual void SetSelections(TComponentList* list) = 0;
  // Shows the source of the handler named name to the user.
  virtual void ShowMethod(const std::string& name) = 0;
  // A component name not used yet in the form, derived from baseName (a class name).
  virtual std::string UniqueName(const std::string& baseName) = 0;
  // Calls proc with the name of each component that a property of the class type classType may
  // refer to.
  virtual void GetComponentNames(PTypeInfo classType, const TGetStrProc& proc) = 0;
  // The component that name (as GetComponentName gives it) denotes, or null.
  virtual TComponent* GetComponent(const std::string& name) = 0;
  // The name under which component is known in the form: qualified by its owner when it lies
  // outside; empty for null or an unnamed component.
  virtual std::string GetComponentName(TComponent* component) = 0;
  // The persistent object that name denotes, or null.
  virtual TPersistent* GetObject(const std::string& name) = 0;
  // The name under which instance is known in the form.
  virtual std::string GetObjectName(TPersistent* instance) = 0;
  // Calls proc with the name of each object of the class type classType.
  virtual void GetObjectNames(PTypeInfo classType, const TGetStrProc& proc) = 0;
  // True when method is a handler inherited from an ancestor form (and may not be renamed).
  virtual bool MethodFromAncestor(const TMethod& method) = 0;
  // A new component of componentClass placed on parent at the given bounds, or null.
  virtual TComponent* CreateComponent(TClass componentClass, TComponent* parent, int left, int top,
                                      int width, int height) = 0;
  // True when the form may refer to component, which lies in another form.
  virtual bool IsComponentLinkable(TComponent* component) = 0;
  // Lets the form refer to component from now on.
  virtual void MakeComponentLinkable(TComponent* component) = 0;
  // The root component of the form (may be null).
  virtual TComponent* GetRoot() = 0;
  // Resets the property propInfo of instance to its inherited or default value.
  virtual void Revert(TPersistent* instance, PPropInfo propInfo) = 0;
  // True while the form's designer is inactive.
  virtual bool GetIsDormant() = 0;
  // True when the form has an interface section of its own.
  virtual bool HasInterface() = 0;
  // True when the form's interface declares a member of that name.
  virtual bool HasInterfaceMember(const std::string& name) = 0;
  // Adds memberText to the form's interface declaration.
  virtual void AddInterfaceMember(const std::string& memberText) = 0;

 protected:
  TFormDesigner() = default;

 private:
  TComponent* FForm = nullptr;
};
