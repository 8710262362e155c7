#pragma once

#include <string>

// The clipboard of the process: text that Cut and Copy put there and Paste takes. While a
// presenter shows a real window it installs a bridge to the desktop's clipboard, so that text
// also travels to and from other programs; without one the text stays in the process.

// What a presenter installs to reach the desktop's clipboard.
class TClipboardBridge {
 public:
  virtual ~TClipboardBridge() = default;
  // Puts text on the desktop's clipboard; false when that failed.
  virtual bool SetText(const std::string& text) = 0;
  // The desktop clipboard's text; false when it holds none or cannot be read.
  virtual bool GetText(std::string& text) = 0;
};

// Installs bridge (null: none); returns the one it replaces. The bridge is not owned.
TClipboardBridge* SetClipboardBridge(TClipboardBridge* bridge);

// Replaces the clipboard's content with text (UTF-8).
void SetClipboardText(const std::string& text);
// The clipboard's text: the desktop's through the bridge when it has some, else the process's
// own; empty when there is none.
std::string GetClipboardText();
// Whether the clipboard holds text.
bool IsClipboardTextAvailable();
// Forgets the process's own clipboard text (the window system's Reset does this).
void EmptyClipboard();
