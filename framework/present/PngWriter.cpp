#include "present/PngWriter.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/Surface.h"

namespace {
struct TFileCloser {
  std::FILE* File;
  ~TFileCloser() {
    if (File) std::fclose(File);
  }
};

// Row y of the picture, top row first, as 0x00RRGGBB pixels.
using TRowSource = std::function<const uint32_t*(int y)>;

bool WritePng(int width, int height, const TRowSource& rowAt, const std::string& fileName,
              std::string* reason) {
  auto fail = [reason](const std::string& why) {
    if (reason) *reason = why;
    return false;
  };
  if (width <= 0 || height <= 0) return fail("the image is empty");
  TFileCloser file{std::fopen(fileName.c_str(), "wb")};
  if (!file.File) return fail(std::strerror(errno));
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    return fail("out of memory");
  }
  std::vector<png_byte> row(static_cast<size_t>(width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return fail("the PNG encoder failed");
  }
  png_init_io(png, file.File);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    const uint32_t* pixels = rowAt(y);
    for (int x = 0; x < width; ++x) {
      row[x * 3] = static_cast<png_byte>(pixels[x] >> 16);
      row[x * 3 + 1] = static_cast<png_byte>(pixels[x] >> 8);
      row[x * 3 + 2] = static_cast<png_byte>(pixels[x]);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool SavePng(const TSurface& surface, const std::string& fileName, std::string* reason) {
  return WritePng(
      surface.Width(), surface.Height(), [&surface](int y) { return surface.Row(y); }, fileName,
      reason);
}

bool SavePng(TBitmap& bitmap, const std::string& fileName, std::string* reason) {
  return WritePng(
      bitmap.GetWidth(), bitmap.GetHeight(), [&bitmap](int y) { return bitmap.ScanLine(y); },
      fileName, reason);
}
