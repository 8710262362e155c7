#include <gtest/gtest.h>

#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/Module.h"
#include "graphics/Bitmap.h"
#include "streaming/MemoryStream.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace {
// A component with a picture property, as a speed button's glyph.
class TGlyphHolder : public TComponent {
  DECLARE_CLASS(TGlyphHolder, TComponent);

 public:
  explicit TGlyphHolder(TComponent* owner) : TComponent(owner), FGlyph(new TBitmap) {}
  ~TGlyphHolder() override { FGlyph->Free(); }
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* value) { FGlyph->Assign(value); }

 private:
  TBitmap* FGlyph;
};

IMPLEMENT_CLASS(TGlyphHolder) {
  PROPERTY(Glyph, GetGlyph, SetGlyph);
}

void Paint(TBitmap& bitmap) {
  bitmap.SetSize(5, 3);
  const uint32_t colors[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x123456};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      bitmap.ScanLine(y)[x] = colors[(x + y) % 5];
}

bool SamePicture(TBitmap& a, TBitmap& b) {
  if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight()) return false;
  for (int y = 0; y < a.GetHeight(); ++y)
    for (int x = 0; x < a.GetWidth(); ++x)
      if (a.ScanLine(y)[x] != b.ScanLine(y)[x]) return false;
  return true;
}

std::string BmpBytes(TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(&stream);
  return std::string(reinterpret_cast<const char*>(stream.GetMemory()),
                     static_cast<size_t>(stream.GetSize()));
}
}  // namespace

TEST(BitmapTest, ResizingKeepsWhatStillFits) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.ScanLine(0), nullptr);
  Paint(bitmap);
  const uint32_t corner = bitmap.ScanLine(1)[1];
  bitmap.SetSize(8, 8);
  EXPECT_EQ(bitmap.ScanLine(1)[1], corner);
  EXPECT_EQ(bitmap.ScanLine(7)[7], 0u);
  bitmap.SetWidth(0);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.GetHandle(), nullptr);
}

TEST(BitmapTest, BmpFilesRoundTripInEveryFormat) {
  TBitmap original;
  Paint(original);
  for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
    original.SetPixelFormat(format);
    TMemoryStream stream;
    original.SaveToStream(&stream);
    stream.SetPosition(0);
    TBitmap copy;
    copy.LoadFromStream(&stream);
    // Five colours do not fit one bit per pixel: such files are written with 24.
    EXPECT_EQ(copy.GetPixelFormat(), format == pf1bit ? pf24bit : format) << format;
    EXPECT_TRUE(SamePicture(original, copy)) << format;
  }
  original.SetPixelFormat(pf24bit);
  const std::string file = BmpBytes(original);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(file.size(), 14u + 40u + 3 * 16u);  // rows of 15 bytes padded to 16
}

TEST(BitmapTest, SixteenBitAndTopDownFilesAreRead) {
  // A 2x2 bitmap, 16 bits per pixel with 5-6-5 bit fields, stored top-down.
  std::string file = "BM";
  auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i)
      file += static_cast<char>(v >> (8 * i));
  };
  auto put16 = [&](uint16_t v) {
    file += static_cast<char>(v);
    file += static_cast<char>(v >> 8);
  };
  put32(14 + 40 + 12 + 8);
  put32(0);
  put32(14 + 40 + 12);
  put32(40);
  put32(2);
  put32(static_cast<uint32_t>(-2));
  put16(1);
  put16(16);
  put32(3);  // bit fields
  for (int i = 0; i < 5; ++i)
    put32(0);
  put32(0xF800);
  put32(0x07E0);
  put32(0x001F);
  put16(0xF800);  // red
  put16(0x07E0);  // green
  put16(0x001F);  // blue
  put16(0xFFFF);  // white
  TMemoryStream stream(file);
  TBitmap bitmap;
  bitmap.LoadFromStream(&stream);
  ASSERT_EQ(bitmap.GetWidth(), 2);
  EXPECT_EQ(bitmap.ScanLine(0)[0], 0xFF0000u);
  EXPECT_EQ(bitmap.ScanLine(0)[1], 0x00FF00u);
  EXPECT_EQ(bitmap.ScanLine(1)[0], 0x0000FFu);
  EXPECT_EQ(bitmap.ScanLine(1)[1], 0xFFFFFFu);
  EXPECT_EQ(bitmap.GetPixelFormat(), pf16bit);
}

TEST(BitmapTest, MalformedFilesRaiseAndLeaveTheBitmapAsItWas) {
  TBitmap bitmap;
  Paint(bitmap);
  TBitmap good;
  Paint(good);
  std::string file = BmpBytes(good);
  for (const std::string& bad : {std::string("BM"), std::string("not a bitmap at all, really"),
                                 file.substr(0, file.size() - 10)}) {
    TMemoryStream stream(bad);
    EXPECT_THROW(bitmap.LoadFromStream(&stream), EInvalidGraphic);
    EXPECT_TRUE(SamePicture(bitmap, good));
  }
  std::string huge = file;
  huge[18] = '\xFF';
  huge[19] = '\xFF';
  huge[20] = '\xFF';
  TMemoryStream stream(huge);
  EXPECT_THROW(bitmap.LoadFromStream(&stream), EInvalidGraphic);
  TBitmap empty;
  TMemoryStream out;
  EXPECT_THROW(empty.SaveToStream(&out), EInvalidGraphic);
}

TEST(BitmapTest, ResourcesLoadByName) {
  TBitmap source;
  Paint(source);
  source.SetPixelFormat(pf24bit);
  const std::string file = BmpBytes(source);
  const TModuleResource resources[] = {
      {"GLYPH", reinterpret_cast<const unsigned char*>(file.data()), file.size()},
      {nullptr, nullptr, 0}};
  TModule module("glyphs", resources);
  TBitmap loaded;
  loaded.LoadFromResourceName(module, "glyph");
  EXPECT_TRUE(SamePicture(source, loaded));
  EXPECT_THROW(loaded.LoadFromResourceName(module, "NOSUCHGLYPH"), EResNotFound);
  EXPECT_TRUE(SamePicture(source, loaded));
}

TEST(BitmapTest, AssignCopiesThePictureAndTheTransparency) {
  TBitmap source;
  Paint(source);
  source.SetTransparent(true);
  source.SetTransparentColor(clRed);
  TBitmap copy;
  copy.Assign(&source);
  EXPECT_TRUE(SamePicture(source, copy));
  EXPECT_TRUE(copy.GetTransparent());
  EXPECT_EQ(copy.GetTransparentColor(), clRed);
  source.ScanLine(0)[0] = 0;
  EXPECT_NE(copy.ScanLine(0)[0], 0u);  // a copy, not shared
  copy.SetTransparentMode(tmAuto);
  EXPECT_EQ(copy.GetTransparentColor(), clBlue);  // the bottom-left pixel
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(BitmapTest, GlyphDataRoundTripsThroughFormFiles) {
  RegisterClass(TGlyphHolder::StaticClass());
  TGlyphHolder holder(nullptr);
  holder.SetName("Holder");
  Paint(*holder.GetGlyph());
  holder.GetGlyph()->SetPixelFormat(pf24bit);
  TWriter writer;
  writer.WriteRootComponent(&holder);
  const std::string text = writer.GetText();
  EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos) << text;
  TReader reader(text);
  auto* copy = dynamic_cast<TGlyphHolder*>(reader.ReadRootComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  EXPECT_TRUE(SamePicture(*holder.GetGlyph(), *copy->GetGlyph()));
  copy->Free();
  TGlyphHolder empty(nullptr);
  empty.SetName("Empty");
  TWriter emptyWriter;
  emptyWriter.WriteRootComponent(&empty);
  EXPECT_EQ(emptyWriter.GetText().find("Glyph.Data"), std::string::npos);  // nothing to store
  UnRegisterClass(TGlyphHolder::StaticClass());
}
