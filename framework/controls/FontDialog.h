#pragma once

#include "controls/Form.h"
#include "graphics/Font.h"

class TCheckBox;
class TComboBox;
class TLabel;
class TListBox;

// The form of the font dialog: family, style, size, colour and effects, with a preview. Its
// controls edit a copy of the font (ChosenFont); nothing else changes until its owner takes
// that copy.
class TFontDialogForm : public TForm {
  DECLARE_CLASS(TFontDialogForm, TForm);

 public:
  explicit TFontDialogForm(TComponent* owner);
  ~TFontDialogForm() override;

  // Shows font's values in the controls and takes them as the chosen font.
  void LoadFont(TFont* font);
  TFont* GetChosenFont() const { return FChosen; }

 private:
  void BuildControls();
  void FamilyClick(TObject* sender);
  void StyleClick(TObject* sender);
  void SizeChange(TObject* sender);
  void ColorChange(TObject* sender);
  void EffectClick(TObject* sender);
  // OK with a size that is no size keeps the dialog open and says so.
  void CheckSize(TObject* sender, bool& canClose);
  bool ReadSize(int& size) const;
  void ShowPreview();

  TListBox* FFamilies = nullptr;
  TListBox* FStyles = nullptr;
  TComboBox* FSizes = nullptr;
  TComboBox* FColors = nullptr;
  TCheckBox* FStrikeOut = nullptr;
  TCheckBox* FUnderline = nullptr;
  TLabel* FPreview = nullptr;
  TFont* FChosen;
  bool FLoading = false;
};

// The font dialog of programs and designers: Execute shows the font of Font to the user,
// modally, and OK copies the choice into Font.
class TFontDialog : public TComponent {
  DECLARE_CLASS(TFontDialog, TComponent);

 public:
  explicit TFontDialog(TComponent* owner);
  ~TFontDialog() override;

  TFont* GetFont() const { return FFont; }
  // Copies value's attributes.
  void SetFont(TFont* value) { FFont->Assign(value); }
  // Shows the dialog; true when the user chose OK (Font then holds the choice), false when the
  // user cancelled (Font unchanged).
  bool Execute();

 private:
  TFont* FFont;
};
