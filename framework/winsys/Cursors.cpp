#include "winsys/Cursors.h"

#include "graphics/Cursor.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
constexpr uintptr_t FirstCursorHandle = 0xC000;
constexpr int ShapeCount = static_cast<int>(TCursorShape::None) + 1;

HCURSOR HandleOf(TCursorShape shape) {
  return reinterpret_cast<HCURSOR>(FirstCursorHandle + static_cast<uintptr_t>(shape));
}

struct TStandardCursor {
  uintptr_t Id;
  TCursorShape Shape;
};
constexpr TStandardCursor StandardCursors[] = {
    {32512, TCursorShape::Arrow},    {32513, TCursorShape::IBeam},
    {32514, TCursorShape::Wait},     {32515, TCursorShape::Cross},
    {32516, TCursorShape::UpArrow},  {32640, TCursorShape::SizeAll},
    {32642, TCursorShape::SizeNWSE}, {32643, TCursorShape::SizeNESW},
    {32644, TCursorShape::SizeWE},   {32645, TCursorShape::SizeNS},
    {32646, TCursorShape::SizeAll},  {32648, TCursorShape::No},
    {32649, TCursorShape::Hand},     {32650, TCursorShape::AppStarting},
    {32651, TCursorShape::Help},
};

struct TFrameworkCursor {
  int Number;
  TCursorShape Shape;
};
constexpr TFrameworkCursor FrameworkCursors[] = {
    {crNone, TCursorShape::None},
    {crArrow, TCursorShape::Arrow},
    {crCross, TCursorShape::Cross},
    {crIBeam, TCursorShape::IBeam},
    {crSize, TCursorShape::SizeAll},
    {crSizeNESW, TCursorShape::SizeNESW},
    {crSizeNS, TCursorShape::SizeNS},
    {crSizeNWSE, TCursorShape::SizeNWSE},
    {crSizeWE, TCursorShape::SizeWE},
    {crUpArrow, TCursorShape::UpArrow},
    {crHourGlass, TCursorShape::Wait},
    {crDrag, TCursorShape::Drag},
    {crNoDrop, TCursorShape::NoDrop},
    {crHSplit, TCursorShape::HSplit},
    {crVSplit, TCursorShape::VSplit},
    {crMultiDrag, TCursorShape::MultiDrag},
    {crSQLWait, TCursorShape::SQLWait},
    {crNo, TCursorShape::No},
    {crAppStart, TCursorShape::AppStarting},
    {crHelp, TCursorShape::Help},
    {crHandPoint, TCursorShape::Hand},
    {crSizeAll, TCursorShape::SizeAll},
};
}  // namespace

HCURSOR LoadCursor(HINSTANCE instance, const char* name) {
  if (instance || !IS_INTRESOURCE(name)) return nullptr;
  const auto id = reinterpret_cast<uintptr_t>(name);
  for (const TStandardCursor& cursor : StandardCursors)
    if (cursor.Id == id) return HandleOf(cursor.Shape);
  return nullptr;
}

HCURSOR LoadFrameworkCursor(int cursorNumber) {
  for (const TFrameworkCursor& cursor : FrameworkCursors)
    if (cursor.Number == cursorNumber) return HandleOf(cursor.Shape);
  return HandleOf(TCursorShape::Arrow);
}

TCursorShape CursorShape(HCURSOR cursor) {
  const auto value = reinterpret_cast<uintptr_t>(cursor);
  if (value < FirstCursorHandle || value >= FirstCursorHandle + ShapeCount)
    return TCursorShape::None;
  return static_cast<TCursorShape>(value - FirstCursorHandle);
}

TCursorShape VisibleCursorShape() {
  TWindowSystem& system = TWindowSystem::Instance();
  return system.CursorShowCount() < 0 ? TCursorShape::None : CursorShape(system.Cursor());
}

HCURSOR SetCursor(HCURSOR cursor) {
  TWindowSystem& system = TWindowSystem::Instance();
  HCURSOR old = system.Cursor();
  system.SetCursorHandle(cursor);
  return old;
}

HCURSOR GetCursor() {
  return TWindowSystem::Instance().Cursor();
}

int ShowCursor(BOOL show) {
  int& count = TWindowSystem::Instance().CursorShowCount();
  count += show ? 1 : -1;
  return count;
}
