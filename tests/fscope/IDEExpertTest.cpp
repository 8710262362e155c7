#include <gtest/gtest.h>

#include <memory>

#include "FormDebug.h"
#include "FscopeTestSupport.h"
#include "IDEExpert.h"

extern "C" void RegisterFscopePackage();
extern "C" const char* FscopePackageDescription();

using namespace FscopeTest;

namespace {

class IDEExpertTest : public ::testing::Test, public THost {};

TEST_F(IDEExpertTest, ThePackageRegistersOneExpertThatAnswersAsTheFormscopeAddIn) {
  RegisterFscopePackage();
  EXPECT_STREQ(FscopePackageDescription(), "Formscope");
  TIDEExpert* expert = Expert();
  ASSERT_NE(expert, nullptr);
  EXPECT_EQ(expert->GetName(), "Formscope Expert");
  EXPECT_EQ(expert->GetStyle(), esAddIn);
  EXPECT_EQ(static_cast<int>(expert->GetStyle()), 3);
  EXPECT_EQ(expert->GetState().Bits(), 1u);
  EXPECT_EQ(expert->GetIDString(), "Vellmark.Formscope");
  EXPECT_EQ(expert->GetMenuText(), "Formscope...");
  EXPECT_EQ(expert->GetVersion(), ToolsApiVersion);
  // The operations of other expert styles stay unimplemented.
  EXPECT_THROW(expert->GetAuthor(), EAbstractError);
  EXPECT_THROW(expert->GetComment(), EAbstractError);
  EXPECT_THROW(expert->GetPage(), EAbstractError);
  EXPECT_THROW(expert->GetGlyph(), EAbstractError);
  expert->Execute();
  EXPECT_TRUE(FormscopeWindows().empty());
}

TEST_F(IDEExpertTest, TheCommandGoesDirectlyAboveTheIdesToolsItem) {
  InstallPackage();
  ASSERT_EQ(Tools->GetCount(), 3);
  EXPECT_EQ(Tools->GetItem(0)->GetName(), "ToolsOptionsItem");
  EXPECT_EQ(Tools->GetItem(1)->GetName(), "FormscopeItem");
  EXPECT_EQ(Tools->GetItem(2)->GetName(), "ToolsToolsItem");
  TMenuItem* item = Tools->GetItem(1);
  EXPECT_EQ(item->GetCaption(), "Formscope...");
  EXPECT_EQ(item->GetHint(), "");
  EXPECT_EQ(item->GetShortCut(), 0);
  EXPECT_EQ(item->GetHelpContext(), 0);
  EXPECT_EQ(item->GetGroupIndex(), 0);
  EXPECT_TRUE(item->GetEnabled());
  EXPECT_TRUE(item->GetVisible());
  TIMenuItemIntf* held = Expert()->GetMenuItem();
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->GetFlags().Bits(), 6u);
  EXPECT_EQ(held->GetName(), "FormscopeItem");

  // Unloading releases the item, and this IDE then takes it out of its menu.
  UnloadPackage();
  EXPECT_EQ(MenuItem("FormscopeItem"), nullptr);
  EXPECT_EQ(Tools->GetCount(), 2);
}

class IDEWithoutToolsItemTest : public ::testing::Test, public THost {
 public:
  IDEWithoutToolsItemTest() : THost(false) {}
};

TEST_F(IDEWithoutToolsItemTest, TheAddInLoadsWithoutACommand) {
  InstallPackage();
  ASSERT_NE(Expert(), nullptr);
  EXPECT_EQ(Expert()->GetMenuItem(), nullptr);
  EXPECT_EQ(Tools->GetCount(), 1);
  EXPECT_EQ(MenuItem("FormscopeItem"), nullptr);
  UnloadPackage();

  // No main menu, or no IDE services at all: the same.
  Services->SetMenu(nullptr);
  InstallPackage();
  EXPECT_EQ(Expert()->GetMenuItem(), nullptr);
  UnloadPackage();
  SetToolServices(nullptr);
  InstallPackage();
  EXPECT_EQ(Expert()->GetMenuItem(), nullptr);
  UnloadPackage();
  SetToolServices(Services);
}

// IDE interfaces that log their release and can be told to fail at one step.
enum class TFailAt { Nothing, MenuItems, FindItem, Parent, Index, Insert };

struct TFakeIDE {
  TFailAt FailAt = TFailAt::Nothing;
  bool NoParent = false;
  std::vector<std::string> Released;
  int Live = 0;
  void Fail(TFailAt step) const {
    if (FailAt == step) throw EInvalidOperation("the IDE refused");
  }
};

class TFakeItem : public TIMenuItemIntf {
 public:
  TFakeItem(TFakeIDE& ide, std::string name) : FIDE(ide), FName(std::move(name)) { ++FIDE.Live; }
  bool DestroyMenuItem() override { return false; }
  int GetIndex() override {
    FIDE.Fail(TFailAt::Index);
    return 1;
  }
  int GetItemCount() override { return 0; }
  TIMenuItemIntf* GetItem(int) override { return nullptr; }
  std::string GetName() override { return FName; }
  TIMenuItemIntf* GetParent() override {
    FIDE.Fail(TFailAt::Parent);
    return FIDE.NoParent ? nullptr : new TFakeItem(FIDE, "ToolsMenu");
  }
  std::string GetCaption() override { return FName; }
  bool SetCaption(const std::string&) override { return false; }
  int GetShortCut() override { return 0; }
  bool SetShortCut(int) override { return false; }
  TIMenuFlags GetFlags() override { return {}; }
  bool SetFlags(TIMenuFlags, TIMenuFlags) override { return false; }
  int GetGroupIndex() override { return 0; }
  bool SetGroupIndex(int) override { return false; }
  std::string GetHint() override { return ""; }
  bool SetHint(const std::string&) override { return false; }
  int GetContext() override { return 0; }
  bool SetContext(int) override { return false; }
  TIMenuClickEvent GetMenuClickEvent() override { return nullptr; }
  bool SetMenuClickEvent(TIMenuClickEvent) override { return false; }
  TIMenuItemIntf* InsertItem(int index, const std::string& caption, const std::string& name,
                             const std::string& hint, int shortCut, int context, int groupIndex,
                             TIMenuFlags flags, TIMenuClickEvent click) override {
    FIDE.Fail(TFailAt::Insert);
    Inserted = name + " at " + std::to_string(index);
    return new TFakeItem(FIDE, name);
  }
  static inline std::string Inserted;

 protected:
  ~TFakeItem() override {
    FIDE.Released.push_back(FName);
    --FIDE.Live;
  }

 private:
  TFakeIDE& FIDE;
  std::string FName;
};

class TFakeMenu : public TIMainMenuIntf {
 public:
  explicit TFakeMenu(TFakeIDE& ide) : FIDE(ide) { ++FIDE.Live; }
  TIMenuItemIntf* GetMenuItems() override {
    FIDE.Fail(TFailAt::MenuItems);
    return new TFakeItem(FIDE, "MenuBar");
  }
  TIMenuItemIntf* FindMenuItem(const std::string& name) override {
    FIDE.Fail(TFailAt::FindItem);
    return new TFakeItem(FIDE, name);
  }

 protected:
  ~TFakeMenu() override {
    FIDE.Released.push_back("MainMenu");
    --FIDE.Live;
  }

 private:
  TFakeIDE& FIDE;
};

class TFakeServices : public TIToolServices {
 public:
  explicit TFakeServices(TFakeIDE& ide) : FIDE(ide) {}
  TIMainMenuIntf* GetMainMenu() override { return new TFakeMenu(FIDE); }

 private:
  TFakeIDE& FIDE;
};

class TFakeServicesScope {
 public:
  explicit TFakeServicesScope(TFakeIDE& ide) : FServices(new TFakeServices(ide)) {
    SetToolServices(FServices);
  }
  ~TFakeServicesScope() {
    SetToolServices(nullptr);
    FServices->Release();
  }
  TFakeServicesScope(const TFakeServicesScope&) = delete;
  TFakeServicesScope& operator=(const TFakeServicesScope&) = delete;

 private:
  TFakeServices* FServices;
};

TEST(IDEExpertInterfacesTest, EveryInterfaceIsReleasedInnermostFirst) {
  TFakeIDE ide;
  TFakeServicesScope services(ide);
  auto* expert = new TIDEExpert();
  EXPECT_EQ(TFakeItem::Inserted, "FormscopeItem at 1");
  EXPECT_EQ(ide.Released,
            (std::vector<std::string>{"ToolsMenu", "ToolsToolsItem", "MenuBar", "MainMenu"}));
  EXPECT_EQ(ide.Live, 1);  // the inserted item, held by the expert
  expert->Release();
  EXPECT_EQ(ide.Released.back(), "FormscopeItem");
  EXPECT_EQ(ide.Live, 0);

  // A missing parent stops the insertion; what was obtained is still given back.
  TFakeIDE orphan;
  orphan.NoParent = true;
  TFakeServicesScope orphanServices(orphan);
  expert = new TIDEExpert();
  EXPECT_EQ(expert->GetMenuItem(), nullptr);
  EXPECT_EQ(orphan.Released, (std::vector<std::string>{"ToolsToolsItem", "MenuBar", "MainMenu"}));
  expert->Release();
  EXPECT_EQ(orphan.Live, 0);
}

TEST(IDEExpertInterfacesTest, AStepThatRaisesPassesTheErrorOnAfterTheReleases) {
  const std::pair<TFailAt, std::vector<std::string>> cases[] = {
      {TFailAt::MenuItems, {"MainMenu"}},
      {TFailAt::FindItem, {"MenuBar", "MainMenu"}},
      {TFailAt::Parent, {"ToolsToolsItem", "MenuBar", "MainMenu"}},
      {TFailAt::Index, {"ToolsMenu", "ToolsToolsItem", "MenuBar", "MainMenu"}},
      {TFailAt::Insert, {"ToolsMenu", "ToolsToolsItem", "MenuBar", "MainMenu"}},
  };
  for (const auto& [step, released] : cases) {
    TFakeIDE ide;
    ide.FailAt = step;
    TFakeServicesScope services(ide);
    std::unique_ptr<TIDEExpert, void (*)(TIDEExpert*)> made(nullptr,
                                                            [](TIDEExpert* e) { e->Release(); });
    try {
      made.reset(new TIDEExpert());
      ADD_FAILURE() << "the IDE's error must pass the constructor";
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.GetMessage(), "the IDE refused");
    }
    EXPECT_EQ(ide.Released, released) << static_cast<int>(step);
    EXPECT_EQ(ide.Live, 0) << static_cast<int>(step);
  }
}

}  // namespace
