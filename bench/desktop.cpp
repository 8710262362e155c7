// A full repaint of a 1280 x 800 desktop with three windows of twenty painted children each:
// invalidation, WM_PAINT with erasing, clipping, fills, frames and text.
#include <benchmark/benchmark.h>

#include <string>

#include "present/Presenter.h"
#include "winsys/TestDriver.h"
#include "winsys/WinUser.h"

namespace {
int CellPaints = 0;

LRESULT CellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
  ++CellPaints;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  TRect client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  TRect edge = client;
  DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
  SetBkMode(dc, TRANSPARENT);
  const std::string text = "Cell " + std::to_string(GetDlgCtrlID(window));
  TextOut(dc, 6, 4, text.c_str(), static_cast<int>(text.size()));
  EndPaint(window, &paint);
  return 0;
}

void FullRepaint(benchmark::State& state) {
  TTestDriver driver(1280, 800);
  WNDCLASS cell;
  cell.lpfnWndProc = &CellProc;
  cell.lpszClassName = "BenchCell";
  RegisterClass(&cell);
  WNDCLASS frame;
  frame.lpfnWndProc = &DefWindowProc;
  frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  frame.lpszClassName = "BenchFrame";
  RegisterClass(&frame);
  for (int w = 0; w < 3; ++w) {
    HWND top =
        CreateWindowEx(0, "BenchFrame", "Window", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE,
                       40 + w * 300, 40 + w * 120, 600, 500, nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; i < 20; ++i)
      CreateWindowEx(0, "BenchCell", "", WS_CHILD | WS_VISIBLE, 10 + (i % 4) * 140,
                     10 + (i / 4) * 80, 130, 70, top,
                     reinterpret_cast<HMENU>(static_cast<intptr_t>(i + 1)), nullptr, nullptr);
  }
  DispatchPendingMessages();
  CellPaints = 0;
  for (auto _ : state) {
    RedrawWindow(nullptr, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    DispatchPendingMessages();
  }
  state.counters["cells_per_repaint"] =
      static_cast<double>(CellPaints) / static_cast<double>(state.iterations());
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);
}  // namespace
