#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/ImageList.h"
#include "controls/TreeView.h"
#include "core/SysUtils.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace ControlTest;

namespace {
// Records the tree's events as lines: "Change b", "Changing c", "Expanding a", ...
class TTreeLog : public TEventLog {
  DECLARE_CLASS(TTreeLog, TEventLog);

 public:
  static std::string Text(TTreeNode* node) { return node ? node->GetText() : "nil"; }
  void Change(TObject*, TTreeNode* node) { Lines.push_back("Change " + Text(node)); }
  void Changing(TObject*, TTreeNode* node, bool& allow) {
    Lines.push_back("Changing " + Text(node));
    allow = Text(node) != Refuse;
  }
  void Expanding(TObject* sender, TTreeNode* node, bool& allow) {
    Lines.push_back("Expanding " + Text(node));
    allow = Text(node) != Refuse;
    if (Text(node) == Lazy) static_cast<TTreeView*>(sender)->GetItems()->AddChild(node, "loaded");
  }
  void Collapsing(TObject*, TTreeNode* node, bool& allow) {
    Lines.push_back("Collapsing " + Text(node));
    allow = Text(node) != Refuse;
  }
  void Deletion(TObject*, TTreeNode* node) { Lines.push_back("Deletion " + Text(node)); }
  std::string Refuse;
  std::string Lazy;
};
IMPLEMENT_CLASS(TTreeLog) {}

class TreeViewTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 300, 260);
    Form->SetName("Form");
    Tree = New<TTreeView>(Form, 10, 10, 200, 200, "Tree");
    Events = new TTreeLog();
    Nodes = Tree->GetItems();
  }
  void TearDown() override { Events->Free(); }
  void Listen() {
    Tree->SetOnChange(MakeMethod<&TTreeLog::Change>(Events));
    Tree->SetOnChanging(MakeMethod<&TTreeLog::Changing>(Events));
    Tree->SetOnExpanding(MakeMethod<&TTreeLog::Expanding>(Events));
    Tree->SetOnCollapsing(MakeMethod<&TTreeLog::Collapsing>(Events));
    Tree->SetOnDeletion(MakeMethod<&TTreeLog::Deletion>(Events));
  }
  // The texts of a node's children (the top level for null), in order.
  std::string Children(TTreeNode* parent) {
    std::string texts;
    const int count = parent ? parent->GetCount() : 0;
    if (!parent) {
      for (TTreeNode* node = Nodes->GetFirstNode(); node; node = node->getNextSibling())
        texts += (texts.empty() ? "" : " ") + node->GetText();
      return texts;
    }
    for (int i = 0; i < count; ++i)
      texts += (texts.empty() ? "" : " ") + parent->GetItem(i)->GetText();
    return texts;
  }
  void ClickText(TTreeNode* node) {
    const TRect text = node->DisplayRect(true);
    ClickAt(Tree, text.Left + 3, (text.Top + text.Bottom) / 2);
  }
  TPoint ButtonPoint(TTreeNode* node) {
    const TRect row = node->DisplayRect(false);
    const int indent = (node->GetLevel() + 1) * Tree->GetIndent();
    return {indent - Tree->GetIndent() / 2, (row.Top + row.Bottom) / 2};
  }
  TForm* Form = nullptr;
  TTreeView* Tree = nullptr;
  TTreeNodes* Nodes = nullptr;
  TTreeLog* Events = nullptr;
};
}  // namespace

TEST_F(TreeViewTest, NodesFormATreeInDepthFirstOrder) {
  TTreeNode* a = Nodes->Add(nullptr, "a");
  TTreeNode* c = Nodes->Add(a, "c");
  TTreeNode* b = Nodes->Insert(c, "b");
  TTreeNode* first = Nodes->AddFirst(b, "first");
  TTreeNode* a2 = Nodes->AddChild(a, "a2");
  TTreeNode* a1 = Nodes->AddChildFirst(a, "a1");
  int data = 7;
  TTreeNode* a11 = Nodes->AddChildObject(a1, "a11", &data);
  EXPECT_EQ(Children(nullptr), "first a b c");
  EXPECT_EQ(Children(a), "a1 a2");
  EXPECT_EQ(Nodes->GetCount(), 7);
  const char* order[] = {"first", "a", "a1", "a11", "a2", "b", "c"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(Nodes->GetItem(i)->GetText(), order[i]);
    EXPECT_EQ(Nodes->GetItem(i)->GetAbsoluteIndex(), i);
  }
  EXPECT_EQ(a11->GetLevel(), 2);
  EXPECT_EQ(a11->GetParent(), a1);
  EXPECT_EQ(a->GetParent(), nullptr);
  EXPECT_EQ(a11->GetData(), &data);
  EXPECT_EQ(a2->GetIndex(), 1);
  EXPECT_EQ(a1->getNextSibling(), a2);
  EXPECT_EQ(a2->getPrevSibling(), a1);
  EXPECT_EQ(a2->getNextSibling(), nullptr);
  EXPECT_EQ(a->GetFirstChild(), a1);
  EXPECT_EQ(a->GetLastChild(), a2);
  EXPECT_EQ(a11->GetNext(), a2);
  EXPECT_EQ(a2->GetPrev(), a11);
  EXPECT_EQ(b->GetPrev(), a2);
  EXPECT_EQ(first->GetPrev(), nullptr);
  EXPECT_TRUE(a->GetHasChildren());
  EXPECT_FALSE(c->GetHasChildren());
  EXPECT_EQ(a->GetImageIndex(), 0);
  EXPECT_EQ(a->GetSelectedIndex(), 0);
  EXPECT_EQ(a->GetStateIndex(), -1);
  // Bad indexes are refused with the index named.
  try {
    Nodes->GetItem(7);
    ADD_FAILURE();
  } catch (const EListError& error) {
    EXPECT_NE(error.GetMessage().find("(7)"), std::string::npos);
  }
  EXPECT_THROW(a->GetItem(-1), EListError);
  // Moving a node into its own subtree is refused; elsewhere it takes its children along.
  EXPECT_THROW(a->MoveTo(a11, naAddChild), EInvalidOperation);
  a1->MoveTo(c, naAddChild);
  EXPECT_EQ(Children(c), "a1");
  EXPECT_EQ(a11->GetLevel(), 2);
  EXPECT_EQ(Children(a), "a2");
  // Deleting the last child takes the parent's button.
  a2->Delete();
  EXPECT_FALSE(a->GetHasChildren());
  EXPECT_EQ(Nodes->GetCount(), 6);
}

TEST_F(TreeViewTest, ASortedTreeKeepsEveryLevelInTextOrder) {
  Tree->SetSortType(stText);
  TTreeNode* m = Nodes->Add(nullptr, "Mango");
  Nodes->Add(nullptr, "apple");
  Nodes->Add(nullptr, "Zucchini");
  Nodes->Add(nullptr, "banana");
  // Names equal but for their letter case keep the order they came in.
  Nodes->Add(nullptr, "BANANA");
  Nodes->Add(nullptr, "Banana");
  EXPECT_EQ(Children(nullptr), "apple banana BANANA Banana Mango Zucchini");
  Nodes->AddChild(m, "yellow");
  Nodes->AddChildFirst(m, "Green");  // "first" gives way to the order
  Nodes->AddChild(m, "red");
  EXPECT_EQ(Children(m), "Green red yellow");
  // A renamed node moves to its place.
  m->GetItem(0)->SetText("zinc");
  EXPECT_EQ(Children(m), "red yellow zinc");
  // Under BeginUpdate nodes are appended and every level is sorted once at the end.
  Nodes->BeginUpdate();
  Nodes->Add(nullptr, "cherry");
  TTreeNode* late = Nodes->AddChild(m, "orange");
  Nodes->AddChild(late, "b");
  Nodes->AddChild(late, "A");
  EXPECT_EQ(Children(m), "red yellow zinc orange");
  Nodes->EndUpdate();
  EXPECT_EQ(Children(m), "orange red yellow zinc");
  EXPECT_EQ(Children(late), "A b");
  EXPECT_EQ(Children(nullptr), "apple banana BANANA Banana cherry Mango Zucchini");
  // Switching sorting on sorts what is there.
  Tree->SetSortType(stNone);
  Nodes->Add(nullptr, "aardvark");
  EXPECT_EQ(Nodes->GetItem(Nodes->GetCount() - 1)->GetText(), "aardvark");
  Tree->SetSortType(stText);
  EXPECT_EQ(Nodes->GetFirstNode()->GetText(), "aardvark");
}

TEST_F(TreeViewTest, SelectingAsksOnChangingAndFiresOnChangeOnce) {
  TTreeNode* a = Nodes->Add(nullptr, "a");
  TTreeNode* b = Nodes->Add(nullptr, "b");
  TTreeNode* c = Nodes->Add(nullptr, "c");
  Listen();
  Driver.ProcessMessages();
  ClickText(b);
  EXPECT_EQ(Tree->GetSelected(), b);
  EXPECT_TRUE(Tree->Focused());
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Changing b", "Change b"}));
  // The selected node clicked again: nothing.
  ClickText(b);
  EXPECT_EQ(Events->Lines.size(), 2u);
  // A refused change leaves the selection.
  Events->Refuse = "c";
  ClickText(c);
  EXPECT_EQ(Tree->GetSelected(), b);
  EXPECT_EQ(Events->Lines.back(), "Changing c");
  Events->Lines.clear();
  a->SetSelected(true);
  EXPECT_TRUE(a->GetSelected());
  EXPECT_TRUE(a->GetFocused());
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Changing a", "Change a"}));
  // A click beside the text or below the last node selects nothing.
  Events->Lines.clear();
  ClickAt(Tree, 150, (b->DisplayRect(false).Top + b->DisplayRect(false).Bottom) / 2);
  ClickAt(Tree, 20, 150);
  EXPECT_EQ(Tree->GetSelected(), a);
  EXPECT_TRUE(Events->Lines.empty());
}

TEST_F(TreeViewTest, DeletingTheSelectedNodeHandsTheSelectionOn) {
  TTreeNode* p = Nodes->Add(nullptr, "p");
  TTreeNode* x = Nodes->AddChild(p, "x");
  TTreeNode* y = Nodes->AddChild(p, "y");
  TTreeNode* y1 = Nodes->AddChild(y, "y1");
  Nodes->AddChild(y1, "y11");
  Nodes->AddChild(y, "y2");
  Tree->Select(y1);
  Listen();
  // The whole subtree goes, deepest first; the next sibling takes the selection.
  y1->Delete();
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Deletion y11", "Deletion y1", "Change y2"}));
  EXPECT_EQ(Tree->GetSelected()->GetText(), "y2");
  // Then the previous sibling, then the parent.
  Events->Lines.clear();
  y->DeleteChildren();
  EXPECT_EQ(Tree->GetSelected(), y);
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Deletion y2", "Change y"}));
  Nodes->Delete(y);
  EXPECT_EQ(Tree->GetSelected(), x);
  x->Delete();
  EXPECT_EQ(Tree->GetSelected(), p);
  // A node deleted elsewhere leaves the selection alone.
  TTreeNode* q = Nodes->Add(nullptr, "q");
  Events->Lines.clear();
  q->Delete();
  EXPECT_EQ(Events->Lines, std::vector<std::string>{"Deletion q"});
  // Clearing: one change to nothing.
  Nodes->AddChild(p, "z");
  Events->Lines.clear();
  Nodes->Clear();
  EXPECT_EQ(Tree->GetSelected(), nullptr);
  EXPECT_EQ(Nodes->GetCount(), 0);
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Deletion z", "Deletion p", "Change nil"}));
  Driver.ProcessMessages();  // paints an empty tree
}

TEST_F(TreeViewTest, ButtonsDoubleClicksAndTheEventsExpandAndCollapse) {
  TTreeNode* a = Nodes->Add(nullptr, "a");
  Nodes->AddChild(a, "a1");
  TTreeNode* b = Nodes->Add(nullptr, "b");
  TTreeNode* lazy = Nodes->Add(nullptr, "lazy");
  lazy->SetHasChildren(true);
  TTreeNode* empty = Nodes->Add(nullptr, "empty");
  empty->SetHasChildren(true);
  Listen();
  Driver.ProcessMessages();
  TPoint button = ButtonPoint(a);
  ClickAt(Tree, button.X, button.Y);
  EXPECT_TRUE(a->GetExpanded());
  EXPECT_EQ(Tree->GetSelected(), nullptr);  // the button does not select
  EXPECT_EQ(b->DisplayRect(false).Top, 2 * Tree->GetItemHeight());
  ClickAt(Tree, button.X, button.Y);
  EXPECT_FALSE(a->GetExpanded());
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Expanding a", "Collapsing a"}));
  // A double click selects and expands.
  const TRect text = a->DisplayRect(true);
  const TPoint p = Tree->ClientToScreen({text.Left + 3, text.Top + 3});
  Driver.AdvanceClock(1000);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(Tree->GetSelected(), a);
  EXPECT_TRUE(a->GetExpanded());
  // A refused expansion, children added from OnExpanding, and a button with nothing behind.
  Events->Refuse = "b";
  Nodes->AddChild(b, "b1");
  b->Expand(false);
  EXPECT_FALSE(b->GetExpanded());
  Events->Lazy = "lazy";
  lazy->Expand(false);
  EXPECT_TRUE(lazy->GetExpanded());
  EXPECT_EQ(Children(lazy), "loaded");
  empty->Expand(false);
  EXPECT_FALSE(empty->GetExpanded());
  EXPECT_FALSE(empty->GetHasChildren());
  // Collapsing hides the selection: the collapsed node takes it.
  Tree->Select(a->GetItem(0));
  Events->Lines.clear();
  a->Collapse(false);
  EXPECT_EQ(Tree->GetSelected(), a);
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Collapsing a", "Changing a", "Change a"}));
}

TEST_F(TreeViewTest, KeysMoveSelectExpandAndSearch) {
  TTreeNode* alpha = Nodes->Add(nullptr, "alpha");
  TTreeNode* a1 = Nodes->AddChild(alpha, "apple");
  Nodes->AddChild(alpha, "avocado");
  TTreeNode* beta = Nodes->Add(nullptr, "beta");
  TTreeNode* bravo = Nodes->Add(nullptr, "bravo");
  Nodes->Add(nullptr, "charlie");
  Tree->SetFocus();
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(Tree->GetSelected(), alpha);  // nothing selected: the first
  Driver.PressKey(VK_RIGHT);
  EXPECT_TRUE(alpha->GetExpanded());
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(Tree->GetSelected(), a1);
  Driver.PressKey(VK_LEFT);
  EXPECT_EQ(Tree->GetSelected(), alpha);
  Driver.PressKey(VK_LEFT);
  EXPECT_FALSE(alpha->GetExpanded());
  Driver.PressKey(VK_ADD);
  EXPECT_TRUE(alpha->GetExpanded());
  Driver.PressKey(VK_SUBTRACT);
  EXPECT_FALSE(alpha->GetExpanded());
  Driver.Type("+");
  EXPECT_TRUE(alpha->GetExpanded());
  Driver.Type("-");
  EXPECT_FALSE(alpha->GetExpanded());
  Driver.PressKey(VK_END);
  EXPECT_EQ(Tree->GetSelected()->GetText(), "charlie");
  Driver.PressKey(VK_HOME);
  EXPECT_EQ(Tree->GetSelected(), alpha);
  Driver.PressKey(VK_NEXT);
  EXPECT_EQ(Tree->GetSelected()->GetText(), "charlie");  // a page holds them all
  Driver.PressKey(VK_UP);
  EXPECT_EQ(Tree->GetSelected(), bravo);
  // Typed letters: "b" goes to the next node starting with b, "b" again to the one after,
  // "br" typed quickly to "bravo"; after a pause a letter starts a new search.
  Driver.PressKey(VK_HOME);
  Driver.AdvanceClock(2000);
  Driver.Type("b");
  EXPECT_EQ(Tree->GetSelected(), beta);
  Driver.Type("b");
  EXPECT_EQ(Tree->GetSelected(), bravo);
  Driver.AdvanceClock(2000);
  Driver.PressKey(VK_HOME);
  Driver.Type("br");
  EXPECT_EQ(Tree->GetSelected(), bravo);
  Driver.AdvanceClock(2000);
  Driver.Type("A");
  EXPECT_EQ(Tree->GetSelected(), alpha);
  // Search finds only what is shown.
  Driver.AdvanceClock(2000);
  Driver.Type("av");
  EXPECT_EQ(Tree->GetSelected(), alpha);
}

TEST_F(TreeViewTest, RowsAreDrawnWithLinesButtonsImagesAndTheSelection) {
  auto* images = new TImageList(Form);
  auto* picture = new TBitmap();
  picture->SetSize(32, 16);
  picture->GetCanvas()->GetBrush()->SetColor(clRed);
  picture->GetCanvas()->FillRect({0, 0, 16, 16});
  picture->GetCanvas()->GetBrush()->SetColor(clBlue);
  picture->GetCanvas()->FillRect({16, 0, 32, 16});
  images->Add(picture, nullptr);
  picture->Free();
  Tree->SetImages(images);
  TTreeNode* a = Nodes->Add(nullptr, "Alpha");
  TTreeNode* a1 = Nodes->AddChild(a, "Child");
  a1->SetSelectedIndex(1);
  Nodes->Add(nullptr, "Beta");
  a->Expand(false);
  Driver.ProcessMessages();
  const int h = Tree->GetItemHeight();
  EXPECT_EQ(h, 16);
  const int indent = Tree->GetIndent();
  // The image of a top-level node right of the root column; its child one level further.
  EXPECT_EQ(Pixel(Tree, indent + 8, 8), Rgb(clRed));
  EXPECT_EQ(Pixel(Tree, 2 * indent + 8, h + 8), Rgb(clRed));
  // The expanded node's button: a grey frame and a minus, no vertical bar.
  const int cx = indent - indent / 2;
  EXPECT_EQ(Pixel(Tree, cx - 4, h / 2), Rgb(clGray));
  EXPECT_EQ(Pixel(Tree, cx, h / 2), Rgb(clWindowText));
  EXPECT_EQ(Pixel(Tree, cx, h / 2 - 2), Rgb(clWindow));
  a->Collapse(false);
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Tree, cx, h / 2 - 2), Rgb(clWindowText));  // a plus
  a->Expand(false);
  // The dotted line from the child's row to its image: every other pixel grey.
  const int lineY = h + h / 2;
  const int x0 = indent + indent / 2 + 1;
  int grey = 0;
  for (int x = x0; x < x0 + 4; ++x)
    if (Pixel(Tree, x, lineY) == Rgb(clGray)) ++grey;
  EXPECT_EQ(grey, 2);
  // Selected and focused: the highlight behind the text and the selected image.
  Tree->SetFocus();
  Tree->Select(a1);
  Driver.ProcessMessages();
  const TRect text = a1->DisplayRect(true);
  EXPECT_EQ(Pixel(Tree, text.Right - 2, text.Top + 1), Rgb(clHighlight));
  EXPECT_EQ(Pixel(Tree, 2 * indent + 8, h + 8), Rgb(clBlue));
  // Without the focus, HideSelection hides the mark; without HideSelection it is grey.
  auto* other = New<TTreeView>(Form, 220, 10, 60, 60, "Other");
  other->SetFocus();
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Tree, text.Right - 2, text.Top + 1), Rgb(clWindow));
  Tree->SetHideSelection(false);
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Tree, text.Right - 2, text.Top + 1), Rgb(clBtnFace));
  // No lines, no buttons, no root column: the text starts at the left.
  Tree->SetShowLines(false);
  Tree->SetShowButtons(false);
  Driver.ProcessMessages();
  EXPECT_EQ(a->DisplayRect(true).Left, 0 + images->GetWidth() + 2);
  images->Free();  // the tree forgets it
  EXPECT_EQ(Tree->GetImages(), nullptr);
  Driver.ProcessMessages();
}

TEST_F(TreeViewTest, ScrollBarsFollowTheNodesAndTheSelectionStaysInView) {
  Nodes->BeginUpdate();
  for (int i = 0; i < 40; ++i)
    Nodes->Add(nullptr, Format("Node %02d", i));
  Nodes->Add(nullptr, std::string(60, 'W'));
  Nodes->EndUpdate();
  Driver.ProcessMessages();
  const LONG style = GetWindowLong(Tree->GetHandle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(Tree->GetHandle(), SB_VERT, &info);
  EXPECT_EQ(info.nMax, 40);
  EXPECT_EQ(static_cast<int>(info.nPage), Tree->GetVisibleRowCount());
  Tree->SetFocus();
  Driver.PressKey(VK_END);
  EXPECT_EQ(Tree->GetTopItem(), Nodes->GetItem(41 - Tree->GetVisibleRowCount()));
  EXPECT_EQ(GetScrollPos(Tree->GetHandle(), SB_VERT), 41 - Tree->GetVisibleRowCount());
  // The scroll bar scrolls without moving the selection.
  Tree->Perform(WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(Tree->GetTopItem(), Nodes->GetFirstNode());
  Tree->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Tree->GetTopItem(), Nodes->GetItem(1));
  EXPECT_EQ(Tree->GetSelected(), Nodes->GetItem(40));
  EXPECT_EQ(Tree->GetNodeAt(5, 1), Nodes->GetItem(1));
  Tree->Perform(WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_GT(GetScrollPos(Tree->GetHandle(), SB_HORZ), 0);
  // Fewer nodes: the bars go.
  Nodes->Clear();
  Nodes->Add(nullptr, "one");
  Driver.ProcessMessages();
  EXPECT_FALSE(GetWindowLong(Tree->GetHandle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(Tree->GetTopItem(), Nodes->GetFirstNode());
}

TEST_F(TreeViewTest, NodesAreWrittenToTheFormFileAndReadBack) {
  Tree->SetSortType(stText);
  Tree->SetIndent(21);
  TTreeNode* forms = Nodes->Add(nullptr, "Forms");
  TTreeNode* main = Nodes->AddChild(forms, "Main \xD0\x98\xD0\xBC\xD1\x8F");  // UTF-8
  main->SetImageIndex(1);
  main->SetSelectedIndex(2);
  main->SetStateIndex(3);
  Nodes->AddChild(main, "Button1");
  Nodes->Add(nullptr, "Data");
  forms->Expand(false);
  Form->Hide();
  TWriter writer;
  writer.WriteRootComponent(Form);
  const std::string text = writer.GetText();
  EXPECT_NE(text.find("Items.Data = {"), std::string::npos);
  EXPECT_NE(text.find("Indent = 21"), std::string::npos);
  TReader reader(text);
  auto* copy = dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  auto* tree = dynamic_cast<TTreeView*>(copy->FindComponent("Tree"));
  ASSERT_NE(tree, nullptr);
  TTreeNodes* nodes = tree->GetItems();
  ASSERT_EQ(nodes->GetCount(), 4);
  EXPECT_EQ(nodes->GetItem(0)->GetText(), "Data");
  EXPECT_EQ(nodes->GetItem(1)->GetText(), "Forms");
  EXPECT_TRUE(nodes->GetItem(1)->GetExpanded());
  TTreeNode* copiedMain = nodes->GetItem(2);
  EXPECT_EQ(copiedMain->GetText(), main->GetText());
  EXPECT_EQ(copiedMain->GetImageIndex(), 1);
  EXPECT_EQ(copiedMain->GetSelectedIndex(), 2);
  EXPECT_EQ(copiedMain->GetStateIndex(), 3);
  EXPECT_FALSE(copiedMain->GetExpanded());
  EXPECT_EQ(nodes->GetItem(3)->GetParent(), copiedMain);
  EXPECT_EQ(tree->GetSortType(), stText);
  TWriter again;
  again.WriteRootComponent(copy);
  EXPECT_EQ(again.GetText(), text);
  copy->Free();
}

TEST_F(TreeViewTest, CorruptNodeDataIsRefusedAndChangesNothing) {
  Nodes->Add(nullptr, "kept");
  Form->Hide();
  TWriter writer;
  writer.WriteRootComponent(Form);
  const std::string text = writer.GetText();
  const size_t start = text.find("Items.Data = {");
  ASSERT_NE(start, std::string::npos);
  const size_t end = text.find('}', start);
  std::string hex;
  for (size_t i = start + 14; i < end; ++i)
    if (isxdigit(static_cast<unsigned char>(text[i]))) hex += text[i];
  // The tree itself read from a form file holding only its node data.
  auto readInto = [&](const std::string& data) {
    TReader reader("object Tree: TTreeView\n  Items.Data = {" + data + "}\nend\n");
    reader.ReadRootComponent(Tree);
  };
  // The text of the one node cut short: the block ends mid-node.
  try {
    readInto(hex.substr(0, hex.size() - 4));
    ADD_FAILURE() << "truncated data accepted";
  } catch (const Exception& error) {
    EXPECT_NE(error.GetMessage().find("Tree node data is corrupt"), std::string::npos)
        << error.GetMessage();
  }
  EXPECT_EQ(Nodes->GetCount(), 1);
  EXPECT_EQ(Nodes->GetFirstNode()->GetText(), "kept");
  // A child count beyond the data, a wrong signature, bytes left over: all refused.
  std::string lying = hex;
  lying.replace(2 * (4 + 1 + 4 + 1 + 16), 8, "FFFFFF7F");
  EXPECT_THROW(readInto(lying), EReadError);
  EXPECT_THROW(readInto("00" + hex.substr(2)), EReadError);
  EXPECT_THROW(readInto(hex + "00"), EReadError);
  EXPECT_EQ(Nodes->GetCount(), 1);
  // The intact data reads.
  readInto(hex);
  EXPECT_EQ(Nodes->GetCount(), 1);
}
