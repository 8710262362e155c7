// hello-inspector: declares a component of its own with a few published properties and shows
// them as an object inspector lists them, one row per property with the name and the value
// that the property editors give. The rows go to standard output; with --screenshot FILE they
// are also drawn onto a bitmap that is written as PNG.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <vellmark/core/Component.h>
#include <vellmark/core/Exception.h>
#include <vellmark/designintf/ComponentList.h>
#include <vellmark/designintf/ComponentProperties.h>
#include <vellmark/designintf/PropertyEditor.h>
#include <vellmark/graphics/Bitmap.h>
#include <vellmark/present/PngWriter.h>
#include <vellmark/present/Presenter.h>

enum TMood : uint8_t { mdCalm, mdCheerful, mdGrumpy };
PUBLISHED_ENUM(TMood, mdCalm, mdCheerful, mdGrumpy)

class TGreeter : public TComponent {
  DECLARE_CLASS(TGreeter, TComponent);

 public:
  explicit TGreeter(TComponent* owner) : TComponent(owner) {}

  std::string Greeting = "Hello, inspector";
  int32_t Repeat = 3;
  bool Loud = false;
  TMood Mood = mdCheerful;
  TColor Color = clNavy;
};

IMPLEMENT_CLASS(TGreeter) {
  PROPERTY(Greeting, Greeting, Greeting);
  PROPERTY(Repeat, Repeat, Repeat);
  PROPERTY(Loud, Loud, Loud);
  PROPERTY(Mood, Mood, Mood);
  PROPERTY(Color, Color, Color);
}

using TRows = std::vector<std::pair<std::string, std::string>>;

// The inspector's rows for component: each published property, as its editor shows it.
TRows InspectorRows(TComponent* component) {
  TComponentList selection;
  selection.Add(component);
  TRows rows;
  GetComponentProperties(selection, tkProperties, nullptr, [&rows](auto editor) {
    rows.emplace_back(editor->GetName(), editor->GetValue());
  });
  return rows;
}

// Draws the rows as the inspector's two columns onto a bitmap and writes it as PNG.
void DrawRows(const TRows& rows, const std::string& fileName) {
  constexpr int Width = 280, Split = 90, RowHeight = 18;
  TBitmap bitmap;
  bitmap.SetSize(Width, RowHeight * static_cast<int>(rows.size()));
  TCanvas* canvas = bitmap.GetCanvas();
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect({0, 0, Width, bitmap.GetHeight()});
  canvas->GetPen()->SetColor(clSilver);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const int top = i * RowHeight;
    canvas->TextOut(4, top + 2, rows[i].first);
    canvas->TextOut(Split + 4, top + 2, rows[i].second);
    canvas->MoveTo(0, top + RowHeight - 1);
    canvas->LineTo(Width, top + RowHeight - 1);
  }
  canvas->MoveTo(Split, 0);
  canvas->LineTo(Split, bitmap.GetHeight());
  std::string reason;
  if (!SavePng(bitmap, fileName, &reason)) throw EWriteError(fileName + ": " + reason);
}

// Shows component as the object inspector does: its rows on standard output and, with
// --screenshot, drawn into a PNG file. (With the inspector control this becomes a form that
// holds a TObjectInspector inspecting component, run by CreatePresenter(options)->Run().)
int ShowInspector(TComponent* component, const TPresenterOptions& options) {
  const TRows rows = InspectorRows(component);
  for (const auto& [name, value] : rows)
    std::printf("%-10s %s\n", name.c_str(), value.c_str());
  if (!options.ScreenshotFile.empty()) DrawRows(rows, options.ScreenshotFile);
  return 0;
}

int main(int argc, char** argv) {
  const TPresenterOptions options = ParsePresenterOptions(argc, argv);
  if (!options.Error.empty()) {
    std::fprintf(stderr, "hello-inspector: %s\n", options.Error.c_str());
    return 2;
  }
  try {
    TGreeter greeter(nullptr);
    greeter.SetName("Greeter1");
    return ShowInspector(&greeter, options);
  } catch (const Exception& error) {
    std::fprintf(stderr, "hello-inspector: %s\n", error.GetMessage().c_str());
    return 1;
  }
}
