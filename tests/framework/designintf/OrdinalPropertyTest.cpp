#include "designintf/SetProperty.h"

#include "DesignFixture.h"
#include "core/Exception.h"

using OrdinalPropertyTest = DesignFixture;

TEST_F(OrdinalPropertyTest, IntegersAreRangeCheckedBeforeAnythingIsWritten) {
  auto small = Editor("Small", {Widget1, Widget2});
  small->SetValue("-128");
  EXPECT_EQ(Widget2->Small, -128);
  small->SetValue("$7F");
  EXPECT_EQ(small->GetValue(), "127");

  try {
    small->SetValue("128");
    FAIL() << "128 does not fit a ShortInt";
  } catch (const EPropertyError& error) {
    EXPECT_STREQ(error.what(), "Value must be between -128 and 127");
  }
  try {
    small->SetValue("abc");
    FAIL() << "abc is no number";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
  }
  EXPECT_EQ(Widget1->Small, 127);
  EXPECT_EQ(Widget2->Small, 127);

  auto count = Editor("Count", {Widget1});
  count->SetValue("$FFFFFFFF");
  EXPECT_EQ(Widget1->GetCount(), -1) << "eight hex digits spell a 32-bit pattern";
  EXPECT_THROW(count->SetValue("3000000000"), EPropertyError);
  EXPECT_EQ(Widget1->GetCount(), -1);
}

TEST_F(OrdinalPropertyTest, CharactersShowPrintablesAndCodes) {
  auto letter = Editor("Letter", {Widget1});
  EXPECT_EQ(letter->GetValue(), "A");
  letter->SetValue("#9");
  EXPECT_EQ(Widget1->Letter, '\t');
  EXPECT_EQ(letter->GetValue(), "#9");
  letter->SetValue(" ");
  EXPECT_EQ(letter->GetValue(), "#32");
  EXPECT_THROW(letter->SetValue("ab"), EConvertError);
  EXPECT_THROW(letter->SetValue("#256"), EPropertyError);
  EXPECT_THROW(letter->SetValue("\xE2\x82\xAC"), EPropertyError) << "the euro sign is no Char";
  EXPECT_EQ(Widget1->Letter, ' ');

  auto wide = Editor("Wide", {Widget1});
  wide->SetValue("\xE2\x82\xAC");
  EXPECT_EQ(Widget1->Wide, u'\u20AC');
  EXPECT_EQ(wide->GetValue(), "\xE2\x82\xAC");
}

TEST_F(OrdinalPropertyTest, EnumerationsOfferTheirNames) {
  auto align = Editor("Align", {Widget1, Widget2});
  EXPECT_EQ(Values(*align), (std::vector<std::string>{"taNone", "taTop", "taBottom", "taClient"}));
  EXPECT_TRUE(align->GetAttributes().Contains(paValueList));
  EXPECT_TRUE(align->GetAttributes().Contains(paSortList));
  align->SetValue("TACLIENT");
  EXPECT_EQ(Widget1->Align, taClient);
  EXPECT_EQ(Widget2->Align, taClient);
  EXPECT_EQ(align->GetValue(), "taClient");
  try {
    align->SetValue("sideways");
    FAIL() << "sideways is no TTestAlign";
  } catch (const EPropertyError& error) {
    EXPECT_STREQ(error.what(), "'sideways' is not a valid TTestAlign value");
  }
  EXPECT_EQ(Widget1->Align, taClient);
}

TEST_F(OrdinalPropertyTest, BooleansToggleOnEdit) {
  auto visible = Editor("Visible", {Widget1});
  EXPECT_EQ(visible->GetValue(), "True");
  EXPECT_EQ(Values(*visible), (std::vector<std::string>{"False", "True"}));
  EXPECT_FALSE(visible->GetAttributes().Contains(paSortList));
  visible->Edit();
  EXPECT_FALSE(Widget1->Visible);
  visible->Edit();
  EXPECT_TRUE(Widget1->Visible);
  EXPECT_THROW(visible->SetValue("maybe"), EPropertyError);
  EXPECT_TRUE(Widget1->Visible);
}

TEST_F(OrdinalPropertyTest, SetsShowBracketsAndExpandIntoElements) {
  Widget1->Sides = {tsLeft, tsRight};
  Widget2->Sides = {tsLeft};
  auto sides = Editor("Sides", {Widget1, Widget2});
  EXPECT_EQ(sides->GetValue(), "[tsLeft,tsRight]");
  EXPECT_FALSE(sides->AllEqual());
  EXPECT_TRUE(sides->GetAttributes().Contains(paSubProperties));
  EXPECT_TRUE(sides->GetAttributes().Contains(paReadOnly));

  const auto elements = SubProperties(*sides);
  ASSERT_EQ(elements.size(), 4u);
  std::vector<std::string> shown;
  for (const auto& element : elements)
    shown.push_back(element->GetName() + "=" + element->GetValue());
  EXPECT_EQ(shown, (std::vector<std::string>{"tsLeft=True", "tsTop=False", "tsRight=True",
                                             "tsBottom=False"}));
  EXPECT_TRUE(elements[0]->AllEqual());
  EXPECT_FALSE(elements[2]->AllEqual());
  EXPECT_NE(dynamic_cast<TSetElementProperty*>(elements[1].get()), nullptr);

  elements[1]->SetValue("true");
  EXPECT_EQ(Widget1->Sides, (TTestSides{tsLeft, tsTop, tsRight})) << "other elements stay";
  EXPECT_EQ(Widget2->Sides, (TTestSides{tsLeft, tsTop}));
  EXPECT_THROW(elements[1]->SetValue("yes"), EPropertyError);

  sides->SetValue("[tsBottom, tsTop]");
  EXPECT_EQ(Widget2->Sides, (TTestSides{tsTop, tsBottom}));
  try {
    sides->SetValue("[tsLeft,tsUp]");
    FAIL() << "tsUp is no element";
  } catch (const EPropertyError& error) {
    EXPECT_NE(std::string(error.what()).find("tsUp is not one of its elements"), std::string::npos);
  }
  EXPECT_EQ(Widget1->Sides, (TTestSides{tsTop, tsBottom}));
}
