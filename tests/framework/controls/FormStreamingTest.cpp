#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/Edit.h"
#include "controls/ListBox.h"
#include "controls/Memo.h"
#include "controls/Menus.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace ControlTest;

namespace {
class FormStreamingTest : public ::testing::Test, public TFixture {
 protected:
  static std::string Write(TComponent* root) {
    TWriter writer;
    writer.WriteRootComponent(root);
    return writer.GetText();
  }
  // Reads text into a new root of the class it names; the test frees it.
  static TForm* Read(const std::string& text) {
    TReader reader(text);
    return dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  }
};
}  // namespace

TEST_F(FormStreamingTest, AFormHoldingEveryControlReadsBackAsItWasWritten) {
  auto* form = new TForm(nullptr);
  form->SetName("AllControls");
  form->SetBounds(30, 40, 320, 240);
  form->SetCaption("Every control");
  form->SetBorderStyle(bsDialog);
  form->SetBorderIcons({biSystemMenu});
  form->SetPosition(poScreenCenter);
  form->SetKeyPreview(true);
  form->SetColor(clTeal);
  form->GetFont()->SetName("System");
  auto* menu = new TPopupMenu(form);
  menu->SetName("Menu");
  menu->SetAutoPopup(false);
  auto* ok = new TButton(form);
  ok->SetName("Ok");
  ok->SetParent(form);
  ok->SetBounds(0, 0, 80, 24);
  ok->SetCaption("O'K & more");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->SetPopupMenu(menu);
  ok->SetHint("Accept|Accept the changes");
  ok->SetShowHint(true);
  auto* cancel = new TButton(form);
  cancel->SetName("Cancel");
  cancel->SetParent(form);
  cancel->SetBounds(90, 0, 75, 25);
  cancel->SetCancel(true);
  cancel->SetModalResult(static_cast<TModalResult>(42));
  cancel->SetEnabled(false);
  cancel->SetTabOrder(0);
  auto* check = new TCheckBox(form);
  check->SetName("Check");
  check->SetParent(form);
  check->SetBounds(0, 40, 100, 17);
  check->SetAllowGrayed(true);
  check->SetState(cbGrayed);
  check->SetAlignment(taLeftJustify);
  check->SetParentFont(false);
  check->GetFont()->SetStyle({fsBold});
  check->SetCursor(crHandPoint);
  auto* label = new TLabel(form);
  label->SetName("Caption");
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(0, 70, 150, 30);
  label->SetCaption("&Check box:");
  label->SetFocusControl(check);
  label->SetAlignment(taCenter);
  label->SetLayout(tlBottom);
  label->SetWordWrap(true);
  label->SetTransparent(true);
  label->SetAlign(alBottom);
  auto* edit = new TEdit(form);
  edit->SetName("Name");
  edit->SetParent(form);
  edit->SetBounds(0, 110, 150, 21);
  edit->SetCharCase(ecUpperCase);
  edit->SetText("typed 'text' \xC3\xA9");
  edit->SetMaxLength(20);
  edit->SetReadOnly(true);
  edit->SetAutoSelect(false);
  edit->SetOEMConvert(true);
  edit->SetHideSelection(false);
  auto* memo = new TMemo(form);
  memo->SetName("Notes");
  memo->SetParent(form);
  memo->SetBounds(160, 40, 150, 80);
  memo->GetLines()->Add("first");
  memo->GetLines()->Add("second 'quoted' line");
  memo->SetScrollBars(ssBoth);
  memo->SetWantTabs(true);
  memo->SetWantReturns(false);
  memo->SetColor(clInfoBk);
  memo->SetBorderStyle(bsNone);
  auto* list = new TListBox(form);
  list->SetName("Choices");
  list->SetParent(form);
  list->SetBounds(160, 130, 120, 50);
  list->GetItems()->SetCommaText("one,\"two words\",three");
  list->SetSorted(true);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(18);
  list->SetIntegralHeight(true);

  const std::string text = Write(form);
  TForm* copy = Read(text);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(Write(copy), text);
  EXPECT_NE(text.find("PixelsPerInch = 96"), std::string::npos);
  EXPECT_NE(text.find("Left = 0"), std::string::npos);  // bounds always written

  auto* copiedOk = dynamic_cast<TButton*>(copy->FindComponent("Ok"));
  auto* copiedCheck = dynamic_cast<TCheckBox*>(copy->FindComponent("Check"));
  auto* copiedLabel = dynamic_cast<TLabel*>(copy->FindComponent("Caption"));
  auto* copiedEdit = dynamic_cast<TEdit*>(copy->FindComponent("Name"));
  auto* copiedMemo = dynamic_cast<TMemo*>(copy->FindComponent("Notes"));
  ASSERT_TRUE(copiedOk && copiedCheck && copiedLabel && copiedEdit && copiedMemo);
  EXPECT_EQ(std::string(copiedEdit->GetText()), "TYPED 'TEXT' \xC3\x89");
  EXPECT_EQ(copiedEdit->GetMaxLength(), 20);
  EXPECT_TRUE(copiedEdit->GetReadOnly());
  EXPECT_FALSE(copiedEdit->GetModified());
  EXPECT_EQ(copiedMemo->GetLines()->GetCount(), 2);
  EXPECT_EQ(copiedMemo->GetLines()->Get(1), "second 'quoted' line");
  EXPECT_EQ(copiedMemo->GetScrollBars(), ssBoth);
  auto* copiedList = dynamic_cast<TListBox*>(copy->FindComponent("Choices"));
  ASSERT_NE(copiedList, nullptr);
  EXPECT_EQ(copiedList->GetItems()->GetCommaText(), "one,three,\"two words\"");
  EXPECT_EQ(copiedList->GetItemHeight(), 18);
  EXPECT_EQ(copiedList->GetStyle(), lbOwnerDrawFixed);
  EXPECT_EQ(copiedOk->GetPopupMenu(), copy->FindComponent("Menu"));
  EXPECT_EQ(std::string(copiedOk->GetCaption()), "O'K & more");
  EXPECT_EQ(copiedLabel->GetFocusControl(), copiedCheck);
  EXPECT_EQ(copiedCheck->GetState(), cbGrayed);
  EXPECT_EQ(copiedOk->GetParent(), copy);
  EXPECT_EQ(copiedOk->GetTabOrder(), 1);
  EXPECT_EQ(copy->GetBorderStyle(), bsDialog);
  EXPECT_EQ(copiedLabel->GetTop(), copy->GetClientHeight() - 30);    // aligned to the bottom
  EXPECT_EQ(std::string(copiedOk->GetFont()->GetName()), "System");  // the form's font
  copy->Free();
  form->Free();
}

TEST_F(FormStreamingTest, TabOrderFromTheFileIsAppliedOnceAllControlsAreRead) {
  TForm* form = Read(R"(object Ordered: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  PixelsPerInch = 96
  object A: TButton
    Left = 0
    Top = 0
    Width = 75
    Height = 25
    TabOrder = 2
  end
  object B: TButton
    Left = 0
    Top = 30
    Width = 75
    Height = 25
    TabOrder = 0
  end
  object C: TButton
    Left = 0
    Top = 60
    Width = 75
    Height = 25
    TabOrder = 1
  end
end
)");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(static_cast<TButton*>(form->FindComponent("A"))->GetTabOrder(), 2);
  EXPECT_EQ(static_cast<TButton*>(form->FindComponent("B"))->GetTabOrder(), 0);
  EXPECT_EQ(static_cast<TButton*>(form->FindComponent("C"))->GetTabOrder(), 1);
  form->Free();
}

TEST_F(FormStreamingTest, AFormStoredAtAnotherResolutionIsScaled) {
  const char* text = R"(object Scaled: TForm
  Left = 10
  Top = 10
  Width = 400
  Height = 300
  Font.Height = -15
  Font.Name = 'System'
  PixelsPerInch = 120
  object Button1: TButton
    Left = 100
    Top = 50
    Width = 100
    Height = 30
  end
end
)";
  TForm* form = Read(text);
  ASSERT_NE(form, nullptr);
  auto* button = static_cast<TButton*>(form->FindComponent("Button1"));
  EXPECT_EQ(button->GetBoundsRect(), (TRect{80, 40, 160, 64}));
  EXPECT_EQ(form->GetFont()->GetHeight(), -12);
  EXPECT_EQ(form->GetPixelsPerInch(), 96);
  EXPECT_EQ(form->GetLeft(), 10);  // the form keeps its place
  form->Free();
  // Not scaled when told not to be.
  std::string unscaled = text;
  unscaled.insert(unscaled.find("  PixelsPerInch"), "  Scaled = False\n");
  form = Read(unscaled);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(static_cast<TButton*>(form->FindComponent("Button1"))->GetLeft(), 100);
  form->Free();
}

TEST_F(FormStreamingTest, AMalformedFileNamesWhatAndWhereAndLeavesNothingBehind) {
  const int forms = Screen->GetFormCount();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"object F: TForm\n  BorderStyle = bsRound\nend\n", "F.BorderStyle on line 2"},
      {"object F: TForm\n  object B: TButton\n    ModalResult = mrMaybe\n  end\nend\n",
       "B.ModalResult on line 3"},
      {"object F: TForm\n  object L: TLabel\n    FocusControl = Nowhere\n  end\nend\n", "Nowhere"},
      {"object F: TForm\n  object X: TNoSuchControl\n  end\nend\n", "TNoSuchControl"},
  };
  for (const auto& [text, expected] : cases) {
    try {
      TForm* form = Read(text);
      form->Free();
      ADD_FAILURE() << "accepted: " << text;
    } catch (const EReadError& e) {
      EXPECT_NE(e.GetMessage().find(expected), std::string::npos) << e.GetMessage();
    }
    EXPECT_EQ(Screen->GetFormCount(), forms);
  }
}
