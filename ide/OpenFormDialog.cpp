#include "OpenFormDialog.h"

#include <memory>

#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Label.h"

IMPLEMENT_CLASS(TOpenFormDialog) {}

TOpenFormDialog::TOpenFormDialog(TComponent* owner) : TForm(owner), FPath(new TEdit(this)) {
  SetName("OpenFormDialog");
  SetCaption("Open form file");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientWidth(420);
  SetClientHeight(96);
  auto* label = new TLabel(this);
  label->SetParent(this);
  label->SetBounds(12, 12, 396, 16);
  label->SetCaption("Form file (text or binary):");
  FPath->SetName("PathEdit");
  FPath->SetParent(this);
  FPath->SetBounds(12, 32, 396, 22);
  FPath->SetText("");
  auto* ok = new TButton(this);
  ok->SetParent(this);
  ok->SetBounds(252, 62, 75, 25);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = new TButton(this);
  cancel->SetParent(this);
  cancel->SetBounds(333, 62, 75, 25);
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  SetActiveControl(FPath);
}

std::string TOpenFormDialog::GetFileName() const {
  return FPath->GetText();
}

bool TOpenFormDialog::Execute(std::string& fileName) {
  std::unique_ptr<TOpenFormDialog, void (*)(TOpenFormDialog*)> dialog(
      new TOpenFormDialog(nullptr), [](TOpenFormDialog* d) { d->Free(); });
  if (dialog->ShowModal() != mrOk || dialog->GetFileName().empty()) return false;
  fileName = dialog->GetFileName();
  return true;
}
