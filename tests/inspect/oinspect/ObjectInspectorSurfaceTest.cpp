#include <gtest/gtest.h>

#include <algorithm>

#include "InspectorTestSupport.h"
#include "core/StringList.h"
#include "designintf/ComponentPalette.h"
#include "designintf/ComponentProperties.h"
#include "oinspect/OInspectUnit.h"
#include "platform/InspectPackage.h"
#include "rtti/PropInfo.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"
#include "winsys/WinUser.h"

using namespace InspectorTest;
using ControlTest::Rgb;

namespace {
// Counts the colour set's change notices.
class TColorCounter : public TObject {
  DECLARE_CLASS(TColorCounter, TObject);

 public:
  TColorCounter() = default;
  void Changed(TObject*) { ++Count; }
  int Count = 0;
};

// Publishes a property of the type the inspector package hides.
class TDummyHolder : public TComponent {
  DECLARE_CLASS(TDummyHolder, TComponent);

 public:
  using TComponent::TComponent;
  TDummyType* Dummy = nullptr;
  int32_t Size = 0;
};

constexpr TOIOptions DelphiLook{oiHorzLine, oiVertLine, oiSunkenEditor, oiVertLine3D};
constexpr TOIOptions VBLook{oiHorzLine, oiVertLine, oiSunkenEditor, oiEditBorder};
constexpr TOIOptions Grouping{oiUseAliases, oiUseGroups};

class ObjectInspectorSurfaceTest : public ::testing::Test, public TInspectorFixture {
 protected:
  static std::string Write(TComponent* root) {
    TWriter writer;
    writer.WriteRootComponent(root);
    return writer.GetText();
  }
  static TForm* Read(const std::string& text) {
    TReader reader(text);
    return dynamic_cast<TForm*>(reader.ReadRootComponent(nullptr));
  }
  // The text of a 9 x 9 glyph, '#' for black.
  static std::vector<std::string> Picture(TBitmap* bitmap) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap->GetHeight(); ++y) {
      std::string row;
      for (int x = 0; x < bitmap->GetWidth(); ++x)
        row += bitmap->GetCanvas()->GetPixel(x, y) == clBlack ? '#' : '.';
      rows.push_back(row);
    }
    return rows;
  }
  void ExpectColors(TOIColors* colors, std::vector<TColor> expected) {
    const std::vector<TColor> actual{colors->GetBackColor(),     colors->GetCol0Color(),
                                     colors->GetCol1Color(),     colors->GetVertLineColor(),
                                     colors->GetHorzLineColor(), colors->GetHighlightColor(),
                                     colors->GetHighlightBkgnd()};
    EXPECT_EQ(actual, expected);
  }
};
}  // namespace

IMPLEMENT_CLASS(TColorCounter) {}
IMPLEMENT_CLASS(TDummyHolder) {
  PROPERTY(Dummy, Dummy, Dummy);
  PROPERTY(Size, Size, Size);
}

TEST_F(ObjectInspectorSurfaceTest, AtRunTimeTheInspectorStartsWithTheDelphiLook) {
  EXPECT_EQ(Inspector->GetStyle(), isDelphi);
  ExpectColors(Inspector->GetColors(),
               {clBtnFace, clBlack, clNavy, clGray, clGray, clBlack, clBtnFace});
  EXPECT_EQ(Inspector->GetColor(), clBtnFace);
  EXPECT_EQ(Inspector->GetLineStyle(), DottedLine);
  EXPECT_EQ(Inspector->GetOptions(), DelphiLook + Grouping);
  EXPECT_EQ(Inspector->GetGroupFont()->GetName(), Inspector->GetFont()->GetName());
  EXPECT_EQ(Inspector->GetGroupFont()->GetStyle(), TFontStyles{fsBold});
  EXPECT_EQ(Inspector->GetFilter().Bits(), 0x7EFFu);
  EXPECT_EQ(Inspector->GetExpandMode(), Default);
  EXPECT_EQ(Inspector->GetSplitterSize(), 3);
  EXPECT_EQ(Inspector->GetOtherGroupName(), "Other");
  EXPECT_FALSE(Inspector->GetReadOnly());
  EXPECT_EQ(Inspector->GetEditRow(), 0);
  // The grid under it: two columns, the name column fixed, no lines, sizing or editing of its
  // own, cells left to the inspector, the vertical bar its own.
  EXPECT_EQ(Inspector->GetColCount(), 2);
  EXPECT_EQ(Inspector->GetFixedCols(), 1);
  EXPECT_EQ(Inspector->GetFixedRows(), 0);
  EXPECT_EQ(Inspector->GetGridLineWidth(), 1);
  EXPECT_EQ(Inspector->GetFixedColor(), clBtnFace);
  EXPECT_EQ(Inspector->TCustomGrid::GetOptions(), TGridOptions{goThumbTracking});
  EXPECT_EQ(Inspector->GetScrollBars(), ssHorizontal);
  EXPECT_FALSE(Inspector->GetDefaultDrawing());
  EXPECT_EQ(Inspector->GetParent(), Form);
  const LONG_PTR style = GetWindowLongPtr(Inspector->GetHandle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_HSCROLL);
  // The glyphs come from the package's resources.
  const std::vector<std::string> plus{"#########", "#.......#", "#...#...#",
                                      "#...#...#", "#.#####.#", "#...#...#",
                                      "#...#...#", "#.......#", "#########"};
  EXPECT_EQ(Picture(Inspector->GetPlusGlyph()), plus);
  std::vector<std::string> minus = plus;
  minus[2] = minus[3] = minus[5] = minus[6] = "#.......#";
  EXPECT_EQ(Picture(Inspector->GetMinusGlyph()), minus);
  EXPECT_EQ(Inspector->GetPlusGlyph()->GetPixelFormat(), pf8bit);
}

TEST_F(ObjectInspectorSurfaceTest, InADesignerNoLookIsApplied) {
  auto* designed = new TForm(nullptr);
  designed->SetDesigning(true);
  auto* inspector = new TObjectInspector(designed);
  EXPECT_EQ(inspector->GetStyle(), isDelphi);
  ExpectColors(inspector->GetColors(),
               {clBtnFace, clBlack, clNavy, clBlack, clGray, clBlack, clBlack});
  EXPECT_EQ(inspector->GetColor(), clBtnFace);
  EXPECT_EQ(inspector->GetLineStyle(), SolidLine);
  EXPECT_EQ(inspector->GetOptions(), Grouping);
  EXPECT_TRUE(inspector->GetGroupFont()->GetStyle().Empty());
  EXPECT_EQ(inspector->GetScrollBars(), ssBoth);
  designed->Free();
}

TEST_F(ObjectInspectorSurfaceTest, OptionsChangeFreelyOnlyInTheCustomStyle) {
  Inspector->SetGridOptions({});  // only the alias and group bits go
  EXPECT_EQ(Inspector->GetOptions(), DelphiLook);
  Inspector->SetGridOptions({oiJoinControls, oiUseGroups});
  EXPECT_EQ(Inspector->GetOptions(), DelphiLook + TOIOptions{oiUseGroups});
  Inspector->SetStyle(isCustom);  // the look stays, now free
  EXPECT_EQ(Inspector->GetOptions(), DelphiLook + TOIOptions{oiUseGroups});
  EXPECT_EQ(Inspector->GetLineStyle(), DottedLine);
  EXPECT_EQ(Inspector->GetColors()->GetCol1Color(), clNavy);
  Inspector->SetGridOptions({});
  EXPECT_TRUE(Inspector->GetOptions().Empty());
  Inspector->SetStyle(isVB);
  EXPECT_EQ(Inspector->GetOptions(), VBLook);
  Inspector->SetStyle(isDelphi);
  EXPECT_EQ(Inspector->GetOptions(), DelphiLook);
  // The looks leave the join and grouping options alone.
  Inspector->SetStyle(isCustom);
  Inspector->SetGridOptions({oiJoinControls, oiUseAliases});
  Inspector->SetStyle(isVB);
  EXPECT_EQ(Inspector->GetOptions(), (VBLook + TOIOptions{oiJoinControls, oiUseAliases}));
  ExpectColors(Inspector->GetColors(),
               {clWhite, clBlack, clBlack, clSilver, clSilver, clBlack, clWhite});
  EXPECT_EQ(Inspector->GetColor(), clWhite);
  EXPECT_EQ(Inspector->GetLineStyle(), SolidLine);
  // Line style and colour set follow a program only in the custom style.
  Inspector->SetLineStyle(DottedLine);
  EXPECT_EQ(Inspector->GetLineStyle(), SolidLine);
  TOIColors other;
  other.SetBackColor(clYellow);
  Inspector->SetColors(&other);
  EXPECT_EQ(Inspector->GetColors()->GetBackColor(), clWhite);
  Inspector->SetStyle(isCustom);
  Inspector->SetLineStyle(DottedLine);
  EXPECT_EQ(Inspector->GetLineStyle(), DottedLine);
  Inspector->SetColors(&other);
  ExpectColors(Inspector->GetColors(),
               {clYellow, clBlack, clNavy, clBlack, clGray, clBlack, clBlack});
  EXPECT_EQ(Inspector->GetColor(), clYellow);
}

TEST_F(ObjectInspectorSurfaceTest, OnlyTheGroupingOptionsRebuildTheRows) {
  Inspector->SetOnShowProperty(MakeMethod<&TInspectorEvents::ShowProperty>(Events));
  Inspector->SetControl(NewGadget("Gadget1"));
  Events->Lines.clear();
  Inspector->SetGridOptions(Inspector->GetOptions() - TOIOptions{oiUseGroups});
  EXPECT_EQ(Count("Show Count"), 1);
  Inspector->SetStyle(isCustom);
  Inspector->SetGridOptions(Inspector->GetOptions() - TOIOptions{oiHorzLine});
  EXPECT_EQ(Count("Show Count"), 1);
}

TEST_F(ObjectInspectorSurfaceTest, LooksWriteColoursSilentlyWhileColourSettersReport) {
  TColorCounter counter;
  const TChangedProc inspectors = Inspector->GetColors()->GetOnChanged();
  Inspector->GetColors()->SetOnChanged(MakeMethod<&TColorCounter::Changed>(&counter));
  Inspector->SetVBStyle();
  Inspector->SetDelphiStyle();
  EXPECT_EQ(counter.Count, 0);
  Inspector->GetColors()->SetCol1Color(clRed);
  EXPECT_EQ(counter.Count, 1);
  Inspector->GetColors()->SetCol1Color(clRed);  // unchanged: nothing
  EXPECT_EQ(counter.Count, 1);
  TOIColors copy;
  copy.Assign(Inspector->GetColors());
  Inspector->GetColors()->Assign(&copy);  // nothing differs: no notice
  EXPECT_EQ(counter.Count, 1);
  // The inspector's own handler makes its colour follow the background.
  Inspector->GetColors()->SetOnChanged(inspectors);
  Inspector->GetColors()->SetBackColor(clAqua);
  EXPECT_EQ(Inspector->GetColor(), clAqua);
}

TEST_F(ObjectInspectorSurfaceTest, TheNameColumnWidthLeavesTheRestToTheValues) {
  Inspector->SetWidth(304);  // an empty inspector shows no scroll bar: 300 pixels inside
  ASSERT_EQ(Inspector->GetClientWidth(), 300);
  Inspector->SetFixedColWidth(100);
  EXPECT_EQ(Inspector->GetColWidths(0), 100);
  EXPECT_EQ(Inspector->GetColWidths(1), 200);
  EXPECT_EQ(Inspector->GetFixedColWidth(), 100);
}

TEST_F(ObjectInspectorSurfaceTest, PublishedPropertiesComeInDeclarationOrder) {
  std::vector<std::string> own;
  bool started = false;
  for (PPropInfo info : GetPropList(TObjectInspector::StaticClass())) {
    started = started || info->GetName() == "Filter";
    if (started) own.push_back(info->GetName());
  }
  EXPECT_EQ(own,
            (std::vector<std::string>{"Filter",          "ExpandMode",         "Aliases",
                                      "Options",         "SplitterSize",       "OtherGroupName",
                                      "GroupFont",       "OnShowProperty",     "OnSplitterMoving",
                                      "OnSplitterMoved", "OnEditButtonClick",  "OnGetCellParams",
                                      "OnGetPropEdit",   "OnChangePropValue",  "OnChangedPropValue",
                                      "OnDrawCell",      "OnComponentChanged", "Colors",
                                      "FixedColWidth",   "ReadOnly",           "Style",
                                      "LineStyle"}));
  PPropInfo filter = GetPropInfo(TObjectInspector::StaticClass(), "Filter");
  EXPECT_EQ(filter->GetDefault(), 65279);
  EXPECT_EQ(GetPropInfo(TObjectInspector::StaticClass(), "SplitterSize")->GetDefault(), 3);
  for (const char* always : {"ExpandMode", "Options", "ReadOnly", "Style", "LineStyle"})
    EXPECT_FALSE(GetPropInfo(TObjectInspector::StaticClass(), always)->HasDefault()) << always;
  // TDummyType and the custom class publish nothing of the inspector's own.
  EXPECT_EQ(GetPropInfo(TDummyType::StaticClass(), "Filter"), nullptr);
  EXPECT_EQ(GetPropInfo(TCustomObjectInspector::StaticClass(), "Style"), nullptr);
}

TEST_F(ObjectInspectorSurfaceTest, ACustomInspectorReadsBackWithItsOwnOptions) {
  Inspector->SetStyle(isCustom);
  Inspector->SetGridOptions({oiHorzLine, oiEditBorder, oiJoinControls, oiUseGroups});
  Inspector->SetLineStyle(SolidLine);
  Inspector->GetColors()->SetBackColor(clTeal);
  Inspector->GetColors()->SetHighlightBkgnd(clMaroon);
  Inspector->GetGroupFont()->SetSize(14);
  Inspector->SetFilter({tkInteger, tkString});
  Inspector->SetExpandMode(AutoExpand);
  Inspector->SetSplitterSize(5);
  Inspector->SetOtherGroupName("Misc");
  Inspector->GetAliases()->Add("[Look]");
  Inspector->GetAliases()->Add("Color=Colour");
  Inspector->SetReadOnly(true);
  Inspector->SetFixedColWidth(90);
  const std::string text = Write(Form);
  TForm* read = Read(text);
  ASSERT_NE(read, nullptr);
  auto* copy = dynamic_cast<TObjectInspector*>(read->FindComponent("Inspector"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetStyle(), isCustom);
  EXPECT_EQ(copy->GetOptions(),
            (TOIOptions{oiHorzLine, oiEditBorder, oiJoinControls, oiUseGroups}));
  EXPECT_EQ(copy->GetLineStyle(), SolidLine);
  EXPECT_EQ(copy->GetColors()->GetBackColor(), clTeal);
  EXPECT_EQ(copy->GetColors()->GetHighlightBkgnd(), clMaroon);
  EXPECT_EQ(copy->GetColor(), clTeal);
  EXPECT_EQ(copy->GetGroupFont()->GetSize(), 14);
  EXPECT_EQ(copy->GetFilter(), (TTypeKinds{tkInteger, tkString}));
  EXPECT_EQ(copy->GetExpandMode(), AutoExpand);
  EXPECT_EQ(copy->GetSplitterSize(), 5);
  EXPECT_EQ(copy->GetOtherGroupName(), "Misc");
  EXPECT_EQ(copy->GetAliases()->GetText(), Inspector->GetAliases()->GetText());
  EXPECT_TRUE(copy->GetReadOnly());
  EXPECT_EQ(copy->GetColWidths(0), 90);
  read->Free();
}

TEST_F(ObjectInspectorSurfaceTest, AStoredLookIsAppliedAgainWhenRead) {
  Inspector->SetStyle(isCustom);
  Inspector->GetColors()->SetBackColor(clRed);
  Inspector->SetGridOptions({oiJoinControls});
  std::string text = Write(Form);
  // The same file claiming the VB look: the look replaces the stored colours and line options,
  // and of the stored options only the grouping ones (and those the look leaves) survive.
  const size_t style = text.find("Style = isCustom");
  ASSERT_NE(style, std::string::npos) << text;
  text.replace(style, 16, "Style = isVB");
  TForm* read = Read(text);
  auto* copy = dynamic_cast<TObjectInspector*>(read->FindComponent("Inspector"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetStyle(), isVB);
  EXPECT_EQ(copy->GetColors()->GetBackColor(), clWhite);
  EXPECT_EQ(copy->GetOptions(), VBLook);
  read->Free();
}

TEST_F(ObjectInspectorSurfaceTest, RegistrationPutsTheInspectorOnTheVellmarkPage) {
  RegisterInspectPackage();
  const TPalettePage* page = FindPalettePage(TObjectInspector::StaticClass());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Name, "Vellmark");
  const std::vector<TClass> classes = page->Classes;
  EXPECT_EQ(std::count(classes.begin(), classes.end(), TObjectInspector::StaticClass()), 1);
  RegisterOInspect();  // again: nothing new
  EXPECT_EQ(FindPalettePage(TObjectInspector::StaticClass())->Classes, classes);
  // The package's start-up hid properties of the dummy type.
  TDummyHolder holder(nullptr);
  Ungroup();
  Inspector->SetControl(&holder);
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"Name", "Size", "Tag"}));
  Inspector->SetControl(nullptr);
}

TEST_F(ObjectInspectorSurfaceTest, NamesAndValuesArePainted) {
  Ungroup();
  Inspector->Repaint();
  Driver.ProcessMessages();
  // Empty: the background colour only.
  EXPECT_EQ(Pixel(Inspector, 30, 10), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(Inspector, 200, 100), Rgb(clBtnFace));
  TGadget* gadget = NewGadget("Gadget1");
  Inspector->SetControl(gadget);
  Inspector->Repaint();
  Driver.ProcessMessages();
  // Row 0 is Caption (empty value); the name's text is black, from x = 14 on.
  auto dark = [&](int left, int right, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (ControlTest::IsDark(Pixel(Inspector, x, y))) ++count;
    return count;
  };
  EXPECT_GT(dark(14, 60, 1, 23), 10);
  // No glyph (Caption has no sub-properties); the editor frame's bar runs down the left edge.
  EXPECT_EQ(dark(3, 13, 1, 23), 0);
  // The Font row has a plus glyph at x = 3, its centre black.
  const int fontTop = RowIndex("Font") * Inspector->GetDefaultRowHeight();
  EXPECT_EQ(Pixel(Inspector, 3 + 4, fontTop + 7 + 4), Rgb(clBlack));
  EXPECT_EQ(Pixel(Inspector, 3 + 1, fontTop + 7 + 1), Rgb(clWhite));
  // The Color value "clBtnFace" is painted in navy in the value column.
  const int labelTop = RowIndex("Color") * Inspector->GetDefaultRowHeight();
  int navy = 0;
  for (int y = labelTop + 1; y < labelTop + 23; ++y)
    for (int x = Inspector->GetColWidths(0) + 1; x < Inspector->GetColWidths(0) + 60; ++x)
      if (Pixel(Inspector, x, y) == Rgb(clNavy)) ++navy;
  EXPECT_GT(navy, 10);
}

TEST_F(ObjectInspectorSurfaceTest, UpdateValuesRepaintsTheValueColumnOnly) {
  Inspector->SetControl(NewGadget("Gadget1"));
  Driver.ProcessMessages();
  Inspector->UpdateValues();
  TRect update;
  ASSERT_TRUE(GetUpdateRect(Inspector->GetHandle(), &update, FALSE));
  // Right of the 3-D line's two pixels, which oiVertLine3D adds to the name column.
  EXPECT_EQ(update, (TRect{Inspector->GetColWidths(0) + 2, 0, Inspector->GetClientWidth(),
                           Inspector->GetClientHeight()}));
}

TEST_F(ObjectInspectorSurfaceTest, InADesignerALoadedInspectorListsItsOwnProperties) {
  auto* designed = new TForm(nullptr);
  designed->SetDesigning(true);
  TReader reader(
      "object Designed: TForm\n"
      "  object Inspector: TObjectInspector\n"
      "    Filter = [tkInteger, tkEnumeration]\n"
      "    Style = isCustom\n"
      "  end\n"
      "end\n");
  reader.ReadRootComponent(designed);
  auto* inspector = dynamic_cast<TObjectInspector*>(designed->FindComponent("Inspector"));
  ASSERT_NE(inspector, nullptr);
  EXPECT_EQ(inspector->GetControl(), inspector);
  EXPECT_EQ(inspector->GetFilter(), (TTypeKinds{tkInteger, tkEnumeration}));
  std::vector<std::string> names;
  for (int32_t i = 0; i < inspector->GetInfoRecCount(); ++i)
    names.push_back(inspector->GetInfoRec(i)->DisplayName);
  for (const char* name : {"ExpandMode", "FixedColWidth", "LineStyle", "ReadOnly", "Style"})
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  EXPECT_EQ(std::find(names.begin(), names.end(), "OtherGroupName"), names.end());
  designed->Free();
}
