#pragma once

#include <cstdint>
#include <vector>

class TStream;
class TSurface;

// Reading and writing the platform's bitmap file format (BMP): files with their header or bare
// device-independent bitmaps, 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with bit
// fields, stored bottom-up or top-down.
namespace BmpCodec {
struct TImage {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
  std::vector<uint32_t> Pixels;  // top-down, 0x00RRGGBB
};

// Raises EInvalidGraphic "Bitmap image is not valid" for anything else.
TImage Read(TStream& stream);
// Writes surface as a BMP file with bitsPerPixel 1, 4 or 8 (a palette of the image's colours;
// 24 bits instead when they do not fit), 24 or 32.
void Write(TStream& stream, const TSurface& surface, int bitsPerPixel);
}  // namespace BmpCodec
