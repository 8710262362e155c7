#include "graphics/BmpCodec.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "graphics/Graphic.h"
#include "graphics/Surface.h"
#include "streaming/Stream.h"

namespace {
constexpr int MaxDimension = 32768;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t FileHeaderSize = 14;

[[noreturn]] void Invalid() {
  throw EInvalidGraphic("Bitmap image is not valid");
}

uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t{p[3]} << 24);
}
uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

// Scales a masked channel to eight bits.
uint32_t Channel(uint32_t value, uint32_t mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1))
    ++shift;
  const uint32_t bits = mask >> shift;
  const uint32_t raw = (value & mask) >> shift;
  return bits ? raw * 255 / bits : 0;
}

size_t RowBytes(int width, int bits) {
  return ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
}
}  // namespace

namespace BmpCodec {

TImage Read(TStream& stream) {
  const std::string data = stream.ReadToEnd();
  const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
  size_t offset = 0;
  size_t pixelOffset = 0;
  bool hasFileHeader = data.size() >= 2 && data[0] == 'B' && data[1] == 'M';
  if (hasFileHeader) {
    if (data.size() < FileHeaderSize + 12) Invalid();
    pixelOffset = U32(bytes + 10);
    offset = FileHeaderSize;
  }
  if (data.size() < offset + 12) Invalid();
  const uint32_t headerSize = U32(bytes + offset);
  TImage image;
  uint32_t compression = 0, colorsUsed = 0;
  bool topDown = false;
  int paletteEntrySize = 4;
  if (headerSize == 12) {
    image.Width = U16(bytes + offset + 4);
    image.Height = U16(bytes + offset + 6);
    image.BitsPerPixel = U16(bytes + offset + 10);
    paletteEntrySize = 3;
  } else if (headerSize >= InfoHeaderSize && data.size() >= offset + headerSize) {
    image.Width = static_cast<int32_t>(U32(bytes + offset + 4));
    const auto height = static_cast<int32_t>(U32(bytes + offset + 8));
    topDown = height < 0;
    image.Height = topDown ? -height : height;
    image.BitsPerPixel = U16(bytes + offset + 14);
    compression = U32(bytes + offset + 16);
    colorsUsed = U32(bytes + offset + 32);
  } else {
    Invalid();
  }
  const int bits = image.BitsPerPixel;
  if (image.Width <= 0 || image.Height <= 0 || image.Width > MaxDimension ||
      image.Height > MaxDimension ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) ||
      (compression != 0 && compression != 3) || (compression == 3 && bits != 16 && bits != 32))
    Invalid();
  size_t cursor = offset + headerSize;
  uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bits == 32) {
    masks[0] = 0xFF0000;
    masks[1] = 0xFF00;
    masks[2] = 0xFF;
  }
  if (compression == 3) {
    const size_t maskAt = headerSize >= 52 ? offset + 40 : cursor;
    if (data.size() < maskAt + 12) Invalid();
    for (int i = 0; i < 3; ++i)
      masks[i] = U32(bytes + maskAt + 4 * i);
    if (headerSize < 52) cursor += 12;
  }
  std::vector<uint32_t> palette;
  if (bits <= 8) {
    const size_t count = colorsUsed ? std::min<size_t>(colorsUsed, 256) : (size_t{1} << bits);
    if (data.size() < cursor + count * paletteEntrySize) Invalid();
    for (size_t i = 0; i < count; ++i) {
      const uint8_t* entry = bytes + cursor + i * paletteEntrySize;
      palette.push_back((uint32_t{entry[2]} << 16) | (entry[1] << 8) | entry[0]);
    }
    cursor += count * paletteEntrySize;
  }
  if (hasFileHeader && pixelOffset >= cursor) cursor = pixelOffset;
  const size_t rowBytes = RowBytes(image.Width, bits);
  if (data.size() <
      cursor + rowBytes * (image.Height - 1) + (static_cast<size_t>(image.Width) * bits + 7) / 8)
    Invalid();
  image.Pixels.resize(static_cast<size_t>(image.Width) * image.Height);
  for (int y = 0; y < image.Height; ++y) {
    const uint8_t* row = bytes + cursor + rowBytes * (topDown ? y : image.Height - 1 - y);
    uint32_t* out = image.Pixels.data() + static_cast<size_t>(y) * image.Width;
    for (int x = 0; x < image.Width; ++x) {
      uint32_t pixel = 0;
      if (bits <= 8) {
        const int perByte = 8 / bits;
        const int index =
            (row[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1 << bits) - 1);
        pixel = index < static_cast<int>(palette.size()) ? palette[index] : 0;
      } else if (bits == 24) {
        pixel = (uint32_t{row[x * 3 + 2]} << 16) | (row[x * 3 + 1] << 8) | row[x * 3];
      } else {
        const uint32_t raw = bits == 16 ? U16(row + x * 2) : U32(row + x * 4);
        pixel =
            (Channel(raw, masks[0]) << 16) | (Channel(raw, masks[1]) << 8) | Channel(raw, masks[2]);
      }
      out[x] = pixel;
    }
  }
  return image;
}

void Write(TStream& stream, const TSurface& surface, int bitsPerPixel) {
  const int width = surface.Width(), height = surface.Height();
  std::vector<uint32_t> palette;
  if (bitsPerPixel <= 8) {
    std::map<uint32_t, int> colors;
    for (int y = 0; y < height && colors.size() <= (size_t{1} << bitsPerPixel); ++y)
      for (int x = 0; x < width; ++x)
        colors.emplace(surface.GetPixel(x, y) & 0xFFFFFF, 0);
    if (colors.size() > (size_t{1} << bitsPerPixel)) {
      bitsPerPixel = 24;
    } else {
      for (auto& [color, index] : colors) {
        index = static_cast<int>(palette.size());
        palette.push_back(color);
      }
    }
  }
  if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 32)
    bitsPerPixel = 24;
  const size_t rowBytes = RowBytes(width, bitsPerPixel);
  const size_t paletteBytes = palette.empty() ? 0 : (size_t{1} << bitsPerPixel) * 4;
  const uint32_t pixelOffset =
      static_cast<uint32_t>(FileHeaderSize + InfoHeaderSize + paletteBytes);
  std::vector<uint8_t> out;
  out.reserve(pixelOffset + rowBytes * height);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(pixelOffset + rowBytes * height));
  Put32(out, 0);
  Put32(out, pixelOffset);
  Put32(out, InfoHeaderSize);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint16_t>(bitsPerPixel));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(rowBytes * height));
  Put32(out, 3780);
  Put32(out, 3780);
  Put32(out, static_cast<uint32_t>(palette.empty() ? 0 : palette.size()));
  Put32(out, 0);
  if (!palette.empty()) {
    for (size_t i = 0; i < (size_t{1} << bitsPerPixel); ++i)
      Put32(out, i < palette.size() ? palette[i] : 0);
  }
  std::map<uint32_t, int> indexOf;
  for (size_t i = 0; i < palette.size(); ++i)
    indexOf[palette[i]] = static_cast<int>(i);
  std::vector<uint8_t> row(rowBytes);
  for (int y = height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = surface.GetPixel(x, y) & 0xFFFFFF;
      if (bitsPerPixel <= 8) {
        const int perByte = 8 / bitsPerPixel;
        row[x / perByte] |=
            static_cast<uint8_t>(indexOf[pixel] << ((perByte - 1 - x % perByte) * bitsPerPixel));
      } else {
        const int step = bitsPerPixel / 8;
        row[x * step] = static_cast<uint8_t>(pixel);
        row[x * step + 1] = static_cast<uint8_t>(pixel >> 8);
        row[x * step + 2] = static_cast<uint8_t>(pixel >> 16);
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  stream.WriteBuffer(out.data(), out.size());
}

}  // namespace BmpCodec
