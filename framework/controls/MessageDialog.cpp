#include "controls/MessageDialog.h"

#include <algorithm>
#include <vector>

#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/Screen.h"
#include "winsys/WinUser.h"

namespace {
constexpr int Margin = 8;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonSpacing = 6;
constexpr int MessageButtonGap = 12;

struct TButtonSpec {
  const char* Caption;
  TModalResult Result;
};

const TButtonSpec& SpecOf(TMsgDlgBtn button) {
  static const TButtonSpec specs[] = {
      {"&Yes", mrYes},       {"&No", mrNo},       {"OK", mrOk},
      {"Cancel", mrCancel},  {"&Abort", mrAbort}, {"&Retry", mrRetry},
      {"&Ignore", mrIgnore}, {"&All", mrAll},     {"&Help", mrNone},
  };
  return specs[button];
}

std::string CaptionOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return "Warning";
    case mtError:
      return "Error";
    case mtInformation:
      return "Information";
    case mtConfirmation:
      return "Confirm";
    default:
      return Application->GetTitle();
  }
}

TMsgDlgBtn CancelButtonOf(TMsgDlgButtons buttons) {
  if (buttons.Contains(mbCancel)) return mbCancel;
  if (buttons.Contains(mbNo)) return mbNo;
  return mbOK;
}
}  // namespace

TForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
  if (buttons.Empty()) buttons = {mbOK};
  auto* form = new TForm(Application);
  try {
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetCaption(CaptionOf(type));
    auto* text = new TLabel(form);
    text->SetName("Message");
    text->SetParent(form);
    text->SetWordWrap(true);
    // Long messages wrap at half the screen's width.
    text->SetBounds(Margin, Margin, std::max(Screen->GetWidth() / 2, 120), 13);
    text->SetCaption(message);
    text->SetShowAccelChar(false);
    std::vector<TMsgDlgBtn> chosen;
    for (int b = mbYes; b <= mbHelp; ++b)
      if (buttons.Contains(static_cast<TMsgDlgBtn>(b)))
        chosen.push_back(static_cast<TMsgDlgBtn>(b));
    const int count = static_cast<int>(chosen.size());
    const int buttonsWidth = count * ButtonWidth + (count - 1) * ButtonSpacing;
    const int clientWidth = std::max(text->GetWidth(), buttonsWidth) + 2 * Margin;
    const int buttonTop = Margin + text->GetHeight() + MessageButtonGap;
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(buttonTop + ButtonHeight + Margin);
    const TMsgDlgBtn cancel = CancelButtonOf(buttons);
    int left = (clientWidth - buttonsWidth) / 2;
    for (TMsgDlgBtn kind : chosen) {
      auto* button = new TButton(form);
      button->SetParent(form);
      button->SetCaption(SpecOf(kind).Caption);
      button->SetModalResult(SpecOf(kind).Result);
      button->SetBounds(left, buttonTop, ButtonWidth, ButtonHeight);
      if (kind == chosen.front()) {
        button->SetDefault(true);
        form->SetActiveControl(button);
      }
      if (kind == cancel) button->SetCancel(true);
      left += ButtonWidth + ButtonSpacing;
    }
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  if (const auto& hook = Application->GetMessageDlgHook()) return hook(message, type, buttons);
  TForm* form = CreateMessageDialog(message, type, buttons);
  TControlRef<TForm> alive(form);
  int result = mrCancel;
  try {
    result = form->ShowModal();
  } catch (...) {
    if (alive) form->Free();
    throw;
  }
  if (alive) form->Free();
  return result;
}

void ShowMessage(const std::string& message) {
  MessageDlg(message, mtCustom, {mbOK});
}
