// A form of 200 controls (buttons, check boxes and labels) made from its form file, shown and
// painted; and the repaint of that form once shown.
#include <benchmark/benchmark.h>

#include <string>

#include "controls/Form.h"
#include "streaming/Reader.h"
#include "winsys/TestDriver.h"
#include "winsys/WinUser.h"

namespace {
constexpr int ControlCount = 200;
constexpr int Columns = 10;

std::string Bounds(int index, int width, int height) {
  const int left = 8 + (index % Columns) * 88;
  const int top = 8 + (index / Columns) * 30;
  return "    Left = " + std::to_string(left) + "\n    Top = " + std::to_string(top) +
         "\n    Width = " + std::to_string(width) + "\n    Height = " + std::to_string(height) +
         "\n";
}

// 80 buttons, 60 check boxes and 60 labels in rows of ten.
std::string FormFile() {
  std::string text =
      "object Big: TForm\n  Left = 0\n  Top = 0\n  Width = 900\n  Height = 660\n"
      "  Caption = 'Two hundred controls'\n  PixelsPerInch = 96\n";
  for (int i = 0; i < ControlCount; ++i) {
    const std::string name = std::to_string(i);
    switch (i % 10) {
      case 0:
      case 1:
      case 2:
      case 3:
        text += "  object Button" + name + ": TButton\n" + Bounds(i, 80, 25) +
                "    Caption = 'Button " + name + "'\n    TabOrder = " + std::to_string(i) +
                "\n  end\n";
        break;
      case 4:
      case 5:
      case 6:
        text += "  object Check" + name + ": TCheckBox\n" + Bounds(i, 80, 17) +
                "    Caption = 'Check " + name +
                "'\n    State = cbChecked\n    TabOrder = " + std::to_string(i) + "\n  end\n";
        break;
      default:
        text += "  object Label" + name + ": TLabel\n" + Bounds(i, 80, 13) +
                "    Caption = 'Label " + name + "'\n  end\n";
        break;
    }
  }
  return text + "end\n";
}

TForm* ReadForm(const std::string& text) {
  TReader reader(text);
  return static_cast<TForm*>(reader.ReadRootComponent(nullptr));
}

void CreateShowAndPaint(benchmark::State& state) {
  TTestDriver driver(1280, 800);
  const std::string text = FormFile();
  for (auto _ : state) {
    TForm* form = ReadForm(text);
    form->Show();
    driver.ProcessMessages();
    state.PauseTiming();
    form->Free();
    driver.ProcessMessages();
    state.ResumeTiming();
  }
  state.counters["controls"] = ControlCount;
}
BENCHMARK(CreateShowAndPaint)->Unit(benchmark::kMillisecond);

void RepaintShownForm(benchmark::State& state) {
  TTestDriver driver(1280, 800);
  TForm* form = ReadForm(FormFile());
  form->Show();
  driver.ProcessMessages();
  for (auto _ : state) {
    RedrawWindow(form->GetHandle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    driver.ProcessMessages();
  }
  form->Free();
  state.counters["controls"] = ControlCount;
}
BENCHMARK(RepaintShownForm)->Unit(benchmark::kMillisecond);
}  // namespace
