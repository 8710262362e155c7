#pragma once

#include <string>
#include <vector>

#include "controls/Control.h"
#include "graphics/Brush.h"
#include "winsys/WindowClass.h"

// The parameters a windowed control's window is made with. CreateParams fills them; a
// descendant calls the inherited CreateParams and changes what it needs.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  // The window class: its style, cursor and background are registered under WinClassName the
  // first time; lpfnWndProc is the default procedure that messages no handler takes go to.
  WNDCLASS WindowClass;
  std::string WinClassName;
};

// A control with a window of its own: it holds other controls, takes the keyboard focus, and
// receives the window system's messages through its window procedure.
//
// The window is made on demand (GetHandle, or when the control first shows) and can be made
// again (RecreateWnd) after a change that needs new window styles; the control keeps its state
// meanwhile. Graphic controls on it are painted by it and get their mouse messages from it.
class TWinControl : public TControl {
  DECLARE_CLASS(TWinControl, TControl);

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, made when there is none. Raises EInvalidOperation "Control 'X' has no parent
  // window" when the control sits on nothing and is no top-level window.
  HWND GetHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { GetHandle(); }
  // Destroys the window and makes it again when the control shows; the focus stays.
  void RecreateWnd();
  // Destroys the windows of the control and its children; they are made again on demand.
  void DestroyHandle();
  // A window not made by the framework to place a parentless control in.
  HWND GetParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND value);
  // Whether the window shows: the control and all its parents are visible.
  bool GetShowing() const;
  // The windowed control of a window (null for windows of others).
  static TWinControl* FromHandle(HWND window);

  // The controls on this one, in z-order (the last is on top). Raises EListError naming the
  // index when it is out of range.
  int GetControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* GetControl(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // True for the control itself and every control on it, at any depth.
  bool ContainsControl(const TControl* control) const;
  // The topmost graphic control (windowed too when allowWinControls) containing a client point,
  // enabled unless allowDisabled; null when there is none.
  TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
  // Sends message to each control on this one until one answers non-zero.
  void Broadcast(TMessage& message);
  // Sends msg (no parameters) to every control on this one.
  void NotifyControls(UINT msg);

  // Alignment of the controls on this one; disabled while their bounds are read or changed in
  // bulk, done once when enabled again.
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  bool AlignDisabled() const { return FAlignLevel > 0; }
  void Realign();
  // Scales the control, and everything on it, by m/d.
  void ScaleBy(int m, int d);

  // Focus. CanFocus: the control and its parents up to the form are visible and enabled.
  virtual bool CanFocus() const;
  virtual bool Focused() const;
  // Gives the control the keyboard focus through its form. Raises EInvalidOperation "Cannot
  // focus a disabled or invisible window" when it cannot take it.
  virtual void SetFocus();
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  // The position in the parent's tab order, or -1 without parent.
  int GetTabOrder() const;
  void SetTabOrder(int value);
  // The controls on this one in tab order, each followed by the ones on it.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // The control after (or before) current in tab order that can take the focus; with
  // checkTabStop only those with TabStop, with checkParent only those directly on this one.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                               bool checkParent) const;
  // Moves the focus to the next control found so.
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  TRect GetClientRect() const override;
  TPoint GetClientOrigin() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  void DefaultHandler(TMessage& message) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  // The brush that paints the background: the control's colour.
  TBrush* GetBrush() const { return FBrush; }

  TNotifyEvent GetOnEnter() const { return FOnEnter; }
  void SetOnEnter(TNotifyEvent value) { FOnEnter = value; }
  TNotifyEvent GetOnExit() const { return FOnExit; }
  void SetOnExit(TNotifyEvent value) { FOnExit = value; }
  TKeyEvent GetOnKeyDown() const { return FOnKeyDown; }
  void SetOnKeyDown(TKeyEvent value) { FOnKeyDown = value; }
  TKeyPressEvent GetOnKeyPress() const { return FOnKeyPress; }
  void SetOnKeyPress(TKeyPressEvent value) { FOnKeyPress = value; }
  TKeyEvent GetOnKeyUp() const { return FOnKeyUp; }
  void SetOnKeyUp(TKeyEvent value) { FOnKeyUp = value; }

 protected:
  // The window's parameters. The default: a child window clipping its siblings (and its
  // children when it accepts controls), disabled and tab stop as the control is, a frame for
  // csFramed controls, the bounds, the parent's window, and a class named after the control's
  // class with double clicks, the arrow cursor, no background brush and DefWindowProc.
  virtual void CreateParams(TCreateParams& params);
  // Makes the window from CreateParams (through CreateWindowHandle).
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  // Destroys the window (through DestroyWindowHandle), keeping its text.
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  // Makes the window and places it in its parent's z-order.
  virtual void CreateHandle();
  // Places the aligned controls inside rect (the client area, reduced by AdjustClientRect):
  // top, bottom, left, right, then client, each group in the order of its positions, with
  // control (the one that moved) taking its new place first.
  virtual void AlignControls(TControl* control, TRect& rect);
  // The area AlignControls fills; descendants leave room for what they draw themselves.
  virtual void AdjustClientRect(TRect& rect) {}
  // Paints the control's own content on dc (the default paints nothing: the background is
  // erased with the control's colour).
  virtual void PaintWindow(HDC dc);
  // Paints the graphic controls on this one, from first (null: all) upwards.
  void PaintControls(HDC dc, TControl* first);
  // Keys. KeyDown, KeyPress and KeyUp fire the events; a handler that sets the key to 0
  // swallows it.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyPress(char32_t& key);
  virtual void KeyUp(WORD& key, TShiftState shift);
  // OnEnter and OnExit, from CM_ENTER and CM_EXIT.
  virtual void DoEnter();
  virtual void DoExit();
  // Shows or hides the window as the control and its parents now are.
  void UpdateControlState();
  void AlignControl(TControl* control);
  void WndProc(TMessage& message) override;
  void ChangeScale(int m, int d) override;
  void SetZOrder(bool topMost) override;
  void Loaded() override;
  void Resize() override;

  void WMPaint(TWMPaint& message);
  void WMEraseBkgnd(TWMEraseBkgnd& message);
  void WMSize(TWMSize& message);
  void WMMove(TWMMove& message);
  void WMWindowPosChanged(TWMWindowPosChanged& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void WMSetCursor(TWMSetCursor& message);
  void WMNCHitTest(TWMNCHitTest& message);
  void WMKeyDown(TWMKey& message);
  void WMKeyUp(TWMKey& message);
  void WMChar(TWMChar& message);
  void WMSysChar(TWMChar& message);
  void WMVScroll(TWMScroll& message);
  void WMHScroll(TWMScroll& message);
  void WMDestroy(TMessage& message);
  void WMNCDestroy(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMCtl3DChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMShowingChanged(TMessage& message);
  void CMShowHintChanged(TMessage& message);
  void CMEnter(TMessage& message);
  void CMExit(TMessage& message);
  void CMDialogKey(TCMDialogKey& message);
  void CMDialogChar(TCMDialogChar& message);
  void CMWantSpecialKey(TCMWantSpecialKey& message);
  void CMFocusChanged(TCMFocusChanged& message);
  void CMChildKey(TCMChildKey& message);
  void CMDesignHitTest(TCMDesignHitTest& message);

  HWND FHandle = nullptr;
  friend class TControl;
  friend class TCustomForm;

 private:
  static LRESULT MainWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void RegisterWindowClass(TCreateParams& params);
  void UpdateShowing();
  void UpdateBounds();
  void PlaceInZOrder();
  HWND PrecedingWindow() const;
  bool IsDialogKey(TWMKey& message);
  // Runs the menu item whose shortcut the key is (popup menus of this control and its parents,
  // then the form's menu); true when one ran.
  bool IsMenuKey(TWMKey& message);
  bool DoKeyDown(TWMKey& message);
  bool DoKeyPress(TWMKey& message);
  bool DoKeyUp(TWMKey& message);
  bool PassCharToForm(TWMChar& message, bool systemChar);
  void FixupTabList();
  void RemoveFocus(bool removing);
  void ApplyPendingAlign();

  WNDPROC FDefWndProc = nullptr;
  HWND FParentWindow = nullptr;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  int FTabOrder = -1;  // the value read from a form file, until the parent sorts its list
  bool FTabStop = false;
  bool FShowing = false;
  int FAlignLevel = 0;
  bool FAlignPending = false;
  TBrush* FBrush;
  TNotifyEvent FOnEnter;
  TNotifyEvent FOnExit;
  TKeyEvent FOnKeyDown;
  TKeyPressEvent FOnKeyPress;
  TKeyEvent FOnKeyUp;
};
