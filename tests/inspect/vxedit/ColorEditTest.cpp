#include <gtest/gtest.h>

#include <string>

#include "VxEditTestSupport.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "vxedit/ColorEdit.h"
#include "vxedit/VxMessages.h"
#include "winsys/VirtualKeys.h"
#include "winsys/WinUser.h"

using namespace VxEditTest;
using ControlTest::Rgb;

namespace {
class ColorEditTest : public ::testing::Test, public TVxEditFixture {
 protected:
  void SetUp() override {
    ColorEdit = New<TColorEdit>(Form, 10, 60, 120, 18, "ColorEdit1");
    ColorEdit->SetColor(clWhite);
    ColorEdit->GetFont()->SetColor(clBlack);
  }

  void SetColorText(const std::string& text) {
    ColorEdit->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Driver.ProcessMessages();
  }

  std::string ColorText(int bufferSize = 256) {
    std::string buffer(static_cast<size_t>(bufferSize), '#');
    const LRESULT length = ColorEdit->Perform(WM_GETTEXT, static_cast<WPARAM>(bufferSize),
                                              reinterpret_cast<LPARAM>(buffer.data()));
    EXPECT_EQ(buffer[static_cast<size_t>(length)], '\0');
    return buffer.substr(0, static_cast<size_t>(length));
  }

  // What the label should look like: text drawn by the canvas alone at x 28 on white.
  std::vector<COLORREF> ReferenceLabel(const std::string& label) {
    TBitmap bitmap;
    bitmap.SetSize(ColorEdit->GetWidth(), ColorEdit->GetHeight());
    TCanvas* canvas = bitmap.GetCanvas();
    canvas->GetBrush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, bitmap.GetWidth(), bitmap.GetHeight()));
    canvas->SetFont(ColorEdit->GetFont());
    canvas->TextOut(28, 0, label);
    return CanvasBlock(canvas, LabelArea());
  }

  TRect LabelArea() const { return TRect(24, 0, ColorEdit->GetWidth(), ColorEdit->GetHeight()); }

  TColorEdit* ColorEdit = nullptr;
};
}  // namespace

TEST_F(ColorEditTest, KeepsItsTextAsTheTextMessagesExchangeIt) {
  SetColorText("clBtnFace");
  EXPECT_EQ(ColorEdit->GetColorText(), "clBtnFace");
  EXPECT_EQ(ColorText(), "clBtnFace");
  EXPECT_EQ(ColorEdit->Perform(WM_GETTEXTLENGTH, 0, 0), 9);
  // A short buffer gets what fits, terminated.
  EXPECT_EQ(ColorText(4), "clB");
  // The text is kept to 255 characters, so the composite's 256-character buffer holds it.
  SetColorText(std::string(300, '1'));
  EXPECT_EQ(ColorEdit->Perform(WM_GETTEXTLENGTH, 0, 0), 255);
  EXPECT_EQ(ColorText(), std::string(255, '1'));
  // No typed text: the arrows are wanted so that they reach the composite's popup.
  EXPECT_EQ(ColorEdit->Perform(CM_WANTSPECIALKEY, VK_UP, 0), 1);
  EXPECT_EQ(ColorEdit->Perform(CM_WANTSPECIALKEY, VK_DOWN, 0), 1);
  EXPECT_EQ(ColorEdit->Perform(CM_WANTSPECIALKEY, VK_LEFT, 0), 0);
}

TEST_F(ColorEditTest, PaintsAFramedSwatchAndTheNameWithoutItsPrefix) {
  SetColorText("clBtnFace");
  const int middle = ColorEdit->GetHeight() / 2;
  EXPECT_EQ(Pixel(ColorEdit, 1, middle), Rgb(clWhite));
  EXPECT_EQ(Pixel(ColorEdit, 2, middle), Rgb(clBlack)) << "the swatch's frame";
  EXPECT_EQ(Pixel(ColorEdit, 2, 1), Rgb(clWhite));
  EXPECT_EQ(Pixel(ColorEdit, 10, 2), Rgb(clBlack));
  EXPECT_EQ(Pixel(ColorEdit, 3, 3), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(ColorEdit, 22, ColorEdit->GetHeight() - 4), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(ColorEdit, 23, middle), Rgb(clBlack));
  EXPECT_EQ(Pixel(ColorEdit, 10, ColorEdit->GetHeight() - 3), Rgb(clBlack));
  EXPECT_EQ(Pixel(ColorEdit, 24, middle), Rgb(clWhite));
  EXPECT_EQ(ScreenBlock(ColorEdit, LabelArea()), ReferenceLabel("BtnFace"));
  EXPECT_NE(ReferenceLabel("BtnFace"), ReferenceLabel("clBtnFace"));
  // A number is shown whole: only a colour name loses its two letters.
  SetColorText("$00FF8000");
  EXPECT_EQ(Pixel(ColorEdit, 10, middle), RGB(0x00, 0x80, 0xFF));
  EXPECT_EQ(ScreenBlock(ColorEdit, LabelArea()), ReferenceLabel("$00FF8000"));
}

TEST_F(ColorEditTest, AnUnknownColourTextGetsAnEmptySwatch) {
  SetColorText("clBtnFace");
  SetColorText("not a colour");
  const int middle = ColorEdit->GetHeight() / 2;
  EXPECT_EQ(Pixel(ColorEdit, 2, middle), Rgb(clBlack));
  EXPECT_EQ(Pixel(ColorEdit, 10, middle), Rgb(clWhite));
  EXPECT_EQ(ScreenBlock(ColorEdit, LabelArea()), ReferenceLabel("not a colour"));
  SetColorText("");
  EXPECT_EQ(Pixel(ColorEdit, 10, middle), Rgb(clWhite));
  EXPECT_EQ(ScreenBlock(ColorEdit, LabelArea()), ReferenceLabel(""));
}

TEST_F(ColorEditTest, PaintsOntoAForeignCanvasExactlyAsInItsWindow) {
  SetColorText("clRed");
  const TRect client(0, 0, ColorEdit->GetWidth(), ColorEdit->GetHeight());
  const std::vector<COLORREF> own = ScreenBlock(ColorEdit, client);
  // A canvas of another colour around the block; the block covers exactly the client size.
  TBitmap bitmap;
  bitmap.SetSize(300, 100);
  TCanvas* canvas = bitmap.GetCanvas();
  canvas->GetBrush()->SetColor(clLime);
  canvas->FillRect(TRect(0, 0, 300, 100));
  canvas->GetBrush()->SetColor(clWhite);
  canvas->SetFont(ColorEdit->GetFont());
  EXPECT_EQ(
      ColorEdit->Perform(CM_PAINTTO, reinterpret_cast<WPARAM>(canvas), PointToLParam({100, 40})),
      1);
  EXPECT_EQ(CanvasBlock(canvas, client.Offset(100, 40)), own);
  for (TPoint guard : {TPoint{99, 40}, TPoint{100, 39}, TPoint{100 + client.Right, 40},
                       TPoint{100, 40 + client.Bottom}})
    EXPECT_EQ(canvas->GetPixel(guard.X, guard.Y), clLime) << guard.X << "," << guard.Y;
  // Without a canvas nothing is painted.
  EXPECT_EQ(ColorEdit->Perform(CM_PAINTTO, 0, 0), 0);
}
