#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "types/Rect.h"
#include "types/WinTypes.h"

// A 32-bit pixel buffer: the screen's framebuffer or the memory of a bitmap. Pixels hold
// 0x00RRGGBB (bytes B, G, R, 0 in memory); the top byte is kept 0. Rows are addressed top-down
// through a stride in pixels, which is negative for memory stored bottom-up.
class TSurface {
 public:
  TSurface() = default;
  // Owned memory, all black. bottomUp stores the last row first, as bottom-up bitmaps do.
  TSurface(int width, int height, bool bottomUp = false);
  TSurface(TSurface&&) = default;
  TSurface& operator=(TSurface&&) = default;
  TSurface(const TSurface&) = delete;
  TSurface& operator=(const TSurface&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  ptrdiff_t Stride() const { return FStride; }
  TRect Bounds() const { return {0, 0, FWidth, FHeight}; }
  bool IsBottomUp() const { return FStride < 0; }

  uint32_t* Row(int y) { return FRow0 + y * FStride; }
  const uint32_t* Row(int y) const { return FRow0 + y * FStride; }
  // The lowest address of the memory (the first row in memory order), as bitmaps expose it.
  uint32_t* Memory() { return FMemory.data(); }

  uint32_t GetPixel(int x, int y) const { return Row(y)[x]; }
  void SetPixel(int x, int y, uint32_t pixel) { Row(y)[x] = pixel; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }

  // New dimensions; the content is lost (black).
  void Resize(int width, int height);

 private:
  std::vector<uint32_t> FMemory;
  uint32_t* FRow0 = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  ptrdiff_t FStride = 0;
};

// Colour values: COLORREF is 0x00BBGGRR, surface pixels are 0x00RRGGBB.
constexpr uint32_t ColorRefToPixel(COLORREF color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
constexpr COLORREF PixelToColorRef(uint32_t pixel) {
  return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}
