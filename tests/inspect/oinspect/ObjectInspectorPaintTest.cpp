// The inspector's painting, read back from the framebuffer: rows are 24 pixels high, so the
// boundary below row k lies at y = 24 (k + 1) and its line on the pixel row above it.
#include <gtest/gtest.h>

#include "InspectorTestSupport.h"
#include "controls/CustomControl.h"
#include "core/StringList.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/VxMessages.h"

using namespace InspectorTest;
using ControlTest::IsDark;
using ControlTest::Rgb;

namespace {
// An OnDrawCell handler that fills the cells it is given in red, and notes them.
class TCellPainter : public TObject {
  DECLARE_CLASS(TCellPainter, TObject);

 public:
  TCellPainter() = default;
  void DrawCell(TObject* sender, TComponentList*, TPropertyEditor* editor, int32_t column,
                TRect rect, bool& processed) {
    Cells.push_back(editor->GetName() + ":" + std::to_string(column));
    auto* canvas = static_cast<TCustomObjectInspector*>(sender)->GetCanvas();
    canvas->GetBrush()->SetColor(clRed);
    canvas->FillRect(rect);
    processed = Processed;
  }
  std::vector<std::string> Cells;
  bool Processed = true;
};

// Paints its value as a block: red for the text "red", blue for anything else, over its whole
// client size at the point CM_PAINTTO names. Counts its instances.
class TShadeEdit : public TCustomControl {
  DECLARE_CLASS(TShadeEdit, TCustomControl);

 public:
  explicit TShadeEdit(TComponent* owner) : TCustomControl(owner) { ++Instances; }
  void WMSetText(TWMSetText& message) { Shade = message.Text(); }
  void CMPaintTo(TMessage& message) {
    auto* canvas = reinterpret_cast<TCanvas*>(message.WParam);
    const TPoint at = PointFromLParam(message.LParam);
    canvas->GetBrush()->SetColor(Shade == "red" ? clRed : clBlue);
    canvas->FillRect({at.X, at.Y, at.X + GetClientWidth(), at.Y + GetClientHeight()});
    message.Result = 1;
  }

  std::string Shade;
  static inline int Instances = 0;
};

// An edit class that does not answer CM_PAINTTO: its rows are painted as text.
class TMuteEdit : public TCustomControl {
  DECLARE_CLASS(TMuteEdit, TCustomControl);

 public:
  using TCustomControl::TCustomControl;
};

class TSwatchHolder : public TComponent {
  DECLARE_CLASS(TSwatchHolder, TComponent);

 public:
  using TComponent::TComponent;
  std::string Shade = "red";
  std::string Tint = "blue";
  std::string Plain = "plain";
};

class ObjectInspectorPaintTest : public ::testing::Test, public TInspectorFixture {
 protected:
  ObjectInspectorPaintTest() {
    // Without a border the client area is the whole control: 301 x 420, an odd width.
    Form->SetBounds(0, 0, 600, 470);
    Inspector->SetBorderStyle(bsNone);
    Inspector->SetBounds(0, 0, 301, 420);
    Inspector->SetFixedColWidth(120);
    Gadget = NewGadget("Gadget1");
  }
  void Paint() {
    // Rows of 24 pixels whatever the font measures (a resize measures it again): the pixel
    // positions the tests read count on it.
    Inspector->SetDefaultRowHeight(24);
    Inspector->Invalidate();
    Inspector->Update();
  }
  COLORREF At(int x, int y) { return Pixel(Inspector, x, y); }
  // The first column in [left, right) of the band of rows [top, bottom) with a dark pixel, or
  // -1.
  int FirstDarkColumn(int left, int right, int top, int bottom) {
    for (int x = left; x < right; ++x)
      for (int y = top; y < bottom; ++y)
        if (IsDark(At(x, y))) return x;
    return -1;
  }
  // Makes row the editor row.
  void EditOn(int32_t row) {
    Inspector->SetRow(row);
    Inspector->UpdateEditor();
    Paint();
  }
  int ColumnLine() const { return Inspector->GetColWidths(0) - 1; }

  TGadget* Gadget;
};
}  // namespace

IMPLEMENT_CLASS(TCellPainter) {}
IMPLEMENT_CLASS(TShadeEdit) {
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(CM_PAINTTO, CMPaintTo);
}
IMPLEMENT_CLASS(TMuteEdit) {}
IMPLEMENT_CLASS(TSwatchHolder) {
  PROPERTY(Shade, Shade, Shade);
  PROPERTY(Tint, Tint, Tint);
  PROPERTY(Plain, Plain, Plain);
}

TEST_F(ObjectInspectorPaintTest, AnEmptyGridPaintsOnlyTheBackground) {
  for (TInspectorStyle style : {isDelphi, isVB}) {
    Inspector->SetStyle(style);
    Paint();
    const COLORREF back = Rgb(Inspector->GetColors()->GetBackColor());
    int other = 0;
    for (int y = 0; y < 420; y += 3)
      for (int x = 0; x < 301; x += 3)
        if (At(x, y) != back) ++other;
    EXPECT_EQ(other, 0) << style;
  }
}

TEST_F(ObjectInspectorPaintTest, GlyphsAndNamesAreIndentedByLevel) {
  Ungroup();
  Inspector->SetControl(Gadget);
  const int32_t frame = RowIndex("Frame");
  Inspector->DoPlusMinus(frame);      // Frame, level 0, expanded: the minus glyph
  Inspector->DoPlusMinus(frame + 1);  // Border, level 1: its Sides at level 2, collapsed
  Paint();
  const int top = frame * 24;
  const COLORREF back = Rgb(clBtnFace);
  // The glyph's outline from x = 3 to 11 and y = top + 7 to 15, copied opaque.
  EXPECT_EQ(At(3, top + 7), Rgb(clBlack));
  EXPECT_EQ(At(11, top + 15), Rgb(clBlack));
  EXPECT_EQ(At(2, top + 7), back);
  EXPECT_EQ(At(12, top + 15), back);
  EXPECT_EQ(At(7, top + 11), Rgb(clBlack));  // the bar across
  EXPECT_EQ(At(7, top + 9), Rgb(clWhite));   // no bar down: minus
  const int name = FirstDarkColumn(12, 60, top + 1, top + 23);
  EXPECT_GE(name, 14);
  EXPECT_LE(name, 15);
  // Level 2: glyph at x = 21, name from x = 32; the plus glyph has its bar down.
  const int sidesTop = (frame + 2) * 24;
  ASSERT_EQ(Inspector->GetInfoRec(frame + 2)->DisplayName, "Sides");
  EXPECT_EQ(At(21, sidesTop + 7), Rgb(clBlack));
  EXPECT_EQ(At(20, sidesTop + 7), back);
  EXPECT_EQ(At(25, sidesTop + 9), Rgb(clBlack));
  const int sidesName = FirstDarkColumn(30, 80, sidesTop + 1, sidesTop + 23);
  EXPECT_GE(sidesName, 32);
  EXPECT_LE(sidesName, 34);
  // A row without sub-properties has no glyph.
  const int countTop = RowIndex("Count") * 24;
  EXPECT_EQ(FirstDarkColumn(0, 13, countTop + 1, countTop + 23), -1);
}

TEST_F(ObjectInspectorPaintTest, HorizontalLinesInBothStylesAndErased) {
  Ungroup();
  Inspector->SetControl(Gadget);  // 17 rows: all in view, no scroll bar
  Paint();
  ASSERT_EQ(Inspector->GetClientWidth(), 301);
  // Delphi look: dotted, grey on even x and the background on odd x, so an odd width ends in
  // grey. The boundary below row 2 is away from the editor row's frame.
  const int y = 3 * 24 - 1;
  const int line = ColumnLine();
  int wrong = 0;
  for (int x = 0; x < 301; ++x) {
    if (x == line || x == line + 1) continue;
    if (At(x, y) != Rgb(x % 2 == 0 ? clGray : clBtnFace)) ++wrong;
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(At(300, y), Rgb(clGray));
  // VB look: solid silver.
  Inspector->SetStyle(isVB);
  Paint();
  wrong = 0;
  for (int x = 0; x < 301; ++x)
    if (At(x, y) != Rgb(clSilver)) ++wrong;
  EXPECT_EQ(wrong, 0);
  // Without oiHorzLine every boundary is painted in the background colour.
  Inspector->SetStyle(isCustom);
  Inspector->SetGridOptions(Inspector->GetOptions() - TOIOptions{oiHorzLine});
  Paint();
  wrong = 0;
  for (int x = 0; x < 301; ++x)
    if (x != line && At(x, y) != Rgb(clWhite)) ++wrong;
  EXPECT_EQ(wrong, 0);
}

TEST_F(ObjectInspectorPaintTest, TheColumnLineLeavesAGapAtTheEditorRowsTopEdge) {
  Inspector->SetControl(Gadget);
  EditOn(3);  // rows 72 to 95
  const int x = ColumnLine();
  for (int y : {5, 50, 71, 73, 150, 400})
    EXPECT_EQ(At(x, y), Rgb(clGray)) << y;
  for (int y : {5, 50, 150, 400})
    EXPECT_EQ(At(x + 1, y), Rgb(clWhite)) << y;
  // The gap: the frame's black top line shows there.
  EXPECT_EQ(At(x, 72), Rgb(clBlack));
  // With oiVertLine cleared the line is painted over in the background colour.
  Inspector->SetStyle(isCustom);
  Inspector->SetGridOptions(Inspector->GetOptions() - TOIOptions{oiVertLine, oiVertLine3D});
  Paint();
  EXPECT_EQ(At(x, 150), Rgb(clBtnFace));
  EXPECT_EQ(At(x + 1, 150), Rgb(clBtnFace));
}

TEST_F(ObjectInspectorPaintTest, TheEditorRowsFrameInEachFrameMode) {
  Inspector->SetControl(Gadget);
  const int value = Inspector->GetColWidths(0) + 10;
  // Plain sunken frame (Delphi look): dark line above, black top, white bottom line, and a
  // black bar down the name cell's left edge.
  EditOn(3);
  EXPECT_EQ(At(5, 71), Rgb(clGray));
  EXPECT_EQ(At(5, 72), Rgb(clBlack));
  EXPECT_EQ(At(value, 72), Rgb(clBlack));
  EXPECT_EQ(At(0, 80), Rgb(clBlack));
  EXPECT_EQ(At(5, 95), Rgb(clWhite));
  EXPECT_EQ(At(value, 95), Rgb(clWhite));
  // Sunken with oiEditBorder (VB look): black lines just outside the row; black because the
  // background is white.
  Inspector->SetStyle(isVB);
  Paint();
  EXPECT_EQ(At(5, 71), Rgb(clBlack));
  EXPECT_EQ(At(5, 72), Rgb(clWhite));
  EXPECT_EQ(At(value, 72), Rgb(clWhite));
  EXPECT_EQ(At(5, 96), Rgb(clBlack));
  // oiEditBorder alone, on the Delphi colours: a white line just below the row.
  Inspector->SetStyle(isDelphi);
  Inspector->SetStyle(isCustom);
  Inspector->SetGridOptions({oiHorzLine, oiVertLine, oiEditBorder, oiUseAliases, oiUseGroups});
  Paint();
  EXPECT_EQ(At(5, 96), Rgb(clWhite));
  EXPECT_EQ(At(5, 80), Rgb(clBtnFace));
  // No frame at all: the editor row's boundaries are ordinary dotted lines.
  Inspector->SetGridOptions({oiHorzLine, oiVertLine, oiUseAliases, oiUseGroups});
  Paint();
  EXPECT_EQ(At(6, 95), Rgb(clGray));
  EXPECT_EQ(At(7, 95), Rgb(clBtnFace));
  EXPECT_EQ(At(6, 71), Rgb(clGray));
}

TEST_F(ObjectInspectorPaintTest, ValuesOfSeveralComponentsShowOnlyWhenEqual) {
  Ungroup();
  TGadget* other = NewGadget("Gadget2");
  other->Label = "other";
  Select({Gadget, other});
  const int count = RowIndex("Label") * 24;
  const int left = Inspector->GetColWidths(0) + 2;
  auto navy = [&] {
    int pixels = 0;
    for (int y = count + 1; y < count + 23; ++y)
      for (int x = left; x < left + 60; ++x)
        if (At(x, y) == Rgb(clNavy)) ++pixels;
    return pixels;
  };
  Paint();
  EXPECT_EQ(navy(), 0);
  other->Label = Gadget->Label;
  Paint();
  EXPECT_GT(navy(), 10);
}

TEST_F(ObjectInspectorPaintTest, GroupHeadersShowNoValueAndAreNotOwnerDrawn) {
  Inspector->SetControl(Gadget);
  TCellPainter painter;
  Inspector->SetOnDrawCell(MakeMethod<&TCellPainter::DrawCell>(&painter));
  EditOn(1);
  // Row 0 is the header "Other": painted by the inspector, its value cell blank.
  ASSERT_TRUE(Inspector->GetInfoRec(0)->IsGroup);
  for (const std::string& cell : painter.Cells)
    EXPECT_NE(cell.rfind("Other", 0), 0u);
  EXPECT_EQ(FirstDarkColumn(Inspector->GetColWidths(0) + 2, Inspector->GetClientWidth(), 1, 23),
            -1);
  EXPECT_NE(FirstDarkColumn(12, 80, 1, 23), -1);
  // A processed cell is the handler's, inside the adjusted rectangle: the column line stays.
  const int row = 2 * 24;
  EXPECT_EQ(At(5, row + 10), Rgb(clRed));
  EXPECT_EQ(At(ColumnLine(), row + 10), Rgb(clGray));
  EXPECT_EQ(At(ColumnLine() + 2, row + 10), Rgb(clRed));
  // Not processed: the normal painting follows.
  painter.Processed = false;
  Paint();
  EXPECT_EQ(At(5, row + 10), Rgb(clBtnFace));
}

TEST_F(ObjectInspectorPaintTest, EditorControlsPaintTheirValuesThroughOneCachedInstance) {
  for (const char* name : {"Shade", "Tint"})
    RegisterEditClass(nullptr, TSwatchHolder::StaticClass(), name, TShadeEdit::StaticClass());
  RegisterEditClass(nullptr, TSwatchHolder::StaticClass(), "Plain", TMuteEdit::StaticClass());
  Ungroup();
  auto* holder = new TSwatchHolder(Form);
  holder->SetName("Holder1");
  Inspector->SetControl(holder);
  EditOn(RowIndex("Name"));
  const int before = TShadeEdit::Instances;
  Paint();
  Paint();
  // One hidden instance paints every row of its class; none is made while painting again.
  EXPECT_LE(TShadeEdit::Instances - before, 1);
  const TRect shade = Inspector->CellRect(1, RowIndex("Shade"));
  const TRect tint = Inspector->CellRect(1, RowIndex("Tint"));
  for (int x : {shade.Left + 2, shade.Left + 40, shade.Right - 1})
    EXPECT_EQ(At(x, shade.Top + 5), Rgb(clRed)) << x;
  EXPECT_EQ(At(tint.Left + 40, tint.Top + 5), Rgb(clBlue));
  // The row boundary below stays a line of the grid, not the editor's.
  EXPECT_NE(At(shade.Left + 40, shade.Bottom - 1), Rgb(clRed));
  // A class that does not answer leaves the value to the inspector's text.
  const TRect plain = Inspector->CellRect(1, RowIndex("Plain"));
  int textPixels = 0;
  for (int y = plain.Top + 1; y < plain.Bottom - 1; ++y)
    for (int x = plain.Left; x < plain.Right; ++x)
      if (At(x, y) == Rgb(clNavy)) ++textPixels;
  EXPECT_GT(textPixels, 10);
  EXPECT_NE(At(plain.Left + 40, plain.Top + 5), Rgb(clBlue));
  // The value painted is the current one.
  holder->Shade = "dark";
  Paint();
  EXPECT_EQ(At(shade.Left + 40, shade.Top + 5), Rgb(clBlue));
}

TEST_F(ObjectInspectorPaintTest, TheColumnLineGapIsAtTheTopWhenTheEditorRowIsOutOfView) {
  Ungroup();
  Inspector->SetBounds(0, 0, 301, 200);  // eight rows in view
  Inspector->SetControl(Gadget);
  ASSERT_GT(Inspector->GetInfoRecCount(), 12);
  const int x = ColumnLine();
  // The whole client is filled red first: the gap is the one pixel of the line left red.
  auto paintOverRed = [&] {
    Inspector->GetCanvas()->GetBrush()->SetColor(clRed);
    Inspector->GetCanvas()->FillRect(Inspector->GetClientRect());
    Paint();
  };
  auto expectGapAtTop = [&](const char* where) {
    EXPECT_EQ(At(x, 0), Rgb(clRed)) << where;
    for (int y : {1, 30, 100, 190})
      EXPECT_EQ(At(x, y), Rgb(clGray)) << where << " y " << y;
  };
  // Above the view.
  EditOn(1);
  Inspector->SetTopRow(5);
  paintOverRed();
  expectGapAtTop("above");
  // Below it.
  Inspector->SetTopRow(0);
  Inspector->SetRow(Inspector->GetInfoRecCount() - 1);
  Inspector->UpdateEditor();
  Inspector->SetTopRow(0);
  paintOverRed();
  ASSERT_EQ(Inspector->CellRect(0, Inspector->GetEditRow()).Bottom, 0);
  expectGapAtTop("below");
}
