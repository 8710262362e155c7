#include "ScriptTour.h"

#include <filesystem>
#include <system_error>

#include "IDEDesigner.h"
#include "IDEMainForm.h"
#include "PackageLoader.h"
#include "controls/Application.h"
#include "controls/MenuTracker.h"
#include "controls/Menus.h"
#include "controls/Screen.h"
#include "controls/SpeedButton.h"
#include "controls/TabControl.h"
#include "controls/TreeNode.h"
#include "controls/TreeView.h"
#include "present/PngWriter.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
// The item named name anywhere under item, or null.
TMenuItem* FindItem(TMenuItem* item, const std::string& name) {
  if (item->GetName() == name) return item;
  for (int i = 0; i < item->GetCount(); ++i)
    if (TMenuItem* found = FindItem(item->GetItem(i), name)) return found;
  return nullptr;
}

TCustomForm* FindFormOfClass(const std::string& className) {
  for (int i = 0; i < Screen->GetFormCount(); ++i)
    if (Screen->GetForm(i)->ClassName() == className) return Screen->GetForm(i);
  return nullptr;
}

void Settle() {
  Application->ProcessMessages();
  DispatchPendingMessages();
}

bool IsDesigned(TIDEMainForm* ide, TComponent* component) {
  for (TIDEDesigner* designer : ide->GetDesigners())
    if (component && component->GetOwner() == designer->GetDesignedForm()) return true;
  return false;
}
}  // namespace

TScriptTour::TScriptTour(TIDEMainForm* ide, std::string folder)
    : FIDE(ide), FFolder(std::move(folder)) {}

bool TScriptTour::Run(std::ostream& log) {
  std::error_code error;
  std::filesystem::create_directories(FFolder, error);
  if (!Shot("ide-start.png", log)) return false;
  if (!OpenToolsMenu(log)) return false;
  TCustomForm* window = OpenFormscope(log);
  if (!window) return false;
  return SelectDesignedNode(window, log) && Shot("ide-formscope-selected.png", log) &&
         ClickTab(window, 1, log) && Shot("ide-formscope-events.png", log) &&
         ClickButton(window, "SpeedButton2", log) && Shot("ide-formscope-look.png", log) &&
         ClickButton(window, "UseGroups", log) && Shot("ide-formscope-ungrouped.png", log);
}

bool TScriptTour::Shot(const std::string& name, std::ostream& log) {
  Settle();
  const std::string path = (std::filesystem::path(FFolder) / name).string();
  std::string reason;
  if (!SavePng(TWindowSystem::Instance().Screen(), path, &reason)) {
    log << "tour: cannot write " << path << ": " << reason << "\n";
    return false;
  }
  FWritten.push_back(path);
  log << "tour: wrote " << path << "\n";
  return true;
}

bool TScriptTour::OpenToolsMenu(std::ostream& log) {
  TMainMenu* menu = FIDE->GetMenu();
  TMenuItem* tools = menu ? FindItem(menu->GetItems(), "ToolsMenu") : nullptr;
  if (!tools) {
    log << "tour: the IDE has no Tools menu\n";
    return false;
  }
  TMenuTracker::TrackBar(FIDE, menu, tools->GetMenuIndex(), false);
  const bool written = Shot("ide-tools-menu.png", log);
  TMenuTracker::CloseAll();
  Settle();
  return written;
}

TCustomForm* TScriptTour::OpenFormscope(std::ostream& log) {
  TMainMenu* menu = FIDE->GetMenu();
  TMenuItem* item = menu ? FindItem(menu->GetItems(), "FormscopeItem") : nullptr;
  if (!item) {
    log << "tour: the Tools menu has no \"Formscope...\" item (FormscopeItem); the fscope "
           "package is not loaded";
    for (const std::string& line :
         FIDE->GetPackageLoader() ? FIDE->GetPackageLoader()->Errors() : std::vector<std::string>{})
      log << "; " << line;
    log << "\n";
    return nullptr;
  }
  item->Click();
  Settle();
  TCustomForm* window = FindFormOfClass("TFormDebug");
  if (!window || !window->GetVisible()) {
    log << "tour: choosing Formscope... showed no TFormDebug window\n";
    return nullptr;
  }
  return Shot("ide-formscope.png", log) ? window : nullptr;
}

void TScriptTour::ClickAt(TControl* control, TPoint client) {
  TInputRouter& input = TWindowSystem::Instance().Input();
  input.InjectMouseMove(control->ClientToScreen(client));
  input.InjectButton(MouseLeft, true);
  input.InjectButton(MouseLeft, false);
  Settle();
}

bool TScriptTour::SelectDesignedNode(TCustomForm* window, std::ostream& log) {
  auto* tree = dynamic_cast<TTreeView*>(window->FindComponent("TreeView1"));
  if (!tree) {
    log << "tour: the Formscope window has no tree view TreeView1\n";
    return false;
  }
  TTreeNode* target = nullptr;
  for (TTreeNode* node = tree->GetItems()->GetFirstNode(); node && !target; node = node->GetNext())
    if (IsDesigned(FIDE, static_cast<TComponent*>(node->GetData()))) target = node;
  if (!target) {
    log << "tour: the Formscope tree lists no component of a designed form\n";
    return false;
  }
  target->MakeVisible();
  Settle();
  const TRect rect = target->DisplayRect(true);
  if (rect.IsEmpty())
    tree->Select(target);
  else
    ClickAt(tree, TPoint{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2});
  if (tree->GetSelected() != target) {
    log << "tour: clicking " << target->GetText() << " in the Formscope tree did not select it\n";
    return false;
  }
  return true;
}

bool TScriptTour::ClickTab(TCustomForm* window, int index, std::ostream& log) {
  auto* tabs = dynamic_cast<TTabControl*>(window->FindComponent("TabControl1"));
  if (!tabs) {
    log << "tour: the Formscope window has no tab control TabControl1\n";
    return false;
  }
  const TRect rect = tabs->TabRect(index);
  ClickAt(tabs, TPoint{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2});
  if (tabs->GetTabIndex() != index) {
    log << "tour: clicking tab " << index << " of TabControl1 did not select it\n";
    return false;
  }
  return true;
}

bool TScriptTour::ClickButton(TCustomForm* window, const char* name, std::ostream& log) {
  auto* button = dynamic_cast<TSpeedButton*>(window->FindComponent(name));
  if (!button) {
    log << "tour: the Formscope window has no speed button " << name << "\n";
    return false;
  }
  ClickAt(button, TPoint{button->GetWidth() / 2, button->GetHeight() / 2});
  return true;
}
