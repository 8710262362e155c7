#pragma once

#include <memory>
#include <string>

#include "controls/Caption.h"
#include "controls/ControlMessages.h"
#include "controls/ControlTypes.h"
#include "controls/MessageMap.h"
#include "core/Component.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"
#include "graphics/Font.h"
#include "types/Rect.h"

class TWinControl;
class TCustomForm;
class TPopupMenu;

// The base of every visual control: a component with a place inside a parent control, a
// look (colour, font, cursor, hint), a text, and messages.
//
// Messages reach a control through WindowProc (Perform calls it directly; a windowed control's
// window procedure calls it for the window's messages). WindowProc is WndProc unless a
// subclasser replaced it; WndProc does the framework's routing and Dispatch hands the message
// to the handler bound to its number (MessageMap.h), or to DefaultHandler.
//
// Parents do not own their controls in the component sense (owners do), but a windowed parent
// destroys the controls still on it when it is destroyed.
class TControl : public TComponent {
  DECLARE_CLASS(TControl, TComponent);

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Parent and placement.
  TWinControl* GetParent() const { return FParent; }
  // Puts the control on value (null: on nothing). Raises EInvalidOperation when value is the
  // control itself or lies on it.
  virtual void SetParent(TWinControl* value);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;

  int32_t GetLeft() const { return FLeft; }
  void SetLeft(int32_t value) { SetBounds(value, FTop, FWidth, FHeight); }
  int32_t GetTop() const { return FTop; }
  void SetTop(int32_t value) { SetBounds(FLeft, value, FWidth, FHeight); }
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t value) { SetBounds(FLeft, FTop, value, FHeight); }
  int32_t GetHeight() const { return FHeight; }
  void SetHeight(int32_t value) { SetBounds(FLeft, FTop, FWidth, value); }
  // Moves and sizes the control at once, in its parent's client coordinates (screen
  // coordinates for a window without parent). Negative sizes count as 0. An aligned control
  // is placed again by its parent afterwards, so it may not end where it was asked to be.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect GetBoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& rect);
  // The client area at (0,0): the whole control for a graphic control, the window's client
  // area (inside border, caption and scroll bars) for a windowed one.
  virtual TRect GetClientRect() const;
  int32_t GetClientWidth() const { return GetClientRect().Width(); }
  void SetClientWidth(int32_t value);
  int32_t GetClientHeight() const { return GetClientRect().Height(); }
  void SetClientHeight(int32_t value);
  // Screen coordinates of the client area's top-left corner. Raises EInvalidOperation for a
  // control that is on no window ("Control 'X' has no parent window").
  virtual TPoint GetClientOrigin() const;
  TPoint ClientToScreen(TPoint point) const;
  TPoint ScreenToClient(TPoint point) const;

  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool GetEnabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign value);
  // Moves the control above (BringToFront) or below (SendToBack) its siblings.
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }

  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  // The control's own font; assigning copies value. A changed font clears ParentFont.
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* value);
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  bool GetParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  bool GetParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value);
  TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* value);
  TCursor GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor value) { FDragCursor = value; }
  TDragMode GetDragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }
  TControlStyle GetControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle value) { FControlStyle = value; }
  TControlState GetControlState() const { return FControlState; }
  void SetControlState(TControlState value) { FControlState = value; }

  // The text (a caption for buttons, labels and forms), kept through WM_GETTEXT and
  // WM_SETTEXT so that a class answering those messages keeps its text its own way. A change
  // is followed by CM_TEXTCHANGED.
  TCaption GetText() const;
  void SetText(const TCaption& value);
  TCaption GetCaption() const { return GetText(); }
  void SetCaption(const TCaption& value) { SetText(value); }

  // The form the control sits on (its topmost parent when that is a form), or null.
  TCustomForm* GetParentForm() const;
  // Whether the mouse is captured for this control (graphic controls through their parent).
  bool GetMouseCapture() const;
  void SetMouseCapture(bool value);

  // Sends msg synchronously through WindowProc and returns the handler's answer.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // The procedure Perform and the window call: WndProc, or whatever replaced it. A subclasser
  // keeps the previous value and passes messages on to it.
  TWndMethod GetWindowProc() const { return FWindowProc; }
  void SetWindowProc(TWndMethod value) { FWindowProc = value ? value : DefaultWindowProc(); }
  // Hands message to the handler bound to its number in this control's class, or to
  // DefaultHandler.
  void Dispatch(TMessage& message);
  // What a message no handler took gets: graphic controls keep their text here; windowed
  // controls pass the message to the window's default procedure.
  virtual void DefaultHandler(TMessage& message);

  // Marks the control to be painted again; Update paints what is marked now; Repaint and
  // Refresh do both.
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }

  // The user's actions as events: Click fires OnClick, DblClick OnDblClick. Descendants
  // override them to act first (a button sets its form's modal result).
  virtual void Click();
  virtual void DblClick();

  TNotifyEvent GetOnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent value) { FOnClick = value; }
  TNotifyEvent GetOnDblClick() const { return FOnDblClick; }
  void SetOnDblClick(TNotifyEvent value) { FOnDblClick = value; }
  TMouseEvent GetOnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(TMouseEvent value) { FOnMouseDown = value; }
  TMouseMoveEvent GetOnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(TMouseMoveEvent value) { FOnMouseMove = value; }
  TMouseEvent GetOnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(TMouseEvent value) { FOnMouseUp = value; }
  TNotifyEvent GetOnResize() const { return FOnResize; }
  void SetOnResize(TNotifyEvent value) { FOnResize = value; }
  TDragDropEvent GetOnDragDrop() const { return FOnDragDrop; }
  void SetOnDragDrop(TDragDropEvent value) { FOnDragDrop = value; }
  TDragOverEvent GetOnDragOver() const { return FOnDragOver; }
  void SetOnDragOver(TDragOverEvent value) { FOnDragOver = value; }
  TEndDragEvent GetOnEndDrag() const { return FOnEndDrag; }
  void SetOnEndDrag(TEndDragEvent value) { FOnEndDrag = value; }
  TStartDragEvent GetOnStartDrag() const { return FOnStartDrag; }
  void SetOnStartDrag(TStartDragEvent value) { FOnStartDrag = value; }

  // Stored-ness of the properties that follow the parent's.
  bool IsColorStored() const { return !FParentColor; }
  bool IsFontStored() const { return !FParentFont; }
  bool IsCtl3DStored() const { return !FParentCtl3D; }
  bool IsShowHintStored() const { return !FParentShowHint; }

  // A shared cell holding this control until it is destroyed, then null: what TControlRef
  // watches.
  const std::shared_ptr<TControl*>& GetLifeCell() const { return FLife; }

 protected:
  // The framework's routing of a message before Dispatch: design-mode messages to the form's
  // designer, mouse messages to hints and mouse tracking. Overrides call the inherited one for
  // everything they do not take.
  virtual void WndProc(TMessage& message);
  // The handling the ancestors of fromClass give message (see INHERITED_MESSAGE).
  void InheritedMessage(TClass fromClass, TMessage& message);

  // Mouse events in client coordinates; the defaults fire OnMouseDown, OnMouseMove, OnMouseUp.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // After a change of size; the default fires OnResize.
  virtual void Resize();
  // Before Visible changes; a control may refuse by raising.
  virtual void VisibleChanging() {}
  // Scales position, size and (unless it follows its parent's) font by m/d.
  virtual void ChangeScale(int m, int d);
  // Asks the parent to place the control again when it is aligned.
  virtual void RequestAlign();
  virtual void SetZOrder(bool topMost);
  // Invalidates the control's area on its parent (graphic controls).
  void InvalidateControl(bool isVisible, bool isOpaque);
  // Applies the parent's colour, font, Ctl3D and ShowHint where the control follows them.
  void ApplyParentLook();

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void BeforeDestruction() override;
  friend class TWinControl;
  friend class TCustomForm;

  // Handlers every control has.
  void WMLButtonDown(TWMMouse& message);
  void WMLButtonDblClk(TWMMouse& message);
  void WMLButtonUp(TWMMouse& message);
  void WMRButtonDown(TWMMouse& message);
  void WMRButtonDblClk(TWMMouse& message);
  void WMRButtonUp(TWMMouse& message);
  void WMMButtonDown(TWMMouse& message);
  void WMMButtonDblClk(TWMMouse& message);
  void WMMButtonUp(TWMMouse& message);
  void WMMouseMove(TWMMouse& message);
  void WMContextMenu(TWMContextMenu& message);
  void WMCancelMode(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);
  void CMParentCtl3DChanged(TMessage& message);
  void CMParentShowHintChanged(TMessage& message);
  void CMHitTest(TCMHitTest& message);
  void CMDesignHitTest(TCMDesignHitTest& message);
  void CMCursorChanged(TMessage& message);

  // Storage of the bounds for descendants that learn them from their window.
  int32_t FLeft = 0;
  int32_t FTop = 0;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  TWinControl* FParent = nullptr;
  TCaption FText;

 private:
  TWndMethod DefaultWindowProc() { return MakeMethod<&TControl::WndProc>(this); }
  void FontChanged(TObject* sender);
  void DoMouseDown(TWMMouse& message, TMouseButton button, TShiftState shift);
  void DoMouseUp(TWMMouse& message, TMouseButton button);
  bool PopupAt(TPoint screen);
  void SendCancelMode();
  void ReleaseCaptureControl();

  std::shared_ptr<TControl*> FLife;
  TWndMethod FWindowProc;
  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = alNone;
  TColor FColor = clWindow;
  bool FParentColor = true;
  TFont* FFont;
  bool FParentFont = true;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TPopupMenu* FPopupMenu = nullptr;
  TCursor FDragCursor = crDrag;
  TDragMode FDragMode = dmManual;
  TControlStyle FControlStyle;
  TControlState FControlState;
  bool FApplyingParentFont = false;

  TNotifyEvent FOnClick;
  TNotifyEvent FOnDblClick;
  TMouseEvent FOnMouseDown;
  TMouseMoveEvent FOnMouseMove;
  TMouseEvent FOnMouseUp;
  TNotifyEvent FOnResize;
  TDragDropEvent FOnDragDrop;
  TDragOverEvent FOnDragOver;
  TEndDragEvent FOnEndDrag;
  TStartDragEvent FOnStartDrag;
};

// The form control sits on, or null (see TControl::GetParentForm).
TCustomForm* GetParentForm(const TControl* control);
// The control under a screen point: the deepest control whose window is there, or the graphic
// control on it; null when there is none of the framework's.
TControl* FindControlAtPos(TPoint screen);
// The graphic control holding the mouse through its parent's capture, or null.
TControl* GetCaptureControl();
// The windowed control of a window, or null.
TWinControl* FindControl(HWND window);
