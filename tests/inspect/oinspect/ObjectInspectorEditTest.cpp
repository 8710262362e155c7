#include <gtest/gtest.h>

#include "InspectorTestSupport.h"
#include "oinspect/OInplaceEdit.h"
#include "vxedit/PopupListBox.h"

using namespace InspectorTest;

namespace {
// Records the edit action's calls and may take them over.
class TEditActions : public TObject {
  DECLARE_CLASS(TEditActions, TObject);

 public:
  TEditActions() = default;
  void EditButtonClick(TObject*, TComponentList*, TPropertyEditor* editor, bool& processed) {
    Calls.push_back(editor->GetName());
    processed = Process;
  }
  std::vector<std::string> Calls;
  bool Process = true;
};
IMPLEMENT_CLASS(TEditActions) {}

class ObjectInspectorEditTest : public ::testing::Test, public TInspectorFixture {
 protected:
  ObjectInspectorEditTest() {
    Ungroup();
    Inspector->SetOnChangePropValue(MakeMethod<&TInspectorEvents::ChangeValue>(Events));
    Inspector->SetOnChangedPropValue(MakeMethod<&TInspectorEvents::ChangedValue>(Events));
    Gadget = NewGadget("Gadget1");
    Inspector->SetControl(Gadget);
    Driver.ProcessMessages();
  }
  ~ObjectInspectorEditTest() override { Actions->Free(); }

  TOInplaceEdit* Editor() const { return Inspector->GetInplaceEdit(); }
  std::string Text() const { return Editor()->GetText(); }
  void ClickValue(const std::string& name) { ClickCell(1, RowIndex(name), 20); }
  void Press(int key, bool control = false) { Driver.PressKey(key, false, control); }

  TGadget* Gadget;
  TEditActions* Actions = new TEditActions();
};
}  // namespace

TEST_F(ObjectInspectorEditTest, ClickTypeEnterWritesTheValueAndFiresTheEventsInOrder) {
  ClickValue("Count");
  ASSERT_EQ(Inspector->GetRow(), RowIndex("Count"));
  EXPECT_TRUE(Inspector->GetEditorActive());
  EXPECT_EQ(Inspector->GetEditRow(), RowIndex("Count"));
  EXPECT_EQ(Text(), "0");
  EXPECT_TRUE(Editor()->Focused()) << "the editor takes the focus the click gave the grid";
  Events->Lines.clear();
  Driver.Type("42");
  EXPECT_EQ(Gadget->GetCount(), 0) << "typing alone writes nothing";
  Press(VK_RETURN);
  EXPECT_EQ(Gadget->GetCount(), 42);
  EXPECT_EQ(Events->Lines,
            (std::vector<std::string>{"Change Count=42 of 1", "Changed Count=42 of 1"}));
  EXPECT_EQ(Text(), "42");
  EXPECT_FALSE(Editor()->GetModified());
  EXPECT_EQ(Errors(), "");
}

TEST_F(ObjectInspectorEditTest, TheEditorLiesOverTheValueCellOfTheCurrentRow) {
  // The Delphi look: a sunken editor without border, one pixel right of the raised column line.
  ClickValue("Label");
  const TRect cell = Inspector->CellRect(1, RowIndex("Label"));
  EXPECT_EQ(Editor()->GetLeft(), cell.Left + 1);
  EXPECT_EQ(Editor()->GetTop(), cell.Top + 1);
  EXPECT_EQ(Editor()->GetWidth(), cell.Right - cell.Left);
  EXPECT_EQ(Editor()->GetHeight(), cell.Bottom - cell.Top - 2);
  EXPECT_TRUE(Inspector->GetInplaceEditorShown());
  // The VB look has a bordered editor and no raised line.
  Inspector->SetStyle(isVB);
  EXPECT_EQ(Editor()->GetLeft(), cell.Left);
  EXPECT_EQ(Editor()->GetHeight(), cell.Bottom - cell.Top - 1);
}

TEST_F(ObjectInspectorEditTest, EscapeRestoresTheStoredValueAndWritesNothing) {
  ClickValue("Label");
  Driver.Type("changed");
  EXPECT_EQ(Text(), "changed");
  Events->Lines.clear();
  Press(VK_ESCAPE);
  EXPECT_EQ(Text(), "gadget");
  EXPECT_EQ(Gadget->Label, "gadget");
  // Leaving the row afterwards has nothing to commit.
  Press(VK_DOWN);
  EXPECT_EQ(Gadget->Label, "gadget");
  EXPECT_EQ(Events->Lines, std::vector<std::string>{});
}

TEST_F(ObjectInspectorEditTest, AnInvalidValueIsRefusedWithAMessageAndTheOldTextComesBack) {
  ClickValue("Count");
  Driver.Type("abc");
  Press(VK_RETURN);
  EXPECT_EQ(Gadget->GetCount(), 0);
  EXPECT_EQ(Text(), "0");
  EXPECT_NE(Errors().find("'abc' is not a valid integer value"), std::string::npos) << Errors();
  // The refused text is selected, ready to be typed over.
  Driver.Type("7");
  Press(VK_RETURN);
  EXPECT_EQ(Gadget->GetCount(), 7);

  // A navigation key with a refused value keeps the row, and the user hears why.
  const int32_t row = Inspector->GetRow();
  Driver.Type("12x");
  Press(VK_DOWN);
  EXPECT_EQ(Inspector->GetRow(), row);
  EXPECT_EQ(Gadget->GetCount(), 7);
  EXPECT_EQ(Text(), "7");
  EXPECT_TRUE(Inspector->GetEditorActive());
  EXPECT_NE(Errors().find("'12x' is not a valid integer value"), std::string::npos) << Errors();

  // A setter that refuses the value: the same, with the setter's message.
  Gadget->Limit = 10;
  Driver.Type("11");
  Press(VK_RETURN);
  EXPECT_EQ(Gadget->GetCount(), 7);
  EXPECT_EQ(Text(), "7");
  EXPECT_NE(Errors().find("Count is too large"), std::string::npos) << Errors();
}

TEST_F(ObjectInspectorEditTest, ClickingAnotherRowCommitsTheTextOnce) {
  ClickValue("Count");
  Driver.Type("5");
  Events->Lines.clear();
  ClickValue("Label");
  EXPECT_EQ(Gadget->GetCount(), 5);
  EXPECT_EQ(Count("Change Count"), 1);
  EXPECT_EQ(Inspector->GetRow(), RowIndex("Label"));
  // A refused value reported once when the focus leaves; the new row is chosen all the same.
  ClickValue("Count");
  Driver.Type("x");
  ClickValue("Label");
  EXPECT_EQ(Gadget->GetCount(), 5);
  const std::string errors = Errors();
  const size_t first = errors.find("'x' is not a valid integer value");
  ASSERT_NE(first, std::string::npos) << errors;
  EXPECT_EQ(errors.find("'x' is not", first + 1), std::string::npos) << "reported once";
}

TEST_F(ObjectInspectorEditTest, EnterOnAnUnchangedValueFiresBothEventsWithoutWriting) {
  ClickValue("Count");
  // Writing would fail: any value is above this limit.
  Gadget->Limit = -1;
  Events->Lines.clear();
  Press(VK_RETURN);
  EXPECT_EQ(Events->Lines,
            (std::vector<std::string>{"Change Count=0 of 1", "Changed Count=0 of 1"}));
  EXPECT_EQ(Errors(), "");
}

TEST_F(ObjectInspectorEditTest, AHandlerThatRewritesTheValueIsObeyed) {
  Events->OnChange = [](std::string& value) { value = "9" + value; };
  ClickValue("Count");
  Driver.Type("1");
  Press(VK_RETURN);
  EXPECT_EQ(Gadget->GetCount(), 91);
  EXPECT_EQ(Events->Lines.back(), "Changed Count=91 of 1");
  EXPECT_EQ(Text(), "91") << "the editor shows the value as the property reports it";
}

TEST_F(ObjectInspectorEditTest, ATypedValueReachesEveryComponentEvenWhenItEqualsTheFirstOnes) {
  TGadget* second = NewGadget("Gadget2");
  Gadget->SetCount(3);
  second->SetCount(8);
  Select({Gadget, second});
  ClickValue("Count");
  EXPECT_EQ(Text(), "3");
  // Enter asks for the value shown: both components take it.
  Press(VK_RETURN);
  EXPECT_EQ(Gadget->GetCount(), 3);
  EXPECT_EQ(second->GetCount(), 3);
  EXPECT_EQ(Errors(), "");
  // Once the values agree, an unchanged value is not written again.
  second->Limit = -1;
  Press(VK_RETURN);
  EXPECT_EQ(Errors(), "");
}

TEST_F(ObjectInspectorEditTest, RowsWithSubPropertiesShowTheirValueReadOnly) {
  ClickValue("Frame");
  ASSERT_TRUE(Inspector->GetEditorActive());
  EXPECT_TRUE(Editor()->GetReadOnly());
  const std::string shown = Text();
  Driver.Type("abc");
  Press(VK_ESCAPE);
  Press(VK_RETURN);
  EXPECT_EQ(Text(), shown);
  EXPECT_EQ(Errors(), "");
}

TEST_F(ObjectInspectorEditTest, ButtonsFollowTheAttributesOfTheRow) {
  ClickValue("Shape");
  EXPECT_EQ(Editor()->GetNumButtons(), 1);
  EXPECT_EQ(Editor()->GetButton1()->GetKind(), bkDropDown);
  ClickValue("Font");
  EXPECT_EQ(Editor()->GetNumButtons(), 1);
  EXPECT_EQ(Editor()->GetButton1()->GetKind(), bkDots);
  ClickValue("Count");
  EXPECT_EQ(Editor()->GetNumButtons(), 0);
}

TEST_F(ObjectInspectorEditTest, TheDropDownListOffersTheValueListAndWritesTheChoice) {
  ClickValue("Shape");
  Editor()->SetDroppedDown(true);
  auto* list = dynamic_cast<TPopupListBox*>(Editor()->GetPopupWindow());
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(Editor()->GetDroppedDown());
  EXPECT_EQ(list->GetItems()->GetCount(), 3);
  EXPECT_EQ(list->GetItems()->Get(2), "gsStar");
  EXPECT_EQ(list->GetClientHeight(), 3 * list->GetItemHeight());
  EXPECT_GE(list->GetWidth(), Editor()->GetWidth());
  EXPECT_EQ(list->GetItemIndex(), 0) << "the current value is chosen";
  Events->Lines.clear();
  list->SetItemIndex(2);
  Editor()->CloseDropped(true);
  EXPECT_EQ(Gadget->Shape, gsStar);
  EXPECT_EQ(Text(), "gsStar");
  EXPECT_EQ(Count("Changed Shape=gsStar"), 1);
  // Dropped again, the list is not filled a second time.
  Editor()->SetDroppedDown(true);
  EXPECT_EQ(list->GetItems()->GetCount(), 3);
  Editor()->CloseDropped(false);
}

TEST_F(ObjectInspectorEditTest, TheEditActionRunsTheHandlerOrTheDialog) {
  Inspector->SetOnEditButtonClick(MakeMethod<&TEditActions::EditButtonClick>(Actions));
  // The dots button of a dialog row.
  ClickValue("Font");
  const TRect button = Editor()->GetButtonControl(0)->GetBoundsRect();
  const TPoint point = Editor()->ClientToScreen({(button.Left + button.Right) / 2, 5});
  Driver.AdvanceClock(2000);
  Driver.Click(point.X, point.Y);
  EXPECT_EQ(Actions->Calls, std::vector<std::string>{"Font"});
  // A double click on a value cell.
  Driver.AdvanceClock(2000);
  const TPoint label = CellPoint(1, RowIndex("Label"), 20);
  Driver.DoubleClick(label.X, label.Y);
  EXPECT_EQ(Actions->Calls, (std::vector<std::string>{"Font", "Label"}));
  // Ctrl+Enter in the editor.
  Press(VK_RETURN, true);
  EXPECT_EQ(Actions->Calls.back(), "Label");
  EXPECT_EQ(Actions->Calls.size(), 3u);
  // Not processed: the property editor's own action runs (a value list moves on).
  Actions->Process = false;
  ClickValue("Shape");
  Inspector->DoEdit(RowIndex("Shape"));
  EXPECT_EQ(Gadget->Shape, gsSquare);
  EXPECT_EQ(Text(), "gsSquare");
}

TEST_F(ObjectInspectorEditTest, ASecondClickSoonAfterTheEditorWasBuiltIsADoubleClick) {
  Inspector->SetOnEditButtonClick(MakeMethod<&TEditActions::EditButtonClick>(Actions));
  ClickValue("Label");
  // The second click lands in the editor built by the first.
  Driver.AdvanceClock(50);
  const TPoint point = CellPoint(1, RowIndex("Label"), 20);
  Driver.Click(point.X, point.Y);
  EXPECT_EQ(Actions->Calls, std::vector<std::string>{"Label"});
  // Much later it is an ordinary click.
  Driver.AdvanceClock(5000);
  Driver.Click(point.X, point.Y);
  EXPECT_EQ(Actions->Calls.size(), 1u);
}

TEST_F(ObjectInspectorEditTest, SetFocusToPropertyFollowsDottedPathsThroughOpenRows) {
  Inspector->SetFocusToProperty("Font.Name");
  EXPECT_EQ(Inspector->GetRow(), 0) << "Font is collapsed: nothing is found";
  Inspector->DoPlusMinus(RowIndex("Font"));
  Inspector->SetFocusToProperty("Font.Name");
  const int32_t font = RowIndex("Font");
  EXPECT_GT(Inspector->GetRow(), font);
  EXPECT_EQ(Inspector->GetInfoRec(Inspector->GetRow())->DisplayName, "Name");
  EXPECT_EQ(Inspector->GetInfoRec(Inspector->GetRow())->Level, 1);
  EXPECT_EQ(Inspector->GetEditRow(), Inspector->GetRow());
  // One segment: the first row of that name in display order, here Font's own Name.
  Inspector->SetRow(0);
  Inspector->SetFocusToProperty("Name");
  EXPECT_EQ(Inspector->GetInfoRec(Inspector->GetRow())->Level, 1);
  Inspector->SetFocusToProperty("Font.Nothing");
  EXPECT_EQ(Inspector->GetInfoRec(Inspector->GetRow())->Level, 1);
  Inspector->SetFocusToProperty("name");
  EXPECT_EQ(Inspector->GetInfoRec(Inspector->GetRow())->Level, 1) << "names compare exactly";
}

TEST_F(ObjectInspectorEditTest, NoEditorOnAReadOnlyInspectorOrAGroupRow) {
  ClickValue("Count");
  Inspector->SetReadOnly(true);
  EXPECT_FALSE(Inspector->GetEditorActive());
  EXPECT_LT(Editor()->GetLeft(), 0) << "parked outside the client area";
  Inspector->SetReadOnly(false);
  EXPECT_TRUE(Inspector->GetEditorActive());
  // Grouped rows: the header gets none.
  Inspector->SetGridOptions(Inspector->GetOptions() + TOIOptions{oiUseGroups});
  ClickCell(1, 0, 20);
  ASSERT_TRUE(Inspector->GetInfoRec(0)->IsGroup);
  EXPECT_FALSE(Inspector->GetEditorActive());
  EXPECT_FALSE(Inspector->GetInplaceEditorShown());
}

TEST_F(ObjectInspectorEditTest, ChoosingAnotherComponentCommitsTheTypedText) {
  ClickValue("Count");
  Driver.Type("6");
  TGadget* other = NewGadget("Gadget2");
  Inspector->SetControl(other);
  EXPECT_EQ(Gadget->GetCount(), 6);
  EXPECT_EQ(other->GetCount(), 0);
  EXPECT_EQ(Inspector->GetControl(), other);
}
