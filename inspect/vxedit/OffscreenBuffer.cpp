#include "vxedit/OffscreenBuffer.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"

TOffscreenBuffer::TOffscreenBuffer(HDC target, int width, int height)
    : FWidth(width), FHeight(height) {
  if (width <= 0 || height <= 0) return;
  FDC = CreateCompatibleDC(target);
  if (!FDC) return;
  FBitmap = CreateCompatibleBitmap(target, width, height);
  if (FBitmap) FPreviousBitmap = SelectObject(FDC, FBitmap);
}

TOffscreenBuffer::~TOffscreenBuffer() {
  if (FDC && FPreviousBitmap) SelectObject(FDC, FPreviousBitmap);
  if (FBitmap) DeleteObject(FBitmap);
  if (FDC) DeleteDC(FDC);
}

void TOffscreenBuffer::CopyTo(HDC dc, int x, int y) const {
  if (IsValid()) BitBlt(dc, x, y, FWidth, FHeight, FDC, 0, 0, SRCCOPY);
}

void TOffscreenBuffer::PaintOnto(TCanvas& canvas, int x, int y, int width, int height,
                                 const std::function<void(HDC dc)>& paint) {
  HDC target = canvas.GetHandle();
  TOffscreenBuffer buffer(target, width, height);
  if (!buffer.IsValid()) return;
  HDC dc = buffer.GetDC();
  TBrush* background = canvas.GetBrush();
  SetBkColor(dc, ColorToRGB(background->GetColor()));
  const TRect block{0, 0, width, height};
  FillRect(dc, &block, background->GetHandle());
  paint(dc);
  buffer.CopyTo(target, x, y);
}
