#include "IDEToolServices.h"

#include "controls/Form.h"
#include "controls/Menus.h"
#include "toolsapi/IDEMenu.h"

TIDEToolServices::TIDEToolServices(TCustomForm* mainWindow) : FMainWindow(mainWindow) {}

TIDEToolServices::~TIDEToolServices() {
  Uninstall();
}

TIMainMenuIntf* TIDEToolServices::GetMainMenu() {
  TCustomForm* window = FMainWindow.Get();
  TMainMenu* menu = window ? window->GetMenu() : nullptr;
  return menu ? new TIDEMainMenu(menu) : nullptr;
}

void TIDEToolServices::Install() {
  SetToolServices(this);
}

void TIDEToolServices::Uninstall() {
  if (ToolServices() == this) SetToolServices(nullptr);
}
