#include <gtest/gtest.h>

#include "../controls/ControlTestSupport.h"
#include "controls/Menus.h"
#include "toolsapi/IDEMenu.h"

using namespace ControlTest;

namespace {

class TClickLog : public TObject {
 public:
  void ItemClick(TIMenuItemIntf* Sender) { Names.push_back(Sender->GetName()); }
  std::vector<std::string> Names;
};

// An IDE's form with a menu bar: File (Open), Tools (Options, the item named ToolsToolsItem).
class IDEMenuTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(20, 20, 400, 300);
    Form->SetName("IdeForm");
    Menu = new TMainMenu(Form);
    TMenuItem* file = AddItem(Menu->GetItems(), "&File", "FileMenu");
    AddItem(file, "&Open", "FileOpen");
    Tools = AddItem(Menu->GetItems(), "&Tools", "ToolsMenu");
    AddItem(Tools, "&Options", "ToolsOptions");
    AddItem(Tools, "&Tools...", "ToolsToolsItem");
    Form->SetMenu(Menu);
    MainMenu.Reset(new TIDEMainMenu(Menu));
  }

  TMenuItem* AddItem(TMenuItem* parent, const char* caption, const char* name) {
    auto* item = new TMenuItem(Form);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  // What an add-in does to put its command above the IDE's own item.
  TInterfaceRef<TIMenuItemIntf> InsertAboveToolsItem(const std::string& name) {
    TInterfaceRef<TIMenuItemIntf> toolsItem(MainMenu->FindMenuItem("ToolsToolsItem"));
    TInterfaceRef<TIMenuItemIntf> parent(toolsItem->GetParent());
    return TInterfaceRef<TIMenuItemIntf>(
        parent->InsertItem(toolsItem->GetIndex(), "Formscope...", name, "", 0, 0, 0,
                           {mfEnabled, mfVisible}, MakeMethod<&TClickLog::ItemClick>(&Clicks)));
  }

  TForm* Form = nullptr;
  TMainMenu* Menu = nullptr;
  TMenuItem* Tools = nullptr;
  TInterfaceRef<TIDEMainMenu> MainMenu;
  TClickLog Clicks;
};

TEST_F(IDEMenuTest, AnInsertedItemTakesThePlaceOfTheNamedItemAndRunsItsHandler) {
  TInterfaceRef<TIMenuItemIntf> inserted = InsertAboveToolsItem("FormscopeItem");
  ASSERT_TRUE(inserted);
  ASSERT_EQ(Tools->GetCount(), 3);
  EXPECT_EQ(Tools->GetItem(1)->GetName(), "FormscopeItem");
  EXPECT_EQ(Tools->GetItem(2)->GetName(), "ToolsToolsItem");
  EXPECT_EQ(Form->FindComponent("FormscopeItem"), Tools->GetItem(1));
  EXPECT_EQ(inserted->GetCaption(), "Formscope...");
  EXPECT_EQ(inserted->GetFlags().Bits(), 6u);

  Tools->GetItem(1)->Click();
  Tools->GetItem(1)->Click();
  EXPECT_EQ(Clicks.Names, (std::vector<std::string>{"FormscopeItem", "FormscopeItem"}));

  // The add-in releasing its item takes the command out of the menu.
  inserted.Reset();
  ASSERT_EQ(Tools->GetCount(), 2);
  EXPECT_EQ(Form->FindComponent("FormscopeItem"), nullptr);
}

TEST_F(IDEMenuTest, MissingItemsAnswerNullAndAFailedInsertionChangesNothing) {
  EXPECT_EQ(MainMenu->FindMenuItem("NoSuchItem"), nullptr);
  TInterfaceRef<TIMenuItemIntf> bar(MainMenu->GetMenuItems());
  EXPECT_EQ(bar->GetParent(), nullptr);
  EXPECT_EQ(bar->GetItemCount(), 2);
  EXPECT_FALSE(bar->DestroyMenuItem());

  // A name the form already holds is refused by the IDE; the exception reaches the add-in.
  EXPECT_THROW(InsertAboveToolsItem("ToolsOptions"), Exception);
  EXPECT_EQ(Tools->GetCount(), 2);
}

TEST_F(IDEMenuTest, InterfacesOutlivingTheirMenuAnswerEmptyAndChangeNothing) {
  TInterfaceRef<TIMenuItemIntf> inserted = InsertAboveToolsItem("FormscopeItem");
  TInterfaceRef<TIMenuItemIntf> toolsItem(MainMenu->FindMenuItem("ToolsToolsItem"));
  Form->Free();
  Form = nullptr;
  EXPECT_EQ(toolsItem->GetName(), "");
  EXPECT_EQ(toolsItem->GetIndex(), -1);
  EXPECT_FALSE(toolsItem->SetCaption("x"));
  EXPECT_EQ(toolsItem->GetParent(), nullptr);
  EXPECT_EQ(MainMenu->GetMenuItems(), nullptr);
  EXPECT_EQ(MainMenu->FindMenuItem("ToolsToolsItem"), nullptr);
  inserted.Reset();  // its item went with the form: nothing left to remove
}

}  // namespace
