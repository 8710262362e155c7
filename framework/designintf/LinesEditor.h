#pragma once

#include <string>

#include "controls/Form.h"
#include "core/Strings.h"

class TLabel;
class TMemo;

// The editor of string lists: the lines in a memo (Memo), their count above it (CountLabel), OK
// and Cancel.
class TLinesEditorForm : public TForm {
  DECLARE_CLASS(TLinesEditorForm, TForm);

 public:
  explicit TLinesEditorForm(TComponent* owner);

  TMemo* GetMemo() const { return FMemo; }

 private:
  void MemoChange(TObject* sender);
  void ShowCount();

  TMemo* FMemo;
  TLabel* FCount;
};

// Shows lines in the lines editor, modally, under caption. OK copies the edited lines into
// lines and answers true; Cancel changes nothing and answers false.
bool EditLines(TStrings* lines, const std::string& caption);
