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

void OuterColors(UINT edge, UINT flags, int& topLeft, int& bottomRight) {
  if (flags & BF_MONO) {
    topLeft = bottomRight = COLOR_WINDOWFRAME;
  } else if (flags & BF_FLAT) {
    topLeft = bottomRight = COLOR_BTNSHADOW;
  } else if (edge & BDR_RAISEDOUTER) {
    topLeft = COLOR_3DLIGHT;
    bottomRight = COLOR_3DDKSHADOW;
  } else {
    topLeft = COLOR_BTNSHADOW;
    bottomRight = COLOR_BTNHIGHLIGHT;
  }
}

void InnerColors(UINT edge, UINT flags, int& topLeft, int& bottomRight) {
  if (flags & BF_MONO) {
    topLeft = bottomRight = COLOR_WINDOW;
  } else if (flags & BF_FLAT) {
    topLeft = bottomRight = COLOR_BTNFACE;
  } else if (edge & BDR_RAISEDINNER) {
    topLeft = COLOR_BTNHIGHLIGHT;
    bottomRight = COLOR_BTNSHADOW;
  } else {
    topLeft = COLOR_3DDKSHADOW;
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

BOOL PushButton(HDC dc, TRect* rect, UINT state) {
  UINT flags = BF_RECT | BF_MIDDLE | BF_SOFT;
  if (state & DFCS_FLAT) flags |= BF_FLAT;
  if (state & DFCS_MONO) flags |= BF_MONO;
  if (state & DFCS_ADJUSTRECT) flags |= BF_ADJUST;
  return DrawEdge(dc, rect, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, flags);
}

// A filled triangle pointing in direction (DFCS_SCROLLUP .. DFCS_SCROLLRIGHT).
void Arrow(HDC dc, const TRect& rect, UINT direction, int color) {
  const int side = std::min(rect.Width(), rect.Height());
  const int depth = std::max(1, (side + 1) / 4);
  const int cx = rect.Left + rect.Width() / 2;
  const int cy = rect.Top + rect.Height() / 2;
  for (int i = 0; i < depth; ++i) {
    const int half = depth - 1 - i;
    switch (direction) {
      case DFCS_SCROLLUP:
        Fill(dc, {cx - i, cy - depth / 2 + i, cx + i + 1, cy - depth / 2 + i + 1}, color);
        break;
      case DFCS_SCROLLDOWN:
      case DFCS_SCROLLCOMBOBOX:
        Fill(dc, {cx - half, cy - depth / 2 + i, cx + half + 1, cy - depth / 2 + i + 1}, color);
        break;
      case DFCS_SCROLLLEFT:
        Fill(dc, {cx - depth / 2 + i, cy - i, cx - depth / 2 + i + 1, cy + i + 1}, color);
        break;
      case DFCS_SCROLLRIGHT:
        Fill(dc, {cx - depth / 2 + i, cy - half, cx - depth / 2 + i + 1, cy + half + 1}, color);
        break;
    }
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
      if (state & DFCS_BUTTONPUSH) return PushButton(dc, rect, state);
      return FALSE;
    case DFC_SCROLL: {
      TRect face = *rect;
      PushButton(dc, &face, (state & ~DFCS_ADJUSTRECT) | DFCS_ADJUSTRECT);
      if (state & DFCS_PUSHED) face = face.Offset(1, 1);
      Arrow(dc, face, state & 0x0F, glyphColor);
      return TRUE;
    }
    case DFC_CAPTION: {
      TRect face = *rect;
      PushButton(dc, &face, state | DFCS_ADJUSTRECT);
      if (state & DFCS_PUSHED) face = face.Offset(1, 1);
      CloseGlyph(dc, face, glyphColor);
      return TRUE;
    }
    default:
      return FALSE;
  }
}
