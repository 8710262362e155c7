#pragma once

#include <functional>
#include <memory>
#include <string>

#include "present/Presenter.h"

// How a program built on the controls starts and ends. Made first thing in main, it reads the
// presenter options from the command line (--headless, --screenshot FILE, --size WxH), sizes
// the screen and chooses the presenter before any form exists; Run then runs Application with
// it and, headless, writes the screenshot once everything is painted:
//
//   int main(int argc, char** argv) {
//     TProgramHost host(argc, argv);
//     if (!host.Ok()) return host.Fail();
//     Application->Initialize();
//     Application->CreateForm(MainForm);
//     return host.Run();
//   }
class TProgramHost {
 public:
  TProgramHost(int argc, const char* const* argv);
  ~TProgramHost();
  TProgramHost(const TProgramHost&) = delete;
  TProgramHost& operator=(const TProgramHost&) = delete;

  // False when the command line was malformed.
  bool Ok() const { return FOptions.Error.empty(); }
  // Prints the command-line error and returns the exit code for it.
  int Fail() const;
  bool IsHeadless() const;
  // Runs Application (its main form shown) until it terminates, frees the forms while the
  // window system is still there, and returns the exit code: 0, or 1 when the screenshot could
  // not be written. beforeFreeingForms, when given, runs once the loop has ended (and headless,
  // the screenshot is written) while every form still exists.
  int Run(const std::function<void()>& beforeFreeingForms = nullptr);

 private:
  TPresenterOptions FOptions;
  std::unique_ptr<TPresenter> FPresenter;
};
