// The control gallery: one form with every control of the framework in its states (buttons,
// check boxes, labels, alignment, edits, lists, combo boxes), a hint showing, and a message
// dialog beside it; its buttons open the font dialog and the lines editor. With a
// display it runs in a real window; with --screenshot FILE it paints once and writes the
// desktop as a PNG. Later controls join the gallery in their own group boxes.
#include <string>

#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/FontDialog.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/Memo.h"
#include "controls/MessageDialog.h"
#include "controls/ProgramHost.h"
#include "controls/Screen.h"
#include "core/Module.h"
#include "designintf/LinesEditor.h"
#include "winsys/WinUser.h"

namespace {
class TGalleryForm : public TForm {
  DECLARE_CLASS(TGalleryForm, TForm);

 public:
  explicit TGalleryForm(TComponent* owner);

  TButton* HintedButton = nullptr;
  TComboBox* DroppedCombo = nullptr;

 private:
  template <typename T>
  T* Add(TWinControl* parent, int left, int top, int width, int height) {
    T* control = new T(this);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }
  TLabel* Heading(int left, int top, const char* text);
  void AddButtons(int left, int top);
  void AddCheckBoxes(int left, int top);
  void AddLabels(int left, int top);
  void AddAlignment(int left, int top);
  void AddEdits(int left, int top);
  void AddLists(int left, int top);
  void AddCombos(int left, int top);
  void DrawColorItem(TWinControl* control, int index, TRect rect, TOwnerDrawState state);
  void ChooseFont(TObject* sender);
  void EditLines(TObject* sender);

  TMemo* FMemo = nullptr;
};
IMPLEMENT_CLASS(TGalleryForm) {}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
  SetName("Gallery");
  SetCaption("Control gallery");
  SetBounds(16, 16, 560, 600);
  SetShowHint(true);
  AddButtons(12, 10);
  AddCheckBoxes(140, 10);
  AddLabels(300, 10);
  AddAlignment(12, 200);
  AddEdits(12, 360);
  AddLists(180, 360);
  AddCombos(412, 360);
}

TLabel* TGalleryForm::Heading(int left, int top, const char* text) {
  auto* label = Add<TLabel>(this, left, top, 100, 13);
  label->SetParentFont(false);
  label->GetFont()->SetStyle({fsBold});
  label->SetCaption(text);
  return label;
}

void TGalleryForm::AddButtons(int left, int top) {
  Heading(left, top, "TButton");
  auto* ok = Add<TButton>(this, left, top + 20, 100, 25);
  ok->SetCaption("&Default");
  ok->SetDefault(true);
  auto* cancel = Add<TButton>(this, left, top + 52, 100, 25);
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  auto* disabled = Add<TButton>(this, left, top + 84, 100, 25);
  disabled->SetCaption("Disabled");
  disabled->SetEnabled(false);
  HintedButton = Add<TButton>(this, left, top + 116, 100, 25);
  HintedButton->SetCaption("With a &hint");
  HintedButton->SetHint("Buttons, labels and forms show hints|after a pause");
}

void TGalleryForm::AddCheckBoxes(int left, int top) {
  Heading(left, top, "TCheckBox");
  const char* captions[] = {"&Unchecked", "C&hecked", "&Grayed", "Disabled", "Left-justified"};
  for (int i = 0; i < 5; ++i) {
    auto* box = Add<TCheckBox>(this, left, top + 20 + i * 24, 140, 17);
    box->SetCaption(captions[i]);
    box->SetAllowGrayed(i == 2);
    if (i == 1 || i == 3) box->SetChecked(true);
    if (i == 2) box->SetState(cbGrayed);
    if (i == 3) box->SetEnabled(false);
    if (i == 4) box->SetAlignment(taLeftJustify);
  }
}

void TGalleryForm::AddLabels(int left, int top) {
  Heading(left, top, "TLabel");
  const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
  const char* captions[] = {"Left", "Centred", "Right"};
  for (int i = 0; i < 3; ++i) {
    auto* label = Add<TLabel>(this, left, top + 20 + i * 18, 220, 15);
    label->SetAutoSize(false);
    label->SetAlignment(alignments[i]);
    label->SetColor(clWindow);
    label->SetCaption(captions[i]);
  }
  auto* wrapped = Add<TLabel>(this, left, top + 76, 220, 40);
  wrapped->SetAutoSize(false);
  wrapped->SetWordWrap(true);
  wrapped->SetLayout(tlCenter);
  wrapped->SetColor(clInfoBk);
  wrapped->SetCaption("A word-wrapped label, centred vertically, breaks its text into lines.");
  auto* disabled = Add<TLabel>(this, left, top + 124, 100, 13);
  disabled->SetCaption("Disabled label");
  disabled->SetEnabled(false);
  auto* accel = Add<TLabel>(this, left, top + 148, 100, 13);
  accel->SetCaption("&Focus the button:");
  auto* target = Add<TButton>(this, left + 120, top + 142, 90, 25);
  target->SetCaption("Target");
  accel->SetFocusControl(target);
}

void TGalleryForm::AddAlignment(int left, int top) {
  Heading(left, top, "Align");
  auto* box = Add<TWinControl>(this, left, top + 18, 520, 130);
  box->SetColor(clWindow);
  struct TPart {
    TAlign Align;
    TColor Color;
    const char* Caption;
    int Size;
  };
  const TPart parts[] = {{alTop, clNavy, "alTop", 20},
                         {alBottom, clTeal, "alBottom", 20},
                         {alLeft, clMaroon, "alLeft", 70},
                         {alRight, clOlive, "alRight", 70},
                         {alClient, clWhite, "alClient", 0}};
  for (const TPart& part : parts) {
    auto* label = Add<TLabel>(box, 0, 0, part.Size, part.Size);
    label->SetAutoSize(false);
    label->SetAlignment(taCenter);
    label->SetLayout(tlCenter);
    label->SetColor(part.Color);
    label->SetParentFont(false);
    label->GetFont()->SetColor(part.Color == clWhite ? clBlack : clWhite);
    label->SetCaption(part.Caption);
    label->SetAlign(part.Align);
  }
}
void TGalleryForm::AddEdits(int left, int top) {
  Heading(left, top, "TEdit, TMemo");
  auto* edit = Add<TEdit>(this, left, top + 20, 150, 21);
  edit->SetText("Some text, selected");
  edit->SetSelStart(10);
  edit->SetSelLength(8);
  edit->SetHideSelection(false);
  auto* readOnly = Add<TEdit>(this, left, top + 48, 150, 21);
  readOnly->SetText("Read-only");
  readOnly->SetReadOnly(true);
  readOnly->SetColor(clBtnFace);
  FMemo = Add<TMemo>(this, left, top + 76, 150, 120);
  FMemo->SetScrollBars(ssVertical);
  FMemo->GetLines()->SetText(
      "A memo keeps its text\nin lines, scrolls with\nthe caret, and edits\nUTF-8 text: "
      "\xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC\n");
}

void TGalleryForm::AddLists(int left, int top) {
  Heading(left, top, "TListBox");
  auto* list = Add<TListBox>(this, left, top + 20, 100, 97);
  for (const char* name :
       {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta", "Iota", "Kappa"})
    list->GetItems()->Add(name);
  list->SetItemIndex(2);
  auto* colors = Add<TListBox>(this, left + 112, top + 20, 110, 97);
  colors->SetStyle(lbOwnerDrawFixed);
  colors->SetItemHeight(18);
  for (TColor color : {clRed, clLime, clBlue, clYellow, clTeal, clPurple, clGray})
    colors->GetItems()->AddObject(ColorToString(color),
                                  reinterpret_cast<TObject*>(static_cast<intptr_t>(color)));
  colors->SetItemIndex(1);
  colors->SetOnDrawItem(MakeMethod<&TGalleryForm::DrawColorItem>(this));
}

void TGalleryForm::DrawColorItem(TWinControl* control, int index, TRect rect, TOwnerDrawState) {
  auto* list = static_cast<TListBox*>(control);
  TCanvas* canvas = list->GetCanvas();
  canvas->FillRect(rect);
  const auto color =
      static_cast<TColor>(reinterpret_cast<intptr_t>(list->GetItems()->GetObject(index)));
  const TColor brush = canvas->GetBrush()->GetColor();
  canvas->GetBrush()->SetColor(color);
  canvas->Rectangle(rect.Left + 2, rect.Top + 2, rect.Left + 22, rect.Bottom - 2);
  canvas->GetBrush()->SetColor(brush);
  canvas->TextOut(rect.Left + 28, rect.Top + 2, list->GetItems()->Get(index).substr(2));
}

void TGalleryForm::AddCombos(int left, int top) {
  Heading(left, top, "TComboBox");
  auto* typed = Add<TComboBox>(this, left, top + 20, 130, 21);
  for (const char* size : {"8", "10", "12", "14"})
    typed->GetItems()->Add(size);
  typed->SetText("12");
  DroppedCombo = Add<TComboBox>(this, left, top + 48, 130, 21);
  DroppedCombo->SetStyle(csDropDownList);
  for (const char* name : {"Left", "Center", "Right", "Justify"})
    DroppedCombo->GetItems()->Add(name);
  DroppedCombo->SetItemIndex(1);
  auto* font = Add<TButton>(this, left, top + 140, 130, 25);
  font->SetCaption("&Font dialog...");
  font->SetOnClick(MakeMethod<&TGalleryForm::ChooseFont>(this));
  auto* lines = Add<TButton>(this, left, top + 172, 130, 25);
  lines->SetCaption("&Lines editor...");
  lines->SetOnClick(MakeMethod<&TGalleryForm::EditLines>(this));
}

void TGalleryForm::ChooseFont(TObject*) {
  auto* dialog = new TFontDialog(this);
  dialog->SetFont(FMemo->GetFont());
  if (dialog->Execute()) FMemo->SetFont(dialog->GetFont());
  dialog->Free();
}

void TGalleryForm::EditLines(TObject*) {
  ::EditLines(FMemo->GetLines(), "Memo lines");
}
}  // namespace

int main(int argc, char** argv) {
  TProgramHost host(argc, argv);
  if (!host.Ok()) return host.Fail();
  Application->Initialize();
  Application->SetTitle("Control gallery");
  TGalleryForm* gallery = nullptr;
  Application->CreateForm(gallery);
  gallery->Show();

  // A message dialog as MessageDlg shows it, here beside the gallery instead of modal.
  TForm* dialog =
      CreateMessageDialog("Save the changes to the gallery?", mtConfirmation, mbYesNoCancel);
  dialog->SetPosition(poDesigned);
  dialog->SetLeft(gallery->GetLeft() + gallery->GetWidth() + 16);
  dialog->SetTop(gallery->GetTop() + 40);
  dialog->Show();
  gallery->SetFocus();  // the gallery stays the active form

  // The mouse rests on a button with a hint, and the hint shows.
  Application->ProcessMessages();
  const TPoint over = gallery->HintedButton->ClientToScreen({60, 12});
  SetCursorPos(over.X, over.Y);
  Application->ProcessMessages();
  Application->ActivateHint(over);
  // A combo box with its list dropped, taking the mouse until a click elsewhere.
  gallery->DroppedCombo->SetDroppedDown(true);
  return host.Run();
}
