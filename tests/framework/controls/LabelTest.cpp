#include <gtest/gtest.h>

#include "ControlTestSupport.h"

using namespace ControlTest;

namespace {
class LabelTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 300, 200);
    Form->SetColor(clWhite);
  }
  // The size text takes in the label's font.
  TSize TextSize(TLabel* label, const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, label->GetFont()->GetHandle());
    TSize size;
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
  }
  // Rows of the label holding dark (text) pixels.
  std::vector<int> TextRows(TLabel* label) {
    std::vector<int> rows;
    for (int y = 0; y < label->GetHeight(); ++y)
      for (int x = 0; x < label->GetWidth(); ++x)
        if (IsDark(Pixel(label, x, y))) {
          rows.push_back(y);
          break;
        }
    return rows;
  }
  TForm* Form = nullptr;
};
}  // namespace

TEST_F(LabelTest, AutoSizeFitsTheTextAndKeepsTheAlignedEdge) {
  auto* label = New<TLabel>(Form, 100, 20, 65, 17, "Label1");
  label->SetCaption("Hello world");
  const TSize size = TextSize(label, "Hello world");
  EXPECT_EQ(label->GetWidth(), size.cx);
  EXPECT_EQ(label->GetHeight(), size.cy);
  EXPECT_EQ(label->GetLeft(), 100);
  // Right-aligned, the right edge stays where it is.
  label->SetAlignment(taRightJustify);
  const int right = label->GetLeft() + label->GetWidth();
  label->SetCaption("Hi");
  EXPECT_EQ(label->GetLeft() + label->GetWidth(), right);
  EXPECT_EQ(label->GetWidth(), TextSize(label, "Hi").cx);
  // The accelerator mark takes no room; "&&" is one ampersand.
  label->SetAlignment(taLeftJustify);
  label->SetCaption("&Name");
  EXPECT_EQ(label->GetWidth(), TextSize(label, "Name").cx);
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->GetWidth(), TextSize(label, "&Name").cx);
  // Without AutoSize the bounds stay.
  label->SetAutoSize(false);
  label->SetBounds(100, 20, 30, 40);
  label->SetCaption("A longer caption");
  EXPECT_EQ(label->GetBoundsRect(), (TRect{100, 20, 130, 60}));
}

TEST_F(LabelTest, WordWrapBreaksTheTextIntoLinesAtTheLabelsWidth) {
  auto* label = New<TLabel>(Form, 10, 10, 60, 17, "Wrapped");
  label->SetWordWrap(true);
  label->SetCaption("one two three four five six");
  const int line = TextSize(label, "one").cy;
  EXPECT_GE(label->GetHeight(), 3 * line);
  EXPECT_LE(label->GetWidth(), 60);
  const std::vector<int> rows = TextRows(label);
  ASSERT_FALSE(rows.empty());
  EXPECT_GT(rows.back() - rows.front(), 2 * line - line / 2);
}

TEST_F(LabelTest, BackgroundTransparencyLayoutAndDisabledLook) {
  auto* label = New<TLabel>(Form, 10, 10, 100, 60, "Label1");
  label->SetAutoSize(false);
  label->SetCaption("Text");
  label->SetColor(clYellow);
  EXPECT_EQ(Pixel(label, 95, 55), Rgb(clYellow));
  EXPECT_EQ(Pixel(Form, 110, 40), Rgb(clWhite));  // guard just right of it
  const std::vector<int> top = TextRows(label);
  ASSERT_FALSE(top.empty());
  EXPECT_LT(top.back(), 20);
  label->SetLayout(tlBottom);
  const std::vector<int> bottom = TextRows(label);
  ASSERT_FALSE(bottom.empty());
  EXPECT_GT(bottom.front(), 40);
  label->SetLayout(tlCenter);
  const std::vector<int> centre = TextRows(label);
  ASSERT_FALSE(centre.empty());
  EXPECT_GT(centre.front(), 15);
  EXPECT_LT(centre.back(), 45);
  label->SetTransparent(true);
  EXPECT_EQ(Pixel(label, 95, 55), Rgb(clWhite));
  label->SetEnabled(false);
  EXPECT_TRUE(TextRows(label).empty());
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControl) {
  auto* first = New<TButton>(Form, 10, 100, 75, 25, "First");
  auto* target = New<TButton>(Form, 100, 100, 75, 25, "Target");
  auto* label = New<TLabel>(Form, 10, 10, 60, 17, "Label1");
  label->SetCaption("&Target:");
  label->SetFocusControl(target);
  first->SetFocus();
  Driver.PressKey('T', false, false, true);
  EXPECT_TRUE(target->Focused());
  // A letter that is no accelerator does nothing; neither does a disabled label.
  first->SetFocus();
  Driver.PressKey('X', false, false, true);
  EXPECT_TRUE(first->Focused());
  label->SetEnabled(false);
  Driver.PressKey('T', false, false, true);
  EXPECT_TRUE(first->Focused());
  // The focus control going away is noticed.
  target->Free();
  EXPECT_EQ(label->GetFocusControl(), nullptr);
  label->SetEnabled(true);
  Driver.PressKey('T', false, false, true);
  EXPECT_TRUE(first->Focused());
}
