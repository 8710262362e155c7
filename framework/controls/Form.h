#pragma once

#include <cstdint>

#include "controls/ControlCanvas.h"
#include "controls/ControlRef.h"
#include "controls/ModalResult.h"
#include "controls/WinControl.h"

class TDesigner;
class TMainMenu;

// Where a form appears when it shows.
enum TPosition : uint8_t {
  poDesigned,         // at its Left and Top
  poDefault,          // where and as large as the window system chooses
  poDefaultPosOnly,   // where the window system chooses, at its own size
  poDefaultSizeOnly,  // at its Left and Top, as large as the window system chooses
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,   // over the main form (the screen for the main form itself)
  poOwnerFormCenter,  // over the form that owns it (the screen when none does)
};
PUBLISHED_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
               poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter)

enum TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
PUBLISHED_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
PUBLISHED_SET(TBorderIcons, TBorderIcon)

enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
PUBLISHED_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)

// What closing a form does: nothing, hide it, free it (once the current message is handled),
// or minimize it.
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
PUBLISHED_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)

enum TFormStateItem : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateItem>;

DECLARE_EVENT(TCloseEvent, void(TObject* Sender, TCloseAction& Action),
              "Sender: TObject; var Action: TCloseAction")
DECLARE_EVENT(TCloseQueryEvent, void(TObject* Sender, bool& CanClose),
              "Sender: TObject; var CanClose: Boolean")

// A top-level window with a caption bar and border that holds controls: the base of the forms
// of a program. It knows which of its controls is active (has or gets the keyboard focus),
// routes dialog keys (Tab, Enter on the default button, Escape on the cancel button), shows
// itself modally, and closes through OnCloseQuery and OnClose.
//
// A form class with a stored form file (a resource named after the class) is made with
// Application->CreateForm or CreateForm<T>, which read the file after construction
// (AfterConstruction) and then fire OnCreate.
class TCustomForm : public TWinControl {
  DECLARE_CLASS(TCustomForm, TWinControl);

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Reads the form file stored for the class (or the nearest ancestor form class that has
  // one), fires OnCreate, and shows the form when the file made it visible. Raises what reading
  // raised.
  void AfterConstruction();

  // Shows the form and brings it to the front.
  void Show();
  // Shows the form modally: other forms are disabled and a message loop runs until
  // ModalResult is set (by a button, Close, or code); returns it. The form is hidden, not
  // freed, afterwards. Raises EInvalidOperation "Cannot make a visible window modal" for a
  // form already showing.
  TModalResult ShowModal();
  // Asks OnCloseQuery, then closes as OnClose decides (hide by default; the main form ends
  // the program). A modal form only sets ModalResult to mrCancel.
  void Close();
  // Whether the form may close now (OnCloseQuery).
  virtual bool CloseQuery();
  // Frees the form once the message being handled returns: what a handler of the form's own
  // events uses instead of Free.
  void Release();

  // The control that has or gets the focus when the form is active. Raises EInvalidOperation
  // "Cannot focus a disabled or invisible window" for a control that cannot take it.
  TWinControl* GetActiveControl() const { return FActiveControl.Get(); }
  void SetActiveControl(TWinControl* control);
  // Makes control active and gives it the focus, activating the form.
  void FocusControl(TWinControl* control);
  // Called as control receives the focus: sends CM_EXIT and CM_ENTER along the way from the
  // previously focused control. False when a handler moved the focus elsewhere meanwhile.
  bool SetFocusedControl(TWinControl* control);
  // Called as control goes away or can no longer take the focus.
  void DefocusControl(TWinControl* control, bool removing);
  bool GetActive() const { return FActive; }
  void SetFocus() override;

  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TWindowState GetWindowState() const { return FWindowState; }
  void SetWindowState(TWindowState value);
  bool GetKeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  // Scaled forms read from a file stored at another PixelsPerInch are scaled to the screen's.
  bool GetScaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }
  int32_t GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t value);
  TFormState GetFormState() const { return FFormState; }
  TCanvas* GetCanvas() const { return FCanvas; }
  // The designer editing the form, or null (the default): not owned.
  TDesigner* GetDesigner() const { return FDesigner; }
  void SetDesigner(TDesigner* value) { FDesigner = value; }
  // The menu bar shown below the caption (not owned; null: none). The bar takes its height
  // from the client area while the menu has a visible item.
  TMainMenu* GetMenu() const { return FMenu; }
  void SetMenu(TMainMenu* value);
  // Runs the menu item whose shortcut key and shift make; true when there was one.
  bool IsShortCut(WORD key, TShiftState shift);
  // Told by the menu after its items changed: the bar is laid out and drawn again.
  void MenuChanged();

  // While the form reads its stored file, a name its owner already holds becomes unique.
  void SetName(const TComponentName& newName) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildOwner() override { return this; }

  TNotifyEvent GetOnActivate() const { return FOnActivate; }
  void SetOnActivate(TNotifyEvent value) { FOnActivate = value; }
  TNotifyEvent GetOnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(TNotifyEvent value) { FOnDeactivate = value; }
  TCloseEvent GetOnClose() const { return FOnClose; }
  void SetOnClose(TCloseEvent value) { FOnClose = value; }
  TCloseQueryEvent GetOnCloseQuery() const { return FOnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent value) { FOnCloseQuery = value; }
  TNotifyEvent GetOnCreate() const { return FOnCreate; }
  void SetOnCreate(TNotifyEvent value) { FOnCreate = value; }
  TNotifyEvent GetOnDestroy() const { return FOnDestroy; }
  void SetOnDestroy(TNotifyEvent value) { FOnDestroy = value; }
  TNotifyEvent GetOnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent value) { FOnShow = value; }
  TNotifyEvent GetOnHide() const { return FOnHide; }
  void SetOnHide(TNotifyEvent value) { FOnHide = value; }
  TNotifyEvent GetOnPaint() const { return FOnPaint; }
  void SetOnPaint(TNotifyEvent value) { FOnPaint = value; }

 protected:
  // Paints the form's client area on Canvas; the default fires OnPaint.
  virtual void Paint();
  // OnActivate, OnDeactivate, OnShow, OnHide, OnCreate, OnDestroy, OnClose.
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoClose(TCloseAction& action);

  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void DestroyWnd() override;
  void VisibleChanging() override;
  void ChangeScale(int m, int d) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void ValidateRename(TComponent* component, const std::string& curName,
                      const std::string& newName) override;
  void BeforeDestruction() override;

  void WMClose(TMessage& message);
  void WMActivate(TWMActivate& message);
  void WMSysCommand(TWMSysCommand& message);
  void CMActivate(TMessage& message);
  void CMDeactivate(TMessage& message);
  void CMDialogKey(TCMDialogKey& message);
  void CMShowingChanged(TMessage& message);
  void CMRelease(TMessage& message);
  // The menu bar in the non-client area (FormMenu.cpp).
  void WMNCCalcSize(TMessage& message);
  void WMNCPaint(TMessage& message);
  void WMNCHitTest(TWMNCHitTest& message);
  void WMNCLButtonDown(TMessage& message);
  void CMDialogChar(TCMDialogChar& message);

 private:
  void CloseModal();
  // Unlinks the main menu (which may outlive the form) and closes it if it is open.
  void ReleaseMenu();
  void ApplyPosition();
  void FocusActiveControl();
  bool SendFocusMessage(TWinControl* control, UINT msg);
  int ShowCommand() const;

  TControlRef<TWinControl> FActiveControl;
  TControlRef<TWinControl> FFocusedControl;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = {biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  bool FKeyPreview = false;
  TModalResult FModalResult = mrNone;
  bool FScaled = true;
  int32_t FPixelsPerInch;
  int32_t FReadPixelsPerInch = 0;
  TFormState FFormState;
  bool FActive = false;
  int FFocusCount = 0;
  TControlCanvas* FCanvas;
  TDesigner* FDesigner = nullptr;
  TMainMenu* FMenu = nullptr;
  bool FMenuBarShown = false;

  TNotifyEvent FOnActivate;
  TNotifyEvent FOnDeactivate;
  TCloseEvent FOnClose;
  TCloseQueryEvent FOnCloseQuery;
  TNotifyEvent FOnCreate;
  TNotifyEvent FOnDestroy;
  TNotifyEvent FOnShow;
  TNotifyEvent FOnHide;
  TNotifyEvent FOnPaint;
};

// The form of a program: TCustomForm with its properties published, so that form files can
// hold them.
class TForm : public TCustomForm {
  DECLARE_CLASS(TForm, TCustomForm);

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// Creates a form of class T owned by owner and completes it (AfterConstruction): the way to
// make a form whose class has a stored form file. A form that fails to read is freed and the
// error raised again.
template <typename T>
T* CreateForm(TComponent* owner) {
  T* form = new T(owner);
  try {
    form->AfterConstruction();
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}
