#pragma once

#include <memory>
#include <string>

// How a program shows the window system's desktop, chosen from its command line:
//   --headless           no window; the desktop lives in memory only
//   --screenshot FILE    headless, writing the desktop as PNG once everything is painted
//   --size WIDTHxHEIGHT  the desktop's size (1280x800 by default)
// Without these, a real window shows the desktop when there is a display (and SDL2 was
// built); otherwise the program runs headless.
struct TPresenterOptions {
  bool Headless = false;
  std::string ScreenshotFile;
  int Width = 1280;
  int Height = 800;
  std::string Error;  // set when the command line was malformed
};

TPresenterOptions ParsePresenterOptions(int argc, const char* const* argv);

class TPresenter {
 public:
  virtual ~TPresenter() = default;
  // Runs the message loop until the program quits (or, headless, until nothing is left to
  // do) and returns the exit code.
  virtual int Run() = 0;
  // Installs the presenter's input source without running a loop, so that a program's own
  // message loop (GetMessage, WaitMessage) receives its input and shows its frames. Run does
  // this itself. The headless presenter has no input source.
  virtual void Attach() {}
  // "headless" or "sdl".
  virtual const char* Name() const = 0;
};

// A presenter for options, falling back to headless when no real window can be opened;
// sets the screen's size. note receives a line for the user about a fallback.
std::unique_ptr<TPresenter> CreatePresenter(const TPresenterOptions& options,
                                            std::string* note = nullptr);
