#include <gtest/gtest.h>

#include "VxEditTestSupport.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

using namespace VxEditTest;

namespace {
class VxEditStreamingTest : public ::testing::Test, public TVxEditFixture {
 protected:
  static std::string Write(TComponent* root) {
    TWriter writer;
    writer.WriteRootComponent(root);
    return writer.GetText();
  }
  static TForm* Read(const std::string& text) {
    TReader reader(text);
    return dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  }
  static int CountOwned(TComponent* owner, TClass aClass) {
    int count = 0;
    for (int i = 0; i < owner->GetComponentCount(); ++i)
      count += owner->GetComponent(i)->ClassType() == aClass;
    return count;
  }
  // Checks that the composite holds exactly one popup, edit source and inner edit of the
  // test classes, and that they are the ones it uses.
  static void ExpectOneOfEach(TVxEdit* edit) {
    EXPECT_EQ(CountOwned(edit, TTestPopup::StaticClass()), 1);
    EXPECT_EQ(CountOwned(edit, TUpperSource::StaticClass()), 1);
    EXPECT_EQ(CountOwned(edit, TTestEdit::StaticClass()), 1);
    EXPECT_TRUE(dynamic_cast<TTestPopup*>(edit->GetPopupWindow()));
    EXPECT_TRUE(dynamic_cast<TUpperSource*>(edit->GetEditSource()));
    EXPECT_TRUE(dynamic_cast<TTestEdit*>(edit->GetEdit()));
  }
};
}  // namespace

TEST_F(VxEditStreamingTest, ChildrenChosenByClassNameAreWrittenAndAdoptedWhenRead) {
  Edit->SetEditClass("TTestEdit");
  Edit->SetPopupClassName("TTestPopup");
  Edit->SetEditSourceType("TUpperSource");
  dynamic_cast<TTestEdit*>(Edit->GetEdit())->SetMaxLength(7);
  Edit->GetPopupWindow()->SetHeight(77);
  Edit->SetNumButtons(2);
  Edit->GetButton2()->SetKind(bkDots);
  Edit->GetButton2()->SetWidth(30);
  Edit->SetText("streamed");
  const std::string text = Write(Form);
  EXPECT_NE(text.find("EditClass = 'TTestEdit'"), std::string::npos) << text;
  EXPECT_NE(text.find("object TTestPopup"), std::string::npos) << text;

  TForm* form = Read(text);
  ASSERT_TRUE(form);
  auto* edit = dynamic_cast<TVxEdit*>(form->FindComponent("VxEdit1"));
  ASSERT_TRUE(edit);
  ExpectOneOfEach(edit);
  EXPECT_EQ(dynamic_cast<TTestEdit*>(edit->GetEdit())->GetMaxLength(), 7) << "adopted, not new";
  EXPECT_EQ(edit->GetPopupWindow()->GetHeight(), 77);
  EXPECT_EQ(edit->GetEdit()->GetParent(), edit);
  EXPECT_EQ(edit->GetText(), "streamed");
  EXPECT_EQ(edit->GetNumButtons(), 2);
  EXPECT_EQ(edit->GetButton2()->GetKind(), bkDots);
  EXPECT_EQ(edit->GetButton2()->GetWidth(), 30);
  const std::string again = Write(form);
  EXPECT_EQ(again.substr(again.find("object VxEdit1")), text.substr(text.find("object VxEdit1")))
      << "reading and writing again gives the same control";
  form->Free();
}

TEST_F(VxEditStreamingTest, AFormFileWithStreamedChildrenReadsBackToOneChildOfEachKind) {
  const std::string text = R"(object Form2: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Choice: TVxEdit
    Left = 8
    Top = 8
    Width = 121
    Height = 21
    PopupWindowClass = 'TTestPopup'
    EditSourceClass = 'TUpperSource'
    EditClass = 'TTestEdit'
    Text = 'abc'
    object TTestPopup
      Left = 0
      Top = 0
      Width = 90
      Height = 40
    end
    object TUpperSource
    end
    object TTestEdit
      MaxLength = 5
    end
  end
end
)";
  TForm* form = Read(text);
  ASSERT_TRUE(form);
  auto* edit = dynamic_cast<TVxEdit*>(form->FindComponent("Choice"));
  ASSERT_TRUE(edit);
  ExpectOneOfEach(edit);
  EXPECT_EQ(dynamic_cast<TTestEdit*>(edit->GetEdit())->GetMaxLength(), 5);
  EXPECT_EQ(edit->GetPopupWindow()->GetWidth(), 90);
  EXPECT_EQ(edit->GetText(), "abc");
  form->Free();
}

TEST_F(VxEditStreamingTest, NamesWithoutStreamedChildrenCreateThemWhenRead) {
  const std::string text = R"(object Form3: TForm
  object Plain: TVxEdit
    PopupWindowClass = 'TTestPopup'
    EditClass = 'TNoSuchEdit'
  end
end
)";
  TForm* form = Read(text);
  ASSERT_TRUE(form);
  auto* edit = dynamic_cast<TVxEdit*>(form->FindComponent("Plain"));
  ASSERT_TRUE(edit);
  EXPECT_EQ(CountOwned(edit, TTestPopup::StaticClass()), 1);
  EXPECT_EQ(edit->GetEditorClass(), TVxSimpleEdit::StaticClass());
  EXPECT_EQ(edit->GetEditClass(), "TNoSuchEdit");
  form->Free();
}
