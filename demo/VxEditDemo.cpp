// The composite edit demo: a form with two TVxEdit controls, one dropping a list of
// alignments and one the colour list. With --drop list or --drop color the chosen control drops
// its popup once the form shows, so that --screenshot FILE shows it open.
#include <cstring>
#include <string>
#include <vector>

#include "controls/Application.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/ProgramHost.h"
#include "core/Module.h"
#include "vxedit/PopupColorBox.h"
#include "vxedit/PopupListBox.h"
#include "vxedit/VxEdit.h"

namespace {
class TVxEditDemoForm : public TForm {
  DECLARE_CLASS(TVxEditDemoForm, TForm);

 public:
  explicit TVxEditDemoForm(TComponent* owner);

  // Drops the popup of the control the command line named, once, when the loop first idles.
  void DropOnIdle(TObject* sender, bool& done);
  std::string DropName;

 private:
  TVxEdit* AddEdit(const char* name, const char* caption, int top);

  TVxEdit* Alignment = nullptr;
  TVxEdit* Colour = nullptr;
};
IMPLEMENT_CLASS(TVxEditDemoForm) {}

TVxEditDemoForm::TVxEditDemoForm(TComponent* owner) : TForm(owner) {
  SetName("VxEditDemoForm");
  SetCaption("Composite edit");
  SetBounds(16, 16, 320, 300);
  Alignment = AddEdit("Alignment", "Alignment", 16);
  Alignment->SetPopup(TPopupListBox::StaticClass());
  TStrings* items = static_cast<TPopupListBox*>(Alignment->GetPopupWindow())->GetItems();
  for (const char* item : {"Left", "Center", "Right", "Justify"})
    items->Add(item);
  Alignment->SetText("Center");

  Colour = AddEdit("Colour", "Colour", 72);
  Colour->SetPopup(TPopupColorBox::StaticClass());
  Colour->GetPopupWindow()->SetHeight(150);
  Colour->SetText("clTeal");
}

TVxEdit* TVxEditDemoForm::AddEdit(const char* name, const char* caption, int top) {
  auto* label = new TLabel(this);
  label->SetParent(this);
  label->SetBounds(16, top, 120, 13);
  label->SetCaption(caption);
  auto* edit = new TVxEdit(this);
  edit->SetName(name);
  edit->SetParent(this);
  edit->SetBounds(16, top + 16, 160, 21);
  edit->SetEditClass("TVxSimpleEdit");
  return edit;
}

void TVxEditDemoForm::DropOnIdle(TObject*, bool& done) {
  TVxEdit* edit = DropName == "list" ? Alignment : DropName == "color" ? Colour : nullptr;
  DropName.clear();
  Application->SetOnIdle(TIdleEvent());
  if (edit) edit->SetDroppedDown(true);
  done = true;
}
}  // namespace

int main(int argc, char** argv) {
  // --drop list|color is the demo's own; the rest goes to the program host.
  std::vector<const char*> args;
  std::string drop;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--drop") == 0 && i + 1 < argc)
      drop = argv[++i];
    else
      args.push_back(argv[i]);
  }
  TProgramHost host(static_cast<int>(args.size()), args.data());
  if (!host.Ok()) return host.Fail();
  Application->Initialize();
  TVxEditDemoForm* form = nullptr;
  Application->CreateForm(form);
  form->DropName = drop;
  if (!drop.empty()) Application->SetOnIdle(MakeMethod<&TVxEditDemoForm::DropOnIdle>(form));
  return host.Run();
}
