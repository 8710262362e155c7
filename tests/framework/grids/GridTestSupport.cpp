#include "GridTestSupport.h"

#include "core/SysUtils.h"

namespace GridTest {

IMPLEMENT_CLASS(TProbeGrid) {}

void TProbeGrid::DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) {
  Draws.push_back({col, row, rect, state});
  if (CellColor == clNone || state.Contains(gdFixed)) return;
  GetCanvas()->GetBrush()->SetColor(CellColor);
  GetCanvas()->FillRect(rect);
}

bool TProbeGrid::SelectCell(int32_t col, int32_t row) {
  Events.push_back(Format("Select %d,%d", col, row));
  return !(col == Refused.X && row == Refused.Y);
}

void TProbeGrid::TopLeftChanged() {
  Events.push_back(Format("TopLeft %d,%d", GetLeftCol(), GetTopRow()));
}

void TProbeGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Events.push_back(
      Format("MouseDown %d %d,%d%s", int(button), x, y, shift.Contains(ssDouble) ? " double" : ""));
  if (!KeepMouseDown) TCustomGrid::MouseDown(button, shift, x, y);
}

void TProbeGrid::DblClick() {
  Events.push_back("DblClick");
  TCustomGrid::DblClick();
}

TGridFixture::TGridFixture() {
  Form = NewForm(0, 0, 400, 300);
  Grid = New<TProbeGrid>(Form, 8, 8, 320, 120, "Grid");
  Grid->SetBorderStyle(bsNone);
  Grid->SetScrollBars(ssNone);
  Driver.ProcessMessages();
}

std::vector<TProbeGrid::TDrawCall> TGridFixture::PaintAll() {
  Grid->Draws.clear();
  Grid->Invalidate();
  Grid->Update();
  return Grid->Draws;
}

}  // namespace GridTest
