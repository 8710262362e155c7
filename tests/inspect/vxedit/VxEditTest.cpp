#include <gtest/gtest.h>

#include "VxEditTestSupport.h"
#include "core/Module.h"
#include "graphics/Bitmap.h"
#include "vxedit/DummyPopup.h"
#include "vxedit/EditButton.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/VxEditUnit.h"
#include "vxedit/VxSimpleEdit.h"
#include "winsys/WinUser.h"

using namespace VxEditTest;

namespace {
class VxEditTest : public ::testing::Test, public TVxEditFixture {
 protected:
  TVxSimpleEdit* Inner() const { return dynamic_cast<TVxSimpleEdit*>(Edit->GetEdit()); }
  TRect FormatRect() const {
    TRect rect;
    Edit->GetEdit()->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }
};

// Throws from the composite's OnMouseDown.
class TThrower : public TObject {
  DECLARE_CLASS(TThrower, TObject);

 public:
  TThrower() = default;
  void MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    ++Calls;
    throw Exception("mouse down failed");
  }
  int Calls = 0;
};
}  // namespace

IMPLEMENT_CLASS(TThrower) {}

TEST_F(VxEditTest, FreshCompositeHasDummiesOneDropDownButtonAndNoInnerEdit) {
  auto* fresh = new TVxEdit(Form);
  EXPECT_EQ(fresh->GetWidth(), 121);
  EXPECT_EQ(fresh->GetHeight(), 21);
  EXPECT_TRUE(fresh->GetTabStop());
  EXPECT_EQ(fresh->GetEdit(), nullptr);
  EXPECT_EQ(fresh->GetEditorClass(), nullptr);
  EXPECT_TRUE(dynamic_cast<TDummyPopup*>(fresh->GetPopupWindow()));
  EXPECT_TRUE(dynamic_cast<TDummyEditSource*>(fresh->GetEditSource()));
  EXPECT_EQ(fresh->GetNumButtons(), 1);
  EXPECT_TRUE(fresh->GetButton1()->GetVisible());
  EXPECT_FALSE(fresh->GetButton2()->GetVisible());
  EXPECT_EQ(fresh->GetButton1()->GetKind(), bkDropDown);
  EXPECT_EQ(fresh->GetButton2()->GetKind(), bkDropDown);
  EXPECT_EQ(fresh->GetButton1()->GetGlyph()->GetWidth(), GetDropDownGlyph()->GetWidth());
  EXPECT_EQ(fresh->GetButton1()->GetWidth(), 0);
  // Setting the empty class name on a fresh composite changes nothing.
  fresh->SetEditClass("");
  EXPECT_EQ(fresh->GetEdit(), nullptr);
  // Without inner edit the text and the modified flag are kept by the composite.
  fresh->SetModified(true);
  fresh->SetText("kept");
  EXPECT_TRUE(fresh->GetModified());
  EXPECT_EQ(fresh->GetText(), "kept");
  fresh->SetParent(Form);
  fresh->SetEditorClass(TVxSimpleEdit::StaticClass());
  Driver.ProcessMessages();
  ASSERT_TRUE(fresh->IsEditAvailable());
  EXPECT_EQ(fresh->GetEdit()->GetText(), "kept");
  EXPECT_FALSE(fresh->GetModified()) << "the inner edit's own state is reported from now on";
}

TEST_F(VxEditTest, EditClassNamesChooseRegisteredClassesOrTheSimpleEdit) {
  EXPECT_TRUE(Inner());
  Edit->SetText("abc");
  Edit->SetEditClass("TTestEdit");
  auto* testEdit = dynamic_cast<TTestEdit*>(Edit->GetEdit());
  ASSERT_TRUE(testEdit);
  EXPECT_EQ(testEdit->GetBorderStyle(), bsNone);
  EXPECT_FALSE(testEdit->GetTabStop());
  EXPECT_EQ(testEdit->GetParent(), Edit);
  EXPECT_EQ(Edit->GetText(), "abc") << "the text goes over to the new inner edit";
  // A class the edit registry does not hold, and a name no class bears, give the simple edit.
  Edit->SetEditClass("TButton");
  EXPECT_TRUE(Inner());
  Edit->SetEditClass("TNoSuchEdit");
  EXPECT_TRUE(Inner());
  int owned = 0;
  for (int i = 0; i < Edit->GetComponentCount(); ++i)
    owned += Edit->GetComponent(i)->InheritsFrom(TCustomEdit::StaticClass());
  EXPECT_EQ(owned, 1) << "replaced inner edits are freed";
  EXPECT_EQ(Edit->GetEditorClass(), TVxSimpleEdit::StaticClass());
}

TEST_F(VxEditTest, NumButtonsLayoutAndFormattingRectangle) {
  const int client = Edit->GetClientWidth();
  const int thumb = GetSystemMetrics(SM_CXHTHUMB);
  EXPECT_EQ(Edit->GetButtonControl(0)->GetBoundsRect(),
            TRect(client - thumb, 0, client, Edit->GetClientHeight()));
  EXPECT_EQ(Edit->GetEdit()->GetWidth(), client - thumb);
  EXPECT_EQ(FormatRect(), TRect(1, 0, client - thumb - 2, Edit->GetClientHeight()));

  Edit->SetNumButtons(3);
  Edit->SetNumButtons(-1);
  EXPECT_EQ(Edit->GetNumButtons(), 1);
  EXPECT_TRUE(Edit->GetButton1()->GetVisible());

  Edit->SetNumButtons(2);
  Edit->GetButton2()->SetWidth(30);
  EXPECT_EQ(Edit->GetButtonControl(1)->GetBoundsRect(),
            TRect(client - 30, 0, client, Edit->GetClientHeight()));
  EXPECT_EQ(Edit->GetButtonControl(0)->GetBoundsRect(),
            TRect(client - 30 - thumb, 0, client - 30, Edit->GetClientHeight()));
  EXPECT_EQ(Edit->GetEdit()->GetWidth(), client - 30 - thumb);

  Edit->SetNumButtons(0);
  EXPECT_FALSE(Edit->GetButton1()->GetVisible());
  EXPECT_FALSE(Edit->GetButton2()->GetVisible());
  EXPECT_EQ(Edit->GetEdit()->GetWidth(), client);
  EXPECT_EQ(FormatRect(), TRect(1, 0, client - 2, Edit->GetClientHeight()));
}

TEST_F(VxEditTest, ButtonWidthsKindsAndGlyphs) {
  TButtonParams* params = Edit->GetButton1();
  const int thumb = GetSystemMetrics(SM_CXHTHUMB);
  // The button's current width changes nothing, not even the stored Width.
  params->SetWidth(thumb);
  EXPECT_EQ(params->GetWidth(), 0);
  params->SetWidth(25);
  EXPECT_EQ(params->GetWidth(), 25);
  EXPECT_EQ(Edit->GetButtonControl(0)->GetWidth(), 25);
  EXPECT_EQ(Edit->GetEdit()->GetWidth(), Edit->GetClientWidth() - 25);
  params->SetKind(bkDots);
  EXPECT_EQ(params->GetGlyph()->GetWidth(), GetDotsGlyph()->GetWidth());
  params->SetWidth(0);
  EXPECT_EQ(Edit->GetButtonControl(0)->GetWidth(), thumb);

  TBitmap glyph;
  glyph.SetWidth(12);
  glyph.SetHeight(12);
  params->SetWidth(20);
  params->SetGlyph(&glyph);
  EXPECT_EQ(params->GetKind(), bkCustom);
  EXPECT_EQ(Edit->GetButtonControl(0)->GetWidth(), 20) << "a set Width wins over the glyph's";
  params->SetWidth(0);
  EXPECT_EQ(Edit->GetButtonControl(0)->GetWidth(), 20) << "a custom button keeps its width";
  EXPECT_EQ(params->GetWidth(), 0);
  params->SetNumGlyphs(2);
  EXPECT_EQ(params->GetNumGlyphs(), 2);
  params->SetKind(bkDropDown);
  EXPECT_EQ(params->GetNumGlyphs(), 1) << "built-in kinds show one glyph";
}

TEST_F(VxEditTest, EditButtonFlattensItsLeftAndTopEdges) {
  TControl* button = Edit->GetButtonControl(0);
  const TPoint origin = button->ClientToScreen({0, 0});
  const int width = button->GetWidth();
  const int height = button->GetHeight();
  EXPECT_EQ(Driver.ScreenPixel(origin.X, origin.Y + 5), ControlTest::Rgb(clBtnFace));
  EXPECT_EQ(Driver.ScreenPixel(origin.X + 5, origin.Y), ControlTest::Rgb(clBtnFace));
  EXPECT_EQ(Driver.ScreenPixel(origin.X + 3, origin.Y + 1), ControlTest::Rgb(clBtnHighlight));
  EXPECT_EQ(Driver.ScreenPixel(origin.X + 1, origin.Y + height - 3),
            ControlTest::Rgb(clBtnHighlight));
  EXPECT_EQ(Driver.ScreenPixel(origin.X + width - 1, origin.Y), RGB(0, 0, 0));
  // The drop-down arrow: its widest row is black at the middle of the button.
  bool arrow = false;
  for (int y = 0; y < height; ++y)
    arrow |= ControlTest::IsDark(Driver.ScreenPixel(origin.X + width / 2, origin.Y + y));
  EXPECT_TRUE(arrow);
}

TEST_F(VxEditTest, TypingReturnAndReadOnly) {
  ControlTest::TEventLog log;
  Edit->SetOnKeyDown(MakeMethod<&ControlTest::TEventLog::KeyDown>(&log));
  Edit->SetFocus();
  Driver.ProcessMessages();
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(GetFocus(), Inner()->GetHandle());
  Driver.Type("ab");
  Driver.PressKey(VK_RETURN);
  Driver.Type("c");
  EXPECT_EQ(Edit->GetText(), "abc") << "Return inserts no line break";
  EXPECT_TRUE(Edit->GetModified());
  int returns = 0;
  for (const std::string& line : log.Lines)
    returns += line == "KeyDown VxEdit1 13";
  EXPECT_EQ(returns, 0) << "Return is swallowed before the key events";
  EXPECT_GT(log.Lines.size(), 0u);

  // Alt keys are the composite's own: no key event, and no drop without a first button.
  log.Lines.clear();
  Edit->SetNumButtons(0);
  Driver.PressKey(VK_DOWN, false, false, true);
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_TRUE(log.Lines.empty());

  Edit->SetReadOnly(true);
  Driver.Type("d");
  EXPECT_EQ(Edit->GetText(), "abc");
  Edit->SetReadOnly(false);
  Driver.Type("d");
  EXPECT_EQ(Edit->GetText(), "abcd");
  Edit->SelectAll();
  EXPECT_EQ(Inner()->GetSelLength(), 4);
  Edit->Deselect();
  EXPECT_EQ(Inner()->GetSelLength(), 0);
}

TEST_F(VxEditTest, FirstClickOnlyFocusesAndDoubleClicksNeverReachTheInnerEdit) {
  ControlTest::TEventLog log;
  Edit->SetOnMouseDown(MakeMethod<&ControlTest::TEventLog::MouseDown>(&log));
  Edit->SetText("hello world");
  Edit->Deselect();
  TVxEdit* other = NewVxEdit(10, 60, "Other");
  other->SetFocus();
  Driver.ProcessMessages();
  ASSERT_FALSE(Edit->Focused());

  const TPoint word = Inner()->ClientToScreen({6, 8});
  Driver.Click(word.X, word.Y);
  ASSERT_EQ(log.Lines.size(), 1u);
  EXPECT_EQ(log.Lines[0].rfind("MouseDown VxEdit1", 0), 0u) << log.Lines[0];
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(Inner()->GetSelStart(), 0) << "the first click does not reach the inner edit";

  Driver.AdvanceClock(1000);
  const TPoint later = Inner()->ClientToScreen({40, 8});
  Driver.Click(later.X, later.Y);
  EXPECT_GT(Inner()->GetSelStart(), 0) << "later clicks place the caret";

  Driver.AdvanceClock(1000);
  Inner()->SetSelStart(0);
  Driver.DoubleClick(word.X, word.Y);
  EXPECT_EQ(Inner()->GetSelLength(), 0) << "a double click selects no word";
  EXPECT_NE(log.Lines.back().find(" double"), std::string::npos) << log.Lines.back();
}

TEST_F(VxEditTest, FailuresWhileTheCompositeLooksAtAMessageDropIt) {
  TThrower thrower;
  Edit->SetOnMouseDown(MakeMethod<&TThrower::MouseDown>(&thrower));
  Edit->SetText("text");
  Edit->SetFocus();
  Driver.ProcessMessages();
  Inner()->SetSelStart(0);
  const TPoint point = Inner()->ClientToScreen({40, 8});
  Driver.Click(point.X, point.Y);
  EXPECT_EQ(thrower.Calls, 1);
  EXPECT_EQ(Inner()->GetSelStart(), 0) << "the click was dropped";
  EXPECT_EQ(Errors(), "");
}

TEST_F(VxEditTest, EditSourceReceivesTheTextWhenTheControlIsLeft) {
  Edit->SetEditSourceType("TUpperSource");
  auto* source = dynamic_cast<TUpperSource*>(Edit->GetEditSource());
  ASSERT_TRUE(source);
  TVxEdit* other = NewVxEdit(10, 60, "Other");
  Edit->SetFocus();
  Driver.ProcessMessages();
  Driver.Type("left");
  other->SetFocus();
  Driver.ProcessMessages();
  EXPECT_EQ(source->GetSourceText(), "LEFT");
  EXPECT_GE(source->Stores, 1);
  // An unknown source name gives the default source back.
  Edit->SetEditSourceType("TNoSource");
  EXPECT_TRUE(dynamic_cast<TDummyEditSource*>(Edit->GetEditSource()));
}

TEST_F(VxEditTest, ButtonCursorsFollowTheMouse) {
  Edit->SetNumButtons(2);
  Edit->GetButton1()->SetCursor(crHandPoint);
  Edit->GetButton2()->SetCursor(crHelp);
  Driver.ProcessMessages();
  const TPoint first = ButtonPoint(Edit, 0);
  Driver.MoveTo(first.X, first.Y);
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crHandPoint));
  const TPoint second = ButtonPoint(Edit, 1);
  Driver.MoveTo(second.X, second.Y);
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crHelp));
}
