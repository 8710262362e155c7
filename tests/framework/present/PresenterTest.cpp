#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "graphics/Surface.h"
#include "present/PngWriter.h"
#include "present/Presenter.h"
#include "winsys/TestDriver.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
TPresenterOptions Parse(std::initializer_list<const char*> arguments) {
  std::vector<const char*> argv{"program"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return ParsePresenterOptions(static_cast<int>(argv.size()), argv.data());
}

std::string ReadFile(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

uint32_t BigEndian(const std::string& bytes, size_t at) {
  return (uint32_t{static_cast<uint8_t>(bytes[at])} << 24) |
         (static_cast<uint8_t>(bytes[at + 1]) << 16) | (static_cast<uint8_t>(bytes[at + 2]) << 8) |
         static_cast<uint8_t>(bytes[at + 3]);
}

std::string TempName(const char* stem) {
  return testing::TempDir() + stem + std::to_string(::getpid()) + ".png";
}
}  // namespace

TEST(PresenterTest, CommandLinesChooseThePresenter) {
  EXPECT_FALSE(Parse({}).Headless);
  EXPECT_TRUE(Parse({"--headless"}).Headless);
  const TPresenterOptions screenshot = Parse({"--screenshot", "out.png", "--size", "800x600"});
  EXPECT_TRUE(screenshot.Headless);
  EXPECT_EQ(screenshot.ScreenshotFile, "out.png");
  EXPECT_EQ(screenshot.Width, 800);
  EXPECT_EQ(screenshot.Height, 600);
  EXPECT_TRUE(screenshot.Error.empty());
  EXPECT_FALSE(Parse({"--screenshot"}).Error.empty());
  EXPECT_FALSE(Parse({"--size", "huge"}).Error.empty());
  EXPECT_FALSE(Parse({"--size", "10x10"}).Error.empty());
}

TEST(PresenterTest, TheHeadlessPresenterPaintsAndWritesTheDesktopAsPng) {
  TTestDriver driver;
  TPresenterOptions options = Parse({"--size", "320x200"});
  options.Headless = true;
  options.ScreenshotFile = TempName("desktop");
  auto presenter = CreatePresenter(options);
  EXPECT_STREQ(presenter->Name(), "headless");
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
  EXPECT_EQ(presenter->Run(), 0);
  const std::string png = ReadFile(options.ScreenshotFile);
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(BigEndian(png, 16), 320u);
  EXPECT_EQ(BigEndian(png, 20), 200u);
  // The desktop was painted before the screenshot.
  EXPECT_EQ(PixelToColorRef(TWindowSystem::Instance().Screen().GetPixel(5, 5)),
            GetSysColor(COLOR_BACKGROUND));
  std::remove(options.ScreenshotFile.c_str());

  options.ScreenshotFile = "/nonexistent-directory/shot.png";
  EXPECT_EQ(CreatePresenter(options)->Run(), 1);
}

TEST(PresenterTest, PngWriterReportsWhatWentWrong) {
  std::string reason;
  EXPECT_FALSE(SavePng(TSurface(), TempName("empty"), &reason));
  EXPECT_EQ(reason, "the image is empty");
  EXPECT_FALSE(SavePng(TSurface(2, 2), "/nonexistent-directory/x.png", &reason));
  EXPECT_FALSE(reason.empty());
}
