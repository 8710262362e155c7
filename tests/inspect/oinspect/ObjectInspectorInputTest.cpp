#include <gtest/gtest.h>

#include "InspectorTestSupport.h"
#include "oinspect/OInplaceEdit.h"

using namespace InspectorTest;

namespace {
// Records the splitter's events.
class TSplitterLog : public TObject {
  DECLARE_CLASS(TSplitterLog, TObject);

 public:
  TSplitterLog() = default;
  void Moving(TObject*, int32_t x) { Moves.push_back(x); }
  void Moved(TObject*, int32_t x) { Ends.push_back(x); }
  std::vector<int32_t> Moves;
  std::vector<int32_t> Ends;
};
IMPLEMENT_CLASS(TSplitterLog) {}

class ObjectInspectorInputTest : public ::testing::Test, public TInspectorFixture {
 protected:
  ObjectInspectorInputTest() {
    Ungroup();
    Gadget = NewGadget("Gadget1");
    Inspector->SetControl(Gadget);
    Inspector->SetOnSplitterMoving(MakeMethod<&TSplitterLog::Moving>(Splitter));
    Inspector->SetOnSplitterMoved(MakeMethod<&TSplitterLog::Moved>(Splitter));
    Driver.ProcessMessages();
  }
  ~ObjectInspectorInputTest() override { Splitter->Free(); }

  std::string Current() const { return Inspector->GetInfoRec(Inspector->GetRow())->DisplayName; }
  // A screen point on the line between the columns, offset by dx, halfway down a row.
  TPoint SplitPoint(int dx, int32_t row = 2) const {
    const TRect cell = Inspector->CellRect(0, row);
    return Inspector->ClientToScreen({Inspector->GetColWidths(0) + dx, cell.Top + 3});
  }
  TPoint ClientPoint(int x, int y) const { return Inspector->ClientToScreen({x, y}); }

  TGadget* Gadget;
  TSplitterLog* Splitter = new TSplitterLog();
};
}  // namespace

TEST_F(ObjectInspectorInputTest, UpAndDownMoveAcrossGroupHeaders) {
  Inspector->GetAliases()->SetText("[Looks]\nColor\nShape\n");
  Inspector->SetGridOptions(Inspector->GetOptions() + TOIOptions{oiUseGroups});
  ASSERT_EQ(RowNames()[3], "Other");
  ClickCell(1, RowIndex("Shape"), 20);
  ASSERT_TRUE(Inspector->GetEditorActive());
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(Current(), "Other");
  EXPECT_FALSE(Inspector->GetEditorActive()) << "a group header gets no editor";
  EXPECT_TRUE(Inspector->GetInplaceEdit()->Focused()) << "the parked editor keeps the focus";
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(Current(), "Caption");
  EXPECT_TRUE(Inspector->GetEditorActive());
  Driver.PressKey(VK_UP);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(Current(), "Shape");
  // The first row: Up leaves the row where it is; so does Down on the last row.
  Driver.PressKey(VK_UP);
  Driver.PressKey(VK_UP);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(Inspector->GetRow(), 0);
  Driver.PressKey(VK_NEXT);
  Driver.PressKey(VK_NEXT);
  Driver.PressKey(VK_NEXT);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(Inspector->GetRow(), Inspector->GetRowCount() - 1);
  EXPECT_TRUE(Inspector->GetEditorActive());
}

TEST_F(ObjectInspectorInputTest, KeypadPlusMinusAndMultiplyExpandAndCollapse) {
  // Frame expands into sub-properties: its editor is read-only, so the keypad keys are the grid's.
  ClickCell(1, RowIndex("Frame"), 20);
  const size_t rows = RowNames().size();
  Driver.PressKey(VK_ADD);
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(RowNames().size(), rows + 3);
  Driver.PressKey(VK_ADD);
  EXPECT_EQ(RowNames().size(), rows + 3) << "plus on an expanded row does nothing";
  Driver.PressKey(VK_SUBTRACT);
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  EXPECT_EQ(RowNames().size(), rows);
  // Multiply opens the whole subtree.
  Driver.PressKey(VK_MULTIPLY);
  const int32_t frame = RowIndex("Frame");
  std::vector<std::string> open;
  for (int32_t i = frame; i < frame + 10; ++i)
    open.push_back(Inspector->GetInfoRec(i)->DisplayName);
  EXPECT_EQ(open, (std::vector<std::string>{"Frame", "Border", "Sides", "gsBottom", "gsLeft",
                                            "gsRight", "gsTop", "Width", "Color", "Width"}));
  EXPECT_EQ(Inspector->GetRowCount(), Inspector->GetInfoRecCount());
  // On an editable row the keys are text.
  ClickCell(1, RowIndex("Label"), 20);
  Driver.PressKey(VK_ADD);
  EXPECT_EQ(Inspector->GetInplaceEdit()->GetText(), "+");
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
}

TEST_F(ObjectInspectorInputTest, ClicksOnTheGlyphToggleWithEitherButton) {
  const int32_t frame = RowIndex("Frame");
  // Level 0: the glyph at x 3..11; its zone reaches from -3 to 11.
  ClickCell(0, frame, 8);
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  Driver.AdvanceClock(2000);
  const TPoint glyph = CellPoint(0, frame, 8);
  Driver.Click(glyph.X, glyph.Y, MouseRight);
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  // Right of the zone, a click chooses the row instead.
  ClickCell(0, frame, 14);
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  EXPECT_EQ(Inspector->GetRow(), frame);
  // A double click on the name toggles, one on the value of a plain row writes nothing.
  Driver.AdvanceClock(2000);
  const TPoint name = CellPoint(0, frame, 40);
  Driver.DoubleClick(name.X, name.Y);
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(Errors(), "");
}

TEST_F(ObjectInspectorInputTest, ClickingTheCurrentRowAgainKeepsTheEditor) {
  ClickCell(1, RowIndex("Label"), 20);
  const uint32_t built = Inspector->GetInplaceEdit()->GetShowTime();
  Driver.Type("typed");
  ClickCell(0, RowIndex("Label"), 40);
  EXPECT_EQ(Inspector->GetInplaceEdit()->GetShowTime(), built);
  EXPECT_EQ(Inspector->GetInplaceEdit()->GetText(), "typed") << "nothing was committed";
}

TEST_F(ObjectInspectorInputTest, AnEmptyGridIgnoresClicks) {
  TButton* button = New<TButton>(Form, 310, 10, 60, 24, "Button1");
  button->SetFocus();
  Inspector->SetControl(nullptr);
  Driver.ProcessMessages();
  const TPoint point = ClientPoint(100, 10);
  Driver.Click(point.X, point.Y);
  EXPECT_TRUE(button->Focused());
  EXPECT_FALSE(Inspector->GetEditorActive());
}

TEST_F(ObjectInspectorInputTest, TheSplitterIsClampedFortyPixelsFromEitherSide) {
  const int32_t split = Inspector->GetColWidths(0);
  // The hot zone: two pixels either side with SplitterSize 3, not three.
  TPoint outside = SplitPoint(-3);
  Driver.MoveTo(outside.X, outside.Y);
  Driver.Press();
  EXPECT_FALSE(Inspector->GetSizing());
  Driver.Release();
  Driver.AdvanceClock(2000);
  TPoint inside = SplitPoint(-2);
  Driver.MoveTo(inside.X, inside.Y);
  Driver.Press();
  EXPECT_TRUE(Inspector->GetSizing());
  EXPECT_EQ(Inspector->GetSizingPos(), split);
  // Moves within the margins are not reported and leave the line where it was.
  const TPoint accepted = ClientPoint(100, 20);
  Driver.MoveTo(accepted.X, accepted.Y);
  const TPoint tooFar = ClientPoint(30, 20);
  Driver.MoveTo(tooFar.X, tooFar.Y);
  EXPECT_EQ(Splitter->Moves, std::vector<int32_t>{100});
  EXPECT_EQ(Inspector->GetSizingPos(), 100);
  const TPoint release = ClientPoint(10, 20);
  Driver.MoveTo(release.X, release.Y);
  Driver.Release();
  EXPECT_FALSE(Inspector->GetSizing());
  EXPECT_EQ(Inspector->GetColWidths(0), 40);
  EXPECT_EQ(Inspector->GetColWidths(1), Inspector->GetWidth() - 40);
  EXPECT_EQ(Splitter->Ends, std::vector<int32_t>{40});
  // And on the right.
  Driver.AdvanceClock(2000);
  inside = SplitPoint(0);
  Driver.Drag(inside.X, inside.Y, ClientPoint(Inspector->GetWidth() - 5, 20).X, inside.Y);
  EXPECT_EQ(Inspector->GetColWidths(0), Inspector->GetWidth() - 40);
  EXPECT_EQ(Splitter->Ends.back(), Inspector->GetWidth() - 40);
  // The editor follows the new column.
  ClickCell(1, RowIndex("Label"), 5);
  EXPECT_EQ(Inspector->GetInplaceEdit()->GetLeft(),
            Inspector->CellRect(1, RowIndex("Label")).Left + 1);
}

TEST_F(ObjectInspectorInputTest, DraggingWithTheButtonHeldMovesTheSelection) {
  const TPoint from = CellPoint(0, 1, 60);
  const TPoint to = CellPoint(1, 4, 20);
  Driver.AdvanceClock(2000);
  Driver.MoveTo(from.X, from.Y);
  Driver.Press();
  EXPECT_EQ(Inspector->GetRow(), 1);
  Driver.MoveTo(to.X, to.Y);
  EXPECT_EQ(Inspector->GetRow(), 4) << "the row under the pointer, whatever the column";
  // Held below the control, each move goes one row further.
  const TPoint below = ClientPoint(60, Inspector->GetHeight() + 20);
  Driver.MoveTo(below.X, below.Y);
  Driver.MoveTo(below.X + 1, below.Y);
  EXPECT_EQ(Inspector->GetRow(), 6);
  Driver.Release();
  EXPECT_TRUE(Inspector->GetEditorActive());
  EXPECT_EQ(Inspector->GetEditRow(), 6);
  EXPECT_TRUE(Inspector->GetFrameShown());
}

TEST_F(ObjectInspectorInputTest, ReadOnlyNavigationAndOtherKeys) {
  Inspector->SetReadOnly(true);
  ClickCell(1, 2, 20);
  EXPECT_FALSE(Inspector->GetEditorActive());
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(Inspector->GetRow(), 3);
  EXPECT_EQ(Inspector->GetEditRow(), 3);
  // Keys other than the four navigation keys are consumed without effect.
  for (int key : {VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_TAB, VK_RETURN})
    Driver.PressKey(key);
  EXPECT_EQ(Inspector->GetRow(), 3);
  EXPECT_EQ(Inspector->GetCol(), 1);
}

TEST_F(ObjectInspectorInputTest, TheSplitterShowsItsCursorAndTakesTheDesignersPresses) {
  const TPoint near = SplitPoint(1);
  Driver.MoveTo(near.X, near.Y);
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crHSplit));
  const TPoint away = SplitPoint(30);
  Driver.MoveTo(away.X, away.Y);
  EXPECT_NE(GetCursor(), Screen->GetCursors(crHSplit));
  const int32_t split = Inspector->GetColWidths(0);
  EXPECT_EQ(Inspector->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(split - 2, 10)), 1);
  EXPECT_EQ(Inspector->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(split + 3, 10)), 0);
}
