#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/ControlRef.h"
#include "graphics/Bitmap.h"
#include "grids/CustomGrid.h"
#include "oinspect/InfoRec.h"
#include "oinspect/InspectorTypes.h"
#include "oinspect/OIColors.h"
#include "oinspect/PInfo.h"

class TComponentList;
class TFDesigner;
class TFormDesigner;
class TOInplaceEdit;
class TPropertyEditor;
class TStringList;
class TStrings;

// The object inspector: a two-column grid listing the published properties (or, with another
// Filter, the events) of one or several components, by name and value. Given components
// (SetControl, AddControls, ...) it asks the framework's property-editor machinery for one
// editor per property they share and shows one row per editor (TInfoRec), sorted by the name
// shown, ignoring letter case.
//
// The inspector never owns the inspected components. When one of them is destroyed it drops it
// and builds its rows again from the others; while a property editor or a handler it called is
// still running, the new rows wait until that call returns and the old ones are not read
// meanwhile (IsEmpty answers true). Editors and handlers may therefore free components, change
// the selection or ask for a rebuild at any time.
//
// Outside an IDE the inspector hands editors its own designer (TFDesigner), pointed at the
// inspected components' form; a component on a form with a designer of its own gets that one.
//
// The class is split by concern: ObjectInspectorRows.cpp (selection and rebuild),
// ObjectInspectorSurface.cpp (construction, published properties, looks),
// ObjectInspectorPaint.cpp, ObjectInspectorAliases.cpp, ObjectInspectorExpand.cpp,
// ObjectInspectorInput.cpp (mouse, splitter and keys), ObjectInspectorScroll.cpp and
// ObjectInspectorEdit.cpp (the in-place editor, TOInplaceEdit).
//
// The user edits a value in place: a click on a row (or Up, Down, PageUp, PageDown) commits the
// text being edited and builds the editor on the new current row; Enter commits, Escape
// reverts. A value the property refuses is reported through the application's error report and
// the editor shows the stored value again.
class TCustomObjectInspector : public TCustomGrid {
  DECLARE_CLASS(TCustomObjectInspector, TCustomGrid);

 public:
  explicit TCustomObjectInspector(TComponent* owner);
  ~TCustomObjectInspector() override;

  // Selection. Each change rebuilds the rows at once, or at the closing EndUpdate.
  //
  // Inspects control alone (null: nothing). Selecting the single component already selected
  // does nothing. Fires OnComponentChanged.
  void SetControl(TComponent* control);
  // Inspects the components of list, in order; fires OnComponentChanged twice. Null or an empty
  // list acts as SetControl(nullptr).
  void SetControls(TComponentList* list);
  // Adds the components of list (no duplicate check). Fires OnComponentChanged.
  void AddControls(TComponentList* list);
  // Adds control (null: nothing); with nothing selected it acts as SetControl.
  void AddControl(TComponent* control);
  // Removes the first occurrence of control. Fires OnComponentChanged (with something selected).
  void DelControl(TComponent* control);
  // Removes each component of list with one rebuild; fires OnComponentChanged once per
  // component and once more.
  void DelControls(TComponentList* list);
  // The first inspected component, or null.
  TComponent* GetControl() const;
  // The inspected components, in selection order; the list handed to the events as clist.
  TComponentList* GetComponents() const { return FComponents.get(); }
  // Points the own designer at component's form: a control's parent form (null when it has
  // none), or the form that owns another component; anything else leaves it.
  void SetDesignerForm(TComponent* component);
  // Called after every change of the selection; fires OnComponentChanged.
  virtual void ComponentChanged();

  // Rows.
  //
  // Builds the rows again from the selection (also called by the setters that need it). Does
  // nothing while the inspector is being read or inside BeginUpdate; waits until the running
  // property editor or handler returns when it is called from one. When the machinery fails,
  // the previous rows stay.
  void ShowInfo();
  // The row at index (EListError "List index out of bounds (n)" outside the rows). Ask IsEmpty
  // first: an empty inspector may still hold a row count of 1.
  TInfoRec* GetInfoRec(int32_t index) const;
  int32_t GetInfoRecCount() const { return static_cast<int32_t>(FRows.size()); }
  // True when nothing is inspected, no property passed the filters (or every one was hidden),
  // or the rows wait to be rebuilt after an inspected component was destroyed.
  bool IsEmpty() const;
  // The hidden control of exactly editorClass (a control class) that paints values of that
  // class, made on first use with the inspector as owner (and parent, when windowed). Raises
  // EInvalidCast for a class that is not a control.
  TControl* GetEditor(TClass editorClass);
  // Repaints the value column without erasing; values are read again from the editors.
  void UpdateValues();
  // Nest; the last EndUpdate rebuilds the rows once.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int32_t GetUpdateCount() const { return FUpdateCount; }
  // The framework's editor of the property being gathered, while OnShowProperty and
  // OnGetPropEdit run (null otherwise): a handler that replaces it builds its replacement for
  // the same objects and designer (GetInstProps, GetDesigner, CreatePropertyEditor).
  TPropertyEditor* GetOfferedEditor() const { return FOfferedEditor; }
  // The designer the rows' editors use, and the inspector's own.
  TFormDesigner* GetCurrentDesigner() const { return FCurrentDesigner; }
  TFDesigner* GetOwnDesigner() const { return FOwnDesigner.get(); }
  // The row that holds the in-place editor.
  int32_t GetEditRow() const { return FEditRow; }

  // Writes value through editor: OnChangePropValue may rewrite it first; SetValue runs only
  // when the editor's value differs (exact comparison); OnChangedPropValue follows in every
  // case. Exceptions of the handlers and of SetValue reach the caller.
  void ChangeValue(TPropertyEditor* editor, std::string value);

  // Published state.
  //
  // The kinds of properties listed; a change rebuilds.
  TTypeKinds GetFilter() const { return FFilter; }
  void SetFilter(TTypeKinds value);
  TExpandMode GetExpandMode() const { return FExpandMode; }
  void SetExpandMode(TExpandMode value);
  // The aliases text; assigning copies the lines. Every change rescans it and rebuilds.
  TStrings* GetAliases() const;
  void SetAliases(TStrings* value);
  // The inspector's options (hiding the grid's own). Unless Style is isCustom, only
  // oiUseAliases and oiUseGroups can be changed.
  TOIOptions GetOptions() const { return FOptions; }
  void SetOptions(TOIOptions value) { SetGridOptions(value); }
  void SetGridOptions(TOIOptions value);
  // Half the width of the splitter's hot zone.
  int32_t GetSplitterSize() const { return FSplitterSize; }
  void SetSplitterSize(int32_t value) { FSplitterSize = value; }
  // The group that takes every property without a group of its own.
  const std::string& GetOtherGroupName() const { return FOtherGroupName; }
  void SetOtherGroupName(const std::string& value);
  // The font of group headers; assigning copies it.
  TFont* GetGroupFont() const { return FGroupFont.get(); }
  void SetGroupFont(TFont* value);
  TOIColors* GetColors() const { return FColors.get(); }
  // Copies value's colours, only while Style is isCustom.
  void SetColors(TOIColors* value);
  // The name column's width; the value column takes the rest of the client area.
  int32_t GetFixedColWidth() const { return GetColWidths(0); }
  void SetFixedColWidth(int32_t value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  // isDelphi and isVB apply their look; isCustom keeps the current one and frees it.
  TInspectorStyle GetStyle() const { return FStyle; }
  void SetStyle(TInspectorStyle value);
  // Changes only while Style is isCustom.
  TLineStyle GetLineStyle() const { return FLineStyle; }
  void SetLineStyle(TLineStyle value);
  // Apply a look (colours, line options, line style, group font) at any time.
  void SetDelphiStyle();
  void SetVBStyle();
  // The colour set's change callback: Color follows BackColor, and the grid repaints.
  void ColorsChanged(TObject* sender);
  TBitmap* GetPlusGlyph() const { return FPlusGlyph.get(); }
  TBitmap* GetMinusGlyph() const { return FMinusGlyph.get(); }

  // Does nothing while the rows are rebuilt.
  void Invalidate() override;

  TOnShowProc GetOnShowProperty() const { return FOnShowProperty; }
  // Stores the handler and rebuilds.
  void SetOnShowProperty(TOnShowProc value);
  TSplitterNotifyProc GetOnSplitterMoving() const { return FOnSplitterMoving; }
  void SetOnSplitterMoving(TSplitterNotifyProc value) { FOnSplitterMoving = value; }
  TSplitterNotifyProc GetOnSplitterMoved() const { return FOnSplitterMoved; }
  void SetOnSplitterMoved(TSplitterNotifyProc value) { FOnSplitterMoved = value; }
  TEditClickProc GetOnEditButtonClick() const { return FOnEditButtonClick; }
  void SetOnEditButtonClick(TEditClickProc value) { FOnEditButtonClick = value; }
  TGetCellParamsProc GetOnGetCellParams() const { return FOnGetCellParams; }
  void SetOnGetCellParams(TGetCellParamsProc value);
  TGetPropEditorProc GetOnGetPropEdit() const { return FOnGetPropEdit; }
  void SetOnGetPropEdit(TGetPropEditorProc value) { FOnGetPropEdit = value; }
  TChangeValueProc GetOnChangePropValue() const { return FOnChangePropValue; }
  void SetOnChangePropValue(TChangeValueProc value) { FOnChangePropValue = value; }
  TChangeValueProc GetOnChangedPropValue() const { return FOnChangedPropValue; }
  void SetOnChangedPropValue(TChangeValueProc value) { FOnChangedPropValue = value; }
  TDrawCellProc GetOnDrawCell() const { return FOnDrawCell; }
  void SetOnDrawCell(TDrawCellProc value) { FOnDrawCell = value; }
  TNotifyEvent GetOnComponentChanged() const { return FOnComponentChanged; }
  void SetOnComponentChanged(TNotifyEvent value) { FOnComponentChanged = value; }

  // Aliases and groups (ObjectInspectorAliases.cpp).
  //
  // Builds the group names and the alias table from the aliases text.
  void ScanAliases();
  // The alias entry of a property name, or null; null at once without oiUseAliases and
  // oiUseGroups.
  const TPInfo* FindAlias(const std::string& propName) const;
  // The aliases text changed: rescan, rebuild, repaint. A duplicate section or property name
  // raises EStringListError to whoever changed the text; what was scanned before it stays in
  // effect and nothing is rebuilt.
  void AliasesChanged(TObject* sender);
  // The group names of the aliases text and the other group's, in alphabetical order (ignoring
  // letter case); a row's Group is a position in them.
  int32_t GetGroupCount() const;
  std::string GetGroupName(int32_t group) const;
  int32_t GetOtherGroupIndex() const { return FOtherGroupIndex; }

  // Expansion (ObjectInspectorExpand.cpp).
  //
  // Expands a collapsed row, collapses any other. An exception while the sub-properties are
  // gathered reaches the caller and leaves the rows as they were.
  void DoPlusMinus(int32_t row);
  // Shows a collapsed group header's members (collapsed), then expands those marked to expand.
  // Any other row is left alone.
  void ExpandGroup(int32_t row);
  // Removes an expanded row's sub-rows, unless ExpandMode is AlwaysExpand or the row is marked
  // ALWAYSEXPAND.
  void CollapseRow(int32_t row);
  // Expands every expandable row, recursively; ExpandAuto only those marked to expand.
  void ExpandAll();
  void ExpandAuto();
  // Collapses every row that may be collapsed.
  void CollapseAll();

  // Scroll bar (ObjectInspectorScroll.cpp): sets the vertical bar from the rows (range, page and
  // position), or hides it when no row is on screen.
  void UpdateScrollBar();

  // In-place editing (ObjectInspectorEdit.cpp).
  //
  // Builds the in-place editor on row, or removes it when the row gets none.
  void CreateEditor(int32_t row);
  // Parks the in-place editor.
  void KillEditor();
  // After the current row changed: repaints the old and new editor rows, builds the editor on
  // the current row.
  void UpdateEditor();
  // Places the in-place editor over the current cell again.
  void MoveEditor();
  // Whether an in-place editor stands on the editor row; painting leaves its value cell to the
  // editor then.
  bool GetInplaceEditorShown() const;
  // The in-place editor (null while the inspector is being designed).
  TOInplaceEdit* GetInplaceEdit() const { return FInplaceEdit; }
  // The editor is built and usable on EditRow.
  bool GetEditorActive() const { return FEditorActive; }
  // The edit action of row: OnEditButtonClick, or else the property editor's dialog; then the
  // editor shows the value again. Nothing on a group row.
  void DoEdit(int32_t row);
  // The dots button's handler: DoEdit on the current row.
  void EditClick(TObject* sender);
  // Live apply after each key the editor handles, for properties with paAutoUpdate.
  void EditChange(TObject* sender);
  // Makes the row of a property path ("Font.Name": names as shown, compared exactly, each below
  // the one before it) current and builds its editor. A path not found changes nothing; rows
  // are not expanded to find it.
  void SetFocusToProperty(const std::string& path);

  // Pointer and keyboard (ObjectInspectorInput.cpp).
  //
  // Whether x lies in the splitter's hot zone around pos (SplitterSize either side, exclusive).
  bool isnear(int32_t x, int32_t pos) const;
  // Toggles the dotted sizing line at SizingPos (drawing it twice removes it).
  void DrawSizingLine();
  // A double click: on the name column expands or collapses the row under the pointer, on the
  // value column runs its edit action.
  void DblClick() override;
  bool GetSizing() const { return FSizing; }
  int32_t GetSizingPos() const { return FSizingPos; }
  // Painting (ObjectInspectorPaint.cpp).
  //
  // Draws every line of the visible area over the cells: the horizontal lines, the column
  // line(s) and the editor row's frame.
  void DrawLines();
  // The horizontal line of the row boundary y, on pixel row y - 1 across the width: dotted or
  // solid in HorzLineColor with oiHorzLine, else in BackColor (erasing).
  void DrawHorzLine(int32_t y);
  // The line(s) between the columns, leaving out the pixel at the editor row's top edge.
  void DrawVertLine();
  // Whether the editor row's frame is drawn; cleared while the selection moves under a drag
  // or a navigation key.
  bool GetFrameShown() const { return FFrameShown; }
  void SetFrameShown(bool value);

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) override;
  // Any cell may become current.
  bool SelectCell(int32_t col, int32_t row) override;
  // The background is never erased on its own: painting covers every pixel.
  void WMEraseBkgnd(TWMEraseBkgnd& message);

  // Input replaces the grid's own mouse handling outside design mode; see
  // ObjectInspectorInput.cpp for the transitions.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Up, Down, PageUp and PageDown commit the edit and move the current row; keypad +, - and *
  // expand and collapse where the editor cannot take them as text. Other keys are consumed.
  void KeyDown(WORD& key, TShiftState shift) override;
  void Col0DblClick();
  void Col1DblClick();
  void WMNCHitTest(TWMNCHitTest& message);
  void WMSetCursor(TWMSetCursor& message);
  void CMDesignHitTest(TCMDesignHitTest& message);

  // Scrolling and layout (ObjectInspectorScroll.cpp).
  //
  // Keeps the row height from the font, the name column's width and the editor in place.
  void WMSize(TWMSize& message);
  // Scrolls by lines, pages or the thumb (tracking included) and keeps the editor on its row.
  void WMVScroll(TWMScroll& message);
  // Redraws the grid lines once the grid has scrolled and keeps the editor on its row.
  void TopLeftChanged() override;
  // Keeps the editor on its row when the rows change height.
  void RowHeightsChanged() override;

 private:
  friend class TOInplaceEdit;

  // Marks a call into property editors or handlers: rebuilds asked for meanwhile wait until
  // the outermost call returns, so that no row (and no editor) goes away while it may run.
  class TCallGuard {
   public:
    // With runPending false the caller runs the waiting rebuild itself.
    explicit TCallGuard(TCustomObjectInspector* inspector, bool runPending = true)
        : FInspector(inspector), FRunPending(runPending) {
      ++inspector->FCallDepth;
    }
    ~TCallGuard();
    TCallGuard(const TCallGuard&) = delete;
    TCallGuard& operator=(const TCallGuard&) = delete;

   private:
    TControlRef<TCustomObjectInspector> FInspector;
    bool FRunPending;
  };
  using TRowList = std::vector<std::unique_ptr<TInfoRec>>;

  // Sorts rows by display name, ignoring letter case, keeping the order of equal names.
  static void SortRows(TRowList& rows);

  // Selection (ObjectInspectorRows.cpp).
  void AddComponent(TComponent* component);
  void ClearComponents();
  void ForgetComponent(TComponent* component);
  bool DropDestroyed(TComponent* component);
  void WatchDesignerRoot(TComponent* root);
  // Rebuild.
  void GetPropEdit(std::unique_ptr<TPropertyEditor> prop);
  void CheckGathering(uint64_t generation) const;
  std::string FocusedPropertyName() const;
  void SortNewRows();
  void ReleaseRows();
  void ReplaceRows(TRowList rows, std::vector<TComponent*> components);
  void ReleaseStaleRows();
  void RestoreFocus(const std::string& name);
  TFormDesigner* DesignerFor(TComponent* component) const;
  void RunPendingRebuild();

  // Groups (ObjectInspectorAliases.cpp).
  bool IsGroupMember(const TInfoRec& master, int32_t group) const;
  void AppendGroupMembers(int32_t group, TRowList& rows) const;
  // Moves the rows to the masters and shows them under their group headers; returns the
  // number of headers shown.
  int32_t ArrangeGroups();

  // Expansion (ObjectInspectorExpand.cpp).
  void GatherSubRows(TInfoRec& parent, TRowList& rows);
  void ExpandRow(int32_t row);
  void ExpandEvery(bool markedOnly);
  // Walks the rows [begin, end), expanding each collapsed one (with markedOnly, each marked to
  // expand) and the rows that it gains in turn.
  void ExpandRange(size_t begin, size_t end, bool markedOnly);
  size_t DescendantsEnd(size_t row) const;
  bool CanCollapse(const TInfoRec& row) const;

  // Painting.
  bool PlainSunkenFrame() const;
  bool FrameMode() const;
  // Where the lines end: the client height, or the last row's bottom above it.
  int32_t LinesEnd() const;
  void DrawValueCell(int32_t row, const TInfoRec& info, const TRect& cell);
  void DrawNameCell(int32_t row, const TInfoRec& info, const TRect& cell);
  // Lets the row's editor control paint the value (CM_PAINTTO); true when it did.
  bool PaintValueByControl(const TInfoRec& info, const TRect& cell);
  void DrawCellText(const TRect& cell, int32_t x, const std::string& text, bool editorRowCell);
  void DrawSunkenFrame(int32_t col, TRect cell);

  // Input.
  // The pointer's position in client coordinates and the cell under it.
  TPoint CursorClientPos() const;
  bool GlyphHit(int32_t row, int32_t x) const;
  void ChooseRow(int32_t row);
  void ExpandSubtree(int32_t row);
  void EraseEditorFrame();
  // The editor of the property row at row; null for a group header or a row that is not there.
  TPropertyEditor* PropEditAt(int32_t row) const;
  // Shows editor's current value in the in-place editor.
  void ShowEditorValue(TPropertyEditor* editor);
  // Commits the text being edited; a refused value raises.
  void ApplyPendingEdit();
  // Commits the text being edited before another selection is shown; a refused value is
  // reported through the application and does not stop the change.
  void CommitBeforeSelectionChange();
  // The row height the font gives: its text height on the canvas and 3 pixels.
  int32_t MeasureRowHeight();

  // Looks (ObjectInspectorSurface.cpp).
  void ApplyLook(TColor back, TColor col1, TColor lines, TColor highlightBkgnd);
  void LoadGlyphs();
  void EraseEditorTopLine();

  // Row side.
  std::unique_ptr<TFDesigner> FOwnDesigner;
  std::unique_ptr<TComponentList> FComponents;
  TRowList FRows;
  TRowList FMasterRows;
  TRowList FNewRows;
  int32_t FNewRowCount = 0;
  // The row whose sub-properties are being gathered; null while a rebuild gathers.
  TInfoRec* FParentInfo = nullptr;
  bool FNoRows = false;
  int32_t FUpdateCount = 0;
  int32_t FEditRow = 0;
  // Owned as a child component; null while designing.
  TOInplaceEdit* FInplaceEdit = nullptr;
  bool FEditorActive = false;
  TFormDesigner* FCurrentDesigner = nullptr;
  std::vector<TControl*> FEditorCache;
  bool FRowsLocked = false;
  bool FFrameShown = true;
  TTypeKinds FFilter;
  TExpandMode FExpandMode = Default;
  bool FReadOnly = false;
  TPropertyEditor* FOfferedEditor = nullptr;
  // The property focused when the rows were last released without a rebuild.
  std::string FReleasedFocusName;
  // Calls into editors and handlers under way; rebuilds asked for meanwhile wait.
  int32_t FCallDepth = 0;
  bool FRebuildPending = false;
  // The components the rows were built from; one of them destroyed makes the rows stale.
  std::vector<TComponent*> FRowComponents;
  bool FRowsStale = false;
  // Counts watched components lost to destruction: work begun at another count is void.
  uint64_t FLostComponents = 0;

  // Aliases and groups.
  std::unique_ptr<TStringList> FAliases;
  std::string FOtherGroupName;
  // Sorted group names and upper-cased property names, both refusing duplicates; the table's
  // objects are the entries, which FAliasEntries owns.
  std::unique_ptr<TStringList> FGroups;
  int32_t FOtherGroupIndex = -1;
  std::unique_ptr<TStringList> FAliasTable;
  std::vector<std::unique_ptr<TPInfo>> FAliasEntries;

  // Surface.
  std::unique_ptr<TOIColors> FColors;
  std::unique_ptr<TFont> FGroupFont;
  std::unique_ptr<TBitmap> FPlusGlyph;
  std::unique_ptr<TBitmap> FMinusGlyph;
  TOIOptions FOptions;
  // Options read from a form file, applied in Loaded when the file's Style is isCustom.
  TOIOptions FStreamedOptions;
  bool FOptionsStreamed = false;
  TInspectorStyle FStyle = isDelphi;
  TLineStyle FLineStyle = SolidLine;
  int32_t FSplitterSize = 3;

  // Pointer state.
  bool FSizing = false;
  int32_t FSizingPos = 0;
  TPoint FHitPos;
  bool FPlusMinusClick = false;

  TOnShowProc FOnShowProperty;
  TSplitterNotifyProc FOnSplitterMoving;
  TSplitterNotifyProc FOnSplitterMoved;
  TEditClickProc FOnEditButtonClick;
  TGetCellParamsProc FOnGetCellParams;
  TGetPropEditorProc FOnGetPropEdit;
  TChangeValueProc FOnChangePropValue;
  TChangeValueProc FOnChangedPropValue;
  TDrawCellProc FOnDrawCell;
  TNotifyEvent FOnComponentChanged;
};

// The inspector with its properties published, for form files and designers.
class TObjectInspector : public TCustomObjectInspector {
  DECLARE_CLASS(TObjectInspector, TCustomObjectInspector);

 public:
  explicit TObjectInspector(TComponent* owner) : TCustomObjectInspector(owner) {}
};

// A type whose properties the property-editor registry hides (registered at the package's
// start-up); it adds nothing to the inspector.
class TDummyType : public TCustomObjectInspector {
  DECLARE_CLASS(TDummyType, TCustomObjectInspector);

 public:
  explicit TDummyType(TComponent* owner) : TCustomObjectInspector(owner) {}
};
