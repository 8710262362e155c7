#pragma once

#include <memory>
#include <string>

#include "controls/CustomControl.h"
#include "vxedit/ButtonParams.h"

class TEditButton;
class TEditSource;

// A composite edit control: an inner edit of any control class, up to two buttons docked at
// the right edge, a popup window that drops down below the control, and an edit source that
// receives the text when the control is left. Inner edit, popup and edit source are chosen by
// class name from the editor registries (EditClass, PopupWindowClass, EditSourceClass) or by
// class (EditorClass, Popup); the composite owns all of them and its buttons.
//
// The composite talks to its inner edit and popup only through messages (WM_GETTEXT,
// WM_SETTEXT, EM_SETSEL, EM_GETMODIFY, EM_SETRECT, keys), so any control class answering them
// serves. The inner edit's window procedure is hooked (EditWndProc) so that the composite sees
// its clicks, keys and loss of focus first.
//
// One popup can be dropped at a time in the process. While dropped, keys typed in the control
// go to the popup, and a thread mouse hook closes the popup when the left button is pressed
// anywhere outside the popup and the control.
class TCustomVxEdit : public TCustomControl {
  DECLARE_CLASS(TCustomVxEdit, TCustomControl);

 public:
  explicit TCustomVxEdit(TComponent* owner);
  ~TCustomVxEdit() override;

  // The buttons' settings; assigning copies them.
  TButtonParams* GetButton1() const { return FButton1Params.get(); }
  void SetButton1(TButtonParams* value) { FButton1Params->Assign(value); }
  TButtonParams* GetButton2() const { return FButton2Params.get(); }
  void SetButton2(TButtonParams* value) { FButton2Params->Assign(value); }
  int32_t GetNumButtons() const { return FNumButtons; }
  // Shows 0, 1 or 2 buttons; other values are ignored.
  virtual void SetNumButtons(int32_t value);

  const std::string& GetPopupWindowClass() const { return FPopupWindowClass; }
  // Chooses the popup by class name: a class of the popup registry, else TDummyPopup (which
  // never drops). A component of that class the composite already owns (one read from a form
  // file) is taken instead of a new one. While the component is read only the name is kept.
  virtual void SetPopupClassName(const std::string& value);
  TWinControl* GetPopupWindow() const { return FPopupWindow; }
  const std::string& GetEditSourceClass() const { return FEditSourceClass; }
  // Chooses the edit source by class name, as SetPopupClassName does (default
  // TDummyEditSource).
  virtual void SetEditSourceType(const std::string& value);
  TEditSource* GetEditSource() const { return FEditSource; }
  // Copies value into the current edit source.
  virtual void SetEditSource(TEditSource* value);
  const std::string& GetEditClass() const { return FEditClass; }
  // Chooses the inner edit by class name, as SetPopupClassName does (default TVxSimpleEdit),
  // and lays it out.
  virtual void SetEditClass(const std::string& value);
  TControl* GetEdit() const { return FEdit; }
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TBorderStyle value);
  bool GetReadOnly() const { return FReadOnly; }
  // A read-only composite's inner edit refuses typed text.
  virtual void SetReadOnly(bool value);

  TNotifyEvent GetOnButton1Click() const { return FOnButton1Click; }
  void SetEdit1Click(TNotifyEvent value);
  TNotifyEvent GetOnButton2Click() const { return FOnButton2Click; }
  void SetEdit2Click(TNotifyEvent value);
  // Fired when the popup is about to drop down.
  TNotifyEvent GetOnDrop() const { return FOnDrop; }
  void SetOnDrop(TNotifyEvent value) { FOnDrop = value; }

  // The inner edit's text. Text set while there is no inner edit is kept and handed to the
  // inner edit that comes (a form file's Text is read before its inner edit exists).
  TCaption GetText() const;
  void SetText(const TCaption& value);
  void SelectAll();
  void Deselect();
  // The inner edit's modified flag; while there is none, a value kept by the composite.
  virtual bool GetModified() const;
  virtual void SetModified(bool value);

  bool GetDroppedDown() const { return FDroppedDown; }
  // Drops the popup down (true) or closes it taking its value (false).
  void SetDroppedDown(bool value);
  // The popup's class (null without popup); setting a class creates a popup of it without
  // changing PopupWindowClass (null: no popup).
  TClass GetPopup() const;
  void SetPopup(TClass value);
  // The inner edit's class (null without inner edit); setting a class creates an inner edit of
  // it without changing EditClass.
  TClass GetEditorClass() const;
  void SetEditorClass(TClass value);
  // Whether the inner edit can answer messages now: it exists and, if windowed, has its window.
  bool IsEditAvailable() const;
  TControl* GetButtonControl(int index) const;

  // Commits the edited value; called when the inner edit loses the focus. Returns whether the
  // value was taken (the composite's own callers ignore it).
  virtual bool ApplyValue() = 0;
  // Shows the popup below the control (above it near the bottom of the screen) and starts
  // tracking the mouse. Expects the popup not to be dropped. Does nothing without a popup or
  // with a TDummyPopup.
  virtual void Drop();
  // Hides the popup; with accept, takes its value as the text and hands it to the edit source.
  // The control is closed afterwards even when taking the value raises.
  virtual void CloseDropped(bool accept);
  // Hands the current text to the popup (WM_SETTEXT) before it shows.
  virtual void SetDropValue();
  // Takes the popup's value (WM_GETTEXT, at most 255 characters) as the text unless the popup
  // answers with an empty text.
  virtual void GetDropValue();

  // The focus goes to the inner edit when it has a window.
  void SetFocus() override;
  bool Focused() const override;
  // Clicks the inner edit.
  void Click() override;

 protected:
  // Places the buttons at the right edge (when the window exists), then the inner edit.
  virtual void SetButtonBounds();
  // Gives the inner edit the space the buttons leave and sets its formatting rectangle;
  // closes a dropped popup without taking its value.
  virtual void SetEditRect();

  void Loaded() override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildOwner() override { return this; }
  TComponent* GetChildParent() override { return this; }
  void KeyDown(WORD& key, TShiftState shift) override;

  void WMSize(TWMSize& message);
  void CMCtl3DChanged(TMessage& message);
  void WMSetCursor(TWMSetCursor& message);
  void CMVisibleChanged(TMessage& message);
  void CMWantSpecialKey(TCMWantSpecialKey& message);
  void WMKillFocus(TWMKillFocus& message);
  void CMExit(TMessage& message);

 private:
  friend LRESULT PopupMouseHook(int code, WPARAM wParam, LPARAM lParam);

  // The first owned component (from the second on: the first is always the first button)
  // whose class name is className, or null.
  TComponent* FindOwnedOfClass(const std::string& className) const;
  // Frees the inner edit, after taking its text and modified flag into the composite.
  void FreeEdit();
  // Makes edit the inner edit: windowed ones lose Ctl3D and TabStop, a TEdit its border; then
  // layout, hook and parent.
  void PrepareEdit(TControl* edit, bool show);
  void FreePopup();
  void NewPopup(TClass popupClass);
  void HookEditWndProc();
  void UnHookEditWndProc();
  void EditWndProc(TMessage& message);
  void PreprocessEditMessage(TMessage& message, bool& dropped);
  TWinControl* WindowedEdit() const;
  // The screen area the mouse may press in without closing the popup: the control with its
  // buttons.
  TRect HookArea() const;
  // Ends a drop without focusing or taking a value: unhooks and hides the popup.
  void EndDrop();
  // Removes the mouse hook and gives the popup's window back to its parent, hidden.
  void HidePopup();

  TEditButton* FButton1 = nullptr;
  TEditButton* FButton2 = nullptr;
  TNotifyEvent FOnButton1Click;
  TNotifyEvent FOnButton2Click;
  TNotifyEvent FOnDrop;
  bool FDroppedDown = false;
  TWinControl* FPopupWindow = nullptr;
  WNDPROC FSavedEditProc = nullptr;
  WNDPROC FEditProc = nullptr;
  HWND FHookedWindow = nullptr;
  int32_t FNumButtons = 1;
  std::string FPopupWindowClass;
  std::string FEditSourceClass;
  TEditSource* FEditSource = nullptr;
  TControl* FEdit = nullptr;
  std::string FEditClass;
  std::unique_ptr<TButtonParams> FButton1Params;
  std::unique_ptr<TButtonParams> FButton2Params;
  bool FModified = false;
  TCaption FPendingText;  // text set while there is no inner edit
  bool FReadOnly = false;
  TBorderStyle FBorderStyle = bsSingle;
};
