#include "IDEExpert.h"

#include "FormDebug.h"
#include "controls/Application.h"
#include "toolsapi/ToolIntf.h"

TIDEExpert::TIDEExpert() {
  InsertMenuCommand();
}

TIDEExpert::~TIDEExpert() {
  FreeAndNil(FormDebug);
  if (FMenuItem) FMenuItem->Release();
}

// Each interface is held by a reference that releases it when the function returns or an
// exception passes: the parent item first, then the "ToolsToolsItem" item, the item list and
// the main menu.
void TIDEExpert::InsertMenuCommand() {
  TIToolServices* services = ToolServices();
  if (!services) return;
  TInterfaceRef<TIMainMenuIntf> mainMenu(services->GetMainMenu());
  if (!mainMenu) return;
  TInterfaceRef<TIMenuItemIntf> menuItems(mainMenu->GetMenuItems());
  if (!menuItems) return;
  TInterfaceRef<TIMenuItemIntf> toolsItem(mainMenu->FindMenuItem("ToolsToolsItem"));
  if (!toolsItem) return;
  TInterfaceRef<TIMenuItemIntf> parent(toolsItem->GetParent());
  if (!parent) return;
  FMenuItem =
      parent->InsertItem(toolsItem->GetIndex(), "Formscope...", "FormscopeItem", "", 0, 0, 0,
                         {mfEnabled, mfVisible}, MakeMethod<&TIDEExpert::ExpertItemClick>(this));
}

std::string TIDEExpert::GetName() {
  return "Formscope Expert";
}

TExpertStyle TIDEExpert::GetStyle() {
  return esAddIn;
}

TExpertState TIDEExpert::GetState() {
  return {esEnabled};
}

std::string TIDEExpert::GetIDString() {
  return "Vellmark.Formscope";
}

std::string TIDEExpert::GetMenuText() {
  return "Formscope...";
}

void TIDEExpert::Execute() {}

void TIDEExpert::ExpertItemClick(TIMenuItemIntf* sender) {
  if (!FormDebug) FormDebug = CreateForm<TFormDebug>(Application);
  FormDebug->Show();
}
