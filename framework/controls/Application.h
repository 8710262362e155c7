#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "controls/ControlRef.h"
#include "controls/MessageDialog.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "graphics/Color.h"

class TCustomForm;
class THintWindow;

DECLARE_EVENT(TIdleEvent, void(TObject* Sender, bool& Done), "Sender: TObject; var Done: Boolean")
DECLARE_EVENT(TExceptionEvent, void(TObject* Sender, const Exception& E),
              "Sender: TObject; E: Exception")

// The running program: its forms, its message loop, its exception reporting and its hints. One
// instance, Application, for the process.
//
// The message loop hands out queued messages and, when none is left, goes idle: OnIdle and the
// idle hook run, then it waits for input. Without an input source (headless, no presenter
// feeding input) nothing can ever arrive; the loop then ends (Run terminates, a modal form
// closes with mrCancel) instead of waiting forever. Tests and scripted demos act from the idle
// hook: a modal dialog runs its own loop, and the hook is where the test presses its keys.
class TApplication : public TComponent {
  DECLARE_CLASS(TApplication, TComponent);

 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Prepares the program; call it before creating forms.
  void Initialize();
  // Makes a form or data module of class T owned by Application, stores it in reference,
  // reads its stored form file and fires OnCreate. The first form made becomes the main form.
  // A component that fails to read is freed and reference cleared; the error is raised again.
  template <typename T>
  void CreateForm(T*& reference);
  // The same by class reference; returns the component.
  TComponent* CreateForm(TClass instanceClass);
  // Shows the main form and runs the message loop until the program terminates (the main form
  // closes, Terminate is called, or headless, nothing is left to do). Does nothing without a
  // main form.
  void Run();
  // Handles every queued message, then returns.
  void ProcessMessages();
  // Handles one message, or goes idle (OnIdle, the idle hook, then a wait for input) when
  // none is queued.
  void HandleMessage();
  // Asks the message loops to end.
  void Terminate() { FTerminated = true; }
  bool GetTerminated() const { return FTerminated; }
  // True when the last idle pass found nothing queued and no input source that could bring
  // anything.
  bool InputExhausted() const { return FInputExhausted; }
  TCustomForm* GetMainForm() const;
  const std::string& GetTitle() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }
  bool GetShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool value) { FShowMainForm = value; }

  // Reports the exception being handled (call it inside a catch block): OnException when
  // assigned, else ShowException. EAbort is silent.
  void HandleException(TObject* sender);
  // Shows an error: a message box, or one line on the error output when headless.
  virtual void ShowException(const std::string& message);
  TExceptionEvent GetOnException() const { return FOnException; }
  void SetOnException(TExceptionEvent value) { FOnException = value; }
  TIdleEvent GetOnIdle() const { return FOnIdle; }
  void SetOnIdle(TIdleEvent value) { FOnIdle = value; }

  // Headless programs (the default until a presenter with a real window says otherwise) report
  // errors on the error output instead of in message boxes.
  bool GetHeadless() const { return FHeadless; }
  void SetHeadless(bool value) { FHeadless = value; }
  // Where headless error reports go (standard error by default; null: nowhere).
  void SetErrorOutput(std::ostream* output) { FErrorOutput = output; }

  // Called on every idle pass after OnIdle; returns the hook it replaces.
  using TIdleHook = std::function<void()>;
  TIdleHook SetIdleHook(TIdleHook hook);
  // When set, MessageDlg asks it for the answer instead of showing a dialog; returns the hook
  // it replaces.
  using TMessageDlgHook =
      std::function<int(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons)>;
  TMessageDlgHook SetMessageDlgHook(TMessageDlgHook hook);
  const TMessageDlgHook& GetMessageDlgHook() const { return FMessageDlgHook; }

  // Hints: shown after HintPause milliseconds of the mouse resting on a control with ShowHint
  // and a hint, hidden after HintHidePause, when the mouse leaves the control or on a click or
  // key. Time is the window system's clock.
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  int GetHintPause() const { return FHintPause; }
  void SetHintPause(int value) { FHintPause = value; }
  int GetHintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int value) { FHintShortPause = value; }
  int GetHintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int value) { FHintHidePause = value; }
  TColor GetHintColor() const { return FHintColor; }
  void SetHintColor(TColor value) { FHintColor = value; }
  // Shows the hint of the control under cursorPos (screen) now.
  void ActivateHint(TPoint cursorPos);
  void CancelHint();
  // The hint window while a hint shows, else null.
  THintWindow* GetActiveHintWindow() const;

  // Told by controls of the mouse and key messages they receive: mouse enter and leave,
  // hints.
  void NoteInputMessage(TControl* control, const TMessage& message);

 private:
  bool ProcessMessage();
  void Idle();
  void DoMouseIdle();
  void CompleteConstruction(TComponent* instance);
  void AdoptMainForm(TComponent* instance);
  void MouseEntered(TControl* control);
  void HintMouseMove(TControl* control, TPoint screen);
  void StartHintTimer(int milliseconds, bool showing);
  void StopHintTimer();
  static void HintTimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void HintTimerExpired(UINT_PTR id);
  THintWindow* HintWindow();
  void Report(const Exception& error, TObject* sender);

  bool FTerminated = false;
  bool FInputExhausted = false;
  bool FShowMainForm = true;
  TControlRef<TCustomForm> FMainForm;
  std::string FTitle;
  TExceptionEvent FOnException;
  TIdleEvent FOnIdle;
  bool FHeadless = true;
  std::ostream* FErrorOutput;
  TIdleHook FIdleHook;
  TMessageDlgHook FMessageDlgHook;

  bool FShowHint = true;
  int FHintPause = 500;
  int FHintShortPause = 50;
  int FHintHidePause = 2500;
  TColor FHintColor = clInfoBk;
  TControlRef<> FHintControl;
  TControlRef<> FMouseControl;
  TRect FHintCursorRect;
  bool FHintActive = false;
  UINT_PTR FHintTimer = 0;
  bool FHintTimerShows = false;
  THintWindow* FHintWindow = nullptr;
};

// The program of this process.
extern TApplication* Application;

template <typename T>
void TApplication::CreateForm(T*& reference) {
  T* instance = new T(this);
  reference = instance;
  try {
    CompleteConstruction(instance);
  } catch (...) {
    reference = nullptr;
    instance->Free();
    throw;
  }
  AdoptMainForm(instance);
}
