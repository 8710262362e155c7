#include "controls/DialogControls.h"

namespace {
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;
constexpr int LabelHeight = 13;
}  // namespace

TForm* NewDialogForm(TForm* form, const std::string& caption, int clientWidth, int clientHeight) {
  form->SetCaption(caption);
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);
  return form;
}

TModalResult ShowDialogModal(TForm* form) {
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  return form->ShowModal();
}

TLabel* NewDialogLabel(TForm* form, const std::string& caption, TWinControl* control, int left,
                       int top) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(left, top, control ? control->GetWidth() : 100, LabelHeight);
  label->SetCaption(caption);
  label->SetFocusControl(control);
  return label;
}

void NewOkCancelButtons(TForm* form, int left, int top, bool sideBySide) {
  auto* ok = NewDialogControl<TButton>(form, "OkButton", left, top, ButtonWidth, ButtonHeight);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  const int cancelLeft = sideBySide ? left + ButtonWidth + ButtonGap : left;
  const int cancelTop = sideBySide ? top : top + ButtonHeight + ButtonGap;
  auto* cancel = NewDialogControl<TButton>(form, "CancelButton", cancelLeft, cancelTop, ButtonWidth,
                                           ButtonHeight);
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
}
