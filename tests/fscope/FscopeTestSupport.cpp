#include "FscopeTestSupport.h"

#include <gtest/gtest.h>

#include "FormDebug.h"
#include "FscopeUnit.h"
#include "IDEExpert.h"
#include "controls/TreeView.h"

namespace FscopeTest {

THost::THost(bool withToolsItem) {
  IdeForm = NewForm(0, 0, 400, 80);
  IdeForm->SetName("IdeMain");
  Menu = new TMainMenu(IdeForm);
  TMenuItem* file = AddItem(Menu->GetItems(), "&File", "FileMenu");
  AddItem(file, "&Open...", "FileOpenItem");
  Tools = AddItem(Menu->GetItems(), "&Tools", "ToolsMenu");
  AddItem(Tools, "&Options...", "ToolsOptionsItem");
  if (withToolsItem) AddItem(Tools, "&Tools...", "ToolsToolsItem");
  AddItem(Menu->GetItems(), "&Help", "HelpMenu");
  IdeForm->SetMenu(Menu);
  Services = new TServices(Menu);
  SetToolServices(Services);
  SetLibraryExpertProc([this](TIExpert* expert) { Experts.push_back(expert); });
}

THost::~THost() {
  UnloadPackage();
  SetLibraryExpertProc(nullptr);
  SetToolServices(nullptr);
  Services->Release();
}

void THost::InstallPackage() {
  RegisterFscope();
}

void THost::UnloadPackage() {
  while (!Experts.empty()) {
    Experts.back()->Release();
    Experts.pop_back();
  }
}

TIDEExpert* THost::Expert() const {
  EXPECT_EQ(Experts.size(), 1u);
  return Experts.empty() ? nullptr : dynamic_cast<TIDEExpert*>(Experts.front());
}

TMenuItem* THost::MenuItem(const std::string& name) const {
  return dynamic_cast<TMenuItem*>(IdeForm->FindComponent(name));
}

void THost::ChooseFormscope() {
  TMenuItem* item = MenuItem("FormscopeItem");
  ASSERT_NE(item, nullptr);
  item->Click();
  Driver.ProcessMessages();
}

std::vector<TCustomForm*> THost::FormscopeWindows() const {
  std::vector<TCustomForm*> windows;
  for (int i = 0; i < Screen->GetFormCount(); ++i)
    if (Screen->GetForm(i)->ClassName() == "TFormDebug") windows.push_back(Screen->GetForm(i));
  return windows;
}

std::vector<std::string> THost::Texts(TTreeNode* parent, TFormDebug* window) {
  std::vector<std::string> texts;
  TTreeNode* node =
      parent ? parent->GetFirstChild() : window->TreeView1->GetItems()->GetFirstNode();
  for (; node; node = parent ? parent->GetNextChild(node) : node->getNextSibling())
    texts.push_back(node->GetText());
  return texts;
}

TMenuItem* THost::AddItem(TMenuItem* parent, const char* caption, const char* name) {
  auto* item = new TMenuItem(IdeForm);
  item->SetName(name);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

}  // namespace FscopeTest
