#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "core/Exception.h"
#include "streaming/BinaryForm.h"
#include "streaming/FormConversion.h"
#include "streaming/FormParser.h"
#include "streaming/FormPrinter.h"
#include "streaming/MemoryStream.h"

namespace {
std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values)
    bytes += static_cast<char>(value);
  return bytes;
}

std::string Short(const std::string& text) {
  return static_cast<char>(text.size()) + text;
}

std::string LoadCorpusFile(const std::string& name) {
  std::ifstream file(std::string(VM_FORM_CORPUS) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string BinaryError(const std::string& data) {
  try {
    TBinaryFormParser(data).ParseForm();
  } catch (const EReadError& e) {
    return e.GetMessage();
  }
  return "no error";
}

// A file written byte by byte: flags, every value tag, a collection with order values.
std::string HandWrittenFile() {
  std::string data = "TPF0";
  data += Bytes({0xF3, 0x02, 0x05});  // inherited, child position 5 (an 8-bit integer)
  data += Short("TForm2") + Short("Form2");
  data += Short("A") + Bytes({0x13, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00});  // 2^32
  data += Short("B") + Bytes({0x03, 0x18, 0xFC});                                      // -1000
  data += Short("C") + Bytes({0x05, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F});  // 1.5 extended
  data += Short("D") + Bytes({0x11, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F});           // 1.5 date
  data += Short("E") + Bytes({0x10, 0x40, 0x42, 0x0F, 0, 0, 0, 0, 0});        // 100.0 currency
  data += Short("F") + Bytes({0x0F, 0, 0, 0xC0, 0x3F});                       // 1.5 single
  data += Short("G") + Bytes({0x12, 3, 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE, 0x3D, 0xD8});  // wide
  data += Short("H") + Bytes({0x14, 2, 0, 0, 0, 0xC3, 0xA9});                          // UTF-8
  data += Short("I") + Bytes({0x06, 2, 'h', 0xE9});     // Windows-1252
  data += Short("J") + Bytes({0x0C, 1, 0, 0, 0, 'L'});  // long string
  data += Short("K") + Bytes({0x07}) + Short("clRed");
  data += Short("L") + Bytes({0x08}) + Short("M") + Bytes({0x09}) + Short("N") + Bytes({0x0D});
  data += Short("O") + Bytes({0x0B}) + Short("fsBold") + Short("fsItalic") + Bytes({0});
  data += Short("P") + Bytes({0x01, 0x02, 0x07, 0x01, 0x00, 0x00});  // (7 ())
  data += Short("Q") + Bytes({0x0A, 3, 0, 0, 0, 0x0A, 0x0B, 0x0C});
  data += Short("R") + Bytes({0x0E, 0x02, 0x04, 0x01}) + Short("Width") + Bytes({0x02, 9, 0}) +
          Bytes({0x01, 0x00, 0x00});  // <[4] item Width = 9 end, item end>
  data += Short("S") + Bytes({0x15, 0, 0, 0, 0, 0, 0, 0xF0, 0x7F});  // +INF double
  data += Bytes({0});
  data += Bytes({0xF4}) + Short("TFrame1") + Short("Frame1") + Bytes({0, 0});  // inline
  data += Short("TTimer") + Short("") + Bytes({0, 0});
  data += Bytes({0});
  return data;
}
}  // namespace

TEST(BinaryFormTest, ReadsEveryValueTypeWrittenByHand) {
  const TFormObject tree = TBinaryFormParser(HandWrittenFile()).ParseForm();
  EXPECT_EQ(PrintForm(tree),
            "inherited Form2: TForm2 [5]\n"
            "  A = 4294967296\n"
            "  B = -1000\n"
            "  C = 1.5\n"
            "  D = 1.5\n"
            "  E = 100.0\n"
            "  F = 1.5\n"
            "  G = '\xF0\x9F\x98\x80\xEF\xBF\xBD'\n"
            "  H = '\xC3\xA9'\n"
            "  I = 'h\xC3\xA9'\n"
            "  J = 'L'\n"
            "  K = clRed\n"
            "  L = False\n"
            "  M = True\n"
            "  N = nil\n"
            "  O = [fsBold, fsItalic]\n"
            "  P = (\n"
            "    7\n"
            "    ())\n"
            "  Q = {\n"
            "    0A0B0C}\n"
            "  R = <\n"
            "    item\n"
            "      Width = 9\n"
            "    end\n"
            "    item\n"
            "    end>\n"
            "  S = +INF\n"
            "  inline Frame1: TFrame1\n"
            "  end\n"
            "  object TTimer\n"
            "  end\n"
            "end\n");
  const TFormValue& collection = tree.Properties[17].Value;
  EXPECT_TRUE(collection.Collection[0].HasOrder);
  EXPECT_EQ(collection.Collection[0].Order, 4);
  EXPECT_FALSE(collection.Collection[1].HasOrder);
  EXPECT_EQ(tree.Properties[3].Value.FloatType, TFormFloatType::Date);
  EXPECT_EQ(tree.Properties[4].Value.FloatType, TFormFloatType::Currency);
  EXPECT_EQ(tree.Properties[1].Line, 31);  // byte offsets stand for lines
}

TEST(BinaryFormTest, WritingKeepsWhatOnlyBinaryFilesRecord) {
  // Float types and item orders survive a binary round trip; strings take the shortest tag.
  const std::string data = HandWrittenFile();
  const std::string again = PrintBinaryForm(TBinaryFormParser(data).ParseForm());
  const TFormObject tree = TBinaryFormParser(again).ParseForm();
  EXPECT_EQ(tree, TBinaryFormParser(data).ParseForm());
  EXPECT_EQ(tree.Properties[4].Value.FloatType, TFormFloatType::Currency);
  EXPECT_TRUE(tree.Properties[17].Value.Collection[0].HasOrder);
  // The text of the same tree converts to the same binary except for those two details.
  const std::string fromText = PrintBinaryForm(TFormParser(PrintForm(tree)).ParseForm());
  EXPECT_EQ(TBinaryFormParser(fromText).ParseForm(), tree);
}

TEST(BinaryFormTest, FloatsSurviveTheExtendedFormat) {
  const double values[] = {0.0,
                           -0.0,
                           1.0,
                           -2.5,
                           0.1,
                           1e300,
                           -1e-300,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::min(),
                           std::numeric_limits<double>::denorm_min(),
                           INFINITY,
                           -INFINITY};
  for (double value : values) {
    SCOPED_TRACE(value);
    TFormObject tree;
    tree.ClassName = "TF";
    tree.Properties.push_back({"X", TFormValue::OfFloat(value), 0});
    const TFormObject back = TBinaryFormParser(PrintBinaryForm(tree)).ParseForm();
    const double read = back.Properties[0].Value.Float;
    EXPECT_EQ(read, value);
    EXPECT_EQ(std::signbit(read), std::signbit(value));
  }
  TFormObject tree;
  tree.ClassName = "TF";
  tree.Properties.push_back({"X", TFormValue::OfFloat(NAN), 0});
  EXPECT_TRUE(
      std::isnan(TBinaryFormParser(PrintBinaryForm(tree)).ParseForm().Properties[0].Value.Float));
}

TEST(BinaryFormTest, EveryTruncationIsAReadErrorWithItsOffset) {
  const std::string data = LoadCorpusFile("Everything.bin");
  ASSERT_GT(data.size(), 100u);
  for (size_t length = 0; length < data.size(); ++length) {
    const std::string message = BinaryError(data.substr(0, length));
    ASSERT_TRUE(message.starts_with("Binary form error at offset ")) << length << ": " << message;
  }
  EXPECT_EQ(BinaryError(data), "no error");
}

TEST(BinaryFormTest, MalformedDataNamesWhatAndWhere) {
  const std::string head = "TPF0" + Short("TF") + Short("F");
  EXPECT_EQ(BinaryError("TPF1"), "Binary form error at offset 0: the signature TPF0 expected");
  EXPECT_EQ(BinaryError(head + Short("A") + Bytes({0x63, 0, 0})),
            "Binary form error at offset 11: unknown value type 99");
  EXPECT_EQ(BinaryError(head + Short("A") + Bytes({0x0A, 0xFF, 0xFF, 0xFF, 0xFF})),
            "Binary form error at offset 12: negative length");
  EXPECT_EQ(BinaryError(head + Short("A") + Bytes({0x0A, 0xFF, 0xFF, 0xFF, 0x7F})),
            "Binary form error at offset 12: length beyond the end of the data");
  EXPECT_EQ(BinaryError(head + Short("A") + Bytes({0x12, 0xFF, 0xFF, 0xFF, 0x3F})),
            "Binary form error at offset 12: length beyond the end of the data");
  EXPECT_EQ(BinaryError(head + Short("1A") + Bytes({0x02, 0, 0, 0})),
            "Binary form error at offset 9: property name expected");
  EXPECT_EQ(BinaryError("TPF0" + Bytes({0xF5}) + Short("TF") + Short("F") + Bytes({0, 0})),
            "Binary form error at offset 4: invalid object flags");
  EXPECT_EQ(BinaryError("TPF0" + Bytes({0xF2, 0x07}) + Short("X") + Short("TF") + Bytes({0, 0})),
            "Binary form error at offset 5: child position expected");
  EXPECT_EQ(BinaryError(head + Bytes({0, 0, 'x'})),
            "Binary form error at offset 11: data after the root object");
  EXPECT_EQ(BinaryError(head + Short("A") + Bytes({0x0E, 0x02})),
            "Binary form error at offset 13: unexpected end of data");
  EXPECT_EQ(BinaryError(head + Short("A") + Bytes({0x0E, 0x07})),
            "Binary form error at offset 12: collection item expected");
  EXPECT_EQ(BinaryError(head + Short("A") + Bytes({0x07, 0x02, '1', '2', 0, 0})),
            "Binary form error at offset 12: identifier expected");
  // Zero bytes after the root, as resources are padded, are no fault.
  EXPECT_EQ(BinaryError(head + Bytes({0, 0, 0, 0})), "no error");
}

TEST(BinaryFormTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  std::string data = "TPF0" + Short("TF") + Short("F") + Short("A");
  for (int i = 0; i < 100000; ++i)
    data += Bytes({0x01});
  EXPECT_EQ(BinaryError(data), "Binary form error at offset 211: values nested too deeply");
}

TEST(BinaryFormTest, NamesBeyondTheFormatsLimitAreAWriteError) {
  TFormObject tree;
  tree.ClassName = "TF";
  tree.Properties.push_back({std::string(300, 'N'), TFormValue::OfInteger(1), 0});
  try {
    PrintBinaryForm(tree);
    ADD_FAILURE() << "written";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.GetMessage(), "Name " + std::string(32, 'N') + "... is longer than 255 bytes");
  }
}

TEST(FormConversionTest, ConvertsBothWaysThroughStreams) {
  const std::string text = LoadCorpusFile("Everything.txt");
  TMemoryStream textStream(text);
  TMemoryStream binary;
  ObjectTextToBinary(&textStream, &binary);
  binary.SetPosition(0);
  EXPECT_EQ(TestStreamFormat(&binary), sofBinary);
  EXPECT_EQ(binary.GetPosition(), 0);
  TMemoryStream backToText;
  ObjectBinaryToText(&binary, &backToText);
  backToText.SetPosition(0);
  EXPECT_EQ(TestStreamFormat(&backToText), sofText);
  const std::string converted = backToText.ReadToEnd();
  EXPECT_EQ(TFormParser(converted).ParseForm(), TFormParser(text).ParseForm());
  EXPECT_EQ(converted, PrintForm(TFormParser(text).ParseForm()));
}

TEST(FormConversionTest, ResourcesMayBeRawOrInAResourceFile) {
  const std::string expected = PrintForm(TFormParser(LoadCorpusFile("TestFrame.txt")).ParseForm());
  for (const char* name : {"TestFrame.res", "TestFrame.bin", "TestFrame.txt"}) {
    SCOPED_TRACE(name);
    TMemoryStream input(LoadCorpusFile(name));
    TMemoryStream output;
    ObjectResourceToText(&input, &output);
    output.SetPosition(0);
    EXPECT_EQ(output.ReadToEnd(), expected);
  }
}

TEST(FormConversionTest, FaultyInputWritesNothing) {
  TMemoryStream input(std::string("object F: TF\n  X = \n"));
  TMemoryStream output;
  EXPECT_THROW(ObjectTextToBinary(&input, &output), EReadError);
  TMemoryStream binary(std::string("TPF0\x02TF"));
  EXPECT_THROW(ObjectBinaryToText(&binary, &output), EReadError);
  EXPECT_EQ(output.GetSize(), 0);
  TMemoryStream neither(std::string("  hello"));
  EXPECT_EQ(TestStreamFormat(&neither), sofUnknown);
  EXPECT_EQ(TestFormFormat("\xEF\xBB\xBF inline F: TF"), sofText);
  EXPECT_EQ(TestFormFormat("objects"), sofUnknown);
}
