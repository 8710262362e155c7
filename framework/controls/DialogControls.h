#pragma once

#include <string>

#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/Label.h"

// Building blocks of the framework's dialogs, which make their controls in code.

// Gives a dialog form its caption and client size.
TForm* NewDialogForm(TForm* form, const std::string& caption, int clientWidth, int clientHeight);
// Shows form modally as a dialog: dialog border, centred on the screen. (Set here rather than
// at construction, so that the dialog classes keep the form's declared defaults.)
TModalResult ShowDialogModal(TForm* form);
// A control of class T on form at the given bounds, named so that tests and programs find it.
template <typename T>
T* NewDialogControl(TForm* form, const char* name, int left, int top, int width, int height) {
  T* control = new T(form);
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  return control;
}
// A label whose accelerator focuses control.
TLabel* NewDialogLabel(TForm* form, const std::string& caption, TWinControl* control, int left,
                       int top);
// The OK (default) and Cancel buttons, named OkButton and CancelButton, one below the other at
// (left, top) or side by side.
void NewOkCancelButtons(TForm* form, int left, int top, bool sideBySide);
