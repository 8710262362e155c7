#include "designintf/LinesEditor.h"

#include "controls/Application.h"
#include "controls/DialogControls.h"
#include "controls/Memo.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TLinesEditorForm) {}

TLinesEditorForm::TLinesEditorForm(TComponent* owner) : TForm(owner) {
  NewDialogForm(this, "String List Editor", 360, 260);
  FCount = NewDialogLabel(this, "", nullptr, 8, 8);
  FCount->SetName("CountLabel");
  FCount->SetWidth(200);
  FMemo = NewDialogControl<TMemo>(this, "Memo", 8, 26, 344, 190);
  FMemo->SetScrollBars(ssBoth);
  FMemo->SetWantTabs(false);
  FMemo->SetOnChange(MakeMethod<&TLinesEditorForm::MemoChange>(this));
  NewOkCancelButtons(this, 194, 226, true);
  SetActiveControl(FMemo);
  ShowCount();
}

void TLinesEditorForm::MemoChange(TObject*) {
  ShowCount();
}

void TLinesEditorForm::ShowCount() {
  const int count = FMemo->GetLines()->GetCount();
  FCount->SetCaption(count == 1 ? std::string("1 line") : Format("%d lines", count));
}

bool EditLines(TStrings* lines, const std::string& caption) {
  auto* form = new TLinesEditorForm(Application);
  try {
    if (!caption.empty()) form->SetCaption(caption);
    form->GetMemo()->SetLines(lines);
    const bool accepted = ShowDialogModal(form) == mrOk;
    if (accepted) lines->Assign(form->GetMemo()->GetLines());
    form->Free();
    return accepted;
  } catch (...) {
    form->Free();
    throw;
  }
}
