#include <gtest/gtest.h>
#include <algorithm>

#include "FormDebug.h"
#include "FscopeTestSupport.h"
#include "IDEExpert.h"
#include "controls/DataModule.h"
#include "controls/ImageList.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/Splitter.h"
#include "controls/TabControl.h"
#include "controls/TreeView.h"
#include "core/StringList.h"
#include "designintf/PropertyEditor.h"
#include "oinspect/ObjectInspector.h"

using namespace FscopeTest;

namespace {

// The IDE with the add-in installed and two more forms of its own: "Designer" (visible, with a
// panel that owns a button of its own, a label, and an unnamed timer-like component that owns
// a named one) and "Hidden" (not shown), and a data module.
class FormDebugTest : public ::testing::Test, public THost {
 protected:
  void SetUp() override {
    Designer = NewForm(60, 120, 300, 200);
    Designer->SetName("Designer");
    Panel = New<TPanel>(Designer, 8, 8, 200, 100, "Panel");
    Nested = new TButton(Panel);
    Nested->SetName("NestedButton");
    Nested->SetParent(Panel);
    Label = New<TLabel>(Designer, 8, 120, 80, 16, "ALabel");
    auto* unnamed = new TComponent(Designer);
    Orphan = new TComponent(unnamed);
    Orphan->SetName("Orphan");
    Hidden = NewForm(10, 10, 100, 100, false);
    Hidden->SetName("Hidden");
    Store = new TDataModule(Application);
    Store->SetName("Store");
    InstallPackage();
  }

  // Opens the window from the IDE's menu with the Designer form active.
  TFormDebug* Open() {
    Designer->Show();
    Driver.ProcessMessages();
    ChooseFormscope();
    EXPECT_NE(FormDebug, nullptr);
    return FormDebug;
  }

  TTreeNode* Node(TFormDebug* window, TComponent* component) { return window->FindNode(component); }

  TForm* Designer = nullptr;
  TPanel* Panel = nullptr;
  TButton* Nested = nullptr;
  TLabel* Label = nullptr;
  TComponent* Orphan = nullptr;
  TForm* Hidden = nullptr;
  TDataModule* Store = nullptr;
};

TEST_F(FormDebugTest, TheStoredLayoutHoldsEveryControlAndValue) {
  TFormDebug* w = Open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->GetName(), "FormDebug");
  EXPECT_EQ(w->GetCaption(), "Formscope  V1.0");
  EXPECT_EQ(w->GetWidth(), 544);
  EXPECT_EQ(w->GetHeight(), 414);
  EXPECT_EQ(w->GetPosition(), poScreenCenter);
  EXPECT_EQ(w->GetFont()->GetName(), "Arial");
  EXPECT_EQ(w->GetFont()->GetHeight(), -14);
  EXPECT_FALSE(w->GetScaled());  // stored at 120 pixels per inch, shown unscaled
  EXPECT_EQ(w->GetBoundsRect(), (TRect{48, 33, 592, 447}));  // centred on the 640 x 480 screen

  ASSERT_NE(w->Panel1, nullptr);
  EXPECT_EQ(w->Panel1->GetAlign(), alTop);
  EXPECT_EQ(w->Panel1->GetHeight(), 32);
  struct TButtonRow {
    TSpeedButton* Button;
    int Left;
    const char* Hint;
  };
  for (const TButtonRow& row : {TButtonRow{w->SpeedButton1, 5, "Refresh"},
                                TButtonRow{w->SpeedButton2, 30, "Inspector Style"},
                                TButtonRow{w->UseGroups, 55, "Categorized View"}}) {
    ASSERT_NE(row.Button, nullptr) << row.Hint;
    EXPECT_EQ(row.Button->GetParent(), w->Panel1);
    EXPECT_EQ(row.Button->GetBoundsRect(), (TRect{row.Left, 4, row.Left + 25, 29})) << row.Hint;
    EXPECT_TRUE(row.Button->GetFlat());
    EXPECT_EQ(row.Button->GetHint(), row.Hint);
    EXPECT_TRUE(row.Button->GetShowHint());
    EXPECT_EQ(row.Button->GetNumGlyphs(), 2);
    EXPECT_EQ(row.Button->GetGlyph()->GetWidth(), 32) << row.Hint;
  }
  EXPECT_EQ(w->UseGroups->GetGroupIndex(), 1);
  EXPECT_TRUE(w->UseGroups->GetAllowAllUp());
  EXPECT_TRUE(w->UseGroups->GetDown());

  EXPECT_EQ(w->PageControl1->GetAlign(), alClient);
  EXPECT_EQ(w->PageControl1->GetFont()->GetHeight(), -12);
  EXPECT_EQ(w->PageControl1->GetPageCount(), 1);
  EXPECT_EQ(w->PageControl1->GetActivePage(), w->TabSheet1);
  EXPECT_EQ(w->TabSheet1->GetCaption(), "Inspector");

  EXPECT_EQ(w->TreeView1->GetParent(), w->TabSheet1);
  EXPECT_EQ(w->TreeView1->GetAlign(), alLeft);
  EXPECT_EQ(w->TreeView1->GetWidth(), 251);
  EXPECT_TRUE(w->TreeView1->GetReadOnly());
  EXPECT_EQ(w->TreeView1->GetIndent(), 19);
  EXPECT_EQ(w->TreeView1->GetSortType(), stText);
  EXPECT_EQ(w->TreeView1->GetImages(), w->ImageList1);
  EXPECT_EQ(w->Splitter1->GetWidth(), 4);
  EXPECT_EQ(w->Splitter1->GetCursor(), crHSplit);
  EXPECT_EQ(w->Splitter1->GetLeft(), 251);
  EXPECT_EQ(w->TabControl1->GetAlign(), alClient);
  EXPECT_EQ(w->TabControl1->GetTabs()->GetText(), "Properties\nEvents\n");
  EXPECT_EQ(w->TabControl1->GetTabIndex(), 0);
  EXPECT_TRUE(w->ImageList1->GetShareImages());
  EXPECT_EQ(w->ImageList1->GetCount(), 2);
  EXPECT_EQ(w->ImageList1->GetWidth(), 16);

  TObjectInspector* list = w->PropertyList;
  EXPECT_EQ(list->GetParent(), w->TabControl1);
  EXPECT_EQ(list->GetAlign(), alClient);
  EXPECT_EQ(list->GetFilter().Bits(), 0x7EFFu);
  EXPECT_EQ(list->GetExpandMode(), Default);
  EXPECT_EQ(list->GetOptions(),
            (TOIOptions{oiHorzLine, oiVertLine, oiSunkenEditor, oiVertLine3D, oiUseGroups}));
  EXPECT_EQ(list->GetOtherGroupName(), "Other");
  EXPECT_EQ(list->GetGroupFont()->GetName(), "Arial");
  EXPECT_EQ(list->GetGroupFont()->GetHeight(), -12);
  EXPECT_EQ(list->GetGroupFont()->GetStyle(), TFontStyles{fsBold});
  EXPECT_EQ(list->GetColors()->GetBackColor(), clBtnFace);
  EXPECT_EQ(list->GetColors()->GetCol0Color(), clBlack);
  EXPECT_EQ(list->GetColors()->GetCol1Color(), clNavy);
  EXPECT_EQ(list->GetColors()->GetVertLineColor(), clGray);
  EXPECT_EQ(list->GetColors()->GetHorzLineColor(), clGray);
  EXPECT_EQ(list->GetColors()->GetHighlightColor(), clBlack);
  EXPECT_EQ(list->GetColors()->GetHighlightBkgnd(), clBtnFace);
  EXPECT_EQ(list->GetFixedColWidth(), 109);
  EXPECT_FALSE(list->GetReadOnly());
  EXPECT_EQ(list->GetStyle(), isDelphi);
  EXPECT_EQ(list->GetLineStyle(), DottedLine);

  // The aliases text, line by line, with the translated names in UTF-8.
  const std::string aliases =
      "[Behavior]\nTabOrder \nTabStop\nDragCursor\nDragMode\nCancel\nDefault\nEnabled\nVisible\n"
      "GroupIndex\nImeMode\nImeName\n\n"
      "[List]\nIntegralHeight\nItemHeight\nItems\nMultiSelect\n\n\n"
      "[Font]\nFont=\u0428\u0440\u0438\u0444\u0442,AlwaysExpand\nParentFont\n\n"
      "[Misc]\nName=\u0418\u043c\u044f\nPopupMenu\nHelpContext\nTag\nFocusControl\n\n"
      "[Hint]\nParentShowHint\nShowHint\nHint\n\n"
      "[Position]\nHeight\nTop\nLeft\nWidth="
      "\u0428\u0438\u0440\u0438\u043d\u0430\nAutosize\nAlign\n\n"
      "[Data]\nDataSource\nDataSet\nDataField\n\n"
      "[Appearance]\nColor\nCaption\nCursor\nAlignment\nParentColor\nTransparent\nWordWrap\nFlat\n"
      "Glyph\nCtl3d\n\n";
  EXPECT_EQ(list->GetAliases()->GetText(), aliases);
  EXPECT_EQ(list->GetGroupName(list->GetOtherGroupIndex()), "Other");
  EXPECT_EQ(list->GetGroupCount(), 9);
}

TEST_F(FormDebugTest, TheTreeListsTheVisibleFormsWithWhatTheyOwnButNeverItself) {
  TFormDebug* w = Open();
  ASSERT_NE(w, nullptr);
  // Alphabetical at each level; no hidden form, no data module, not the window itself.
  EXPECT_EQ(Texts(nullptr, w), (std::vector<std::string>{"Designer", "IdeMain"}));
  TTreeNode* designer = Node(w, Designer);
  ASSERT_NE(designer, nullptr);
  // The tree follows ownership: the nested button sits under the panel that owns it, and a
  // component without a name leaves its own components to its owner's node.
  EXPECT_EQ(Texts(designer, w), (std::vector<std::string>{"ALabel", "Orphan", "Panel"}));
  EXPECT_EQ(Texts(Node(w, Panel), w), std::vector<std::string>{"NestedButton"});
  EXPECT_EQ(Node(w, Hidden), nullptr);
  EXPECT_EQ(Node(w, Store), nullptr);
  EXPECT_EQ(Node(w, w), nullptr);
  // Each node refers to its component; forms keep picture 0, components have picture 1.
  EXPECT_EQ(designer->GetData(), Designer);
  EXPECT_EQ(designer->GetImageIndex(), 0);
  TTreeNode* label = Node(w, Label);
  EXPECT_EQ(label->GetImageIndex(), 1);
  EXPECT_EQ(label->GetSelectedIndex(), 1);
  EXPECT_EQ(label->GetStateIndex(), 1);
  // The active form's node is chosen and inspected.
  EXPECT_EQ(w->TreeView1->GetSelected(), designer);
  EXPECT_EQ(w->PropertyList->GetControl(), Designer);

  // Choosing another node inspects its component; no node inspects nothing.
  w->TreeView1->Select(Node(w, Nested));
  EXPECT_EQ(w->PropertyList->GetControl(), Nested);
  EXPECT_FALSE(w->PropertyList->IsEmpty());
  w->TreeView1->Select(nullptr);
  EXPECT_EQ(w->PropertyList->GetControl(), nullptr);
}

TEST_F(FormDebugTest, RefreshFollowsFormsShownAndHiddenMeanwhile) {
  TFormDebug* w = Open();
  ASSERT_NE(w, nullptr);
  w->TreeView1->Select(Node(w, Label));
  Hidden->Show();
  Designer->Hide();
  Driver.ProcessMessages();
  w->Show();  // the window is active while its Refresh button is clicked
  Driver.ProcessMessages();
  ClickAt(w->SpeedButton1);
  EXPECT_EQ(Texts(nullptr, w), (std::vector<std::string>{"Hidden", "IdeMain"}));
  EXPECT_EQ(Node(w, Label), nullptr);
  // The label's form is gone from the tree, so nothing is chosen or inspected.
  EXPECT_EQ(w->TreeView1->GetSelected(), nullptr);
  EXPECT_EQ(w->PropertyList->GetControl(), nullptr);

  // With this window active, the component inspected before stays chosen.
  w->TreeView1->Select(Node(w, Hidden));
  ClickAt(w->SpeedButton1);
  EXPECT_EQ(w->TreeView1->GetSelected(), Node(w, Hidden));
  EXPECT_EQ(w->PropertyList->GetControl(), Hidden);
}

TEST_F(FormDebugTest, TwoClicksMakeOneWindowAndClosingFreesIt) {
  TFormDebug* first = Open();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->GetVisible());
  EXPECT_EQ(first->GetOwner(), Application);
  first->TreeView1->Select(Node(first, Label));
  first->Hide();
  Hidden->Show();  // not in the first window's snapshot
  Driver.ProcessMessages();
  ChooseFormscope();
  EXPECT_EQ(FormDebug, first);
  EXPECT_EQ(FormscopeWindows().size(), 1u);
  EXPECT_TRUE(first->GetVisible());
  // Only shown again: the tree is the old snapshot, with the old choice.
  EXPECT_EQ(Node(first, Hidden), nullptr);
  EXPECT_EQ(first->PropertyList->GetControl(), Label);

  first->Close();
  EXPECT_EQ(FormDebug, nullptr);
  Driver.ProcessMessages();
  EXPECT_TRUE(FormscopeWindows().empty());

  ChooseFormscope();
  ASSERT_NE(FormDebug, nullptr);
  EXPECT_EQ(FormscopeWindows().size(), 1u);
  EXPECT_NE(Node(FormDebug, Hidden), nullptr);  // a fresh tree
}

TEST_F(FormDebugTest, TheWindowGoesWithTheExpertOrWithApplication) {
  ASSERT_NE(Open(), nullptr);
  UnloadPackage();
  EXPECT_EQ(FormDebug, nullptr);
  Driver.ProcessMessages();
  EXPECT_TRUE(FormscopeWindows().empty());

  // Freed by someone else (Application at shut-down), the window does not linger in the
  // variable, and the expert's destruction later does not free it twice.
  InstallPackage();
  ASSERT_NE(Open(), nullptr);
  FormDebug->Free();
  EXPECT_EQ(FormDebug, nullptr);
  UnloadPackage();
  EXPECT_TRUE(FormscopeWindows().empty());
}

TEST_F(FormDebugTest, TabsSwitchBetweenPropertiesAndReadOnlyEvents) {
  TFormDebug* w = Open();
  ASSERT_NE(w, nullptr);
  w->TreeView1->Select(Node(w, Nested));
  const auto rowNames = [w] {
    std::vector<std::string> names;
    for (int i = 0; i < w->PropertyList->GetInfoRecCount(); ++i)
      if (w->PropertyList->GetInfoRec(i)->PropEdit)
        names.push_back(w->PropertyList->GetInfoRec(i)->PropEdit->GetName());
    return names;
  };
  const auto has = [](const std::vector<std::string>& names, const char* name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  // Ungrouped, so that every row of the selection is listed.
  ClickAt(w->UseGroups);
  EXPECT_TRUE(has(rowNames(), "Caption"));
  EXPECT_FALSE(has(rowNames(), "OnClick"));

  const TRect eventsTab = w->TabControl1->TabRect(1);
  ClickAt(w->TabControl1, (eventsTab.Left + eventsTab.Right) / 2,
          (eventsTab.Top + eventsTab.Bottom) / 2);
  EXPECT_EQ(w->TabControl1->GetTabIndex(), 1);
  EXPECT_EQ(w->PropertyList->GetFilter().Bits(), 0x0100u);
  EXPECT_TRUE(w->PropertyList->GetReadOnly());
  const std::vector<std::string> events = rowNames();
  ASSERT_FALSE(events.empty());
  for (const std::string& name : events)
    EXPECT_EQ(name.substr(0, 2), "On") << name;

  w->TabControl1->SetTabIndex(0);
  w->TabControl1Change(w->TabControl1);
  EXPECT_EQ(w->PropertyList->GetFilter().Bits(), 0xFEFFu);
  EXPECT_FALSE(w->PropertyList->GetReadOnly());
  EXPECT_TRUE(has(rowNames(), "Caption"));
  EXPECT_FALSE(has(rowNames(), "OnClick"));
}

TEST_F(FormDebugTest, TheStyleButtonTogglesOnlyBetweenTheTwoLooks) {
  TFormDebug* w = Open();
  ASSERT_NE(w, nullptr);
  ClickAt(w->SpeedButton2);
  EXPECT_EQ(w->PropertyList->GetStyle(), isVB);
  ClickAt(w->SpeedButton2);
  EXPECT_EQ(w->PropertyList->GetStyle(), isDelphi);
  w->PropertyList->SetStyle(isCustom);
  ClickAt(w->SpeedButton2);
  EXPECT_EQ(w->PropertyList->GetStyle(), isVB);
}

TEST_F(FormDebugTest, CategorizedViewTogglesOnlyTheGroupOption) {
  TFormDebug* w = Open();
  ASSERT_NE(w, nullptr);
  w->TreeView1->Select(Node(w, Nested));
  const TOIOptions grouped = w->PropertyList->GetOptions();
  ASSERT_TRUE(grouped.Contains(oiUseGroups));
  const auto headers = [w] {
    int count = 0;
    for (int i = 0; i < w->PropertyList->GetInfoRecCount(); ++i)
      count += w->PropertyList->GetInfoRec(i)->IsGroup ? 1 : 0;
    return count;
  };
  EXPECT_GT(headers(), 0);
  ClickAt(w->UseGroups);
  EXPECT_FALSE(w->UseGroups->GetDown());
  EXPECT_EQ(w->PropertyList->GetOptions(), grouped - TOIOptions{oiUseGroups});
  EXPECT_EQ(headers(), 0);
  ClickAt(w->UseGroups);
  EXPECT_TRUE(w->UseGroups->GetDown());
  EXPECT_EQ(w->PropertyList->GetOptions(), grouped);
  EXPECT_GT(headers(), 0);
}

TEST_F(FormDebugTest, AComponentDestroyedBeforeRefreshLeavesTheTreeAtOnce) {
  TFormDebug* w = Open();
  ASSERT_NE(w, nullptr);
  w->TreeView1->Select(Node(w, Nested));
  ASSERT_EQ(w->PropertyList->GetControl(), Nested);

  // The panel goes with the button it owns: both nodes leave, the choice moves on to a living
  // sibling, and the inspector shows that one.
  Panel->Free();
  Driver.ProcessMessages();
  EXPECT_EQ(Texts(Node(w, Designer), w), (std::vector<std::string>{"ALabel", "Orphan"}));
  TTreeNode* chosen = w->TreeView1->GetSelected();
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(w->PropertyList->GetControl(), chosen->GetData());
  w->PropertyList->Repaint();

  // A whole form with the chosen node: every node of it leaves.
  w->TreeView1->Select(Node(w, Label));
  Designer->Free();
  Designer = nullptr;
  Driver.ProcessMessages();
  EXPECT_EQ(Texts(nullptr, w), std::vector<std::string>{"IdeMain"});
  for (int i = 0; i < w->TreeView1->GetItems()->GetCount(); ++i)
    EXPECT_NE(w->TreeView1->GetItems()->GetItem(i)->GetData(), nullptr);
  w->PropertyList->Repaint();
  ClickAt(w->SpeedButton1);
  EXPECT_EQ(Texts(nullptr, w), std::vector<std::string>{"IdeMain"});

  // A component unlisted by a refresh is no longer watched: freeing it later is harmless.
  Hidden->Show();
  w->Show();  // in front of the form that now shows over its tool bar
  ClickAt(w->SpeedButton1);
  ASSERT_NE(Node(w, Hidden), nullptr);
  Hidden->Hide();
  ClickAt(w->SpeedButton1);
  Hidden->Free();
  Hidden = nullptr;
  EXPECT_EQ(Texts(nullptr, w), std::vector<std::string>{"IdeMain"});
}

}  // namespace
