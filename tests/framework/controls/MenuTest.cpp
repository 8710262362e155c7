#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/MenuBar.h"
#include "controls/MenuTracker.h"
#include "controls/MenuWindow.h"
#include "controls/Menus.h"
#include "winsys/VirtualKeys.h"

using namespace ControlTest;

namespace {
TPoint Centre(const TRect& rect) {
  return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

// A form with a menu bar: &File (&New Ctrl+N, &Open, -, &Recent >, E&xit), &Edit (&Undo),
// &Tools (&Options, Tools Item named ToolsToolsItem), and a button that has the focus.
class MenuTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(20, 20, 400, 300);
    Form->SetName("Form");
    Menu = new TMainMenu(Form);
    Menu->SetName("MainMenu");
    File = AddItem(Menu->GetItems(), "&File", "FileMenu");
    NewItem = AddItem(File, "&New", "FileNew");
    NewItem->SetShortCut(TextToShortCut("Ctrl+N"));
    AddItem(File, "&Open", "FileOpen");
    AddItem(File, "-", "FileLine");
    Recent = AddItem(File, "&Recent", "FileRecent");
    AddItem(Recent, "&One", "RecentOne");
    AddItem(Recent, "&Two", "RecentTwo");
    AddItem(File, "E&xit", "FileExit");
    Edit = AddItem(Menu->GetItems(), "&Edit", "EditMenu");
    AddItem(Edit, "&Undo", "EditUndo");
    Tools = AddItem(Menu->GetItems(), "&Tools", "ToolsMenu");
    AddItem(Tools, "&Options", "ToolsOptions");
    AddItem(Tools, "Tools Item", "ToolsToolsItem");
    ClientHeightWithoutBar = Form->GetClientHeight();
    Form->SetMenu(Menu);
    Button = New<TButton>(Form, 10, 10, 80, 24, "Button");
    Button->SetFocus();
    Driver.ProcessMessages();
  }

  TMenuItem* AddItem(TMenuItem* parent, const char* caption, const char* name) {
    auto* item = new TMenuItem(Form);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
    parent->Add(item);
    return item;
  }

  void ClickTitle(int index) {
    const std::vector<TRect> titles = MenuBar::ItemScreenRects(Form);
    ASSERT_LT(index, static_cast<int>(titles.size()));
    const TPoint p = Centre(titles[static_cast<size_t>(index)]);
    Driver.Click(p.X, p.Y);
  }
  // The open drop-down window of level, or null.
  static TMenuWindow* Level(int level) {
    TMenuTracker* tracker = TMenuTracker::GetActive();
    return tracker ? tracker->GetLevel(level) : nullptr;
  }
  TPoint Row(int level, int index) {
    TMenuWindow* window = Level(level);
    EXPECT_NE(window, nullptr);
    return window ? Centre(window->ItemScreenRect(index)) : TPoint{0, 0};
  }
  static std::string SelectedCaption(int level) {
    TMenuWindow* window = Level(level);
    TMenuItem* item = window ? window->GetSelectedItem() : nullptr;
    return item ? std::string(item->GetCaption()) : std::string();
  }

  TForm* Form = nullptr;
  TMainMenu* Menu = nullptr;
  TMenuItem* File = nullptr;
  TMenuItem* NewItem = nullptr;
  TMenuItem* Recent = nullptr;
  TMenuItem* Edit = nullptr;
  TMenuItem* Tools = nullptr;
  TButton* Button = nullptr;
  int ClientHeightWithoutBar = 0;
};
}  // namespace

TEST(ShortCutTextTest, TextAndShortCutsConvertBothWays) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', {ssCtrl})), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, {ssShift, ssCtrl})), "Shift+Ctrl+F5");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_BACK, {ssAlt})), "Alt+BkSp");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, {})), "Del");
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(TextToShortCut("ctrl+s"), ShortCut('S', {ssCtrl}));
  EXPECT_EQ(TextToShortCut("Alt+Shift+Ins"), ShortCut(VK_INSERT, {ssShift, ssAlt}));
  EXPECT_EQ(TextToShortCut("F12"), ShortCut(VK_F12, {}));
  // Text that names no key is no shortcut.
  for (const char* text : {"", "Ctrl+", "Ctrl+Ctrl+S", "Bogus", "Ctrl+Bogus", "#0", "#256"})
    EXPECT_EQ(TextToShortCut(text), scNone) << text;
  // Every key with every modifier reads back from its text.
  for (int key = 1; key < 256; ++key)
    for (uint16_t flags : {0, int(scShift), int(scCtrl | scAlt), int(scShift | scCtrl | scAlt)}) {
      const auto shortCut = static_cast<TShortCut>(key | flags);
      EXPECT_EQ(TextToShortCut(ShortCutToText(shortCut)), shortCut) << ShortCutToText(shortCut);
    }
  WORD key = 0;
  TShiftState shift;
  ShortCutToKey(TextToShortCut("Shift+Ctrl+A"), key, shift);
  EXPECT_EQ(key, 'A');
  EXPECT_TRUE(shift.Contains(ssShift) && shift.Contains(ssCtrl) && !shift.Contains(ssAlt));
}

TEST(MenuItemTreeTest, ItemsInsertMoveAndLeaveTheirParentsSafely) {
  auto* owner = new TComponent(nullptr);
  auto* menu = new TPopupMenu(owner);
  TMenuItem* top = menu->GetItems();
  auto* a = new TMenuItem(owner);
  a->SetCaption("&Alpha");
  auto* b = new TMenuItem(owner);
  b->SetCaption("Beta");
  auto* c = new TMenuItem(owner);
  c->SetCaption("Ga&mma");
  top->Add(a);
  top->Add(c);
  top->Insert(1, b);
  EXPECT_EQ(top->IndexOf(b), 1);
  EXPECT_EQ(top->IndexOf(c), 2);
  EXPECT_EQ(b->GetParent(), top);
  EXPECT_EQ(b->GetParentMenu(), menu);
  EXPECT_EQ(top->Find("alpha"), a);
  EXPECT_EQ(top->Find("gAmma"), c);
  EXPECT_EQ(top->Find("Delta"), nullptr);

  // Mistakes are refused by name and change nothing.
  EXPECT_THROW(top->Insert(5, new TMenuItem(owner)), EListError);
  EXPECT_THROW(top->Add(a), EMenuError);  // already in a menu
  auto* child = new TMenuItem(owner);
  a->Add(child);
  try {
    child->Add(a);
    ADD_FAILURE();
  } catch (const EMenuError&) {
  }
  EXPECT_THROW(top->GetItem(3), EListError);
  EXPECT_THROW(top->Remove(child), EMenuError);
  EXPECT_EQ(top->GetCount(), 3);

  c->SetMenuIndex(0);
  EXPECT_EQ(top->IndexOf(c), 0);
  top->Delete(0);
  EXPECT_EQ(c->GetParent(), nullptr);
  EXPECT_EQ(top->GetCount(), 2);
  top->Insert(0, c);  // a removed item goes back in

  // Freeing an item takes it out of its parent; its children go with it.
  a->Free();
  EXPECT_EQ(top->GetCount(), 2);
  EXPECT_EQ(top->IndexOf(b), 1);
  EXPECT_EQ(owner->FindComponent(""), nullptr);

  // Radio items of a group keep one checked; other groups are left alone.
  auto radio = [&](int group) {
    auto* item = new TMenuItem(owner);
    item->SetRadioItem(true);
    item->SetGroupIndex(group);
    top->Add(item);
    return item;
  };
  TMenuItem* r1 = radio(1);
  TMenuItem* r2 = radio(1);
  TMenuItem* r3 = radio(2);
  r1->SetChecked(true);
  r3->SetChecked(true);
  r2->SetChecked(true);
  EXPECT_FALSE(r1->GetChecked());
  EXPECT_TRUE(r2->GetChecked());
  EXPECT_TRUE(r3->GetChecked());
  EXPECT_THROW(r3->SetGroupIndex(256), EMenuError);
  owner->Free();  // frees the menu and the items in any order
}

TEST_F(MenuTest, TheBarTakesItsHeightFromTheClientAreaAndShowsTheTitles) {
  EXPECT_EQ(Form->GetClientHeight(), ClientHeightWithoutBar - MenuBar::Height());
  const std::vector<TRect> titles = MenuBar::ItemScreenRects(Form);
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[0].Bottom, Form->ClientToScreen({0, 0}).Y);
  // Some title text is drawn in the menu text colour on the menu colour.
  int dark = 0;
  for (int x = titles[0].Left; x < titles[0].Right; ++x)
    for (int y = titles[0].Top; y < titles[0].Bottom; ++y)
      dark += IsDark(Driver.ScreenPixel(x, y)) ? 1 : 0;
  EXPECT_GT(dark, 5);
  EXPECT_EQ(Driver.ScreenPixel(titles[2].Right + 20, titles[2].Top + 2), Rgb(clMenu));
  // Without a visible title the bar goes and the client area grows back.
  File->SetVisible(false);
  Edit->SetVisible(false);
  Tools->SetVisible(false);
  Driver.ProcessMessages();
  EXPECT_EQ(Form->GetClientHeight(), ClientHeightWithoutBar);
  Tools->SetVisible(true);
  Driver.ProcessMessages();
  EXPECT_EQ(Form->GetClientHeight(), ClientHeightWithoutBar - MenuBar::Height());
  Form->SetMenu(nullptr);
  EXPECT_EQ(Form->GetClientHeight(), ClientHeightWithoutBar);
}

TEST_F(MenuTest, TheMouseOpensTitlesFollowsTheBarAndSubmenusAndChoosesAnItem) {
  ClickTitle(0);
  ASSERT_NE(Level(0), nullptr);
  EXPECT_EQ(Level(0)->GetItem(), File);
  EXPECT_TRUE(IsWindowVisible(Level(0)->GetHandle()));
  // The drop-down hangs below its title.
  EXPECT_EQ(Level(0)->GetTop(), MenuBar::ItemScreenRects(Form)[0].Bottom);
  // Moving along the bar drops the other title's items.
  const TPoint edit = Centre(MenuBar::ItemScreenRects(Form)[1]);
  Driver.MoveTo(edit.X, edit.Y);
  ASSERT_NE(Level(0), nullptr);
  EXPECT_EQ(Level(0)->GetItem(), Edit);
  // Clicking the open title closes it; clicking again opens it.
  ClickTitle(1);
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  ClickTitle(0);
  ASSERT_NE(Level(0), nullptr);
  EXPECT_EQ(Level(0)->GetItem(), File);
  // Hovering a row selects it and highlights it; hovering a submenu row opens it.
  TPoint p = Row(0, 1);
  Driver.MoveTo(p.X, p.Y);
  EXPECT_EQ(SelectedCaption(0), "&Open");
  EXPECT_EQ(Driver.ScreenPixel(Level(0)->ItemScreenRect(1).Left + 2, p.Y), Rgb(clHighlight));
  p = Row(0, 3);
  Driver.MoveTo(p.X, p.Y);
  ASSERT_NE(Level(1), nullptr);
  EXPECT_EQ(Level(1)->GetItem(), Recent);
  EXPECT_GE(Level(1)->GetLeft(), Level(0)->GetLeft() + Level(0)->GetWidth() - 5);
  // Releasing on a separator or a submenu row chooses nothing.
  Driver.Click(p.X, p.Y);
  const TPoint line = Row(0, 2);
  Driver.Click(line.X, line.Y);
  EXPECT_TRUE(Log->Lines.empty());
  p = Row(0, 3);
  Driver.MoveTo(p.X, p.Y);
  p = Row(1, 1);
  Driver.MoveTo(p.X, p.Y);
  Driver.Click(p.X, p.Y);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click RecentTwo"}));
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  EXPECT_TRUE(Button->Focused());
  // A press outside the menu closes it without choosing.
  ClickTitle(2);
  ASSERT_NE(Level(0), nullptr);
  Driver.Click(Form->ClientToScreen({200, 200}).X, Form->ClientToScreen({200, 200}).Y);
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  EXPECT_EQ(Log->Lines.size(), 1u);
}

TEST_F(MenuTest, DisabledAndHiddenItemsAreNotChosen) {
  NewItem->SetEnabled(false);
  ClickTitle(0);
  TPoint p = Row(0, 0);
  Driver.MoveTo(p.X, p.Y);
  Driver.Click(p.X, p.Y);
  EXPECT_TRUE(Log->Lines.empty());
  // Up and Down skip the separator and hidden rows, wrapping.
  File->GetItem(1)->SetVisible(false);  // Open
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(SelectedCaption(0), "&Recent");
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(SelectedCaption(0), "E&xit");
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(SelectedCaption(0), "&New");
  Driver.PressKey(VK_RETURN);  // disabled: stays open
  EXPECT_NE(TMenuTracker::GetActive(), nullptr);
  EXPECT_TRUE(Log->Lines.empty());
  Driver.PressKey(VK_UP);
  EXPECT_EQ(SelectedCaption(0), "E&xit");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click FileExit"}));
}

TEST_F(MenuTest, AltWithALetterOpensATitleAndTheKeysNavigate) {
  Driver.PressKey('E', false, false, true);
  ASSERT_NE(Level(0), nullptr);
  EXPECT_EQ(Level(0)->GetItem(), Edit);
  EXPECT_EQ(SelectedCaption(0), "&Undo");
  // The keys go to the menu, not to the focused control.
  Driver.PressKey(VK_LEFT);
  EXPECT_EQ(Level(0)->GetItem(), File);
  EXPECT_EQ(SelectedCaption(0), "&New");
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_DOWN);  // past the separator
  Driver.PressKey(VK_RIGHT);
  ASSERT_NE(Level(1), nullptr);
  EXPECT_EQ(SelectedCaption(1), "&One");
  Driver.PressKey(VK_LEFT);  // closes the submenu only
  EXPECT_EQ(Level(1), nullptr);
  EXPECT_EQ(SelectedCaption(0), "&Recent");
  Driver.PressKey(VK_RIGHT);
  Driver.PressKey(VK_ESCAPE);  // one level
  EXPECT_EQ(Level(1), nullptr);
  ASSERT_NE(Level(0), nullptr);
  Driver.PressKey(VK_ESCAPE);  // the drop-down; the title stays selected
  ASSERT_NE(TMenuTracker::GetActive(), nullptr);
  EXPECT_FALSE(TMenuTracker::GetActive()->GetDropped());
  EXPECT_EQ(TMenuTracker::GetActive()->GetBarIndex(), 0);
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(TMenuTracker::GetActive()->GetBarIndex(), 1);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(Level(0)->GetItem(), Edit);
  Driver.PressKey(VK_ESCAPE);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  EXPECT_TRUE(Log->Lines.empty());
  // A letter chooses the item it marks, through submenus too.
  Driver.PressKey('F', false, false, true);
  Driver.PressKey('R');
  Driver.PressKey('T');
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click RecentTwo"}));
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  // Once closed, keys reach the focused control again.
  Button->SetOnKeyDown(MakeMethod<&TEventLog::KeyDown>(Log));
  Driver.PressKey(VK_F2);
  EXPECT_EQ(Log->Lines.back(), "KeyDown Button " + std::to_string(VK_F2));
}

TEST_F(MenuTest, AShortCutRunsItsItemFromAnyControlOfTheForm) {
  Button->SetOnKeyDown(MakeMethod<&TEventLog::KeyDown>(Log));
  // What the control and the items got, leaving out the modifier keys the control sees.
  auto events = [&] {
    std::vector<std::string> lines;
    for (const std::string& line : Log->Lines)
      if (line != "KeyDown Button 16" && line != "KeyDown Button 17" && line != "KeyDown Button 18")
        lines.push_back(line);
    Log->Lines.clear();
    return lines;
  };
  Driver.PressKey('N', false, true);
  EXPECT_EQ(events(), (std::vector<std::string>{"Click FileNew"}));
  // Not while the item or a parent is disabled: then the control gets the key.
  File->SetEnabled(false);
  Driver.PressKey('N', false, true);
  EXPECT_EQ(events(), (std::vector<std::string>{"KeyDown Button 78"}));
  File->SetEnabled(true);
  // A shortcut added from code, in a submenu, with Alt.
  Recent->GetItem(0)->SetShortCut(TextToShortCut("Alt+1"));
  Driver.PressKey('1', false, false, true);
  EXPECT_EQ(events(), (std::vector<std::string>{"Click RecentOne"}));
  // The control's popup menu comes before the form's menu.
  auto* popup = new TPopupMenu(Form);
  auto* mine = new TMenuItem(Form);
  mine->SetName("PopupNew");
  mine->SetShortCut(TextToShortCut("Ctrl+N"));
  mine->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  popup->GetItems()->Add(mine);
  Button->SetPopupMenu(popup);
  Driver.PressKey('N', false, true);
  EXPECT_EQ(events(), (std::vector<std::string>{"Click PopupNew"}));
}

TEST_F(MenuTest, AnItemInsertedBeforeANamedItemWhileTheMenuShowsAppearsAtOnce) {
  auto* found = dynamic_cast<TMenuItem*>(Form->FindComponent("ToolsToolsItem"));
  ASSERT_NE(found, nullptr);
  TMenuItem* parent = found->GetParent();
  ASSERT_EQ(parent, Menu->GetItems()->Find("Tools"));
  ClickTitle(2);
  ASSERT_NE(Level(0), nullptr);
  TPoint p = Row(0, 1);
  Driver.MoveTo(p.X, p.Y);
  EXPECT_EQ(SelectedCaption(0), "Tools Item");
  const int height = Level(0)->GetHeight();

  auto* added = new TMenuItem(Form);
  added->SetName("AddInItem");
  added->SetCaption("&Add-in Command");
  added->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  parent->Insert(parent->IndexOf(found), added);
  Driver.ProcessMessages();
  EXPECT_EQ(parent->IndexOf(added), 1);
  EXPECT_EQ(parent->IndexOf(found), 2);
  EXPECT_EQ(Form->FindComponent("AddInItem"), added);
  // The open window grew by a row, and the selection stayed on its item.
  ASSERT_NE(Level(0), nullptr);
  EXPECT_GT(Level(0)->GetHeight(), height);
  EXPECT_EQ(SelectedCaption(0), "Tools Item");
  p = Row(0, 1);
  Driver.MoveTo(p.X, p.Y);
  Driver.Click(p.X, p.Y);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click AddInItem"}));

  // Removed while showing: the window shrinks; freeing the open title closes the menu.
  ClickTitle(2);
  parent->Remove(added);
  Driver.ProcessMessages();
  EXPECT_EQ(Level(0)->GetHeight(), height);
  added->Free();
  Tools->Free();
  Driver.ProcessMessages();
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  EXPECT_EQ(MenuBar::ItemScreenRects(Form).size(), 2u);
}

TEST_F(MenuTest, APopupMenuOpensOnARightClickAndAtAPoint) {
  auto* popup = new TPopupMenu(Form);
  popup->SetName("Popup");
  auto* cut = new TMenuItem(Form);
  cut->SetName("Cut");
  cut->SetCaption("Cu&t");
  cut->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  popup->GetItems()->Add(cut);
  auto* more = new TMenuItem(Form);
  more->SetCaption("&More");
  popup->GetItems()->Add(more);
  auto* deep = new TMenuItem(Form);
  deep->SetName("Deep");
  deep->SetCaption("&Deep");
  deep->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  more->Add(deep);
  popup->SetOnPopup(MakeMethod<&TEventLog::Show>(Log));
  Button->SetPopupMenu(popup);

  const TPoint at = ScreenPoint(Button, 5, 5);
  Driver.MoveTo(at.X, at.Y);
  Driver.Press(MouseRight);
  Driver.Release(MouseRight);
  ASSERT_NE(Level(0), nullptr);
  EXPECT_EQ(Level(0)->GetItem(), popup->GetItems());
  EXPECT_EQ(Level(0)->GetLeft(), at.X);
  EXPECT_EQ(Level(0)->GetTop(), at.Y);
  EXPECT_EQ(popup->GetPopupComponent(), Button);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Show Popup"}));
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_RIGHT);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines.back(), "Click Deep");
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);

  // Near the screen's bottom-right corner it stays on the screen.
  popup->Popup(639, 479);
  Driver.ProcessMessages();
  ASSERT_NE(Level(0), nullptr);
  EXPECT_LE(Level(0)->GetLeft() + Level(0)->GetWidth(), 640);
  EXPECT_LE(Level(0)->GetTop() + Level(0)->GetHeight(), 480);
  // Freeing the menu while it shows closes it.
  popup->Free();
  Driver.ProcessMessages();
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  EXPECT_EQ(Button->GetPopupMenu(), nullptr);
}

TEST_F(MenuTest, FreeingTheFormOrMenuWhileOpenLeavesNothingBehind) {
  ClickTitle(0);
  TPoint p = Row(0, 3);
  Driver.MoveTo(p.X, p.Y);
  ASSERT_NE(Level(1), nullptr);
  Menu->Free();
  Driver.ProcessMessages();
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
  EXPECT_EQ(Form->GetMenu(), nullptr);
  EXPECT_EQ(Form->GetClientHeight(), ClientHeightWithoutBar);

  auto* other = new TMainMenu(Form);
  auto* title = new TMenuItem(Form);
  title->SetCaption("&Help");
  other->GetItems()->Add(title);
  auto* about = new TMenuItem(Form);
  about->SetCaption("&About");
  title->Add(about);
  Form->SetMenu(other);
  Driver.ProcessMessages();
  ClickTitle(0);
  ASSERT_NE(Level(0), nullptr);
  Form->Free();
  Driver.ProcessMessages();
  EXPECT_EQ(TMenuTracker::GetActive(), nullptr);
}
