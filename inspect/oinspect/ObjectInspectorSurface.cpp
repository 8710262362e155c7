// The inspector as a component: construction, published properties, options and looks.
#include "controls/ControlRef.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "designintf/ComponentList.h"
#include "fdesign/FDesigner.h"
#include "oinspect/OInplaceEdit.h"
#include "oinspect/ObjectInspector.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomObjectInspector) {
  MESSAGE_HANDLER(WM_ERASEBKGND, WMEraseBkgnd);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(WM_VSCROLL, WMVScroll);
  MESSAGE_HANDLER(WM_NCHITTEST, WMNCHitTest);
  MESSAGE_HANDLER(WM_SETCURSOR, WMSetCursor);
  MESSAGE_HANDLER(CM_DESIGNHITTEST, CMDesignHitTest);
}

IMPLEMENT_CLASS(TObjectInspector) {
  PROPERTY(Filter, GetFilter, SetFilter).Default(TTypeKinds::FromBits(65279));
  PROPERTY(ExpandMode, GetExpandMode, SetExpandMode);
  PROPERTY(Aliases, GetAliases, SetAliases);
  PROPERTY(Options, GetOptions, SetGridOptions);
  PROPERTY(SplitterSize, GetSplitterSize, SetSplitterSize).Default(3);
  PROPERTY(OtherGroupName, GetOtherGroupName, SetOtherGroupName);
  PROPERTY(GroupFont, GetGroupFont, SetGroupFont);
  PROPERTY(OnShowProperty, GetOnShowProperty, SetOnShowProperty);
  PROPERTY(OnSplitterMoving, GetOnSplitterMoving, SetOnSplitterMoving);
  PROPERTY(OnSplitterMoved, GetOnSplitterMoved, SetOnSplitterMoved);
  PROPERTY(OnEditButtonClick, GetOnEditButtonClick, SetOnEditButtonClick);
  PROPERTY(OnGetCellParams, GetOnGetCellParams, SetOnGetCellParams);
  PROPERTY(OnGetPropEdit, GetOnGetPropEdit, SetOnGetPropEdit);
  PROPERTY(OnChangePropValue, GetOnChangePropValue, SetOnChangePropValue);
  PROPERTY(OnChangedPropValue, GetOnChangedPropValue, SetOnChangedPropValue);
  PROPERTY(OnDrawCell, GetOnDrawCell, SetOnDrawCell);
  PROPERTY(OnComponentChanged, GetOnComponentChanged, SetOnComponentChanged);
  PROPERTY(Colors, GetColors, SetColors);
  PROPERTY(FixedColWidth, GetFixedColWidth, SetFixedColWidth);
  PROPERTY(ReadOnly, GetReadOnly, SetReadOnly);
  PROPERTY(Style, GetStyle, SetStyle);
  PROPERTY(LineStyle, GetLineStyle, SetLineStyle);
}

IMPLEMENT_CLASS(TDummyType) {}

namespace {
// The options the looks leave to the program whatever the style.
constexpr TOIOptions StyleFreeOptions{oiUseAliases, oiUseGroups};
constexpr TOIOptions DelphiOptionsSet{oiHorzLine, oiVertLine, oiSunkenEditor, oiVertLine3D};
constexpr TOIOptions VBOptionsSet{oiHorzLine, oiVertLine, oiSunkenEditor, oiEditBorder};
}  // namespace

TCustomObjectInspector::TCustomObjectInspector(TComponent* owner)
    : TCustomGrid(owner),
      FOwnDesigner(std::make_unique<TFDesigner>()),
      FComponents(std::make_unique<TComponentList>()),
      FAliases(std::make_unique<TStringList>()),
      FGroups(std::make_unique<TStringList>()),
      FAliasTable(std::make_unique<TStringList>()),
      FColors(std::make_unique<TOIColors>()),
      FGroupFont(std::make_unique<TFont>()) {
  FCurrentDesigner = FOwnDesigner.get();
  for (TStringList* unique : {FGroups.get(), FAliasTable.get()}) {
    unique->SetSorted(true);
    unique->SetDuplicates(dupError);
  }
  FColors->SetOnChanged(MakeMethod<&TCustomObjectInspector::ColorsChanged>(this));
  FAliases->SetOnChange(MakeMethod<&TCustomObjectInspector::AliasesChanged>(this));
  SetGridLineWidth(1);
  SetColor(clBtnFace);
  SetFixedColor(clBtnFace);
  SetColCount(2);
  SetFixedCols(1);
  SetFixedRows(0);
  FSplitterSize = 3;
  FOtherGroupName = "Other";
  FLineStyle = SolidLine;
  FFilter = tkAny - TTypeKinds{tkMethod, tkInterface};
  LoadGlyphs();
  // The inspector paints every cell itself.
  SetDefaultDrawing(false);
  if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
  // Style is still isDelphi: only the alias and group options take effect.
  SetGridOptions(TOIOptions::FromBits(0x7F));
  TCustomGrid::SetOptions({goThumbTracking});
  if (!GetComponentState().Contains(csDesigning)) {
    FEditRow = 0;
    FInplaceEdit = new TOInplaceEdit(this);
    FInplaceEdit->SetInspector(this);
    FInplaceEdit->SetOnTextChange(MakeMethod<&TCustomObjectInspector::EditChange>(this));
    FInplaceEdit->Conceal();
    SetDelphiStyle();
    CreateEditor(0);
    // The vertical bar is the inspector's own.
    SetScrollBars(ssHorizontal);
  }
}

TCustomObjectInspector::~TCustomObjectInspector() {
  // Rows go first: their editors refer to the designer.
  FNewRows.clear();
  FRows.clear();
  FMasterRows.clear();
  FRowComponents.clear();
}

void TCustomObjectInspector::LoadGlyphs() {
  FPlusGlyph = std::make_unique<TBitmap>();
  FMinusGlyph = std::make_unique<TBitmap>();
  FPlusGlyph->LoadFromResourceName(ThisModule(), "OBJECTINSPECTOR_PLUS");
  FMinusGlyph->LoadFromResourceName(ThisModule(), "OBJECTINSPECTOR_MINUS");
}

// Options.

void TCustomObjectInspector::SetGridOptions(TOIOptions value) {
  const TComponentState state = GetComponentState();
  if (state.Contains(csLoading) || state.Contains(csReading)) {
    FStreamedOptions = value;
    FOptionsStreamed = true;
  }
  if (FStyle != isCustom) value = (FOptions - StyleFreeOptions) + (value * StyleFreeOptions);
  const bool sunkenOff = FOptions.Contains(oiSunkenEditor) && !value.Contains(oiSunkenEditor);
  const bool groupingChanged = (FOptions * StyleFreeOptions) != (value * StyleFreeOptions);
  FOptions = value;
  TControlRef<TCustomObjectInspector> self(this);
  if (sunkenOff) {
    MoveEditor();
    EraseEditorTopLine();
  }
  if (groupingChanged) {
    ScanAliases();
    ShowInfo();
  }
  if (self) Invalidate();
}

void TCustomObjectInspector::EraseEditorTopLine() {
  // The sunken frame's dark top line goes at once, before the repaint.
  if (!HandleAllocated()) return;
  const TRect cell = CellRect(1, FEditRow);
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(FColors->GetBackColor());
  canvas->MoveTo(0, cell.Top);
  canvas->LineTo(GetWidth(), cell.Top);
}

void TCustomObjectInspector::SetLineStyle(TLineStyle value) {
  if (value == FLineStyle || FStyle != isCustom) return;
  FLineStyle = value;
  DrawLines();
}

// Colours and fonts.

void TCustomObjectInspector::SetColors(TOIColors* value) {
  if (FStyle != isCustom || !value) return;
  FColors->Assign(value);
  SetColor(FColors->GetBackColor());
  Invalidate();
}

void TCustomObjectInspector::ColorsChanged(TObject*) {
  SetColor(FColors->GetBackColor());
  Invalidate();
}

void TCustomObjectInspector::SetGroupFont(TFont* value) {
  FGroupFont->Assign(value);
  Invalidate();
}

void TCustomObjectInspector::SetOnGetCellParams(TGetCellParamsProc value) {
  FOnGetCellParams = value;
  Invalidate();
}

void TCustomObjectInspector::SetFixedColWidth(int32_t value) {
  SetColWidths(0, value);
  SetColWidths(1, GetClientWidth() - value);
  UpdateEditor();
}

// Looks.

void TCustomObjectInspector::SetStyle(TInspectorStyle value) {
  FStyle = value;
  if (value == isDelphi)
    SetDelphiStyle();
  else if (value == isVB)
    SetVBStyle();
}

void TCustomObjectInspector::ApplyLook(TColor back, TColor col1, TColor lines,
                                       TColor highlightBkgnd) {
  // The colours go straight in: a look is not a change the colour set reports.
  FColors->FBackColor = back;
  FColors->FCol0Color = clBlack;
  FColors->FCol1Color = col1;
  FColors->FVertLineColor = lines;
  FColors->FHorzLineColor = lines;
  FColors->FHighlightColor = clBlack;
  FColors->FHighlightBkgnd = highlightBkgnd;
  SetColor(back);
}

void TCustomObjectInspector::SetDelphiStyle() {
  TControlRef<TCustomObjectInspector> self(this);
  ApplyLook(clBtnFace, clNavy, clGray, clBtnFace);
  FOptions = (FOptions + DelphiOptionsSet) - TOIOptions{oiEditBorder};
  FLineStyle = DottedLine;
  FGroupFont->Assign(GetFont());
  FGroupFont->SetStyle(FGroupFont->GetStyle() + TFontStyles{fsBold});
  UpdateEditor();
  if (self) Invalidate();
}

void TCustomObjectInspector::SetVBStyle() {
  TControlRef<TCustomObjectInspector> self(this);
  ApplyLook(clWhite, clBlack, clSilver, clWhite);
  FLineStyle = SolidLine;
  if (FOptions.Contains(oiSunkenEditor)) EraseEditorTopLine();
  FOptions = (FOptions - TOIOptions{oiVertLine3D}) + VBOptionsSet;
  UpdateEditor();
  if (!self) return;
  FGroupFont->Assign(GetFont());
  FGroupFont->SetStyle(FGroupFont->GetStyle() + TFontStyles{fsBold});
  Invalidate();
}

// The aliases text and the other group's name.

TStrings* TCustomObjectInspector::GetAliases() const {
  return FAliases.get();
}

void TCustomObjectInspector::SetAliases(TStrings* value) {
  FAliases->Assign(value);
}
