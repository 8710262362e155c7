#include "designintf/ComponentProperties.h"

#include "DesignFixture.h"
#include "core/Exception.h"
#include "designintf/ComponentList.h"

using ComponentPropertiesTest = DesignFixture;

namespace {
std::vector<std::string> Names(const std::map<std::string, std::unique_ptr<TPropertyEditor>>& map) {
  std::vector<std::string> names;
  for (const auto& [name, editor] : map)
    names.push_back(name);
  return names;
}
}  // namespace

TEST_F(ComponentPropertiesTest, EachKindGetsItsStandardEditor) {
  const auto editors = Editors({Widget1});
  const std::map<std::string, std::string> expected = {
      {"Name", "TComponentNameProperty"}, {"Tag", "TIntegerProperty"},
      {"Small", "TIntegerProperty"},      {"Letter", "TCharProperty"},
      {"Wide", "TCharProperty"},          {"Align", "TEnumProperty"},
      {"Visible", "TBoolProperty"},       {"Sides", "TSetProperty"},
      {"Ratio", "TFloatProperty"},        {"Caption", "TCaptionProperty"},
      {"Hint", "TStringProperty"},        {"Color", "TColorProperty"},
      {"Cursor", "TCursorProperty"},      {"ModalResult", "TModalResultProperty"},
      {"Born", "TDateProperty"},          {"Alarm", "TTimeProperty"},
      {"Stamp", "TDateTimeProperty"},     {"Border", "TClassProperty"},
      {"Lines", "TStringListProperty"},   {"Buddy", "TComponentProperty"},
      {"OnClick", "TMethodProperty"},
  };
  for (const auto& [name, className] : expected) {
    ASSERT_TRUE(editors.count(name)) << name;
    EXPECT_EQ(editors.at(name)->ClassName(), className) << name;
  }
}

TEST_F(ComponentPropertiesTest, FilterAndWritabilityDecideWhatIsListed) {
  const auto events = Names(Editors({Widget1}, tkMethods));
  EXPECT_EQ(events, (std::vector<std::string>{"OnClick", "OnKey"}));
  EXPECT_FALSE(Editors({Widget1}, tkProperties).count("OnClick"));
  EXPECT_TRUE(Editors({Widget1}, TTypeKinds{}).empty());

  const auto all = Editors({Widget1});
  EXPECT_FALSE(all.count("ReadOnlyCount")) << "a read-only value cannot be edited";
  EXPECT_TRUE(all.count("Frame")) << "a read-only object's properties can";
}

TEST_F(ComponentPropertiesTest, SeveralComponentsShareOnlyCommonMultiSelectProperties) {
  const auto editors = Editors({Widget1, Gauge1});
  // Align differs in type, Name cannot be edited on several components, the rest is missing on
  // the gauge.
  EXPECT_EQ(Names(editors), (std::vector<std::string>{"Caption", "Color", "Count", "Hint", "Tag"}));
  for (const auto& [name, editor] : editors) {
    ASSERT_EQ(editor->GetPropCount(), 2) << name;
    EXPECT_EQ(editor->GetComponent(0), Widget1);
    EXPECT_EQ(editor->GetComponent(1), Gauge1);
  }
  EXPECT_TRUE(Editors({Widget1}).count("Name"));
  EXPECT_FALSE(Editors({Widget1, Widget2}).count("Name"));
}

TEST_F(ComponentPropertiesTest, AllEqualAndSetValueCoverTheWholeSelection) {
  Widget1->SetCount(3);
  Gauge1->Count = 3;
  Widget2->SetCount(4);
  auto count = Editor("Count", {Widget1, Gauge1, Widget2});
  EXPECT_FALSE(count->AllEqual());
  EXPECT_EQ(count->GetValue(), "3");

  count->SetValue("9");
  EXPECT_EQ(Widget1->GetCount(), 9);
  EXPECT_EQ(Gauge1->Count, 9);
  EXPECT_EQ(Widget2->GetCount(), 9);
  EXPECT_TRUE(count->AllEqual());
  EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(ComponentPropertiesTest, RefusedWriteRestoresTheComponentsAlreadyWritten) {
  Widget1->SetCount(1);
  Widget2->SetCount(2);
  Widget2->CountLimit = 5;
  auto count = Editor("Count", {Widget1, Widget2});
  EXPECT_THROW(count->SetValue("7"), EInvalidOperation);
  EXPECT_EQ(Widget1->GetCount(), 1);
  EXPECT_EQ(Widget2->GetCount(), 2);
  EXPECT_EQ(Designer.ModifiedCount, 0);
}

TEST_F(ComponentPropertiesTest, DeliversInDeclarationOrderSkippingNullEntries) {
  TComponentList list;
  list.Add(nullptr);
  list.Add(Gauge1);
  std::vector<std::string> order;
  GetComponentProperties(list, tkAny, &Designer, [&](std::unique_ptr<TPropertyEditor> editor) {
    EXPECT_EQ(editor->GetPropCount(), 1);
    order.push_back(editor->GetName());
  });
  EXPECT_EQ(order, (std::vector<std::string>{"Name", "Tag", "Count", "Caption", "Hint", "Color",
                                             "Align"}));
  auto stop = [](std::unique_ptr<TPropertyEditor>) { throw EAbort("stop"); };
  EXPECT_THROW(GetComponentProperties(list, tkAny, &Designer, stop), EAbort);
  EXPECT_THROW(list[2], EListError);
}

TEST_F(ComponentPropertiesTest, CreatesEditorsOnlyFromEditorClassesAndPropertyLists) {
  PPropInfo hint = Widget1->ClassType()->FindProperty("Hint");
  EXPECT_THROW(CreatePropertyEditor(TTestWidget::StaticClass(), &Designer, {{Widget1, hint}}),
               EInvalidCast);
  EXPECT_THROW(CreatePropertyEditor(TPropertyEditor::StaticClass(), &Designer, {}), EPropertyError);
  auto editor = CreatePropertyEditor(TPropertyEditor::StaticClass(), &Designer, {{Widget1, hint}});
  EXPECT_EQ(editor->GetDesigner(), &Designer);
  EXPECT_EQ(editor->GetPropType(), TypeInfo<std::string>());
  EXPECT_THROW(editor->SetValue("x"), EPropertyError);
  EXPECT_THROW(editor->GetComponent(1), EListError);
}
