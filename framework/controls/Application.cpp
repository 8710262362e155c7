#include "controls/Application.h"

#include <iostream>

#include "controls/ControlCanvas.h"
#include "controls/DataModule.h"
#include "controls/Form.h"
#include "controls/Screen.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TApplication) {}

TApplication* Application = new TApplication(nullptr);

namespace {
std::string ProgramTitle() {
  std::string name = ExtractFileName(ParamStr(0));
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}
}  // namespace

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), FTitle(ProgramTitle()), FErrorOutput(&std::cerr) {}

TApplication::~TApplication() {
  StopHintTimer();
  // Owned forms and the hint window go with the components; nothing refers to them after.
  DestroyComponents();
}

void TApplication::Initialize() {
  FTerminated = false;
  FInputExhausted = false;
}

// Forms.

TCustomForm* TApplication::GetMainForm() const {
  return FMainForm.Get();
}

void TApplication::CompleteConstruction(TComponent* instance) {
  if (auto* form = dynamic_cast<TCustomForm*>(instance))
    form->AfterConstruction();
  else if (auto* dataModule = dynamic_cast<TDataModule*>(instance))
    dataModule->AfterConstruction();
}

void TApplication::AdoptMainForm(TComponent* instance) {
  if (FMainForm) return;
  if (auto* form = dynamic_cast<TCustomForm*>(instance)) FMainForm = form;
}

TComponent* TApplication::CreateForm(TClass instanceClass) {
  TComponent* instance = instanceClass->Create<TComponent>(this);
  try {
    CompleteConstruction(instance);
  } catch (...) {
    instance->Free();
    throw;
  }
  AdoptMainForm(instance);
  return instance;
}

// The message loop.

bool TApplication::ProcessMessage() {
  MSG message;
  if (!PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  FInputExhausted = false;
  if (message.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  TranslateMessage(&message);
  DispatchMessage(&message);
  return true;
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) Idle();
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Idle() {
  TControlCanvas::FreeDeviceContexts();
  bool done = true;
  try {
    DoMouseIdle();
    if (FOnIdle) FOnIdle(this, done);
    if (FIdleHook) FIdleHook();
  } catch (...) {
    HandleException(this);
  }
  FInputExhausted = done && !WaitMessage();
}

TApplication::TIdleHook TApplication::SetIdleHook(TIdleHook hook) {
  TIdleHook previous = std::move(FIdleHook);
  FIdleHook = std::move(hook);
  return previous;
}

TApplication::TMessageDlgHook TApplication::SetMessageDlgHook(TMessageDlgHook hook) {
  TMessageDlgHook previous = std::move(FMessageDlgHook);
  FMessageDlgHook = std::move(hook);
  return previous;
}

void TApplication::Run() {
  TCustomForm* mainForm = GetMainForm();
  if (!mainForm) return;
  FTerminated = false;
  if (FShowMainForm) mainForm->Show();
  while (!FTerminated) {
    HandleMessage();
    // Headless without an input source nothing can happen any more.
    if (FInputExhausted) Terminate();
  }
}

// Exceptions.

void TApplication::HandleException(TObject* sender) {
  std::exception_ptr current = std::current_exception();
  if (!current) return;
  try {
    std::rethrow_exception(current);
  } catch (const EAbort&) {
  } catch (const Exception& error) {
    Report(error, sender);
  } catch (const std::exception& error) {
    Report(Exception(error.what()), sender);
  } catch (...) {
    Report(Exception("Unknown exception"), sender);
  }
}

void TApplication::Report(const Exception& error, TObject* sender) {
  // A report that fails itself goes to the error output; it never escapes into the window
  // system that called the failing handler.
  try {
    if (FOnException)
      FOnException(sender, error);
    else
      ShowException(error.GetMessage());
  } catch (const std::exception& failure) {
    if (FErrorOutput)
      *FErrorOutput << FTitle << ": " << error.GetMessage()
                    << " (reporting it failed: " << failure.what() << ")" << std::endl;
  } catch (...) {
    if (FErrorOutput) *FErrorOutput << FTitle << ": " << error.GetMessage() << std::endl;
  }
}

void TApplication::ShowException(const std::string& message) {
  if (FHeadless) {
    if (FErrorOutput) *FErrorOutput << FTitle << ": " << message << std::endl;
    return;
  }
  MessageDlg(message, mtError, {mbOK});
}
