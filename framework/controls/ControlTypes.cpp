#include "controls/ControlTypes.h"

#include "core/SysUtils.h"
#include "winsys/VirtualKeys.h"
#include "winsys/WinUser.h"

namespace {
constexpr LPARAM AltContextBit = LPARAM{1} << 29;

bool KeyHeld(int key) {
  return GetKeyState(key) < 0;
}

char32_t FoldCase(char32_t c) {
  return c < 0x80 ? static_cast<char32_t>(UpCase(static_cast<char>(c))) : c;
}

// The code point that starts at text[i]; i moves past it. Malformed bytes stand for themselves.
char32_t NextCodePoint(const std::string& text, size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t value = extra == 3   ? lead & 0x07
                   : extra == 2 ? lead & 0x0F
                   : extra == 1 ? lead & 0x1F
                                : lead;
  for (; extra > 0 && i < text.size(); --extra, ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) break;
    value = (value << 6) | (next & 0x3F);
  }
  return value;
}
}  // namespace

int MulDiv(int value, int m, int d) {
  if (d == 0) return value;
  const int64_t product = static_cast<int64_t>(value) * m;
  int64_t quotient = product / d;
  const int64_t remainder = product % d;
  // Halves round away from zero.
  if (2 * (remainder < 0 ? -remainder : remainder) >= (d < 0 ? -int64_t{d} : int64_t{d}))
    quotient += ((product < 0) != (d < 0)) ? -1 : 1;
  return static_cast<int>(quotient);
}

TShiftState KeysToShiftState(UINT keys) {
  TShiftState result;
  if (keys & MK_SHIFT) result.Include(ssShift);
  if (keys & MK_CONTROL) result.Include(ssCtrl);
  if (keys & MK_LBUTTON) result.Include(ssLeft);
  if (keys & MK_RBUTTON) result.Include(ssRight);
  if (keys & MK_MBUTTON) result.Include(ssMiddle);
  if (KeyHeld(VK_MENU)) result.Include(ssAlt);
  return result;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState result;
  if (KeyHeld(VK_SHIFT)) result.Include(ssShift);
  if (KeyHeld(VK_CONTROL)) result.Include(ssCtrl);
  if (keyData & AltContextBit) result.Include(ssAlt);
  return result;
}

TShiftState GetShiftState() {
  TShiftState result;
  if (KeyHeld(VK_SHIFT)) result.Include(ssShift);
  if (KeyHeld(VK_CONTROL)) result.Include(ssCtrl);
  if (KeyHeld(VK_MENU)) result.Include(ssAlt);
  if (KeyHeld(VK_LBUTTON)) result.Include(ssLeft);
  if (KeyHeld(VK_RBUTTON)) result.Include(ssRight);
  if (KeyHeld(VK_MBUTTON)) result.Include(ssMiddle);
  return result;
}

bool IsAccel(char32_t character, const std::string& caption) {
  for (size_t i = 0; i < caption.size();) {
    if (caption[i] != '&') {
      NextCodePoint(caption, i);
      continue;
    }
    ++i;
    if (i >= caption.size()) return false;
    if (caption[i] == '&') {
      ++i;
      continue;
    }
    return FoldCase(NextCodePoint(caption, i)) == FoldCase(character);
  }
  return false;
}

std::string StripHotkey(const std::string& caption) {
  std::string result;
  result.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (++i >= caption.size()) break;  // a trailing '&' marks nothing
    }
    result += caption[i];
  }
  return result;
}
