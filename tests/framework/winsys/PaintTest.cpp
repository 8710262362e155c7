#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "WindowTestSupport.h"

using namespace WindowTest;

namespace {
class PaintTest : public ::testing::Test, public TFixtureBase {};

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 255, 0);
const COLORREF Desktop = GetSysColor(COLOR_BACKGROUND);
}  // namespace

TEST_F(PaintTest, WindowsPaintInZOrderAndClipTheirChildren) {
  HWND lower = Create(WS_POPUP | WS_VISIBLE, 10, 10, 100, 100, nullptr, Red);
  Create(WS_POPUP | WS_VISIBLE, 60, 60, 100, 100, nullptr, Blue);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, lower, Green);
  EXPECT_EQ(Driver.ScreenPixel(9, 9), Desktop);
  EXPECT_EQ(Driver.ScreenPixel(10, 10), Red);
  EXPECT_EQ(Driver.ScreenPixel(59, 59), Red);
  EXPECT_EQ(Driver.ScreenPixel(60, 60), Blue);  // the upper window covers the lower one
  EXPECT_EQ(Driver.ScreenPixel(109, 109), Blue);
  EXPECT_EQ(Driver.ScreenPixel(20, 20), Green);  // the child, within its parent
  EXPECT_EQ(Driver.ScreenPixel(39, 39), Green);
  EXPECT_EQ(Driver.ScreenPixel(40, 40), Red);
  InvalidateRect(lower, nullptr, TRUE);  // the parent repaints around its child
  EXPECT_EQ(Driver.ScreenPixel(25, 25), Green);
  (void)child;
}

TEST_F(PaintTest, InvalidationRecordsAnUpdateRegionUntilPainted) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, Red);
  Driver.ProcessMessages();
  Log().clear();
  TRect area{10, 10, 20, 30};
  InvalidateRect(window, &area, FALSE);
  TRect update;
  EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(update, area);
  TRect part{10, 10, 20, 20};
  ValidateRect(window, &part);
  GetUpdateRect(window, &update, FALSE);
  EXPECT_EQ(update, (TRect{10, 20, 20, 30}));
  EXPECT_TRUE(UpdateWindow(window));  // sends WM_PAINT at once
  EXPECT_EQ(Find(WM_PAINT, window).size(), 1u);
  EXPECT_TRUE(Find(WM_ERASEBKGND, window).empty());  // not asked for
  EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
  InvalidateRect(window, nullptr, TRUE);
  Driver.ProcessMessages();
  EXPECT_EQ(Find(WM_PAINT, window).size(), 2u);
  EXPECT_EQ(Find(WM_ERASEBKGND, window).size(), 1u);
  Driver.ProcessMessages();
  EXPECT_EQ(Find(WM_PAINT, window).size(), 2u);  // nothing more to paint
}

TEST_F(PaintTest, MovingAndHidingUncoverWhatLiesBelow) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, Red);
  EXPECT_EQ(Driver.ScreenPixel(25, 25), Red);
  MoveWindow(window, 100, 100, 50, 50, TRUE);
  EXPECT_EQ(Driver.ScreenPixel(25, 25), Desktop);
  EXPECT_EQ(Driver.ScreenPixel(125, 125), Red);
  ShowWindow(window, SW_HIDE);
  EXPECT_EQ(Driver.ScreenPixel(125, 125), Desktop);
  ShowWindow(window, SW_SHOWNA);
  EXPECT_EQ(Driver.ScreenPixel(125, 125), Red);
  DestroyWindow(window);
  EXPECT_EQ(Driver.ScreenPixel(125, 125), Desktop);
}

TEST_F(PaintTest, WindowContextsClipToTheVisibleClientArea) {
  HWND lower = Create(WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 100, 100, nullptr, Red);
  Create(WS_POPUP | WS_VISIBLE, 50, 0, 100, 100, nullptr, Blue);
  Driver.ProcessMessages();
  HDC dc = GetDC(lower);
  TRect all{-10, -10, 200, 200};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(lower, dc);
  EXPECT_EQ(Driver.ScreenPixel(0, 0), RGB(0, 0, 0));  // the border stays
  EXPECT_EQ(Driver.ScreenPixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(Driver.ScreenPixel(49, 50), RGB(255, 255, 255));
  EXPECT_EQ(Driver.ScreenPixel(50, 50), Blue);  // the window above stays
  TRect box;
  HDC other = GetDC(lower);
  EXPECT_EQ(GetClipBox(other, &box), SIMPLEREGION);
  EXPECT_EQ(box, (TRect{0, 0, 49, 98}));
  EXPECT_EQ(ReleaseDC(nullptr, other), 0);  // not that window's
  EXPECT_EQ(ReleaseDC(lower, other), 1);
}

TEST_F(PaintTest, ExtendedContextsDrawOverChildWindowsUnlessAskedToClipThem) {
  HWND parent = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, Red);
  Create(WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, parent, Green);
  Create(WS_POPUP | WS_VISIBLE, 80, 0, 50, 50, nullptr, Blue);
  Driver.ProcessMessages();
  const TRect all{0, 0, 100, 100};
  HDC over = GetDCEx(parent, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  FillRect(over, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(parent, over);
  EXPECT_EQ(Driver.ScreenPixel(20, 20), RGB(255, 255, 255));  // over the child
  EXPECT_EQ(Driver.ScreenPixel(85, 20), Blue);                // never over the window above
  HDC clipped = GetDCEx(parent, nullptr, DCX_CLIPCHILDREN);
  FillRect(clipped, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(parent, clipped);
  EXPECT_EQ(Driver.ScreenPixel(20, 20), RGB(255, 255, 255));
  EXPECT_EQ(Driver.ScreenPixel(50, 50), RGB(0, 0, 0));
  // A region limits it further (client coordinates); a bad handle or region fails.
  HRGN region = CreateRectRgn(0, 0, 5, 5);
  HDC limited = GetDCEx(parent, region, 0);
  TRect box;
  GetClipBox(limited, &box);
  EXPECT_EQ(box, (TRect{0, 0, 5, 5}));
  ReleaseDC(parent, limited);
  DeleteObject(region);
  EXPECT_EQ(GetDCEx(parent, reinterpret_cast<HRGN>(0x1234), 0), nullptr);
  EXPECT_EQ(GetDCEx(reinterpret_cast<HWND>(0x1234), nullptr, 0), nullptr);
}

TEST_F(PaintTest, ScrollingMovesPixelsAndInvalidatesWhatIsUncovered) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, Red);
  Driver.ProcessMessages();
  HDC dc = GetDC(window);
  TRect stripe{0, 40, 100, 50};
  FillRect(dc, &stripe, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(window, dc);
  TRect uncovered;
  EXPECT_EQ(ScrollWindowEx(window, 0, -20, nullptr, nullptr, nullptr, &uncovered, SW_INVALIDATE),
            SIMPLEREGION);
  EXPECT_EQ(uncovered, (TRect{0, 80, 100, 100}));
  const TSurface& screen = TWindowSystem::Instance().Screen();
  EXPECT_EQ(PixelToColorRef(screen.GetPixel(50, 20)), RGB(0, 0, 0));  // moved up by 20
  EXPECT_EQ(PixelToColorRef(screen.GetPixel(50, 30)), Red);
  TRect update;
  GetUpdateRect(window, &update, FALSE);
  EXPECT_EQ(update, uncovered);
}

namespace {
// The client pixels of window as rows of '#' (black) and '.' (anything else).
std::vector<std::string> ClientPixels(TTestDriver& driver, HWND window, int width, int height) {
  TPoint origin{0, 0};
  ClientToScreen(window, &origin);
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x)
      row += driver.ScreenPixel(origin.X + x, origin.Y + y) == RGB(0, 0, 0) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// A pattern brush of white with one black pixel at the tile's (0,0).
HBRUSH MarkedBrush() {
  uint32_t pixels[64];
  std::fill(std::begin(pixels), std::end(pixels), 0xFFFFFFu);
  pixels[0] = 0;
  HBITMAP tile = CreateBitmap(8, 8, 1, 32, pixels);
  HBRUSH brush = CreatePatternBrush(tile);
  DeleteObject(tile);
  return brush;
}
}  // namespace

TEST_F(PaintTest, FocusDotsAndPatternsKeepTheirPhaseToTheClientArea) {
  // Two windows whose client areas lie an odd number of pixels apart on the screen.
  HWND even = Create(WS_POPUP | WS_VISIBLE, 10, 10, 40, 30);
  HWND odd = Create(WS_POPUP | WS_VISIBLE, 61, 20, 40, 30);
  Driver.ProcessMessages();
  HBRUSH brush = MarkedBrush();
  for (HWND window : {even, odd}) {
    HDC dc = GetDC(window);
    const TRect focus{2, 2, 12, 7};
    EXPECT_TRUE(DrawFocusRect(dc, &focus));
    HGDIOBJ old = SelectObject(dc, brush);
    EXPECT_TRUE(PatBlt(dc, 16, 0, 24, 30, PATCOPY));
    SelectObject(dc, old);
    ReleaseDC(window, dc);
  }
  const std::vector<std::string> pixels = ClientPixels(Driver, even, 40, 30);
  EXPECT_EQ(ClientPixels(Driver, odd, 40, 30), pixels);
  // The client's (0,0) has even phase: dots where x + y is even, the tile's (0,0) every eight
  // pixels from the client's origin.
  EXPECT_EQ(pixels[0].substr(0, 26), "................#.......#.");
  EXPECT_EQ(pixels[2].substr(0, 26), "..#.#.#.#.#...............");
  EXPECT_EQ(pixels[3].substr(0, 26), "...........#..............");
  EXPECT_EQ(pixels[4].substr(0, 26), "..#.......................");
  EXPECT_EQ(pixels[6].substr(0, 26), "..#.#.#.#.#...............");
  EXPECT_EQ(pixels[8].substr(0, 26), "................#.......#.");
  DeleteObject(brush);
}
