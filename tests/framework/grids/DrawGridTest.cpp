#include <gtest/gtest.h>

#include "../controls/ControlTestSupport.h"
#include "core/SysUtils.h"
#include "grids/DrawGrid.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace ControlTest;

namespace {
// Records the draw grid's events.
class TGridEvents : public TObject {
  DECLARE_CLASS(TGridEvents, TObject);

 public:
  TGridEvents() = default;
  void DrawCell(TObject*, int32_t col, int32_t row, TRect rect, TGridDrawState state) {
    Lines.push_back(Format("Draw %d,%d %d,%d%s", col, row, rect.Left, rect.Top,
                           state.Contains(gdFixed) ? " fixed" : ""));
  }
  void SelectCell(TObject*, int32_t col, int32_t row, bool& canSelect) {
    Lines.push_back(Format("Select %d,%d", col, row));
    canSelect = row != 3;
  }
  void TopLeftChanged(TObject* sender) {
    Lines.push_back(Format("TopLeft %d", static_cast<TDrawGrid*>(sender)->GetTopRow()));
  }
  std::vector<std::string> Lines;
};

class DrawGridTest : public ::testing::Test, public TFixture {
 protected:
  static std::string Write(TComponent* root) {
    TWriter writer;
    writer.WriteRootComponent(root);
    return writer.GetText();
  }
  static TForm* Read(const std::string& text) {
    TReader reader(text);
    return dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  }
  TGridEvents* Events = new TGridEvents();
  ~DrawGridTest() override { Events->Free(); }
};
}  // namespace

IMPLEMENT_CLASS(TGridEvents) {}

TEST_F(DrawGridTest, EventsPaintSelectAndFollowScrolling) {
  TForm* form = NewForm(0, 0, 400, 300);
  auto* grid = New<TDrawGrid>(form, 0, 0, 200, 100, "Cells");
  grid->SetRowCount(3);
  grid->SetColCount(2);
  grid->SetOnDrawCell(MakeMethod<&TGridEvents::DrawCell>(Events));
  grid->SetOnSelectCell(MakeMethod<&TGridEvents::SelectCell>(Events));
  grid->SetOnTopLeftChanged(MakeMethod<&TGridEvents::TopLeftChanged>(Events));
  grid->SetOnDblClick(MakeMethod<&TEventLog::DblClick>(Log));
  grid->Invalidate();
  grid->Update();
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Draw 0,0 0,0 fixed", "Draw 1,0 65,0 fixed",
                                                     "Draw 0,1 0,25 fixed", "Draw 1,1 65,25",
                                                     "Draw 0,2 0,50 fixed", "Draw 1,2 65,50"}));
  Events->Lines.clear();
  grid->SetRow(2);
  EXPECT_THROW(grid->SetRow(3), EInvalidOperation);  // outside: refused before asking
  grid->SetRowCount(20);
  grid->SetRow(3);  // the handler refuses
  EXPECT_EQ(grid->GetRow(), 2);
  grid->SetTopRow(5);
  EXPECT_EQ(Events->Lines, (std::vector<std::string>{"Select 1,2", "Select 1,3", "TopLeft 5"}));
  // A double click fires OnDblClick once.
  ClickAt(grid, 100, 30);
  Driver.AdvanceClock(1000);
  const TPoint p = ScreenPoint(grid, 100, 30);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"DblClick Cells"}));
}

TEST_F(DrawGridTest, ColumnWidthsAndPropertiesRoundTripThroughFormFiles) {
  auto* form = new TForm(nullptr);
  form->SetName("GridForm");
  auto* grid = new TDrawGrid(form);
  grid->SetName("Cells");
  grid->SetParent(form);
  grid->SetColCount(3);
  grid->SetRowCount(12);
  grid->SetFixedRows(7);
  grid->SetDefaultRowHeight(18);
  grid->SetOptions({goVertLine, goThumbTracking});
  grid->SetScrollBars(ssHorizontal);
  grid->SetColWidths(1, 120);
  grid->SetColWidths(2, 0);
  const std::string text = Write(form);
  form->Free();
  EXPECT_NE(text.find("ColWidths = (\n"), std::string::npos) << text;
  TForm* read = Read(text);
  ASSERT_NE(read, nullptr);
  auto* copy = dynamic_cast<TDrawGrid*>(read->FindComponent("Cells"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetColCount(), 3);
  EXPECT_EQ(copy->GetRowCount(), 12);
  EXPECT_EQ(copy->GetFixedRows(), 7);
  EXPECT_EQ(copy->GetDefaultRowHeight(), 18);
  EXPECT_EQ(copy->GetOptions(), (TGridOptions{goVertLine, goThumbTracking}));
  EXPECT_EQ(copy->GetScrollBars(), ssHorizontal);
  EXPECT_EQ(copy->GetColWidths(0), 64);
  EXPECT_EQ(copy->GetColWidths(1), 120);
  EXPECT_EQ(copy->GetColWidths(2), 0);
  EXPECT_EQ(Write(read), text);
  read->Free();
  // Widths that all have the default are not written.
  auto* plain = new TForm(nullptr);
  plain->SetName("Plain");
  (new TDrawGrid(plain))->SetParent(plain);
  EXPECT_EQ(Write(plain).find("ColWidths"), std::string::npos);
  plain->Free();
}

TEST_F(DrawGridTest, MoreWidthsThanColumnsAreAReadError) {
  const std::string text =
      "object GridForm: TForm\n"
      "  object Cells: TDrawGrid\n"
      "    ColCount = 2\n"
      "    ColWidths = (\n"
      "      10\n"
      "      20\n"
      "      30)\n"
      "  end\n"
      "end\n";
  try {
    Read(text);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_NE(e.GetMessage().find("ColWidths lists 3 widths for 2 columns"), std::string::npos)
        << e.GetMessage();
  }
}
