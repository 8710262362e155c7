#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "controls/Form.h"

class TListBox;

// The IDE's message view: one line per note, such as what a form file's reader skipped or why
// a package did not load.
class TMessagesForm : public TForm {
  DECLARE_CLASS(TMessagesForm, TForm);

 public:
  explicit TMessagesForm(TComponent* owner);

  void AddLine(const std::string& line);
  void AddLines(const std::vector<std::string>& lines);
  std::vector<std::string> GetLines() const;
  // Where each line is written as well (a headless run has no window to read); null: nowhere.
  void SetEcho(std::ostream* echo) { FEcho = echo; }

 private:
  TListBox* FList;
  std::ostream* FEcho = nullptr;
};
