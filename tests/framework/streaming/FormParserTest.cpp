#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Exception.h"
#include "streaming/FormParser.h"
#include "streaming/FormPrinter.h"

namespace {
TFormObject Parse(const std::string& text) {
  return TFormParser(text).ParseForm();
}

std::string ParseError(const std::string& text) {
  try {
    Parse(text);
  } catch (const EReadError& e) {
    return e.GetMessage();
  }
  return "no error";
}

const TFormValue& ValueOf(const TFormObject& object, const std::string& name) {
  for (const TFormProperty& property : object.Properties)
    if (property.Name == name) return property.Value;
  throw std::runtime_error("no property " + name);
}

// A form with every construct, as the printer writes it.
const char* const EveryConstruct =
    "inherited Form2: TForm2\n"
    "  Caption = 'Two'#13#10'lines'\n"
    "  Ratio = -INF\n"
    "  Scale = +NAN\n"
    "  Tag = -12\n"
    "  Columns = <\n"
    "    item\n"
    "      Caption = 'Name'\n"
    "      Parts = <\n"
    "        item\n"
    "          Size = 2\n"
    "        end>\n"
    "    end\n"
    "    item\n"
    "    end>\n"
    "  Empty = <>\n"
    "  Lines.Strings = (\n"
    "    'a'\n"
    "    (\n"
    "      1\n"
    "      2))\n"
    "  Data = {\n"
    "    0A0B}\n"
    "  Style = [fsBold, fsItalic]\n"
    "  inherited Panel1: TPanel [2]\n"
    "    object Button1: TButton [0]\n"
    "      OnClick = Button1Click\n"
    "    end\n"
    "  end\n"
    "  inline Frame1: TFrame1\n"
    "    inherited Edit1: TEdit\n"
    "    end\n"
    "  end\n"
    "  object TTimer [1]\n"
    "  end\n"
    "end\n";
}  // namespace

TEST(FormParserTest, PrintsBackEveryConstructItParsed) {
  const TFormObject tree = Parse(EveryConstruct);
  EXPECT_EQ(PrintForm(tree), EveryConstruct);

  EXPECT_EQ(tree.Kind, TFormObjectKind::Inherited);
  ASSERT_EQ(tree.Children.size(), 3u);
  EXPECT_EQ(tree.Children[0].Kind, TFormObjectKind::Inherited);
  EXPECT_EQ(tree.Children[0].ChildPos, 2);
  EXPECT_EQ(tree.Children[0].Children[0].ChildPos, 0);
  EXPECT_EQ(tree.Children[1].Kind, TFormObjectKind::Inline);
  EXPECT_EQ(tree.Children[1].ChildPos, -1);
  EXPECT_EQ(tree.Children[2].Name, "");
  EXPECT_EQ(tree.Children[2].ClassName, "TTimer");
  EXPECT_EQ(tree.Children[2].ChildPos, 1);

  const TFormValue& columns = ValueOf(tree, "Columns");
  ASSERT_EQ(columns.Kind, TFormValueKind::Collection);
  ASSERT_EQ(columns.Collection.size(), 2u);
  EXPECT_EQ(columns.Collection[0].Line, 7);
  const TFormValue& parts = columns.Collection[0].Properties[1].Value;
  ASSERT_EQ(parts.Collection.size(), 1u);
  EXPECT_EQ(parts.Collection[0].Properties[0].Value.Integer, 2);
  EXPECT_TRUE(columns.Collection[1].Properties.empty());
  EXPECT_TRUE(ValueOf(tree, "Empty").Collection.empty());
  EXPECT_TRUE(std::isinf(ValueOf(tree, "Ratio").Float));
  EXPECT_LT(ValueOf(tree, "Ratio").Float, 0);
  EXPECT_TRUE(std::isnan(ValueOf(tree, "Scale").Float));
}

TEST(FormParserTest, KeywordsAsPropertyNamesStayProperties) {
  const TFormObject tree = Parse(
      "object F: TF\n  End = 1\n  Object = 2\n  Item = <\n    item\n      End = 3\n    "
      "end>\nend\n");
  ASSERT_EQ(tree.Properties.size(), 3u);
  EXPECT_EQ(tree.Properties[0].Name, "End");
  EXPECT_EQ(tree.Properties[2].Value.Collection[0].Properties[0].Name, "End");
  EXPECT_TRUE(tree.Children.empty());
}

TEST(FormParserTest, LinesAreCountedWithEveryLineEnding) {
  for (const char* lineEnd : {"\n", "\r\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(lineEnd));
    std::string text = "object F: TF";
    for (const char* line : {"  A = 1", "  B = 'x'", "  C = (", "    1)", "  D = 'open"})
      text += std::string(lineEnd) + line;
    EXPECT_EQ(ParseError(text), "Syntax error on line 6: unterminated string");
    const TFormObject tree = Parse("object F: TF" + std::string(lineEnd) + "  A = 1" + lineEnd +
                                   lineEnd + "  B = 2" + lineEnd + "end");
    EXPECT_EQ(tree.Properties[1].Line, 4);
  }
}

TEST(FormParserTest, CharacterCodesAreUtf16AndNeverMakeInvalidUtf8) {
  auto caption = [](const std::string& value) {
    return ValueOf(Parse("object F: TF\n  Caption = " + value + "\nend\n"), "Caption").Text;
  };
  // A surrogate pair written as two codes is one character outside the basic plane.
  EXPECT_EQ(caption("#55357#56832"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(caption("#$D83D#$DE00'!'"), "\xF0\x9F\x98\x80!");
  // A lone surrogate, high or low, becomes the replacement character.
  EXPECT_EQ(caption("#55357'x'"), "\xEF\xBF\xBDx");
  EXPECT_EQ(caption("#56832"), "\xEF\xBF\xBD");
  EXPECT_EQ(caption("#55357#55357#56832"), "\xEF\xBF\xBD\xF0\x9F\x98\x80");
  EXPECT_EQ(caption("#233't'#$E9"), "\xC3\xA9t\xC3\xA9");
  // Quoted text that is valid UTF-8 stays; older files' Windows-1252 is converted.
  EXPECT_EQ(caption("'\xC3\xA9t\xC3\xA9'"), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(caption("'\xE9t\x80'"), "\xC3\xA9t\xE2\x82\xAC");
}

TEST(FormParserTest, SignedInfinitiesAndNaNAreNumbersAndBareOnesIdentifiers) {
  const TFormObject tree =
      Parse("object F: TF\n  A = +INF\n  B = -inf\n  C = -NAN\n  D = INF\n  E = Nan\nend\n");
  EXPECT_EQ(ValueOf(tree, "A").Float, INFINITY);
  EXPECT_EQ(ValueOf(tree, "B").Float, -INFINITY);
  EXPECT_TRUE(std::isnan(ValueOf(tree, "C").Float));
  EXPECT_EQ(ValueOf(tree, "D").Kind, TFormValueKind::Ident);
  EXPECT_EQ(ValueOf(tree, "E").Kind, TFormValueKind::Ident);
}

struct TSyntaxError {
  const char* Text;
  const char* Message;
};

void PrintTo(const TSyntaxError& error, std::ostream* out) {
  *out << error.Message;
}

class FormParserErrorTest : public ::testing::TestWithParam<TSyntaxError> {};

TEST_P(FormParserErrorTest, NamesTheLineAndWhatWasWrong) {
  EXPECT_EQ(ParseError(GetParam().Text), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FormParserErrorTest,
    ::testing::Values(
        TSyntaxError{"object F: TF\n  X = 12.5c\nend\n",
                     "Syntax error on line 2: invalid number 12.5c"},
        TSyntaxError{"object F: TF\n  X = 12abc\nend\n",
                     "Syntax error on line 2: invalid number 12abc"},
        TSyntaxError{"object F: TF\n  X = $1FG\nend\n",
                     "Syntax error on line 2: invalid number $1FG"},
        TSyntaxError{"object F: TF\n  X = 1.2.3\nend\n",
                     "Syntax error on line 2: invalid number 1.2.3"},
        TSyntaxError{"object F: TF\n  X = 1e\nend\n", "Syntax error on line 2: invalid number 1e"},
        TSyntaxError{"object F: TF\n  X = -\nend\n",
                     "Syntax error on line 2: digits expected after '-'"},
        TSyntaxError{"object F: TF\n  X =\nend\n",
                     "Syntax error on line 4: unexpected end of file; 'end' of F expected"},
        TSyntaxError{"object F: TF\n  X\n  Y = 1\nend\n",
                     "Syntax error on line 3: '=' expected but 'Y' found"},
        TSyntaxError{"object \xC3\x9C"
                     "ber: TF\nend\n",
                     "Syntax error on line 1: component name or class name expected but '\xC3\x9C' "
                     "found"},
        TSyntaxError{"object F: TF\n  \xE2\x82\xAC = 1\nend\n",
                     "Syntax error on line 2: property name expected but '\xE2\x82\xAC' found"},
        TSyntaxError{"object F: TF\n  \xC3 = 1\nend\n",
                     "Syntax error on line 2: property name expected but #$C3 found"},
        TSyntaxError{"inline F: TF\n  A = <\n    item\n      B = 1\n",
                     "Syntax error on line 5: unexpected end of file; 'end' of item expected"},
        TSyntaxError{"object F: TF\n  A = <\n    B = 1\n  >\nend\n",
                     "Syntax error on line 3: 'item' or '>' expected but 'B' found"},
        TSyntaxError{"object F: TF\n  A = <item end\n",
                     "Syntax error on line 3: unexpected end of "
                     "file; 'item' or '>' expected"},
        TSyntaxError{"object F: TF\n  S = [a.b]\nend\n",
                     "Syntax error on line 2: ',' or ']' expected but '.' found"},
        TSyntaxError{"object F.G: TF\nend\n",
                     "Syntax error on line 1: property name expected but '.' found"},
        TSyntaxError{"object F: TF [x]\nend\n",
                     "Syntax error on line 1: child position expected after '['"},
        TSyntaxError{"object F: TF [1\nend\n",
                     "Syntax error on line 2: ']' expected but 'e' found"},
        TSyntaxError{"object F: TF\n  A = 'a' + 5\nend\n",
                     "Syntax error on line 2: a string after '+' expected but '5' found"},
        TSyntaxError{"inherited F: TF\n  inline G: TG\n",
                     "Syntax error on line 3: unexpected end of "
                     "file; 'end' of G expected"},
        TSyntaxError{"item F: TF\nend\n",
                     "Syntax error on line 1: 'object', 'inherited' or 'inline' expected but 'i' "
                     "found"}));

TEST(FormParserTest, BriefValuesStayOnOneShortLine) {
  TFormValue binary = TFormValue::OfBinary(std::vector<uint8_t>(100, 0xAB));
  const std::string brief = BriefFormValue(binary);
  EXPECT_EQ(brief.find('\n'), std::string::npos);
  EXPECT_EQ(brief, "{ABABABABABABABABABABABABABABABABABABABA...");
  const TFormValue list =
      TFormValue::OfList({TFormValue::OfString("a\nb"), TFormValue::OfInteger(2)});
  EXPECT_EQ(BriefFormValue(list), "(a b 2)");
  // A long text is cut between characters, never inside one.
  const std::string brief2 =
      BriefFormValue(TFormValue::OfString(std::string(39, 'x') + "\xC3\xA9zz"));
  EXPECT_EQ(brief2, std::string(39, 'x') + "...");
}
