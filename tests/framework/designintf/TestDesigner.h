#pragma once

// A designer for the tests: it answers from its root (a TTestForm) and a list of other forms,
// and records what property editors tell it. Like an IDE's designer it makes handlers for new
// names (sharing the code of the form's first handler that fits the event, under a code record
// of their own) and renames handlers; with MakesMethods off it does neither, as the
// stand-alone designer of a running program.

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "designintf/FormDesigner.h"

class TTestDesigner : public TFormDesigner {
 public:
  explicit TTestDesigner(TComponent* root) { SetForm(root); }

  bool IsDesignMsg(TControl*, TMessage&) override { return false; }
  void Modified() override { ++ModifiedCount; }
  void Notification(TComponent*, TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(TComponent* component, const std::string& curName,
                      const std::string& newName) override;
  TMethod CreateMethod(const std::string& name, PTypeInfo eventType) override;
  std::string GetMethodName(const TMethod& method) override;
  void GetMethods(PTypeInfo eventType, const TGetStrProc& proc) override;
  std::string GetPrivateDirectory() override { return "/tmp/"; }
  void GetSelections(TComponentList*) override {}
  bool MethodExists(const std::string& name) override;
  void RenameMethod(const std::string& curName, const std::string& newName) override;
  void SelectComponent(TPersistent*) override {}
  void SetSelections(TComponentList*) override {}
  void ShowMethod(const std::string& name) override { Shown.push_back(name); }
  std::string UniqueName(const std::string& baseName) override { return baseName + "1"; }
  void GetComponentNames(PTypeInfo classType, const TGetStrProc& proc) override;
  TComponent* GetComponent(const std::string& name) override;
  std::string GetComponentName(TComponent* component) override;
  TPersistent* GetObject(const std::string& name) override { return GetComponent(name); }
  std::string GetObjectName(TPersistent* instance) override { return instance->GetNamePath(); }
  void GetObjectNames(PTypeInfo, const TGetStrProc&) override {}
  bool MethodFromAncestor(const TMethod& method) override;
  TComponent* CreateComponent(TClass, TComponent*, int, int, int, int) override { return nullptr; }
  bool IsComponentLinkable(TComponent*) override { return false; }
  void MakeComponentLinkable(TComponent*) override {}
  TComponent* GetRoot() override { return GetForm(); }
  void Revert(TPersistent*, PPropInfo) override {}
  bool GetIsDormant() override { return false; }
  bool HasInterface() override { return false; }
  bool HasInterfaceMember(const std::string&) override { return false; }
  void AddInterfaceMember(const std::string&) override {}

  // Whether CreateMethod makes new handlers and RenameMethod renames.
  bool MakesMethods = true;
  // Forms whose components may be referred to as Form2.Widget1.
  std::vector<TComponent*> OtherForms;
  // Handlers that ValidateRename and MethodFromAncestor treat specially.
  std::string RefusedName;
  std::string AncestorMethod;

  int ModifiedCount = 0;
  std::vector<std::string> Shown;
  std::vector<std::string> Created;
  std::vector<std::pair<std::string, std::string>> Renamed;

 private:
  // The code of the handler named name (published, made or renamed), or null.
  const TMethodCode* CodeOf(const std::string& name);

  std::deque<TMethodCode> FMadeCode;
  // Names given by CreateMethod and RenameMethod, which override the published ones.
  std::map<const TMethodCode*, std::string> FNames;
};
