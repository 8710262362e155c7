// The window system demo: two overlapping windows on the desktop. "Painting" shows what the
// drawing services do (lines, pens, brushes, frame controls, text in several fonts) and
// answers clicks; "Scrolling list" is a list with its own vertical scroll bar, mouse wheel and
// keyboard selection. With a display it runs in a real window; with --screenshot FILE it
// paints once and writes the desktop as a PNG.
#include <algorithm>
#include <cstdio>
#include <string>

#include "graphics/Canvas.h"
#include "present/Presenter.h"
#include "winsys/WinUser.h"

namespace {
constexpr int RowCount = 60;
constexpr int RowHeight = 18;

TPoint LastClick{-1, -1};
int SelectedRow = 3;
int TopRow = 0;

HFONT Font(const char* face, int height, int weight = FW_NORMAL, bool italic = false,
           BYTE quality = DEFAULT_QUALITY) {
  return CreateFont(height, 0, 0, 0, weight, italic, 0, 0, DEFAULT_CHARSET, 0, 0, quality,
                    DEFAULT_PITCH, face);
}

void Text(HDC dc, int x, int y, HFONT font, COLORREF color, const std::string& text) {
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, color);
  SetBkMode(dc, TRANSPARENT);
  TextOut(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  SelectObject(dc, old);
}

void PaintLines(TCanvas& canvas, int left, int top) {
  TPen* pen = canvas.GetPen();
  const TPenStyle styles[] = {psSolid, psDash, psDot, psDashDot};
  for (int i = 0; i < 4; ++i) {
    pen->SetStyle(styles[i]);
    pen->SetColor(i % 2 ? clNavy : clMaroon);
    canvas.MoveTo(left, top + i * 10);
    canvas.LineTo(left + 160, top + i * 10);
  }
  pen->SetStyle(psSolid);
  for (int width = 1; width <= 4; ++width) {
    pen->SetWidth(width);
    pen->SetColor(clGreen);
    canvas.MoveTo(left + 180 + width * 14, top);
    canvas.LineTo(left + 180 + width * 14 + 30, top + 34);
  }
  pen->SetWidth(1);
  pen->SetColor(clBlack);
  for (int i = 0; i <= 8; ++i) {
    canvas.MoveTo(left + 280, top + 34);
    canvas.LineTo(left + 280 + i * 10, top);
  }
}

void PaintBrushes(TCanvas& canvas, int left, int top) {
  const TBrushStyle styles[] = {bsSolid,     bsHorizontal, bsVertical, bsFDiagonal,
                                bsBDiagonal, bsCross,      bsDiagCross};
  const TColor colors[] = {clTeal, clRed, clBlue, clGreen, clPurple, clOlive, clMaroon};
  canvas.GetPen()->SetColor(clBlack);
  for (int i = 0; i < 7; ++i) {
    canvas.GetBrush()->SetColor(colors[i]);
    canvas.GetBrush()->SetStyle(styles[i]);
    canvas.Rectangle(left + i * 48, top, left + i * 48 + 40, top + 40);
  }
  canvas.GetBrush()->SetStyle(bsSolid);
}

void PaintControls(HDC dc, int left, int top) {
  struct TBox {
    UINT State;
    const char* Label;
  };
  const TBox boxes[] = {{DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED, "flat, checked"},
                        {DFCS_BUTTONCHECK | DFCS_FLAT, "flat"},
                        {DFCS_BUTTONCHECK | DFCS_CHECKED, "3-D, checked"},
                        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, "disabled"}};
  HFONT font = Font("MS Sans Serif", -11);
  for (int i = 0; i < 4; ++i) {
    TRect box = Bounds(left + i * 110, top, 13, 13);
    DrawFrameControl(dc, &box, DFC_BUTTON, boxes[i].State);
    Text(dc, left + i * 110 + 18, top, font, GetSysColor(COLOR_WINDOWTEXT), boxes[i].Label);
  }
  TRect raised = Bounds(left, top + 26, 120, 40);
  DrawEdge(dc, &raised, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  TRect sunken = Bounds(left + 140, top + 26, 120, 40);
  DrawEdge(dc, &sunken, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  TRect arrow = Bounds(left + 280, top + 26, 16, 16);
  DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  TRect focus = Bounds(left + 310, top + 26, 120, 40);
  DrawFocusRect(dc, &focus);
  Text(dc, left + 8, top + 38, font, GetSysColor(COLOR_BTNTEXT), "raised edge");
  Text(dc, left + 148, top + 38, font, GetSysColor(COLOR_BTNTEXT), "sunken edge");
  DeleteObject(font);
}

void PaintFonts(HDC dc, int left, int top) {
  HFONT title = Font("Arial", -20, FW_BOLD);
  HFONT serif = Font("Times New Roman", -18, FW_NORMAL, true);
  HFONT crisp = Font("Arial", -14, FW_NORMAL, false, NONANTIALIASED_QUALITY);
  HFONT smooth = Font("Arial", -14);
  HFONT mono = Font("Courier New", -14);
  Text(dc, left, top, title, RGB(0, 0, 128), "Arial bold: anti-aliased text");
  Text(dc, left, top + 28, serif, RGB(128, 0, 0), "Times New Roman italic, from fontconfig");
  Text(dc, left, top + 56, smooth, 0, "Grayscale anti-aliased (the default)");
  Text(dc, left, top + 76, crisp, 0, "Crisp one-bit rendering");
  Text(dc, left, top + 96, mono, RGB(0, 96, 0), "Courier New: monospaced 0123456789");
  Text(dc, left, top + 118, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), 0,
       "The built-in System font: exact everywhere");
  for (HFONT font : {title, serif, crisp, smooth, mono})
    DeleteObject(font);
}

LRESULT CALLBACK_PaintingWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      TCanvas canvas;
      canvas.SetHandle(dc);
      PaintFonts(dc, 16, 12);
      PaintLines(canvas, 16, 160);
      PaintBrushes(canvas, 16, 214);
      PaintControls(dc, 16, 272);
      canvas.SetHandle(nullptr);
      if (LastClick.X >= 0) {
        HFONT font = Font("Arial", -13);
        Text(dc, 16, 350, font, RGB(128, 0, 128),
             "Last click at " + std::to_string(LastClick.X) + ", " + std::to_string(LastClick.Y));
        DeleteObject(font);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_LBUTTONDOWN:
      LastClick = PointFromLParam(lParam);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

int VisibleRows(HWND window) {
  TRect client;
  GetClientRect(window, &client);
  return client.Height() / RowHeight;
}

void UpdateScrollBar(HWND window) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = RowCount - 1;
  info.nPage = static_cast<UINT>(VisibleRows(window));
  info.nPos = TopRow;
  SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void ScrollTo(HWND window, int top) {
  top = std::max(0, std::min(top, RowCount - VisibleRows(window)));
  if (top == TopRow) return;
  ScrollWindowEx(window, 0, (TopRow - top) * RowHeight, nullptr, nullptr, nullptr, nullptr,
                 SW_INVALIDATE | SW_ERASE);
  TopRow = top;
  UpdateScrollBar(window);
}

void PaintList(HWND window, HDC dc) {
  TRect client;
  GetClientRect(window, &client);
  HFONT font = Font("Arial", -13);
  HGDIOBJ old = SelectObject(dc, font);
  for (int row = TopRow; row < RowCount && (row - TopRow) * RowHeight < client.Bottom; ++row) {
    const TRect line{0, (row - TopRow) * RowHeight, client.Right, (row - TopRow + 1) * RowHeight};
    const bool selected = row == SelectedRow;
    SetBkColor(dc,
               GetSysColor(selected ? COLOR_HIGHLIGHT : (row % 2 ? COLOR_WINDOW : COLOR_INFOBK)));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::string text =
        "Row " + std::to_string(row + 1) + "   value " + std::to_string((row * 37) % 101);
    ExtTextOut(dc, 6, line.Top + 2, ETO_OPAQUE | ETO_CLIPPED, &line, text.c_str(),
               static_cast<UINT>(text.size()), nullptr);
  }
  const TRect rest{0, (RowCount - TopRow) * RowHeight, client.Right, client.Bottom};
  if (!rest.IsEmpty()) FillRect(dc, &rest, GetSysColorBrush(COLOR_WINDOW));
  SelectObject(dc, old);
  DeleteObject(font);
}

LRESULT CALLBACK_ListWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      PaintList(window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SIZE:
      UpdateScrollBar(window);
      return 0;
    case WM_VSCROLL: {
      const int page = VisibleRows(window);
      switch (LOWORD(wParam)) {
        case SB_LINEUP:
          ScrollTo(window, TopRow - 1);
          break;
        case SB_LINEDOWN:
          ScrollTo(window, TopRow + 1);
          break;
        case SB_PAGEUP:
          ScrollTo(window, TopRow - page);
          break;
        case SB_PAGEDOWN:
          ScrollTo(window, TopRow + page);
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          ScrollTo(window, HIWORD(wParam));
          break;
        default:
          break;
      }
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(window, TopRow - GET_WHEEL_DELTA_WPARAM(wParam) / 40);
      return 0;
    case WM_LBUTTONDOWN: {
      const int row = TopRow + GET_Y_LPARAM(lParam) / RowHeight;
      if (row < RowCount) SelectedRow = row;
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_UP) {
        SelectedRow =
            std::max(0, std::min(RowCount - 1, SelectedRow + (wParam == VK_DOWN ? 1 : -1)));
        if (SelectedRow < TopRow) ScrollTo(window, SelectedRow);
        if (SelectedRow >= TopRow + VisibleRows(window))
          ScrollTo(window, SelectedRow - VisibleRows(window) + 1);
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

void RegisterDemoClass(const char* name, WNDPROC proc, int background) {
  WNDCLASS windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = proc;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(background);
  windowClass.lpszClassName = name;
  RegisterClass(&windowClass);
}
}  // namespace

int main(int argc, char** argv) {
  const TPresenterOptions options = ParsePresenterOptions(argc, argv);
  if (!options.Error.empty()) {
    std::fprintf(stderr, "winsys-demo: %s\n", options.Error.c_str());
    return 2;
  }
  std::string note;
  auto presenter = CreatePresenter(options, &note);
  if (!note.empty()) std::printf("%s\n", note.c_str());

  RegisterDemoClass("DemoPainting", &CALLBACK_PaintingWindow, COLOR_WINDOW);
  RegisterDemoClass("DemoList", &CALLBACK_ListWindow, COLOR_WINDOW);
  const DWORD frame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  HWND painting = CreateWindowEx(0, "DemoPainting", "Painting", frame | WS_VISIBLE, 60, 50, 640,
                                 440, nullptr, nullptr, nullptr, nullptr);
  HWND list = CreateWindowEx(WS_EX_CLIENTEDGE, "DemoList", "Scrolling list",
                             frame | WS_VSCROLL | WS_VISIBLE, 560, 300, 420, 340, nullptr, nullptr,
                             nullptr, nullptr);
  if (!painting || !list) {
    std::fprintf(stderr, "winsys-demo: cannot create the windows\n");
    return 1;
  }
  ScrollTo(list, 2);
  SetFocus(list);
  const int result = presenter->Run();
  if (!options.ScreenshotFile.empty() && result == 0)
    std::printf("Screenshot written to %s\n", options.ScreenshotFile.c_str());
  return result;
}
