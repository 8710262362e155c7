#include "WindowTestSupport.h"

#include <algorithm>

namespace WindowTest {

std::vector<TRecord>& Log() {
  static std::vector<TRecord> log;
  return log;
}

std::vector<TRecord> Find(UINT message, HWND window) {
  std::vector<TRecord> result;
  for (const TRecord& r : Log())
    if (r.Message == message && (!window || r.Window == window)) result.push_back(r);
  return result;
}

std::vector<UINT> Sequence(HWND window, std::initializer_list<UINT> filter) {
  std::vector<UINT> result;
  for (const TRecord& r : Log())
    if ((!window || r.Window == window) &&
        std::find(filter.begin(), filter.end(), r.Message) != filter.end())
      result.push_back(r.Message);
  return result;
}

namespace {
LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Log().push_back({window, message, wParam, lParam});
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtr(window, GWLP_USERDATA)));
    TRect client;
    GetClientRect(window, &client);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProc(window, message, wParam, lParam);
}
}  // namespace

void RegisterClasses() {
  WNDCLASS plain;
  plain.lpfnWndProc = &RecordingProc;
  plain.hCursor = LoadCursor(nullptr, IDC_ARROW);
  plain.lpszClassName = "TestWindow";
  RegisterClass(&plain);
  WNDCLASS dblclk = plain;
  dblclk.style = CS_DBLCLKS;
  dblclk.lpszClassName = "TestDblClkWindow";
  RegisterClass(&dblclk);
}

HWND Create(DWORD style, int x, int y, int width, int height, HWND parent, COLORREF color,
            DWORD exStyle, const char* className) {
  HWND window = CreateWindowEx(exStyle, className, "Test", style & ~WS_VISIBLE, x, y, width, height,
                               parent, nullptr, nullptr, nullptr);
  SetWindowLongPtr(window, GWLP_USERDATA, static_cast<LONG_PTR>(color));
  if (style & WS_VISIBLE) ShowWindow(window, SW_SHOW);
  return window;
}

TFixtureBase::TFixtureBase() {
  RegisterClasses();
  Log().clear();
}

}  // namespace WindowTest
