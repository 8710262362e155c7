#include "winsys/Input.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"
#include "winsys/WindowTree.h"

namespace {
TWindowSystem& System() {
  return TWindowSystem::Instance();
}

constexpr int ButtonKeys[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
constexpr UINT ButtonDownMessages[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
// Client mouse messages minus their non-client counterparts.
constexpr UINT NonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;
constexpr UINT DoubleClickOffset = WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;

// The deepest window under a screen point that does not answer HTTRANSPARENT, with its
// hit-test code. Disabled windows take the point with HTERROR.
TWindow* HitTestTree(TWindow& parent, TPoint point, int& hit) {
  std::vector<HWND> children;
  for (TWindow* child : parent.Children)
    children.push_back(child->Handle);
  for (HWND handle : children) {
    TWindow* child = System().Find(handle);
    if (!child || !child->IsVisible() || !child->ScreenRect().Contains(point)) continue;
    if (!child->IsEnabled()) {
      hit = HTERROR;
      return child;
    }
    if (child->ClientScreenRect().Contains(point))
      if (TWindow* inner = HitTestTree(*child, point, hit)) return inner;
    hit = static_cast<int16_t>(System().Send(child, WM_NCHITTEST, 0, PointToLParam(point)));
    if (hit == HTTRANSPARENT) continue;
    return System().Find(handle);
  }
  return nullptr;
}

UINT MouseMessage(const TInputEvent& event) {
  switch (event.Kind) {
    case TInputEvent::TKind::ButtonDown:
      return ButtonDownMessages[event.Button];
    case TInputEvent::TKind::ButtonUp:
      return ButtonDownMessages[event.Button] + 1;
    default:
      return WM_MOUSEMOVE;
  }
}

int ButtonKey(int button) {
  return ButtonKeys[std::clamp(button, 0, 2)];
}
}  // namespace

char32_t CharacterOfKey(int key, bool shift, bool control, bool capsLock) {
  static constexpr char ShiftedDigits[] = ")!@#$%^&*(";
  struct TOem {
    int Key;
    char Plain;
    char Shifted;
  };
  static constexpr TOem OemKeys[] = {
      {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
      {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
      {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
      {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
  };
  if (key >= 'A' && key <= 'Z') {
    if (control) return static_cast<char32_t>(key - 'A' + 1);
    return static_cast<char32_t>((shift != capsLock) ? key : key - 'A' + 'a');
  }
  if (control) {
    switch (key) {
      case VK_OEM_4:
        return 0x1B;
      case VK_OEM_5:
        return 0x1C;
      case VK_OEM_6:
        return 0x1D;
      case VK_RETURN:
        return 0x0A;
      case VK_BACK:
        return 0x7F;
      case VK_SPACE:
        return U' ';
      default:
        return 0;
    }
  }
  if (key >= '0' && key <= '9')
    return static_cast<char32_t>(shift ? ShiftedDigits[key - '0'] : key);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return static_cast<char32_t>('0' + key - VK_NUMPAD0);
  switch (key) {
    case VK_SPACE:
      return U' ';
    case VK_RETURN:
      return U'\r';
    case VK_BACK:
      return 0x08;
    case VK_TAB:
      return U'\t';
    case VK_ESCAPE:
      return 0x1B;
    case VK_MULTIPLY:
      return U'*';
    case VK_ADD:
      return U'+';
    case VK_SUBTRACT:
      return U'-';
    case VK_DECIMAL:
      return U'.';
    case VK_DIVIDE:
      return U'/';
    default:
      break;
  }
  for (const TOem& oem : OemKeys)
    if (oem.Key == key) return static_cast<char32_t>(shift ? oem.Shifted : oem.Plain);
  return 0;
}

TInputRouter::TInputRouter() {
  Reset();
}

void TInputRouter::Reset() {
  std::memset(FKeyState, 0, sizeof(FKeyState));
  std::memset(FAsyncState, 0, sizeof(FAsyncState));
  FCursorPos = {};
  FLastClick = TClick();
}

void TInputRouter::UpdateState(BYTE* states, int key, bool down) {
  BYTE& state = states[key & 0xFF];
  if (down) {
    if (!(state & 0x80)) state ^= 0x01;
    state |= 0x80;
  } else {
    state &= 0x7F;
  }
}

void TInputRouter::InjectMouseMove(TPoint screen) {
  const TSurface& surface = System().Screen();
  FCursorPos = {std::clamp(screen.X, 0, std::max(surface.Width() - 1, 0)),
                std::clamp(screen.Y, 0, std::max(surface.Height() - 1, 0))};
  TInputEvent event;
  event.Kind = TInputEvent::TKind::MouseMove;
  event.Point = FCursorPos;
  event.Time = GetTickCount();
  System().Queue().PostInput(event);
}

void TInputRouter::InjectButton(int button, bool down) {
  button = std::clamp(button, 0, 2);
  UpdateState(FAsyncState, ButtonKey(button), down);
  TInputEvent event;
  event.Kind = down ? TInputEvent::TKind::ButtonDown : TInputEvent::TKind::ButtonUp;
  event.Point = FCursorPos;
  event.Button = button;
  event.Time = GetTickCount();
  System().Queue().PostInput(event);
}

void TInputRouter::InjectWheel(int delta) {
  TInputEvent event;
  event.Kind = TInputEvent::TKind::Wheel;
  event.Point = FCursorPos;
  event.WheelDelta = delta;
  event.Time = GetTickCount();
  System().Queue().PostInput(event);
}

void TInputRouter::InjectKey(int virtualKey, bool down, bool noTranslate) {
  UpdateState(FAsyncState, virtualKey, down);
  TInputEvent event;
  event.Kind = down ? TInputEvent::TKind::KeyDown : TInputEvent::TKind::KeyUp;
  event.Key = virtualKey & 0xFF;
  event.Point = FCursorPos;
  event.Time = GetTickCount();
  event.NoTranslate = noTranslate;
  System().Queue().PostInput(event);
}

void TInputRouter::InjectChar(char32_t character) {
  TInputEvent event;
  event.Kind = TInputEvent::TKind::Char;
  event.Character = character;
  event.Point = FCursorPos;
  event.Time = GetTickCount();
  System().Queue().PostInput(event);
}

void TInputRouter::SetKeyState(const BYTE* states) {
  std::memcpy(FKeyState, states, sizeof(FKeyState));
}

void TInputRouter::SetCursorPos(TPoint screen) {
  InjectMouseMove(screen);
}

WPARAM TInputRouter::MouseKeyFlags() const {
  WPARAM flags = 0;
  if (FKeyState[VK_LBUTTON] & 0x80) flags |= MK_LBUTTON;
  if (FKeyState[VK_RBUTTON] & 0x80) flags |= MK_RBUTTON;
  if (FKeyState[VK_MBUTTON] & 0x80) flags |= MK_MBUTTON;
  if (FKeyState[VK_SHIFT] & 0x80) flags |= MK_SHIFT;
  if (FKeyState[VK_CONTROL] & 0x80) flags |= MK_CONTROL;
  return flags;
}

bool TInputRouter::Translate(const TInputEvent& event, MSG& message) {
  switch (event.Kind) {
    case TInputEvent::TKind::KeyDown:
    case TInputEvent::TKind::KeyUp:
      return TranslateKey(event, message);
    case TInputEvent::TKind::Char: {
      TWindow* target = System().Focus() ? System().Focus() : System().Active();
      if (!target) return false;
      message = {target->Handle, WM_CHAR, event.Character, 1, event.Time, event.Point};
      return true;
    }
    default:
      return TranslateMouse(event, message);
  }
}

bool TInputRouter::IsDoubleClick(const TInputEvent& event, HWND window) {
  const UINT button = ButtonDownMessages[event.Button];
  const int halfWidth = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
  const int halfHeight = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  const bool isDouble = FLastClick.Message == button && FLastClick.Window == window &&
                        event.Time - FLastClick.Time <= System().DoubleClickTime() &&
                        std::abs(event.Point.X - FLastClick.Point.X) <= halfWidth &&
                        std::abs(event.Point.Y - FLastClick.Point.Y) <= halfHeight;
  // The click after a double click starts a new pair.
  FLastClick = isDouble ? TClick() : TClick{button, window, event.Point, event.Time};
  return isDouble;
}

bool TInputRouter::Activate(TWindow* window, int hitTest, UINT mouseMessage) {
  TWindow* top = window->TopLevel();
  if (window->IsDesktop() || top->IsChild() || System().Active() == top) return true;
  const HWND topHandle = top->Handle;
  const LRESULT answer =
      System().Send(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topHandle),
                    MAKELPARAM(static_cast<WORD>(hitTest), static_cast<WORD>(mouseMessage)));
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && System().Find(topHandle))
    WindowTree::Activate(*top, WA_CLICKACTIVE);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool TInputRouter::TranslateMouse(const TInputEvent& event, MSG& message) {
  TWindowSystem& system = System();
  const bool down = event.Kind == TInputEvent::TKind::ButtonDown;
  const bool up = event.Kind == TInputEvent::TKind::ButtonUp;
  if (down || up) UpdateState(FKeyState, ButtonKey(event.Button), down);

  TNonClientTracker& tracker = system.Tracker();
  if (tracker.IsActive()) {
    if (event.Kind == TInputEvent::TKind::MouseMove) tracker.MouseMove(event.Point);
    if (up && event.Button == MouseLeft) tracker.ButtonUp(event.Point);
    return false;
  }

  if (event.Kind == TInputEvent::TKind::Wheel) {
    TWindow* focus = system.Focus();
    if (!focus) return false;
    message = {focus->Handle,
               WM_MOUSEWHEEL,
               MAKEWPARAM(static_cast<WORD>(MouseKeyFlags()), static_cast<WORD>(event.WheelDelta)),
               PointToLParam(event.Point),
               event.Time,
               event.Point};
    return true;
  }

  TWindow* capture = system.Capture();
  int hit = HTCLIENT;
  TWindow* target = capture ? capture : HitTestTree(*system.Desktop(), event.Point, hit);
  if (!target) target = system.Desktop();
  const HWND handle = target->Handle;
  const bool client = hit == HTCLIENT;
  UINT msg = MouseMessage(event);
  if (down && IsDoubleClick(event, handle) &&
      (!client || (target->Class && (target->Class->Style & CS_DBLCLKS))))
    msg += DoubleClickOffset;
  if (!client) msg -= NonClientOffset;

  if (system.Hooks().HasHooks(WH_MOUSE)) {
    MOUSEHOOKSTRUCT info{event.Point, handle, static_cast<UINT>(hit), 0};
    if (system.Hooks().Call(WH_MOUSE, HC_ACTION, msg, reinterpret_cast<LPARAM>(&info)))
      return false;
    if (!system.Find(handle)) return false;
  }
  if (down && !capture && !Activate(target, hit, msg)) return false;
  if (!capture && system.Find(handle)) {
    system.Send(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle),
                MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(msg)));
  }
  if (hit == HTERROR || !system.Find(handle)) return false;

  TPoint position = event.Point;
  if (client) {
    const TPoint origin = target->ClientOrigin();
    position = {position.X - origin.X, position.Y - origin.Y};
  }
  message = {handle,
             msg,
             client ? MouseKeyFlags() : static_cast<WPARAM>(hit),
             PointToLParam(position),
             event.Time,
             event.Point};
  return true;
}

bool TInputRouter::TranslateKey(const TInputEvent& event, MSG& message) {
  TWindowSystem& system = System();
  const bool down = event.Kind == TInputEvent::TKind::KeyDown;
  const bool wasDown = (FKeyState[event.Key] & 0x80) != 0;
  UpdateState(FKeyState, event.Key, down);
  TWindow* focus = system.Focus();
  TWindow* target = focus ? focus : system.Active();
  if (!target) return false;
  const bool alt = (FKeyState[VK_MENU] & 0x80) != 0;
  const bool control = (FKeyState[VK_CONTROL] & 0x80) != 0;
  const bool system_ = (alt && !control) || event.Key == VK_MENU || event.Key == VK_F10 || !focus;
  const UINT msg =
      down ? (system_ ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system_ ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM data = 1 | (static_cast<LPARAM>(event.Key & 0xFF) << 16);
  if (alt) data |= LPARAM{1} << 29;
  if (wasDown) data |= LPARAM{1} << 30;
  if (!down) data |= LPARAM{1} << 31;
  data = static_cast<LPARAM>(static_cast<int32_t>(data));
  const HWND handle = target->Handle;
  if (system.Hooks().HasHooks(WH_KEYBOARD)) {
    if (system.Hooks().Call(WH_KEYBOARD, HC_ACTION, static_cast<WPARAM>(event.Key), data))
      return false;
    if (!system.Find(handle)) return false;
  }
  message = {handle, msg, static_cast<WPARAM>(event.Key), data, event.Time, event.Point};
  return true;
}

int16_t GetKeyState(int key) {
  const BYTE state = System().Input().KeyState(key);
  return static_cast<int16_t>(((state & 0x80) ? 0xFF80 : 0) | (state & 0x01));
}

int16_t GetAsyncKeyState(int key) {
  return static_cast<int16_t>((System().Input().AsyncKeyState(key) & 0x80) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* states) {
  if (!states) return FALSE;
  for (int key = 0; key < 256; ++key)
    states[key] = System().Input().KeyState(key);
  return TRUE;
}

BOOL SetKeyboardState(const BYTE* states) {
  if (!states) return FALSE;
  System().Input().SetKeyState(states);
  return TRUE;
}

BOOL GetCursorPos(TPoint* point) {
  if (!point) return FALSE;
  *point = System().Input().CursorPos();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  System().Input().SetCursorPos({x, y});
  return TRUE;
}

UINT GetDoubleClickTime() {
  return System().DoubleClickTime();
}

BOOL SetDoubleClickTime(UINT milliseconds) {
  System().SetDoubleClickTime(milliseconds ? milliseconds : 500);
  return TRUE;
}

BOOL MessageBeep(UINT) {
  System().Beep();
  return TRUE;
}

int GetBeepCount() {
  return System().BeepCount();
}
