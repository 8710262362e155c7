#include "ControlTestSupport.h"

#include "core/Module.h"
#include "core/SysUtils.h"

namespace ControlTest {

IMPLEMENT_CLASS(TEventLog) {}

std::string NameOf(TObject* sender) {
  if (auto* component = dynamic_cast<TComponent*>(sender);
      component && !component->GetName().empty())
    return component->GetName();
  return sender ? sender->ClassName() : "null";
}

void TEventLog::Click(TObject* sender) {
  Lines.push_back("Click " + NameOf(sender));
}
void TEventLog::DblClick(TObject* sender) {
  Lines.push_back("DblClick " + NameOf(sender));
}
void TEventLog::Enter(TObject* sender) {
  Lines.push_back("Enter " + NameOf(sender));
}
void TEventLog::Exit(TObject* sender) {
  Lines.push_back("Exit " + NameOf(sender));
}
void TEventLog::MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
  Lines.push_back(Format("MouseDown %s %d %d,%d%s", NameOf(sender), int(button), x, y,
                         shift.Contains(ssDouble) ? " double" : ""));
}
void TEventLog::MouseUp(TObject* sender, TMouseButton button, TShiftState, int x, int y) {
  Lines.push_back(Format("MouseUp %s %d %d,%d", NameOf(sender), int(button), x, y));
}
void TEventLog::KeyDown(TObject* sender, WORD& key, TShiftState) {
  Lines.push_back(Format("KeyDown %s %d", NameOf(sender), int(key)));
  if (key == SwallowKey) key = 0;
}
void TEventLog::KeyPress(TObject* sender, char32_t& key) {
  Lines.push_back(Format("KeyPress %s %d", NameOf(sender), int(key)));
}
void TEventLog::Show(TObject* sender) {
  Lines.push_back("Show " + NameOf(sender));
}
void TEventLog::Hide(TObject* sender) {
  Lines.push_back("Hide " + NameOf(sender));
}
void TEventLog::Activate(TObject* sender) {
  Lines.push_back("Activate " + NameOf(sender));
}
void TEventLog::Create(TObject* sender) {
  Lines.push_back("Create " + NameOf(sender));
}
void TEventLog::Destroy(TObject* sender) {
  Lines.push_back("Destroy " + NameOf(sender));
}
void TEventLog::Close(TObject* sender, TCloseAction& action) {
  Lines.push_back("Close " + NameOf(sender));
  action = CloseAction;
}
void TEventLog::CloseQuery(TObject* sender, bool& canClose) {
  Lines.push_back("CloseQuery " + NameOf(sender));
  canClose = CanClose;
}
void TEventLog::FreeSender(TObject* sender) {
  Lines.push_back("Free " + NameOf(sender));
  sender->Free();
}

TFixture::TFixture() : Log(new TEventLog()), FSavedApplication(Application) {
  Application = new TApplication(nullptr);
  Application->SetErrorOutput(&FErrors);
}

TFixture::~TFixture() {
  // The forms go with the test's Application, while the window system still has their
  // windows; the driver resets the window system afterwards.
  Application->Free();
  Application = FSavedApplication;
  Log->Free();
}

TForm* TFixture::NewForm(int left, int top, int width, int height, bool show) {
  auto* form = new TForm(Application);
  form->SetBounds(left, top, width, height);
  if (show) form->Show();
  Driver.ProcessMessages();
  return form;
}

TPoint TFixture::ScreenPoint(TControl* control, int x, int y) const {
  const TRect client = control->GetClientRect();
  if (x < 0) x = client.Width() / 2;
  if (y < 0) y = client.Height() / 2;
  return control->ClientToScreen({x, y});
}

void TFixture::ClickAt(TControl* control, int x, int y) {
  const TPoint p = ScreenPoint(control, x, y);
  Driver.Click(p.X, p.Y);
}

void TFixture::MoveOver(TControl* control, int x, int y) {
  const TPoint p = ScreenPoint(control, x, y);
  Driver.MoveTo(p.X, p.Y);
}

COLORREF TFixture::Pixel(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen({x, y});
  return Driver.ScreenPixel(p.X, p.Y);
}

bool IsDark(COLORREF pixel) {
  return GetRValue(pixel) < 0x40 && GetGValue(pixel) < 0x40 && GetBValue(pixel) < 0x40;
}

COLORREF Rgb(TColor color) {
  return ColorToRGB(color);
}

}  // namespace ControlTest
