#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/Screen.h"
#include "core/Module.h"
#include "winsys/TestDriver.h"
#include "winsys/WinUser.h"

// Support for the control tests: a fresh window system driven by a test driver, a fresh
// Application whose error reports are kept, and an object whose methods record the events that
// controls fire.
namespace ControlTest {

// Records events as short lines: "Click Button1", "KeyDown Edit1 65", ...
class TEventLog : public TObject {
  DECLARE_CLASS(TEventLog, TObject);

 public:
  TEventLog() = default;

  void Click(TObject* sender);
  void DblClick(TObject* sender);
  void Enter(TObject* sender);
  void Exit(TObject* sender);
  void MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void MouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void KeyDown(TObject* sender, WORD& key, TShiftState shift);
  void KeyPress(TObject* sender, char32_t& key);
  void Show(TObject* sender);
  void Hide(TObject* sender);
  void Activate(TObject* sender);
  void Create(TObject* sender);
  void Destroy(TObject* sender);
  void Close(TObject* sender, TCloseAction& action);
  void CloseQuery(TObject* sender, bool& canClose);
  // Frees the sender: a control that destroys itself from its own event.
  void FreeSender(TObject* sender);

  std::vector<std::string> Lines;
  TCloseAction CloseAction = caHide;
  bool CanClose = true;
  WORD SwallowKey = 0;
};

// The name of sender for the log: its component name, or its class name.
std::string NameOf(TObject* sender);

class TFixture {
 public:
  TFixture();
  ~TFixture();
  TFixture(const TFixture&) = delete;
  TFixture& operator=(const TFixture&) = delete;

  // A form owned by the test's Application at the given window bounds, shown unless told not
  // to, with all messages handled.
  TForm* NewForm(int left, int top, int width, int height, bool show = true);
  // A control of class T on parent at the given bounds.
  template <typename T>
  T* New(TWinControl* parent, int left, int top, int width, int height, const char* name = "") {
    T* control = new T(parent->GetParentForm() ? static_cast<TComponent*>(parent->GetParentForm())
                                               : static_cast<TComponent*>(parent));
    if (*name) control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }
  // Clicks the control at a client point (its centre by default).
  void ClickAt(TControl* control, int x = -1, int y = -1);
  void MoveOver(TControl* control, int x = -1, int y = -1);
  TPoint ScreenPoint(TControl* control, int x, int y) const;
  // The colour of a pixel of control's client area.
  COLORREF Pixel(TControl* control, int x, int y);
  // What the test's Application wrote as error reports.
  std::string Errors() const { return FErrors.str(); }

  TTestDriver Driver{640, 480};
  TEventLog* Log;

 private:
  TApplication* FSavedApplication;
  std::ostringstream FErrors;
};

// The RGB value of a colour as the screen shows it.
COLORREF Rgb(TColor color);
// Text pixels: every channel well below the grey of engraved text.
bool IsDark(COLORREF pixel);

}  // namespace ControlTest
