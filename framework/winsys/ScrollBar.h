#pragma once

#include "types/Rect.h"
#include "winsys/Window.h"

// Where the parts of a window's scroll bar lie, in window coordinates, and what positions they
// stand for. Arrows are square; the thumb's length is proportional to the page (a fixed length
// without one) and never shorter than MinThumb.
struct TScrollBarGeometry {
  enum class TPart { None, LessArrow, PageLess, Thumb, PageMore, MoreArrow };
  static constexpr int MinThumb = 8;

  bool Vertical = true;
  TRect Bar;
  TRect LessArrow;
  TRect MoreArrow;
  TRect Trough;
  TRect Thumb;  // empty when the bar is disabled or too short for one

  static TScrollBarGeometry For(const TWindow& window, int bar);
  TPart PartAt(TPoint windowPoint) const;
  // The position whose thumb starts at leading (pixels along the bar from its start).
  int PositionForThumb(int leading, const TScrollBarState& state) const;
  // Length of the trough and thumb along the bar.
  int TroughLength() const { return Vertical ? Trough.Height() : Trough.Width(); }
  int ThumbLength() const { return Vertical ? Thumb.Height() : Thumb.Width(); }
  int ThumbStart() const { return Vertical ? Thumb.Top - Trough.Top : Thumb.Left - Trough.Left; }
};

namespace ScrollBars {
// The highest position the bar can take: the maximum less the page, plus one.
int MaxPosition(const TScrollBarState& state);
TScrollBarState& State(TWindow& window, int bar);
// Paints one bar into a window context; pressed marks the part held down.
void Paint(TWindow& window, HDC windowDC, int bar,
           TScrollBarGeometry::TPart pressed = TScrollBarGeometry::TPart::None);
// Repaints the bar on the screen now.
void Repaint(TWindow& window, int bar,
             TScrollBarGeometry::TPart pressed = TScrollBarGeometry::TPart::None);
}  // namespace ScrollBars
