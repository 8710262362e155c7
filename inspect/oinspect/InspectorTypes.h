#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/Method.h"
#include "core/Set.h"
#include "graphics/Color.h"
#include "rtti/TypeInfo.h"
#include "types/Rect.h"

class TComponentList;
class TFont;
class TPropertyEditor;

// The value and event types of the object inspector.

// Size in pixels of the square plus and minus glyphs, and the indentation per row level.
inline constexpr int32_t GlyphSize = 9;

// Whether a row has sub-rows and whether they are shown.
enum TSubState : uint8_t { ssNoSub, ssExpanded, ssCollapsed };
PUBLISHED_ENUM(TSubState, ssNoSub, ssExpanded, ssCollapsed)

// The inspector's options; the set fits one byte.
enum TOIOption : uint8_t {
  oiHorzLine,      // lines between rows
  oiVertLine,      // the line between the columns
  oiJoinControls,  // stored only
  oiSunkenEditor,  // the editor row is framed
  oiVertLine3D,    // the column line is grey and white; the value starts a pixel further right
  oiUseAliases,    // rows show the alias names of the aliases text
  oiUseGroups,     // rows are arranged in the named groups of the aliases text
  oiEditBorder,    // the editor row's frame lies just outside it instead of sunken
};
PUBLISHED_ENUM(TOIOption, oiHorzLine, oiVertLine, oiJoinControls, oiSunkenEditor, oiVertLine3D,
               oiUseAliases, oiUseGroups, oiEditBorder)
using TOIOptions = TSet<TOIOption>;
PUBLISHED_SET(TOIOptions, TOIOption)

// What is expanded after each rebuild, and whether rows may be collapsed.
enum TExpandMode : uint8_t { Default, AutoExpand, AlwaysExpand };
PUBLISHED_ENUM(TExpandMode, Default, AutoExpand, AlwaysExpand)

// How horizontal lines are drawn.
enum TLineStyle : uint8_t { SolidLine, DottedLine };
PUBLISHED_ENUM(TLineStyle, SolidLine, DottedLine)

// The inspector's look: two fixed ones, or whatever was set last and may now be changed freely.
enum TInspectorStyle : uint8_t { isDelphi, isVB, isCustom };
PUBLISHED_ENUM(TInspectorStyle, isDelphi, isVB, isCustom)

// The inspector's events. Sender is the inspector; clist is the list of inspected components.
// Handlers change the parameters passed by reference or leave them for the default behaviour.
DECLARE_EVENT(TOnShowProc,
              void(TObject* Sender, const std::string& PropName, TComponentList* clist, bool& show),
              "Sender: TObject; const PropName: String; clist: TComponentList; var show: Boolean")
DECLARE_EVENT(TSplitterNotifyProc, void(TObject* Sender, int32_t X), "Sender: TObject; X: Integer")
DECLARE_EVENT(TEditClickProc,
              void(TObject* Sender, TComponentList* clist, TPropertyEditor* propedit,
                   bool& processed),
              "Sender: TObject; clist: TComponentList; propedit: TPropertyEditor; "
              "var processed: Boolean")
DECLARE_EVENT(TGetCellParamsProc,
              void(TObject* Sender, TComponentList* clist, TPropertyEditor* propedit,
                   int32_t column, TFont* Font, TColor& TextColor),
              "Sender: TObject; clist: TComponentList; propedit: TPropertyEditor; "
              "column: Integer; Font: TFont; var TextColor: TColor")
DECLARE_EVENT(TDrawCellProc,
              void(TObject* Sender, TComponentList* clist, TPropertyEditor* propedit, int32_t Colum,
                   TRect ARect, bool& processed),
              "Sender: TObject; clist: TComponentList; propedit: TPropertyEditor; "
              "Colum: Integer; ARect: TRect; var processed: Boolean")
// PropEdit starts empty; an editor put there replaces the framework's and belongs to the
// inspector from then on.
DECLARE_EVENT(TGetPropEditorProc,
              void(TObject* Sender, const std::string& PropName,
                   std::unique_ptr<TPropertyEditor>& PropEdit),
              "Sender: TObject; const PropName: String; var PropEdit: TPropertyEditor")
DECLARE_EVENT(TChangeValueProc,
              void(TObject* Sender, TComponentList* clist, const std::string& propname,
                   std::string& newval),
              "Sender: TObject; clist: TComponentList; const propname: String; "
              "var newval: String")
DECLARE_EVENT(TChangedProc, void(TObject* Sender), "Sender: TObject")
