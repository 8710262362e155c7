#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/Gdi.h"

namespace {
struct TLine {
  std::string Text;
  int PrefixIndex = -1;  // byte index of the character to underline, or -1
};

// Removes prefix marks: "&x" underlines x, "&&" is one ampersand.
TLine StripPrefix(const std::string& text, bool process) {
  TLine line;
  if (!process) {
    line.Text = text;
    return line;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && line.PrefixIndex < 0)
        line.PrefixIndex = static_cast<int>(line.Text.size());
    }
    line.Text += text[i];
  }
  return line;
}

int Width(HDC dc, const std::string& text) {
  TSize size;
  GetTextExtentPoint32(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::string ExpandTabs(HDC dc, const std::string& text) {
  if (text.find('\t') == std::string::npos) return text;
  const int space = std::max(1, Width(dc, " "));
  std::string result;
  for (char c : text) {
    if (c != '\t') {
      result += c;
      continue;
    }
    do {
      result += ' ';
    } while ((Width(dc, result) / space) % 8 != 0);
  }
  return result;
}

// Splits at line breaks and, with word breaking, where words pass the width.
std::vector<std::string> SplitLines(HDC dc, const std::string& text, UINT format, int width) {
  std::vector<std::string> paragraphs;
  if (format & DT_SINGLELINE) {
    std::string single;
    for (char c : text)
      if (c != '\r' && c != '\n') single += c;
    paragraphs.push_back(single);
    return paragraphs;
  }
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    std::string part =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!part.empty() && part.back() == '\r') part.pop_back();
    paragraphs.push_back(part);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (!(format & DT_WORDBREAK)) return paragraphs;
  std::vector<std::string> lines;
  for (const std::string& paragraph : paragraphs) {
    std::string line;
    size_t pos = 0;
    while (pos <= paragraph.size()) {
      const size_t next = std::min(paragraph.find(' ', pos), paragraph.size());
      const std::string word = paragraph.substr(pos, next - pos);
      const std::string candidate = line.empty() ? word : line + " " + word;
      if (!line.empty() && Width(dc, candidate) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
      pos = next + 1;
    }
    lines.push_back(line);
  }
  return lines;
}

std::string WithEllipsis(HDC dc, const std::string& text, int width) {
  if (Width(dc, text) <= width) return text;
  std::string cut = text;
  while (!cut.empty() && Width(dc, cut + "...") > width) {
    cut.pop_back();
    while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80)
      cut.pop_back();
  }
  return cut + "...";
}

void UnderlinePrefix(HDC dc, const TLine& line, int x, int baseline) {
  if (line.PrefixIndex < 0) return;
  const int left = x + Width(dc, line.Text.substr(0, line.PrefixIndex));
  size_t end = static_cast<size_t>(line.PrefixIndex) + 1;
  while (end < line.Text.size() && (static_cast<unsigned char>(line.Text[end]) & 0xC0) == 0x80)
    ++end;
  const int right = x + Width(dc, line.Text.substr(0, end));
  HBRUSH brush = CreateSolidBrush(GetTextColor(dc));
  const TRect bar{left, baseline + 1, right, baseline + 2};
  FillRect(dc, &bar, brush);
  DeleteObject(brush);
}
}  // namespace

int DrawText(HDC dc, const char* text, int count, TRect* rect, UINT format) {
  TEXTMETRIC metrics;
  if (!rect || !GetTextMetrics(dc, &metrics) || (count != 0 && !text)) return 0;
  if (count < 0) count = text ? static_cast<int>(std::strlen(text)) : 0;
  std::string source(text ? text : "", static_cast<size_t>(count));
  if (format & DT_EXPANDTABS) source = ExpandTabs(dc, source);
  const bool prefixes = !(format & DT_NOPREFIX);
  std::vector<TLine> lines;
  for (const std::string& raw : SplitLines(dc, source, format, rect->Width())) {
    TLine line = StripPrefix(raw, prefixes);
    if ((format & DT_END_ELLIPSIS) && (format & DT_SINGLELINE))
      line.Text = WithEllipsis(dc, line.Text, rect->Width());
    lines.push_back(line);
  }
  const int lineHeight = metrics.tmHeight;
  const int textHeight = lineHeight * static_cast<int>(lines.size());
  int widest = 0;
  for (const TLine& line : lines)
    widest = std::max(widest, Width(dc, line.Text));
  if (format & DT_CALCRECT) {
    rect->Right = rect->Left + widest;
    rect->Bottom = rect->Top + textHeight;
    return textHeight;
  }
  int y = rect->Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER)
      y = rect->Top + (rect->Height() - lineHeight) / 2;
    else if (format & DT_BOTTOM)
      y = rect->Bottom - lineHeight;
  }
  const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
  const UINT clip = (format & DT_NOCLIP) ? 0u : UINT{ETO_CLIPPED};
  for (const TLine& line : lines) {
    const int width = Width(dc, line.Text);
    int x = rect->Left;
    if (format & DT_CENTER)
      x = rect->Left + (rect->Width() - width) / 2;
    else if (format & DT_RIGHT)
      x = rect->Right - width;
    ExtTextOut(dc, x, y, clip, rect, line.Text.data(), static_cast<UINT>(line.Text.size()),
               nullptr);
    if (!(format & DT_HIDEPREFIX)) UnderlinePrefix(dc, line, x, y + metrics.tmAscent);
    y += lineHeight;
  }
  SetTextAlign(dc, oldAlign);
  return textHeight;
}
