#include <gtest/gtest.h>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GdiObject.h"

// Canvases select and release their tools without leaking platform objects.
TEST(CanvasResourceTest, ChangingToolsWhileDrawingLeaksNoHandles) {
  GetStockObject(WHITE_BRUSH);  // the stock objects exist from their first use on
  const size_t before = TGdiTable::Instance().Count();
  {
    TBitmap bitmap;
    bitmap.SetSize(40, 20);
    TCanvas* canvas = bitmap.GetCanvas();
    for (int i = 0; i < 20; ++i) {
      canvas->GetPen()->SetColor(static_cast<TColor>(i * 1000));
      canvas->GetPen()->SetWidth(1 + i % 3);
      canvas->GetBrush()->SetStyle(i % 2 ? bsCross : bsSolid);
      canvas->GetFont()->SetSize(8 + i % 4);
      canvas->Rectangle(0, 0, 10 + i, 10);
      canvas->TextOut(0, 0, "x");
    }
    bitmap.SetSize(10, 10);  // a new bitmap under the canvas
    canvas->Rectangle(0, 0, 5, 5);
    EXPECT_EQ(canvas->GetPixel(0, 0), static_cast<TColor>(19000));
  }
  EXPECT_EQ(TGdiTable::Instance().Count(), before);
}

TEST(CanvasResourceTest, FontsTakeThePropertiesOfAPlatformFont) {
  HFONT source = CreateFont(-20, 0, 0, 0, FW_BOLD, 1, 0, 1, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH,
                            "Courier New");
  TFont font;
  font.SetHandle(source);
  EXPECT_EQ(font.GetName(), "Courier New");
  EXPECT_EQ(font.GetHeight(), -20);
  EXPECT_EQ(font.GetSize(), 15);
  EXPECT_EQ(font.GetStyle(), (TFontStyles{fsBold, fsItalic, fsStrikeOut}));
  EXPECT_EQ(font.GetPitch(), fpFixed);
  EXPECT_NE(font.GetHandle(), source);  // its own handle
  DeleteObject(source);
  TPen pen;
  pen.SetMode(pmXor);
  EXPECT_EQ(pen.GetRop2(), R2_XORPEN);
  pen.SetMode(pmNotXor);
  EXPECT_EQ(pen.GetRop2(), R2_NOTXORPEN);
  pen.SetWidth(-1);  // refused
  EXPECT_EQ(pen.GetWidth(), 1);
  TBrush brush;
  brush.SetStyle(bsClear);
  LOGBRUSH log;
  GetObject(brush.GetHandle(), sizeof log, &log);
  EXPECT_EQ(log.lbStyle, UINT{BS_NULL});
  brush.SetColor(clRed);  // a colour makes a clear brush solid again
  EXPECT_EQ(brush.GetStyle(), bsSolid);
}
