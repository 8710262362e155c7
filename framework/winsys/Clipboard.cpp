#include "winsys/Clipboard.h"

#include "winsys/WindowSystem.h"

TClipboardBridge* SetClipboardBridge(TClipboardBridge* bridge) {
  TClipboardStore& store = TWindowSystem::Instance().Clipboard();
  TClipboardBridge* previous = store.Bridge;
  store.Bridge = bridge;
  return previous;
}

void SetClipboardText(const std::string& text) {
  TClipboardStore& store = TWindowSystem::Instance().Clipboard();
  store.Text = text;
  store.HasText = true;
  if (store.Bridge) store.Bridge->SetText(text);
}

std::string GetClipboardText() {
  TClipboardStore& store = TWindowSystem::Instance().Clipboard();
  std::string text;
  if (store.Bridge && store.Bridge->GetText(text)) return text;
  return store.HasText ? store.Text : std::string();
}

bool IsClipboardTextAvailable() {
  TClipboardStore& store = TWindowSystem::Instance().Clipboard();
  std::string text;
  if (store.Bridge && store.Bridge->GetText(text)) return true;
  return store.HasText;
}

void EmptyClipboard() {
  TClipboardStore& store = TWindowSystem::Instance().Clipboard();
  store.Text.clear();
  store.HasText = false;
}
