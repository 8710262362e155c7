#include "DesignFixture.h"
#include "core/Exception.h"
#include "core/SysUtils.h"
#include "streaming/Writer.h"

using TextPropertyTest = DesignFixture;

TEST_F(TextPropertyTest, FloatsShowInTheGeneralFormatOfTheirPrecision) {
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

TEST_F(TextPropertyTest, FloatsShowFifteenSignificantDigitsAndAnExponentWhenFarFromOne) {
  auto ratio = Editor("Ratio", {Widget1});
  const std::pair<double, const char*> shown[] = {
      {0.1 + 0.2, "0.3"},
      {1e20, "1E20"},
      {1.5, "1.5"},
      {1e-5, "1E-5"},
      {123456789012345680000.0, "1.23456789012346E20"},
      {0.0001, "0.0001"},
      {-2.5e-7, "-2.5E-7"},
      {100, "100"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E15"},
      {0.9999999999999999, "1"},
      {1.0 / 3, "0.333333333333333"},
      {-0.0, "0"},
      {5e-324, "4.94065645841247E-324"},
  };
  for (const auto& [value, text] : shown) {
    Widget1->Ratio = value;
    EXPECT_EQ(ratio->GetValue(), text) << value;
  }
  // Single precision shows seven digits.
  Widget1->Weight = 1.0f / 3;
  EXPECT_EQ(Editor("Weight", {Widget1})->GetValue(), "0.3333333");
}

TEST_F(TextPropertyTest, FloatTextReadsUnderflowAsZeroAndRefusesTheRest) {
  auto ratio = Editor("Ratio", {Widget1, Widget2});
  auto weight = Editor("Weight", {Widget1});
  Widget1->Ratio = Widget2->Ratio = 7;
  for (const char* tiny : {"1e-400", "-1e-400", "0.000000001e-320", "1E-99999999999999999999"}) {
    ratio->SetValue(tiny);
    EXPECT_EQ(Widget1->Ratio, 0.0) << tiny;
    EXPECT_EQ(Widget2->Ratio, 0.0) << tiny;
    Widget1->Ratio = Widget2->Ratio = 7;
  }
  ratio->SetValue("4e-320");  // the smallest doubles are kept
  EXPECT_EQ(Widget1->Ratio, 4e-320);
  weight->SetValue("1e-50");  // too small for a single
  EXPECT_EQ(Widget1->Weight, 0.0f);
  Widget1->Ratio = Widget2->Ratio = 7;
  for (const char* bad : {"1e400", "", "1e", "e5", "1.5.2", "inf", "nan", "0x10", "--1", "1e-400x"})
    EXPECT_THROW(ratio->SetValue(bad), EConvertError) << bad;
  EXPECT_EQ(Widget1->Ratio, 7.0);
  EXPECT_EQ(Widget2->Ratio, 7.0);
}

TEST_F(TextPropertyTest, FormFilesKeepEveryDigitThatTheInspectorRoundsAway) {
  auto ratio = Editor("Ratio", {Widget1});
  for (double value : {0.1 + 0.2, 1e20, 1e-5, 123456789012345680000.0, 1.0 / 3, 5e-324, -2.5e-7,
                       0.9999999999999999}) {
    Widget1->Ratio = value;
    const std::string shown = ratio->GetValue();
    TWriter writer;
    writer.WriteRootComponent(Widget1);
    const std::string& text = writer.GetText();
    const size_t line = text.find("Ratio = ");
    ASSERT_NE(line, std::string::npos) << text;
    const size_t start = line + 8;
    const std::string written = text.substr(start, text.find('\n', start) - start);
    EXPECT_EQ(StrToFloat(written), value) << "shown " << shown << ", written " << written;
  }
}
