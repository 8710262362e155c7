#pragma once

#include <string>

#include "controls/Form.h"

class TEdit;

// Asks for the path of a form file to open.
class TOpenFormDialog : public TForm {
  DECLARE_CLASS(TOpenFormDialog, TForm);

 public:
  explicit TOpenFormDialog(TComponent* owner);

  // Shows the dialog modally; true with fileName set when the user chose OK with a path.
  static bool Execute(std::string& fileName);
  std::string GetFileName() const;

 private:
  TEdit* FPath;
};
