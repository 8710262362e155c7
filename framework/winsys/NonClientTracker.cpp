#include "winsys/NonClientTracker.h"

#include "winsys/NonClient.h"
#include "winsys/ScrollBar.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
constexpr DWORD FirstRepeatDelay = 350;
constexpr DWORD RepeatInterval = 50;
constexpr int MaxRepeatsPerTick = 100;

using TPart = TScrollBarGeometry::TPart;

TPart PartOf(TNonClientTracker::TMode mode) {
  switch (mode) {
    case TNonClientTracker::TMode::ScrollArrowLess:
      return TPart::LessArrow;
    case TNonClientTracker::TMode::ScrollArrowMore:
      return TPart::MoreArrow;
    case TNonClientTracker::TMode::ScrollPageLess:
      return TPart::PageLess;
    case TNonClientTracker::TMode::ScrollPageMore:
      return TPart::PageMore;
    case TNonClientTracker::TMode::ScrollThumb:
      return TPart::Thumb;
    default:
      return TPart::None;
  }
}

int CodeOf(TNonClientTracker::TMode mode) {
  switch (mode) {
    case TNonClientTracker::TMode::ScrollArrowLess:
      return SB_LINEUP;
    case TNonClientTracker::TMode::ScrollArrowMore:
      return SB_LINEDOWN;
    case TNonClientTracker::TMode::ScrollPageLess:
      return SB_PAGEUP;
    default:
      return SB_PAGEDOWN;
  }
}

bool IsRepeating(TNonClientTracker::TMode mode) {
  return mode == TNonClientTracker::TMode::ScrollArrowLess ||
         mode == TNonClientTracker::TMode::ScrollArrowMore ||
         mode == TNonClientTracker::TMode::ScrollPageLess ||
         mode == TNonClientTracker::TMode::ScrollPageMore;
}

TPoint ToWindow(const TWindow& window, TPoint screen) {
  const TPoint origin = window.ScreenOrigin();
  return {screen.X - origin.X, screen.Y - origin.Y};
}
}  // namespace

TWindow* TNonClientTracker::Target() const {
  return TWindowSystem::Instance().Find(FWindow);
}

bool TNonClientTracker::Begin(TWindow& window, int hitTest, TPoint screen) {
  if (IsActive()) return false;
  FStart = FLast = screen;
  FPressedInside = true;
  switch (hitTest) {
    case HTVSCROLL:
      BeginScroll(window, SB_VERT, screen);
      break;
    case HTHSCROLL:
      BeginScroll(window, SB_HORZ, screen);
      break;
    case HTCAPTION:
      if (window.Parent && window.Parent->IsDesktop()) {
        FMode = TMode::MoveWindow;
        FWindow = window.Handle;
      }
      break;
    case HTCLOSE:
      FMode = TMode::CloseButton;
      FWindow = window.Handle;
      break;
    default:
      break;
  }
  return IsActive();
}

void TNonClientTracker::BeginScroll(TWindow& window, int bar, TPoint screen) {
  const TScrollBarGeometry g = TScrollBarGeometry::For(window, bar);
  const TPoint p = ToWindow(window, screen);
  FWindow = window.Handle;
  FBar = bar;
  switch (g.PartAt(p)) {
    case TPart::LessArrow:
      FMode = TMode::ScrollArrowLess;
      break;
    case TPart::MoreArrow:
      FMode = TMode::ScrollArrowMore;
      break;
    case TPart::PageLess:
      FMode = TMode::ScrollPageLess;
      break;
    case TPart::PageMore:
      FMode = TMode::ScrollPageMore;
      break;
    case TPart::Thumb: {
      FMode = TMode::ScrollThumb;
      FThumbOffset = g.Vertical ? p.Y - g.Thumb.Top : p.X - g.Thumb.Left;
      TScrollBarState& state = ScrollBars::State(window, bar);
      state.TrackPos = state.Pos;
      state.Tracking = true;
      RepaintBar();
      return;
    }
    case TPart::None:
      FWindow = nullptr;
      return;
  }
  FNextRepeat = GetTickCount() + FirstRepeatDelay;
  RepaintBar();
  SendScroll(CodeOf(FMode), 0);
}

void TNonClientTracker::SendScroll(int code, int position) {
  if (TWindow* window = Target())
    TWindowSystem::Instance().Send(window, FBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                                   MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
                                   0);
}

void TNonClientTracker::RepaintBar() {
  if (TWindow* window = Target())
    ScrollBars::Repaint(*window, FBar, FPressedInside ? PartOf(FMode) : TPart::None);
}

void TNonClientTracker::MouseMove(TPoint screen) {
  TWindow* window = Target();
  if (!window) return Cancel();
  FLast = screen;
  const TPoint p = ToWindow(*window, screen);
  switch (FMode) {
    case TMode::ScrollThumb: {
      const TScrollBarGeometry g = TScrollBarGeometry::For(*window, FBar);
      const int along = g.Vertical ? p.Y - g.Trough.Top : p.X - g.Trough.Left;
      TScrollBarState& state = ScrollBars::State(*window, FBar);
      const int position = g.PositionForThumb(along - FThumbOffset, state);
      if (position == state.TrackPos) return;
      state.TrackPos = position;
      RepaintBar();
      SendScroll(SB_THUMBTRACK, position);
      return;
    }
    case TMode::MoveWindow: {
      const TRect rect = window->WindowRect;
      SetWindowPos(FWindow, nullptr, rect.Left + screen.X - FStart.X,
                   rect.Top + screen.Y - FStart.Y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      FStart = screen;
      return;
    }
    case TMode::CloseButton:
      FPressedInside = NonClient::CloseButtonRect(*window).Contains(p);
      return;
    default: {
      const bool inside = TScrollBarGeometry::For(*window, FBar).PartAt(p) == PartOf(FMode);
      if (inside != FPressedInside) {
        FPressedInside = inside;
        RepaintBar();
      }
    }
  }
}

void TNonClientTracker::ButtonUp(TPoint screen) {
  MouseMove(screen);
  const TMode mode = FMode;
  const bool inside = FPressedInside;
  FMode = TMode::None;
  TWindow* window = Target();
  if (!window) {
    FWindow = nullptr;
    return;
  }
  if (mode == TMode::ScrollThumb) {
    // The tracking position stays readable (GetScrollInfo) while the window handles the final
    // position: the message itself carries only 16 bits of it.
    SendScroll(SB_THUMBPOSITION, ScrollBars::State(*window, FBar).TrackPos);
    if (TWindow* target = Target()) ScrollBars::State(*target, FBar).Tracking = false;
  }
  if (mode == TMode::CloseButton) {
    if (inside) PostMessage(FWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else if (mode != TMode::MoveWindow) {
    if (Target()) ScrollBars::Repaint(*Target(), FBar);
    SendScroll(SB_ENDSCROLL, 0);
  }
  FWindow = nullptr;
}

void TNonClientTracker::Tick(DWORD now) {
  for (int i = 0; i < MaxRepeatsPerTick && IsRepeating(FMode); ++i) {
    if (static_cast<int32_t>(now - FNextRepeat) < 0) return;
    FNextRepeat += RepeatInterval;
    TWindow* window = Target();
    if (!window) return Cancel();
    // Paging stops once the thumb has reached the pointer.
    const bool inside =
        TScrollBarGeometry::For(*window, FBar).PartAt(ToWindow(*window, FLast)) == PartOf(FMode);
    if (inside) SendScroll(CodeOf(FMode), 0);
  }
}

bool TNonClientTracker::NextDue(DWORD& due) const {
  if (!IsRepeating(FMode)) return false;
  due = FNextRepeat;
  return true;
}

void TNonClientTracker::Cancel() {
  if (!IsActive()) return;
  const TMode mode = FMode;
  FMode = TMode::None;
  if (TWindow* window = Target()) {
    if (mode == TMode::ScrollThumb) ScrollBars::State(*window, FBar).Tracking = false;
    if (mode != TMode::MoveWindow && mode != TMode::CloseButton) {
      ScrollBars::Repaint(*window, FBar);
      SendScroll(SB_ENDSCROLL, 0);
    }
  }
  FWindow = nullptr;
}
