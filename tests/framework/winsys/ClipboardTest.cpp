#include <gtest/gtest.h>

#include <string>

#include "winsys/TestDriver.h"
#include "winsys/WinUser.h"

namespace {
// A desktop clipboard as a presenter would reach it.
class TFakeDesktopClipboard : public TClipboardBridge {
 public:
  bool SetText(const std::string& text) override {
    Text = text;
    Held = true;
    return true;
  }
  bool GetText(std::string& text) override {
    if (!Held) return false;
    text = Text;
    return true;
  }
  std::string Text;
  bool Held = false;
};
}  // namespace

TEST(ClipboardTest, TextStaysInTheProcessUntilABridgeCarriesItToTheDesktop) {
  TTestDriver driver;
  EXPECT_FALSE(IsClipboardTextAvailable());
  SetClipboardText("local");
  EXPECT_EQ(GetClipboardText(), "local");

  TFakeDesktopClipboard desktop;
  TClipboardBridge* previous = SetClipboardBridge(&desktop);
  EXPECT_EQ(previous, nullptr);
  // The desktop holds nothing yet: the process's own text is what pastes.
  EXPECT_EQ(GetClipboardText(), "local");
  SetClipboardText("shared \xE2\x82\xAC");
  EXPECT_EQ(desktop.Text, "shared \xE2\x82\xAC");
  // Another program copies: that text is what pastes now.
  desktop.Text = "from elsewhere";
  EXPECT_EQ(GetClipboardText(), "from elsewhere");
  EXPECT_EQ(SetClipboardBridge(previous), &desktop);
  EXPECT_EQ(GetClipboardText(), "shared \xE2\x82\xAC");
}

TEST(ClipboardTest, AResetWindowSystemStartsWithAnEmptyClipboard) {
  {
    TTestDriver driver;
    SetClipboardText("left over");
  }
  TTestDriver driver;
  EXPECT_FALSE(IsClipboardTextAvailable());
  EXPECT_EQ(GetClipboardText(), "");
}
