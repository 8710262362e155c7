#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/FontDialog.h"
#include "controls/ListBox.h"

using namespace ControlTest;

namespace {
bool SameFont(TFont* a, TFont* b) {
  return a->GetName() == b->GetName() && a->GetSize() == b->GetSize() &&
         a->GetStyle() == b->GetStyle() && a->GetColor() == b->GetColor();
}

class FontDialogTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Owner = NewForm(10, 10, 200, 100);
    Dialog = new TFontDialog(Owner);
    TFont* font = Dialog->GetFont();
    font->SetName(Screen->GetFonts()->Get(0));
    font->SetSize(8);
    font->SetColor(clWindowText);
  }
  // The control named name on the dialog showing now.
  template <typename T>
  T* Find(const char* name) {
    auto* form = dynamic_cast<TFontDialogForm*>(Screen->GetActiveForm());
    if (!form) throw std::runtime_error("no font dialog showing");
    auto* control = dynamic_cast<T*>(form->FindComponent(name));
    if (!control) throw std::runtime_error(std::string("no control ") + name);
    return control;
  }
  void ClickRow(TListBox* list, int row) {
    const int height = list->GetItemHeight();
    ClickAt(list, 10, row * height + height / 2);
  }
  // Executes the dialog, running each step at one idle time of its own loop (a button sets
  // the modal result there, and the loop acts on it before the next); Execute's answer.
  bool Run(const std::vector<std::function<void()>>& steps) {
    size_t next = 0;
    Application->SetIdleHook([&] {
      if (next < steps.size()) steps[next++]();
    });
    const bool result = Dialog->Execute();
    Application->SetIdleHook(nullptr);
    EXPECT_EQ(next, steps.size()) << "the dialog closed early";
    return result;
  }

  TForm* Owner = nullptr;
  TFontDialog* Dialog = nullptr;
};
}  // namespace

TEST_F(FontDialogTest, OkTakesEveryChoiceAndThePreviewShowsIt) {
  const std::string second = Screen->GetFonts()->Get(1);
  TFont previewed;
  const bool accepted = Run({[&] {
    ClickRow(Find<TListBox>("FamilyList"), 1);
    ClickRow(Find<TListBox>("StyleList"), 3);  // Bold Italic
    auto* size = Find<TComboBox>("SizeBox");
    ClickAt(size, 10, 10);
    Driver.PressKey('A', false, true);
    Driver.Type("14");
    auto* color = Find<TComboBox>("ColorBox");
    color->SetFocus();
    Driver.PressKey(VK_HOME);  // clBlack
    for (int i = 0; i < 9; ++i)
      Driver.PressKey(VK_DOWN);  // clRed
    ClickAt(Find<TCheckBox>("UnderlineCheck"));
    previewed.Assign(Find<TLabel>("Preview")->GetFont());
    Driver.PressKey(VK_RETURN);
  }});
  EXPECT_TRUE(accepted);
  TFont* font = Dialog->GetFont();
  EXPECT_EQ(font->GetName(), second);
  EXPECT_EQ(font->GetStyle(), (TFontStyles{fsBold, fsItalic, fsUnderline}));
  EXPECT_EQ(font->GetSize(), 14);
  EXPECT_EQ(font->GetColor(), clRed);
  EXPECT_TRUE(SameFont(&previewed, font));
}

TEST_F(FontDialogTest, CancelChangesNothingAndABadSizeIsRefused) {
  TFont before;
  before.Assign(Dialog->GetFont());
  std::string refusal;
  Application->SetMessageDlgHook([&](const std::string& message, TMsgDlgType, TMsgDlgButtons) {
    refusal = message;
    return mrOk;
  });
  const bool accepted = Run({[&] {
                               ClickRow(Find<TListBox>("StyleList"), 2);
                               ClickAt(Find<TComboBox>("SizeBox"), 10, 10);
                               Driver.PressKey('A', false, true);
                               Driver.Type("big");
                               Driver.PressKey(VK_RETURN);  // refused: the dialog stays
                             },
                             [&] {
                               EXPECT_TRUE(Find<TComboBox>("SizeBox")->Focused());
                               Driver.PressKey(VK_ESCAPE);
                             }});
  EXPECT_FALSE(accepted);
  EXPECT_EQ(refusal, "The size \"big\" is not a whole number from 1 to 1638.");
  EXPECT_TRUE(SameFont(Dialog->GetFont(), &before));
  // A colour outside the standard ones is offered as it is.
  const bool again = Run({[&] {
    EXPECT_EQ(std::string(Find<TComboBox>("ColorBox")->GetText()), "clWindowText");
    Driver.PressKey(VK_RETURN);
  }});
  EXPECT_TRUE(again);
  EXPECT_EQ(Dialog->GetFont()->GetColor(), clWindowText);
}
