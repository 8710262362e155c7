#include <gtest/gtest.h>

#include <string>

#include "core/Exception.h"
#include "framework/streaming/FormFixtures.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace FormFixtures;

namespace {
std::string WriteText(TComponent* root) {
  TWriter writer;
  writer.WriteRootComponent(root);
  return writer.GetText();
}

std::string ReadError(const std::string& text, TComponent* root) {
  try {
    TReader(text).ReadRootComponent(root);
  } catch (const EReadError& e) {
    return e.GetMessage();
  }
  return "no error";
}

// An existing form with a value in everything a file can assign.
class ReadUndoTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFormFixtures(); }

  ReadUndoTest() {
    Form.SetName("Keep");
    Form.SetTag(5);
    Button->SetName("OkButton");
    Button->Caption = "old";
    Button->Width = 33;
    Button->Borders = {StreamingFixtures::bdTop};
    Button->Ratio = 0.25;
    Button->GetStyle()->Size = 7;
    Button->GetItems()->SetText("a\nb\n");
    Button->Glyph = {1, 2, 3};
    Button->Widths = {9};
    Button->OnClick = MakeMethod<&TTestForm::ButtonClick>(&Form);
    Button->SetBuddy(Other);
    Other->SetName("Other");
    Grid->SetName("Grid1");
    Grid->GetColumns()->Add();
    Grid->Column(0)->Caption = "first";
    Grid->GetColumns()->Add();
    FirstColumn = Grid->Column(0);
    Before = WriteText(&Form);
  }

  TTestForm Form{nullptr};
  TWidget* Button = new TWidget(&Form);
  TWidget* Other = new TWidget(&Form);
  TGrid* Grid = new TGrid(&Form);
  TCollectionItem* FirstColumn = nullptr;
  std::string Before;
};

// Changes everything, then fails at the end: in a reference, in Loaded, or in a setter.
std::string ChangeEverythingThen(const std::string& failure) {
  return "object Changed: TTestForm\n"
         "  Tag = 9\n"
         "  inherited OkButton: TWidget\n"
         "    Caption = 'new'\n"
         "    Width = 1\n"
         "    Borders = []\n"
         "    Ratio = 2.0\n"
         "    Style.Size = 8\n"
         "    Items.Strings = (\n"
         "      'z')\n"
         "    Glyph = {FF}\n"
         "    Widths = ()\n"
         "    OnClick = nil\n"
         "    OnCount = CountItems\n"
         "    Buddy = nil\n"
         "  end\n"
         "  inherited Grid1: TGrid\n"
         "    Columns = <\n"
         "      item\n"
         "        Caption = 'replaced'\n"
         "      end>\n"
         "  end\n"
         "  object Created: TFaultyWidget\n" +
         failure + "  end\nend\n";
}
}  // namespace

TEST_F(ReadUndoTest, AFailedReadPutsBackEverythingItAssigned) {
  const struct {
    const char* Failure;
    const char* Message;
  } failures[] = {
      {"    Buddy = Nobody\n",
       "Error reading Created.Buddy on line 24: Component Nobody not found"},
      {"    FailLoaded = True\n", "Error reading Created on line 23: Loaded failed"},
      {"    Fault = 1\n", "Error reading Created.Fault on line 24: the fault was asked for"},
      {"    Fault = 2\n",
       "Error reading Created.Fault on line 24: an exception of unknown type was raised"},
      {"    Fault = 3\n", "Error reading Created.Fault on line 24: not convertible"},
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.Failure);
    const std::string text = ChangeEverythingThen(failure.Failure);
    EXPECT_EQ(ReadError(text, &Form), failure.Message);
    EXPECT_EQ(WriteText(&Form), Before);
    EXPECT_EQ(Form.GetName(), "Keep");
    EXPECT_EQ(Form.GetComponentCount(), 3);
    EXPECT_EQ(Form.FindComponent("Created"), nullptr);
    EXPECT_EQ(Button->Buddy, Other);
    EXPECT_EQ(Button->OnClick.GetMethod().Data, &Form);
    // The very items come back, with their identities.
    ASSERT_EQ(Grid->GetColumns()->GetCount(), 2);
    EXPECT_EQ(Grid->Column(0), FirstColumn);
    EXPECT_EQ(Grid->Column(0)->GetID(), 0);
    EXPECT_EQ(Grid->Column(0)->GetCollection(), Grid->GetColumns());
    EXPECT_FALSE(Form.GetComponentState().Contains(csLoading));
    EXPECT_FALSE(Button->GetComponentState().Contains(csReading));
  }
  // The same file without the failure reads, and replaces the items.
  TReader(ChangeEverythingThen("")).ReadRootComponent(&Form);
  EXPECT_EQ(Form.GetName(), "Changed");
  EXPECT_EQ(Button->Caption, "new");
  EXPECT_EQ(Button->Glyph, (std::vector<uint8_t>{0xFF}));
  EXPECT_TRUE(Button->Widths.empty());
  EXPECT_EQ(Button->Buddy, nullptr);
  EXPECT_FALSE(Button->OnClick);
  EXPECT_TRUE(Button->OnCount);
  ASSERT_EQ(Grid->GetColumns()->GetCount(), 1);
  EXPECT_EQ(Grid->Column(0)->Caption, "replaced");
  EXPECT_GE(Grid->Column(0)->GetID(), 2);  // a new item, not one of those before
}

TEST_F(ReadUndoTest, AFailedInheritedReadIntoAGivenRootFreesTheAncestorsComponents) {
  TDerivedForm form(nullptr);
  form.SetName("Empty");
  EXPECT_EQ(ReadError("inherited D: TDerivedForm\n  inherited Panel1: TTestPanel\n    Width = 'x'\n  "
                      "end\nend\n",
                      &form),
            "Error reading Panel1.Width on line 3: Invalid property value x: an integer expected");
  EXPECT_EQ(form.GetComponentCount(), 0);
  EXPECT_EQ(form.OkButton, nullptr);
  EXPECT_EQ(form.Panel1, nullptr);
  EXPECT_EQ(form.GetName(), "Empty");
}

TEST_F(ReadUndoTest, SetterExceptionsOfAnyKindBecomeReadErrorsOnNewRootsToo) {
  TFaultyWidget::FailConstruction = true;
  EXPECT_EQ(ReadError("object F: TTestForm\n  object A: TWidget\n  end\n  object W: "
                      "TFaultyWidget\n  end\nend\n",
                      nullptr),
            "Error reading W on line 4: std::bad_alloc");
  TFaultyWidget::FailConstruction = false;
  EXPECT_EQ(ReadError("object F: TTestForm\n  object W: TFaultyWidget\n    Fault = 1\n  end\nend\n",
                      nullptr),
            "Error reading W.Fault on line 3: the fault was asked for");
  EXPECT_EQ(ReadError("object F: TTestForm\n  object W: TFaultyWidget\n    Fault = 2\n  end\nend\n",
                      nullptr),
            "Error reading W.Fault on line 3: an exception of unknown type was raised");
}

TEST_F(ReadUndoTest, AFailedReadOfABinaryFileNamesTheOffset) {
  TWriter writer;
  auto* source = new TTestForm(nullptr);
  source->SetName("B");
  auto* widget = new TFaultyWidget(source);
  widget->SetName("W");
  widget->SetParentComponent(source);
  widget->SetFault(4);
  writer.WriteRootComponent(source);
  source->Free();
  std::string binary = writer.GetBinary();
  // The stored 4 becomes a 1, which the setter refuses.
  const size_t fault = binary.find(
      "\x05"
      "Fault");
  ASSERT_NE(fault, std::string::npos);
  ASSERT_EQ(binary.substr(fault + 6, 2), std::string("\x02\x04"));
  binary[fault + 7] = 1;
  EXPECT_EQ(ReadError(binary, nullptr), "Error reading W.Fault at offset " + std::to_string(fault) +
                                            ": the fault was asked for");
}
