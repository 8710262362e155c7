#pragma once

#include "controls/ControlMessages.h"

// Window procedures bound to methods: what a control installs with SetWindowLongPtr to subclass
// a window it does not own (an inner edit's window, say) and to see its messages first. A
// message that reaches the procedure is handed to the method as a TMessage; its Result is the
// procedure's answer. An exception the method lets escape goes to Application's
// HandleException, so it never unwinds through the window system.

// A window procedure calling method. Raises EInvalidOperation when all procedures are in use
// (there are 512).
WNDPROC MakeObjectInstance(TWndMethod method);
// Releases a procedure made by MakeObjectInstance; it calls nothing from then on. Other
// procedures are ignored.
void FreeObjectInstance(WNDPROC proc);
