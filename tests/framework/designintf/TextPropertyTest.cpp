#include "DesignFixture.h"
#include "core/Exception.h"

using TextPropertyTest = DesignFixture;

TEST_F(TextPropertyTest, FloatsShowTheShortestTextOfTheirPrecision) {
  Widget1->Ratio = 0.1;
  Widget1->Weight = 0.1f;
  auto ratio = Editor("Ratio", {Widget1, Widget2});
  auto weight = Editor("Weight", {Widget1});
  EXPECT_EQ(ratio->GetValue(), "0.1");
  EXPECT_EQ(weight->GetValue(), "0.1");
  EXPECT_FALSE(ratio->AllEqual());

  ratio->SetValue(" 2.5 ");
  EXPECT_EQ(Widget2->Ratio, 2.5);
  EXPECT_TRUE(ratio->AllEqual());
  try {
    ratio->SetValue("2,5");
    FAIL() << "the decimal separator is a point";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'2,5' is not a valid floating point value");
  }
  EXPECT_THROW(weight->SetValue("1e39"), EPropertyError);
  EXPECT_EQ(Widget1->Ratio, 2.5);
  EXPECT_EQ(Widget1->Weight, 0.1f);
}

TEST_F(TextPropertyTest, StringsKeepTheirTypesLengthLimit) {
  auto hint = Editor("Hint", {Widget1, Widget2});
  auto code = Editor("Code", {Widget1});
  EXPECT_EQ(hint->GetEditLimit(), 0);
  EXPECT_EQ(code->GetEditLimit(), 4);

  hint->SetValue("Press me");
  EXPECT_EQ(Widget2->Hint, "Press me");
  code->SetValue("\xC3\xA9t\xC3\xA9s");  // four characters, six bytes
  EXPECT_EQ(Widget1->Code, "\xC3\xA9t\xC3\xA9s");
  EXPECT_THROW(code->SetValue("abcde"), EPropertyError);
  EXPECT_EQ(Widget1->Code, "\xC3\xA9t\xC3\xA9s");
}

TEST_F(TextPropertyTest, CaptionsApplyEachChangeAtOnce) {
  auto caption = Editor("Caption", {Widget1, Gauge1});
  EXPECT_TRUE(caption->GetAttributes().Contains(paAutoUpdate));
  EXPECT_FALSE(Editor("Hint", {Widget1})->GetAttributes().Contains(paAutoUpdate));
  caption->SetValue("OK");
  EXPECT_EQ(Gauge1->Caption, "OK");
}

TEST_F(TextPropertyTest, NamesAreValidatedByDesignerAndComponent) {
  auto name = Editor("Name", {Widget1});
  EXPECT_FALSE(name->GetAttributes().Contains(paMultiSelect));
  EXPECT_EQ(name->GetEditLimit(), 63);

  name->SetValue("OkButton");
  EXPECT_EQ(Widget1->GetName(), "OkButton");
  EXPECT_EQ(Form->FindComponent("OkButton"), Widget1);

  Designer.RefusedName = "Refused";
  EXPECT_THROW(name->SetValue("Refused"), EComponentError);
  EXPECT_THROW(name->SetValue("Widget2"), EComponentError);
  EXPECT_THROW(name->SetValue("1st"), EComponentError);
  EXPECT_EQ(name->GetValue(), "OkButton");
}
