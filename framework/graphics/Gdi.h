#pragma once

#include "graphics/GdiTypes.h"
#include "types/Rect.h"
#include "types/WinTypes.h"

// The drawing services: device contexts over 32-bit pixel buffers, pens, brushes, fonts,
// bitmaps and regions, with the platform's calls and error results. A handle that names no
// live object of the right kind, and a null pointer where a record is expected, make a call
// fail (FALSE, 0, null or CLR_INVALID, as the platform answers); nothing crashes.
// Text is UTF-8; counts of characters are counts of bytes, and -1 means up to the terminator.

// Objects.
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* logPen);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush);
// A brush repeating the top-left 8x8 pixels of bitmap (a smaller bitmap repeats itself), tiled
// from the context's brush origin by fills, PatBlt and the pattern operations of BitBlt.
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HFONT CreateFontIndirect(const LOGFONT* logFont);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);
// Bitmaps are 32 bits per pixel; CreateBitmap copies bits (32-bit rows, top-down) when given.
// Both fail for a width or height below 1 or a depth other than 32 (or 24, converted).
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A 32-bit device-independent bitmap whose memory the caller reads and writes through *bits;
// a positive height stores rows bottom-up.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
HGDIOBJ GetStockObject(int index);
// Selects a pen, brush, font or bitmap (memory contexts only) and returns the one it replaces;
// a region sets the clip region and returns its kind. Null on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Fails for an object selected into a context; stock objects are never deleted.
BOOL DeleteObject(HGDIOBJ object);
// Copies the object's LOGPEN, LOGBRUSH, LOGFONT or BITMAP into buffer (size bytes at most);
// returns the bytes copied, or the size needed when buffer is null.
int GetObject(HGDIOBJ object, int size, void* buffer);
DWORD GetObjectType(HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
// A shared solid brush of a system colour; it is never deleted.
HBRUSH GetSysColorBrush(int index);

// Device contexts.
// A memory context compatible with dc (or with the screen for null), holding a 1x1 bitmap.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
// Pushes the context's state; returns its level (1, 2, ...) or 0.
int SaveDC(HDC dc);
// Pops to level (negative: relative to the current one).
BOOL RestoreDC(HDC dc, int level);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
BOOL SetWindowOrgEx(HDC dc, int x, int y, TPoint* old);
BOOL GetWindowOrgEx(HDC dc, TPoint* origin);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old);
BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* old);
BOOL GetViewportOrgEx(HDC dc, TPoint* origin);
BOOL SetBrushOrgEx(HDC dc, int x, int y, TPoint* old);
enum : int {
  HORZRES = 8,
  VERTRES = 10,
  BITSPIXEL = 12,
  PLANES = 14,
  NUMCOLORS = 24,
  RASTERCAPS = 38,
  LOGPIXELSX = 88,
  LOGPIXELSY = 90
};
int GetDeviceCaps(HDC dc, int index);

// Clipping. Clip regions are in device units: the context's coordinates before its window
// and viewport origins apply.
int SelectClipRgn(HDC dc, HRGN region);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// The bounds of what can be drawn, in logical coordinates; returns the region kind.
int GetClipBox(HDC dc, TRect* rect);
// Copies the clip region into region; 1 when there is one, 0 when none, -1 on error.
int GetClipRgn(HDC dc, HRGN region);
BOOL PtVisible(HDC dc, int x, int y);
BOOL RectVisible(HDC dc, const TRect* rect);

// Regions.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect* rect);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
// dest := a op b (b unused for RGN_COPY); returns the kind of the result or ERROR.
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, TRect* rect);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const TRect* rect);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);

// Drawing.
BOOL MoveToEx(HDC dc, int x, int y, TPoint* old);
BOOL GetCurrentPositionEx(HDC dc, TPoint* position);
// A line from the current position with the selected pen and mix mode; the end point is left
// out and becomes the current position.
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const TPoint* points, int count);
// Outline with the pen (on the left and top edges and one pixel inside the right and bottom
// ones) and inside with the brush.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
// Fills with brush, ignoring the mix mode; answers 0 for a bad brush or context.
int FillRect(HDC dc, const TRect* rect, HBRUSH brush);
int FrameRect(HDC dc, const TRect* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const TRect* rect);
// Inverts every other pixel of the rectangle's outline, those whose device coordinates add up
// to an even number; a second call restores it.
BOOL DrawFocusRect(HDC dc, const TRect* rect);
// Returns the colour set, or CLR_INVALID outside the clip area.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);

// Text.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const TRect* rect, const char* text, UINT count,
                const int* dx);
BOOL TextOut(HDC dc, int x, int y, const char* text, int count);
// Draws text formatted in rect; returns the height of the text drawn (0 on failure). With
// DT_CALCRECT it draws nothing and sets rect's right and bottom edges to the text's.
int DrawText(HDC dc, const char* text, int count, TRect* rect, UINT format);
BOOL GetTextExtentPoint32(HDC dc, const char* text, int count, TSize* size);
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
// Copies the selected font's face name; returns the characters copied.
int GetTextFace(HDC dc, int count, char* name);

// Frame controls: check boxes, push buttons (with the soft bevel), scroll arrows and caption
// buttons (without it). Scroll arrows are centred triangles, 7 x 4 pixels in a 16 x 16 button.
BOOL DrawFrameControl(HDC dc, TRect* rect, UINT type, UINT state);
// 3-D edges. BF_SOFT swaps the top-left colours of the outer and inner rings: a raised soft
// edge is white outside and light grey inside, a sunken one black outside and grey inside.
BOOL DrawEdge(HDC dc, TRect* rect, UINT edge, UINT flags);
