#include "graphics/Canvas.h"

#include "core/Exception.h"
#include "core/Module.h"
#include "graphics/Gdi.h"
#include "graphics/Graphic.h"

IMPLEMENT_CLASS(TCanvas) {
  PROPERTY(Brush, GetBrush, SetBrush);
  PROPERTY(CopyMode, GetCopyMode, SetCopyMode).Default(cmSrcCopy);
  PROPERTY(Font, GetFont, SetFont);
  PROPERTY(Pen, GetPen, SetPen);
}

TCanvas::TCanvas() : FPen(new TPen()), FBrush(new TBrush()), FFont(new TFont()) {
  const auto changed = MakeMethod<&TCanvas::ToolChanged>(this);
  FPen->SetOnChange(changed);
  FBrush->SetOnChange(changed);
  FFont->SetOnChange(changed);
}

TCanvas::~TCanvas() {
  DeselectHandles();
  FFont->Free();
  FBrush->Free();
  FPen->Free();
}

void TCanvas::CreateHandle() {
  throw EInvalidOperation("Canvas does not allow drawing");
}

HDC TCanvas::GetHandle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == FHandle) return;
  DeselectHandles();
  FHandle = dc;
}

void TCanvas::DeselectHandles() {
  if (FHandle) {
    if (FOldPen) SelectObject(FHandle, FOldPen);
    if (FOldBrush) SelectObject(FHandle, FOldBrush);
    if (FOldFont) SelectObject(FHandle, FOldFont);
  }
  FOldPen = FOldBrush = FOldFont = nullptr;
  FState = 0;
  FHandle = nullptr;
}

// A changed tool is deselected at once, so that its old handle can go.
void TCanvas::ToolChanged(TObject* sender) {
  if (FHandle) {
    if (sender == FPen && FOldPen) {
      SelectObject(FHandle, FOldPen);
      FOldPen = nullptr;
      FState &= ~csPenValid;
    } else if (sender == FBrush && FOldBrush) {
      SelectObject(FHandle, FOldBrush);
      FOldBrush = nullptr;
      FState &= ~csBrushValid;
    } else if (sender == FFont && FOldFont) {
      SelectObject(FHandle, FOldFont);
      FOldFont = nullptr;
      FState &= ~csFontValid;
    }
  }
}

void TCanvas::RequireState(uint8_t state) {
  HDC dc = GetHandle();
  if ((state & csPenValid) && !(FState & csPenValid)) {
    HGDIOBJ old = SelectObject(dc, FPen->GetHandle());
    if (!FOldPen) FOldPen = old;
    FState |= csPenValid;
  }
  if (state & csPenValid) SetROP2(dc, FPen->GetRop2());
  if ((state & csBrushValid) && !(FState & csBrushValid)) {
    HGDIOBJ old = SelectObject(dc, FBrush->GetHandle());
    if (!FOldBrush) FOldBrush = old;
    FState |= csBrushValid;
  }
  if (state & csBrushValid) {
    // Only a solid brush paints a background: hatches and clear brushes let it show through.
    const bool solid = FBrush->GetStyle() == bsSolid;
    SetBkColor(dc, ColorToRGB(FBrush->GetColor()) ^ (solid ? 0 : 0xFFFFFF));
    SetBkMode(dc, solid ? OPAQUE : TRANSPARENT);
  }
  if ((state & csFontValid) && !(FState & csFontValid)) {
    HGDIOBJ old = SelectObject(dc, FFont->GetHandle());
    if (!FOldFont) FOldFont = old;
    FState |= csFontValid;
  }
  if (state & csFontValid) SetTextColor(dc, ColorToRGB(FFont->GetColor()));
}

void TCanvas::Changed() {
  if (FOnChange) FOnChange(this);
}

TPoint TCanvas::GetPenPos() {
  TPoint position;
  GetCurrentPositionEx(GetHandle(), &position);
  return position;
}

TRect TCanvas::GetClipRect() {
  TRect rect;
  GetClipBox(GetHandle(), &rect);
  return rect;
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(GetHandle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequireState(csPenValid | csBrushValid);
  ::LineTo(FHandle, x, y);
  Changed();
}

void TCanvas::Polyline(const TPoint* points, int count) {
  RequireState(csPenValid | csBrushValid);
  ::Polyline(FHandle, points, count);
  Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  RequireState(csPenValid | csBrushValid);
  ::Rectangle(FHandle, left, top, right, bottom);
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  RequireState(csBrushValid);
  ::FillRect(FHandle, &rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  RequireState(csBrushValid);
  ::FrameRect(FHandle, &rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  RequireState(csBrushValid);
  ::DrawFocusRect(FHandle, &rect);
  Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  StretchDraw(Bounds(x, y, graphic->GetWidth(), graphic->GetHeight()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  RequireState(csBrushValid);
  graphic->Draw(this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& rect, TCanvas* source, const TRect& sourceRect) {
  if (!source) return;
  RequireState(csBrushValid);
  BitBlt(FHandle, rect.Left, rect.Top, rect.Width(), rect.Height(), source->GetHandle(),
         sourceRect.Left, sourceRect.Top, static_cast<DWORD>(FCopyMode));
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  RequireState(csBrushValid | csFontValid);
  ExtTextOut(FHandle, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
  MoveTo(x + TextWidth(text), y);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  RequireState(csBrushValid | csFontValid);
  UINT options = ETO_CLIPPED;
  if (FBrush->GetStyle() != bsClear) options |= ETO_OPAQUE;
  ExtTextOut(FHandle, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const std::string& text) {
  RequireState(csFontValid);
  TSize size;
  GetTextExtentPoint32(FHandle, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

TColor TCanvas::GetPixel(int x, int y) {
  const COLORREF color = ::GetPixel(GetHandle(), x, y);
  return color == CLR_INVALID ? clNone : static_cast<TColor>(color);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  ::SetPixel(GetHandle(), x, y, ColorToRGB(color));
  Changed();
}
