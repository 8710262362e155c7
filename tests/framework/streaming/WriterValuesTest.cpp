#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Exception.h"
#include "framework/streaming/FormFixtures.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace FormFixtures;
using namespace StreamingFixtures;

namespace {
std::string WriteText(TComponent* root) {
  TWriter writer;
  writer.WriteRootComponent(root);
  return writer.GetText();
}

// A form holding one widget named W, as the tests change it.
class WriterValuesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFormFixtures(); }

  WriterValuesTest() {
    Form.SetName("F");
    Widget->SetName("W");
    Widget->SetParentComponent(&Form);
  }

  // Writes the form, as text and as binary, and reads each into a new form whose W it returns
  // through read (the caller frees the forms).
  std::vector<TTestForm*> RoundTrip() {
    TWriter writer;
    writer.WriteRootComponent(&Form);
    std::vector<TTestForm*> copies;
    for (const std::string& data : {writer.GetText(), writer.GetBinary()})
      copies.push_back(dynamic_cast<TTestForm*>(TReader(data).ReadRootComponent(nullptr)));
    return copies;
  }

  static TWidget* W(TTestForm* form) { return dynamic_cast<TWidget*>(form->FindComponent("W")); }

  TTestForm Form{nullptr};
  TWidget* Widget = new TWidget(&Form);
};
}  // namespace

TEST_F(WriterValuesTest, AnEnumerationValueWithoutANameIsWrittenAsItsNumber) {
  Widget->Alignment = static_cast<TAlignment>(7);
  EXPECT_NE(WriteText(&Form).find("    Alignment = 7\n"), std::string::npos) << WriteText(&Form);
  for (TTestForm* copy : RoundTrip()) {
    EXPECT_EQ(static_cast<int>(W(copy)->Alignment), 7);
    copy->Free();
  }
  // A number beyond what the type stores is refused.
  EXPECT_THROW(
      TReader("object F: TTestForm\n  object W: TWidget\n    Alignment = 256\n  end\nend\n")
          .ReadRootComponent(nullptr),
      EReadError);
}

TEST_F(WriterValuesTest, InfinitiesAndNaNAreWrittenSoThatTheyReadBack) {
  for (double value : {double(INFINITY), -double(INFINITY), double(NAN), 1e-320, -0.5}) {
    SCOPED_TRACE(value);
    Widget->Ratio = value;
    for (TTestForm* copy : RoundTrip()) {
      const double read = W(copy)->Ratio;
      EXPECT_TRUE(read == value || (std::isnan(read) && std::isnan(value))) << read;
      copy->Free();
    }
  }
  Widget->Ratio = -INFINITY;
  EXPECT_NE(WriteText(&Form).find("    Ratio = -INF\n"), std::string::npos);
  // Text from elsewhere may spell them without a sign.
  auto* form = dynamic_cast<TTestForm*>(
      TReader("object F: TTestForm\n  object W: TWidget\n    Ratio = inf\n  end\nend\n")
          .ReadRootComponent(nullptr));
  EXPECT_EQ(W(form)->Ratio, INFINITY);
  form->Free();
}

TEST_F(WriterValuesTest, ASetElementWithoutANameIsAWriteErrorNamingTheProperty) {
  Widget->Borders = TBorders::FromBits(0x21);  // bdLeft and element 5, which has no name
  try {
    WriteText(&Form);
    ADD_FAILURE() << "written";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.GetMessage(), "Property Borders holds set element 5, which has no name");
  }
}

TEST_F(WriterValuesTest, ComponentsNamedLikeKeywordsAreReferencedAndReadBack) {
  auto* end = new TWidget(&Form);
  end->SetName("End");
  end->SetParentComponent(&Form);
  auto* object = new TWidget(&Form);
  object->SetName("Object");
  object->SetParentComponent(&Form);
  object->SetBuddy(end);
  Widget->SetBuddy(object);
  for (TTestForm* copy : RoundTrip()) {
    auto* copyObject = dynamic_cast<TWidget*>(copy->FindComponent("Object"));
    ASSERT_NE(copyObject, nullptr);
    EXPECT_EQ(copyObject->Buddy, copy->FindComponent("End"));
    EXPECT_EQ(W(copy)->Buddy, copyObject);
    copy->Free();
  }
}

TEST_F(WriterValuesTest, CharactersBeyondAsciiAreWrittenAsNumbers) {
  Widget->Key = static_cast<char>(0xE9);
  EXPECT_NE(WriteText(&Form).find("    Key = 233\n"), std::string::npos) << WriteText(&Form);
  for (TTestForm* copy : RoundTrip()) {
    EXPECT_EQ(W(copy)->Key, static_cast<char>(0xE9));
    copy->Free();
  }
}

TEST_F(WriterValuesTest, CollectionsAreWrittenUnlessEmptyAndAnEmptyOneClearsOnReading) {
  auto* grid = new TGrid(&Form);
  grid->SetName("G");
  grid->SetParentComponent(&Form);
  EXPECT_EQ(WriteText(&Form).find("Columns"), std::string::npos);
  grid->GetColumns()->Add();
  auto* column = static_cast<TColumn*>(grid->GetColumns()->Add());
  column->Caption = "Second";
  column->Link = Widget;
  column->OnClick = MakeMethod<&TTestForm::ButtonClick>(&Form);
  column->Stops = {4, 8};
  static_cast<TPart*>(column->GetParts()->Add())->Text = "p";
  const std::string text = WriteText(&Form);
  EXPECT_NE(text.find("    Columns = <\n"
                      "      item\n"
                      "      end\n"
                      "      item\n"
                      "        Caption = 'Second'\n"
                      "        Link = W\n"
                      "        OnClick = ButtonClick\n"
                      "        Parts = <\n"
                      "          item\n"
                      "            Text = 'p'\n"
                      "          end>\n"
                      "        Stops = (\n"
                      "          4\n"
                      "          8)\n"
                      "      end>\n"),
            std::string::npos)
      << text;
  for (TTestForm* copy : RoundTrip()) {
    auto* copyGrid = dynamic_cast<TGrid*>(copy->FindComponent("G"));
    ASSERT_EQ(copyGrid->GetColumns()->GetCount(), 2);
    TColumn* second = copyGrid->Column(1);
    EXPECT_EQ(second->Link, W(copy));
    EXPECT_EQ(second->OnClick.GetMethod().Data, copy);
    EXPECT_EQ(second->Stops, (std::vector<int>{4, 8}));
    EXPECT_EQ(static_cast<TPart*>(second->GetParts()->GetItem(0))->Text, "p");
    EXPECT_EQ(second->GetNamePath(), "G.Columns[1]");
    EXPECT_EQ(second->GetParts()->GetItem(0)->GetNamePath(), "G.Columns[1].Parts[0]");
    // An empty collection read into it clears it.
    TReader("object F: TTestForm\n  inherited G: TGrid\n    Columns = <>\n  end\nend\n")
        .ReadRootComponent(copy);
    EXPECT_EQ(copyGrid->GetColumns()->GetCount(), 0);
    copy->Free();
  }
}

TEST_F(WriterValuesTest, ACollectionPropertyMustGetACollectionAndViceVersa) {
  auto read = [](const std::string& text) {
    try {
      TReader(text).ReadRootComponent(nullptr);
    } catch (const EReadError& e) {
      return e.GetMessage();
    }
    return std::string("no error");
  };
  EXPECT_EQ(read("object F: TTestForm\n  object G: TGrid\n    Columns = 3\n  end\nend\n"),
            "Error reading G.Columns on line 3: Invalid property value 3: a collection expected");
  EXPECT_EQ(read("object F: TTestForm\n  object G: TGrid\n    Width = <>\n  end\nend\n"),
            "Error reading G.Width on line 3: Property Width is not a collection");
  EXPECT_EQ(read("object F: TTestForm\n  object G: TGrid\n    Columns = <\n      item\n        "
                 "Width = 'x'\n      end>\n  end\nend\n"),
            "Error reading G.Columns[0].Width on line 5: Invalid property value x: an integer "
            "expected");
  EXPECT_EQ(read("object F: TTestForm\n  object G: TGrid\n    Columns = <\n      item\n        "
                 "Link = Nowhere\n      end>\n  end\nend\n"),
            "Error reading G.Columns[0].Link on line 5: Component Nowhere not found");
}

TEST_F(WriterValuesTest, AReferenceInAReplacedItemIsNotBoundToAFreedItem) {
  // The ancestor's column refers to a component; the descendant replaces the columns before
  // references are bound, so the pending reference must not touch the freed item.
  auto* form = dynamic_cast<TTestForm*>(TReader("object F: TTestForm\n"
                                                "  object W: TWidget\n"
                                                "  end\n"
                                                "  object G: TGrid\n"
                                                "    Columns = <\n"
                                                "      item\n"
                                                "        Link = W\n"
                                                "      end>\n"
                                                "    Columns = <\n"
                                                "      item\n"
                                                "        Caption = 'new'\n"
                                                "      end>\n"
                                                "  end\n"
                                                "end\n")
                                            .ReadRootComponent(nullptr));
  ASSERT_NE(form, nullptr);
  auto* grid = dynamic_cast<TGrid*>(form->FindComponent("G"));
  ASSERT_EQ(grid->GetColumns()->GetCount(), 1);
  EXPECT_EQ(grid->Column(0)->Link, nullptr);
  EXPECT_EQ(grid->Column(0)->Caption, "new");
  form->Free();
}
