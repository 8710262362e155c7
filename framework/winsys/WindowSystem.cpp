#include "winsys/WindowSystem.h"

#include "winsys/Painting.h"
#include "winsys/WinUser.h"

namespace {
constexpr int DefaultScreenWidth = 1280;
constexpr int DefaultScreenHeight = 800;
constexpr const char* DesktopClass = "#32769";
}  // namespace

TWindowSystem& TWindowSystem::Instance() {
  static TWindowSystem system;
  return system;
}

TWindowSystem::TWindowSystem() : FScreen(DefaultScreenWidth, DefaultScreenHeight) {
  WNDCLASSEX desktop;
  desktop.lpfnWndProc = &DefWindowProc;
  desktop.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND + 1);
  desktop.lpszClassName = DesktopClass;
  FClasses.Register(desktop, true);
  CreateDesktop();
}

TWindowSystem::~TWindowSystem() {
  // Programs may leave windows behind; they go without messages at exit.
  FRetired.clear();
  FWindows.clear();
}

void TWindowSystem::CreateDesktop() {
  TWindow* desktop = NewWindow(FClasses.Find(DesktopClass));
  desktop->Style = WS_VISIBLE | WS_CLIPCHILDREN;
  desktop->WindowRect = FScreen.Bounds();
  desktop->ClientRect = FScreen.Bounds();
  desktop->Proc = &DefWindowProc;
  FDesktop = desktop;
  Painting::InvalidateTree(*desktop);
}

void TWindowSystem::Reset() {
  ++FCallDepth;
  std::vector<HWND> topLevel;
  for (TWindow* child : FDesktop->Children)
    topLevel.push_back(child->Handle);
  for (HWND window : topLevel)
    DestroyWindow(window);
  --FCallDepth;
  FreeRetired();
  FQueue.Clear();
  FHooks.Clear();
  FInput.Reset();
  FTracker = TNonClientTracker();
  // The bridge belongs to the presenter, which outlives resets; the text does not.
  FClipboard.Text.clear();
  FClipboard.HasText = false;
  FFocus = FActive = FCapture = nullptr;
  FCursor = LoadCursor(nullptr, IDC_ARROW);
  FCursorShowCount = 0;
  FBeeps = 0;
  FDoubleClickTime = 500;
  FClock.UseRealTime();
  FClasses.ResetToSystemClasses();
  FLastMessageTime = 0;
  FLastMessagePos = {};
  Painting::InvalidateTree(*FDesktop);
}

TWindow* TWindowSystem::Find(HWND handle) const {
  if (!handle) return nullptr;
  auto found = FWindows.find(reinterpret_cast<uintptr_t>(handle));
  return found == FWindows.end() ? nullptr : found->second.get();
}

void TWindowSystem::SetScreenSize(int width, int height) {
  if (width < 1 || height < 1) return;
  FScreen.Resize(width, height);
  FDesktop->WindowRect = FScreen.Bounds();
  FDesktop->ClientRect = FScreen.Bounds();
  Painting::InvalidateTree(*FDesktop);
}

LRESULT TWindowSystem::Send(TWindow* window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!window) return 0;
  WNDPROC proc = window->Proc ? window->Proc : &DefWindowProc;
  ++FCallDepth;
  struct TDepthGuard {
    TWindowSystem& System;
    ~TDepthGuard() {
      if (--System.FCallDepth == 0) System.FreeRetired();
    }
  } guard{*this};
  return proc(window->Handle, message, wParam, lParam);
}

LRESULT TWindowSystem::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Send(Find(window), message, wParam, lParam);
}

TWindow* TWindowSystem::NewWindow(TWindowClass* windowClass) {
  const uintptr_t handle = FNextHandle;
  FNextHandle += 2;
  auto window = std::make_unique<TWindow>(reinterpret_cast<HWND>(handle), windowClass);
  TWindow* result = window.get();
  FWindows.emplace(handle, std::move(window));
  if (windowClass) ++windowClass->WindowCount;
  return result;
}

void TWindowSystem::Retire(TWindow* window) {
  auto found = FWindows.find(reinterpret_cast<uintptr_t>(window->Handle));
  if (found == FWindows.end()) return;
  window->Destroyed = true;
  if (window->Class) --window->Class->WindowCount;
  FRetired.push_back(std::move(found->second));
  FWindows.erase(found);
  if (FCallDepth == 0) FreeRetired();
}

void TWindowSystem::FreeRetired() {
  FRetired.clear();
}

namespace {
TWindow* FindPaintable(TWindow& window, HWND filter, bool inFilter) {
  const bool matches = inFilter || !filter || window.Handle == filter;
  if (window.IsShowing() || window.IsDesktop()) {
    if (matches && (!window.Update.IsEmpty() || window.FrameNeeded)) return &window;
    for (auto it = window.Children.rbegin(); it != window.Children.rend(); ++it)
      if (TWindow* found = FindPaintable(**it, filter, matches)) return found;
  }
  return nullptr;
}
}  // namespace

TWindow* TWindowSystem::FindWindowToPaint(HWND filter) const {
  return FindPaintable(*FDesktop, filter, false);
}
