#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/SpeedButton.h"
#include "core/ClassRegistry.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace ControlTest;

namespace {
constexpr TColor Key = clFuchsia;

// A strip of count solid 8 x 8 images in the given colours, each with a transparent border
// row at the bottom and a transparent column on the left.
TBitmap* MakeStrip(std::initializer_list<TColor> colors) {
  auto* strip = new TBitmap();
  strip->SetSize(8 * static_cast<int>(colors.size()), 8);
  TCanvas* canvas = strip->GetCanvas();
  canvas->GetBrush()->SetColor(Key);
  canvas->FillRect({0, 0, strip->GetWidth(), 8});
  int index = 0;
  for (TColor color : colors) {
    canvas->GetBrush()->SetColor(color);
    canvas->FillRect({index * 8 + 1, 0, index * 8 + 8, 7});
    ++index;
  }
  return strip;
}

class SpeedButtonTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 300, 200);
    Form->SetName("Form");
    Form->SetColor(clAqua);
    First = AddButton("First", 10);
    Second = AddButton("Second", 40);
    Third = AddButton("Third", 70);
    Driver.ProcessMessages();
  }
  TSpeedButton* AddButton(const char* name, int left) {
    auto* button = new TSpeedButton(Form);
    button->SetName(name);
    button->SetParent(Form);
    button->SetLeft(left);
    button->SetTop(10);
    button->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
    return button;
  }
  void Press(TSpeedButton* button) {
    MoveOver(button);
    Driver.Press();
  }
  void Group(int index, bool allowAllUp = false) {
    for (TSpeedButton* button : {First, Second, Third})
      button->SetGroupIndex(index);
    First->SetAllowAllUp(allowAllUp);
  }
  // Whether the 8 x 8 image placed centred in the button shows color at its inner pixel
  // (image pixel (4, 3)), shifted by one when the button is pressed.
  COLORREF GlyphPixel(TSpeedButton* button, bool pressed) {
    const int offset = pressed ? 1 : 0;
    return Pixel(button, 7 + 4 + offset, 7 + 3 + offset);
  }
  TForm* Form = nullptr;
  TSpeedButton* First = nullptr;
  TSpeedButton* Second = nullptr;
  TSpeedButton* Third = nullptr;
};
}  // namespace

TEST_F(SpeedButtonTest, DefaultsAndPublishedDefaults) {
  EXPECT_EQ(First->GetWidth(), 23);
  EXPECT_EQ(First->GetHeight(), 22);
  EXPECT_EQ(First->GetNumGlyphs(), 1);
  EXPECT_EQ(First->GetLayout(), blGlyphLeft);
  EXPECT_EQ(First->GetMargin(), -1);
  EXPECT_EQ(First->GetSpacing(), 4);
  EXPECT_TRUE(First->GetTransparent());
  EXPECT_FALSE(First->GetFlat());
  EXPECT_FALSE(First->GetControlStyle().Contains(csClickEvents));
  EXPECT_EQ(GetPropInfo(First, "Margin")->GetDefault(), -1);
  EXPECT_EQ(GetPropInfo(First, "Spacing")->GetDefault(), 4);
  EXPECT_EQ(GetPropInfo(First, "Transparent")->GetDefault(), 1);
  EXPECT_EQ(GetPropInfo(First, "NumGlyphs")->GetDefault(), 1);
  EXPECT_EQ(GetClass("TSpeedButton"), TSpeedButton::StaticClass());
  // The image count is 1 to 4; anything else is refused with the count named.
  for (int bad : {0, 5, -1}) {
    try {
      First->SetNumGlyphs(bad);
      ADD_FAILURE() << bad << " accepted";
    } catch (const EInvalidOperation& error) {
      EXPECT_NE(error.GetMessage().find(std::to_string(bad)), std::string::npos);
    }
  }
  EXPECT_EQ(First->GetNumGlyphs(), 1);
}

TEST_F(SpeedButtonTest, AClickIsAPressAndAReleaseOverTheButton) {
  Press(First);
  EXPECT_EQ(First->GetState(), bsDown);
  EXPECT_EQ(Pixel(First, 0, 0), Rgb(cl3DDkShadow));  // sunken
  const TPoint outside = ScreenPoint(First, 60, 5);
  Driver.MoveTo(outside.X, outside.Y);
  EXPECT_EQ(First->GetState(), bsUp);
  EXPECT_EQ(Pixel(First, 0, 0), Rgb(clBtnHighlight));  // raised again
  Driver.Release();
  EXPECT_TRUE(Log->Lines.empty());
  Press(First);
  Driver.Release();
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click First"});
  EXPECT_EQ(First->GetState(), bsUp);
  EXPECT_FALSE(First->GetDown());  // no group: it never stays down
  // A disabled button neither presses nor clicks.
  First->SetEnabled(false);
  EXPECT_EQ(First->GetState(), bsDisabled);
  Press(First);
  Driver.Release();
  EXPECT_EQ(Log->Lines.size(), 1u);
}

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDown) {
  Group(1);
  ClickAt(First);
  EXPECT_TRUE(First->GetDown());
  EXPECT_EQ(First->GetState(), bsExclusive);
  ClickAt(Second);
  EXPECT_TRUE(Second->GetDown());
  EXPECT_FALSE(First->GetDown());
  EXPECT_EQ(First->GetState(), bsUp);
  // The down button clicked again stays down (but still clicks) without AllowAllUp.
  ClickAt(Second);
  EXPECT_TRUE(Second->GetDown());
  EXPECT_EQ(Log->Lines.size(), 3u);
  // AllowAllUp set on one button reaches the whole group.
  Third->SetAllowAllUp(true);
  EXPECT_TRUE(First->GetAllowAllUp());
  EXPECT_TRUE(Second->GetAllowAllUp());
  ClickAt(Second);
  EXPECT_FALSE(Second->GetDown());
  EXPECT_EQ(Second->GetState(), bsUp);
  // Down set from code puts the others up; a button outside the group is not touched.
  auto* loner = AddButton("Loner", 120);
  loner->SetGroupIndex(2);
  loner->SetDown(true);
  Third->SetDown(true);
  First->SetDown(true);
  EXPECT_FALSE(Third->GetDown());
  EXPECT_TRUE(First->GetDown());
  EXPECT_TRUE(loner->GetDown());
  // Leaving the group (index 0) brings a button up: Down means nothing without a group.
  First->SetGroupIndex(0);
  EXPECT_FALSE(First->GetDown());
  First->SetDown(true);
  EXPECT_FALSE(First->GetDown());
}

TEST_F(SpeedButtonTest, TheDownButtonOfAGroupWithoutAllowAllUpComesUpOnlyForAnother) {
  Group(3);
  Second->SetDown(true);
  Second->SetDown(false);
  EXPECT_TRUE(Second->GetDown());
  // Pressing the down button and sliding off keeps it down.
  Press(Second);
  EXPECT_EQ(Second->GetState(), bsExclusive);
  const TPoint outside = ScreenPoint(Second, 200, 5);
  Driver.MoveTo(outside.X, outside.Y);
  EXPECT_EQ(Second->GetState(), bsExclusive);
  Driver.Release();
  EXPECT_TRUE(Second->GetDown());
  EXPECT_TRUE(Log->Lines.empty());
}

TEST_F(SpeedButtonTest, FlatButtonsShowTheirEdgeOnlyUnderTheMouse) {
  First->SetFlat(true);
  Second->SetFlat(true);
  Driver.ProcessMessages();
  // Transparent and flat: the form shows through, edge included.
  EXPECT_EQ(Pixel(First, 0, 0), Rgb(clAqua));
  EXPECT_EQ(Pixel(First, 11, 11), Rgb(clAqua));
  MoveOver(First);
  EXPECT_TRUE(First->GetMouseInControl());
  EXPECT_EQ(Pixel(First, 0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(First, 22, 21), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(First, 11, 11), Rgb(clAqua));
  // Moving to the neighbour takes the hot edge along.
  MoveOver(Second);
  EXPECT_FALSE(First->GetMouseInControl());
  EXPECT_EQ(Pixel(First, 0, 0), Rgb(clAqua));
  EXPECT_EQ(Pixel(Second, 0, 0), Rgb(clBtnHighlight));
  // Pressed: sunken; not transparent: a face of its own.
  Driver.Press();
  EXPECT_EQ(Pixel(Second, 0, 0), Rgb(clBtnShadow));
  Driver.Release();
  First->SetTransparent(false);
  EXPECT_TRUE(First->GetControlStyle().Contains(csOpaque));
  EXPECT_EQ(Pixel(First, 11, 11), Rgb(clBtnFace));
  // A disabled flat button has no hot edge.
  Second->SetEnabled(false);
  MoveOver(First);
  MoveOver(Second);
  EXPECT_FALSE(Second->GetMouseInControl());
  EXPECT_EQ(Pixel(Second, 0, 0), Rgb(clAqua));
}

TEST_F(SpeedButtonTest, AButtonStayingDownShowsADitheredFace) {
  Group(1);
  First->SetDown(true);
  Driver.ProcessMessages();
  // Inside the sunken edge the face alternates between face and highlight pixel by pixel.
  const COLORREF a = Pixel(First, 4, 4);
  const COLORREF b = Pixel(First, 5, 4);
  EXPECT_NE(a, b);
  EXPECT_TRUE((a == Rgb(clBtnFace) && b == Rgb(clBtnHighlight)) ||
              (a == Rgb(clBtnHighlight) && b == Rgb(clBtnFace)));
  EXPECT_EQ(Pixel(First, 4, 5), b);
  EXPECT_EQ(Pixel(First, 0, 0), Rgb(cl3DDkShadow));
  // Up again: a plain face.
  First->SetAllowAllUp(true);
  First->SetDown(false);
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(First, 4, 4), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(First, 5, 4), Rgb(clBtnFace));
}

TEST_F(SpeedButtonTest, EachStateShowsItsImageOfTheStrip) {
  TBitmap* strip = MakeStrip({clRed, clGreen, clBlue, clYellow});
  First->SetGlyph(strip);
  strip->Free();
  EXPECT_EQ(First->GetNumGlyphs(), 4);  // a strip four times as wide as high
  First->SetFlat(true);
  Group(1, true);
  Driver.ProcessMessages();
  EXPECT_EQ(GlyphPixel(First, false), Rgb(clRed));
  // The transparent colour (the bottom-left pixel) leaves the form visible.
  EXPECT_EQ(Pixel(First, 7, 7 + 3), Rgb(clAqua));
  Press(First);
  EXPECT_EQ(GlyphPixel(First, true), Rgb(clBlue));
  Driver.Release();
  EXPECT_TRUE(First->GetDown());
  const TPoint away = ScreenPoint(Third, 200, 100);
  Driver.MoveTo(away.X, away.Y);
  EXPECT_EQ(GlyphPixel(First, true), Rgb(clYellow));
  First->SetDown(false);
  First->SetEnabled(false);
  EXPECT_EQ(GlyphPixel(First, false), Rgb(clGreen));
  // With three images the stay-down look borrows the down image.
  First->SetEnabled(true);
  strip = MakeStrip({clRed, clGreen, clBlue});
  First->SetGlyph(strip);
  strip->Free();
  EXPECT_EQ(First->GetNumGlyphs(), 3);
  First->SetDown(true);
  EXPECT_EQ(GlyphPixel(First, true), Rgb(clBlue));
  // With one, every state shows the up image, offset when pressed.
  strip = MakeStrip({clRed});
  First->SetGlyph(strip);
  strip->Free();
  EXPECT_EQ(First->GetNumGlyphs(), 1);
  EXPECT_EQ(GlyphPixel(First, true), Rgb(clRed));
}

TEST_F(SpeedButtonTest, ADisabledButtonWithoutItsOwnImageShowsTheUpImageEmbossed) {
  // A 7 x 5 glyph whose bottom-left pixel is white: white is transparent, one black pixel.
  auto* glyph = new TBitmap();
  glyph->SetSize(7, 5);
  TCanvas* canvas = glyph->GetCanvas();
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect({0, 0, 7, 5});
  canvas->SetPixel(3, 2, clBlack);
  First->SetGlyph(glyph);
  glyph->Free();
  EXPECT_EQ(First->GetNumGlyphs(), 1);
  EXPECT_EQ(First->GetGlyph()->GetTransparentColor(), clWhite);
  // Centred: (23 - 7) / 2 = 8 across, (22 - 5 + 1) / 2 = 9 down.
  EXPECT_EQ(Pixel(First, 8 + 3, 9 + 2), Rgb(clBlack));
  EXPECT_EQ(Pixel(First, 8 + 2, 9 + 2), Rgb(clBtnFace));  // white left out
  First->SetEnabled(false);
  EXPECT_EQ(Pixel(First, 8 + 3, 9 + 2), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(First, 8 + 4, 9 + 3), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(First, 8 + 2, 9 + 2), Rgb(clBtnFace));
  // A glyph narrower than its image count draws nothing and breaks nothing.
  First->SetNumGlyphs(4);
  glyph = new TBitmap();
  glyph->SetSize(3, 5);
  First->GetGlyph()->Assign(glyph);
  glyph->Free();
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(First, 8 + 3, 9 + 2), Rgb(clBtnFace));
}

TEST_F(SpeedButtonTest, PictureAndCaptionArePlacedByLayoutMarginAndSpacing) {
  const TRect client{0, 0, 100, 40};
  const TSize glyph{16, 16};
  const TSize text{30, 13};
  // Centred together, 4 pixels apart.
  TButtonPlacement p = PlaceButtonContent(client, glyph, text, blGlyphLeft, -1, 4);
  EXPECT_EQ(p.GlyphPos, (TPoint{25, 12}));
  EXPECT_EQ(p.TextBounds, Bounds(45, 14, 30, 13));
  // From the right edge.
  p = PlaceButtonContent(client, glyph, text, blGlyphRight, 5, 4);
  EXPECT_EQ(p.GlyphPos.X, 79);
  EXPECT_EQ(p.TextBounds.Left, 45);
  // Margin and spacing both free: the space is shared out evenly.
  p = PlaceButtonContent(client, glyph, text, blGlyphTop, -1, -1);
  EXPECT_EQ(p.GlyphPos, (TPoint{42, 3}));
  EXPECT_EQ(p.TextBounds, Bounds(35, 22, 30, 13));
  // A fixed margin with free spacing centres the caption in what is left.
  p = PlaceButtonContent(client, glyph, text, blGlyphBottom, 2, -1);
  EXPECT_EQ(p.GlyphPos.Y, 22);
  EXPECT_EQ(p.TextBounds.Top, 5);
  // A caption alone is centred: no gap is reserved.
  p = PlaceButtonContent(client, {0, 0}, text, blGlyphLeft, -1, 4);
  EXPECT_EQ(p.TextBounds.Left, 35);
}

TEST_F(SpeedButtonTest, TheCaptionIsDrawnBesideTheGlyphAndItsAcceleratorClicks) {
  First->SetBounds(10, 40, 90, 24);  // below the others
  First->SetCaption("&Open");
  Group(1, true);
  Driver.ProcessMessages();
  int dark = 0;
  for (int x = 2; x < 88; ++x)
    for (int y = 4; y < 20; ++y)
      if (IsDark(Pixel(First, x, y))) ++dark;
  EXPECT_GT(dark, 10);
  // Alt+O and a plain O (nothing on the form takes characters) click the button.
  Driver.PressKey('O', false, false, true);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click First"});
  EXPECT_TRUE(First->GetDown());
  Driver.PressKey('O');
  EXPECT_EQ(Log->Lines.size(), 2u);
  EXPECT_FALSE(First->GetDown());
  // Disabled: engraved, no dark text, and no accelerator.
  First->SetEnabled(false);
  dark = 0;
  for (int x = 2; x < 88; ++x)
    for (int y = 4; y < 20; ++y)
      if (IsDark(Pixel(First, x, y))) ++dark;
  EXPECT_EQ(dark, 0);
  Driver.PressKey('O');
  EXPECT_EQ(Log->Lines.size(), 2u);
}

TEST_F(SpeedButtonTest, ADoubleClickOnAButtonStayingDownReachesOnDblClick) {
  Group(1);
  First->SetOnDblClick(MakeMethod<&TEventLog::DblClick>(Log));
  const TPoint p = ScreenPoint(First, 10, 10);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click First", "DblClick First", "Click First"}));
  // Not down (no group): two clicks, no double click.
  Log->Lines.clear();
  Second->SetOnDblClick(MakeMethod<&TEventLog::DblClick>(Log));
  Driver.AdvanceClock(1000);
  const TPoint q = ScreenPoint(Second, 10, 10);
  Second->SetGroupIndex(0);
  Driver.DoubleClick(q.X, q.Y);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click Second", "Click Second"}));
}

TEST_F(SpeedButtonTest, AButtonFreedInItsOwnOnClickCrashesNothing) {
  First->SetOnClick(MakeMethod<&TEventLog::FreeSender>(Log));
  TControlRef<TSpeedButton> alive(First);
  ClickAt(First);
  EXPECT_FALSE(alive);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Free First"});
}

TEST_F(SpeedButtonTest, AGroupReadFromAFormFileKeepsItsDownButtonAndAllowAllUp) {
  TBitmap* strip = MakeStrip({clRed, clGreen});
  First->SetGlyph(strip);
  strip->Free();
  First->SetLayout(blGlyphTop);
  First->SetMargin(2);
  First->SetSpacing(-1);
  First->SetFlat(true);
  First->SetTransparent(false);
  First->SetCaption("Go");
  for (TSpeedButton* button : {First, Second})
    button->SetGroupIndex(1);
  Second->SetAllowAllUp(true);
  Second->SetDown(true);
  TWriter writer;
  writer.WriteRootComponent(Form);
  const std::string text = writer.GetText();
  EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos);
  EXPECT_NE(text.find("NumGlyphs = 2"), std::string::npos);

  TReader reader(text);
  auto* copy = dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  auto* first = dynamic_cast<TSpeedButton*>(copy->FindComponent("First"));
  auto* second = dynamic_cast<TSpeedButton*>(copy->FindComponent("Second"));
  ASSERT_TRUE(first && second);
  EXPECT_TRUE(second->GetDown());
  EXPECT_FALSE(first->GetDown());
  EXPECT_TRUE(first->GetAllowAllUp());
  EXPECT_TRUE(second->GetAllowAllUp());
  EXPECT_EQ(first->GetNumGlyphs(), 2);
  EXPECT_EQ(first->GetGlyph()->GetWidth(), 16);
  EXPECT_EQ(first->GetLayout(), blGlyphTop);
  EXPECT_EQ(first->GetMargin(), 2);
  EXPECT_EQ(first->GetSpacing(), -1);
  EXPECT_FALSE(first->GetTransparent());
  TWriter again;
  again.WriteRootComponent(copy);
  EXPECT_EQ(again.GetText(), text);
  copy->Free();
  // An image count out of range in a file is refused, naming the property.
  const std::string bad =
      "object F: TForm\n  object B: TSpeedButton\n    NumGlyphs = 9\n  end\nend\n";
  TReader badReader(bad);
  try {
    TComponent* read = badReader.ReadRootComponent(nullptr);
    if (read) read->Free();
    ADD_FAILURE() << "NumGlyphs 9 accepted";
  } catch (const Exception& error) {
    EXPECT_NE(error.GetMessage().find("NumGlyphs"), std::string::npos) << error.GetMessage();
  }
}
