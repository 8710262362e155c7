#pragma once

#include <string>

#include "present/Presenter.h"

// Keeps the desktop in memory: Run handles everything pending (painting included) and, when
// asked, writes the desktop as a PNG file.
class THeadlessPresenter : public TPresenter {
 public:
  explicit THeadlessPresenter(std::string screenshotFile)
      : FScreenshotFile(std::move(screenshotFile)) {}

  // Returns 0, or 1 when the screenshot could not be written (the reason goes to stderr).
  int Run() override;
  const char* Name() const override { return "headless"; }

 private:
  std::string FScreenshotFile;
};
