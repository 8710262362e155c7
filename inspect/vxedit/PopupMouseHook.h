#pragma once

#include "types/WinTypes.h"

class TWinControl;
class TCustomVxEdit;

// The drop-down state of the process: only one composite edit's popup can be dropped at a
// time. Drop fills it in; it describes nothing while no popup is dropped.

// The popup showing, or null.
TWinControl* GetDroppedPopup();
// The composite whose popup shows, or null.
TCustomVxEdit* GetDroppedEdit();
// The thread mouse hook installed while a popup is dropped, or null.
HHOOK GetPopupHookHandle();

// The mouse hook of a dropped popup: a left button pressed or released outside both the popup
// and its composite (buttons included) closes the popup without taking its value; every mouse
// move is also sent to the popup, in its client coordinates, so that it can follow a drag that
// started elsewhere.
LRESULT PopupMouseHook(int code, WPARAM wParam, LPARAM lParam);

namespace Detail {
// Records the dropped popup and installs the hook (Drop), or removes the hook and forgets the
// popup when edit is the dropped composite (closing, destruction).
void InstallPopupHook(TWinControl* popup, TCustomVxEdit* edit);
void RemovePopupHook(TCustomVxEdit* edit);
}  // namespace Detail
