#pragma once

#include <cstdint>
#include <string>

#include "controls/ModalResult.h"
#include "core/Set.h"
#include "rtti/TypeInfo.h"

class TForm;

// What a message dialog says about itself: its caption and icon.
enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
PUBLISHED_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)

// The buttons a message dialog offers, in the order they appear.
enum TMsgDlgBtn : uint8_t {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbHelp
};
PUBLISHED_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
PUBLISHED_SET(TMsgDlgButtons, TMsgDlgBtn)

inline constexpr TMsgDlgButtons mbYesNoCancel = {mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel = {mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore = {mbAbort, mbRetry, mbIgnore};

// A dialog form showing message with an icon for type and the buttons: the first button is the
// default (Enter), Cancel, else No, else OK is the cancel button (Escape). Owned by Application;
// the caller frees it.
TForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows such a dialog modally and returns the modal result of the button chosen (mrCancel when
// it was closed otherwise). Application's message-dialog hook, when set, answers instead.
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
               int helpContext = 0);
// A message with an OK button, captioned with Application's title.
void ShowMessage(const std::string& message);
