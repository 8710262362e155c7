#include "vxedit/VxEdit.h"

#include "controls/Menus.h"
#include "core/Module.h"
#include "vxedit/EditSource.h"

IMPLEMENT_CLASS(TVxEdit) {
  PROPERTY(Button1, GetButton1, SetButton1);
  PROPERTY(Button2, GetButton2, SetButton2);
  PROPERTY(NumButtons, GetNumButtons, SetNumButtons).Default(1);
  PROPERTY(PopupWindowClass, GetPopupWindowClass, SetPopupClassName);
  PROPERTY_READ(PopupWindow, GetPopupWindow).Stored(false);
  PROPERTY(EditSourceClass, GetEditSourceClass, SetEditSourceType);
  PROPERTY_READ(EditSource, GetEditSource).Stored(false);
  PROPERTY(EditClass, GetEditClass, SetEditClass);
  PROPERTY_READ(Edit, GetEdit).Stored(false);
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsSingle);
  PROPERTY(OnButton1Click, GetOnButton1Click, SetEdit1Click);
  PROPERTY(OnButton2Click, GetOnButton2Click, SetEdit2Click);
  PROPERTY(OnDrop, GetOnDrop, SetOnDrop);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored).Default(clWindow);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ReadOnly, GetReadOnly, SetReadOnly).Default(false);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Text, GetText, SetText);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}
