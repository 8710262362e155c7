#include "VxEditTestSupport.h"

#include <algorithm>
#include <cstring>

#include "core/Module.h"
#include "graphics/Canvas.h"
#include "vxedit/EditRegistry.h"

namespace VxEditTest {

namespace {
// The component class the test registrations are filtered by.
class TVxTestHolder : public TComponent {
  DECLARE_CLASS(TVxTestHolder, TComponent);

 public:
  using TComponent::TComponent;
};
}  // namespace

TTestPopup::TTestPopup(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 60, 50);
}

void TTestPopup::KeyDown(WORD& key, TShiftState shift) {
  Keys.push_back(key);
  TCustomControl::KeyDown(key, shift);
}

void TTestPopup::WMSetText(TWMSetText& message) {
  Received = message.Text();
}

void TTestPopup::WMGetText(TWMGetText& message) {
  if (FailGetText) throw Exception("The popup cannot give its value");
  const size_t length = std::min(Answer.size(), static_cast<size_t>(message.TextMax() - 1));
  std::memcpy(message.Text(), Answer.data(), length);
  message.Text()[length] = '\0';
  message.Result = static_cast<LRESULT>(length);
}

void TUpperSource::SetSourceText(const std::string& text) {
  ++Stores;
  FText = text;
  std::transform(FText.begin(), FText.end(), FText.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

void RegisterTestClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterPopupClass(nullptr, TVxTestHolder::StaticClass(), "", TTestPopup::StaticClass());
  RegisterEditClass(nullptr, TVxTestHolder::StaticClass(), "", TTestEdit::StaticClass());
  RegisterEditSource(TUpperSource::StaticClass());
}

TVxEditFixture::TVxEditFixture() {
  RegisterTestClasses();
  Form = NewForm(20, 20, 400, 300);
  Edit = NewVxEdit(10, 10, "VxEdit1");
}

TVxEdit* TVxEditFixture::NewVxEdit(int left, int top, const char* name) {
  auto* edit = New<TVxEdit>(Form, left, top, 121, 21, name);
  edit->SetEditClass("TVxSimpleEdit");
  Driver.ProcessMessages();
  return edit;
}

TPoint TVxEditFixture::ButtonPoint(TCustomVxEdit* edit, int index) {
  TControl* button = edit->GetButtonControl(index);
  return button->ClientToScreen({button->GetWidth() / 2, button->GetHeight() / 2});
}

void TVxEditFixture::ClickButton(TCustomVxEdit* edit, int index) {
  const TPoint point = ButtonPoint(edit, index);
  Driver.Click(point.X, point.Y);
}

TTestPopup* TVxEditFixture::UseTestPopup(TCustomVxEdit* edit) {
  edit->SetPopupClassName("TTestPopup");
  return dynamic_cast<TTestPopup*>(edit->GetPopupWindow());
}

std::vector<COLORREF> TVxEditFixture::ScreenBlock(TControl* control, const TRect& block) {
  std::vector<COLORREF> pixels;
  for (int y = block.Top; y < block.Bottom; ++y)
    for (int x = block.Left; x < block.Right; ++x)
      pixels.push_back(Pixel(control, x, y));
  return pixels;
}

std::vector<COLORREF> CanvasBlock(TCanvas* canvas, const TRect& block) {
  std::vector<COLORREF> pixels;
  for (int y = block.Top; y < block.Bottom; ++y)
    for (int x = block.Left; x < block.Right; ++x)
      pixels.push_back(ColorToRGB(canvas->GetPixel(x, y)));
  return pixels;
}

bool TApplyingVxEdit::ApplyValue() {
  Applied.push_back(GetText());
  return true;
}

}  // namespace VxEditTest

using namespace VxEditTest;
IMPLEMENT_CLASS(TTestPopup) {
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(WM_GETTEXT, WMGetText);
}
IMPLEMENT_CLASS(TTestEdit) {}
IMPLEMENT_CLASS(TApplyingVxEdit) {}
IMPLEMENT_CLASS(TUpperSource) {}
IMPLEMENT_CLASS(TVxTestHolder) {}
