#include "DesignFixture.h"
#include "core/Exception.h"

using NamedValuePropertyTest = DesignFixture;

TEST_F(NamedValuePropertyTest, ColoursReadNamesAndNumbers) {
  auto color = Editor("Color", {Widget1, Gauge1});
  EXPECT_EQ(color->GetValue(), "clBtnFace");
  const auto names = Values(*color);
  EXPECT_EQ(names.front(), "clBlack");
  EXPECT_NE(std::find(names.begin(), names.end(), "clInfoBk"), names.end());

  color->SetValue("clred");
  EXPECT_EQ(Gauge1->Color, clRed);
  color->SetValue("$00123456");
  EXPECT_EQ(color->GetValue(), "$00123456");
  color->SetValue("255");
  EXPECT_EQ(color->GetValue(), "clRed");
  EXPECT_THROW(color->SetValue("reddish"), EConvertError);
  EXPECT_EQ(Widget1->Color, clRed);
}

TEST_F(NamedValuePropertyTest, CursorsReadNamesAndNumbersInRange) {
  auto cursor = Editor("Cursor", {Widget1});
  EXPECT_EQ(cursor->GetValue(), "crDefault");
  EXPECT_EQ(Values(*cursor).size(), 23u);
  cursor->SetValue("crHSplit");
  EXPECT_EQ(Widget1->Cursor, crHSplit);
  cursor->SetValue("5");
  EXPECT_EQ(cursor->GetValue(), "5");
  EXPECT_THROW(cursor->SetValue("40000"), EConvertError);
  EXPECT_THROW(cursor->SetValue("crPointy"), EConvertError);
  EXPECT_EQ(cursor->GetValue(), "5");
}

TEST_F(NamedValuePropertyTest, ModalResultsReadNamesAndNumbers) {
  auto result = Editor("ModalResult", {Widget1});
  EXPECT_EQ(Values(*result),
            (std::vector<std::string>{"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry",
                                      "mrIgnore", "mrYes", "mrNo", "mrAll"}));
  result->SetValue("mrCancel");
  EXPECT_EQ(Widget1->ModalResult, mrCancel);
  result->SetValue("42");
  EXPECT_EQ(result->GetValue(), "42");
  try {
    result->SetValue("mrMaybe");
    FAIL() << "mrMaybe is no modal result";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'mrMaybe' is not a valid modal result");
  }
  EXPECT_EQ(Widget1->ModalResult, 42);
}

TEST_F(NamedValuePropertyTest, DatesAndTimesUseTheFixedForm) {
  auto born = Editor("Born", {Widget1, Widget2});
  auto alarm = Editor("Alarm", {Widget1});
  auto stamp = Editor("Stamp", {Widget1});
  born->SetValue("2024-02-29");
  EXPECT_EQ(static_cast<double>(Widget2->Born), static_cast<double>(EncodeDate(2024, 2, 29)));
  EXPECT_EQ(born->GetValue(), "2024-02-29");
  alarm->SetValue("7:05");
  EXPECT_EQ(alarm->GetValue(), "07:05:00");
  stamp->SetValue("2024-05-17T14:30:05.250");
  EXPECT_EQ(stamp->GetValue(), "2024-05-17 14:30:05.250");

  EXPECT_THROW(born->SetValue("2023-02-29"), EConvertError);
  EXPECT_THROW(alarm->SetValue("24:00"), EConvertError);
  EXPECT_THROW(stamp->SetValue("tomorrow"), EConvertError);
  EXPECT_EQ(born->GetValue(), "2024-02-29");
  EXPECT_EQ(alarm->GetValue(), "07:05:00");

  Widget1->Stamp = 1e12;
  EXPECT_EQ(stamp->GetValue(), "1000000000000") << "no date shows it";
  Widget1->Stamp = -1e300;
  EXPECT_EQ(stamp->GetValue(), "-1E300");
}

TEST_F(NamedValuePropertyTest, ZeroDatesAndTimesShowBlankAndBlankTextClearsThem) {
  for (const char* name : {"Born", "Alarm", "Stamp"}) {
    auto editor = Editor(name, {Widget1, Widget2});
    EXPECT_EQ(editor->GetValue(), "") << name << ": zero is no date";
    editor->SetValue(std::string(name) == "Alarm" ? "12:00" : "2024-05-17");
    EXPECT_NE(editor->GetValue(), "") << name;
    editor->SetValue("  ");
    EXPECT_EQ(editor->GetValue(), "") << name;
    EXPECT_EQ(static_cast<double>(Widget1->Born) + Widget1->Alarm + Widget1->Stamp, 0.0) << name;
    EXPECT_EQ(static_cast<double>(Widget2->Born) + Widget2->Alarm + Widget2->Stamp, 0.0) << name;
  }
  // Day 1 is no zero: it still shows.
  Widget1->Born = 1;
  EXPECT_EQ(Editor("Born", {Widget1})->GetValue(), "1899-12-31");
}
