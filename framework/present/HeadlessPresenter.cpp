#include "present/HeadlessPresenter.h"

#include <cstdio>

#include "present/PngWriter.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

int THeadlessPresenter::Run() {
  DispatchPendingMessages();
  if (FScreenshotFile.empty()) return 0;
  std::string reason;
  if (!SavePng(TWindowSystem::Instance().Screen(), FScreenshotFile, &reason)) {
    std::fprintf(stderr, "Cannot write %s: %s\n", FScreenshotFile.c_str(), reason.c_str());
    return 1;
  }
  return 0;
}
