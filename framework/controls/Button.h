#pragma once

#include "controls/ButtonControl.h"
#include "controls/ModalResult.h"

// A push button. Clicking it fires OnClick and sets its form's ModalResult to its own, which
// closes a modal form. A Default button answers Enter anywhere in its form (unless another
// button has the focus, which then answers), a Cancel button answers Escape.
class TButton : public TButtonControl {
  DECLARE_CLASS(TButton, TButtonControl);

 public:
  explicit TButton(TComponent* owner);

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool value);
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  // Whether Enter presses this button now: it has the focus, or it is the default and no other
  // button has it. It then shows a dark frame.
  bool GetActive() const { return FActive; }

  // Sets the form's ModalResult, then fires OnClick.
  void Click() override;

 protected:
  void Activate() override { Click(); }
  void Paint() override;
  void CMDialogKey(TCMDialogKey& message);
  void CMFocusChanged(TCMFocusChanged& message);

 private:
  void SetActive(bool value);

  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  TModalResult FModalResult = mrNone;
};
