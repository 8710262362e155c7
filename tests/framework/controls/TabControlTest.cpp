#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/PageControl.h"
#include "controls/TabControl.h"
#include "core/Strings.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace ControlTest;

namespace {
class TTabLog : public TEventLog {
  DECLARE_CLASS(TTabLog, TEventLog);

 public:
  void Changing(TObject* sender, bool& allow) {
    auto* tabs = static_cast<TCustomTabControl*>(sender);
    Lines.push_back("Changing from " + std::to_string(tabs->GetTabIndex()));
    allow = !Refuse;
  }
  void Change(TObject* sender) {
    Lines.push_back("Change to " +
                    std::to_string(static_cast<TCustomTabControl*>(sender)->GetTabIndex()));
  }
  bool Refuse = false;
};
IMPLEMENT_CLASS(TTabLog) {}

class TabControlTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 360, 260);
    Form->SetName("Form");
    Tabs = New<TTabControl>(Form, 10, 10, 300, 200, "Tabs");
    Tabs->GetTabs()->Add("Properties");
    Tabs->GetTabs()->Add("Events");
    Tabs->GetTabs()->Add("&More");
    Events = new TTabLog();
    Tabs->SetOnChange(MakeMethod<&TTabLog::Change>(Events));
    Tabs->SetOnChanging(MakeMethod<&TTabLog::Changing>(Events));
    Driver.ProcessMessages();
  }
  void TearDown() override { Events->Free(); }
  void ClickTab(TCustomTabControl* control, int index) {
    const TRect rect = control->TabRect(index);
    ASSERT_FALSE(rect.IsEmpty());
    ClickAt(control, (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
  }
  TForm* Form = nullptr;
  TTabControl* Tabs = nullptr;
  TTabLog* Events = nullptr;
};
}  // namespace

TEST_F(TabControlTest, ClickingATabAsksOnChangingAndMayBeRefused) {
  EXPECT_EQ(Tabs->GetTabIndex(), -1);
  ClickTab(Tabs, 1);
  EXPECT_EQ(Tabs->GetTabIndex(), 1);
  EXPECT_TRUE(Tabs->Focused());
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Changing from -1", "Change to 1"}));
  Events->Refuse = true;
  ClickTab(Tabs, 0);
  EXPECT_EQ(Tabs->GetTabIndex(), 1);
  EXPECT_EQ(Events->Lines.back(), "Changing from 1");
  Events->Refuse = false;
  // The selected tab clicked again: nothing; from code: no events.
  Events->Lines.clear();
  ClickTab(Tabs, 1);
  Tabs->SetTabIndex(2);
  EXPECT_EQ(Tabs->GetTabIndex(), 2);
  EXPECT_TRUE(Events->Lines.empty());
  // Out of range from code is refused by name.
  try {
    Tabs->SetTabIndex(3);
    ADD_FAILURE();
  } catch (const EListError& error) {
    EXPECT_NE(error.GetMessage().find("(3)"), std::string::npos);
  }
  EXPECT_THROW(Tabs->SetTabIndex(-2), EListError);
  // Fewer tabs: the index follows.
  Tabs->GetTabs()->Delete(2);
  EXPECT_EQ(Tabs->GetTabIndex(), 1);
}

TEST_F(TabControlTest, KeysSelectTabsAndCtrlTabWorksFromInside) {
  auto* inside = New<TButton>(Tabs, 20, 40, 75, 25, "Inside");
  ClickTab(Tabs, 0);
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(Tabs->GetTabIndex(), 1);
  Driver.PressKey(VK_LEFT);
  Driver.PressKey(VK_LEFT);
  EXPECT_EQ(Tabs->GetTabIndex(), 0);
  inside->SetFocus();
  Driver.PressKey(VK_TAB, false, true);
  EXPECT_EQ(Tabs->GetTabIndex(), 1);
  EXPECT_TRUE(inside->Focused());
  Driver.PressKey(VK_TAB, true, true);
  Driver.PressKey(VK_TAB, true, true);
  EXPECT_EQ(Tabs->GetTabIndex(), 2);  // wraps
  // Ctrl+Tab outside the tab control is no concern of it.
  auto* outside = New<TButton>(Form, 10, 220, 75, 25, "Outside");
  outside->SetFocus();
  Driver.PressKey(VK_TAB, false, true);
  EXPECT_EQ(Tabs->GetTabIndex(), 2);
  // Controls align inside the display area.
  inside->SetAlign(alClient);
  EXPECT_EQ(inside->GetBoundsRect(), Tabs->GetDisplayRect());
}

TEST_F(TabControlTest, TheSelectedTabIsRaisedAndJoinedToTheBody) {
  Tabs->SetTabIndex(1);
  Driver.ProcessMessages();
  const TRect selected = Tabs->TabRect(1);
  const TRect other = Tabs->TabRect(0);
  EXPECT_EQ(selected.Top, 0);
  EXPECT_EQ(other.Top, 2);
  EXPECT_EQ(other.Right, selected.Left + 2);  // it grows by two over its neighbours
  const TRect display = Tabs->GetDisplayRect();
  const int bodyTop = display.Top - 4;
  EXPECT_EQ(display.Left, 4);
  EXPECT_EQ(display.Bottom, Tabs->GetClientHeight() - 4);
  // The body's top edge is white, except under the selected tab.
  EXPECT_EQ(Pixel(Tabs, 3, bodyTop), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(Tabs, (selected.Left + selected.Right) / 2, bodyTop), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(Tabs, selected.Left, 5), Rgb(clBtnHighlight));              // left edge
  EXPECT_EQ(Pixel(Tabs, selected.Right - 1, 5), Rgb(cl3DDkShadow));           // right edge
  EXPECT_EQ(Pixel(Tabs, (other.Left + other.Right) / 2, 1), Rgb(clBtnFace));  // above a low tab
  EXPECT_EQ(Tabs->IndexOfTabAt(other.Left + 3, other.Top + 3), 0);
  EXPECT_EQ(Tabs->IndexOfTabAt(selected.Left + 1, 5), 1);  // the raised tab overlaps
  EXPECT_EQ(Tabs->IndexOfTabAt(250, 5), -1);
}

TEST_F(TabControlTest, TabsThatDoNotFitScrollWithArrows) {
  for (int i = 0; i < 12; ++i)
    Tabs->GetTabs()->Add("Tab number " + std::to_string(i));
  Driver.ProcessMessages();
  EXPECT_TRUE(Tabs->TabRect(14).IsEmpty());  // beyond the arrows
  Tabs->SetTabIndex(14);
  EXPECT_FALSE(Tabs->TabRect(14).IsEmpty());
  EXPECT_TRUE(Tabs->TabRect(0).IsEmpty());
  EXPECT_LE(Tabs->TabRect(14).Right, Tabs->GetClientWidth() - 32 + 2);
  // The left arrow brings the first tabs back, one per click.
  const int firstShown = [&] {
    for (int i = 0; i < 15; ++i)
      if (!Tabs->TabRect(i).IsEmpty()) return i;
    return -1;
  }();
  ASSERT_GT(firstShown, 0);
  ClickAt(Tabs, Tabs->GetClientWidth() - 24, 8);
  EXPECT_FALSE(Tabs->TabRect(firstShown - 1).IsEmpty());
  EXPECT_EQ(Tabs->GetTabIndex(), 14);  // scrolling selects nothing
  Tabs->SetFocus();
  Driver.PressKey(VK_TAB, false, true);
  EXPECT_EQ(Tabs->GetTabIndex(), 0);  // wraps, and shows it
  EXPECT_FALSE(Tabs->TabRect(0).IsEmpty());
}

namespace {
class PageControlTest : public TabControlTest {
 protected:
  void SetUp() override {
    TabControlTest::SetUp();
    Pages = New<TPageControl>(Form, 10, 10, 300, 200, "Pages");
    Tabs->Hide();
    for (const char* name : {"First", "Second", "Third"}) {
      auto* page = new TTabSheet(Form);
      page->SetName(name);
      page->SetCaption(name);
      page->SetPageControl(Pages);
      Sheets.push_back(page);
    }
    Pages->SetOnChange(MakeMethod<&TTabLog::Change>(Events));
    Pages->SetOnChanging(MakeMethod<&TTabLog::Changing>(Events));
    Driver.ProcessMessages();
  }
  TPageControl* Pages = nullptr;
  std::vector<TTabSheet*> Sheets;
};
}  // namespace

TEST_F(PageControlTest, OnePageShowsAtATimeAndTabsSelectThem) {
  EXPECT_EQ(Pages->GetPageCount(), 3);
  EXPECT_EQ(Pages->GetTabs()->GetCommaText(), "First,Second,Third");
  EXPECT_EQ(Pages->GetActivePage(), nullptr);
  Pages->SetActivePage(Sheets[0]);
  EXPECT_TRUE(Events->Lines.empty());  // from code: no events
  EXPECT_EQ(Pages->GetTabIndex(), 0);
  EXPECT_TRUE(Sheets[0]->GetVisible());
  EXPECT_EQ(Sheets[0]->GetBoundsRect(), Pages->GetDisplayRect());
  ClickTab(Pages, 2);
  EXPECT_EQ(Pages->GetActivePage(), Sheets[2]);
  EXPECT_FALSE(Sheets[0]->GetVisible());
  EXPECT_TRUE(Sheets[2]->GetVisible());
  EXPECT_EQ(Sheets[2]->GetBoundsRect(), Pages->GetDisplayRect());
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Changing from 0", "Change to 2"}));
  // A refused change keeps the page.
  Events->Refuse = true;
  ClickTab(Pages, 1);
  EXPECT_EQ(Pages->GetActivePage(), Sheets[2]);
  Events->Refuse = false;
  // A control on a page shows with it; the focus leaves a page that goes out of sight.
  auto* button = New<TButton>(Sheets[2], 10, 10, 75, 25, "OnThird");
  button->SetFocus();
  Pages->SetActivePageIndex(1);
  EXPECT_FALSE(button->Focused());
  EXPECT_FALSE(Sheets[2]->GetVisible());
  // A page's caption is its tab's; a page without a tab leaves the row.
  Sheets[1]->SetCaption("Renamed");
  Sheets[0]->SetTabVisible(false);
  EXPECT_EQ(Pages->GetTabs()->GetCommaText(), "Renamed,Third");
  EXPECT_EQ(Pages->GetTabIndex(), 0);
  EXPECT_EQ(Sheets[0]->GetTabIndex(), -1);
  EXPECT_EQ(Sheets[2]->GetTabIndex(), 1);
  // Ctrl+Tab goes round the pages with tabs.
  Pages->SetFocus();
  Driver.PressKey(VK_TAB, false, true);
  EXPECT_EQ(Pages->GetActivePage(), Sheets[2]);
  Driver.PressKey(VK_TAB, false, true);
  EXPECT_EQ(Pages->GetActivePage(), Sheets[1]);
}

TEST_F(PageControlTest, PagesMoveAndGoAndTheActiveOneHandsOn) {
  Pages->SetActivePage(Sheets[1]);
  Sheets[2]->SetPageIndex(0);
  EXPECT_EQ(Pages->GetPage(0), Sheets[2]);
  EXPECT_EQ(Sheets[1]->GetPageIndex(), 2);
  EXPECT_EQ(Pages->GetTabs()->GetCommaText(), "Third,First,Second");
  EXPECT_EQ(Pages->GetTabIndex(), 2);
  EXPECT_THROW(Sheets[0]->SetPageIndex(3), EListError);
  EXPECT_THROW(Pages->GetPage(-1), EListError);
  // The active page freed: the next (wrapping) takes over.
  Sheets[1]->Free();
  EXPECT_EQ(Pages->GetActivePage(), Sheets[2]);
  EXPECT_TRUE(Sheets[2]->GetVisible());
  EXPECT_EQ(Pages->GetPageCount(), 2);
  // A page moved to nothing leaves; another page control's page cannot be activated.
  Sheets[0]->SetPageControl(nullptr);
  EXPECT_EQ(Pages->GetPageCount(), 1);
  EXPECT_THROW(Pages->SetActivePage(Sheets[0]), EInvalidOperation);
  Sheets[0]->SetParent(Pages);
  EXPECT_EQ(Pages->GetPageCount(), 2);
  EXPECT_EQ(Pages->GetTabs()->GetCommaText(), "Third,First");
  // The page control freed first: its pages go with it.
  TControlRef<TTabSheet> alive(Sheets[0]);
  Pages->Free();
  EXPECT_FALSE(alive);
}

TEST_F(PageControlTest, PagesAndTheirControlsAreWrittenAndReadBack) {
  Pages->SetActivePage(Sheets[1]);
  Sheets[2]->SetTabVisible(false);
  New<TButton>(Sheets[1], 10, 10, 75, 25, "OnSecond")->SetCaption("Go");
  Tabs->SetTabIndex(1);
  Form->Hide();
  TWriter writer;
  writer.WriteRootComponent(Form);
  const std::string text = writer.GetText();
  EXPECT_NE(text.find("ActivePage = Second"), std::string::npos);
  EXPECT_NE(text.find("Tabs.Strings = ("), std::string::npos);
  // A page's visibility and bounds are the page control's to decide.
  const size_t first = text.find("object First: TTabSheet");
  ASSERT_NE(first, std::string::npos);
  const std::string firstBlock = text.substr(first, text.find("end", first) - first);
  EXPECT_EQ(firstBlock.find("Visible"), std::string::npos);
  EXPECT_EQ(firstBlock.find("Width"), std::string::npos);
  TReader reader(text);
  auto* copy = dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  auto* pages = dynamic_cast<TPageControl*>(copy->FindComponent("Pages"));
  auto* tabs = dynamic_cast<TTabControl*>(copy->FindComponent("Tabs"));
  ASSERT_TRUE(pages && tabs);
  ASSERT_EQ(pages->GetPageCount(), 3);
  EXPECT_EQ(pages->GetPage(0)->GetName(), "First");
  EXPECT_EQ(pages->GetActivePage()->GetName(), "Second");
  EXPECT_FALSE(pages->GetPage(2)->GetTabVisible());
  EXPECT_EQ(pages->GetTabs()->GetCommaText(), "First,Second");
  EXPECT_EQ(pages->GetTabIndex(), 1);
  EXPECT_TRUE(pages->GetPage(1)->GetVisible());
  EXPECT_FALSE(pages->GetPage(0)->GetVisible());
  EXPECT_EQ(copy->FindComponent("OnSecond")->GetParentComponent(), pages->GetPage(1));
  EXPECT_EQ(tabs->GetTabIndex(), 1);
  EXPECT_EQ(tabs->GetTabs()->GetCommaText(), "Properties,Events,&More");
  TWriter again;
  again.WriteRootComponent(copy);
  EXPECT_EQ(again.GetText(), text);
  copy->Free();
}
