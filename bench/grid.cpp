// A grid of 100 rows beside one of 1,000,000: making the last row current (which scrolls to
// it), painting, and finding the cell under a point. Rows are uniform, so each should cost the
// same whatever the row count.
#include <benchmark/benchmark.h>

#include "controls/Form.h"
#include "grids/DrawGrid.h"
#include "winsys/TestDriver.h"
#include "winsys/WinUser.h"

namespace {
// A shown form holding a 400 x 300 draw grid of the benchmark's row count.
class TGridBench {
 public:
  explicit TGridBench(int rows) {
    Form->SetBounds(0, 0, 500, 400);
    Grid->SetParent(Form);
    Grid->SetBounds(8, 8, 400, 300);
    Grid->SetRowCount(rows);
    Form->Show();
    Driver.ProcessMessages();
  }
  ~TGridBench() {
    Form->Free();
    Driver.ProcessMessages();
  }

  TTestDriver Driver{800, 600};
  TForm* Form = new TForm(nullptr);
  TDrawGrid* Grid = new TDrawGrid(Form);
};

void SetRowToLast(benchmark::State& state) {
  TGridBench bench(static_cast<int>(state.range(0)));
  const int last = bench.Grid->GetRowCount() - 1;
  for (auto _ : state) {
    bench.Grid->SetRow(last);
    bench.Grid->SetRow(1);
  }
  state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(SetRowToLast)->Arg(100)->Arg(1000000);

void PaintAtTheEnd(benchmark::State& state) {
  TGridBench bench(static_cast<int>(state.range(0)));
  bench.Grid->SetRow(bench.Grid->GetRowCount() - 1);
  for (auto _ : state) {
    bench.Grid->Invalidate();
    bench.Grid->Update();
  }
  state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(PaintAtTheEnd)->Arg(100)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void MouseCoordAtTheEnd(benchmark::State& state) {
  TGridBench bench(static_cast<int>(state.range(0)));
  bench.Grid->SetRow(bench.Grid->GetRowCount() - 1);
  int y = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(bench.Grid->MouseCoord(100, y));
    y = (y + 7) % 290;
  }
  state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(MouseCoordAtTheEnd)->Arg(100)->Arg(1000000);
}  // namespace
