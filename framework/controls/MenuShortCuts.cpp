#include <string>

#include "controls/Menus.h"
#include "core/SysUtils.h"
#include "winsys/Input.h"
#include "winsys/VirtualKeys.h"

// Shortcuts and their text: modifiers in the order Shift, Ctrl, Alt, then the key's name.

namespace {
struct TKeyName {
  int Key;
  const char* Name;
};

constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},
    {VK_TAB, "Tab"},
    {VK_RETURN, "Enter"},
    {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_INSERT, "Ins"},
    {VK_DELETE, "Del"},
    {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},
    {VK_SUBTRACT, "Num -"},
    {VK_DECIMAL, "Num ."},
    {VK_DIVIDE, "Num /"},
    {VK_PAUSE, "Pause"},
    {VK_CAPITAL, "Caps Lock"},
    {VK_NUMLOCK, "Num Lock"},
    {VK_SCROLL, "Scroll Lock"},
    {VK_APPS, "Apps"},
    {VK_SNAPSHOT, "Print Screen"},
};

struct TModifier {
  uint16_t Flag;
  const char* Prefix;
};
constexpr TModifier Modifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyName(int key) {
  for (const TKeyName& name : KeyNames)
    if (name.Key == key) return name.Name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= VK_F1 && key <= VK_F1 + 23) return "F" + std::to_string(key - VK_F1 + 1);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return "Num " + std::to_string(key - VK_NUMPAD0);
  const char32_t character = CharacterOfKey(key, false, false, false);
  if (character > 0x20 && character < 0x7F && !(character >= 'a' && character <= 'z'))
    return std::string(1, static_cast<char>(character));
  // Every other key by its number, so that the text always reads back.
  return "#" + std::to_string(key);
}

int KeyOfName(std::string_view name) {
  if (name.empty()) return 0;
  for (int key = 1; key < 256; ++key)
    if (SameText(KeyName(key), name)) return key;
  return 0;
}
}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key == 0 || key > 0xFF) return scNone;
  uint16_t value = key;
  if (shift.Contains(ssShift)) value |= scShift;
  if (shift.Contains(ssCtrl)) value |= scCtrl;
  if (shift.Contains(ssAlt)) value |= scAlt;
  return static_cast<TShortCut>(value);
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = {};
  if (shortCut & scShift) shift.Include(ssShift);
  if (shortCut & scCtrl) shift.Include(ssCtrl);
  if (shortCut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
  const int key = shortCut & 0xFF;
  if (key == 0) return std::string();
  std::string text;
  for (const TModifier& modifier : Modifiers)
    if (shortCut & modifier.Flag) text += modifier.Prefix;
  return text + KeyName(key);
}

TShortCut TextToShortCut(std::string_view text) {
  uint16_t flags = 0;
  bool found = true;
  while (found) {
    found = false;
    for (const TModifier& modifier : Modifiers) {
      const std::string_view prefix = modifier.Prefix;
      // A modifier needs a key after it: "Ctrl++" is no shortcut, "+" alone is not "Shift+".
      if (text.size() > prefix.size() && !(flags & modifier.Flag) &&
          SameText(text.substr(0, prefix.size()), prefix)) {
        flags |= modifier.Flag;
        text.remove_prefix(prefix.size());
        found = true;
      }
    }
  }
  int key = KeyOfName(text);
  if (key == 0 && text.size() > 1 && text.front() == '#') {
    int64_t number = 0;
    if (TryStrToInt64(text.substr(1), number) && number > 0 && number < 256)
      key = static_cast<int>(number);
  }
  if (key == 0) return scNone;
  return static_cast<TShortCut>(key | flags);
}
