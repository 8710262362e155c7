#pragma once

#include "toolsapi/MenuIntf.h"

// What the IDE offers its add-ins. The IDE sets ToolServices while it runs; it is null in a
// program without an IDE.
class TIToolServices : public TInterface {
 public:
  // The IDE's main menu, or null when it has none.
  virtual TIMainMenuIntf* GetMainMenu() = 0;
};

// The running IDE's services (ToolServices()->GetMainMenu()), or null.
TIToolServices* ToolServices();
// Installs (or, with null, withdraws) the running IDE's services; the IDE keeps ownership.
void SetToolServices(TIToolServices* services);
