// What drawing costs: full-screen fills against memset over the same bytes, blits, small
// fills, lines and text.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/Gdi.h"

namespace {
constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 800;

// A memory context with a screen-sized bitmap.
struct TTarget {
  HDC Dc = CreateCompatibleDC(nullptr);
  HBITMAP Bitmap = CreateCompatibleBitmap(Dc, ScreenWidth, ScreenHeight);
  HGDIOBJ Old = SelectObject(Dc, Bitmap);
  ~TTarget() {
    SelectObject(Dc, Old);
    DeleteDC(Dc);
    DeleteObject(Bitmap);
  }
};

void Memset(benchmark::State& state) {
  std::vector<uint32_t> pixels(static_cast<size_t>(ScreenWidth) * ScreenHeight);
  int value = 0;
  for (auto _ : state) {
    std::memset(pixels.data(), ++value & 0xFF, pixels.size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pixels.size() * 4));
}
BENCHMARK(Memset);

void FillScreen(benchmark::State& state) {
  TTarget target;
  HBRUSH brushes[2] = {CreateSolidBrush(RGB(0, 128, 128)), CreateSolidBrush(RGB(192, 192, 192))};
  const TRect all{0, 0, ScreenWidth, ScreenHeight};
  int i = 0;
  for (auto _ : state) {
    FillRect(target.Dc, &all, brushes[++i & 1]);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{ScreenWidth} * ScreenHeight * 4);
  DeleteObject(brushes[0]);
  DeleteObject(brushes[1]);
}
BENCHMARK(FillScreen);

void FillSmallRects(benchmark::State& state) {
  TTarget target;
  HBRUSH brush = CreateSolidBrush(RGB(200, 10, 10));
  for (auto _ : state)
    for (int i = 0; i < 1000; ++i) {
      const TRect rect =
          Bounds((i * 37) % (ScreenWidth - 40), (i * 53) % (ScreenHeight - 20), 40, 20);
      FillRect(target.Dc, &rect, brush);
    }
  state.SetItemsProcessed(state.iterations() * 1000);
  DeleteObject(brush);
}
BENCHMARK(FillSmallRects);

void Blit(benchmark::State& state) {
  TTarget source, dest;
  const auto rop = static_cast<DWORD>(state.range(0));
  for (auto _ : state) {
    BitBlt(dest.Dc, 0, 0, ScreenWidth, ScreenHeight, source.Dc, 0, 0, rop);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{ScreenWidth} * ScreenHeight * 4);
}
BENCHMARK(Blit)->Arg(SRCCOPY)->Arg(SRCINVERT)->Arg(MERGEPAINT);

void Lines(benchmark::State& state) {
  TTarget target;
  for (auto _ : state)
    for (int i = 0; i < 1000; ++i) {
      MoveToEx(target.Dc, (i * 7) % ScreenWidth, (i * 13) % ScreenHeight, nullptr);
      LineTo(target.Dc, (i * 29) % ScreenWidth, (i * 31) % ScreenHeight);
    }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(Lines);

void Text(benchmark::State& state) {
  TTarget target;
  HFONT font = state.range(0) ? CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                           DEFAULT_QUALITY, DEFAULT_PITCH, "Arial")
                              : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  SelectObject(target.Dc, font);
  const std::string line = "The quick brown fox jumps over the lazy dog: 0123456789 and again!";
  for (auto _ : state)
    for (int row = 0; row < 40; ++row)
      TextOut(target.Dc, 4, row * 18, line.c_str(), static_cast<int>(line.size()));
  state.SetItemsProcessed(state.iterations() * 40 * static_cast<int64_t>(line.size()));
  SelectObject(target.Dc, GetStockObject(SYSTEM_FONT));
  if (state.range(0)) DeleteObject(font);
}
BENCHMARK(Text)->Arg(0)->Arg(1);
}  // namespace
