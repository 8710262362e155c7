#include <functional>
#include <vector>

#include "DesignFixture.h"
#include "controls/FontDialog.h"
#include "controls/ListBox.h"
#include "controls/Memo.h"
#include "designintf/LinesEditor.h"
#include "framework/controls/ControlTestSupport.h"

using namespace ControlTest;

// The font and string-list editors' dialogs, driven from inside their own modal loops.
class DialogEditorsTest : public DesignFixture, public TFixture {
 protected:
  // Runs each step at one idle time of the modal loop that action starts.
  void WithSteps(const std::vector<std::function<void()>>& steps,
                 const std::function<void()>& action) {
    size_t next = 0;
    Application->SetIdleHook([&] {
      if (next < steps.size()) steps[next++]();
    });
    action();
    Application->SetIdleHook(nullptr);
    EXPECT_EQ(next, steps.size()) << "the dialog closed early";
  }
  template <typename T>
  T* OnActiveForm(const char* name) {
    TCustomForm* form = Screen->GetActiveForm();
    if (!form) throw std::runtime_error("no dialog showing");
    auto* found = dynamic_cast<T*>(form->FindComponent(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return found;
  }
};

TEST_F(DialogEditorsTest, TheLinesEditorAppliesOnOkOnlyToEveryObject) {
  Widget1->GetLines()->SetText("one\ntwo\n");
  auto lines = Editor("Lines", {Widget1, Widget2});
  WithSteps({[&] {
              EXPECT_EQ(std::string(OnActiveForm<TLabel>("CountLabel")->GetCaption()), "2 lines");
              auto* memo = OnActiveForm<TMemo>("Memo");
              EXPECT_TRUE(memo->Focused());
              Driver.PressKey(VK_END, false, true);  // Ctrl+End
              Driver.Type("three");
              EXPECT_EQ(std::string(OnActiveForm<TLabel>("CountLabel")->GetCaption()), "3 lines");
              ClickAt(OnActiveForm<TButton>("CancelButton"));
            }},
            [&] { lines->Edit(); });
  EXPECT_EQ(Widget1->GetLines()->GetText(), "one\ntwo\n");
  EXPECT_EQ(Widget2->GetLines()->GetText(), "");
  EXPECT_EQ(Designer.ModifiedCount, 0);

  WithSteps({[&] {
              Driver.PressKey(VK_END, false, true);
              Driver.Type("three");
              ClickAt(OnActiveForm<TButton>("OkButton"));
            }},
            [&] { lines->Edit(); });
  EXPECT_EQ(Widget1->GetLines()->GetText(), "one\ntwo\nthree\n");
  EXPECT_EQ(Widget2->GetLines()->GetText(), "one\ntwo\nthree\n");
  EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(DialogEditorsTest, TheFontEditorOpensTheFontDialog) {
  TForm* form = NewForm(10, 10, 200, 100);
  auto* label1 = New<TLabel>(form, 8, 8, 80, 13, "Label1");
  auto* label2 = New<TLabel>(form, 8, 30, 80, 13, "Label2");
  label2->GetFont()->SetSize(20);
  auto font = Editor("Font", {label1, label2});
  EXPECT_TRUE(font->GetAttributes().Contains(paDialog));
  // Cancel leaves both fonts alone; OK gives both the first one's font with the style chosen.
  WithSteps({[&] { Driver.PressKey(VK_ESCAPE); }}, [&] { font->Edit(); });
  EXPECT_EQ(label2->GetFont()->GetSize(), 20);
  EXPECT_EQ(Designer.ModifiedCount, 0);
  WithSteps({[&] {
              auto* styles = OnActiveForm<TListBox>("StyleList");
              ClickAt(styles, 10, 2 * styles->GetItemHeight() + 2);  // Bold
              Driver.PressKey(VK_RETURN);
            }},
            [&] { font->Edit(); });
  EXPECT_EQ(label1->GetFont()->GetStyle(), TFontStyles{fsBold});
  EXPECT_EQ(label2->GetFont()->GetStyle(), TFontStyles{fsBold});
  EXPECT_EQ(label2->GetFont()->GetSize(), label1->GetFont()->GetSize());
  EXPECT_EQ(Designer.ModifiedCount, 1);
}
