#pragma once

#include <vector>

#include "controls/CustomControl.h"

class TMenuItem;

// The drop-down list of a menu item's children: a raised box of rows (separators thinner),
// each with its check mark or radio bullet, caption, shortcut and submenu arrow, the selected
// row highlighted, disabled rows embossed. It floats above everything without taking the
// activation; the menu tracker makes, places and drives it and owns it.
class TMenuWindow : public TCustomControl {
  DECLARE_CLASS(TMenuWindow, TCustomControl);

 public:
  TMenuWindow(TComponent* owner, TMenuItem* item);

  TMenuItem* GetItem() const { return FItem; }
  // The selected child, or -1. The selection follows its item when items come and go.
  int GetSelected() const { return FSelected; }
  void SetSelected(int index);
  TMenuItem* GetSelectedItem() const { return FSelectedItem; }
  // The child index of the first, next or previous row that can be selected (not a separator,
  // shown) from index in direction step, wrapping; -1 when there is none.
  int NextSelectable(int index, int step) const;
  // Lays the rows out again for the children as they are now, keeping the window's corner.
  void Rebuild();
  // Shows the window with its top-left corner at (x, y) in screen coordinates; when it would
  // leave the screen on the right it ends at rightLimit instead, and at the bottom it moves up.
  void ShowAt(int x, int y, int rightLimit);
  // The child under a screen point, or -1 (separators included).
  int ItemAt(TPoint screen);
  // A child's row in screen coordinates (empty for a hidden child).
  TRect ItemScreenRect(int index);
  bool Contains(TPoint screen);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void WMMouseActivate(TMessage& message);

 private:
  TRect ItemRect(int index) const;
  void PaintItem(TCanvas* canvas, int index);
  TSize Measure();

  TMenuItem* FItem;
  int FSelected = -1;
  TMenuItem* FSelectedItem = nullptr;
  std::vector<int> FTops;  // per child, the row's top (-1 hidden); the last entry the bottom
  int FCaptionWidth = 0;
  int FShortCutWidth = 0;
  bool FHasSubmenus = false;
};

// Draws a menu caption (with its '&' underline) in rect: in the menu text colour, the
// highlight text colour when selected, embossed when disabled.
void DrawMenuCaption(TCanvas* canvas, const std::string& text, TRect rect, UINT format,
                     bool enabled, bool selected);
