#include "controls/FontDialog.h"

#include <array>

#include "controls/Application.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/DialogControls.h"
#include "controls/ListBox.h"
#include "controls/MessageDialog.h"
#include "controls/Screen.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Color.h"

IMPLEMENT_CLASS(TFontDialogForm) {}

IMPLEMENT_CLASS(TFontDialog) {
  PROPERTY(Font, GetFont, SetFont);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TFontDialog::StaticClass()});
  return true;
}();

constexpr std::array<const char*, 4> StyleNames = {"Regular", "Italic", "Bold", "Bold Italic"};
constexpr std::array<int, 16> StandardSizes = {8,  9,  10, 11, 12, 14, 16, 18,
                                               20, 22, 24, 26, 28, 36, 48, 72};
constexpr std::array<TColor, 16> StandardColors = {
    clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
    clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
// The largest size whose pixel height still fits a font's height.
constexpr int MaxSize = 1638;

TObject* ColorObject(TColor color) {
  return reinterpret_cast<TObject*>(static_cast<intptr_t>(color));
}

TColor ObjectColor(TObject* object) {
  return static_cast<TColor>(reinterpret_cast<intptr_t>(object));
}

int StyleIndex(TFontStyles style) {
  return (style.Contains(fsItalic) ? 1 : 0) + (style.Contains(fsBold) ? 2 : 0);
}
}  // namespace

// The form.

TFontDialogForm::TFontDialogForm(TComponent* owner) : TForm(owner), FChosen(new TFont()) {
  NewDialogForm(this, "Font", 430, 290);
  BuildControls();
}

TFontDialogForm::~TFontDialogForm() {
  FChosen->Free();
}

void TFontDialogForm::BuildControls() {
  FFamilies = NewDialogControl<TListBox>(this, "FamilyList", 8, 24, 160, 150);
  FFamilies->SetSorted(true);
  FFamilies->SetItems(Screen->GetFonts());
  FFamilies->SetOnClick(MakeMethod<&TFontDialogForm::FamilyClick>(this));
  NewDialogLabel(this, "&Font:", FFamilies, 8, 8);

  FStyles = NewDialogControl<TListBox>(this, "StyleList", 176, 24, 110, 70);
  for (const char* name : StyleNames)
    FStyles->GetItems()->Add(name);
  FStyles->SetOnClick(MakeMethod<&TFontDialogForm::StyleClick>(this));
  NewDialogLabel(this, "Font st&yle:", FStyles, 176, 8);

  FSizes = NewDialogControl<TComboBox>(this, "SizeBox", 294, 24, 50, 21);
  for (int size : StandardSizes)
    FSizes->GetItems()->Add(IntToStr(size));
  FSizes->SetOnChange(MakeMethod<&TFontDialogForm::SizeChange>(this));
  NewDialogLabel(this, "&Size:", FSizes, 294, 8);

  FStrikeOut = NewDialogControl<TCheckBox>(this, "StrikeOutCheck", 176, 102, 110, 17);
  FStrikeOut->SetCaption("Stri&keout");
  FStrikeOut->SetOnClick(MakeMethod<&TFontDialogForm::EffectClick>(this));
  FUnderline = NewDialogControl<TCheckBox>(this, "UnderlineCheck", 176, 122, 110, 17);
  FUnderline->SetCaption("&Underline");
  FUnderline->SetOnClick(MakeMethod<&TFontDialogForm::EffectClick>(this));

  FColors = NewDialogControl<TComboBox>(this, "ColorBox", 176, 160, 110, 21);
  FColors->SetStyle(csDropDownList);
  FColors->SetDropDownCount(10);
  for (TColor color : StandardColors)
    FColors->GetItems()->AddObject(ColorToString(color), ColorObject(color));
  FColors->SetOnChange(MakeMethod<&TFontDialogForm::ColorChange>(this));
  NewDialogLabel(this, "&Color:", FColors, 176, 144);

  FPreview = NewDialogControl<TLabel>(this, "Preview", 8, 190, 336, 90);
  FPreview->SetAutoSize(false);
  FPreview->SetAlignment(taCenter);
  FPreview->SetLayout(tlCenter);
  FPreview->SetParentFont(false);
  FPreview->SetCaption("AaBbYyZz");

  NewOkCancelButtons(this, 352, 24, false);
  SetOnCloseQuery(MakeMethod<&TFontDialogForm::CheckSize>(this));
}

void TFontDialogForm::LoadFont(TFont* font) {
  FChosen->Assign(font);
  FLoading = true;
  const int family = FFamilies->GetItems()->IndexOf(font->GetName());
  FFamilies->SetItemIndex(family >= 0 ? family : -1);
  FStyles->SetItemIndex(StyleIndex(font->GetStyle()));
  FSizes->SetText(IntToStr(font->GetSize()));
  // A colour outside the standard ones gets an entry of its own.
  int color = FColors->GetItems()->IndexOfObject(ColorObject(font->GetColor()));
  if (color < 0)
    color = FColors->GetItems()->AddObject(ColorToString(font->GetColor()),
                                           ColorObject(font->GetColor()));
  FColors->SetItemIndex(color);
  FStrikeOut->SetChecked(font->GetStyle().Contains(fsStrikeOut));
  FUnderline->SetChecked(font->GetStyle().Contains(fsUnderline));
  FLoading = false;
  ShowPreview();
}

void TFontDialogForm::FamilyClick(TObject*) {
  if (FLoading || FFamilies->GetItemIndex() < 0) return;
  FChosen->SetName(FFamilies->GetItems()->Get(FFamilies->GetItemIndex()));
  ShowPreview();
}

void TFontDialogForm::StyleClick(TObject*) {
  if (FLoading || FStyles->GetItemIndex() < 0) return;
  const int index = FStyles->GetItemIndex();
  TFontStyles style = FChosen->GetStyle();
  style.Exclude(fsBold);
  style.Exclude(fsItalic);
  if (index & 1) style.Include(fsItalic);
  if (index & 2) style.Include(fsBold);
  FChosen->SetStyle(style);
  ShowPreview();
}

void TFontDialogForm::EffectClick(TObject*) {
  if (FLoading) return;
  TFontStyles style = FChosen->GetStyle();
  style.Exclude(fsStrikeOut);
  style.Exclude(fsUnderline);
  if (FStrikeOut->GetChecked()) style.Include(fsStrikeOut);
  if (FUnderline->GetChecked()) style.Include(fsUnderline);
  FChosen->SetStyle(style);
  ShowPreview();
}

bool TFontDialogForm::ReadSize(int& size) const {
  int64_t value = 0;
  if (!TryStrToInt64(Trim(std::string(FSizes->GetText())), value) || value < 1 || value > MaxSize)
    return false;
  size = static_cast<int>(value);
  return true;
}

void TFontDialogForm::SizeChange(TObject*) {
  int size = 0;
  // While the typed size is no size yet, the preview keeps the last one.
  if (FLoading || !ReadSize(size)) return;
  FChosen->SetSize(size);
  ShowPreview();
}

void TFontDialogForm::ColorChange(TObject*) {
  if (FLoading || FColors->GetItemIndex() < 0) return;
  FChosen->SetColor(ObjectColor(FColors->GetItems()->GetObject(FColors->GetItemIndex())));
  ShowPreview();
}

void TFontDialogForm::CheckSize(TObject*, bool& canClose) {
  int size = 0;
  if (GetModalResult() != mrOk || ReadSize(size)) return;
  canClose = false;
  MessageDlg(Format("The size \"%s\" is not a whole number from 1 to %d.",
                    std::string(FSizes->GetText()), MaxSize),
             mtError, {mbOK});
  FSizes->SetFocus();
}

void TFontDialogForm::ShowPreview() {
  FPreview->GetFont()->Assign(FChosen);
}

// The component.

TFontDialog::TFontDialog(TComponent* owner) : TComponent(owner), FFont(new TFont()) {}

TFontDialog::~TFontDialog() {
  FFont->Free();
}

bool TFontDialog::Execute() {
  auto* form = new TFontDialogForm(Application);
  try {
    form->LoadFont(FFont);
    const bool accepted = ShowDialogModal(form) == mrOk;
    if (accepted) FFont->Assign(form->GetChosenFont());
    form->Free();
    return accepted;
  } catch (...) {
    form->Free();
    throw;
  }
}
