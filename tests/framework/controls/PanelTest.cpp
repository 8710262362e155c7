#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/Panel.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace ControlTest;

namespace {
class PanelTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 320, 240);
    Form->SetName("Form");
    Form->SetColor(clAqua);
    Panel = New<TPanel>(Form, 10, 10, 200, 100, "Panel1");
    Driver.ProcessMessages();
  }
  TForm* Form = nullptr;
  TPanel* Panel = nullptr;
};
}  // namespace

TEST_F(PanelTest, DefaultsAndPublishedDefaults) {
  auto* fresh = new TPanel(Form);
  EXPECT_EQ(fresh->GetWidth(), 185);
  EXPECT_EQ(fresh->GetHeight(), 41);
  EXPECT_EQ(fresh->GetColor(), clBtnFace);
  EXPECT_FALSE(fresh->GetParentColor());
  EXPECT_EQ(fresh->GetBevelOuter(), bvRaised);
  EXPECT_EQ(fresh->GetBevelInner(), bvNone);
  EXPECT_EQ(fresh->GetAlignment(), taCenter);
  EXPECT_TRUE(fresh->GetControlStyle().Contains(csAcceptsControls));
  EXPECT_EQ(GetPropInfo(fresh, "BevelOuter")->GetDefault(), bvRaised);
  EXPECT_EQ(GetPropInfo(fresh, "Alignment")->GetDefault(), taCenter);
  EXPECT_EQ(GetPropInfo(fresh, "Color")->GetDefault(), clBtnFace);
  EXPECT_THROW(fresh->SetBevelWidth(0), EInvalidOperation);
  EXPECT_THROW(fresh->SetBorderWidth(-1), EInvalidOperation);
  EXPECT_EQ(fresh->GetBevelWidth(), 1);
  fresh->Free();
}

TEST_F(PanelTest, BevelsBorderAndCaptionArePainted) {
  const int w = Panel->GetWidth();
  const int h = Panel->GetHeight();
  EXPECT_EQ(Pixel(Panel, 0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(Panel, w - 1, 0), Rgb(clBtnShadow));  // the right side owns its corner
  EXPECT_EQ(Pixel(Panel, w - 1, h - 1), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(Panel, 1, 1), Rgb(clBtnFace));
  // Raised outer bevel 2 wide, a border of 3 in the panel's colour, a lowered inner bevel.
  Panel->SetBevelWidth(2);
  Panel->SetBorderWidth(3);
  Panel->SetBevelInner(bvLowered);
  Panel->SetColor(clYellow);
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Panel, 1, 1), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(Panel, 2, 10), Rgb(clYellow));
  EXPECT_EQ(Pixel(Panel, 4, 10), Rgb(clYellow));
  EXPECT_EQ(Pixel(Panel, 5, 10), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(Panel, 6, 10), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(Panel, w - 6, 10), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(Panel, 7, 10), Rgb(clYellow));
  EXPECT_EQ(Panel->EdgeWidth(), 7);
  // The caption: dark pixels in the middle band, none in the edges.
  Panel->SetCaption("Tool bar");
  Driver.ProcessMessages();
  int dark = 0;
  for (int y = 7; y < h - 7; ++y)
    for (int x = 7; x < w - 7; ++x)
      if (IsDark(Pixel(Panel, x, y))) ++dark;
  EXPECT_GT(dark, 20);
  // Left-justified, the caption starts at the inner edge.
  Panel->SetAlignment(taLeftJustify);
  Driver.ProcessMessages();
  int firstDark = -1;
  for (int x = 7; x < w - 7 && firstDark < 0; ++x)
    for (int y = 7; y < h - 7; ++y)
      if (IsDark(Pixel(Panel, x, y))) {
        firstDark = x;
        break;
      }
  EXPECT_GE(firstDark, 7);
  EXPECT_LT(firstDark, 12);
}

TEST_F(PanelTest, ControlsAlignInsideTheEdges) {
  auto* top = New<TPanel>(Panel, 0, 0, 50, 20, "Top");
  top->SetAlign(alTop);
  auto* rest = New<TPanel>(Panel, 0, 0, 50, 20, "Rest");
  rest->SetAlign(alClient);
  EXPECT_EQ(top->GetBoundsRect(), (TRect{1, 1, 199, 21}));
  EXPECT_EQ(rest->GetBoundsRect(), (TRect{1, 21, 199, 99}));
  Panel->SetBorderWidth(4);
  Panel->SetBevelInner(bvRaised);
  EXPECT_EQ(top->GetBoundsRect(), (TRect{6, 6, 194, 26}));
  EXPECT_EQ(rest->GetBoundsRect(), (TRect{6, 26, 194, 94}));
  Panel->SetBevelOuter(bvNone);
  Panel->SetBevelInner(bvNone);
  Panel->SetBorderWidth(0);
  EXPECT_EQ(rest->GetBoundsRect(), (TRect{0, 20, 200, 100}));
  // A single border takes its width out of the client area.
  Panel->SetBorderStyle(bsSingle);
  EXPECT_EQ(Panel->GetClientWidth(), 196);
  EXPECT_EQ(rest->GetBoundsRect(), (TRect{0, 20, 196, 96}));
  // A click reaches the panel it lands on, not the one below.
  Panel->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  top->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  ClickAt(top);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click Top"});
}

TEST_F(PanelTest, ControlsOnAPanelAreWrittenAndReadInsideIt) {
  Panel->SetCaption("Bar");
  Panel->SetAlign(alTop);
  Panel->SetBevelInner(bvLowered);
  Panel->SetBorderWidth(2);
  Panel->SetBorderStyle(bsSingle);
  auto* inner = New<TPanel>(Panel, 0, 0, 40, 20, "Inner");
  inner->SetAlign(alLeft);
  auto* button = New<TButton>(inner, 2, 2, 30, 14, "Go");
  Form->Hide();  // read back hidden, so that no control of the copy takes the focus
  TWriter writer;
  writer.WriteRootComponent(Form);
  const std::string text = writer.GetText();
  EXPECT_EQ(text.find("Color = clBtnFace"), std::string::npos);  // the panel's default
  EXPECT_NE(text.find("BorderStyle = bsSingle"), std::string::npos);
  TReader reader(text);
  auto* copy = dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  auto* panel = dynamic_cast<TPanel*>(copy->FindComponent("Panel1"));
  auto* copiedInner = dynamic_cast<TPanel*>(copy->FindComponent("Inner"));
  auto* copiedButton = dynamic_cast<TButton*>(copy->FindComponent("Go"));
  ASSERT_TRUE(panel && copiedInner && copiedButton);
  EXPECT_EQ(copiedInner->GetParent(), panel);
  EXPECT_EQ(copiedButton->GetParent(), copiedInner);
  EXPECT_EQ(copiedInner->GetBoundsRect(), inner->GetBoundsRect());
  EXPECT_EQ(panel->GetBevelInner(), bvLowered);
  EXPECT_EQ(std::string(panel->GetCaption()), "Bar");
  TWriter again;
  again.WriteRootComponent(copy);
  EXPECT_EQ(again.GetText(), text);
  copy->Free();
  (void)button;
}
