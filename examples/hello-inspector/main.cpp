// hello-inspector: declares a component of its own with a few published properties and puts a
// TObjectInspector on a form to inspect and edit it. It prints the inspector's rows; with a
// display it then runs in a window; headless (--headless, or no display) it paints once, and
// --screenshot FILE writes the screen as PNG.
#include <cstdio>

#include <vellmark/controls/Application.h>
#include <vellmark/controls/Form.h>
#include <vellmark/controls/ProgramHost.h>
#include <vellmark/core/Component.h>
#include <vellmark/designintf/PropertyEditor.h>
#include <vellmark/oinspect/ObjectInspector.h>

enum TMood : uint8_t { mdCalm, mdCheerful, mdGrumpy };
PUBLISHED_ENUM(TMood, mdCalm, mdCheerful, mdGrumpy)

class TGreeter : public TComponent {
  DECLARE_CLASS(TGreeter, TComponent);

 public:
  using TComponent::TComponent;

  std::string Greeting = "Hello, inspector";
  int32_t Repeat = 3;
  bool Loud = false;
  TMood Mood = mdCheerful;
  TColor Color = clNavy;
};

IMPLEMENT_CLASS(TGreeter) {
  PROPERTY(Greeting, Greeting, Greeting);
  PROPERTY(Repeat, Repeat, Repeat);
  PROPERTY(Loud, Loud, Loud);
  PROPERTY(Mood, Mood, Mood);
  PROPERTY(Color, Color, Color);
}

// The main form: an inspector filling the form, showing the greeter that the form owns.
class THelloForm : public TForm {
  DECLARE_CLASS(THelloForm, TForm);

 public:
  explicit THelloForm(TComponent* owner) : TForm(owner) {
    SetCaption("Hello, inspector");
    SetBounds(16, 16, 300, 250);
    auto* greeter = new TGreeter(this);
    greeter->SetName("Greeter1");
    Inspector = new TObjectInspector(this);
    Inspector->SetAlign(alClient);
    Inspector->SetControl(greeter);
  }

  // Each property row as the inspector shows it: name and value.
  void PrintRows() const {
    for (int32_t i = 0; i < Inspector->GetInfoRecCount(); ++i) {
      const TInfoRec* row = Inspector->GetInfoRec(i);
      if (row->IsGroup || !row->PropEdit) continue;  // a group's header
      std::printf("%-10s %s\n", row->DisplayName.c_str(), row->PropEdit->GetValue().c_str());
    }
  }

  TObjectInspector* Inspector = nullptr;
};

IMPLEMENT_CLASS(THelloForm) {}

int main(int argc, char** argv) {
  TProgramHost host(argc, argv);
  if (!host.Ok()) return host.Fail();
  Application->Initialize();
  THelloForm* form = nullptr;
  Application->CreateForm(form);
  form->PrintRows();
  return host.Run();
}
