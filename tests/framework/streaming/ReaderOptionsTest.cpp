#include <gtest/gtest.h>

#include <string>

#include "core/Exception.h"
#include "framework/streaming/FormFixtures.h"
#include "streaming/Reader.h"

using namespace FormFixtures;

namespace {
// A stranger's form: its root class and some of its components' classes, properties and
// handlers are unknown here.
const char* const StrangerForm =
    "object StrangerForm: TStrangerForm\n"
    "  Tag = 3\n"
    "  PixelsPerInch = 96\n"
    "  object Toolbar: TStrangeToolbar\n"
    "    object Inner: TWidget\n"
    "    end\n"
    "  end\n"
    "  object OkButton: TWidget\n"
    "    Caption = 'OK'\n"
    "    Style.Weight = 3\n"
    "    Flat = True\n"
    "    OnClick = OkButtonClick\n"
    "    Buddy = Toolbar\n"
    "  end\n"
    "  object Grid1: TGrid\n"
    "    Columns = <\n"
    "      item\n"
    "        Caption = 'A'\n"
    "        Sorted = True\n"
    "      end>\n"
    "  end\n"
    "end\n";

std::vector<std::string> Describe(const std::vector<TSkippedItem>& items) {
  std::vector<std::string> lines;
  for (const TSkippedItem& item : items)
    lines.push_back(std::to_string(item.Line) + " " + item.Path + ": " + item.Reason);
  return lines;
}

class ReaderOptionsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFormFixtures(); }
};
}  // namespace

TEST_F(ReaderOptionsTest, AStrangersFormReadsIntoAGenericRootAndListsWhatWasSkipped) {
  TTestForm form(nullptr);
  TReader reader(StrangerForm);
  reader.SetOptions({roSkipUnknown});
  reader.ReadRootComponent(&form);
  EXPECT_EQ(form.GetName(), "StrangerForm");
  EXPECT_EQ(form.GetTag(), 3);
  ASSERT_NE(form.OkButton, nullptr);
  EXPECT_EQ(form.OkButton->Caption, "OK");
  EXPECT_FALSE(form.OkButton->OnClick);
  EXPECT_EQ(form.OkButton->Buddy, nullptr);
  EXPECT_EQ(form.FindComponent("Toolbar"), nullptr);
  EXPECT_EQ(form.FindComponent("Inner"), nullptr);
  auto* grid = dynamic_cast<TGrid*>(form.FindComponent("Grid1"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->Column(0)->Caption, "A");
  EXPECT_EQ(Describe(reader.GetSkipped()),
            (std::vector<std::string>{
                "1 StrangerForm: Class TStrangerForm not found; the form is read into a TTestForm",
                "3 StrangerForm.PixelsPerInch: Property PixelsPerInch does not exist",
                "4 Toolbar: Class TStrangeToolbar not found",
                "10 OkButton.Style.Weight: Property Weight does not exist",
                "11 OkButton.Flat: Property Flat does not exist",
                "19 Grid1.Columns[0].Sorted: Property Sorted does not exist",
                "12 OkButton.OnClick: Method OkButtonClick not found in TTestForm",
                "13 OkButton.Buddy: Component Toolbar not found"}));
  // A second read starts a new list.
  TTestForm other(nullptr);
  TReader again("object X: TTestForm\n  Unknown = 1\nend\n");
  again.SetOptions({roSkipUnknown});
  again.ReadRootComponent(&other);
  EXPECT_EQ(Describe(again.GetSkipped()),
            (std::vector<std::string>{"2 X.Unknown: Property Unknown does not exist"}));
}

TEST_F(ReaderOptionsTest, WithoutTheOptionEveryUnknownIsAReadError) {
  TTestForm form(nullptr);
  TReader reader(StrangerForm);
  try {
    reader.ReadRootComponent(&form);
    ADD_FAILURE() << "read without error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.GetMessage(),
              "Error reading StrangerForm on line 1: a form of class TStrangerForm cannot be read "
              "into a TTestForm");
  }
  EXPECT_TRUE(reader.GetSkipped().empty());
  EXPECT_EQ(form.GetComponentCount(), 0);
}

TEST_F(ReaderOptionsTest, InvalidValuesStayErrorsAndAKnownWrongRootClassTooWithTheOption) {
  TTestForm form(nullptr);
  form.SetName("Before");
  TReader reader(
      "object Stranger: TStrangerForm\n  Unknown = 1\n  object OkButton: TWidget\n    Width = "
      "'wide'\n  end\nend\n");
  reader.SetOptions({roSkipUnknown});
  EXPECT_THROW(reader.ReadRootComponent(&form), EReadError);
  EXPECT_EQ(form.GetName(), "Before");
  EXPECT_EQ(form.GetComponentCount(), 0);

  // TGrid is a known class that the root is not: that is no stranger's form.
  TReader known("object G: TGrid\nend\n");
  known.SetOptions({roSkipUnknown});
  EXPECT_THROW(known.ReadRootComponent(&form), EReadError);
  // Without a root there is nothing to read an unknown class into.
  TReader noRoot("object S: TStrangerForm\nend\n");
  noRoot.SetOptions({roSkipUnknown});
  EXPECT_THROW(noRoot.ReadRootComponent(nullptr), EReadError);
}

TEST_F(ReaderOptionsTest, AnInheritedStrangerReadsItsInheritedObjectsAsNewOnes) {
  TTestForm form(nullptr);
  TReader reader(
      "inherited Stranger2: TStranger2\n"
      "  inherited OkButton: TWidget\n"
      "    Caption = 'Go'\n"
      "    object Sub: TWidget\n"
      "    end\n"
      "  end\n"
      "end\n");
  reader.SetOptions({roSkipUnknown});
  reader.ReadRootComponent(&form);
  ASSERT_NE(form.OkButton, nullptr);
  EXPECT_EQ(form.OkButton->Caption, "Go");
  EXPECT_EQ(form.OkButton->Children.size(), 1u);
  EXPECT_EQ(Describe(reader.GetSkipped()),
            (std::vector<std::string>{
                "1 Stranger2: Class TStranger2 not found; the form is read into a TTestForm",
                "1 Stranger2: No ancestor of TStranger2 has a stored form",
                "2 OkButton: Inherited component OkButton not found; it is read as a new "
                "component"}));
}
