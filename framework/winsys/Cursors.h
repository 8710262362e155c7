#pragma once

#include "types/WinTypes.h"

// The shapes of the standard cursors. Presenters show them with the host's own cursors.
enum class TCursorShape : uint8_t {
  Arrow,
  IBeam,
  Wait,
  Cross,
  UpArrow,
  SizeNWSE,
  SizeNESW,
  SizeWE,
  SizeNS,
  SizeAll,
  No,
  Hand,
  AppStarting,
  Help,
  HSplit,
  VSplit,
  Drag,
  NoDrop,
  MultiDrag,
  SQLWait,
  None,
};

// The cursor of a framework cursor number (crArrow, crHSplit, ...); crDefault and unknown
// numbers give the arrow, crNone the empty cursor.
HCURSOR LoadFrameworkCursor(int cursorNumber);
// The shape of a standard cursor handle; null (no cursor) is None.
TCursorShape CursorShape(HCURSOR cursor);
// The cursor that shows now: the one set, or None while hidden (ShowCursor).
TCursorShape VisibleCursorShape();
