#pragma once

#include <string>

#include "controls/CustomControl.h"
#include "controls/EditModel.h"

// A text edit: one line of text (or several with the ES_MULTILINE style, as TMemo has) that
// the user types into, selects with the mouse and the keyboard, and exchanges with the
// clipboard. The control is a thin view over TEditModel, which keeps the text, the selection
// and undo; the control lays the text out in its formatting rectangle, scrolls it to keep the
// caret in view, paints it and turns keys and clicks into model operations.
//
// The text is UTF-8. Selection positions (SelStart, SelLength, EM_GETSEL, EM_SETSEL) count
// characters, so that they can never fall inside one; text lengths (WM_GETTEXTLENGTH) count
// bytes, what a buffer for WM_GETTEXT needs. It answers the platform's edit messages:
// WM_GETTEXT, WM_SETTEXT, WM_GETTEXTLENGTH, EM_GETSEL, EM_SETSEL, EM_GETMODIFY, EM_SETMODIFY,
// EM_SETREADONLY, EM_LIMITTEXT, EM_REPLACESEL, EM_CANUNDO, EM_UNDO, EM_EMPTYUNDOBUFFER,
// EM_SETRECT, EM_GETRECT, EM_GETLINECOUNT, EM_LINEINDEX, EM_LINELENGTH, EM_LINEFROMCHAR,
// EM_GETFIRSTVISIBLELINE, EM_LINESCROLL, EM_SCROLLCARET, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR,
// WM_UNDO. EM_SETRECT takes effect only with ES_MULTILINE, and a change of size restores the
// default rectangle, as on the platform.
//
// Every change of the text, by the user or by a program, fires OnChange once.
class TCustomEdit : public TCustomControl {
  DECLARE_CLASS(TCustomEdit, TCustomControl);

 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  // Selects all of a single-line edit's text when it receives the focus from the keyboard.
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  // Keeps the height of a bordered edit fitted to its font.
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  TEditCharCase GetCharCase() const { return FModel.GetCharCase(); }
  void SetCharCase(TEditCharCase value);
  // Whether the selection is hidden while the edit does not have the focus.
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  // The most characters the user may type; 0 for no limit.
  int32_t GetMaxLength() const { return FModel.GetMaxLength(); }
  void SetMaxLength(int32_t value) { FModel.SetMaxLength(value); }
  // Stored for programs that ask for it; the text needs no conversion here.
  bool GetOEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool value) { FOEMConvert = value; }
  // A read-only edit refuses typing, cutting and pasting, but selects and copies.
  bool GetReadOnly() const { return FModel.GetReadOnly(); }
  void SetReadOnly(bool value);
  bool GetModified() const { return FModel.GetModified(); }
  void SetModified(bool value) { FModel.SetModified(value); }

  // The selection in characters. SelText replaces the selection as typing does (without the
  // read-only and length rules, as a program's change).
  int GetSelStart() const;
  void SetSelStart(int value);
  int GetSelLength() const;
  void SetSelLength(int value);
  std::string GetSelText() const { return FModel.GetSelText(); }
  void SetSelText(const std::string& value);
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  void ClearUndo() { FModel.ClearUndo(); }
  bool GetCanUndo() const { return FModel.CanUndo(); }
  void Clear() { SetText(TCaption()); }

  // The formatting rectangle: where the text is laid out, in client coordinates.
  TRect GetFormatRect() const;
  // The first line shown (multi-line edits).
  int GetTopLine() const { return FTopLine; }

  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }

 protected:
  // After every change of the text; the default fires OnChange.
  virtual void Change();
  TEditModel& GetModel() { return FModel; }
  const TEditModel& GetModel() const { return FModel; }
  // Brings the text on screen in line with the model after a programmatic change: caret in
  // view, scroll bars, paint.
  void ModelChanged();
  // Edits apply the user's keys here, after KeyDown and KeyPress had their say.
  void DefaultHandler(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void Loaded() override;

  void WMGetText(TWMGetText& message);
  void WMGetTextLength(TMessage& message);
  void WMSetText(TWMSetText& message);
  void WMGetDlgCode(TMessage& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void WMTimer(TWMTimer& message);
  void WMCancelMode(TMessage& message);
  void WMSize(TWMSize& message);
  void WMVScroll(TWMScroll& message);
  void WMHScroll(TWMScroll& message);
  void WMCut(TMessage& message);
  void WMCopy(TMessage& message);
  void WMPaste(TMessage& message);
  void WMClear(TMessage& message);
  void WMUndo(TMessage& message);
  void EMGetSel(TMessage& message);
  void EMSetSel(TMessage& message);
  void EMGetModify(TMessage& message);
  void EMSetModify(TMessage& message);
  void EMSetReadOnly(TMessage& message);
  void EMLimitText(TMessage& message);
  void EMGetLimitText(TMessage& message);
  void EMReplaceSel(TMessage& message);
  void EMCanUndo(TMessage& message);
  void EMEmptyUndoBuffer(TMessage& message);
  void EMSetRect(TMessage& message);
  void EMGetRect(TMessage& message);
  void EMGetLineCount(TMessage& message);
  void EMLineIndex(TMessage& message);
  void EMLineLength(TMessage& message);
  void EMLineFromChar(TMessage& message);
  void EMGetFirstVisibleLine(TMessage& message);
  void EMLineScroll(TMessage& message);
  void EMScrollCaret(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMCtl3DChanged(TMessage& message);

 private:
  // Keys and characters the edit handles itself.
  void EditKey(UINT key);
  void EditChar(char32_t character);
  // Runs an editing operation of the model; when it edited, updates the view and fires
  // OnChange. Returns whether it edited.
  template <typename Operation>
  bool Edit(Operation operation);
  void MoveCaret(size_t position, bool extend, bool keepColumn = false);
  void MoveVertically(int lines, bool extend);
  void AdjustHeight();
  void UpdateFrameStyle();
  void EndMouseSelection();
  void SetDragScrolling(bool value);
  void DragScrollStep();
  void ResetCaretBlink();
  void StopCaretBlink();
  void EnsureCaretVisible();
  void UpdateScrollBars();
  void ScrollLines(int lines);
  void ScrollTo(int topLine, int scrollX);
  bool SelectionShown() const;

  // Layout (EditLayout.cpp): positions are the model's byte offsets, x and y client
  // coordinates.
  int LineHeight() const;
  int VisibleLineCount() const;
  // The x of position inside its line, from the line's start, unscrolled.
  int TextX(size_t position) const;
  int LineWidth(int line) const;
  int MaxLineWidth() const;
  // The character boundary of line nearest to the unscrolled x.
  size_t PositionInLine(int line, int x) const;
  TPoint PositionToClient(size_t position) const;
  size_t ClientToPosition(int x, int y) const;
  // The top of the first line inside the formatting rectangle (single-line text is centred).
  int TextTop() const;
  void InvalidateCaret();

  TEditModel FModel;
  bool FAutoSelect = true;
  bool FAutoSize = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FHideSelection = true;
  bool FOEMConvert = false;
  TRect FFormatRect;
  bool FFormatRectSet = false;
  int FTopLine = 0;
  int FScrollX = 0;
  int FColumnX = -1;  // the x that up and down keys keep, or -1
  bool FCaretOn = false;
  bool FBlinking = false;
  bool FMouseSelecting = false;
  bool FMouseFocusing = false;
  bool FDragScrolling = false;
  bool FApplyingStoredLook = false;
  TPoint FDragPoint;
  TNotifyEvent FOnChange;
};

// The single-line edit of forms: TCustomEdit with its properties published.
class TEdit : public TCustomEdit {
  DECLARE_CLASS(TEdit, TCustomEdit);

 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};
