// The widget gallery: tool-bar buttons in their states, panels and a splitter. With a display it
// runs in a real window; with --screenshot FILE it paints once and writes the desktop as a PNG.
#include <string>

#include "controls/Application.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/ProgramHost.h"
#include "controls/SpeedButton.h"
#include "controls/Splitter.h"
#include "core/Module.h"
#include "graphics/Bitmap.h"
#include "winsys/WinUser.h"

namespace {
// A 16 x 16 picture on a fuchsia (transparent) ground: an arrow, a box or a cross.
enum TPicture { piArrow, piBox, piCross };

TBitmap* MakePicture(TPicture picture, TColor ink) {
  auto* bitmap = new TBitmap();
  bitmap->SetSize(16, 16);
  TCanvas* canvas = bitmap->GetCanvas();
  canvas->GetBrush()->SetColor(clFuchsia);
  canvas->FillRect({0, 0, 16, 16});
  canvas->GetBrush()->SetColor(ink);
  switch (picture) {
    case piArrow:
      for (int i = 0; i < 6; ++i)
        canvas->FillRect({3 + i, 2 + i, 4 + i, 14 - i});
      canvas->FillRect({9, 6, 13, 10});
      break;
    case piBox:
      canvas->FillRect({2, 3, 14, 13});
      canvas->GetBrush()->SetColor(clWhite);
      canvas->FillRect({4, 5, 12, 11});
      break;
    case piCross:
      canvas->FillRect({7, 2, 9, 14});
      canvas->FillRect({2, 7, 14, 9});
      break;
  }
  return bitmap;
}

class TWidgetGalleryForm : public TForm {
  DECLARE_CLASS(TWidgetGalleryForm, TForm);

 public:
  explicit TWidgetGalleryForm(TComponent* owner);

 private:
  template <typename T>
  T* Add(TWinControl* parent, int left, int top, int width, int height) {
    T* control = new T(this);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }
  TLabel* Heading(TWinControl* parent, int left, int top, const char* text);
  TSpeedButton* AddSpeedButton(TWinControl* parent, int left, int top, TPicture picture,
                               const char* caption);
  void AddSpeedButtons(TWinControl* parent, int left, int top);
  void AddPanels(TWinControl* parent, int left, int top);
};
IMPLEMENT_CLASS(TWidgetGalleryForm) {}

TWidgetGalleryForm::TWidgetGalleryForm(TComponent* owner) : TForm(owner) {
  SetName("WidgetGallery");
  SetCaption("Widget gallery");
  SetBounds(16, 16, 600, 420);
  AddSpeedButtons(this, 12, 10);
  AddPanels(this, 12, 100);
}

TLabel* TWidgetGalleryForm::Heading(TWinControl* parent, int left, int top, const char* text) {
  auto* label = Add<TLabel>(parent, left, top, 100, 13);
  label->SetParentFont(false);
  label->GetFont()->SetStyle({fsBold});
  label->SetCaption(text);
  return label;
}

TSpeedButton* TWidgetGalleryForm::AddSpeedButton(TWinControl* parent, int left, int top,
                                                 TPicture picture, const char* caption) {
  auto* button = Add<TSpeedButton>(parent, left, top, *caption ? 70 : 25, 25);
  TBitmap* glyph = MakePicture(picture, picture == piCross ? clMaroon : clNavy);
  button->SetGlyph(glyph);
  glyph->Free();
  button->SetCaption(caption);
  return button;
}

void TWidgetGalleryForm::AddSpeedButtons(TWinControl* parent, int left, int top) {
  Heading(parent, left, top, "TSpeedButton");
  top += 20;
  AddSpeedButton(parent, left, top, piArrow, "");
  AddSpeedButton(parent, left + 28, top, piBox, "")->SetEnabled(false);
  auto* down = AddSpeedButton(parent, left + 56, top, piCross, "");
  down->SetGroupIndex(1);
  down->SetDown(true);
  auto* caption = AddSpeedButton(parent, left + 84, top, piArrow, "&Run");
  caption->SetMargin(4);
  auto* top2 = AddSpeedButton(parent, left + 158, top, piBox, "");
  top2->SetBounds(left + 158, top - 4, 50, 34);
  top2->SetLayout(blGlyphTop);
  top2->SetCaption("Top");
  top2->SetSpacing(1);
  top += 32;
  for (int i = 0; i < 3; ++i) {
    auto* flat = AddSpeedButton(parent, left + i * 28, top, static_cast<TPicture>(i), "");
    flat->SetFlat(true);
    flat->SetGroupIndex(2);
    if (i == 2) flat->SetDown(true);
  }
}
void TWidgetGalleryForm::AddPanels(TWinControl* parent, int left, int top) {
  Heading(parent, left, top, "TPanel, TSplitter");
  top += 20;
  struct TLook {
    TBevelCut Outer;
    TBevelCut Inner;
    int Border;
    const char* Caption;
  };
  const TLook looks[] = {{bvRaised, bvNone, 0, "Raised"},
                         {bvLowered, bvNone, 0, "Lowered"},
                         {bvRaised, bvLowered, 3, "Framed"}};
  for (int i = 0; i < 3; ++i) {
    auto* panel = Add<TPanel>(parent, left + i * 90, top, 84, 36);
    panel->SetBevelOuter(looks[i].Outer);
    panel->SetBevelInner(looks[i].Inner);
    panel->SetBorderWidth(looks[i].Border);
    panel->SetCaption(looks[i].Caption);
  }
  // Two panes with a bevelled splitter between them.
  auto* frame = Add<TPanel>(parent, left + 280, top - 20, 260, 80);
  frame->SetBevelOuter(bvLowered);
  auto* pane = Add<TPanel>(frame, 0, 0, 100, 0);
  pane->SetAlign(alLeft);
  pane->SetCaption("Left pane");
  auto* splitter = Add<TSplitter>(frame, 100, 0, 5, 0);
  splitter->SetBeveled(true);
  auto* rest = Add<TPanel>(frame, 0, 0, 0, 0);
  rest->SetAlign(alClient);
  rest->SetBevelOuter(bvNone);
  rest->SetColor(clWindow);
  rest->SetCaption("Drag the bar");
}
}  // namespace

int main(int argc, char** argv) {
  TProgramHost host(argc, argv);
  if (!host.Ok()) return host.Fail();
  Application->Initialize();
  Application->SetTitle("Widget gallery");
  TWidgetGalleryForm* gallery = nullptr;
  Application->CreateForm(gallery);
  return host.Run();
}
