#include "winsys/Window.h"

#include <algorithm>

bool TWindow::IsShowing() const {
  for (const TWindow* w = this; w && !w->IsDesktop(); w = w->Parent)
    if (!w->IsVisible()) return false;
  return true;
}

TWindow* TWindow::TopLevel() {
  TWindow* w = this;
  while (w->Parent && !w->Parent->IsDesktop())
    w = w->Parent;
  return w;
}

bool TWindow::IsAncestorOf(const TWindow* other) const {
  for (const TWindow* w = other ? other->Parent : nullptr; w; w = w->Parent)
    if (w == this) return true;
  return false;
}

TPoint TWindow::ScreenOrigin() const {
  if (!Parent) return WindowRect.TopLeft();
  const TPoint parent = Parent->ClientOrigin();
  return {parent.X + WindowRect.Left, parent.Y + WindowRect.Top};
}

TRect TWindow::ScreenRect() const {
  const TPoint origin = ScreenOrigin();
  return Bounds(origin.X, origin.Y, WindowRect.Width(), WindowRect.Height());
}

TPoint TWindow::ClientOrigin() const {
  const TPoint origin = ScreenOrigin();
  return {origin.X + ClientRect.Left, origin.Y + ClientRect.Top};
}

TRect TWindow::ClientScreenRect() const {
  const TPoint origin = ClientOrigin();
  return Bounds(origin.X, origin.Y, ClientRect.Width(), ClientRect.Height());
}

void TWindow::InsertChild(TWindow* child, TWindow* after, bool atBottom) {
  RemoveChild(child);
  if (atBottom) {
    Children.push_back(child);
    return;
  }
  auto position = std::find(Children.begin(), Children.end(), after);
  if (position == Children.end())
    Children.insert(Children.begin(), child);
  else
    Children.insert(position + 1, child);
}

void TWindow::RemoveChild(TWindow* child) {
  auto found = std::find(Children.begin(), Children.end(), child);
  if (found != Children.end()) Children.erase(found);
}

int TWindow::ZIndex() const {
  if (!Parent) return 0;
  auto found = std::find(Parent->Children.begin(), Parent->Children.end(), this);
  return static_cast<int>(found - Parent->Children.begin());
}
