#include "present/Presenter.h"

#include <cstdlib>
#include <cstring>

#include "present/HeadlessPresenter.h"
#include "present/SdlPresenter.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

TPresenterOptions ParsePresenterOptions(int argc, const char* const* argv) {
  TPresenterOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--headless") {
      options.Headless = true;
    } else if (argument == "--screenshot") {
      if (i + 1 >= argc) {
        options.Error = "--screenshot needs a file name";
        break;
      }
      options.ScreenshotFile = argv[++i];
      options.Headless = true;
    } else if (argument == "--size") {
      int width = 0, height = 0;
      if (i + 1 >= argc || std::sscanf(argv[++i], "%dx%d", &width, &height) != 2 || width < 64 ||
          height < 64 || width > 8192 || height > 8192) {
        options.Error = "--size needs WIDTHxHEIGHT between 64 and 8192";
        break;
      }
      options.Width = width;
      options.Height = height;
    }
  }
  return options;
}

std::unique_ptr<TPresenter> CreatePresenter(const TPresenterOptions& options, std::string* note) {
  TWindowSystem::Instance().SetScreenSize(options.Width, options.Height);
  if (!options.Headless) {
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    std::string why = display ? "" : "no display";
    if (display)
      if (auto sdl = CreateSdlPresenter(options, &why)) return sdl;
    if (note) *note = "Running headless (" + why + ")";
  }
  return std::make_unique<THeadlessPresenter>(options.ScreenshotFile);
}
