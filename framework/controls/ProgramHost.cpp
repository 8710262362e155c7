#include "controls/ProgramHost.h"

#include <cstdio>

#include "controls/Application.h"
#include "controls/Form.h"

TProgramHost::TProgramHost(int argc, const char* const* argv)
    : FOptions(ParsePresenterOptions(argc, argv)) {
  if (!Ok()) return;
  std::string note;
  FPresenter = CreatePresenter(FOptions, &note);
  if (!note.empty()) std::fprintf(stderr, "%s\n", note.c_str());
  Application->SetHeadless(IsHeadless());
}

TProgramHost::~TProgramHost() = default;

int TProgramHost::Fail() const {
  std::fprintf(stderr, "%s\n", FOptions.Error.c_str());
  return 2;
}

bool TProgramHost::IsHeadless() const {
  return !FPresenter || std::string(FPresenter->Name()) == "headless";
}

int TProgramHost::Run(const std::function<void()>& beforeFreeingForms) {
  if (!FPresenter) return Fail();
  FPresenter->Attach();
  Application->Run();
  // Headless, the presenter paints what is left and writes the screenshot.
  const int code = IsHeadless() ? FPresenter->Run() : 0;
  if (beforeFreeingForms) beforeFreeingForms();
  Application->DestroyComponents();
  return code;
}
