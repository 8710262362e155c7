#pragma once

#include <cstdint>

#include "controls/ControlTypes.h"
#include "core/Set.h"
#include "rtti/TypeInfo.h"

// The value types that grids share.

// What a grid draws and lets the user do, in the platform's bit order.
enum TGridOption : uint8_t {
  goFixedVertLine,      // vertical lines between fixed cells
  goFixedHorzLine,      // horizontal lines between fixed cells
  goVertLine,           // vertical lines between the other cells
  goHorzLine,           // horizontal lines between the other cells
  goRangeSelect,        // stored; the grid selects one cell (or row) at a time
  goDrawFocusSelected,  // the focused cell is painted highlighted like a selected one
  goRowSizing,          // stored; rows share one height (DefaultRowHeight)
  goColSizing,          // the user drags the line right of a fixed-row cell to size its column
  goRowMoving,          // stored
  goColMoving,          // stored
  goEditing,            // cells may be edited: the grid asks for typed characters
  goTabs,               // Tab and Shift+Tab move between cells instead of between controls
  goRowSelect,          // the whole current row is selected; Left and Right scroll
  goAlwaysShowEditor,   // stored
  goThumbTracking,      // the grid scrolls while a scroll-bar thumb is dragged
};
PUBLISHED_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
               goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing,
               goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking)
using TGridOptions = TSet<TGridOption>;
PUBLISHED_SET(TGridOptions, TGridOption)

// How a cell is to be drawn.
enum TGridDrawStateItem : uint8_t {
  gdSelected,  // the cell is the current cell, or in the current row with goRowSelect
  gdFocused,   // the cell is the current cell and the grid has the focus
  gdFixed,     // the cell lies in a fixed row or column
};
PUBLISHED_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;
PUBLISHED_SET(TGridDrawState, TGridDrawStateItem)

// A cell of a grid: X is the column, Y the row; -1 where there is none.
struct TGridCoord {
  int32_t X = 0;
  int32_t Y = 0;

  bool operator==(const TGridCoord&) const = default;
};
