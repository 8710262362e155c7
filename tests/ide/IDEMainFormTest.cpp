#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>

#include "ControlTestSupport.h"
#include "FormFileOpener.h"
#include "IDEDesigner.h"
#include "IDEMainForm.h"
#include "InspectorForm.h"
#include "MessagesForm.h"
#include "PackageLoader.h"
#include "PaletteView.h"
#include "SampleForm.h"
#include "controls/Edit.h"
#include "controls/Menus.h"
#include "controls/SpeedButton.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentPalette.h"
#include "oinspect/ObjectInspector.h"
#include "toolsapi/ToolIntf.h"

namespace {
using ::testing::ElementsAre;

class IDEMainFormTest : public ::testing::Test {
 protected:
  IDEMainFormTest() {
    IDE = new TIDEMainForm(Application);
    IDE->Show();
    Fixture.Driver.ProcessMessages();
  }
  ~IDEMainFormTest() override { IDE->Shutdown(); }

  TMenuItem* Item(const char* name) { return dynamic_cast<TMenuItem*>(IDE->FindComponent(name)); }

  // The names of the Tools menu's items, in order.
  std::vector<std::string> ToolsItems() {
    std::vector<std::string> names;
    TMenuItem* tools = Item("ToolsMenu");
    for (int i = 0; i < tools->GetCount(); ++i)
      names.push_back(tools->GetItem(i)->GetName());
    return names;
  }

  ControlTest::TFixture Fixture;
  TIDEMainForm* IDE;
};

TEST_F(IDEMainFormTest, HasTheMenusAnIDEOffersWithToolsToolsItemInTools) {
  std::vector<std::string> bar;
  for (int i = 0; i < IDE->GetMenu()->GetItems()->GetCount(); ++i)
    bar.push_back(IDE->GetMenu()->GetItems()->GetItem(i)->GetCaption());
  EXPECT_THAT(bar, ElementsAre("&File", "&Edit", "&View", "&Tools", "&Help"));
  ASSERT_NE(Item("ToolsToolsItem"), nullptr);
  EXPECT_EQ(Item("ToolsToolsItem")->GetParent(), Item("ToolsMenu"));
  EXPECT_NE(Item("FileOpenItem"), nullptr);
  EXPECT_NE(Item("FileExitItem"), nullptr);
  EXPECT_NE(Item("HelpAboutItem"), nullptr);
}

TEST_F(IDEMainFormTest, LoadsTheRealPackagesAndShowsTheirPalettePages) {
  const int loaded = IDE->LoadPackages(std::make_unique<TPackageLoader>(
      TPackageLoader::StandardPackages(), TPackageLoader::StandardSearchFolders()));
  const auto& packages = IDE->GetPackageLoader()->GetPackages();
  ASSERT_EQ(packages.size(), 2u);
  EXPECT_EQ(packages[0].Info.Id, "inspect");
  ASSERT_NE(packages[0].Handle, nullptr) << packages[0].Error;
  EXPECT_EQ(packages[0].Description, "Vellmark object inspector and editor controls");
  EXPECT_EQ(ToolServices() != nullptr, true);
  // The palette shows the package's page with the inspector on it.
  const TPalettePage* page = FindPalettePage(TObjectInspector::StaticClass());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Name, "Vellmark");
  TStrings* tabs = IDE->GetPalette()->GetTabs();
  bool shown = false;
  for (int i = 0; i < tabs->GetCount(); ++i)
    shown = shown || tabs->Get(i) == "Vellmark";
  EXPECT_TRUE(shown);

  const TLoadedPackage& fscope = packages[1];
  if (fscope.Handle && fscope.Error.empty()) {
    // The add-in put its command directly above the IDE's own item.
    EXPECT_EQ(loaded, 2);
    EXPECT_EQ(fscope.Description, "Formscope");
    ASSERT_EQ(fscope.Experts.size(), 1u);
    const auto items = ToolsItems();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2], "FormscopeItem");
    EXPECT_EQ(items.back(), "ToolsToolsItem");
  } else {
    // Without the add-in built, the IDE names what is missing.
    EXPECT_EQ(loaded, 1);
    ASSERT_FALSE(IDE->GetMessagesForm()->GetLines().empty());
    EXPECT_EQ(IDE->GetMessagesForm()->GetLines()[0].rfind("fscope: ", 0), 0u);
  }
  IDE->Shutdown();
  EXPECT_EQ(ToolServices(), nullptr);
  EXPECT_THAT(ToolsItems(), ElementsAre("ToolsToolsItem"));
}

TEST_F(IDEMainFormTest, WithoutToolsToolsItemThePackagesLoadAndNoItemIsAdded) {
  Item("ToolsToolsItem")->Free();
  IDE->LoadPackages(std::make_unique<TPackageLoader>(TPackageLoader::StandardPackages(),
                                                     TPackageLoader::StandardSearchFolders()));
  for (const TLoadedPackage& package : IDE->GetPackageLoader()->GetPackages())
    EXPECT_NE(package.Handle, nullptr) << package.Info.Id << ": " << package.Error;
  EXPECT_TRUE(IDE->GetPackageLoader()->Errors().empty());
  EXPECT_EQ(Item("ToolsMenu")->GetCount(), 0);
  IDE->Shutdown();
  EXPECT_EQ(IDE->GetPackageLoader()->GetPackages()[1].Handle, nullptr);
}

TEST_F(IDEMainFormTest, InspectorFollowsTheDesignersSelectionThroughThatDesigner) {
  TIDEDesigner* designer = IDE->OpenFormData(SampleFormText(), "sample");
  ASSERT_NE(designer, nullptr);
  TCustomForm* form = designer->GetDesignedForm();
  TObjectInspector* inspector = IDE->GetInspectorForm()->GetInspector();
  // A new form starts with itself selected.
  EXPECT_EQ(inspector->GetControl(), form);
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent("NameEdit"));
  ASSERT_NE(edit, nullptr);
  Fixture.ClickAt(edit);
  EXPECT_EQ(inspector->GetControl(), edit);
  // Property editors and the inspector's changes go to the IDE's designer, which counts them.
  EXPECT_EQ(inspector->GetCurrentDesigner(), designer);
  EXPECT_EQ(IDE->GetActiveDesigner(), designer);

  IDE->EditSelectAllClick(nullptr);
  EXPECT_EQ(inspector->GetComponents()->GetCount(), form->GetComponentCount());
  IDE->EditDeleteClick(nullptr);
  EXPECT_EQ(form->GetComponentCount(), 0);
  EXPECT_EQ(inspector->GetControl(), nullptr);
  EXPECT_EQ(designer->GetModifiedCount(), 1);
}

TEST_F(IDEMainFormTest, ListsWhatAStrangersFormFileSkipped) {
  TIDEDesigner* designer = IDE->OpenFormFile(std::string(VM_IDE_TEST_DATA) + "/StrangerForm.txt");
  ASSERT_NE(designer, nullptr);
  EXPECT_EQ(designer->GetDesignedForm()->GetName(), "CustomerDlg");
  EXPECT_TRUE(IDE->GetMessagesForm()->GetVisible());
  const auto lines = IDE->GetMessagesForm()->GetLines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_NE(lines[0].find("item(s) this IDE does not know were skipped"), std::string::npos);
  bool namesQuery = false;
  for (const std::string& line : lines)
    namesQuery = namesQuery || line.find("CustomerQuery") != std::string::npos;
  EXPECT_TRUE(namesQuery);

  EXPECT_EQ(IDE->OpenFormFile("/no/such/file.dfm"), nullptr);
  EXPECT_EQ(IDE->GetMessagesForm()->GetLines().back(), "Cannot open /no/such/file.dfm");
  EXPECT_EQ(IDE->GetDesigners().size(), 1u);
}

TEST_F(IDEMainFormTest, PaletteChoicePlacesAComponentOnTheDesignedForm) {
  TIDEDesigner* designer = IDE->NewForm();
  TCustomForm* form = designer->GetDesignedForm();
  TPaletteView* palette = IDE->GetPalette();
  ASSERT_FALSE(palette->GetButtons().empty());
  TSpeedButton* first = palette->GetButtons().front();
  Fixture.ClickAt(first);
  ASSERT_NE(palette->GetChosenClass(), nullptr);
  const std::string className = palette->GetChosenClass()->ClassName();
  Fixture.ClickAt(form, 40, 40);
  ASSERT_EQ(form->GetComponentCount(), 1);
  EXPECT_EQ(form->GetComponent(0)->ClassName(), className);
  EXPECT_EQ(palette->GetChosenClass(), nullptr);
  EXPECT_EQ(IDE->GetInspectorForm()->GetInspector()->GetControl(), form->GetComponent(0));
}
}  // namespace
