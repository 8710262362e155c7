#include <gtest/gtest.h>

#include <set>

#include "InspectorTestSupport.h"
#include "core/StringList.h"

using namespace InspectorTest;

namespace {
class ObjectInspectorAliasesTest : public ::testing::Test, public TInspectorFixture {
 protected:
  void SetAliases(const std::string& text) { Inspector->GetAliases()->SetText(text); }
  std::vector<std::string> Groups() const {
    std::vector<std::string> names;
    for (int32_t i = 0; i < Inspector->GetGroupCount(); ++i)
      names.push_back(Inspector->GetGroupName(i));
    return names;
  }
  // The alias entry of name as "display|group|auto|always", or "none".
  std::string Alias(const std::string& name) const {
    const TPInfo* entry = Inspector->FindAlias(name);
    if (!entry) return "none";
    return entry->DisplayName + "|" + std::to_string(entry->Group) + "|" +
           (entry->AutoExpand ? "auto" : "") + "|" + (entry->AlwaysExpand ? "always" : "");
  }
};

// Exercises every rule of a line: trimming, comments, entries above the sections, blanks kept
// inside names, options words, headers without a closing bracket, sections out of order.
const char* const AliasesText =
    "Label=Text          ; above the sections: no group\n"
    "Enabled; on or off\n"
    "Small ; the blank before the comment stays part of the name\n"
    "\n"
    "[Looks]\n"
    "Color=Colour\n"
    "   Shape   \n"
    "Ratio =Proportion\n"
    "Frame=Outline,AutoExpand\n"
    "[Empty]\n"
    "Missing=Nothing\n"
    "[Broken\n"
    "[Alpha]\n"
    "Count=Number,autoexpand AlwaysExpand\n";
}  // namespace

TEST_F(ObjectInspectorAliasesTest, TheTextIsReadLineByLine) {
  SetAliases(AliasesText);
  EXPECT_EQ(Groups(), (std::vector<std::string>{"Alpha", "Empty", "Looks", "Other"}));
  EXPECT_EQ(Inspector->GetOtherGroupIndex(), 3);
  EXPECT_EQ(Alias("Label"), "Text          |-1||");
  EXPECT_EQ(Alias("enabled"), "|-1||");  // looked up without regard to case
  EXPECT_EQ(Alias("Small"), "none");
  EXPECT_EQ(Alias("Small "), "|-1||");
  EXPECT_EQ(Alias("Color"), "Colour|2||");
  EXPECT_EQ(Alias("Shape"), "|2||");
  EXPECT_EQ(Alias("Ratio"), "none");
  EXPECT_EQ(Alias("Frame"), "Outline|2|auto|");
  EXPECT_EQ(Alias("Missing"), "Nothing|1||");
  EXPECT_EQ(Alias("Count"), "Number|0|auto|always");
  // Without aliases and groups no entry applies.
  Inspector->SetGridOptions({});
  EXPECT_EQ(Alias("Color"), "none");
}

TEST_F(ObjectInspectorAliasesTest, GroupsShowTheirMembersInAlphabeticalOrder) {
  SetAliases(AliasesText);
  TGadget* gadget = NewGadget("Gadget1");
  Inspector->SetControl(gadget);
  // Empty shows no header; entries above the sections (and unlisted properties) fall into
  // Other; Frame expands by itself, and its Color is renamed like the gadget's.
  EXPECT_EQ(RowNames(), (std::vector<std::string>{
                            "Alpha",   "Number", "Looks", "Colour", "Outline",       "Border",
                            "Colour",  "Width",  "Shape", "Other",  "Caption",       "Cursor",
                            "Enabled", "Font",   "Items", "Letter", "Name",          "Partner",
                            "Ratio",   "Sides",  "Small", "Tag",    "Text          "}));
  EXPECT_EQ(RowLevels(), (std::vector<int32_t>{0, 1, 0, 1, 1, 2, 2, 2, 1, 0, 1, 1,
                                               1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(Inspector->GetRowCount(), Inspector->GetInfoRecCount());
  TInfoRec* header = Inspector->GetInfoRec(2);
  EXPECT_TRUE(header->IsGroup);
  EXPECT_EQ(header->PropEdit, nullptr);
  EXPECT_EQ(header->SubState, ssExpanded);
  EXPECT_EQ(header->Group, 2);
  // A member shows the master's editor; the frame's sub-rows own theirs and keep its group.
  TInfoRec* colour = Inspector->GetInfoRec(3);
  EXPECT_FALSE(colour->OwnsEditor());
  EXPECT_EQ(colour->PropEdit->GetName(), "Color");
  EXPECT_EQ(colour->PropEdit->GetComponent(0), gadget);
  EXPECT_TRUE(Inspector->GetInfoRec(5)->OwnsEditor());
  EXPECT_EQ(Inspector->GetInfoRec(5)->Group, 2);
  EXPECT_EQ(Inspector->GetInfoRec(5)->SubState, ssCollapsed);
  // Groups without aliases: property names, the same groups.
  Inspector->SetGridOptions({oiUseGroups});
  EXPECT_EQ(RowNames(),
            (std::vector<std::string>{"Alpha",   "Count", "Looks", "Color", "Frame",   "Border",
                                      "Color",   "Width", "Shape", "Other", "Caption", "Cursor",
                                      "Enabled", "Font",  "Items", "Label", "Letter",  "Name",
                                      "Partner", "Ratio", "Sides", "Small", "Tag"}));
  // Neither: the plain rows, and the expand marks have no effect.
  Inspector->SetGridOptions({});
  EXPECT_EQ(Inspector->GetInfoRecCount(), 17);
  EXPECT_EQ(Row("Frame")->SubState, ssCollapsed);
  // Without any text one header, named by OtherGroupName, stands above every property.
  Inspector->SetGridOptions({oiUseGroups});
  Inspector->GetAliases()->Clear();
  Inspector->SetOtherGroupName("Everything");
  EXPECT_EQ(RowNames().front(), "Everything");
  EXPECT_EQ(Inspector->GetInfoRecCount(), 18);
}

TEST_F(ObjectInspectorAliasesTest, DuplicatesReachWhoeverChangedTheTextAndBuildNothing) {
  Inspector->SetControl(NewGadget("Gadget1"));
  const std::vector<std::string> rows = RowNames();
  TStrings* aliases = Inspector->GetAliases();
  // A section twice (letter case ignored): the groups scanned before it stay.
  EXPECT_THROW(SetAliases("[Looks]\nColor=Colour\n[LOOKS]\n"), EStringListError);
  EXPECT_EQ(aliases->GetUpdateCount(), 0);
  EXPECT_EQ(Groups(), (std::vector<std::string>{"Looks"}));
  EXPECT_EQ(RowNames(), rows);
  // A section named like the other group.
  EXPECT_THROW(SetAliases("[other]\n"), EStringListError);
  EXPECT_EQ(Groups(), (std::vector<std::string>{"other"}));
  // A property twice: the entries before it stay in effect.
  EXPECT_THROW(SetAliases("Color=Colour\ncolor=Hue\n"), EStringListError);
  EXPECT_EQ(Alias("Color"), "Colour|-1||");
  EXPECT_EQ(RowNames(), rows);
  // Through Assign and through the other group's name as well.
  TStringList text;
  text.SetText("Tag\nTAG\n");
  EXPECT_THROW(Inspector->SetAliases(&text), EStringListError);
  SetAliases("[Misc]\n");
  EXPECT_THROW(Inspector->SetOtherGroupName("misc"), EStringListError);
  // A sound text rebuilds again.
  Inspector->SetOtherGroupName("Other");
  SetAliases("[Misc]\nTag\n");
  EXPECT_EQ(RowNames().front(), "Misc");
  EXPECT_EQ(RowNames()[1], "Tag");
}

TEST_F(ObjectInspectorAliasesTest, SubPropertiesShownUnderOneNameAreBothKept) {
  // Two sub-properties shown under one name are both kept, and the row list stays whole.
  SetAliases("Width=Size\nColor=Size\n");
  Inspector->SetGridOptions({oiUseAliases});
  Inspector->SetControl(NewGadget("Gadget1"));
  const int32_t frame = RowIndex("Frame");
  Inspector->DoPlusMinus(frame);
  EXPECT_EQ(Inspector->GetInfoRec(frame + 1)->DisplayName, "Border");
  EXPECT_EQ(Inspector->GetInfoRec(frame + 2)->DisplayName, "Size");
  EXPECT_EQ(Inspector->GetInfoRec(frame + 3)->DisplayName, "Size");
  std::set<std::string> names{Inspector->GetInfoRec(frame + 2)->PropEdit->GetName(),
                              Inspector->GetInfoRec(frame + 3)->PropEdit->GetName()};
  EXPECT_EQ(names, (std::set<std::string>{"Color", "Width"}));
  EXPECT_EQ(Inspector->GetRowCount(), Inspector->GetInfoRecCount());
  Inspector->DoPlusMinus(frame);
  EXPECT_EQ(Inspector->GetInfoRecCount(), 17);
}
