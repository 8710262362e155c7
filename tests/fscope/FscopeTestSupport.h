#pragma once

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/Menus.h"
#include "toolsapi/ExpertIntf.h"
#include "toolsapi/IDEMenu.h"
#include "toolsapi/ToolIntf.h"

class TFormDebug;
class TIDEExpert;
class TTreeNode;

// Plays the host IDE for the add-in: a main form with a menu bar (File, Tools with Options and
// the IDE's own "ToolsToolsItem", Help), the add-in services offering that menu, and a receiver
// that keeps the experts that packages register. The experts are released (as an IDE unloading
// its packages does) before the test's Application goes.
namespace FscopeTest {

class TServices : public TIToolServices {
 public:
  explicit TServices(TMainMenu* menu) : FMenu(menu) {}
  TIMainMenuIntf* GetMainMenu() override { return FMenu ? new TIDEMainMenu(FMenu) : nullptr; }
  void SetMenu(TMainMenu* menu) { FMenu = menu; }

 private:
  TMainMenu* FMenu;
};

class THost : public ControlTest::TFixture {
 public:
  // withToolsItem false: an IDE whose Tools menu lacks "ToolsToolsItem".
  explicit THost(bool withToolsItem = true);
  ~THost();

  // Registers the add-in as the IDE does when it installs the package.
  void InstallPackage();
  // Releases every registered expert (the IDE unloading the package).
  void UnloadPackage();
  // The expert that the add-in registered (exactly one expected).
  TIDEExpert* Expert() const;
  // The framework's item named name anywhere in the IDE's menu, or null.
  TMenuItem* MenuItem(const std::string& name) const;
  // Chooses Tools > Formscope... as a user would.
  void ChooseFormscope();
  // The Formscope windows among the screen's forms, found by class name.
  std::vector<TCustomForm*> FormscopeWindows() const;

  // The texts of a tree level (null: the top level), in display order.
  static std::vector<std::string> Texts(TTreeNode* parent, TFormDebug* window);

  TForm* IdeForm = nullptr;
  TMainMenu* Menu = nullptr;
  TMenuItem* Tools = nullptr;
  TServices* Services = nullptr;
  std::vector<TIExpert*> Experts;

 private:
  TMenuItem* AddItem(TMenuItem* parent, const char* caption, const char* name);
};

}  // namespace FscopeTest
