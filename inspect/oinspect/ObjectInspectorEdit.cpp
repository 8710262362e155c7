// In-place value editing: one editor control over the value cell of the current row.
//
// Not built yet: there is no in-place editor, so building it only records the row it would
// stand on (EditRow), parking or moving it does nothing, and the editor row's value is painted
// as text (GetInplaceEditorShown answers false). UpdateEditor repaints the rows it
// leaves and enters. ChangeValue (ObjectInspectorRows.cpp) writes values as the editor will.
#include "oinspect/ObjectInspector.h"
#include "winsys/WinUser.h"

bool TCustomObjectInspector::GetInplaceEditorShown() const {
  return false;
}

void TCustomObjectInspector::CreateEditor(int32_t row) {
  if (GetComponentState().Contains(csDesigning)) return;
  FEditRow = row;
}

void TCustomObjectInspector::KillEditor() {}

void TCustomObjectInspector::MoveEditor() {}

void TCustomObjectInspector::UpdateEditor() {
  if (IsEmpty() || FUpdateCount > 0) return;
  if (HandleAllocated()) {
    for (int32_t row : {FEditRow, GetRow()}) {
      const TRect name = CellRect(0, row);
      if (name.Bottom == 0) continue;
      const TRect area{0, name.Top - 1, GetClientWidth(), name.Bottom + 1};
      InvalidateRect(GetHandle(), &area, FALSE);
    }
  }
  CreateEditor(GetRow());
}
