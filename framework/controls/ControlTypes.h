#pragma once

#include <cstdint>
#include <string>

#include "core/Method.h"
#include "core/Set.h"
#include "rtti/TypeInfo.h"
#include "types/WinTypes.h"

class TControl;
class TDragObject;

// The value types and event types that controls share.

// Where a control places itself inside its parent's client area.
enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
PUBLISHED_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)

// What a control class is and does; descendants set it in their constructors.
enum TControlStyleItem : uint8_t {
  csAcceptsControls,  // designers may drop controls on it
  csCaptureMouse,     // takes the mouse capture while a button is down
  csDesignInteractive,
  csClickEvents,   // a press and release inside it is a Click, a double click a DblClick
  csFramed,        // a client edge when Ctl3D, a border otherwise
  csSetCaption,    // a new Name also becomes the caption in design mode
  csOpaque,        // paints all of its area: nothing behind it is erased
  csDoubleClicks,  // receives double clicks (else they arrive as second presses)
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,  // hidden in design mode
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
};
PUBLISHED_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive,
               csClickEvents, csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth,
               csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage,
               csReflector, csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleItem>;
PUBLISHED_SET(TControlStyle, TControlStyleItem)

// What a control is going through at the moment.
enum TControlStateItem : uint8_t {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking,
};
PUBLISHED_ENUM(TControlStateItem, csLButtonDown, csClicked, csPalette, csReadingState,
               csAlignmentNeeded, csFocusing, csCreating, csPaintCopy, csCustomPaint,
               csDestroyingHandle, csDocking)
using TControlState = TSet<TControlStateItem>;
PUBLISHED_SET(TControlState, TControlStateItem)

// The keys and buttons held during a mouse or key event; ssDouble marks a double click.
enum TShiftStateItem : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
PUBLISHED_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;
PUBLISHED_SET(TShiftState, TShiftStateItem)

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
PUBLISHED_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)

enum TDragMode : uint8_t { dmManual, dmAutomatic };
PUBLISHED_ENUM(TDragMode, dmManual, dmAutomatic)

enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
PUBLISHED_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)

// Horizontal placement of text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
PUBLISHED_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

// Vertical placement of text.
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
PUBLISHED_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

// Which scroll bars a control shows (memos, grids).
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
PUBLISHED_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

// The frame of a window. Controls with a border use bsNone and bsSingle; forms use them all.
enum TFormBorderStyle : uint8_t {
  bsNone,
  bsSingle,
  bsSizeable,
  bsDialog,
  bsToolWindow,
  bsSizeToolWin
};
PUBLISHED_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow,
               bsSizeToolWin)
// One C++ type serves both: a control with a border style treats anything but bsNone as
// bsSingle.
using TBorderStyle = TFormBorderStyle;

DECLARE_EVENT(TMouseEvent,
              void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y),
              "Sender: TObject; Button: TMouseButton; Shift: TShiftState; X: Integer; "
              "Y: Integer")
DECLARE_EVENT(TMouseMoveEvent, void(TObject* Sender, TShiftState Shift, int X, int Y),
              "Sender: TObject; Shift: TShiftState; X: Integer; Y: Integer")
DECLARE_EVENT(TKeyEvent, void(TObject* Sender, WORD& Key, TShiftState Shift),
              "Sender: TObject; var Key: Word; Shift: TShiftState")
// Key is the character typed, a Unicode code point; a handler sets it to 0 to swallow it.
DECLARE_EVENT(TKeyPressEvent, void(TObject* Sender, char32_t& Key),
              "Sender: TObject; var Key: Char")
DECLARE_EVENT(TDragDropEvent, void(TObject* Sender, TObject* Source, int X, int Y),
              "Sender: TObject; Source: TObject; X: Integer; Y: Integer")
DECLARE_EVENT(TDragOverEvent,
              void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept),
              "Sender: TObject; Source: TObject; X: Integer; Y: Integer; State: TDragState; "
              "var Accept: Boolean")
DECLARE_EVENT(TEndDragEvent, void(TObject* Sender, TObject* Target, int X, int Y),
              "Sender: TObject; Target: TObject; X: Integer; Y: Integer")
DECLARE_EVENT(TStartDragEvent, void(TObject* Sender, TDragObject*& DragObject),
              "Sender: TObject; var DragObject: TDragObject")

// value * m / d, rounded to the nearest integer; value itself when d is 0.
int MulDiv(int value, int m, int d);
// The shift state of the MK_* flags of a mouse message.
TShiftState KeysToShiftState(UINT keys);
// The shift state of a key message's data (Alt from the context bit, Shift and Ctrl from the
// key state).
TShiftState KeyDataToShiftState(LPARAM keyData);
// The shift state of the keyboard now.
TShiftState GetShiftState();
// True when caption marks character as its accelerator with '&' (any letter case; "&&" is a
// plain ampersand).
bool IsAccel(char32_t character, const std::string& caption);
// The caption without accelerator marks.
std::string StripHotkey(const std::string& caption);
