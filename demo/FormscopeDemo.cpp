// The Formscope add-in in a small stand-in IDE: a main window whose Tools menu holds the IDE's
// own "ToolsToolsItem", and a form with a few controls. The program loads the add-in module
// (libfscope.so beside it) as an IDE loads a design package, chooses Tools > Formscope... and
// shows the Formscope window with the form's button chosen in its tree. With --screenshot FILE
// it paints once and writes the desktop as a PNG.
//
//   formscope-demo [--events] [--vb] [--ungrouped] [--screenshot FILE]
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Edit.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/Menus.h"
#include "controls/ProgramHost.h"
#include "controls/Screen.h"
#include "controls/SpeedButton.h"
#include "controls/TabControl.h"
#include "controls/TreeView.h"
#include "toolsapi/ExpertIntf.h"
#include "toolsapi/IDEMenu.h"
#include "toolsapi/ToolIntf.h"

namespace {

class TDemoServices : public TIToolServices {
 public:
  explicit TDemoServices(TMainMenu* menu) : FMenu(menu) {}
  TIMainMenuIntf* GetMainMenu() override { return new TIDEMainMenu(FMenu); }

 private:
  TMainMenu* FMenu;
};

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const char* caption, const char* name) {
  auto* item = new TMenuItem(owner);
  item->SetName(name);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

template <typename T>
T* AddControl(TForm* form, const char* name, int left, int top, int width, int height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  return control;
}

std::string ModuleFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  std::string exe(path, static_cast<size_t>(length));
  return exe.substr(0, exe.rfind('/'));
}

TCustomForm* FindForm(const std::string& className) {
  for (int i = 0; i < Screen->GetFormCount(); ++i)
    if (Screen->GetForm(i)->ClassName() == className) return Screen->GetForm(i);
  return nullptr;
}

void Choose(TTreeView* tree, TComponent* component) {
  TTreeNodes* nodes = tree->GetItems();
  for (int i = 0; i < nodes->GetCount(); ++i)
    if (TTreeNode* node = nodes->GetItem(i); node->GetData() == component) {
      for (TTreeNode* parent = node->GetParent(); parent; parent = parent->GetParent())
        parent->SetExpanded(true);
      tree->Select(node);
      return;
    }
}

}  // namespace

int main(int argc, char** argv) {
  bool events = false;
  bool vb = false;
  bool ungrouped = false;
  std::vector<const char*> hostArgs;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--events") == 0)
      events = true;
    else if (std::strcmp(argv[i], "--vb") == 0)
      vb = true;
    else if (std::strcmp(argv[i], "--ungrouped") == 0)
      ungrouped = true;
    else
      hostArgs.push_back(argv[i]);
  }
  TProgramHost host(static_cast<int>(hostArgs.size()), hostArgs.data());
  if (!host.Ok()) return host.Fail();
  Application->Initialize();

  TForm* ide = nullptr;
  Application->CreateForm(ide);
  ide->SetName("IdeMain");
  ide->SetCaption("Stand-in IDE");
  ide->SetBounds(0, 0, 640, 60);
  auto* menu = new TMainMenu(ide);
  TMenuItem* tools = AddItem(ide, menu->GetItems(), "&Tools", "ToolsMenu");
  AddItem(ide, tools, "&Options...", "ToolsOptionsItem");
  AddItem(ide, tools, "&Tools...", "ToolsToolsItem");
  ide->SetMenu(menu);
  ide->Show();

  auto* form = new TForm(Application);
  form->SetName("OrderForm");
  form->SetCaption("Order");
  form->SetBounds(20, 80, 260, 180);
  AddControl<TLabel>(form, "NameLabel", 10, 12, 60, 16)->SetCaption("Name:");
  AddControl<TEdit>(form, "NameEdit", 80, 10, 150, 22);
  AddControl<TCheckBox>(form, "Urgent", 10, 44, 120, 20)->SetCaption("Urgent");
  auto* ok = AddControl<TButton>(form, "OkButton", 10, 80, 75, 25);
  ok->SetCaption("OK");
  form->Show();

  auto* services = new TDemoServices(menu);
  SetToolServices(services);
  std::vector<TIExpert*> experts;
  SetLibraryExpertProc([&](TIExpert* expert) { experts.push_back(expert); });
  const std::string path = ModuleFolder() + "/libfscope.so";
  void* package = dlopen(path.c_str(), RTLD_NOW);
  if (!package) {
    std::fprintf(stderr, "formscope-demo: cannot load %s: %s\n", path.c_str(), dlerror());
    return 1;
  }
  auto registerPackage = reinterpret_cast<void (*)()>(dlsym(package, "RegisterFscopePackage"));
  if (!registerPackage) {
    std::fprintf(stderr, "formscope-demo: %s has no RegisterFscopePackage\n", path.c_str());
    return 1;
  }
  registerPackage();

  if (auto* command = dynamic_cast<TMenuItem*>(ide->FindComponent("FormscopeItem"))) {
    form->Show();  // the active form when the window opens
    command->Click();
  }
  if (TCustomForm* window = FindForm("TFormDebug")) {
    Choose(static_cast<TTreeView*>(window->FindComponent("TreeView1")), ok);
    if (events) {
      auto* tabs = static_cast<TTabControl*>(window->FindComponent("TabControl1"));
      tabs->SetTabIndex(1);
      if (tabs->GetOnChange()) tabs->GetOnChange()(tabs);
    }
    if (vb) static_cast<TSpeedButton*>(window->FindComponent("SpeedButton2"))->Click();
    if (ungrouped) {
      auto* groups = static_cast<TSpeedButton*>(window->FindComponent("UseGroups"));
      groups->SetDown(false);
      groups->Click();
    }
  }

  const int result = host.Run();
  // The IDE unloads the package: the expert goes first, with its window.
  for (TIExpert* expert : experts)
    expert->Release();
  SetLibraryExpertProc(nullptr);
  SetToolServices(nullptr);
  services->Release();
  return result;
}
