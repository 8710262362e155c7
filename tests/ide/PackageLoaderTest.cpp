#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "ControlTestSupport.h"
#include "IDEToolServices.h"
#include "PackageLoader.h"
#include "PackageLog.h"
#include "controls/Menus.h"
#include "toolsapi/ExpertIntf.h"

namespace {
using ::testing::ElementsAre;

TPackageInfo TestPackage(const std::string& letter) {
  return {letter, "libide_test_package_" + letter + ".so", "RegisterTestPackage",
          "TestPackageDescription"};
}

class PackageLoaderTest : public ::testing::Test {
 protected:
  PackageLoaderTest() {
    PackageLog().clear();
    FailNextRegistration() = false;
  }

  // A main window with File and Tools menus; Tools holds "ToolsToolsItem" unless told not to.
  TForm* MainWindow(bool withToolsItem = true) {
    TForm* form = Fixture.NewForm(0, 0, 400, 100);
    auto* menu = new TMainMenu(form);
    auto addItem = [form](TMenuItem* parent, const char* name, const char* caption) {
      auto* item = new TMenuItem(form);
      item->SetName(name);
      item->SetCaption(caption);
      parent->Add(item);
      return item;
    };
    addItem(menu->GetItems(), "FileMenu", "&File");
    Tools = addItem(menu->GetItems(), "ToolsMenu", "&Tools");
    addItem(Tools, "ToolsFirstItem", "&Options...");
    if (withToolsItem) addItem(Tools, "ToolsToolsItem", "&Packages...");
    form->SetMenu(menu);
    Services = new TIDEToolServices(form);
    Services->Install();
    return form;
  }

  std::vector<std::string> ToolsItemNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < Tools->GetCount(); ++i)
      names.push_back(Tools->GetItem(i)->GetName());
    return names;
  }

  ~PackageLoaderTest() override {
    if (Services) Services->Release();
  }

  ControlTest::TFixture Fixture;
  TIDEToolServices* Services = nullptr;
  TMenuItem* Tools = nullptr;
};

TEST_F(PackageLoaderTest, LoadsInTableOrderAndShutsDownInReverse) {
  MainWindow();
  {
    TPackageLoader loader({TestPackage("a"), TestPackage("b")},
                          TPackageLoader::StandardSearchFolders());
    EXPECT_EQ(loader.Load(), 2);
    EXPECT_THAT(PackageLog(), ElementsAre("start a", "register a", "start b", "register b"));
    EXPECT_EQ(loader.GetPackages()[0].Description, "Test package a");
    EXPECT_EQ(loader.GetPackages()[1].Experts.size(), 1u);
    EXPECT_TRUE(loader.Errors().empty());
    // Each expert put its item directly above "ToolsToolsItem", b after a.
    EXPECT_THAT(ToolsItemNames(),
                ElementsAre("ToolsFirstItem", "PackageaItem", "PackagebItem", "ToolsToolsItem"));
    PackageLog().clear();
  }
  // Each package's expert goes before the package itself, the last loaded first.
  EXPECT_THAT(PackageLog(),
              ElementsAre("expert b released", "stop b", "expert a released", "stop a"));
  // Releasing the experts' item interfaces took their items out of the menu.
  EXPECT_THAT(ToolsItemNames(), ElementsAre("ToolsFirstItem", "ToolsToolsItem"));
}

TEST_F(PackageLoaderTest, MenuWithoutToolsItemStillLoadsAndRegisters) {
  MainWindow(false);
  TPackageLoader loader({TestPackage("a")}, TPackageLoader::StandardSearchFolders());
  EXPECT_EQ(loader.Load(), 1);
  EXPECT_EQ(loader.GetPackages()[0].Experts.size(), 1u);
  EXPECT_THAT(ToolsItemNames(), ElementsAre("ToolsFirstItem"));
  EXPECT_TRUE(loader.Errors().empty());
}

TEST_F(PackageLoaderTest, RegistrationWorksWithoutMainMenuServices) {
  // No services installed: the expert exists without a menu item.
  TPackageLoader loader({TestPackage("a")}, TPackageLoader::StandardSearchFolders());
  EXPECT_EQ(loader.Load(), 1);
  EXPECT_EQ(loader.GetPackages()[0].Experts.size(), 1u);
}

TEST_F(PackageLoaderTest, ExpertsCanOnlyBeRegisteredWhileAPackageRegisters) {
  MainWindow();
  TPackageLoader loader({TestPackage("a")}, TPackageLoader::StandardSearchFolders());
  loader.Load();
  struct TStrayExpert : TIExpert {
    std::string GetName() override { return "Stray"; }
    TExpertStyle GetStyle() override { return esAddIn; }
    TExpertState GetState() override { return {}; }
    std::string GetIDString() override { return "Stray"; }
    std::string GetMenuText() override { return ""; }
    void Execute() override {}
  };
  EXPECT_THROW(RegisterLibraryExpert(new TStrayExpert), EInvalidOperation);
}

TEST_F(PackageLoaderTest, MissingPackagesAndEntryPointsAreReportedAndTheRestLoads) {
  MainWindow();
  TPackageInfo missing{"missing", "libno_such_package.so", "Register", "Describe"};
  TPackageInfo noEntry = TestPackage("b");
  noEntry.Id = "noentry";
  noEntry.RegisterSymbol = "NoSuchEntryPoint";
  TPackageLoader loader({missing, noEntry, TestPackage("a")},
                        TPackageLoader::StandardSearchFolders());
  EXPECT_EQ(loader.Load(), 1);
  const auto errors = loader.Errors();
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "missing: cannot find libno_such_package.so");
  EXPECT_NE(errors[1].find("noentry: "), std::string::npos);
  EXPECT_NE(errors[1].find("has no entry point NoSuchEntryPoint"), std::string::npos);
  // The library without an entry point was closed again at once.
  EXPECT_THAT(PackageLog(), ElementsAre("start b", "stop b", "start a", "register a"));
}

TEST_F(PackageLoaderTest, FailedRegistrationKeepsWhatWasRegistered) {
  MainWindow();
  FailNextRegistration() = true;
  TPackageLoader loader({TestPackage("a"), TestPackage("b")},
                        TPackageLoader::StandardSearchFolders());
  EXPECT_EQ(loader.Load(), 2);
  ASSERT_EQ(loader.Errors().size(), 1u);
  EXPECT_EQ(loader.Errors()[0], "a: registration failed: package a refuses to register");
  // The expert handed over before the failure is the IDE's, and is released at unload.
  EXPECT_EQ(loader.GetPackages()[0].Experts.size(), 1u);
  loader.Unload();
  EXPECT_EQ(PackageLog().back(), "stop a");
  EXPECT_THAT(ToolsItemNames(), ElementsAre("ToolsFirstItem", "ToolsToolsItem"));
}

TEST_F(PackageLoaderTest, ServicesAnswerNullOnceTheMainWindowIsGone) {
  TForm* window = MainWindow();
  TInterfaceRef<TIMainMenuIntf> menu(Services->GetMainMenu());
  EXPECT_TRUE(menu);
  window->Free();
  EXPECT_EQ(Services->GetMainMenu(), nullptr);
}
}  // namespace
