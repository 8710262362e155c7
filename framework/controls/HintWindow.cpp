#include "controls/HintWindow.h"

#include <algorithm>

#include "controls/Screen.h"
#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(THintWindow) {}

namespace {
constexpr int TextMargin = 2;
constexpr UINT HintTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}  // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  SetFont(Screen->GetHintFont());
  GetFont()->SetColor(clInfoText);
  SetParentFont(false);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
  TRect rect{0, 0, std::max(maxWidth, 1), 0};
  DrawText(dc, hint.c_str(), static_cast<int>(hint.size()), &rect, HintTextFormat | DT_CALCRECT);
  SelectObject(dc, old);
  DeleteDC(dc);
  // The frame and a margin on each side.
  rect.Right += 2 * (TextMargin + 1) + 2;
  rect.Bottom += 2 * (TextMargin + 1);
  return rect;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
  SetCaption(hint);
  const HWND window = GetHandle();
  SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  SetWindowPos(window, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHint() {
  if (HandleAllocated() && IsWindowVisible(FHandle)) ShowWindow(FHandle, SW_HIDE);
}

bool THintWindow::IsHintShowing() const {
  return HandleAllocated() && IsWindowVisible(FHandle);
}

void THintWindow::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(rect);
  canvas->SetFont(GetFont());
  rect = rect.Inflate(-TextMargin, -TextMargin);
  rect.Left += 1;
  DrawCanvasText(canvas, GetCaption(), rect, HintTextFormat);
}
