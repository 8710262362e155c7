#include <gtest/gtest.h>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "rtti/PropInfo.h"

namespace {
class TChangeCounter : public TObject {
 public:
  int Count = 0;
  void Changed(TObject*) { ++Count; }
};
}  // namespace

TEST(CanvasTest, FontSizeAndHeightFollowEachOtherAndChangesAreReported) {
  TFont font;
  EXPECT_EQ(font.GetName(), "MS Sans Serif");
  EXPECT_EQ(font.GetHeight(), -11);
  EXPECT_EQ(font.GetSize(), 8);
  TChangeCounter counter;
  font.SetOnChange(MakeMethod<&TChangeCounter::Changed>(&counter));
  font.SetSize(12);
  EXPECT_EQ(font.GetHeight(), -16);
  font.SetStyle({fsBold, fsItalic});
  font.SetStyle({fsBold, fsItalic});  // unchanged: no report
  font.SetName(TFontName(""));        // refused
  EXPECT_EQ(counter.Count, 2);
  TFont copy;
  copy.Assign(&font);
  EXPECT_EQ(copy.GetHeight(), -16);
  EXPECT_TRUE(copy.GetStyle().Contains(fsItalic));
  LOGFONT log;
  ASSERT_TRUE(GetObject(copy.GetHandle(), sizeof log, &log));
  EXPECT_EQ(log.lfWeight, FW_BOLD);
  EXPECT_EQ(log.lfItalic, 1);
  EXPECT_STREQ(log.lfFaceName, "MS Sans Serif");

  // Published as the inspector will see them.
  PPropInfo name = GetPropInfo(TFont::StaticClass(), "Name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->GetPropType()->Name, "TFontName");
  EXPECT_EQ(GetPropInfo(TFont::StaticClass(), "Style")->GetPropType()->Kind, tkSet);
  EXPECT_EQ(GetPropInfo(TFont::StaticClass(), "Color")->GetPropType()->Name, "TColor");
  SetSetProp(&copy, GetPropInfo(TFont::StaticClass(), "Style"), "[fsUnderline]");
  EXPECT_EQ(copy.GetStyle(), TFontStyles{fsUnderline});
  EXPECT_EQ(GetPropInfo(TPen::StaticClass(), "Mode")->GetPropType()->Name, "TPenMode");
  EXPECT_EQ(GetPropInfo(TBrush::StaticClass(), "Style")->GetPropType()->Name, "TBrushStyle");
}

TEST(CanvasTest, ACanvasDrawsWithItsCurrentTools) {
  TBitmap bitmap;
  bitmap.SetSize(30, 20);
  TCanvas* canvas = bitmap.GetCanvas();
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect({0, 0, 30, 20});
  canvas->GetPen()->SetColor(clRed);
  canvas->MoveTo(0, 2);
  canvas->LineTo(10, 2);
  canvas->GetPen()->SetColor(clBlue);  // a new pen for the next line
  canvas->LineTo(20, 2);
  EXPECT_EQ(canvas->GetPixel(9, 2), clRed);
  EXPECT_EQ(canvas->GetPixel(10, 2), clBlue);
  EXPECT_EQ(canvas->GetPixel(20, 2), clWhite);
  EXPECT_EQ(canvas->GetPenPos(), (TPoint{20, 2}));
  canvas->GetPen()->SetMode(pmXor);
  canvas->GetPen()->SetColor(clWhite);
  canvas->MoveTo(0, 2);
  canvas->LineTo(5, 2);
  EXPECT_EQ(canvas->GetPixel(1, 2), static_cast<TColor>(0xFFFF00));  // red XOR white
  canvas->SetPixel(25, 15, clBtnFace);
  EXPECT_EQ(canvas->GetPixel(25, 15), static_cast<TColor>(0xC0C0C0));  // system colours convert
  EXPECT_EQ(canvas->GetPixel(99, 99), clNone);

  canvas->GetBrush()->SetColor(clYellow);
  canvas->GetFont()->SetName(TFontName("System"));
  canvas->GetFont()->SetColor(clBlack);
  EXPECT_EQ(canvas->TextWidth("abc"), 18);
  EXPECT_EQ(canvas->TextHeight("abc"), 11);
  canvas->TextRect({2, 5, 8, 12}, 2, 5, "WWW");  // opaque, clipped to the rectangle
  EXPECT_EQ(canvas->GetPixel(8, 8), clWhite);
  bool yellow = false;
  for (int x = 2; x < 8; ++x)
    yellow |= canvas->GetPixel(x, 11) == clYellow;
  EXPECT_TRUE(yellow);
  canvas->TextOut(12, 5, "ab");
  EXPECT_EQ(canvas->GetPenPos(), (TPoint{24, 5}));
}

TEST(CanvasTest, CopyModeAndDrawingOfBitmaps) {
  TBitmap picture;
  picture.SetSize(4, 4);
  picture.GetCanvas()->GetBrush()->SetColor(clRed);
  picture.GetCanvas()->FillRect({0, 0, 4, 4});
  picture.GetCanvas()->SetPixel(0, 3, clLime);  // the bottom-left pixel: transparent colour
  picture.GetCanvas()->SetPixel(1, 1, clLime);
  EXPECT_EQ(picture.GetTransparentColor(), clLime);
  TBitmap target;
  target.SetSize(12, 6);
  TCanvas* canvas = target.GetCanvas();
  canvas->GetBrush()->SetColor(clBlue);
  canvas->FillRect({0, 0, 12, 6});
  canvas->Draw(0, 0, &picture);
  EXPECT_EQ(canvas->GetPixel(1, 1), clLime);
  picture.SetTransparent(true);
  canvas->Draw(6, 0, &picture);
  EXPECT_EQ(canvas->GetPixel(7, 1), clBlue);  // left out
  EXPECT_EQ(canvas->GetPixel(8, 1), clRed);
  canvas->SetCopyMode(static_cast<TCopyMode>(SRCINVERT));
  canvas->CopyRect({0, 0, 4, 4}, picture.GetCanvas(), {0, 0, 4, 4});
  EXPECT_EQ(canvas->GetPixel(2, 2), clBlack);   // red XOR red
  canvas->StretchDraw({0, 0, 12, 6}, nullptr);  // nothing to draw
  TCanvas plain;
  EXPECT_THROW(plain.MoveTo(1, 1), EInvalidOperation);
}
