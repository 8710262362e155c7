#include "controls/Edit.h"

#include <algorithm>
#include <cstring>

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/Utf8.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomEdit) {
  MESSAGE_HANDLER(WM_GETTEXT, WMGetText);
  MESSAGE_HANDLER(WM_GETTEXTLENGTH, WMGetTextLength);
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(WM_GETDLGCODE, WMGetDlgCode);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(WM_TIMER, WMTimer);
  MESSAGE_HANDLER(WM_CANCELMODE, WMCancelMode);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(WM_VSCROLL, WMVScroll);
  MESSAGE_HANDLER(WM_HSCROLL, WMHScroll);
  MESSAGE_HANDLER(WM_CUT, WMCut);
  MESSAGE_HANDLER(WM_COPY, WMCopy);
  MESSAGE_HANDLER(WM_PASTE, WMPaste);
  MESSAGE_HANDLER(WM_CLEAR, WMClear);
  MESSAGE_HANDLER(WM_UNDO, WMUndo);
  MESSAGE_HANDLER(EM_UNDO, WMUndo);
  MESSAGE_HANDLER(EM_GETSEL, EMGetSel);
  MESSAGE_HANDLER(EM_SETSEL, EMSetSel);
  MESSAGE_HANDLER(EM_GETMODIFY, EMGetModify);
  MESSAGE_HANDLER(EM_SETMODIFY, EMSetModify);
  MESSAGE_HANDLER(EM_SETREADONLY, EMSetReadOnly);
  MESSAGE_HANDLER(EM_LIMITTEXT, EMLimitText);
  MESSAGE_HANDLER(EM_GETLIMITTEXT, EMGetLimitText);
  MESSAGE_HANDLER(EM_REPLACESEL, EMReplaceSel);
  MESSAGE_HANDLER(EM_CANUNDO, EMCanUndo);
  MESSAGE_HANDLER(EM_EMPTYUNDOBUFFER, EMEmptyUndoBuffer);
  MESSAGE_HANDLER(EM_SETRECT, EMSetRect);
  MESSAGE_HANDLER(EM_SETRECTNP, EMSetRect);
  MESSAGE_HANDLER(EM_GETRECT, EMGetRect);
  MESSAGE_HANDLER(EM_GETLINECOUNT, EMGetLineCount);
  MESSAGE_HANDLER(EM_LINEINDEX, EMLineIndex);
  MESSAGE_HANDLER(EM_LINELENGTH, EMLineLength);
  MESSAGE_HANDLER(EM_LINEFROMCHAR, EMLineFromChar);
  MESSAGE_HANDLER(EM_GETFIRSTVISIBLELINE, EMGetFirstVisibleLine);
  MESSAGE_HANDLER(EM_LINESCROLL, EMLineScroll);
  MESSAGE_HANDLER(EM_SCROLLCARET, EMScrollCaret);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_CTL3DCHANGED, CMCtl3DChanged);
}

IMPLEMENT_CLASS(TEdit) {
  PROPERTY(AutoSelect, GetAutoSelect, SetAutoSelect).Default(true);
  PROPERTY(AutoSize, GetAutoSize, SetAutoSize).Default(true);
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsSingle);
  PROPERTY(CharCase, GetCharCase, SetCharCase).Default(ecNormal);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored).Default(clWindow);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(HideSelection, GetHideSelection, SetHideSelection).Default(true);
  PROPERTY(MaxLength, GetMaxLength, SetMaxLength).Default(0);
  PROPERTY(OEMConvert, GetOEMConvert, SetOEMConvert).Default(false);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ReadOnly, GetReadOnly, SetReadOnly).Default(false);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Text, GetText, SetText);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnChange, GetOnChange, SetOnChange);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TEdit::StaticClass()});
  return true;
}();

constexpr UINT_PTR CaretTimer = 1;
constexpr UINT CaretBlinkTime = 530;
// While a selecting drag holds the mouse beyond the text, the text scrolls on this timer.
constexpr UINT_PTR DragScrollTimer = 2;
constexpr UINT DragScrollInterval = 100;

// The control characters that typed keys produce.
enum : char32_t {
  CtrlA = 1,
  CtrlC = 3,
  Backspace = 8,
  Tab = 9,
  LineFeed = 10,
  Return = 13,
  CtrlV = 22,
  CtrlX = 24,
  CtrlZ = 26,
  CtrlBackspace = 127,
};

bool KeyHeld(int key) {
  return GetKeyState(key) < 0;
}
}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csOpaque});
  SetBounds(GetLeft(), GetTop(), 121, 21);
  SetParentColor(false);
  SetTabStop(true);
}

TCustomEdit::~TCustomEdit() {
  StopCaretBlink();
  SetDragScrolling(false);
}

// Properties.

void TCustomEdit::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  value = value == bsNone ? bsNone : bsSingle;
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  UpdateFrameStyle();
  AdjustHeight();
}

void TCustomEdit::UpdateFrameStyle() {
  if (HandleAllocated()) RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == FModel.GetCharCase()) return;
  if (!FModel.SetCharCase(value)) return;
  TControlRef<TCustomEdit> self(this);
  ModelChanged();
  Change();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  Invalidate();
}

void TCustomEdit::SetReadOnly(bool value) {
  FModel.SetReadOnly(value);
  if (HandleAllocated()) {
    const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
    SetWindowLongPtr(FHandle, GWL_STYLE,
                     value ? style | ES_READONLY : style & ~LONG_PTR{ES_READONLY});
  }
}

void TCustomEdit::AdjustHeight() {
  if (!FAutoSize || FBorderStyle != bsSingle || FApplyingStoredLook ||
      GetComponentState().Contains(csLoading))
    return;
  // The font's line and the frame: 4 pixels of sunken edge and 4 of margin, or a 1-pixel
  // border with the same margin.
  SetHeight(LineHeight() + (GetCtl3D() ? 8 : 6));
}

// Selection and clipboard.

int TCustomEdit::GetSelStart() const {
  return static_cast<int>(Utf8IndexOfOffset(FModel.GetText(), FModel.GetSelStart()));
}

void TCustomEdit::SetSelStart(int value) {
  const size_t start = Utf8OffsetOfIndex(FModel.GetText(), static_cast<size_t>(std::max(value, 0)));
  MoveCaret(start, false);
}

int TCustomEdit::GetSelLength() const {
  const std::string& text = FModel.GetText();
  return static_cast<int>(Utf8Length(std::string_view(text).substr(
      FModel.GetSelStart(), FModel.GetSelEnd() - FModel.GetSelStart())));
}

void TCustomEdit::SetSelLength(int value) {
  const std::string& text = FModel.GetText();
  const size_t start = FModel.GetSelStart();
  const size_t end = start + Utf8OffsetOfIndex(std::string_view(text).substr(start),
                                               static_cast<size_t>(std::max(value, 0)));
  FModel.Select(start, end);
  ModelChanged();
}

void TCustomEdit::SetSelText(const std::string& value) {
  Edit([&] { return FModel.ReplaceSelection(value, true); });
}

void TCustomEdit::SelectAll() {
  FModel.SelectAll();
  ModelChanged();
}

void TCustomEdit::ClearSelection() {
  Edit([&] { return FModel.DeleteSelection(); });
}

void TCustomEdit::CopyToClipboard() {
  if (FModel.HasSelection()) SetClipboardText(FModel.GetSelText());
}

void TCustomEdit::CutToClipboard() {
  if (FModel.GetReadOnly() || !FModel.HasSelection()) return;
  CopyToClipboard();
  ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
  if (!IsClipboardTextAvailable()) return;
  const std::string text = GetClipboardText();
  if (!Edit([&] { return FModel.Type(text); }) && !text.empty()) MessageBeep(MB_OK);
}

void TCustomEdit::Undo() {
  Edit([&] { return FModel.Undo(); });
}

// Changes.

void TCustomEdit::Change() {
  if (FOnChange) FOnChange(this);
}

template <typename Operation>
bool TCustomEdit::Edit(Operation operation) {
  if (!operation()) return false;
  FColumnX = -1;
  TControlRef<TCustomEdit> self(this);
  ModelChanged();
  if (self) Change();
  return true;
}

void TCustomEdit::ModelChanged() {
  EnsureCaretVisible();
  UpdateScrollBars();
  ResetCaretBlink();
  Invalidate();
}

void TCustomEdit::MoveCaret(size_t position, bool extend, bool keepColumn) {
  FModel.MoveTo(position, extend);
  if (!keepColumn) FColumnX = -1;
  ModelChanged();
}

void TCustomEdit::MoveVertically(int lines, bool extend) {
  const size_t caret = FModel.GetCaret();
  const int line = FModel.LineOf(caret);
  if (FColumnX < 0) FColumnX = TextX(caret);
  const int target = std::clamp(line + lines, 0, FModel.GetLineCount() - 1);
  if (target == line) return;
  MoveCaret(PositionInLine(target, FColumnX), extend, true);
}

// The window.

void TCustomEdit::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= ES_AUTOHSCROLL;
  if (FModel.GetCharCase() == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (FModel.GetCharCase() == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (FModel.GetReadOnly()) params.Style |= ES_READONLY;
  if (!FHideSelection) params.Style |= ES_NOHIDESEL;
  if (FOEMConvert) params.Style |= ES_OEMCONVERT;
  if (FBorderStyle == bsSingle) {
    if (GetCtl3D())
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
  params.WindowClass.hCursor = LoadCursor(nullptr, IDC_IBEAM);
}

void TCustomEdit::CreateWnd() {
  TCustomControl::CreateWnd();
  // The style decides: a descendant may ask for several lines in CreateParams.
  const bool multiLine = (GetWindowLongPtr(FHandle, GWL_STYLE) & ES_MULTILINE) != 0;
  if (multiLine != FModel.GetMultiLine()) {
    FModel.SetMultiLine(multiLine);
    FTopLine = 0;
  }
  UpdateScrollBars();
}

void TCustomEdit::Loaded() {
  // The stored height stays as it was written, although the parent's font arrives now: the
  // height follows the font only when the font, the frame or AutoSize change later.
  FApplyingStoredLook = true;
  try {
    TCustomControl::Loaded();
  } catch (...) {
    FApplyingStoredLook = false;
    throw;
  }
  FApplyingStoredLook = false;
  FModel.SetModified(false);
}

void TCustomEdit::DoEnter() {
  if (FAutoSelect && !FMouseFocusing && !FModel.GetMultiLine()) SelectAll();
  TCustomControl::DoEnter();
}

// Text messages.

void TCustomEdit::WMGetText(TWMGetText& message) {
  char* buffer = message.Text();
  if (!buffer || message.TextMax() <= 0) {
    message.Result = 0;
    return;
  }
  const std::string& text = FModel.GetText();
  size_t count = text.size();
  // A short buffer gets whole characters only.
  if (count > static_cast<size_t>(message.TextMax() - 1))
    count = Utf8CharStart(text, static_cast<size_t>(message.TextMax() - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = 0;
  message.Result = static_cast<LRESULT>(count);
}

void TCustomEdit::WMGetTextLength(TMessage& message) {
  message.Result = static_cast<LRESULT>(FModel.GetText().size());
}

void TCustomEdit::WMSetText(TWMSetText& message) {
  const char* text = message.Text();
  const bool changed = FModel.SetText(text ? text : "");
  FTopLine = 0;
  FScrollX = 0;
  FColumnX = -1;
  message.Result = TRUE;
  TControlRef<TCustomEdit> self(this);
  ModelChanged();
  if (changed && self) Change();
}

// Keyboard.

void TCustomEdit::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
  if (FModel.GetMultiLine()) message.Result |= DLGC_WANTALLKEYS;
}

void TCustomEdit::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
      EditKey(static_cast<UINT>(message.WParam));
      return;
    case WM_CHAR:
      EditChar(static_cast<char32_t>(message.WParam));
      return;
    default:
      TCustomControl::DefaultHandler(message);
  }
}

void TCustomEdit::EditKey(UINT key) {
  const bool shift = KeyHeld(VK_SHIFT);
  const bool ctrl = KeyHeld(VK_CONTROL);
  const bool multiLine = FModel.GetMultiLine();
  const size_t caret = FModel.GetCaret();
  const bool collapse = !shift && FModel.HasSelection();
  switch (key) {
    case VK_LEFT:
    case VK_UP:
      if (key == VK_UP && multiLine) {
        MoveVertically(-1, shift);
      } else if (collapse && !ctrl) {
        MoveCaret(FModel.GetSelStart(), false);
      } else {
        MoveCaret(ctrl ? FModel.WordLeft(caret) : FModel.CharLeft(caret), shift);
      }
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (key == VK_DOWN && multiLine) {
        MoveVertically(1, shift);
      } else if (collapse && !ctrl) {
        MoveCaret(FModel.GetSelEnd(), false);
      } else {
        MoveCaret(ctrl ? FModel.WordRight(caret) : FModel.CharRight(caret), shift);
      }
      break;
    case VK_PRIOR:
    case VK_NEXT:
      if (multiLine)
        MoveVertically(key == VK_PRIOR ? -VisibleLineCount() : VisibleLineCount(), shift);
      break;
    case VK_HOME:
      MoveCaret(ctrl ? 0 : FModel.LineStart(FModel.LineOf(caret)), shift);
      break;
    case VK_END:
      MoveCaret(ctrl ? FModel.GetText().size() : FModel.LineEnd(FModel.LineOf(caret)), shift);
      break;
    case VK_DELETE:
      if (shift && !ctrl) {
        CutToClipboard();
      } else if (!Edit([&] { return FModel.DeleteRight(ctrl); }) && FModel.GetReadOnly()) {
        MessageBeep(MB_OK);
      }
      break;
    case VK_INSERT:
      if (ctrl && !shift) CopyToClipboard();
      if (shift && !ctrl) PasteFromClipboard();
      break;
    default:
      break;
  }
}

void TCustomEdit::EditChar(char32_t character) {
  const bool multiLine = FModel.GetMultiLine();
  switch (character) {
    case Backspace:
    case CtrlBackspace:
      if (!Edit([&] { return FModel.DeleteLeft(character == CtrlBackspace); }) &&
          FModel.GetReadOnly())
        MessageBeep(MB_OK);
      return;
    case CtrlA:
      SelectAll();
      return;
    case CtrlC:
      CopyToClipboard();
      return;
    case CtrlV:
      PasteFromClipboard();
      return;
    case CtrlX:
      CutToClipboard();
      return;
    case CtrlZ:
      Undo();
      return;
    case Return:
    case LineFeed:
    case Tab:
      if (!multiLine) return;
      if (!Edit([&] { return FModel.Type(character == Tab ? "\t" : "\n"); })) MessageBeep(MB_OK);
      return;
    default:
      break;
  }
  if (character < 0x20) return;
  const std::string typed = Utf8Encode(character);
  if (!Edit([&] { return FModel.Type(typed); })) MessageBeep(MB_OK);
}

// Focus and mouse.

void TCustomEdit::WMSetFocus(TWMSetFocus& message) {
  TControlRef<TCustomEdit> self(this);
  TCustomControl::WMSetFocus(message);
  if (!self) return;
  ResetCaretBlink();
  Invalidate();
}

void TCustomEdit::WMKillFocus(TWMKillFocus& message) {
  StopCaretBlink();
  EndMouseSelection();
  Invalidate();
  TCustomControl::WMKillFocus(message);
}

void TCustomEdit::ResetCaretBlink() {
  FCaretOn = true;
  if (!HandleAllocated() || GetFocus() != FHandle) return;
  SetTimer(FHandle, CaretTimer, CaretBlinkTime, nullptr);
  FBlinking = true;
  InvalidateCaret();
}

void TCustomEdit::StopCaretBlink() {
  if (FBlinking && HandleAllocated()) KillTimer(FHandle, CaretTimer);
  FBlinking = false;
  FCaretOn = false;
}

void TCustomEdit::WMTimer(TWMTimer& message) {
  if (message.TimerID() == DragScrollTimer) {
    DragScrollStep();
  } else if (message.TimerID() == CaretTimer) {
    FCaretOn = !FCaretOn;
    InvalidateCaret();
  } else {
    DefaultHandler(message);
  }
}

void TCustomEdit::SetDragScrolling(bool value) {
  if (value == FDragScrolling || !HandleAllocated()) return;
  FDragScrolling = value;
  if (value)
    SetTimer(FHandle, DragScrollTimer, DragScrollInterval, nullptr);
  else
    KillTimer(FHandle, DragScrollTimer);
}

void TCustomEdit::DragScrollStep() {
  if (!FMouseSelecting) {
    SetDragScrolling(false);
    return;
  }
  // One character (or line) beyond the caret towards the mouse, which scrolls it into view.
  const TRect rect = GetFormatRect();
  const size_t caret = FModel.GetCaret();
  if (FModel.GetMultiLine() && FDragPoint.Y < rect.Top)
    MoveVertically(-1, true);
  else if (FModel.GetMultiLine() && FDragPoint.Y >= rect.Bottom)
    MoveVertically(1, true);
  else if (FDragPoint.X < rect.Left)
    MoveCaret(FModel.CharLeft(caret), true);
  else if (FDragPoint.X >= rect.Right)
    MoveCaret(FModel.CharRight(caret), true);
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<TCustomEdit> self(this);
  if (button == mbLeft) {
    if (!Focused() && CanFocus()) {
      FMouseFocusing = true;
      SetFocus();
      if (!self) return;
      FMouseFocusing = false;
    }
    if (shift.Contains(ssDouble)) {
      size_t end = 0;
      const size_t start = FModel.WordAt(ClientToPosition(x, y), end);
      FModel.Select(start, end);
      FMouseSelecting = false;
      FColumnX = -1;
      ModelChanged();
    } else {
      MoveCaret(ClientToPosition(x, y), shift.Contains(ssShift));
      FMouseSelecting = true;
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
  if (FMouseSelecting && shift.Contains(ssLeft)) {
    FDragPoint = {x, y};
    MoveCaret(ClientToPosition(x, y), true);
    SetDragScrolling(!GetFormatRect().Contains(FDragPoint));
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) EndMouseSelection();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomEdit::EndMouseSelection() {
  FMouseSelecting = false;
  SetDragScrolling(false);
}

void TCustomEdit::WMCancelMode(TMessage& message) {
  EndMouseSelection();
  TCustomControl::WMCancelMode(message);
}

// Edit messages.

void TCustomEdit::WMCut(TMessage&) {
  CutToClipboard();
}

void TCustomEdit::WMCopy(TMessage&) {
  CopyToClipboard();
}

void TCustomEdit::WMPaste(TMessage&) {
  PasteFromClipboard();
}

void TCustomEdit::WMClear(TMessage&) {
  ClearSelection();
}

void TCustomEdit::WMUndo(TMessage& message) {
  message.Result = Edit([&] { return FModel.Undo(); }) ? TRUE : FALSE;
}

void TCustomEdit::EMGetSel(TMessage& message) {
  const auto start = static_cast<DWORD>(GetSelStart());
  const auto end = static_cast<DWORD>(GetSelStart() + GetSelLength());
  if (message.WParam) *reinterpret_cast<DWORD*>(message.WParam) = start;
  if (message.LParam) *reinterpret_cast<DWORD*>(message.LParam) = end;
  message.Result = start > 0xFFFF || end > 0xFFFF ? -1 : static_cast<LRESULT>(MAKELONG(start, end));
}

void TCustomEdit::EMSetSel(TMessage& message) {
  const auto start = static_cast<int32_t>(message.WParam);
  const auto end = static_cast<int32_t>(message.LParam);
  const std::string& text = FModel.GetText();
  if (start < 0) {
    // -1 removes the selection and leaves the caret where it is.
    FModel.MoveTo(FModel.GetCaret(), false);
  } else {
    const size_t anchor = Utf8OffsetOfIndex(text, static_cast<size_t>(start));
    const size_t caret = end < 0 ? text.size() : Utf8OffsetOfIndex(text, static_cast<size_t>(end));
    FModel.Select(anchor, caret);
  }
  FColumnX = -1;
  ModelChanged();
}

void TCustomEdit::EMGetModify(TMessage& message) {
  message.Result = FModel.GetModified() ? TRUE : FALSE;
}

void TCustomEdit::EMSetModify(TMessage& message) {
  FModel.SetModified(message.WParam != 0);
}

void TCustomEdit::EMSetReadOnly(TMessage& message) {
  SetReadOnly(message.WParam != 0);
  message.Result = TRUE;
}

void TCustomEdit::EMLimitText(TMessage& message) {
  SetMaxLength(static_cast<int32_t>(std::min<WPARAM>(message.WParam, INT32_MAX)));
}

void TCustomEdit::EMGetLimitText(TMessage& message) {
  message.Result = FModel.GetMaxLength() > 0 ? FModel.GetMaxLength() : INT32_MAX;
}

void TCustomEdit::EMReplaceSel(TMessage& message) {
  const char* text = reinterpret_cast<const char*>(message.LParam);
  const bool canUndo = message.WParam != 0;
  Edit([&] { return FModel.ReplaceSelection(text ? text : "", canUndo); });
}

void TCustomEdit::EMCanUndo(TMessage& message) {
  message.Result = FModel.CanUndo() ? TRUE : FALSE;
}

void TCustomEdit::EMEmptyUndoBuffer(TMessage&) {
  FModel.ClearUndo();
}

void TCustomEdit::EMSetRect(TMessage& message) {
  const auto* rect = reinterpret_cast<const TRect*>(message.LParam);
  if (!rect || !FModel.GetMultiLine()) return;
  FFormatRect = {rect->Left, rect->Top, std::max(rect->Left, rect->Right),
                 std::max(rect->Top, rect->Bottom)};
  FFormatRectSet = true;
  EnsureCaretVisible();
  if (message.Msg == EM_SETRECT) Invalidate();
}

void TCustomEdit::EMGetRect(TMessage& message) {
  if (auto* rect = reinterpret_cast<TRect*>(message.LParam)) *rect = GetFormatRect();
}

void TCustomEdit::EMGetLineCount(TMessage& message) {
  message.Result = FModel.GetLineCount();
}

void TCustomEdit::EMLineIndex(TMessage& message) {
  const auto line = static_cast<int32_t>(message.WParam);
  const int which = line < 0 ? FModel.LineOf(FModel.GetCaret()) : line;
  if (which >= FModel.GetLineCount()) {
    message.Result = -1;
    return;
  }
  message.Result =
      static_cast<LRESULT>(Utf8IndexOfOffset(FModel.GetText(), FModel.LineStart(which)));
}

void TCustomEdit::EMLineLength(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  const size_t position = index < 0
                              ? FModel.GetCaret()
                              : Utf8OffsetOfIndex(FModel.GetText(), static_cast<size_t>(index));
  message.Result = static_cast<LRESULT>(Utf8Length(FModel.Line(FModel.LineOf(position))));
}

void TCustomEdit::EMLineFromChar(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  const size_t position = index < 0
                              ? FModel.GetCaret()
                              : Utf8OffsetOfIndex(FModel.GetText(), static_cast<size_t>(index));
  message.Result = FModel.LineOf(position);
}

void TCustomEdit::EMGetFirstVisibleLine(TMessage& message) {
  message.Result = FTopLine;
}

void TCustomEdit::EMLineScroll(TMessage& message) {
  if (!FModel.GetMultiLine()) return;
  ScrollTo(FTopLine + static_cast<int32_t>(message.LParam), FScrollX);
  message.Result = TRUE;
}

void TCustomEdit::EMScrollCaret(TMessage& message) {
  EnsureCaretVisible();
  Invalidate();
  message.Result = TRUE;
}

// Look.

void TCustomEdit::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  AdjustHeight();
  ModelChanged();
}

void TCustomEdit::CMCtl3DChanged(TMessage& message) {
  if (FBorderStyle == bsSingle) UpdateFrameStyle();
  AdjustHeight();
  TCustomControl::CMCtl3DChanged(message);
}
