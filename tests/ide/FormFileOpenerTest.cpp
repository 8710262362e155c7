#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ControlTestSupport.h"
#include "FormFileOpener.h"
#include "controls/DataModule.h"
#include "controls/Edit.h"
#include "streaming/FormConversion.h"
#include "streaming/MemoryStream.h"

namespace {
const std::string StrangerFile = std::string(VM_IDE_TEST_DATA) + "/StrangerForm.txt";

std::string ReadAll(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string ToBinary(const std::string& text) {
  TMemoryStream input;
  input.WriteBuffer(text.data(), text.size());
  input.SetPosition(0);
  TMemoryStream output;
  ObjectTextToBinary(&input, &output);
  return std::string(reinterpret_cast<const char*>(output.GetMemory()),
                     static_cast<size_t>(output.GetSize()));
}

// The paths of what was skipped, in reading order.
std::vector<std::string> SkippedPaths(const TOpenedForm& opened) {
  std::vector<std::string> paths;
  for (const TSkippedItem& item : opened.Skipped)
    paths.push_back(item.Path);
  return paths;
}

class FormFileOpenerTest : public ::testing::Test {
 protected:
  void ExpectStrangersFormRead(TOpenedForm& opened) {
    ASSERT_NE(opened.Form, nullptr) << opened.Error;
    // The root class is unknown here: the form is read into a plain form.
    EXPECT_EQ(opened.Form->ClassName(), "TForm");
    EXPECT_EQ(opened.Form->GetName(), "CustomerDlg");
    EXPECT_EQ(opened.Form->GetCaption(), "Customer details");
    EXPECT_EQ(opened.Form->GetWidth(), 360);
    auto* edit = dynamic_cast<TEdit*>(opened.Form->FindComponent("NameEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetText(), "Jane Doe");
    EXPECT_NE(opened.Form->FindComponent("OkButton"), nullptr);
    EXPECT_EQ(opened.Form->FindComponent("CustomerQuery"), nullptr);
    const auto paths = SkippedPaths(opened);
    for (const char* expected : {"OldCreateOrder", "TextHeight", "CustomerQuery"}) {
      bool found = false;
      for (const std::string& path : paths)
        found = found || path.find(expected) != std::string::npos;
      EXPECT_TRUE(found) << expected << " is not among the skipped items";
    }
    opened.Form->Free();
  }

  ControlTest::TFixture Fixture;
};

TEST_F(FormFileOpenerTest, ReadsAStrangersTextFormSkippingWhatItDoesNotKnow) {
  TOpenedForm opened = TFormFileOpener::Open(StrangerFile);
  ASSERT_GE(opened.Skipped.size(), 2u);
  // Text files name the line of each skipped item: first the root class, then OldCreateOrder.
  EXPECT_EQ(TFormFileOpener::Describe("f.txt", opened.Skipped[0]).rfind("f.txt:1: ", 0), 0u);
  const std::string second = TFormFileOpener::Describe("f.txt", opened.Skipped[1]);
  EXPECT_EQ(second.rfind("f.txt:7: ", 0), 0u) << second;
  EXPECT_NE(second.find("OldCreateOrder"), std::string::npos) << second;
  ExpectStrangersFormRead(opened);
}

TEST_F(FormFileOpenerTest, ReadsTheSameFormInBinary) {
  TOpenedForm opened = TFormFileOpener::OpenData(ToBinary(ReadAll(StrangerFile)), "f.bin");
  ExpectStrangersFormRead(opened);
}

TEST_F(FormFileOpenerTest, ReportsUnreadableFilesWithoutAForm) {
  TOpenedForm missing = TFormFileOpener::Open("/no/such/form.txt");
  EXPECT_EQ(missing.Form, nullptr);
  EXPECT_EQ(missing.Error, "Cannot open /no/such/form.txt");

  TOpenedForm broken = TFormFileOpener::OpenData("object F: TForm\n  Width = \nend\n", "b.txt");
  EXPECT_EQ(broken.Form, nullptr);
  EXPECT_EQ(broken.Error.rfind("b.txt: ", 0), 0u) << broken.Error;
  EXPECT_NE(broken.Error.find("line"), std::string::npos) << broken.Error;

  // A bad value is a read error even with unknown items skipped; the half-read form is freed.
  TOpenedForm badValue =
      TFormFileOpener::OpenData("object F: TForm\n  Width = 'wide'\nend\n", "v.txt");
  EXPECT_EQ(badValue.Form, nullptr);
  EXPECT_FALSE(badValue.Error.empty());
}

TEST_F(FormFileOpenerTest, RefusesARootThatIsNotAForm) {
  TOpenedForm opened = TFormFileOpener::OpenData("object Data: TDataModule\nend\n", "data.txt");
  EXPECT_EQ(opened.Form, nullptr);
  EXPECT_NE(opened.Error.find("TDataModule, which is not a form"), std::string::npos)
      << opened.Error;
}

TEST_F(FormFileOpenerTest, TwoFormsOfTheSameNameCanBeOpen) {
  TOpenedForm first = TFormFileOpener::Open(StrangerFile);
  TOpenedForm second = TFormFileOpener::Open(StrangerFile);
  ASSERT_NE(first.Form, nullptr) << first.Error;
  ASSERT_NE(second.Form, nullptr) << second.Error;
  EXPECT_EQ(first.Form->GetName(), second.Form->GetName());
  first.Form->Free();
  second.Form->Free();
}
}  // namespace
