#include "controls/Memo.h"

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/Utf8.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TMemoStrings) {}

IMPLEMENT_CLASS(TCustomMemo) {
  MESSAGE_HANDLER(WM_GETDLGCODE, WMGetDlgCode);
  MESSAGE_HANDLER(CM_WANTSPECIALKEY, CMWantSpecialKey);
}

IMPLEMENT_CLASS(TMemo) {
  PROPERTY(Align, GetAlign, SetAlign).Default(alNone);
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsSingle);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored).Default(clWindow);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(HideSelection, GetHideSelection, SetHideSelection).Default(true);
  PROPERTY(Lines, GetLines, SetLines);
  PROPERTY(MaxLength, GetMaxLength, SetMaxLength).Default(0);
  PROPERTY(OEMConvert, GetOEMConvert, SetOEMConvert).Default(false);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ReadOnly, GetReadOnly, SetReadOnly).Default(false);
  PROPERTY(ScrollBars, GetScrollBars, SetScrollBars).Default(ssNone);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(WantReturns, GetWantReturns, SetWantReturns).Default(true);
  PROPERTY(WantTabs, GetWantTabs, SetWantTabs).Default(false);
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
  RegisterClasses({TMemo::StaticClass()});
  return true;
}();
}  // namespace

// The lines.

int TMemoStrings::GetCount() const {
  const TEditModel& model = FMemo->GetModel();
  const int lines = model.GetLineCount();
  return model.Line(lines - 1).empty() ? lines - 1 : lines;
}

void TMemoStrings::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
}

std::string TMemoStrings::Get(int index) const {
  CheckIndex(index);
  return std::string(FMemo->GetModel().Line(index));
}

void TMemoStrings::Replace(size_t start, size_t end, const std::string& text) {
  TEditModel& model = FMemo->GetModel();
  // A program's change of the lines leaves Modified as the user's edits made it.
  const bool modified = model.GetModified();
  model.Select(start, end);
  model.ReplaceSelection(text, false);
  model.SetModified(modified);
  if (FUpdating) {
    FChanged = true;
    return;
  }
  TControlRef<TCustomMemo> memo(FMemo);
  FMemo->ModelChanged();
  if (memo) FMemo->Change();
}

void TMemoStrings::Put(int index, const std::string& text) {
  CheckIndex(index);
  const TEditModel& model = FMemo->GetModel();
  Replace(model.LineStart(index), model.LineEnd(index), text);
}

void TMemoStrings::Insert(int index, const std::string& text) {
  if (index < 0 || index > GetCount()) Error("List index out of bounds (%d)", index);
  const TEditModel& model = FMemo->GetModel();
  // An existing line (the empty one after a final line break included) gets the new line in
  // front of it; after a last line without a line break the new one follows a new break.
  if (index < model.GetLineCount()) {
    const size_t at = model.LineStart(index);
    Replace(at, at, text + "\n");
  } else {
    const size_t end = model.GetText().size();
    Replace(end, end, "\n" + text);
  }
}

void TMemoStrings::Delete(int index) {
  CheckIndex(index);
  const TEditModel& model = FMemo->GetModel();
  size_t start = model.LineStart(index);
  size_t end = model.GetText().size();
  if (index + 1 < model.GetLineCount())
    end = model.LineStart(index + 1);
  else if (start > 0)
    --start;  // the last line goes with the line break before it
  Replace(start, end, {});
}

void TMemoStrings::Clear() {
  if (FMemo->GetModel().GetText().empty()) return;
  Replace(0, FMemo->GetModel().GetText().size(), {});
}

void TMemoStrings::SetText(std::string_view text) {
  FMemo->SetText(TCaption(std::string(text)));
}

void TMemoStrings::SetUpdateState(bool updating) {
  FUpdating = updating;
  if (updating || !FChanged) return;
  FChanged = false;
  TControlRef<TCustomMemo> memo(FMemo);
  FMemo->ModelChanged();
  if (memo) FMemo->Change();
}

// The memo.

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), FLines(new TMemoStrings(this)) {
  GetModel().SetMultiLine(true);
  SetAutoSize(false);
  SetBounds(GetLeft(), GetTop(), 185, 89);
}

TCustomMemo::~TCustomMemo() {
  FLines->Free();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  RecreateWnd();
}

TPoint TCustomMemo::GetCaretPos() const {
  const TEditModel& model = GetModel();
  const size_t caret = model.GetCaret();
  const int line = model.LineOf(caret);
  const size_t start = model.LineStart(line);
  const std::string_view before = std::string_view(model.GetText()).substr(start, caret - start);
  return {static_cast<int>(Utf8Length(before)), line};
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (FWantReturns) params.Style |= ES_WANTRETURN;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) params.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) params.Style |= WS_HSCROLL;
}

void TCustomMemo::KeyPress(char32_t& key) {
  TCustomEdit::KeyPress(key);
  // Without WantReturns an Enter that no default button took types nothing.
  if (key == '\r' && !FWantReturns) key = 0;
}

void TCustomMemo::WMGetDlgCode(TMessage& message) {
  TCustomEdit::WMGetDlgCode(message);
  // Enter is claimed through CM_WANTSPECIALKEY, so that Escape still reaches the form.
  message.Result &= ~LRESULT{DLGC_WANTALLKEYS};
  if (FWantTabs)
    message.Result |= DLGC_WANTTAB;
  else
    message.Result &= ~LRESULT{DLGC_WANTTAB};
}

void TCustomMemo::CMWantSpecialKey(TCMWantSpecialKey& message) {
  if (message.CharCode() == VK_RETURN && FWantReturns) {
    message.Result = 1;
    return;
  }
  TCustomEdit::CMWantSpecialKey(message);
}
