#include "DesignFixture.h"
#include "core/Exception.h"

using ClassPropertyTest = DesignFixture;

TEST_F(ClassPropertyTest, ObjectsExpandIntoTheirCommonProperties) {
  auto border = Editor("Border", {Widget1, Widget2});
  EXPECT_EQ(border->GetValue(), "(TTestBorder)");
  EXPECT_TRUE(border->AllEqual());
  EXPECT_TRUE(border->GetAttributes().Contains(paSubProperties));
  EXPECT_TRUE(border->GetAttributes().Contains(paReadOnly));

  auto subs = SubProperties(*border);
  ASSERT_EQ(subs.size(), 2u);
  EXPECT_EQ(subs[0]->GetName(), "Width");
  EXPECT_EQ(subs[1]->ClassName(), "TColorProperty");
  EXPECT_EQ(subs[0]->GetComponent(1), Widget2->GetBorder());
  subs[0]->SetValue("3");
  EXPECT_EQ(Widget1->GetBorder()->Width, 3);
  EXPECT_EQ(Widget2->GetBorder()->Width, 3);
  EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(ClassPropertyTest, ReadOnlyObjectsAreEditedThroughTheirProperties) {
  auto frame = Editor("Frame", {Widget1});
  EXPECT_EQ(frame->GetValue(), "(TTestBorder)");
  auto subs = SubProperties(*frame);
  ASSERT_EQ(subs.size(), 2u);
  subs[1]->SetValue("clNavy");
  EXPECT_EQ(Widget1->GetBorder()->Color, clNavy);
}

TEST_F(ClassPropertyTest, StringListsHaveADialogAndNoSubProperties) {
  Widget1->GetLines()->SetText("one\ntwo\n");
  auto lines = Editor("Lines", {Widget1});
  EXPECT_EQ(lines->GetValue(), "(TStrings)");
  EXPECT_TRUE(lines->GetAttributes().Contains(paDialog));
  EXPECT_FALSE(lines->GetAttributes().Contains(paSubProperties));
  EXPECT_TRUE(SubProperties(*lines).empty());
  lines->Edit();
  EXPECT_EQ(Widget1->GetLines()->GetText(), "one\ntwo\n");
  EXPECT_THROW(lines->SetValue("three"), EPropertyError);
}
