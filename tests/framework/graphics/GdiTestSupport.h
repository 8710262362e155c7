#pragma once

#include "graphics/Gdi.h"
#include "graphics/GdiObject.h"
#include "graphics/Surface.h"

// A memory device context with a bitmap of its own, for drawing tests.
class TMemoryTarget {
 public:
  TMemoryTarget(int width, int height, COLORREF fill = RGB(255, 255, 255)) {
    Dc = CreateCompatibleDC(nullptr);
    Bitmap = CreateCompatibleBitmap(Dc, width, height);
    Old = SelectObject(Dc, Bitmap);
    TRect all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(Dc, &all, brush);
    DeleteObject(brush);
  }
  ~TMemoryTarget() {
    SelectObject(Dc, Old);
    DeleteDC(Dc);
    DeleteObject(Bitmap);
  }
  TMemoryTarget(const TMemoryTarget&) = delete;
  TMemoryTarget& operator=(const TMemoryTarget&) = delete;

  TSurface& Surface() { return FindBitmap(Bitmap)->Surface; }
  COLORREF Pixel(int x, int y) { return GetPixel(Dc, x, y); }
  // Copies source's pixels in (same size).
  void Load(const TSurface& source) {
    for (int y = 0; y < source.Height(); ++y)
      for (int x = 0; x < source.Width(); ++x)
        Surface().SetPixel(x, y, source.GetPixel(x, y));
  }
  TSurface Snapshot() {
    TSurface copy(Surface().Width(), Surface().Height());
    for (int y = 0; y < copy.Height(); ++y)
      for (int x = 0; x < copy.Width(); ++x)
        copy.SetPixel(x, y, Surface().GetPixel(x, y));
    return copy;
  }

  HDC Dc;
  HBITMAP Bitmap;
  HGDIOBJ Old;
};
