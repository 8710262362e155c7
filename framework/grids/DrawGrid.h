#pragma once

#include "grids/CustomGrid.h"

DECLARE_EVENT(TDrawCellEvent,
              void(TObject* Sender, int32_t ACol, int32_t ARow, TRect Rect, TGridDrawState State),
              "Sender: TObject; ACol: Integer; ARow: Integer; Rect: TRect; State: TGridDrawState")
DECLARE_EVENT(TSelectCellEvent, void(TObject* Sender, int32_t ACol, int32_t ARow, bool& CanSelect),
              "Sender: TObject; ACol: Integer; ARow: Integer; var CanSelect: Boolean")

// A grid whose cells the program paints: OnDrawCell paints each cell (after the default
// background with DefaultDrawing), OnSelectCell may refuse a cell before it becomes current, and
// OnTopLeftChanged follows scrolling. It publishes the grid's properties for form files and
// designers.
class TDrawGrid : public TCustomGrid {
  DECLARE_CLASS(TDrawGrid, TCustomGrid);

 public:
  explicit TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}

  TDrawCellEvent GetOnDrawCell() const { return FOnDrawCell; }
  void SetOnDrawCell(TDrawCellEvent value) { FOnDrawCell = value; }
  TSelectCellEvent GetOnSelectCell() const { return FOnSelectCell; }
  void SetOnSelectCell(TSelectCellEvent value) { FOnSelectCell = value; }
  TNotifyEvent GetOnTopLeftChanged() const { return FOnTopLeftChanged; }
  void SetOnTopLeftChanged(TNotifyEvent value) { FOnTopLeftChanged = value; }

 protected:
  void DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) override;
  bool SelectCell(int32_t col, int32_t row) override;
  void TopLeftChanged() override;

 private:
  TDrawCellEvent FOnDrawCell;
  TSelectCellEvent FOnSelectCell;
  TNotifyEvent FOnTopLeftChanged;
};
