// The inspector demo: a form with a few controls beside an object inspector that lists the
// properties of the one chosen (the check box at first, whose colour and Boolean values show as
// a swatch and check boxes), sorted into groups by an aliases text that also renames a few of
// them. With a display it runs in a real window; with --screenshot FILE it paints once and
// writes the desktop as a PNG.
//
//   inspector-demo [--style delphi|vb] [--ungrouped] [--screenshot FILE]
#include <cstdio>
#include <cstring>
#include <string>

#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/ProgramHost.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "oinspect/ObjectInspector.h"

namespace {
// The groups an IDE's inspection window shows, with three names in Russian.
const char* const DemoAliases =
    "[Behavior]\n"
    "TabOrder \n"
    "TabStop\nDragCursor\nDragMode\nCancel\nDefault\nEnabled\nVisible\nGroupIndex\nImeMode\n"
    "ImeName\n"
    "\n"
    "[List]\nIntegralHeight\nItemHeight\nItems\nMultiSelect\n\n\n"
    "[Font]\nFont=Шрифт,AlwaysExpand\nParentFont\n\n"
    "[Misc]\nName=Имя\nPopupMenu\nHelpContext\nTag\nFocusControl\n\n"
    "[Hint]\nParentShowHint\nShowHint\nHint\n\n"
    "[Position]\nHeight\nTop\nLeft\nWidth=Ширина\nAutosize\nAlign\n\n"
    "[Data]\nDataSource\nDataSet\nDataField\n\n"
    "[Appearance]\nColor\nCaption\nCursor\nAlignment\nParentColor\nTransparent\nWordWrap\nFlat\n"
    "Glyph\nCtl3d\n\n";

// What the command line asks of the inspector beside the presenter's options.
struct TDemoOptions {
  TInspectorStyle Style = isDelphi;
  bool Grouped = true;
  std::string Error;
};

TDemoOptions ParseDemoOptions(int argc, char** argv) {
  TDemoOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--ungrouped") == 0) {
      options.Grouped = false;
    } else if (std::strcmp(argv[i], "--style") == 0) {
      const std::string style = i + 1 < argc ? argv[++i] : "";
      if (style == "vb")
        options.Style = isVB;
      else if (style == "delphi")
        options.Style = isDelphi;
      else
        options.Error = "--style needs delphi or vb";
    }
  }
  return options;
}

class TDemoForm : public TForm {
  DECLARE_CLASS(TDemoForm, TForm);

 public:
  explicit TDemoForm(TComponent* owner);

  // The look and grouping the command line asked for.
  void ApplyOptions(const TDemoOptions& options);
  // Each control shows its properties when clicked.
  void ControlClick(TObject* sender) { Inspector->SetControl(static_cast<TComponent*>(sender)); }

 private:
  template <typename T>
  T* Add(const char* name, int left, int top, int width, int height) {
    auto* control = new T(this);
    control->SetName(name);
    control->SetParent(this);
    control->SetBounds(left, top, width, height);
    return control;
  }

  TObjectInspector* Inspector = nullptr;
};
IMPLEMENT_CLASS(TDemoForm) {
  METHOD(ControlClick);
}

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
  SetName("DemoForm");
  SetCaption("Object inspector");
  SetBounds(16, 16, 560, 440);
  const TNotifyEvent click = MakeMethod<&TDemoForm::ControlClick>(this);
  auto* button = Add<TButton>("Button1", 16, 16, 96, 25);
  button->SetCaption("Inspect me");
  button->SetOnClick(click);
  auto* check = Add<TCheckBox>("CheckBox1", 16, 56, 120, 17);
  check->SetCaption("A check box");
  check->SetChecked(true);
  check->SetOnClick(click);
  auto* label = Add<TLabel>("Label1", 16, 88, 120, 13);
  label->SetCaption("Click a control");
  label->SetOnClick(click);
  // The inspector fills the right-hand side; its parent is the form that owns it.
  Inspector = new TObjectInspector(this);
  Inspector->SetBounds(176, 8, 368, 396);
  Inspector->SetFixedColWidth(130);
  Inspector->GetAliases()->SetText(DemoAliases);
  Inspector->SetControl(check);
}

void TDemoForm::ApplyOptions(const TDemoOptions& options) {
  Inspector->SetStyle(options.Style);
  if (!options.Grouped)
    Inspector->SetGridOptions(Inspector->GetOptions() - TOIOptions{oiUseAliases, oiUseGroups});
}
}  // namespace

int main(int argc, char** argv) {
  const TDemoOptions options = ParseDemoOptions(argc, argv);
  if (!options.Error.empty()) {
    std::fprintf(stderr, "inspector-demo: %s\n", options.Error.c_str());
    return 2;
  }
  TProgramHost host(argc, argv);
  if (!host.Ok()) return host.Fail();
  Application->Initialize();
  TDemoForm* form = nullptr;
  Application->CreateForm(form);
  form->ApplyOptions(options);
  return host.Run();
}
