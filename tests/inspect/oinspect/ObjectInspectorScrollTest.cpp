#include <gtest/gtest.h>

#include "InspectorTestSupport.h"
#include "oinspect/OInplaceEdit.h"

using namespace InspectorTest;

namespace {
class ObjectInspectorScrollTest : public ::testing::Test, public TInspectorFixture {
 protected:
  ObjectInspectorScrollTest() {
    Ungroup();
    Gadget = NewGadget("Gadget1");
    Inspector->SetControl(Gadget);
    Driver.ProcessMessages();
  }

  SCROLLINFO Bar() const {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Inspector->GetHandle(), SB_VERT, &info);
    return info;
  }
  void Scroll(int code) { Inspector->Perform(WM_VSCROLL, static_cast<WPARAM>(code), 0); }
  // The editor stands on its cell: one pixel below its top, one right of its left edge.
  void ExpectEditorOnCell(int32_t row) {
    const TRect cell = Inspector->CellRect(1, row);
    ASSERT_NE(cell.Bottom, 0) << "row " << row << " is not on screen";
    EXPECT_EQ(Inspector->GetInplaceEdit()->GetTop(), cell.Top + 1);
    EXPECT_EQ(Inspector->GetInplaceEdit()->GetLeft(), cell.Left + 1);
  }

  TGadget* Gadget;
};
}  // namespace

TEST_F(ObjectInspectorScrollTest, TheBarShowsTheRowsAndScrollsByLinesAndPages) {
  const int32_t rows = Inspector->GetRowCount();
  const int32_t page = Inspector->GetVisibleRowCount();
  ASSERT_EQ(rows, 17);
  ASSERT_LT(page, rows);
  SCROLLINFO bar = Bar();
  EXPECT_EQ(bar.nMin, 0);
  EXPECT_EQ(bar.nMax, rows - 1);
  EXPECT_EQ(static_cast<int32_t>(bar.nPage), page);
  EXPECT_EQ(bar.nPos, 0);
  Scroll(SB_LINEUP);
  EXPECT_EQ(Inspector->GetTopRow(), 0);
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(Inspector->GetTopRow(), std::min(page, rows - page));
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(Inspector->GetTopRow(), rows - page) << "clamped to the last page";
  EXPECT_EQ(Bar().nPos, rows - page);
  Scroll(SB_LINEUP);
  EXPECT_EQ(Inspector->GetTopRow(), rows - page - 1);
  // Top and bottom are not the inspector's commands.
  Scroll(SB_TOP);
  Scroll(SB_BOTTOM);
  EXPECT_EQ(Inspector->GetTopRow(), rows - page - 1);
  Scroll(SB_PAGEUP);
  Scroll(SB_PAGEUP);
  EXPECT_EQ(Inspector->GetTopRow(), 0);
}

TEST_F(ObjectInspectorScrollTest, TheRowsFollowTheThumbWhileItIsDragged) {
  // The thumb starts below the bar's top arrow, at the right edge of the client area.
  const TPoint top = Inspector->ClientToScreen({Inspector->GetClientWidth(), 0});
  const int x = top.X + GetSystemMetrics(SM_CXVSCROLL) / 2;
  const int y = top.Y + GetSystemMetrics(SM_CYVSCROLL) + 3;
  Driver.MoveTo(x, y);
  Driver.Press();
  Driver.MoveTo(x, y + 30);
  const int32_t tracked = Inspector->GetTopRow();
  EXPECT_GT(tracked, 0) << "the rows move before the thumb is let go";
  Driver.MoveTo(x, y + 200);
  const int32_t last = Inspector->GetRowCount() - Inspector->GetVisibleRowCount();
  EXPECT_EQ(Inspector->GetTopRow(), last);
  Driver.Release();
  EXPECT_EQ(Inspector->GetTopRow(), last);
  EXPECT_EQ(Bar().nPos, last);
}

TEST_F(ObjectInspectorScrollTest, TheEditorStaysOnItsRowWhileScrolling) {
  ClickCell(1, 3, 20);
  ExpectEditorOnCell(3);
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(Inspector->GetTopRow(), 1);
  ExpectEditorOnCell(3);
  EXPECT_TRUE(Inspector->GetInplaceEdit()->Focused());
  // Scrolled out of sight, the editor is hidden; scrolled back, it returns to its row.
  Scroll(SB_PAGEDOWN);
  EXPECT_FALSE(Inspector->GetInplaceEdit()->GetVisible());
  Scroll(SB_PAGEUP);
  Scroll(SB_PAGEUP);
  ExpectEditorOnCell(3);
  EXPECT_TRUE(Inspector->GetInplaceEdit()->GetVisible());
  // Scrolled by a program, too.
  Inspector->SetTopRow(2);
  ExpectEditorOnCell(3);
}

TEST_F(ObjectInspectorScrollTest, ResizingWidensTheValueColumnAndTheEditor) {
  ClickCell(1, 2, 20);
  const int32_t name = Inspector->GetColWidths(0);
  const int32_t editorWidth = Inspector->GetInplaceEdit()->GetWidth();
  Inspector->SetBounds(0, 0, Inspector->GetWidth() + 30, Inspector->GetHeight());
  // The value column reaches the control's full width (clipped under the bar).
  EXPECT_EQ(Inspector->GetColWidths(0), name);
  EXPECT_EQ(Inspector->GetColWidths(1), Inspector->GetWidth() - name);
  EXPECT_EQ(Inspector->GetInplaceEdit()->GetWidth(), editorWidth + 30);
  ExpectEditorOnCell(2);
  // From then on it changes by what the control does.
  const int32_t value = Inspector->GetColWidths(1);
  Inspector->SetBounds(0, 0, Inspector->GetWidth() - 60, Inspector->GetHeight());
  EXPECT_EQ(Inspector->GetColWidths(0), name);
  EXPECT_EQ(Inspector->GetColWidths(1), value - 60);
  EXPECT_EQ(Inspector->GetInplaceEdit()->GetWidth(), editorWidth - 30);
  ExpectEditorOnCell(2);
}

TEST_F(ObjectInspectorScrollTest, TheRowHeightFollowsTheFontAtTheNextResize) {
  TCanvas* canvas = Inspector->GetCanvas();
  canvas->SetFont(Inspector->GetFont());
  const int32_t height = canvas->TextHeight("QWERTYUIOPASDFGHJKLZXCVBNM");
  EXPECT_EQ(Inspector->GetDefaultRowHeight(), height + 3);
  Inspector->GetFont()->SetSize(Inspector->GetFont()->GetSize() * 2);
  const int32_t before = Inspector->GetDefaultRowHeight();
  Inspector->SetBounds(0, 0, Inspector->GetWidth(), Inspector->GetHeight() + 1);
  canvas->SetFont(Inspector->GetFont());
  const int32_t larger = canvas->TextHeight("QWERTYUIOPASDFGHJKLZXCVBNM");
  ASSERT_GT(larger, height);
  EXPECT_GT(Inspector->GetDefaultRowHeight(), before);
  EXPECT_EQ(Inspector->GetDefaultRowHeight(), larger + 3);
}

TEST_F(ObjectInspectorScrollTest, AnEmptyInspectorHasNoBarAndAFullValueColumn) {
  Inspector->SetControl(nullptr);
  const SCROLLINFO bar = Bar();
  EXPECT_EQ(bar.nMax, 0);
  EXPECT_EQ(Inspector->GetColWidths(1),
            Inspector->GetClientWidth() - Inspector->GetColWidths(0) - 1);
  EXPECT_FALSE(Inspector->GetEditorActive());
}
