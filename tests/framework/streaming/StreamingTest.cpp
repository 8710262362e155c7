#include <gtest/gtest.h>

#include <string>

#include "core/Exception.h"
#include "core/Module.h"
#include "framework/streaming/StreamingFixtures.h"
#include "streaming/MemoryStream.h"
#include "streaming/Reader.h"
#include "streaming/ResourceStream.h"
#include "streaming/Writer.h"

using namespace StreamingFixtures;

namespace {
std::string WriteText(TComponent* root) {
  TWriter writer;
  writer.WriteRootComponent(root);
  return writer.GetText();
}

TComponent* ReadText(const std::string& text, TComponent* root = nullptr) {
  TReader reader(text);
  return reader.ReadRootComponent(root);
}

// Builds a form with a panel holding two buttons, a composite with an owned child and
// every kind of property set on the first button.
TTestForm* BuildForm() {
  auto* form = new TTestForm(nullptr);
  form->SetName("MainForm");
  auto* panel = new TTestPanel(form);
  panel->SetName("Panel1");
  panel->SetParentComponent(form);
  auto* ok = new TWidget(form);
  ok->SetName("OkButton");
  ok->SetParentComponent(panel);
  auto* cancel = new TWidget(form);
  cancel->SetName("CancelButton");
  cancel->SetParentComponent(panel);
  auto* composite = new TComposite(form);
  composite->SetName("Composite1");
  auto* inner = new TWidget(composite);
  inner->SetName("Inner");

  ok->Caption = "It's \"OK\"\tnow";
  ok->Width = 120;
  ok->Level = 200;
  ok->Key = '\r';
  ok->Alignment = taRightJustify;
  ok->Visible = false;
  ok->Borders = {bdLeft, bdBottom};
  ok->Ratio = 0.1;
  ok->Color = clNavy;
  ok->Cursor = crHSplit;
  ok->GetStyle()->Family = "Liberation Sans \xD0\xA8";  // UTF-8 travels unchanged
  ok->GetStyle()->Size = 12;
  ok->GetStyle()->Borders = {bdTop};
  ok->GetItems()->SetText("one\ntwo\n\nfour\n");
  ok->SetBuddy(cancel);
  ok->OnClick = MakeMethod<&TTestForm::ButtonClick>(form);
  ok->OnCount = MakeMethod<&TTestForm::CountItems>(form);
  for (int i = 0; i < 40; ++i)
    ok->Glyph.push_back(static_cast<uint8_t>(i * 7));
  ok->Widths = {64, 80};
  cancel->Color = static_cast<TColor>(0x123456);
  inner->SetBuddy(ok);
  return form;
}

class StreamingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFixtureClasses(); }
};
}  // namespace

TEST_F(StreamingTest, WrittenFormShowsTheStructureAndLeavesDefaultsOut) {
  TTestForm* form = BuildForm();
  const std::string text = WriteText(form);
  form->Free();

  const char* expected =
      "object MainForm: TTestForm\n"
      "  object Panel1: TTestPanel\n"
      "    object OkButton: TWidget\n"
      "      Caption = 'It''s \"OK\"'#9'now'\n"
      "      Width = 120\n"
      "      Level = 200\n"
      "      Key = #13\n"
      "      Alignment = taRightJustify\n"
      "      Visible = False\n"
      "      Borders = [bdLeft, bdBottom]\n"
      "      Ratio = 0.1\n"
      "      Color = clNavy\n"
      "      Cursor = crHSplit\n"
      "      Style.Family = 'Liberation Sans \xD0\xA8'\n"
      "      Style.Size = 12\n"
      "      Style.Borders = [bdTop]\n"
      "      Items.Strings = (\n"
      "        'one'\n"
      "        'two'\n"
      "        ''\n"
      "        'four')\n"
      "      Buddy = CancelButton\n"
      "      OnClick = ButtonClick\n"
      "      OnCount = CountItems\n"
      "      Glyph = {\n"
      "        00070E151C232A31383F464D545B626970777E858C939AA1A8AFB6BDC4CBD2D9\n"
      "        E0E7EEF5FC030A11}\n"
      "      Widths = (\n"
      "        64\n"
      "        80)\n"
      "    end\n"
      "    object CancelButton: TWidget\n"
      "      Color = 1193046\n"
      "    end\n"
      "  end\n"
      "  object Composite1: TComposite\n"
      "    object Inner: TWidget\n"
      "      Buddy = OkButton\n"
      "    end\n"
      "  end\n"
      "end\n";
  EXPECT_EQ(text, expected);
}

TEST_F(StreamingTest, ReadingRebuildsTheTreeWithReferencesEventsAndFieldsBound) {
  TTestForm* original = BuildForm();
  const std::string text = WriteText(original);
  original->Free();

  auto* form = dynamic_cast<TTestForm*>(ReadText(text));
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->GetName(), "MainForm");
  ASSERT_NE(form->OkButton, nullptr);
  ASSERT_NE(form->Panel1, nullptr);
  TWidget* ok = form->OkButton;
  auto* cancel = dynamic_cast<TWidget*>(form->FindComponent("CancelButton"));
  ASSERT_NE(cancel, nullptr);

  // Owner and parent come from the enclosing components.
  EXPECT_EQ(ok->GetOwner(), form);
  EXPECT_EQ(ok->GetParentComponent(), form->Panel1);
  EXPECT_EQ(form->Panel1->Children, (std::vector<TWidget*>{ok, cancel}));
  auto* composite = form->FindComponent("Composite1");
  ASSERT_NE(composite, nullptr);
  auto* inner = dynamic_cast<TWidget*>(composite->FindComponent("Inner"));
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->GetParentComponent(), composite);
  EXPECT_EQ(inner->Buddy, ok);  // a reference back out of the composite

  EXPECT_EQ(ok->Caption, "It's \"OK\"\tnow");
  EXPECT_EQ(ok->Width, 120);
  EXPECT_EQ(ok->Level, 200);
  EXPECT_EQ(ok->Key, '\r');
  EXPECT_EQ(ok->Alignment, taRightJustify);
  EXPECT_FALSE(ok->Visible);
  EXPECT_EQ(ok->Borders, (TBorders{bdLeft, bdBottom}));
  EXPECT_EQ(ok->Ratio, 0.1);
  EXPECT_EQ(ok->Color, clNavy);
  EXPECT_EQ(ok->Cursor, crHSplit);
  EXPECT_EQ(ok->GetStyle()->Family, "Liberation Sans \xD0\xA8");
  EXPECT_EQ(ok->GetStyle()->Size, 12);
  EXPECT_EQ(ok->GetStyle()->Color, clWindowText);
  EXPECT_EQ(ok->GetItems()->GetText(), "one\ntwo\n\nfour\n");
  EXPECT_EQ(ok->Glyph.size(), 40u);
  EXPECT_EQ(ok->Glyph[39], static_cast<uint8_t>(39 * 7));
  EXPECT_EQ(ok->Widths, (std::vector<int>{64, 80}));
  EXPECT_EQ(ok->Buddy, cancel);
  EXPECT_EQ(cancel->Color, static_cast<TColor>(0x123456));
  EXPECT_EQ(cancel->Width, 75);

  // Events are bound to the new form's methods.
  ASSERT_TRUE(ok->OnClick);
  EXPECT_EQ(ok->OnClick.GetMethod().Data, form);
  ok->OnClick(ok);
  EXPECT_EQ(form->Clicks, 1);
  int count = 0;
  ok->OnCount(ok, count);
  EXPECT_EQ(count, 42);

  // Written again, the form gives the same text.
  EXPECT_EQ(WriteText(form), text);
  form->Free();
}

TEST_F(StreamingTest, LoadedRunsOnEveryComponentOnceTheTreeIsComplete) {
  TTestForm* original = BuildForm();
  const std::string text = WriteText(original);
  original->Free();
  auto* form = dynamic_cast<TTestForm*>(ReadText(text));
  ASSERT_NE(form, nullptr);
  // In reading order; each still loading, no longer reading, references already bound.
  EXPECT_EQ(form->LoadLog,
            (std::vector<std::string>{"Panel1 loading", "OkButton loading buddy=CancelButton",
                                      "CancelButton loading"}));
  for (int i = 0; i < form->GetComponentCount(); ++i)
    EXPECT_FALSE(form->GetComponent(i)->GetComponentState().Contains(csLoading));
  EXPECT_FALSE(form->GetComponentState().Contains(csLoading));
  form->Free();
}

TEST_F(StreamingTest, ReadingIntoAnExistingRootKeepsItsIdentity) {
  TTestForm form(nullptr);
  ReadText("object Main: TTestForm\n  object OkButton: TWidget\n    Width = 5\n  end\nend\n",
           &form);
  EXPECT_EQ(form.GetName(), "Main");
  ASSERT_NE(form.OkButton, nullptr);
  EXPECT_EQ(form.OkButton->Width, 5);
  // A form of another class does not fit.
  TComposite other(nullptr);
  EXPECT_THROW(ReadText("object X: TTestForm\nend\n", &other), EReadError);
}

TEST_F(StreamingTest, StreamsCarryFormsBothWays) {
  TTestForm* form = BuildForm();
  TMemoryStream stream;
  stream.WriteComponent(form);
  stream.SetPosition(0);
  auto* copy = dynamic_cast<TTestForm*>(stream.ReadComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(WriteText(copy), WriteText(form));
  copy->Free();
  form->Free();
}

TEST_F(StreamingTest, FormsEmbeddedInTheModuleAreFoundByName) {
  TTestForm form(nullptr);
  ASSERT_TRUE(ReadComponentRes("EMBEDDEDFORM", &form));
  EXPECT_EQ(form.GetName(), "EmbeddedForm");
  ASSERT_NE(form.OkButton, nullptr);
  EXPECT_EQ(form.OkButton->Caption, "Embedded");
  TTestForm other(nullptr);
  EXPECT_FALSE(ReadComponentRes("NOSUCHFORM", &other));
  EXPECT_THROW(TResourceStream(ThisModule(), "NOSUCHFORM"), EResNotFound);
}

// Each faulty form names the line and the property, and leaves nothing behind: the components
// it created are freed (the sanitizer reports any leak) and an existing root keeps its contents.
struct TBadForm {
  const char* Text;
  const char* Message;
};

void PrintTo(const TBadForm& bad, std::ostream* out) {
  *out << bad.Message;
}

class StreamingErrorTest : public StreamingTest, public ::testing::WithParamInterface<TBadForm> {};

TEST_P(StreamingErrorTest, RaisesAReadErrorAndFreesWhatItCreated) {
  const TBadForm& bad = GetParam();
  try {
    ReadText(bad.Text);
    ADD_FAILURE() << "read without error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.GetMessage(), bad.Message);
  }
  // Read into an existing root that already owns a component, the root keeps just that one.
  TTestForm root(nullptr);
  auto* existing = new TWidget(&root);
  existing->SetName("Existing");
  std::string text = bad.Text;
  if (text.find("TTestForm") == std::string::npos) return;
  EXPECT_THROW(ReadText(text, &root), EReadError);
  EXPECT_EQ(root.GetComponentCount(), 1);
  EXPECT_EQ(root.GetComponent(0), existing);
  EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
  EXPECT_FALSE(root.GetComponentState().Contains(csReading));
  EXPECT_EQ(root.OkButton, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    EveryReadError, StreamingErrorTest,
    ::testing::Values(
        TBadForm{"object F: TNoSuchForm\nend\n",
                 "Error reading F on line 1: Class TNoSuchForm not found"},
        TBadForm{"object F: TTestForm\n  object OkButton: TNoSuchWidget\n  end\nend\n",
                 "Error reading OkButton on line 2: Class TNoSuchWidget not found"},
        TBadForm{
            "object F: TTestForm\n  object A: TWidget\n  end\n  object B: TStyle\n  end\nend\n",
            "Error reading B on line 4: Class TStyle not found"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Width = 3\n    Bogus = 1\n  "
                 "end\nend\n",
                 "Error reading OkButton.Bogus on line 4: Property Bogus does not exist"},
        TBadForm{
            "object F: TTestForm\n  object OkButton: TWidget\n    Width = 'wide'\n  end\nend\n",
            "Error reading OkButton.Width on line 3: Invalid property value wide: an integer "
            "expected"},
        TBadForm{
            "object F: TTestForm\n  object OkButton: TWidget\n    Level = 300\n  end\nend\n",
            "Error reading OkButton.Level on line 3: Value 300 is out of range for property Level"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Alignment = taJustify\n  "
                 "end\nend\n",
                 "Error reading OkButton.Alignment on line 3: Invalid property value taJustify"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Borders = [bdLeft, "
                 "bdMiddle]\n  end\nend\n",
                 "Error reading OkButton.Borders on line 3: Invalid set element bdMiddle"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Visible = Yes\n  end\nend\n",
                 "Error reading OkButton.Visible on line 3: Invalid property value Yes"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Caption = 12\n  end\nend\n",
                 "Error reading OkButton.Caption on line 3: Invalid property value 12: a string "
                 "expected"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Color = clNotAColour\n  "
                 "end\nend\n",
                 "Error reading OkButton.Color on line 3: Invalid property value clNotAColour"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Ratio = fast\n  end\nend\n",
                 "Error reading OkButton.Ratio on line 3: Invalid property value fast: a number "
                 "expected"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Key = 'ab'\n  end\nend\n",
                 "Error reading OkButton.Key on line 3: Invalid property value ab"},
        TBadForm{
            "object F: TTestForm\n  object OkButton: TWidget\n    Style.Weight = 3\n  end\nend\n",
            "Error reading OkButton.Style.Weight on line 3: Property Weight does not exist"},
        TBadForm{
            "object F: TTestForm\n  object OkButton: TWidget\n    Width.Size = 3\n  end\nend\n",
            "Error reading OkButton.Width.Size on line 3: Property Width has no sub-properties"},
        TBadForm{
            "object F: TTestForm\n  object OkButton: TWidget\n    Items.Strings = 5\n  end\nend\n",
            "Error reading OkButton.Items.Strings on line 3: Invalid property value 5: a list "
            "expected"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Items.Strings = (\n      "
                 "'a'\n      7)\n  end\nend\n",
                 "Error reading OkButton.Items.Strings on line 3: Invalid property value 7: a "
                 "string expected"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Glyph = 'abc'\n  end\nend\n",
                 "Error reading OkButton.Glyph on line 3: Invalid property value abc: binary data "
                 "expected"},
        TBadForm{
            "object F: TTestForm\n  object OkButton: TWidget\n    Buddy = Nobody\n  end\nend\n",
            "Error reading OkButton.Buddy on line 3: Component Nobody not found"},
        TBadForm{"object F: TTestForm\n  object C: TComposite\n  end\n  object OkButton: TWidget\n "
                 "   Buddy = C\n  end\nend\n",
                 "Error reading OkButton.Buddy on line 5: Invalid property value: a TComposite is "
                 "not a TWidget"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    OnClick = NoSuchHandler\n  "
                 "end\nend\n",
                 "Error reading OkButton.OnClick on line 3: Method NoSuchHandler not found in "
                 "TTestForm"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    OnClick = CountItems\n  "
                 "end\nend\n",
                 "Error reading OkButton.OnClick on line 3: Invalid property value: the method's "
                 "parameters do not match"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n  end\n  object okbutton: "
                 "TWidget\n  end\nend\n",
                 "Error reading okbutton on line 4: A component named okbutton already exists"},
        TBadForm{"object F: TTestForm\n  object 1Button: TWidget\n  end\nend\n",
                 "Syntax error on line 2: component name or class name expected but '1' found"},
        TBadForm{
            "object F: TTestForm\n  object OkButton: TWidget\n    Caption = 'open\n  end\nend\n",
            "Syntax error on line 3: unterminated string"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Width 3\n  end\nend\n",
                 "Syntax error on line 3: '=' expected but '3' found"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Width = 3\n",
                 "Syntax error on line 4: unexpected end of file; 'end' of OkButton expected"},
        TBadForm{"object F: TTestForm\nend\nend\n",
                 "Syntax error on line 3: text after the final 'end'"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Glyph = {0A1}\n  end\nend\n",
                 "Syntax error on line 3: hexadecimal byte expected in binary data"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Width = "
                 "99999999999999999999\n  end\nend\n",
                 "Syntax error on line 3: integer 99999999999999999999 out of range"},
        TBadForm{"object F: TTestForm\n  object OkButton: TWidget\n    Caption = {\n      "
                 "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n      "
                 "2021}\n  end\nend\n",
                 "Error reading OkButton.Caption on line 3: Invalid property value "
                 "{000102030405060708090A0B0C0D0E0F1011121...: a string expected"},
        TBadForm{"object F: TTestForm\r  object OkButton: TWidget\r    Width = 1.5\r  "
                 "end\rend\r",
                 "Error reading OkButton.Width on line 3: Invalid property value 1.5: an integer "
                 "expected"},
        TBadForm{"inherited F: TTestForm\nend\n",
                 "Error reading F on line 1: No ancestor of TTestForm has a stored form"},
        TBadForm{"",
                 "Syntax error on line 1: unexpected end of file; 'object', 'inherited' or "
                 "'inline' expected"}));

TEST_F(StreamingTest, DeeplyNestedInputIsRefusedWithoutExhaustingTheStack) {
  std::string text = "object F: TTestForm\n  Tag = ";
  for (int i = 0; i < 100000; ++i)
    text += '(';
  try {
    ReadText(text);
    ADD_FAILURE();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.GetMessage(), "Syntax error on line 2: values nested too deeply");
  }
}

TEST_F(StreamingTest, StringsJoinPiecesAndCharacterCodes) {
  auto* root =
      dynamic_cast<TTestForm*>(ReadText("object F: TTestForm\n"
                                        "  object OkButton: TWidget\n"
                                        "    Caption = 'line one'#13#10 +\n"
                                        "      'line two '#1064#$41\n"
                                        "  end\n"
                                        "end\n"));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->OkButton->Caption,
            "line one\r\nline two \xD0\xA8"
            "A");
  root->Free();
}
