// The inspector demo: a form with a few controls beside an object inspector that lists the
// properties of the one chosen (the button at first). With a display it runs in a real window;
// with --screenshot FILE it paints once and writes the desktop as a PNG.
#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/ProgramHost.h"
#include "core/Module.h"
#include "oinspect/ObjectInspector.h"

namespace {
class TDemoForm : public TForm {
  DECLARE_CLASS(TDemoForm, TForm);

 public:
  explicit TDemoForm(TComponent* owner);

  // Each control shows its properties when clicked.
  void ControlClick(TObject* sender) { Inspector->SetControl(static_cast<TComponent*>(sender)); }

 private:
  template <typename T>
  T* Add(const char* name, int left, int top, int width, int height) {
    auto* control = new T(this);
    control->SetName(name);
    control->SetParent(this);
    control->SetBounds(left, top, width, height);
    return control;
  }

  TObjectInspector* Inspector = nullptr;
};
IMPLEMENT_CLASS(TDemoForm) {
  METHOD(ControlClick);
}

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
  SetName("DemoForm");
  SetCaption("Object inspector");
  SetBounds(16, 16, 560, 420);
  const TNotifyEvent click = MakeMethod<&TDemoForm::ControlClick>(this);
  auto* button = Add<TButton>("Button1", 16, 16, 96, 25);
  button->SetCaption("Inspect me");
  button->SetOnClick(click);
  auto* check = Add<TCheckBox>("CheckBox1", 16, 56, 120, 17);
  check->SetCaption("A check box");
  check->SetOnClick(click);
  auto* label = Add<TLabel>("Label1", 16, 88, 120, 13);
  label->SetCaption("Click a control");
  label->SetOnClick(click);
  // The inspector fills the right-hand side; its parent is the form that owns it.
  Inspector = new TObjectInspector(this);
  Inspector->SetBounds(176, 8, 368, 376);
  Inspector->SetFixedColWidth(130);
  Inspector->SetControl(button);
}
}  // namespace

int main(int argc, char** argv) {
  TProgramHost host(argc, argv);
  if (!host.Ok()) return host.Fail();
  Application->Initialize();
  TDemoForm* form = nullptr;
  Application->CreateForm(form);
  return host.Run();
}
