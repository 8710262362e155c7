#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/Exception.h"
#include "framework/streaming/FormFixtures.h"
#include "streaming/FormConversion.h"
#include "streaming/FormPrinter.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace FormFixtures;

namespace {
std::string LoadCorpusFile(const std::string& name) {
  std::ifstream file(std::string(VM_FORM_CORPUS) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

struct TWritten {
  std::string Text;
  std::string Binary;
};

// Reads data into a new root, writes it both ways and frees it.
TWritten ReadAndWrite(const std::string& data) {
  TReader reader(data);
  TComponent* root = reader.ReadRootComponent(nullptr);
  TWriter writer;
  try {
    writer.WriteRootComponent(root);
  } catch (...) {
    root->Free();
    throw;
  }
  root->Free();
  return {writer.GetText(), writer.GetBinary()};
}

class FormCorpusTest : public ::testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() { RegisterFormFixtures(); }
};
}  // namespace

// Read, written and read again, each file gives the same components: the second writing, from
// text and from binary, repeats the first.
TEST_P(FormCorpusTest, ReadsWritesAndReadsAgainToTheSameTree) {
  const std::string data = LoadCorpusFile(GetParam());
  ASSERT_FALSE(data.empty()) << "missing corpus file " << GetParam();
  const TWritten first = ReadAndWrite(data);
  const TWritten fromText = ReadAndWrite(first.Text);
  const TWritten fromBinary = ReadAndWrite(first.Binary);
  EXPECT_EQ(fromText.Text, first.Text);
  EXPECT_EQ(fromBinary.Text, first.Text);
  EXPECT_EQ(fromText.Binary, first.Binary);
  EXPECT_EQ(ParseFormData(first.Binary), ParseFormData(first.Text));
}

INSTANTIATE_TEST_SUITE_P(EveryFile, FormCorpusTest,
                         ::testing::Values("Everything.txt", "Everything.bin", "BaseForm.txt",
                                           "DerivedForm.txt", "DerivedForm.bin", "TestFrame.txt",
                                           "TestFrame.bin", "HostForm.txt", "LegacyCr.txt"));

// The parser's tree prints back as text that parses to the same tree, and the binary version
// made by the separate encoder parses to the tree of its text.
TEST(FormCorpusTreeTest, TextAndBinaryVersionsParseToTheSameTree) {
  for (const char* name : {"Everything", "DerivedForm", "TestFrame"}) {
    SCOPED_TRACE(name);
    const TFormObject text = ParseFormData(LoadCorpusFile(std::string(name) + ".txt"));
    const TFormObject binary = ParseFormData(LoadCorpusFile(std::string(name) + ".bin"));
    EXPECT_EQ(binary, text);
    EXPECT_EQ(ParseFormData(PrintForm(text)), text);
    EXPECT_EQ(PrintForm(ParseFormData(PrintForm(text))), PrintForm(text));
  }
}
