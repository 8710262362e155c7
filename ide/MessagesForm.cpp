#include "MessagesForm.h"

#include "controls/ListBox.h"
#include "core/Strings.h"

IMPLEMENT_CLASS(TMessagesForm) {}

TMessagesForm::TMessagesForm(TComponent* owner) : TForm(owner), FList(new TListBox(this)) {
  SetName("MessagesForm");
  SetCaption("Messages");
  SetBounds(310, 640, 960, 150);
  FList->SetName("MessageList");
  FList->SetParent(this);
  FList->SetAlign(alClient);
}

void TMessagesForm::AddLine(const std::string& line) {
  FList->GetItems()->Add(line);
  if (FEcho) *FEcho << line << '\n';
}

void TMessagesForm::AddLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    AddLine(line);
}

std::vector<std::string> TMessagesForm::GetLines() const {
  std::vector<std::string> lines;
  TStrings* items = FList->GetItems();
  for (int i = 0; i < items->GetCount(); ++i)
    lines.push_back(items->Get(i));
  return lines;
}
