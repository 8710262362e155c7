#pragma once

#include <string>
#include <vector>

#include "winsys/Cursors.h"
#include "winsys/TestDriver.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

// Windows for tests: a class whose procedure records every message it receives (with the
// window, in order) and paints its client area in the colour stored as its user data.
namespace WindowTest {

struct TRecord {
  HWND Window;
  UINT Message;
  WPARAM WParam;
  LPARAM LParam;
};

std::vector<TRecord>& Log();
// The records of one message, in order.
std::vector<TRecord> Find(UINT message, HWND window = nullptr);
// The messages received, in order, limited to those in filter.
std::vector<UINT> Sequence(HWND window, std::initializer_list<UINT> filter);

// Registers the recording classes (again after a window-system reset): "TestWindow" and
// "TestDblClkWindow" with CS_DBLCLKS.
void RegisterClasses();
// A visible window of the recording class; colour paints its client area.
HWND Create(DWORD style, int x, int y, int width, int height, HWND parent = nullptr,
            COLORREF color = RGB(255, 255, 255), DWORD exStyle = 0,
            const char* className = "TestWindow");

// Sets up a driver and the classes; clears the log.
class TFixtureBase {
 public:
  TFixtureBase();
  TTestDriver Driver{400, 300};
};

}  // namespace WindowTest
