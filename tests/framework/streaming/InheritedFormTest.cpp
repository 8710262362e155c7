#include <gtest/gtest.h>

#include <string>

#include "core/Exception.h"
#include "framework/streaming/FormFixtures.h"
#include "streaming/Reader.h"
#include "streaming/ResourceStream.h"
#include "streaming/Writer.h"

using namespace FormFixtures;

namespace {
std::string WriteText(TComponent* root) {
  TWriter writer;
  writer.WriteRootComponent(root);
  return writer.GetText();
}

template <typename T = TComponent>
T* Read(const std::string& text, TComponent* root = nullptr) {
  TReader reader(text);
  return dynamic_cast<T*>(reader.ReadRootComponent(root));
}

TWidget* Widget(TComponent* owner, const char* name) {
  return dynamic_cast<TWidget*>(owner->FindComponent(name));
}

// What the stored forms TBASEFORM and TDERIVEDFORM make of a TDerivedForm.
const char* const DerivedText =
    "inherited DerivedForm: TDerivedForm\n"
    "  Tag = 2\n"
    "  inherited Panel1: TTestPanel\n"
    "    inherited OkButton: TWidget\n"
    "    end\n"
    "    object CancelButton: TWidget [1]\n"
    "      Caption = 'Cancel'\n"
    "      OnClick = DerivedClick\n"
    "    end\n"
    "    inherited HelpButton: TWidget\n"
    "      Caption = 'More help'\n"
    "      Buddy = CancelButton\n"
    "    end\n"
    "  end\n"
    "  inherited Grid1: TGrid\n"
    "    Columns = <\n"
    "      item\n"
    "        Caption = 'Name'\n"
    "        Width = 150\n"
    "      end>\n"
    "  end\n"
    "end\n";

class InheritedFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFormFixtures(); }
};
}  // namespace

TEST_F(InheritedFormTest, AnInheritedFormStartsFromItsAncestorsStoredForm) {
  // The stored form of TDerivedForm is binary and inherits the text one of TBaseForm.
  TDerivedForm form(nullptr);
  ASSERT_TRUE(InitInheritedComponent(&form, TTestForm::StaticClass()));
  EXPECT_EQ(form.GetName(), "DerivedForm");
  EXPECT_EQ(form.GetTag(), 2);
  ASSERT_NE(form.Panel1, nullptr);
  ASSERT_NE(form.OkButton, nullptr);
  EXPECT_EQ(form.OkButton->Caption, "OK");
  EXPECT_EQ(form.Panel1->Width, 200);
  // The ancestor's handler binds to the new root, which inherits it.
  ASSERT_TRUE(form.OkButton->OnClick);
  EXPECT_EQ(form.OkButton->OnClick.GetMethod().Data, &form);
  form.OkButton->OnClick(form.OkButton);
  EXPECT_EQ(form.BaseClicks, 1);
  // The new button sits where its position puts it; inherited ones keep their places.
  EXPECT_EQ(ChildNames(form.Panel1, &form),
            (std::vector<std::string>{"OkButton", "CancelButton", "HelpButton"}));
  TWidget* help = Widget(&form, "HelpButton");
  EXPECT_EQ(help->Caption, "More help");
  EXPECT_EQ(help->Buddy, Widget(&form, "CancelButton"));
  auto* grid = dynamic_cast<TGrid*>(form.FindComponent("Grid1"));
  ASSERT_EQ(grid->GetColumns()->GetCount(), 1);
  EXPECT_EQ(grid->Column(0)->Width, 150);
  for (int i = 0; i < form.GetComponentCount(); ++i)
    EXPECT_FALSE(form.GetComponent(i)->GetComponentState().Contains(csLoading));
}

TEST_F(InheritedFormTest, WritingAnInheritedFormGivesOnlyTheDifferences) {
  TDerivedForm form(nullptr);
  InitInheritedComponent(&form, TTestForm::StaticClass());
  EXPECT_EQ(WriteText(&form), DerivedText);

  // A value put back to the ancestor's disappears; one put back to the declared default while
  // the ancestor differs must be written; a new handler shows.
  Widget(&form, "HelpButton")->Caption = "Help";
  form.SetTag(0);
  form.OkButton->OnClick = MakeMethod<&TDerivedForm::DerivedClick>(&form);
  const std::string text = WriteText(&form);
  EXPECT_NE(text.find("  Tag = 0\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("More help"), std::string::npos) << text;
  EXPECT_EQ(text.find("    inherited HelpButton: TWidget\n      Buddy = CancelButton\n    end\n"),
            text.find("    inherited HelpButton"))
      << text;
  EXPECT_NE(text.find("    inherited OkButton: TWidget\n      OnClick = DerivedClick\n"),
            std::string::npos)
      << text;
  // Cleared handler and reference of the ancestor are written as nil.
  form.OkButton->OnClick = nullptr;
  Widget(&form, "HelpButton")->SetBuddy(nullptr);
  const std::string cleared = WriteText(&form);
  EXPECT_NE(cleared.find("      OnClick = nil\n"), std::string::npos) << cleared;
  EXPECT_NE(cleared.find("      Buddy = nil\n"), std::string::npos) << cleared;

  // Read back, the form is the same.
  auto* copy = Read<TDerivedForm>(cleared);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(WriteText(copy), cleared);
  EXPECT_FALSE(copy->OkButton->OnClick);
  EXPECT_EQ(copy->GetTag(), 0);
  copy->Free();
}

TEST_F(InheritedFormTest, ChildPositionsKeepTheOrderThroughWritingAndReading) {
  TDerivedForm form(nullptr);
  InitInheritedComponent(&form, TTestForm::StaticClass());
  // Help first, then Cancel, then OK: two children leave the places reading would give them.
  form.Panel1->SetChildOrder(Widget(&form, "HelpButton"), 0);
  form.Panel1->SetChildOrder(Widget(&form, "OkButton"), 2);
  ASSERT_EQ(ChildNames(form.Panel1, &form),
            (std::vector<std::string>{"HelpButton", "CancelButton", "OkButton"}));
  const std::string text = WriteText(&form);
  EXPECT_NE(text.find("    inherited HelpButton: TWidget [0]\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    object CancelButton: TWidget [1]\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    inherited OkButton: TWidget\n"), std::string::npos) << text;
  auto* copy = Read<TDerivedForm>(text);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(ChildNames(copy->Panel1, copy),
            (std::vector<std::string>{"HelpButton", "CancelButton", "OkButton"}));
  copy->Free();
  // A form without an ancestor is written in its own order, without positions.
  auto* plain = Read<TTestForm>(
      "object F: TTestForm\n  object B: TWidget\n  end\n  object A: TWidget [0]\n  end\nend\n");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(ChildNames(plain, plain), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(WriteText(plain),
            "object F: TTestForm\n  object A: TWidget\n  end\n  object B: TWidget\n  end\nend\n");
  plain->Free();
}

TEST_F(InheritedFormTest, InlineFramesComeFromTheirStoredFormWithTheDifferences) {
  auto* form = Read<TTestForm>(
      "object Host: TTestForm\n"
      "  inline Frame1: TTestFrame\n"
      "    Width = 320\n"
      "    inherited FrameLabel: TWidget\n"
      "      Caption = 'Changed'\n"
      "    end\n"
      "    object Extra: TWidget\n"
      "      Buddy = FrameLabel\n"
      "      OnClick = ButtonClick\n"
      "    end\n"
      "  end\n"
      "  inline Frame2: TTestFrame\n"
      "  end\n"
      "end\n");
  ASSERT_NE(form, nullptr);
  auto* frame = dynamic_cast<TTestFrame*>(form->FindComponent("Frame1"));
  auto* frame2 = dynamic_cast<TTestFrame*>(form->FindComponent("Frame2"));
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(frame2, nullptr);
  EXPECT_TRUE(frame->GetComponentState().Contains(csInline));
  EXPECT_EQ(frame->GetOwner(), form);
  EXPECT_EQ(frame->Width, 320);
  EXPECT_EQ(frame2->Width, 300);
  // The frame owns what its form and the differences make; names resolve within each frame.
  TWidget* label = Widget(frame, "FrameLabel");
  TWidget* extra = Widget(frame, "Extra");
  ASSERT_NE(label, nullptr);
  ASSERT_NE(extra, nullptr);
  EXPECT_EQ(label->Caption, "Changed");
  EXPECT_EQ(Widget(frame2, "FrameLabel")->Caption, "Label");
  EXPECT_EQ(label->Buddy, Widget(frame, "FrameButton"));
  EXPECT_EQ(Widget(frame2, "FrameLabel")->Buddy, Widget(frame2, "FrameButton"));
  EXPECT_EQ(extra->Buddy, label);
  EXPECT_EQ(form->FindComponent("Extra"), nullptr);
  // The frame's own handlers run on the frame; the differences' on the form.
  Widget(frame, "FrameButton")->OnClick(nullptr);
  EXPECT_EQ(frame->FrameClicks, 1);
  extra->OnClick(nullptr);
  EXPECT_EQ(form->Clicks, 1);

  const std::string text = WriteText(form);
  EXPECT_EQ(text,
            "object Host: TTestForm\n"
            "  inline Frame1: TTestFrame\n"
            "    Width = 320\n"
            "    inherited FrameButton: TWidget\n"
            "    end\n"
            "    inherited FrameLabel: TWidget\n"
            "      Caption = 'Changed'\n"
            "    end\n"
            "    object Extra: TWidget\n"
            "      Buddy = FrameLabel\n"
            "      OnClick = ButtonClick\n"
            "    end\n"
            "  end\n"
            "  inline Frame2: TTestFrame\n"
            "    inherited FrameButton: TWidget\n"
            "    end\n"
            "    inherited FrameLabel: TWidget\n"
            "    end\n"
            "  end\n"
            "end\n");
  form->Free();
}

struct TInheritedError {
  const char* Text;
  const char* Message;
};

void PrintTo(const TInheritedError& error, std::ostream* out) {
  *out << error.Message;
}

class InheritedFormErrorTest : public InheritedFormTest,
                               public ::testing::WithParamInterface<TInheritedError> {};

TEST_P(InheritedFormErrorTest, RaisesAReadErrorAndLeavesNothingBehind) {
  try {
    Read(GetParam().Text);
    ADD_FAILURE() << "read without error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.GetMessage(), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, InheritedFormErrorTest,
    ::testing::Values(
        TInheritedError{"inherited D: TDerivedForm\n  inherited Ghost: TWidget\n  end\nend\n",
                        "Error reading Ghost on line 2: Inherited component Ghost not found; it "
                        "is read as a new component"},
        TInheritedError{"inherited D: TDerivedForm\n  inherited Panel1: TGrid\n  end\nend\n",
                        "Error reading Panel1 on line 2: Inherited component Panel1 is a TTestPanel, "
                        "not a TGrid"},
        TInheritedError{"inherited D: TDerivedForm\n  inherited TWidget\n  end\nend\n",
                        "Error reading TWidget on line 2: an inherited object needs a name"},
        TInheritedError{"object H: TTestForm\n  inline F: TWidget\n  end\nend\n",
                        "Error reading F on line 2: TWidget has no stored form"},
        TInheritedError{"inline H: TTestForm\nend\n",
                        "Error reading H on line 1: an inline object cannot be the root of a form"},
        TInheritedError{"object H: TTestForm\n  inline F: TTestFrame\n    inherited FrameButton: "
                        "TWidget\n      Width = 'x'\n    end\n  end\nend\n",
                        "Error reading FrameButton.Width on line 4: Invalid property value x: an "
                        "integer expected"},
        TInheritedError{"object H: TTestForm\n  object Panel1: TComposite\n  end\nend\n",
                        "Error reading Panel1 on line 2: the field Panel1 of TTestForm holds a "
                        "TTestPanel; a TComposite cannot be read into it"}));
