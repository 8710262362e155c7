#pragma once

#include <ostream>
#include <string>
#include <vector>

class TControl;
class TCustomForm;
class TIDEMainForm;
struct TPoint;

// A scripted walk through the IDE and its Formscope add-in for headless runs: it opens the
// Tools menu, chooses "Formscope...", selects a designed component in the Formscope tree,
// switches to the Events tab, toggles the inspector's look and its categorized view, and writes
// a screenshot (ide-*.png) after each step. It acts as a user would, by clicking menu items
// and controls it finds by name, and knows the add-in only through the framework's classes.
class TScriptTour {
 public:
  TScriptTour(TIDEMainForm* ide, std::string folder);

  // Runs every step; false (with the reason written to log) when a step cannot be done, such
  // as when the add-in is not loaded. Screenshots already written stay.
  bool Run(std::ostream& log);
  const std::vector<std::string>& GetWritten() const { return FWritten; }

 private:
  bool Shot(const std::string& name, std::ostream& log);
  bool OpenToolsMenu(std::ostream& log);
  TCustomForm* OpenFormscope(std::ostream& log);
  bool SelectDesignedNode(TCustomForm* window, std::ostream& log);
  bool ClickTab(TCustomForm* window, int index, std::ostream& log);
  bool ClickButton(TCustomForm* window, const char* name, std::ostream& log);
  void ClickAt(TControl* control, TPoint client);

  TIDEMainForm* FIDE;
  std::string FFolder;
  std::vector<std::string> FWritten;
};
