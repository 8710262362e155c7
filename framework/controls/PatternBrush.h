#pragma once

#include "types/WinTypes.h"

// An 8 x 8 checkerboard brush of two colours, tiled from the context's brush origin: the
// halftone of tracking lines (black and white, drawn with PATINVERT so that a second stroke
// erases the first) and the dithered face of a button that stays down. The brush owns its
// pattern bitmap and its handle.
class TCheckerBrush {
 public:
  // even colours the pixels whose coordinates add up to an even number, odd the others.
  TCheckerBrush(COLORREF even, COLORREF odd);
  ~TCheckerBrush();
  TCheckerBrush(const TCheckerBrush&) = delete;
  TCheckerBrush& operator=(const TCheckerBrush&) = delete;

  HBRUSH GetHandle() const { return FBrush; }

 private:
  HBITMAP FPattern = nullptr;
  HBRUSH FBrush = nullptr;
};
