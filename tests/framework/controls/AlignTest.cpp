#include <gtest/gtest.h>

#include "ControlTestSupport.h"

using namespace ControlTest;

namespace {
class AlignTest : public ::testing::Test, public TFixture {
 protected:
  // A container whose client area is 200 x 100 (no frame), on a shown form.
  TWinControl* Container() {
    TForm* form = NewForm(10, 10, 400, 300);
    return New<TWinControl>(form, 20, 20, 200, 100, "Box");
  }
  TLabel* Aligned(TWinControl* parent, TAlign align, int left, int top, int width, int height,
                  const char* name) {
    auto* label = New<TLabel>(parent, left, top, width, height, name);
    label->SetAutoSize(false);
    label->SetAlign(align);
    return label;
  }
};
}  // namespace

TEST_F(AlignTest, SidesAreFilledTopBottomLeftRightThenTheClientArea) {
  TWinControl* box = Container();
  TLabel* client = Aligned(box, alClient, 0, 0, 5, 5, "Client");
  TLabel* right = Aligned(box, alRight, 0, 0, 30, 5, "Right");
  TLabel* left = Aligned(box, alLeft, 0, 0, 20, 5, "Left");
  TLabel* bottom = Aligned(box, alBottom, 0, 0, 5, 15, "Bottom");
  TLabel* top = Aligned(box, alTop, 0, 0, 5, 10, "Top");
  EXPECT_EQ(top->GetBoundsRect(), (TRect{0, 0, 200, 10}));
  EXPECT_EQ(bottom->GetBoundsRect(), (TRect{0, 85, 200, 100}));
  EXPECT_EQ(left->GetBoundsRect(), (TRect{0, 10, 20, 85}));
  EXPECT_EQ(right->GetBoundsRect(), (TRect{170, 10, 200, 85}));
  EXPECT_EQ(client->GetBoundsRect(), (TRect{20, 10, 170, 85}));

  // The parent resized: everything follows.
  box->SetBounds(20, 20, 300, 150);
  EXPECT_EQ(bottom->GetBoundsRect(), (TRect{0, 135, 300, 150}));
  EXPECT_EQ(right->GetBoundsRect(), (TRect{270, 10, 300, 135}));
  EXPECT_EQ(client->GetBoundsRect(), (TRect{20, 10, 270, 135}));

  // A hidden aligned control leaves its space; one that stops being aligned keeps its bounds.
  top->Hide();
  EXPECT_EQ(left->GetBoundsRect(), (TRect{0, 0, 20, 135}));
  left->SetAlign(alNone);
  EXPECT_EQ(left->GetBoundsRect(), (TRect{0, 0, 20, 135}));
  EXPECT_EQ(client->GetBoundsRect(), (TRect{0, 0, 270, 135}));
}

TEST_F(AlignTest, ControlsOfOneSideStackByPositionAndAMovedControlTakesItsNewPlace) {
  TWinControl* box = Container();
  TLabel* first = Aligned(box, alTop, 0, 0, 5, 10, "First");
  TLabel* second = Aligned(box, alTop, 0, 50, 5, 20, "Second");
  EXPECT_EQ(first->GetTop(), 0);
  EXPECT_EQ(second->GetTop(), 10);
  // Moved above the first one, the second goes first.
  second->SetTop(-1);
  EXPECT_EQ(second->GetTop(), 0);
  EXPECT_EQ(first->GetTop(), 20);
  // Heights are kept; widths follow the parent.
  first->SetHeight(5);
  EXPECT_EQ(first->GetBoundsRect(), (TRect{0, 20, 200, 25}));
  TLabel* lower = Aligned(box, alBottom, 0, 90, 5, 10, "Lower");
  TLabel* lowest = Aligned(box, alBottom, 0, 95, 5, 10, "Lowest");
  EXPECT_EQ(lowest->GetTop(), 90);
  EXPECT_EQ(lower->GetTop(), 80);
}

TEST_F(AlignTest, DisabledAlignmentHappensOnceWhenEnabledAgain) {
  TWinControl* box = Container();
  TLabel* top = Aligned(box, alTop, 0, 0, 5, 10, "Top");
  TLabel* client = Aligned(box, alClient, 0, 0, 5, 5, "Client");
  box->DisableAlign();
  top->SetHeight(30);
  EXPECT_EQ(client->GetTop(), 10);  // not yet
  box->EnableAlign();
  EXPECT_EQ(client->GetBoundsRect(), (TRect{0, 30, 200, 100}));
}

TEST_F(AlignTest, AFormAlignsInItsClientAreaInsideTheFrame) {
  TForm* form = NewForm(10, 10, 300, 200);
  TLabel* client = Aligned(form, alClient, 0, 0, 5, 5, "Client");
  EXPECT_EQ(client->GetWidth(), form->GetClientWidth());
  EXPECT_EQ(client->GetHeight(), form->GetClientHeight());
  EXPECT_LT(form->GetClientWidth(), 300);
  form->SetBounds(10, 10, 250, 180);
  EXPECT_EQ(client->GetBoundsRect(), form->GetClientRect());
}
