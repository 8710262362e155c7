#pragma once

#include <cstdint>

#include "vxedit/CustomVxEdit.h"

class TCustomObjectInspector;
class TInfoRec;
class TPropertyEditor;

// The inspector's in-place editor: one composite edit that lies over the value cell of the
// current row, rebuilt for each row it visits (TCustomObjectInspector::CreateEditor) and parked
// outside the client area where a row gets none. It commits its text through the row's property
// editor (ApplyValue), hands navigation keys and double clicks to the inspector, and fills its
// drop-down list from the property's value list.
//
// Commit cycle:
//   built on a row       -> Text = GetValue, all selected, Modified false
//   typing               -> Modified true (paAutoUpdate rows write at once, EditChange)
//   Enter                -> Modified forced, ApplyValue -> ChangeValue -> Text = GetValue
//   Escape               -> Text = GetValue, nothing written
//   navigation / click   -> ApplyValue before the current row changes
//   a write that fails   -> Text = GetValue, all selected, the error reported (or raised to
//                           the inspector, which then keeps the row)
class TOInplaceEdit : public TCustomVxEdit {
  DECLARE_CLASS(TOInplaceEdit, TCustomVxEdit);

 public:
  explicit TOInplaceEdit(TComponent* owner);

  // The inspector the editor belongs to; set once, right after construction.
  TCustomObjectInspector* GetInspector() const { return FInspector; }
  void SetInspector(TCustomObjectInspector* value) { FInspector = value; }
  // Run after each key press and key release the editor handles itself (the inspector's live
  // apply for paAutoUpdate properties).
  TNotifyEvent GetOnTextChange() const { return FOnTextChange; }
  void SetOnTextChange(TNotifyEvent value) { FOnTextChange = value; }
  // When the editor was last built for a row (the window system's tick count).
  uint32_t GetShowTime() const { return FShowTime; }
  void SetShowTime(uint32_t value) { FShowTime = value; }
  // Whether the drop-down list holds the row's value list (cleared at each build).
  bool GetListFilled() const { return FListFilled; }
  void SetListFilled(bool value) { FListFilled = value; }

  // Writes the text through the editor row's property editor when it was modified; then shows
  // the value as the property reports it and tells the designer. A write that fails restores
  // the shown text, selects it and raises an Exception with the same message; nothing else
  // changes. Does nothing when read-only, on a group row, or when not modified. Returns true.
  // The inspector commits through this before it changes rows, so that a refused value keeps
  // the row.
  bool CommitValue();
  // CommitValue, with a refused value reported through the application's error report instead
  // of raised: what the composite calls when its inner edit loses the focus, and what Enter
  // does. Returns false when the value was refused.
  bool ApplyValue() override;
  // Fills the list once per build from the property's value list and sizes it (as wide as the
  // widest item or the editor, one to seven items high) before it drops.
  void SetDropValue() override;
  // Writes the chosen item (empty when none is chosen) through the property editor.
  void GetDropValue() override;

  // Hides the editor and moves it out of the way; the focus goes back to the grid if it had it.
  void Conceal();
  // Places the editor over rect (grid client coordinates); an empty rect conceals it.
  void PlaceAt(TRect rect, bool redraw);
  // Places the editor over a cell rectangle and lays out its inner edit and buttons again.
  void MoveToRect(TRect rect);

  // Repaints the editor and the grid area under it; nothing before the inspector is set.
  void Invalidate() override;
  // A double click in the editor counts as one on the grid.
  void DblClick() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  // Navigation and expansion keys go to the inspector; Escape reverts, Enter commits.
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;

 private:
  // The row the editor stands on, its kind and its property editor; null when there is none.
  const TInfoRec* EditRowInfo() const;
  bool IsGroupRow() const;
  TPropertyEditor* RowEditor() const;
  // Keys that expand and collapse reach the grid instead of the text in these states.
  bool ExpansionKeysToGrid(TShiftState shift) const;
  // The inspector's key handling for a key typed here; a refused value is reported.
  void PassToInspector(WORD key, TShiftState shift);
  void TextChanged();
  void FillList();
  void SizeList();

  TCustomObjectInspector* FInspector = nullptr;
  TNotifyEvent FOnTextChange;
  uint32_t FShowTime = 0;
  bool FListFilled = false;
  bool FRepaintPending = false;
};
