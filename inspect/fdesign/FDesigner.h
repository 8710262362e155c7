#pragma once

#include <string>

#include "designintf/FormDesigner.h"

// The minimal form designer an object inspector carries for use outside an IDE: property
// editors ask it for names, components and handler names as they would ask an IDE's designer.
// It answers from one root form (Form, which the inspector points at the inspected components'
// form) and from the screen's forms and data modules. Everything that concerns source code,
// selections or interfaces gets no action, false or an empty answer; Modified does nothing.
// It never owns the root.
class TFDesigner : public TFormDesigner {
  DECLARE_CLASS(TFDesigner, TFormDesigner);

 public:
  TFDesigner() = default;

  // False: no message is a design message.
  bool IsDesignMsg(TControl* sender, TMessage& message) override;
  void Modified() override {}
  void Notification(TComponent* component, TOperation operation) override {}
  void PaintGrid() override {}
  // Accepts every name.
  void ValidateRename(TComponent* component, const std::string& curName,
                      const std::string& newName) override {}
  // An empty reference: this designer writes no handlers.
  TMethod CreateMethod(const std::string& name, PTypeInfo eventType) override;
  // The name under which the handler's object publishes the handler's code; empty when either
  // is missing or the code is not published.
  std::string GetMethodName(const TMethod& method) override;
  void GetMethods(PTypeInfo eventType, const TGetStrProc& proc) override {}
  // The running program's directory, with a trailing separator.
  std::string GetPrivateDirectory() override;
  void GetSelections(TComponentList* list) override {}
  bool MethodExists(const std::string& name) override;
  void RenameMethod(const std::string& curName, const std::string& newName) override {}
  void SelectComponent(TPersistent* instance) override {}
  void SetSelections(TComponentList* list) override {}
  void ShowMethod(const std::string& name) override {}
  // baseName without its first character, followed by the first number from 1 on that gives a
  // name the root's components do not use. Without a root no name is taken: the number is 1.
  std::string UniqueName(const std::string& baseName) override;
  // The names of the root's own named components (not the root) that are instances of the
  // class type classType, in ownership order; nothing without a root.
  void GetComponentNames(PTypeInfo classType, const TGetStrProc& proc) override;
  // The root's component of that name; else, for "Form.Component", the component of the first
  // screen form (then data module), in screen order, whose name is Form (exact case) and that
  // owns one named Component. Null when none does.
  TComponent* GetComponent(const std::string& name) override;
  // Empty for null or an unnamed component; the plain name for one of the root's components
  // (and for one without a named owner); otherwise "Owner.Name", which GetComponent finds again
  // through the screen.
  std::string GetComponentName(TComponent* component) override;
  TPersistent* GetObject(const std::string& name) override;
  // A component's name; for other objects their name path.
  std::string GetObjectName(TPersistent* instance) override;
  void GetObjectNames(PTypeInfo classType, const TGetStrProc& proc) override {}
  bool MethodFromAncestor(const TMethod& method) override;
  TComponent* CreateComponent(TClass componentClass, TComponent* parent, int left, int top,
                              int width, int height) override;
  bool IsComponentLinkable(TComponent* component) override;
  void MakeComponentLinkable(TComponent* component) override {}
  // The root; may be null.
  TComponent* GetRoot() override { return GetForm(); }
  void Revert(TPersistent* instance, PPropInfo propInfo) override {}
  bool GetIsDormant() override;
  bool HasInterface() override;
  bool HasInterfaceMember(const std::string& name) override;
  void AddInterfaceMember(const std::string& memberText) override {}
};
