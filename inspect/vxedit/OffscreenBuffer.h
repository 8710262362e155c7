#pragma once

#include <functional>

#include "types/WinTypes.h"

class TCanvas;

// A memory device context holding a bitmap of a given size, compatible with a target context.
// The editor controls paint their value into it and copy the result to the target in one block,
// so that a canvas never shows a half-painted value. Whatever the painter selects into the
// context it must select out again before the buffer goes.
class TOffscreenBuffer {
 public:
  // An empty size or a context that cannot be matched leaves the buffer invalid.
  TOffscreenBuffer(HDC target, int width, int height);
  ~TOffscreenBuffer();
  TOffscreenBuffer(const TOffscreenBuffer&) = delete;
  TOffscreenBuffer& operator=(const TOffscreenBuffer&) = delete;

  bool IsValid() const { return FBitmap != nullptr; }
  HDC GetDC() const { return FDC; }
  // Copies the whole bitmap to dc with its top-left corner at (x, y).
  void CopyTo(HDC dc, int x, int y) const;

  // Paints a width x height block onto canvas at (x, y) in one copy: the block is filled with
  // the canvas's brush (whose colour also becomes the background colour for opaque text), then
  // paint draws into the buffer's context. Nothing is painted when no buffer can be made.
  static void PaintOnto(TCanvas& canvas, int x, int y, int width, int height,
                        const std::function<void(HDC dc)>& paint);

 private:
  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FPreviousBitmap = nullptr;
  int FWidth = 0;
  int FHeight = 0;
};
