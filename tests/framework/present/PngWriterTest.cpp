#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "graphics/Bitmap.h"
#include "graphics/Surface.h"
#include "present/PngWriter.h"

namespace {
struct TImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // 0x00RRGGBB, top row first
};

// Reads an 8-bit RGB PNG back with libpng.
TImage ReadPng(const std::string& fileName) {
  TImage image;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "rb"),
                                                       std::fclose);
  if (!file) return image;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return TImage();
  }
  png_init_io(png, file.get());
  png_read_info(png, info);
  if (png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB && png_get_bit_depth(png, info) == 8) {
    image.Width = static_cast<int>(png_get_image_width(png, info));
    image.Height = static_cast<int>(png_get_image_height(png, info));
    std::vector<png_byte> row(static_cast<size_t>(image.Width) * 3);
    for (int y = 0; y < image.Height; ++y) {
      png_read_row(png, row.data(), nullptr);
      for (int x = 0; x < image.Width; ++x)
        image.Pixels.push_back((uint32_t{row[x * 3]} << 16) | (row[x * 3 + 1] << 8) |
                               row[x * 3 + 2]);
    }
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return image;
}

std::string TempName(const char* stem) {
  return testing::TempDir() + stem + std::to_string(::getpid()) + ".png";
}

// A pattern whose every pixel differs, in every channel, from its neighbours and from its
// mirror images, so that swapped channels, flipped rows and shifted columns all show.
uint32_t Pattern(int x, int y) {
  const uint32_t red = (x * 37 + y) & 0xFF;
  const uint32_t green = (y * 53 + 7) & 0xFF;
  const uint32_t blue = (x * 11 + y * 3 + 1) & 0xFF;
  return red << 16 | green << 8 | blue;
}
}  // namespace

TEST(PngWriterTest, WritesEveryPixelOfASurfaceTopRowFirst) {
  for (bool bottomUp : {false, true}) {
    TSurface surface(7, 5, bottomUp);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x)
        surface.SetPixel(x, y, Pattern(x, y));
    const std::string name = TempName("surface");
    ASSERT_TRUE(SavePng(surface, name));
    const TImage image = ReadPng(name);
    std::remove(name.c_str());
    ASSERT_EQ(image.Width, 7);
    ASSERT_EQ(image.Height, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x)
        EXPECT_EQ(image.Pixels[y * 7 + x], Pattern(x, y))
            << "at " << x << "," << y << (bottomUp ? " bottom-up" : "");
  }
}

TEST(PngWriterTest, WritesWhatTheBitmapsCanvasDrew) {
  TBitmap bitmap;
  bitmap.SetSize(6, 4);
  TCanvas* canvas = bitmap.GetCanvas();
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect({0, 0, 6, 4});
  canvas->SetPixel(0, 0, clRed);
  canvas->SetPixel(5, 3, clBlue);
  canvas->GetBrush()->SetColor(clLime);
  canvas->FillRect({1, 1, 3, 3});
  const std::string name = TempName("bitmap");
  std::string reason;
  ASSERT_TRUE(SavePng(bitmap, name, &reason)) << reason;
  const TImage image = ReadPng(name);
  std::remove(name.c_str());
  ASSERT_EQ(image.Width, 6);
  ASSERT_EQ(image.Height, 4);
  EXPECT_EQ(image.Pixels[0], 0xFF0000u);
  EXPECT_EQ(image.Pixels[3 * 6 + 5], 0x0000FFu);
  EXPECT_EQ(image.Pixels[1 * 6 + 1], 0x00FF00u);
  EXPECT_EQ(image.Pixels[2 * 6 + 2], 0x00FF00u);
  EXPECT_EQ(image.Pixels[1 * 6 + 3], 0xFFFFFFu);
  EXPECT_EQ(image.Pixels[3 * 6 + 0], 0xFFFFFFu);

  TBitmap empty;
  EXPECT_FALSE(SavePng(empty, name, &reason));
  EXPECT_EQ(reason, "the image is empty");
  EXPECT_FALSE(SavePng(bitmap, "/nonexistent-directory/bitmap.png", &reason));
  EXPECT_FALSE(reason.empty());
}
