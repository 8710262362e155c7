#include <algorithm>
#include <vector>

#include "controls/Edit.h"
#include "core/Utf8.h"
#include "winsys/WinUser.h"

// The view side of TCustomEdit: measuring the text in its font, mapping positions to points
// and back, scrolling to keep the caret in view, and painting.

namespace {
// Tab stops every eight average characters, as the platform's edits place them.
constexpr int TabStopChars = 8;

// A memory context holding a font, for measuring text outside painting.
class TFontContext {
 public:
  explicit TFontContext(TFont* font) : FDC(CreateCompatibleDC(nullptr)) {
    FOld = SelectObject(FDC, font->GetHandle());
  }
  ~TFontContext() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
  TFontContext(const TFontContext&) = delete;
  TFontContext& operator=(const TFontContext&) = delete;
  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

int TabWidth(HDC dc) {
  TEXTMETRIC metrics;
  GetTextMetrics(dc, &metrics);
  return std::max<int>(1, metrics.tmAveCharWidth * TabStopChars);
}

// The width of text as the edit lays it out: runs between tabs measured in the font, each tab
// advancing to the next stop.
int MeasureRun(HDC dc, std::string_view text, int tabWidth) {
  int x = 0;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t tab = text.find('\t', start);
    const size_t end = tab == std::string_view::npos ? text.size() : tab;
    if (end > start) {
      TSize size;
      GetTextExtentPoint32(dc, text.data() + start, static_cast<int>(end - start), &size);
      x += size.cx;
    }
    if (tab == std::string_view::npos) break;
    x = (x / tabWidth + 1) * tabWidth;
    start = tab + 1;
  }
  return x;
}

void DrawRun(HDC dc, int x, int y, std::string_view text, int tabWidth) {
  int offset = 0;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t tab = text.find('\t', start);
    const size_t end = tab == std::string_view::npos ? text.size() : tab;
    if (end > start) {
      TextOut(dc, x + offset, y, text.data() + start, static_cast<int>(end - start));
      TSize size;
      GetTextExtentPoint32(dc, text.data() + start, static_cast<int>(end - start), &size);
      offset += size.cx;
    }
    if (tab == std::string_view::npos) break;
    offset = (offset / tabWidth + 1) * tabWidth;
    start = tab + 1;
  }
}

void FillSolid(HDC dc, const TRect& rect, TColor color) {
  HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}
}  // namespace

// Measuring.

int TCustomEdit::LineHeight() const {
  TFontContext context(GetFont());
  TEXTMETRIC metrics;
  GetTextMetrics(context.Handle(), &metrics);
  return std::max<int>(1, metrics.tmHeight);
}

int TCustomEdit::VisibleLineCount() const {
  return std::max(1, GetFormatRect().Height() / LineHeight());
}

int TCustomEdit::TextX(size_t position) const {
  const int line = FModel.LineOf(position);
  const size_t start = FModel.LineStart(line);
  TFontContext context(GetFont());
  const std::string_view text = std::string_view(FModel.GetText()).substr(start, position - start);
  return MeasureRun(context.Handle(), text, TabWidth(context.Handle()));
}

int TCustomEdit::LineWidth(int line) const {
  TFontContext context(GetFont());
  return MeasureRun(context.Handle(), FModel.Line(line), TabWidth(context.Handle()));
}

int TCustomEdit::MaxLineWidth() const {
  TFontContext context(GetFont());
  const int tabWidth = TabWidth(context.Handle());
  int widest = 0;
  for (int line = 0; line < FModel.GetLineCount(); ++line)
    widest = std::max(widest, MeasureRun(context.Handle(), FModel.Line(line), tabWidth));
  return widest;
}

size_t TCustomEdit::PositionInLine(int line, int x) const {
  const std::string_view text = FModel.Line(line);
  const size_t start = FModel.LineStart(line);
  std::vector<size_t> boundaries{0};
  for (size_t at = 0; at < text.size();) {
    at = Utf8NextChar(text, at);
    boundaries.push_back(at);
  }
  TFontContext context(GetFont());
  const int tabWidth = TabWidth(context.Handle());
  auto widthTo = [&](size_t boundary) {
    return MeasureRun(context.Handle(), text.substr(0, boundary), tabWidth);
  };
  // The first boundary at or right of x, then whichever of it and the one before is nearer.
  size_t low = 0;
  size_t high = boundaries.size() - 1;
  if (widthTo(boundaries[high]) <= x) return start + boundaries[high];
  while (low < high) {
    const size_t middle = (low + high) / 2;
    if (widthTo(boundaries[middle]) < x)
      low = middle + 1;
    else
      high = middle;
  }
  if (low > 0 && x - widthTo(boundaries[low - 1]) < widthTo(boundaries[low]) - x) --low;
  return start + boundaries[low];
}

TRect TCustomEdit::GetFormatRect() const {
  if (FFormatRectSet && FModel.GetMultiLine()) return FFormatRect;
  const TRect client = GetClientRect();
  return {std::min(1, client.Right), 0, std::max(client.Right - 1, 0), client.Bottom};
}

int TCustomEdit::TextTop() const {
  const TRect rect = GetFormatRect();
  if (FModel.GetMultiLine()) return rect.Top;
  return rect.Top + std::max(0, (rect.Height() - LineHeight()) / 2);
}

TPoint TCustomEdit::PositionToClient(size_t position) const {
  const TRect rect = GetFormatRect();
  const int line = FModel.LineOf(position);
  return {rect.Left - FScrollX + TextX(position), TextTop() + (line - FTopLine) * LineHeight()};
}

size_t TCustomEdit::ClientToPosition(int x, int y) const {
  const TRect rect = GetFormatRect();
  const int lineHeight = LineHeight();
  const int offset = y - TextTop();
  const int row = offset < 0 ? (offset - lineHeight + 1) / lineHeight : offset / lineHeight;
  const int line = std::clamp(FTopLine + row, 0, FModel.GetLineCount() - 1);
  return PositionInLine(line, x - rect.Left + FScrollX);
}

// Scrolling.

void TCustomEdit::EnsureCaretVisible() {
  const TRect rect = GetFormatRect();
  const size_t caret = FModel.GetCaret();
  int topLine = FTopLine;
  if (FModel.GetMultiLine()) {
    const int line = FModel.LineOf(caret);
    const int visible = VisibleLineCount();
    if (line < topLine) topLine = line;
    if (line >= topLine + visible) topLine = line - visible + 1;
  } else {
    topLine = 0;
  }
  const int width = std::max(rect.Width(), 1);
  const int caretX = TextX(caret);
  int scrollX = FScrollX;
  // Out of view to one side, the text scrolls a quarter of the width further, so that typing
  // at an edge does not scroll on every character.
  if (caretX < scrollX) scrollX = std::max(0, caretX - width / 4);
  if (caretX >= scrollX + width) scrollX = caretX - width + 1 + width / 4;
  // Text that became shorter than the scrolled-off part comes back.
  const int lineWidth = LineWidth(FModel.LineOf(caret));
  if (scrollX > 0 && lineWidth - scrollX < width - 1)
    scrollX = std::max(0, std::min(scrollX, lineWidth - width + 1 + width / 4));
  if (scrollX > caretX) scrollX = std::max(0, caretX - width / 4);
  ScrollTo(topLine, scrollX);
}

void TCustomEdit::ScrollTo(int topLine, int scrollX) {
  const int maxTop = std::max(0, FModel.GetLineCount() - VisibleLineCount());
  topLine = std::clamp(topLine, 0, FModel.GetMultiLine() ? maxTop : 0);
  scrollX = std::max(0, scrollX);
  if (topLine == FTopLine && scrollX == FScrollX) return;
  FTopLine = topLine;
  FScrollX = scrollX;
  UpdateScrollBars();
  Invalidate();
}

void TCustomEdit::ScrollLines(int lines) {
  ScrollTo(FTopLine + lines, FScrollX);
}

void TCustomEdit::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  if (style & WS_VSCROLL) {
    info.nMin = 0;
    info.nMax = FModel.GetLineCount() - 1;
    info.nPage = static_cast<UINT>(VisibleLineCount());
    info.nPos = FTopLine;
    SetScrollInfo(FHandle, SB_VERT, &info, TRUE);
  }
  if (style & WS_HSCROLL) {
    const int width = GetFormatRect().Width();
    info.nMin = 0;
    info.nMax = std::max(MaxLineWidth(), FScrollX + width);
    info.nPage = static_cast<UINT>(std::max(width, 1));
    info.nPos = FScrollX;
    SetScrollInfo(FHandle, SB_HORZ, &info, TRUE);
  }
}

void TCustomEdit::WMVScroll(TWMScroll& message) {
  const int page = VisibleLineCount();
  switch (message.ScrollCode()) {
    case SB_LINEUP:
      ScrollLines(-1);
      break;
    case SB_LINEDOWN:
      ScrollLines(1);
      break;
    case SB_PAGEUP:
      ScrollLines(-page);
      break;
    case SB_PAGEDOWN:
      ScrollLines(page);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      ScrollTo(message.Pos(), FScrollX);
      break;
    case SB_TOP:
      ScrollTo(0, FScrollX);
      break;
    case SB_BOTTOM:
      ScrollTo(FModel.GetLineCount(), FScrollX);
      break;
    default:
      break;
  }
}

void TCustomEdit::WMHScroll(TWMScroll& message) {
  const int page = std::max(GetFormatRect().Width(), 1);
  const int step = std::max(1, LineHeight());
  switch (message.ScrollCode()) {
    case SB_LINELEFT:
      ScrollTo(FTopLine, FScrollX - step);
      break;
    case SB_LINERIGHT:
      ScrollTo(FTopLine, FScrollX + step);
      break;
    case SB_PAGELEFT:
      ScrollTo(FTopLine, FScrollX - page);
      break;
    case SB_PAGERIGHT:
      ScrollTo(FTopLine, FScrollX + page);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      ScrollTo(FTopLine, message.Pos());
      break;
    case SB_LEFT:
      ScrollTo(FTopLine, 0);
      break;
    default:
      break;
  }
}

void TCustomEdit::WMSize(TWMSize& message) {
  TCustomControl::WMSize(message);
  // A new size brings back the default formatting rectangle, as on the platform.
  FFormatRectSet = false;
  EnsureCaretVisible();
  UpdateScrollBars();
  Invalidate();
}

// Painting.

bool TCustomEdit::SelectionShown() const {
  return FModel.HasSelection() && (Focused() || !FHideSelection);
}

void TCustomEdit::InvalidateCaret() {
  if (!HandleAllocated()) return;
  const TPoint caret = PositionToClient(FModel.GetCaret());
  const TRect rect{caret.X - 1, caret.Y, caret.X + 2, caret.Y + LineHeight()};
  InvalidateRect(FHandle, &rect, FALSE);
}

void TCustomEdit::Paint() {
  HDC dc = GetCanvas()->GetHandle();
  const TRect client = GetClientRect();
  FillSolid(dc, client, GetColor());
  const TRect rect = GetFormatRect().Intersect(client);
  if (rect.IsEmpty()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  SelectObject(dc, GetFont()->GetHandle());
  SetBkMode(dc, TRANSPARENT);
  const int tabWidth = TabWidth(dc);
  const int lineHeight = LineHeight();
  const TColor textColor = GetEnabled() ? GetFont()->GetColor() : clGrayText;
  const bool showSelection = SelectionShown();
  const size_t selStart = FModel.GetSelStart();
  const size_t selEnd = FModel.GetSelEnd();
  const int left = rect.Left - FScrollX;
  const int lastLine = std::min(FModel.GetLineCount() - 1, FTopLine + VisibleLineCount());
  for (int line = FTopLine; line <= lastLine; ++line) {
    const int y = TextTop() + (line - FTopLine) * lineHeight;
    const std::string_view text = FModel.Line(line);
    SetTextColor(dc, ColorToRGB(textColor));
    DrawRun(dc, left, y, text, tabWidth);
    if (!showSelection) continue;
    const size_t lineStart = FModel.LineStart(line);
    const size_t from = std::max(selStart, lineStart);
    const size_t to = std::min(selEnd, lineStart + text.size());
    if (from >= to) continue;
    const TRect band{left + MeasureRun(dc, text.substr(0, from - lineStart), tabWidth), y,
                     left + MeasureRun(dc, text.substr(0, to - lineStart), tabWidth),
                     y + lineHeight};
    FillSolid(dc, band, clHighlight);
    const int inner = SaveDC(dc);
    IntersectClipRect(dc, band.Left, band.Top, band.Right, band.Bottom);
    SetTextColor(dc, ColorToRGB(clHighlightText));
    DrawRun(dc, left, y, text, tabWidth);
    RestoreDC(dc, inner);
  }
  if (FCaretOn && Focused()) {
    const TPoint caret = PositionToClient(FModel.GetCaret());
    const TRect bar{caret.X, caret.Y, caret.X + 1, caret.Y + lineHeight};
    InvertRect(dc, &bar);
  }
  RestoreDC(dc, saved);
}
