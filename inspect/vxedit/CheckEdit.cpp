#include "vxedit/CheckEdit.h"

#include <string_view>

#include "controls/ControlRef.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "vxedit/CustomVxEdit.h"
#include "vxedit/OffscreenBuffer.h"
#include "vxedit/TextMessages.h"
#include "vxedit/VxMessages.h"
#include "winsys/VirtualKeys.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCheckEdit) {
  MESSAGE_HANDLER(CM_WANTSPECIALKEY, CMWantSpecialKey);
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(WM_GETTEXT, WMGetText);
  MESSAGE_HANDLER(WM_GETTEXTLENGTH, WMGetTextLength);
  MESSAGE_HANDLER(EM_GETMODIFY, GetModified);
  MESSAGE_HANDLER(CM_PAINTTO, CMPaintTo);
}

namespace {
constexpr std::string_view TrueText = "True";
constexpr std::string_view FalseText = "False";
}  // namespace

TCheckEdit::TCheckEdit(TComponent* owner) : TCustomControl(owner) {
  TControlStyle style = GetControlStyle();
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  SetParentColor(false);
  SetColor(clWindow);
}

void TCheckEdit::PaintToCanvas(TCanvas* canvas, int x, int y) {
  if (!canvas) return;
  const TRect client = GetClientRect();
  const int height = GetHeight();
  TOffscreenBuffer::PaintOnto(*canvas, x, y, client.Width(), client.Height(), [&](HDC dc) {
    TRect box{2, 0, height + 2, height};
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (FChecked) state |= DFCS_CHECKED;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
  });
}

void TCheckEdit::ChangeChecked() {
  FChecked = !FChecked;
  Invalidate();
  FModified = true;
  if (auto* edit = dynamic_cast<TCustomVxEdit*>(GetOwner())) edit->ApplyValue();
}

void TCheckEdit::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  PaintToCanvas(canvas, 0, 0);
}

void TCheckEdit::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_SPACE) {
    // Applying the value may free the editor (its owner closing it).
    TControlRef<TCheckEdit> self(this);
    ChangeChecked();
    if (!self) return;
  }
  TCustomControl::KeyDown(key, shift);
}

void TCheckEdit::Click() {
  TPoint cursor;
  GetCursorPos(&cursor);
  const TPoint point = ScreenToClient(cursor);
  const int side = GetHeight() + 2;
  if (TRect{0, 0, side, side}.Contains(point)) ChangeChecked();
}

void TCheckEdit::CMWantSpecialKey(TCMWantSpecialKey& message) {
  inherited::CMWantSpecialKey(message);
  if (message.CharCode() == VK_UP || message.CharCode() == VK_DOWN) message.Result = 1;
}

void TCheckEdit::WMSetText(TWMSetText& message) {
  FChecked = message.Text() && SameText(message.Text(), TrueText);
  Invalidate();
  FModified = false;
  message.Result = 1;
}

void TCheckEdit::WMGetText(TWMGetText& message) {
  Detail::AnswerGetText(FChecked ? TrueText : FalseText, message);
}

void TCheckEdit::WMGetTextLength(TMessage& message) {
  message.Result = static_cast<LRESULT>(FChecked ? TrueText.size() : FalseText.size());
}

void TCheckEdit::GetModified(TMessage& message) {
  message.Result = FModified ? 1 : 0;
}

void TCheckEdit::CMPaintTo(TMessage& message) {
  message.Result = 0;
  if (!message.WParam) return;
  const TPoint origin = PointFromLParam(message.LParam);
  PaintToCanvas(reinterpret_cast<TCanvas*>(message.WParam), origin.X, origin.Y);
  message.Result = 1;
}
