#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/ImageList.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace ControlTest;

namespace {
// A strip of 16 x 16 images, each a solid square in its colour on a fuchsia ground, with
// a one-pixel fuchsia border.
TBitmap* MakeStrip(std::initializer_list<TColor> colors) {
  auto* strip = new TBitmap();
  strip->SetSize(16 * static_cast<int>(colors.size()), 16);
  TCanvas* canvas = strip->GetCanvas();
  canvas->GetBrush()->SetColor(clFuchsia);
  canvas->FillRect({0, 0, strip->GetWidth(), 16});
  int i = 0;
  for (TColor color : colors) {
    canvas->GetBrush()->SetColor(color);
    canvas->FillRect({i * 16 + 1, 1, i * 16 + 15, 15});
    ++i;
  }
  return strip;
}

class TChangeCounter : public TObject {
  DECLARE_CLASS(TChangeCounter, TObject);

 public:
  TChangeCounter() = default;
  void Changed(TObject*) { ++Count; }
  int Count = 0;
};
IMPLEMENT_CLASS(TChangeCounter) {}

class ImageListTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 200, 120);
    Form->SetName("Form");
    Form->SetColor(clAqua);
    Images = new TImageList(Form);
    Images->SetName("Images");
  }
  // Paints image index of the list on the form at (10, 10) and returns the colour at the
  // image's point (x, y).
  COLORREF Drawn(int index, int x, int y, bool enabled = true) {
    Form->Repaint();
    Driver.ProcessMessages();
    HDC dc = GetDC(Form->GetHandle());
    TCanvas canvas;
    canvas.SetHandle(dc);
    Images->Draw(&canvas, 10, 10, index, enabled);
    canvas.SetHandle(nullptr);
    ReleaseDC(Form->GetHandle(), dc);
    const TPoint p = Form->ClientToScreen({10 + x, 10 + y});
    return Driver.ScreenPixel(p.X, p.Y);
  }
  TForm* Form = nullptr;
  TImageList* Images = nullptr;
};
}  // namespace

TEST_F(ImageListTest, BitmapsAreCutIntoImagesOfTheListsSize) {
  EXPECT_EQ(Images->GetWidth(), 16);
  EXPECT_EQ(Images->GetHeight(), 16);
  EXPECT_FALSE(Images->GetShareImages());
  EXPECT_EQ(GetPropInfo(Images, "Width")->GetDefault(), 16);
  TBitmap* strip = MakeStrip({clRed, clGreen, clBlue});
  EXPECT_EQ(Images->AddMasked(strip, clDefault), 0);  // the bottom-left pixel: fuchsia
  EXPECT_EQ(Images->GetCount(), 3);
  EXPECT_EQ(Images->Add(strip, nullptr), 3);  // no mask: every pixel drawn
  EXPECT_EQ(Images->GetCount(), 6);
  strip->Free();
  EXPECT_TRUE(Images->IsOpaque(1, 5, 5));
  EXPECT_FALSE(Images->IsOpaque(1, 0, 0));
  EXPECT_TRUE(Images->IsOpaque(4, 0, 0));
  EXPECT_EQ(Drawn(1, 5, 5), Rgb(clGreen));
  EXPECT_EQ(Drawn(1, 0, 0), Rgb(clAqua));  // transparent
  EXPECT_EQ(Drawn(4, 0, 0), Rgb(clFuchsia));
  EXPECT_EQ(Drawn(99, 5, 5), Rgb(clAqua));  // a bad index draws nothing
  // A mask bitmap: white is transparent.
  auto* picture = new TBitmap();
  picture->SetSize(16, 16);
  picture->GetCanvas()->GetBrush()->SetColor(clNavy);
  picture->GetCanvas()->FillRect({0, 0, 16, 16});
  auto* mask = new TBitmap();
  mask->SetSize(16, 16);
  mask->GetCanvas()->GetBrush()->SetColor(clWhite);
  mask->GetCanvas()->FillRect({0, 0, 16, 16});
  mask->GetCanvas()->GetBrush()->SetColor(clBlack);
  mask->GetCanvas()->FillRect({4, 4, 12, 12});
  const int index = Images->Add(picture, mask);
  EXPECT_EQ(Drawn(index, 6, 6), Rgb(clNavy));
  EXPECT_EQ(Drawn(index, 2, 2), Rgb(clAqua));
  // A bitmap narrower and shorter than an image makes one image, transparent beyond it.
  picture->SetSize(10, 10);
  const int small = Images->AddMasked(picture, clRed);
  EXPECT_EQ(small, Images->GetCount() - 1);
  EXPECT_TRUE(Images->IsOpaque(small, 9, 9));
  EXPECT_FALSE(Images->IsOpaque(small, 12, 12));
  picture->SetSize(0, 0);
  EXPECT_THROW(Images->Add(picture, nullptr), EInvalidOperation);
  picture->Free();
  mask->Free();
  // A new size empties the list.
  Images->SetWidth(24);
  EXPECT_EQ(Images->GetCount(), 0);
  EXPECT_THROW(Images->SetHeight(0), EInvalidOperation);
}

TEST_F(ImageListTest, DisabledImagesAreEmbossed) {
  TBitmap* strip = MakeStrip({clBlack});
  Images->AddMasked(strip, clFuchsia);
  strip->Free();
  EXPECT_EQ(Drawn(0, 5, 5, false), Rgb(clBtnShadow));
  EXPECT_EQ(Drawn(0, 15, 15, false), Rgb(clBtnHighlight));  // one step down and right
  EXPECT_EQ(Drawn(0, 0, 0, false), Rgb(clAqua));
  // BkColor fills the transparent pixels.
  Images->SetBkColor(clYellow);
  EXPECT_EQ(Drawn(0, 0, 0), Rgb(clYellow));
}

TEST_F(ImageListTest, EditingByIndexAndChangeNotices) {
  auto* counter = new TChangeCounter();
  auto* link = new TChangeLink();
  link->SetOnChange(MakeMethod<&TChangeCounter::Changed>(counter));
  Images->RegisterChanges(link);
  EXPECT_EQ(link->GetSender(), Images);
  TBitmap* strip = MakeStrip({clRed, clGreen, clBlue});
  Images->AddMasked(strip, clDefault);
  EXPECT_EQ(counter->Count, 1);
  TBitmap* yellow = MakeStrip({clYellow});
  Images->Replace(1, yellow, nullptr);
  Images->Insert(0, yellow, nullptr);
  Images->Move(0, 3);
  Images->Delete(0);
  EXPECT_EQ(counter->Count, 5);
  // Now yellow, blue, yellow: yellow replaced green, another went first, moved last, red went.
  TBitmap* copy = new TBitmap();
  Images->GetBitmap(0, copy);
  EXPECT_EQ(copy->GetWidth(), 16);
  EXPECT_EQ(copy->GetCanvas()->GetPixel(5, 5), clYellow);
  Images->GetBitmap(2, copy);
  EXPECT_EQ(copy->GetCanvas()->GetPixel(5, 5), clYellow);
  EXPECT_EQ(copy->GetCanvas()->GetPixel(0, 0), clFuchsia);
  Images->GetBitmap(1, copy);
  EXPECT_EQ(copy->GetCanvas()->GetPixel(5, 5), clBlue);
  for (int bad : {-1, 3}) {
    try {
      Images->Delete(bad);
      ADD_FAILURE();
    } catch (const EListError& error) {
      EXPECT_NE(error.GetMessage().find("(" + std::to_string(bad) + ")"), std::string::npos);
    }
  }
  EXPECT_THROW(Images->Insert(4, yellow, nullptr), EListError);
  EXPECT_THROW(Images->GetBitmap(3, copy), EListError);
  // A link freed first unregisters; a list freed first lets go of its links.
  link->Free();
  Images->Clear();
  EXPECT_EQ(counter->Count, 5);
  auto* second = new TChangeLink();
  Images->RegisterChanges(second);
  Images->Free();
  Images = nullptr;
  EXPECT_EQ(second->GetSender(), nullptr);
  second->Free();
  strip->Free();
  yellow->Free();
  copy->Free();
  counter->Free();
}

TEST_F(ImageListTest, ImagesStreamAsBinaryDataAndCorruptDataIsRefused) {
  TBitmap* strip = MakeStrip({clRed, clGreen});
  Images->AddMasked(strip, clDefault);
  strip->Free();
  Images->SetShareImages(true);
  Form->Hide();
  TWriter writer;
  writer.WriteRootComponent(Form);
  const std::string text = writer.GetText();
  EXPECT_NE(text.find("Bitmap = {"), std::string::npos);
  EXPECT_NE(text.find("ShareImages = True"), std::string::npos);
  TReader reader(text);
  auto* copy = dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  auto* images = dynamic_cast<TImageList*>(copy->FindComponent("Images"));
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->GetCount(), 2);
  EXPECT_TRUE(images->GetShareImages());
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(images->IsOpaque(1, x, y), Images->IsOpaque(1, x, y)) << x << "," << y;
  TWriter again;
  again.WriteRootComponent(copy);
  EXPECT_EQ(again.GetText(), text);
  copy->Free();
  // Data for 16 x 16 images in a list of 24 x 24, and data cut short: refused, list kept.
  auto read = [&](const std::string& form) {
    TReader bad(form);
    bad.ReadRootComponent(Images);
  };
  const size_t start = text.find("Bitmap = {") + 10;
  std::string hex;
  for (size_t i = start; text[i] != '}'; ++i)
    if (isxdigit(static_cast<unsigned char>(text[i]))) hex += text[i];
  try {
    read("object Images: TImageList\n  Height = 24\n  Width = 24\n  Bitmap = {" + hex + "}\nend\n");
    ADD_FAILURE();
  } catch (const Exception& error) {
    EXPECT_NE(error.GetMessage().find("16 x 16"), std::string::npos) << error.GetMessage();
  }
  Images->SetWidth(16);
  Images->SetHeight(16);
  TBitmap* one = MakeStrip({clBlue});
  Images->Add(one, nullptr);
  one->Free();
  EXPECT_THROW(
      read("object Images: TImageList\n  Bitmap = {" + hex.substr(0, hex.size() - 8) + "}\nend\n"),
      EReadError);
  EXPECT_EQ(Images->GetCount(), 1);
  EXPECT_THROW(read("object Images: TImageList\n  Bitmap = {00}\nend\n"), EReadError);
  EXPECT_EQ(Images->GetCount(), 1);
}
