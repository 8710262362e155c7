#include <gtest/gtest.h>

#include "InspectorTestSupport.h"
#include "core/StringList.h"

using namespace InspectorTest;

namespace {
class ObjectInspectorExpandTest : public ::testing::Test, public TInspectorFixture {
 protected:
  ObjectInspectorExpandTest() {
    Ungroup();
    Inspector->SetOnShowProperty(MakeMethod<&TInspectorEvents::ShowProperty>(Events));
    Gadget = NewGadget("Gadget1");
    Inspector->SetControl(Gadget);
  }
  void ExpectConsistent() { EXPECT_EQ(Inspector->GetRowCount(), Inspector->GetInfoRecCount()); }

  TGadget* Gadget;
};

// The gadget's rows with Frame, its Border and the border's Sides expanded.
const std::vector<std::string> FullyOpenFrame{"Frame",   "Border", "Sides", "gsBottom", "gsLeft",
                                              "gsRight", "gsTop",  "Width", "Color",    "Width"};
}  // namespace

TEST_F(ObjectInspectorExpandTest, RowsOpenLevelByLevelAndCloseWithTheirDescendants) {
  const int32_t frame = RowIndex("Frame");
  Events->Lines.clear();
  Inspector->DoPlusMinus(frame);
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(Count("Show"), 3);  // only the expanded editor is asked
  EXPECT_EQ(Inspector->GetInfoRec(frame + 1)->DisplayName, "Border");
  EXPECT_EQ(Inspector->GetInfoRec(frame + 1)->Level, 1);
  EXPECT_EQ(Inspector->GetInfoRec(frame + 1)->SubState, ssCollapsed);
  EXPECT_EQ(Inspector->GetInfoRec(frame + 4)->DisplayName, "Items");  // the rows below moved
  Inspector->DoPlusMinus(frame + 1);
  Inspector->DoPlusMinus(frame + 2);
  std::vector<std::string> open;
  for (int32_t i = frame; i < frame + 10; ++i)
    open.push_back(Inspector->GetInfoRec(i)->DisplayName);
  EXPECT_EQ(open, FullyOpenFrame);
  EXPECT_EQ(Inspector->GetInfoRec(frame + 3)->Level, 3);
  EXPECT_EQ(Inspector->GetInfoRecCount(), 17 + 9);
  ExpectConsistent();
  // A row without sub-properties changes nothing; collapsing drops every descendant.
  Inspector->DoPlusMinus(RowIndex("Count"));
  EXPECT_EQ(Inspector->GetInfoRecCount(), 26);
  Inspector->DoPlusMinus(frame);
  EXPECT_EQ(RowNames(),
            (std::vector<std::string>{"Caption", "Color", "Count", "Cursor", "Enabled", "Font",
                                      "Frame", "Items", "Label", "Letter", "Name", "Partner",
                                      "Ratio", "Shape", "Sides", "Small", "Tag"}));
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  ExpectConsistent();
  // Opened again, the sub-rows come back collapsed.
  Inspector->DoPlusMinus(frame);
  EXPECT_EQ(Inspector->GetInfoRec(frame + 1)->SubState, ssCollapsed);
}

TEST_F(ObjectInspectorExpandTest, ExpandAllOpensTheWholeTreeAndCollapseAllClosesIt) {
  Inspector->ExpandAll();
  std::vector<std::string> names = RowNames();
  const auto frame = static_cast<size_t>(RowIndex("Frame"));
  EXPECT_EQ(std::vector<std::string>(names.begin() + static_cast<ptrdiff_t>(frame),
                                     names.begin() + static_cast<ptrdiff_t>(frame) + 10),
            FullyOpenFrame);
  for (int32_t i = 0; i < Inspector->GetInfoRecCount(); ++i)
    EXPECT_NE(Inspector->GetInfoRec(i)->SubState, ssCollapsed) << i;
  ExpectConsistent();
  Inspector->CollapseAll();
  EXPECT_EQ(Inspector->GetInfoRecCount(), 17);
  for (const char* name : {"Font", "Frame", "Sides"})
    EXPECT_EQ(Row(name)->SubState, ssCollapsed) << name;
  ExpectConsistent();
  // On an empty grid both do nothing.
  Inspector->SetControl(nullptr);
  Inspector->ExpandAll();
  Inspector->CollapseAll();
  EXPECT_TRUE(Inspector->IsEmpty());
}

TEST_F(ObjectInspectorExpandTest, TheExpandModeDecidesWhatOpensAfterARebuildAndWhatMayClose) {
  Inspector->DoPlusMinus(RowIndex("Frame"));
  Inspector->ShowInfo();  // a rebuild discards the expansion
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  Inspector->SetExpandMode(AutoExpand);  // no rebuild: nothing opens yet
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  Inspector->ShowInfo();
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(Row("Border")->SubState, ssExpanded);
  Inspector->DoPlusMinus(RowIndex("Frame"));  // collapsing is allowed
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  Inspector->SetExpandMode(AlwaysExpand);  // opens everything at once
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  const int32_t rows = Inspector->GetInfoRecCount();
  Inspector->DoPlusMinus(RowIndex("Frame"));
  Inspector->CollapseAll();
  EXPECT_EQ(Inspector->GetInfoRecCount(), rows);
  // Back to Default: the rows stay open until the next rebuild.
  Inspector->SetExpandMode(Default);
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  Inspector->ShowInfo();
  EXPECT_EQ(Inspector->GetInfoRecCount(), 17);
  // AlwaysExpand on an empty grid does nothing.
  Inspector->SetControl(nullptr);
  Inspector->SetExpandMode(AlwaysExpand);
  EXPECT_TRUE(Inspector->IsEmpty());
}

TEST_F(ObjectInspectorExpandTest, RowsMarkedAlwaysExpandOpenByThemselvesAndStayOpen) {
  Inspector->GetAliases()->SetText("Frame,AlwaysExpand\nBorder,AutoExpand\n");
  Inspector->SetGridOptions({oiUseAliases});
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(Row("Border")->SubState, ssExpanded);  // marked in its own right
  EXPECT_EQ(Row("Sides")->SubState, ssCollapsed);
  const int32_t rows = Inspector->GetInfoRecCount();
  Inspector->DoPlusMinus(RowIndex("Frame"));
  EXPECT_EQ(Inspector->GetInfoRecCount(), rows);
  Inspector->CollapseAll();  // Border may close, Frame may not
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(Row("Border")->SubState, ssCollapsed);
  ExpectConsistent();
}

TEST_F(ObjectInspectorExpandTest, AGroupOpensWithItsMarkedMembersInEveryMode) {
  Inspector->GetAliases()->SetText("[Looks]\nFrame,AutoExpand\nColor\n");
  Inspector->SetGridOptions({oiUseAliases, oiUseGroups});
  EXPECT_EQ(RowNames()[0], "Looks");
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  Inspector->DoPlusMinus(0);  // the header closes with every member
  EXPECT_EQ(Inspector->GetInfoRec(0)->SubState, ssCollapsed);
  EXPECT_EQ(RowNames()[1], "Other");
  ExpectConsistent();
  Inspector->DoPlusMinus(0);
  EXPECT_EQ(RowNames()[1], "Color");
  EXPECT_EQ(RowNames()[2], "Frame");
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(Row("Border")->Level, 2);
  ExpectConsistent();
  // CollapseAll closes the groups as well.
  Inspector->CollapseAll();
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"Looks", "Other"}));
}

TEST_F(ObjectInspectorExpandTest, AFailedExpansionChangesNothing) {
  const int32_t frame = RowIndex("Frame");
  Events->OnShow = [](const std::string& name) {
    if (name == "Width") throw EPropertyError("no widths today");
  };
  EXPECT_THROW(Inspector->DoPlusMinus(frame), EPropertyError);
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  EXPECT_EQ(Inspector->GetInfoRecCount(), 17);
  ExpectConsistent();
  // ExpandAll opens what it can before the failure and raises it.
  EXPECT_THROW(Inspector->ExpandAll(), EPropertyError);
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  EXPECT_EQ(Row("Font")->SubState, ssExpanded);
  ExpectConsistent();
  // A rebuild in AutoExpand mode goes on past it.
  Inspector->SetExpandMode(AutoExpand);
  EXPECT_NO_THROW(Inspector->ShowInfo());
  EXPECT_FALSE(Inspector->IsEmpty());
  ExpectConsistent();
  // Hiding every sub-property leaves the row open with nothing below it.
  Events->OnShow = nullptr;
  Inspector->SetExpandMode(Default);
  Inspector->ShowInfo();
  Events->Hidden = {"Border", "Color", "Width"};
  Inspector->DoPlusMinus(RowIndex("Frame"));
  EXPECT_EQ(Row("Frame")->SubState, ssExpanded);
  EXPECT_EQ(Inspector->GetInfoRec(RowIndex("Frame") + 1)->DisplayName, "Items");
}
