#include <algorithm>

#include "graphics/Gdi.h"
#include "types/SysColors.h"

namespace {
void Fill(HDC dc, const TRect& rect, int sysColor) {
  if (!rect.IsEmpty()) FillRect(dc, &rect, GetSysColorBrush(sysColor));
}

// One ring of an edge: the top and left sides in one colour, the bottom and right sides (which
// own the corners they share with the others) in another.
void Ring(HDC dc, TRect& rect, UINT flags, int topLeft, int bottomRight) {
  if (flags & BF_LEFT) Fill(dc, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1}, topLeft);
  if (flags & BF_TOP) Fill(dc, {rect.Left, rect.Top, rect.Right - 1, rect.Top + 1}, topLeft);
  if (flags & BF_RIGHT) Fill(dc, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, bottomRight);
  if (flags & BF_BOTTOM)
    Fill(dc, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
  if (flags & BF_LEFT) ++rect.Left;
  if (flags & BF_TOP) ++rect.Top;
  if (flags & BF_RIGHT) --rect.Right;
  if (flags & BF_BOTTOM) --rect.Bottom;
}

// The colours of the two rings. A soft edge (a push button's) swaps the top-left colours of
// its rings: a raised one shows white outside and light grey inside.
void OuterColors(UINT edge, UINT flags, int& topLeft, int& bottomRight) {
  const bool soft = flags & BF_SOFT;
  if (flags & BF_MONO) {
    topLeft = bottomRight = COLOR_WINDOWFRAME;
  } else if (flags & BF_FLAT) {
    topLeft = bottomRight = COLOR_BTNSHADOW;
  } else if (edge & BDR_RAISEDOUTER) {
    topLeft = soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT;
    bottomRight = COLOR_3DDKSHADOW;
  } else {
    topLeft = soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW;
    bottomRight = COLOR_BTNHIGHLIGHT;
  }
}

void InnerColors(UINT edge, UINT flags, int& topLeft, int& bottomRight) {
  const bool soft = flags & BF_SOFT;
  if (flags & BF_MONO) {
    topLeft = bottomRight = COLOR_WINDOW;
  } else if (flags & BF_FLAT) {
    topLeft = bottomRight = COLOR_BTNFACE;
  } else if (edge & BDR_RAISEDINNER) {
    topLeft = soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT;
    bottomRight = COLOR_BTNSHADOW;
  } else {
    topLeft = soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW;
    bottomRight = COLOR_3DLIGHT;
  }
}

TRect CenteredSquare(const TRect& rect) {
  const int side = std::min(rect.Width(), rect.Height());
  const int left = rect.Left + (rect.Width() - side) / 2;
  const int top = rect.Top + (rect.Height() - side) / 2;
  return {left, top, left + side, top + side};
}

// The classic check mark: seven columns, each a run of three pixels, scaled by whole steps.
void CheckMark(HDC dc, const TRect& inside, int color) {
  static constexpr int RunStart[7] = {2, 3, 4, 3, 2, 1, 0};
  const int scale = std::max(1, std::min(inside.Width(), inside.Height()) / 9);
  const int size = 7 * scale;
  const int left = inside.Left + (inside.Width() - size) / 2;
  const int top = inside.Top + (inside.Height() - size) / 2;
  for (int column = 0; column < 7; ++column)
    Fill(dc, Bounds(left + column * scale, top + RunStart[column] * scale, scale, 3 * scale),
         color);
}

BOOL CheckBox(HDC dc, const TRect& rect, UINT state) {
  TRect box = CenteredSquare(rect);
  if (box.IsEmpty()) return FALSE;
  if (state & (DFCS_FLAT | DFCS_MONO)) {
    const int frame = (state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
    Ring(dc, box, BF_RECT, frame, frame);
  } else {
    DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  Fill(dc, box, (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW);
  if (state & DFCS_CHECKED)
    CheckMark(dc, box, (state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
  return TRUE;
}

// The bevel of a button; push buttons have the soft one, scroll arrows and caption buttons not.
BOOL ButtonEdge(HDC dc, TRect* rect, UINT state, bool soft) {
  UINT flags = BF_RECT | BF_MIDDLE;
  if (soft) flags |= BF_SOFT;
  if (state & DFCS_FLAT) flags |= BF_FLAT;
  if (state & DFCS_MONO) flags |= BF_MONO;
  if (state & DFCS_ADJUSTRECT) flags |= BF_ADJUST;
  return DrawEdge(dc, rect, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, flags);
}

// A filled triangle pointing in direction (DFCS_SCROLLUP .. DFCS_SCROLLRIGHT), centred in the
// face: depth rows of 2 * depth - 1, 2 * depth - 3, ... pixels, 7 x 4 in a 16 x 16 button.
void Arrow(HDC dc, const TRect& face, UINT direction, int color) {
  const int depth = std::max(1, std::min(face.Width(), face.Height()) / 3);
  const int base = 2 * depth - 1;
  const bool vertical = direction != DFCS_SCROLLLEFT && direction != DFCS_SCROLLRIGHT;
  const int left = face.Left + (face.Width() - (vertical ? base : depth)) / 2;
  const int top = face.Top + (face.Height() - (vertical ? depth : base)) / 2;
  for (int i = 0; i < depth; ++i) {
    // The line i steps from the tip is 2 * i + 1 pixels long.
    const bool tipFirst = direction == DFCS_SCROLLUP || direction == DFCS_SCROLLLEFT;
    const int line = tipFirst ? i : depth - 1 - i;
    const int inset = depth - 1 - i;
    if (vertical)
      Fill(dc, {left + inset, top + line, left + base - inset, top + line + 1}, color);
    else
      Fill(dc, {left + line, top + inset, left + line + 1, top + base - inset}, color);
  }
}

void CloseGlyph(HDC dc, const TRect& rect, int color) {
  const int side = std::max(2, std::min(rect.Width(), rect.Height()) / 2);
  const int left = rect.Left + (rect.Width() - side) / 2;
  const int top = rect.Top + (rect.Height() - side) / 2;
  for (int i = 0; i < side; ++i) {
    Fill(dc, Bounds(left + i, top + i, 2, 1), color);
    Fill(dc, Bounds(left + side - 1 - i, top + i, 2, 1), color);
  }
}
}  // namespace

BOOL DrawEdge(HDC dc, TRect* rect, UINT edge, UINT flags) {
  if (!rect || GetBkMode(dc) == 0 || rect->IsEmpty()) return FALSE;
  TRect r = *rect;
  int topLeft = 0, bottomRight = 0;
  if (edge & BDR_OUTER) {
    OuterColors(edge, flags, topLeft, bottomRight);
    Ring(dc, r, flags, topLeft, bottomRight);
  }
  if (edge & BDR_INNER) {
    InnerColors(edge, flags, topLeft, bottomRight);
    Ring(dc, r, flags, topLeft, bottomRight);
  }
  if (flags & BF_MIDDLE) Fill(dc, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
  if (flags & BF_ADJUST) *rect = r;
  return TRUE;
}

BOOL DrawFrameControl(HDC dc, TRect* rect, UINT type, UINT state) {
  if (!rect || GetBkMode(dc) == 0 || rect->IsEmpty()) return FALSE;
  const int glyphColor = (state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_BTNTEXT;
  switch (type) {
    case DFC_BUTTON:
      if ((state & 0x1F) == DFCS_BUTTONCHECK) return CheckBox(dc, *rect, state);
      if (state & DFCS_BUTTONPUSH) return ButtonEdge(dc, rect, state, true);
      return FALSE;
    case DFC_SCROLL: {
      TRect face = *rect;
      ButtonEdge(dc, &face, state | DFCS_ADJUSTRECT, false);
      if (state & DFCS_PUSHED) face = face.Offset(1, 1);
      Arrow(dc, face, state & 0x0F, glyphColor);
      return TRUE;
    }
    case DFC_CAPTION: {
      TRect face = *rect;
      ButtonEdge(dc, &face, state | DFCS_ADJUSTRECT, false);
      if (state & DFCS_PUSHED) face = face.Offset(1, 1);
      CloseGlyph(dc, face, glyphColor);
      return TRUE;
    }
    default:
      return FALSE;
  }
}
