#pragma once

#include "controls/ControlRef.h"
#include "toolsapi/ToolIntf.h"

class TMainMenu;
class TCustomForm;

// The services the IDE offers its add-ins: its main menu, found through the main window so that
// a window without a menu (or one already gone) answers null. Install stays in force until the
// object is withdrawn with Uninstall or released.
class TIDEToolServices : public TIToolServices {
 public:
  explicit TIDEToolServices(TCustomForm* mainWindow);

  // A new interface over the main window's menu, or null when it has none.
  TIMainMenuIntf* GetMainMenu() override;

  // Makes these the running IDE's services (ToolServices()).
  void Install();
  // Withdraws them if they are the running IDE's services.
  void Uninstall();

 protected:
  ~TIDEToolServices() override;

 private:
  TControlRef<TCustomForm> FMainWindow;
};
