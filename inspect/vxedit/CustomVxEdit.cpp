#include "vxedit/CustomVxEdit.h"

#include "controls/ControlRef.h"
#include "controls/Edit.h"
#include "controls/Screen.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "vxedit/DummyPopup.h"
#include "vxedit/EditButton.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/EditSource.h"
#include "vxedit/VxSimpleEdit.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomVxEdit) {
  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(CM_CTL3DCHANGED, CMCtl3DChanged);
  MESSAGE_HANDLER(WM_SETCURSOR, WMSetCursor);
  MESSAGE_HANDLER(CM_VISIBLECHANGED, CMVisibleChanged);
  MESSAGE_HANDLER(CM_WANTSPECIALKEY, CMWantSpecialKey);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(CM_EXIT, CMExit);
}

namespace {
std::unique_ptr<TButtonParams> NewButton(TCustomVxEdit* edit, TEditButton*& button) {
  auto params = std::make_unique<TButtonParams>();
  button = new TEditButton(edit);
  // Until Width is assigned the button is as wide as a scroll-bar thumb, as a loaded one is.
  button->SetWidth(GetSystemMetrics(SM_CXHTHUMB));
  params->SetButton(button);
  params->SetKind(bkDropDown);
  return params;
}
}  // namespace

TCustomVxEdit::TCustomVxEdit(TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
  SetBounds(GetLeft(), GetTop(), 121, 21);
  FButton1Params = NewButton(this, FButton1);
  FButton2Params = NewButton(this, FButton2);
  FButton1Params->SetOnSizeChange([this] { SetButtonBounds(); });
  FButton2Params->SetOnSizeChange([this] { SetButtonBounds(); });
  FButton2->SetVisible(false);
  TControlStyle style = GetControlStyle();
  style.Include(csFramed);
  SetControlStyle(style);
  NewPopup(TDummyPopup::StaticClass());
  FEditSource = new TDummyEditSource(this);
}

TCustomVxEdit::~TCustomVxEdit() {
  EndDrop();
  UnHookEditWndProc();
}

void TCustomVxEdit::BeforeDestruction() {
  // The popup must not stay dropped nor the hook installed once the control is going.
  EndDrop();
  UnHookEditWndProc();
  TCustomControl::BeforeDestruction();
}

void TCustomVxEdit::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FPopupWindow) {
    EndDrop();
    FPopupWindow = nullptr;
  }
  if (component == FEdit) {
    UnHookEditWndProc();
    FEdit = nullptr;
  }
  if (component == FEditSource) FEditSource = nullptr;
  if (component == FButton1) {
    FButton1 = nullptr;
    FButton1Params->SetButton(nullptr);
  }
  if (component == FButton2) {
    FButton2 = nullptr;
    FButton2Params->SetButton(nullptr);
  }
}

// Streaming.

void TCustomVxEdit::Loaded() {
  TCustomControl::Loaded();
  std::string name = std::move(FPopupWindowClass);
  FPopupWindowClass.clear();
  SetPopupClassName(name);
  name = std::move(FEditSourceClass);
  FEditSourceClass.clear();
  SetEditSourceType(name);
  name = std::move(FEditClass);
  FEditClass.clear();
  SetEditClass(name);
  if (FEdit) FEdit->SetParent(this);
  SetButtonBounds();
}

void TCustomVxEdit::GetChildren(const TGetChildProc& proc, TComponent* root) {
  if (FPopupWindow && !FPopupWindowClass.empty()) proc(FPopupWindow);
  if (FEditSource && !FEditSourceClass.empty()) proc(FEditSource);
  if (FEdit && !FEditClass.empty()) proc(FEdit);
  TCustomControl::GetChildren(proc, root);
}

TComponent* TCustomVxEdit::FindOwnedOfClass(const std::string& className) const {
  for (int i = 1; i < GetComponentCount(); ++i)
    if (GetComponent(i)->ClassName() == className) return GetComponent(i);
  return nullptr;
}

// The class-name setters.

void TCustomVxEdit::SetEditClass(const std::string& value) {
  if (value == FEditClass) return;
  FEditClass = value;
  if (GetComponentState().Contains(csReading)) return;
  FreeEdit();
  TClass editClass = FindEditClassByName(value);
  if (!editClass) editClass = TVxSimpleEdit::StaticClass();
  auto* edit = dynamic_cast<TControl*>(FindOwnedOfClass(editClass->ClassName()));
  if (!edit) {
    edit = editClass->Create<TControl>(this);
    edit->SetParent(this);
  }
  PrepareEdit(edit, true);
}

void TCustomVxEdit::SetEditorClass(TClass value) {
  if (FEdit && value && FEdit->ClassType() == value) {
    FEdit->SetParent(this);
    return;
  }
  FreeEdit();
  if (!value) return;
  auto* edit = value->Create<TControl>(this);
  edit->SetParent(this);
  PrepareEdit(edit, false);
}

TClass TCustomVxEdit::GetEditorClass() const {
  return FEdit ? FEdit->ClassType() : nullptr;
}

void TCustomVxEdit::FreeEdit() {
  UnHookEditWndProc();
  if (!FEdit) return;
  if (IsEditAvailable()) FPendingText = GetText();
  TControl* edit = FEdit;
  FEdit = nullptr;
  edit->Free();
}

void TCustomVxEdit::PrepareEdit(TControl* edit, bool show) {
  FEdit = edit;
  edit->SetParent(this);
  if (auto* windowed = dynamic_cast<TWinControl*>(edit)) {
    windowed->SetCtl3D(false);
    windowed->SetTabStop(false);
    // Without the composite's window the inner edit's is made with it (CreateWnd).
    if (show && HandleAllocated()) {
      windowed->HandleNeeded();
      windowed->Show();
    }
  }
  if (auto* plain = dynamic_cast<TCustomEdit*>(edit)) plain->SetBorderStyle(bsNone);
  SetButtonBounds();
  HookEditWndProc();
  edit->SetParent(this);
  if (!FPendingText.empty()) {
    const TCaption text = std::move(FPendingText);
    FPendingText = TCaption();
    SetText(text);
  }
}

void TCustomVxEdit::CreateWnd() {
  TCustomControl::CreateWnd();
  if (TWinControl* edit = WindowedEdit()) {
    edit->HandleNeeded();
    HookEditWndProc();
  }
  SetButtonBounds();
}

void TCustomVxEdit::SetEditSourceType(const std::string& value) {
  if (value == FEditSourceClass) return;
  FEditSourceClass = value;
  if (GetComponentState().Contains(csReading)) return;
  if (FEditSource) {
    TEditSource* source = FEditSource;
    FEditSource = nullptr;
    source->Free();
  }
  TClass sourceClass = FindEditSourceByName(value);
  if (!sourceClass) sourceClass = TDummyEditSource::StaticClass();
  FEditSource = dynamic_cast<TEditSource*>(FindOwnedOfClass(sourceClass->ClassName()));
  if (!FEditSource) FEditSource = sourceClass->Create<TEditSource>(this);
}

void TCustomVxEdit::SetEditSource(TEditSource* value) {
  if (FEditSource && value) FEditSource->Assign(value);
}

// Buttons and layout.

void TCustomVxEdit::SetEdit1Click(TNotifyEvent value) {
  FOnButton1Click = value;
  if (FButton1) FButton1->SetOnClick(value);
}

void TCustomVxEdit::SetEdit2Click(TNotifyEvent value) {
  FOnButton2Click = value;
  if (FButton2) FButton2->SetOnClick(value);
}

TControl* TCustomVxEdit::GetButtonControl(int index) const {
  return index == 0 ? FButton1 : index == 1 ? FButton2 : nullptr;
}

void TCustomVxEdit::SetNumButtons(int32_t value) {
  if (value == FNumButtons || static_cast<uint32_t>(value) > 2) return;
  FNumButtons = value;
  if (FButton1) FButton1->SetVisible(value > 0);
  if (FButton2) FButton2->SetVisible(value > 1);
  SetButtonBounds();
}

void TCustomVxEdit::SetButtonBounds() {
  if (!HandleAllocated()) return;
  const int height = GetClientHeight();
  int left = GetClientWidth();
  if (FNumButtons == 2 && FButton2) {
    const int width = FButton2->GetWidth();
    left -= width;
    FButton2->SetBounds(left, 0, width, height);
  }
  if (FNumButtons >= 1 && FButton1) {
    const int width = FButton1->GetWidth();
    FButton1->SetBounds(left - width, 0, width, height);
  }
  SetEditRect();
}

void TCustomVxEdit::SetEditRect() {
  int buttons = 0;
  if (FNumButtons >= 1 && FButton1) buttons += FButton1->GetWidth();
  if (FNumButtons >= 2 && FButton2) buttons += FButton2->GetWidth();
  if (IsEditAvailable()) {
    const int width = GetClientWidth() - buttons;
    const int height = GetClientHeight();
    FEdit->SetBounds(0, 0, width, height);
    TRect format{1, 0, width - 2, height};
    FEdit->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
  }
  if (FDroppedDown) CloseDropped(false);
}

void TCustomVxEdit::WMSize(TWMSize& message) {
  inherited::WMSize(message);
  SetButtonBounds();
  SetEditRect();
}

void TCustomVxEdit::CMCtl3DChanged(TMessage& message) {
  inherited::CMCtl3DChanged(message);
  SetButtonBounds();
}

void TCustomVxEdit::CMVisibleChanged(TMessage& message) {
  inherited::CMVisibleChanged(message);
  if (FDroppedDown) CloseDropped(false);
}

void TCustomVxEdit::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (FBorderStyle == bsSingle)
    params.Style |= WS_BORDER;
  else
    params.Style &= ~static_cast<DWORD>(WS_BORDER);
}

void TCustomVxEdit::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (!HandleAllocated()) return;
  LONG style = GetWindowLong(FHandle, GWL_STYLE);
  style = value == bsSingle ? (style | WS_BORDER) : (style & ~static_cast<LONG>(WS_BORDER));
  SetWindowLong(FHandle, GWL_STYLE, style);
  // The non-client area follows the new style at once, not only after the next resize.
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomVxEdit::WMSetCursor(TWMSetCursor& message) {
  // The mouse's position now: the last message's may precede the move that asks for a cursor.
  TPoint mouse;
  GetCursorPos(&mouse);
  const int x = static_cast<uint16_t>(mouse.X);
  if (FButton2 && FButton2->GetVisible() && x >= FButton2->ClientToScreen({0, 0}).X) {
    ::SetCursor(Screen->GetCursors(FButton2Params->GetCursor()));
    message.Result = 1;
  } else if (FButton1 && FButton1->GetVisible() && x > FButton1->ClientToScreen({0, 0}).X) {
    ::SetCursor(Screen->GetCursors(FButton1Params->GetCursor()));
    message.Result = 1;
  } else {
    inherited::WMSetCursor(message);
  }
}
