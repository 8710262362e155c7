#include "controls/Splitter.h"

#include <algorithm>

#include "controls/Frame3D.h"
#include "controls/PatternBrush.h"
#include "controls/WinControl.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TSplitter) {
  PROPERTY(Align, GetAlign, SetAlign).Default(alLeft);
  PROPERTY(Beveled, GetBeveled, SetBeveled).Default(false);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored);
  PROPERTY(Cursor, GetCursor, SetCursor).Default(crHSplit);
  PROPERTY(MinSize, GetMinSize, SetMinSize).Default(30);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(true);
  PROPERTY(ResizeStyle, GetResizeStyle, SetResizeStyle).Default(rsPattern);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnCanResize, GetOnCanResize, SetOnCanResize);
  PROPERTY(OnMoved, GetOnMoved, SetOnMoved);

  MESSAGE_HANDLER(WM_CANCELMODE, WMCancelMode);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TSplitter::StaticClass()});
  return true;
}();
}  // namespace

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(alLeft);
  SetBounds(GetLeft(), GetTop(), 3, 100);
  SetCursor(crHSplit);
}

TSplitter::~TSplitter() {
  ShowBar(false);
}

void TSplitter::SetBeveled(bool value) {
  if (value == FBeveled) return;
  FBeveled = value;
  Invalidate();
}

void TSplitter::SetMinSize(int32_t value) {
  if (value < 1) throw EInvalidOperation(Format("MinSize must be at least 1, not %d", value));
  FMinSize = value;
}

void TSplitter::RequestAlign() {
  // A splitter turned on its side takes the other split cursor, unless it was given its own.
  if (!Vertical() && GetCursor() == crHSplit) SetCursor(crVSplit);
  if (Vertical() && GetCursor() == crVSplit) SetCursor(crHSplit);
  TGraphicControl::RequestAlign();
}

void TSplitter::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(rect);
  if (FBeveled) Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
}

// The control to resize.

TControl* TSplitter::FindResizeControl() const {
  TWinControl* parent = GetParent();
  if (!parent) return nullptr;
  const TRect bounds = GetBoundsRect();
  TPoint touch;
  switch (GetAlign()) {
    case alLeft:
      touch = {bounds.Left - 1, bounds.Top};
      break;
    case alRight:
      touch = {bounds.Right, bounds.Top};
      break;
    case alTop:
      touch = {bounds.Left, bounds.Top - 1};
      break;
    case alBottom:
      touch = {bounds.Left, bounds.Bottom};
      break;
    default:
      return nullptr;
  }
  for (int i = 0; i < parent->GetControlCount(); ++i) {
    TControl* control = parent->GetControl(i);
    if (control == this || !control->GetVisible() || control->GetAlign() != GetAlign()) continue;
    TRect area = control->GetBoundsRect();
    // A control squeezed to nothing still touches the splitter.
    if (area.Width() == 0) --area.Left;
    if (area.Height() == 0) --area.Top;
    if (area.Contains(touch)) return control;
  }
  return nullptr;
}

int TSplitter::ControlSize() const {
  const TControl* control = FControl.Get();
  if (!control) return 0;
  return Vertical() ? control->GetWidth() : control->GetHeight();
}

// What leaves MinSize for the rest of the parent after every control aligned on the same axis.
int TSplitter::MaxSize() const {
  TWinControl* parent = GetParent();
  const bool vertical = Vertical();
  int size = vertical ? parent->GetClientWidth() : parent->GetClientHeight();
  size -= FMinSize;
  for (int i = 0; i < parent->GetControlCount(); ++i) {
    const TControl* control = parent->GetControl(i);
    if (!control->GetVisible()) continue;
    const TAlign align = control->GetAlign();
    if (vertical && (align == alLeft || align == alRight)) size -= control->GetWidth();
    if (!vertical && (align == alTop || align == alBottom)) size -= control->GetHeight();
  }
  return size + ControlSize();
}

int TSplitter::SizeFor(int x, int y) {
  const int current = ControlSize();
  int shift = Vertical() ? x - FDownPos.X : y - FDownPos.Y;
  if (GetAlign() == alRight || GetAlign() == alBottom) shift = -shift;
  int size = std::min(current + shift, MaxSize());
  size = std::max(size, FMinSize);
  bool accept = true;
  if (FOnCanResize) {
    TControlRef<> self(this);
    FOnCanResize(this, size, accept);
    if (!self) return current;
  }
  return accept ? std::max(size, 0) : current;
}

TRect TSplitter::BarRect(int size) const {
  const int shift = size - ControlSize();
  switch (GetAlign()) {
    case alLeft:
      return GetBoundsRect().Offset(shift, 0);
    case alRight:
      return GetBoundsRect().Offset(-shift, 0);
    case alTop:
      return GetBoundsRect().Offset(0, shift);
    default:
      return GetBoundsRect().Offset(0, -shift);
  }
}

// Dragging.

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  TGraphicControl::MouseDown(button, shift, x, y);
  if (!self || button != mbLeft || FDragging) return;
  TControl* control = FindResizeControl();
  if (!control) return;
  FControl = control;
  FDownPos = {x, y};
  FNewSize = ControlSize();
  FDragging = true;
  FBar = BarRect(FNewSize);
  ShowBar(true);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  TGraphicControl::MouseMove(shift, x, y);
  if (!self || !FDragging) return;
  if (!FControl) return EndDrag();
  const int size = SizeFor(x, y);
  if (self && FDragging) Track(size);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  if (FDragging && button == mbLeft) {
    ShowBar(false);
    const bool changed = FControl && FNewSize != ControlSize();
    if (changed) Apply(FNewSize);
    FDragging = false;
    FControl.Reset();
    if (changed && FOnMoved) FOnMoved(this);
    if (!self) return;
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSplitter::Track(int newSize) {
  if (newSize == FNewSize) return;
  FNewSize = newSize;
  if (FResizeStyle == rsUpdate) {
    Apply(newSize);
    return;
  }
  ShowBar(false);
  FBar = BarRect(newSize);
  ShowBar(true);
}

void TSplitter::Apply(int newSize) {
  TControl* control = FControl.Get();
  if (!control) return;
  if (Vertical())
    control->SetWidth(newSize);
  else
    control->SetHeight(newSize);
  if (TWinControl* parent = GetParent(); parent && parent->HandleAllocated()) parent->Update();
}

void TSplitter::EndDrag() {
  ShowBar(false);
  FDragging = false;
  FControl.Reset();
}

void TSplitter::WMCancelMode(TMessage& message) {
  // The drag is abandoned: the control keeps its size.
  if (FDragging) EndDrag();
  TGraphicControl::WMCancelMode(message);
}

// The tracking bar.

void TSplitter::ShowBar(bool visible) {
  if (visible == FBarVisible) return;
  if (visible) {
    if (FResizeStyle != rsLine && FResizeStyle != rsPattern) return;
    FBarStyle = FResizeStyle;  // erased as it was drawn, whatever ResizeStyle becomes
  }
  FBarVisible = visible;
  InvertBar(FBar);
}

void TSplitter::InvertBar(const TRect& bar) {
  TWinControl* parent = GetParent();
  if (!parent || !parent->HandleAllocated()) return;
  const HWND window = parent->GetHandle();
  // Over the parent's child windows too: the bar crosses the controls it resizes.
  HDC dc = GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
  if (!dc) return;
  if (FBarStyle == rsLine) {
    PatBlt(dc, bar.Left, bar.Top, bar.Width(), bar.Height(), DSTINVERT);
  } else {
    const TCheckerBrush halftone(RGB(0, 0, 0), RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, halftone.GetHandle());
    PatBlt(dc, bar.Left, bar.Top, bar.Width(), bar.Height(), PATINVERT);
    SelectObject(dc, old);
  }
  ReleaseDC(window, dc);
}
