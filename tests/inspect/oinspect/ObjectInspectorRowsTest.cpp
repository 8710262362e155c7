#include <gtest/gtest.h>

#include "InspectorTestSupport.h"
#include "controls/DataModule.h"
#include "core/Module.h"
#include "designintf/FormDesigner.h"
#include "designintf/OrdinalProperty.h"
#include "fdesign/FDesigner.h"
#include "vxedit/PopupListBox.h"
#include "vxedit/VxSimpleEdit.h"

using namespace InspectorTest;

namespace {
// What an OnGetPropEdit handler builds in place of the framework's Count editor: the same
// property, shown doubled.
class TDoubledCountProperty : public TIntegerProperty {
  DECLARE_CLASS(TDoubledCountProperty, TIntegerProperty);

 public:
  std::string GetValue() override { return TIntegerProperty::GetValue() + "x2"; }
};

// An editor that calls its property "label", like the Label property in other letters.
class TLowerLabelProperty : public TIntegerProperty {
  DECLARE_CLASS(TLowerLabelProperty, TIntegerProperty);

 public:
  std::string GetName() override { return "label"; }
};

// A designer of a designed form, as an IDE gives one.
class TIdeDesigner : public TFDesigner {
  DECLARE_CLASS(TIdeDesigner, TFDesigner);

 public:
  TIdeDesigner() = default;
};

class ObjectInspectorRowsTest : public ::testing::Test, public TInspectorFixture {
 protected:
  ObjectInspectorRowsTest() {
    Inspector->SetOnShowProperty(MakeMethod<&TInspectorEvents::ShowProperty>(Events));
    Inspector->SetOnGetPropEdit(MakeMethod<&TInspectorEvents::GetPropEdit>(Events));
    Inspector->SetOnComponentChanged(MakeMethod<&TInspectorEvents::ComponentChanged>(Events));
    Ungroup();
    Events->Lines.clear();
  }

  // Every row's editor covers these components, in order.
  void ExpectRowsCover(std::initializer_list<TComponent*> components) {
    for (int32_t i = 0; i < Inspector->GetInfoRecCount(); ++i) {
      TPropertyEditor* editor = Inspector->GetInfoRec(i)->PropEdit;
      ASSERT_EQ(editor->GetPropCount(), static_cast<int>(components.size()));
      int index = 0;
      for (TComponent* component : components)
        EXPECT_EQ(editor->GetComponent(index++), component);
    }
  }
};

// The rows of one gadget; several share them but Name, which names one component only.
const std::vector<std::string> GadgetRows{
    "Caption", "Color", "Count",   "Cursor", "Enabled", "Font",  "Frame", "Items", "Label",
    "Letter",  "Name",  "Partner", "Ratio",  "Shape",   "Sides", "Small", "Tag"};
std::vector<std::string> SharedGadgetRows() {
  std::vector<std::string> rows = GadgetRows;
  std::erase(rows, "Name");
  return rows;
}
}  // namespace

IMPLEMENT_CLASS(TDoubledCountProperty) {}
IMPLEMENT_CLASS(TLowerLabelProperty) {}
IMPLEMENT_CLASS(TIdeDesigner) {}

TEST_F(ObjectInspectorRowsTest, RowsListTheSharedPropertiesSortedWithoutRegardToCase) {
  EXPECT_TRUE(Inspector->IsEmpty());
  TGadget* gadget = NewGadget("Gadget1");
  Inspector->SetControl(gadget);
  EXPECT_FALSE(Inspector->IsEmpty());
  EXPECT_EQ(Inspector->GetControl(), gadget);
  EXPECT_EQ(RowNames(), GadgetRows);  // events are left out by the constructed filter
  EXPECT_EQ(Inspector->GetRowCount(), static_cast<int32_t>(GadgetRows.size()));
  ExpectRowsCover({gadget});
  for (const char* name : {"Font", "Frame", "Sides"})
    EXPECT_EQ(Row(name)->SubState, ssCollapsed) << name;
  EXPECT_EQ(Row("Count")->SubState, ssNoSub);
  EXPECT_EQ(Row("Count")->Level, 0);
  EXPECT_EQ(Row("Count")->Group, -1);
  EXPECT_FALSE(Row("Count")->IsGroup);
  EXPECT_EQ(Row("Count")->EditorClass, TVxSimpleEdit::StaticClass());
  EXPECT_EQ(Row("Count")->PopupClass, TPopupListBox::StaticClass());
  EXPECT_EQ(Row("Enabled")->PopupClass, nullptr);
  EXPECT_TRUE(Row("Count")->OwnsEditor());
  // Two components: the properties both have (Shape differs in type), each editor covering
  // both; with a mixed selection the common ones.
  TGadget* second = NewGadget("Gadget2");
  Inspector->AddControl(second);
  EXPECT_EQ(RowNames(), SharedGadgetRows());
  ExpectRowsCover({gadget, second});
  auto* widget = new TWidget(Form);
  Inspector->AddControl(widget);
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"Color", "Count", "Label", "Tag"}));
  ExpectRowsCover({gadget, second, widget});
}

TEST_F(ObjectInspectorRowsTest, TheFilterChoosesTheKindsListed) {
  TGadget* gadget = NewGadget("Gadget1");
  Inspector->SetControl(gadget);
  EXPECT_EQ(Inspector->GetFilter(), (tkAny - TTypeKinds{tkMethod, tkInterface}));
  Inspector->SetFilter(tkMethods);
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"OnChange"}));
  Inspector->SetFilter({tkEnumeration, tkSet});
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"Enabled", "Shape", "Sides"}));
  Inspector->SetFilter({});
  EXPECT_TRUE(Inspector->IsEmpty());
  EXPECT_TRUE(RowNames().empty());
  // A component without qualifying properties leaves the inspector empty too.
  Inspector->SetFilter(tkMethods);
  Inspector->SetControl(new TWidget(Form));
  EXPECT_TRUE(Inspector->IsEmpty());
}

TEST_F(ObjectInspectorRowsTest, SelectionCallsFireComponentChangedAsOften) {
  TGadget* one = NewGadget("One");
  TGadget* two = NewGadget("Two");
  Inspector->SetControl(one);
  EXPECT_EQ(Count("ComponentChanged"), 1);
  Events->Lines.clear();
  Inspector->SetControl(one);  // already the single selection: nothing at all
  EXPECT_TRUE(Events->Lines.empty());
  Select({one, two});
  EXPECT_EQ(Count("ComponentChanged"), 2);
  EXPECT_EQ(Inspector->GetComponents()->GetCount(), 2);
  Events->Lines.clear();
  TComponentList both;
  both.Add(one);
  both.Add(two);
  Inspector->DelControls(&both);  // one per component and once more, one rebuild
  EXPECT_EQ(Count("ComponentChanged"), 3);
  EXPECT_EQ(Count("Show Count"), 0);  // nothing left to gather
  EXPECT_TRUE(Inspector->IsEmpty());
  Events->Lines.clear();
  Inspector->AddControl(two);  // with nothing selected: as SetControl
  EXPECT_EQ(Count("ComponentChanged"), 1);
  EXPECT_EQ(Inspector->GetControl(), two);
  Inspector->DelControl(one);  // not selected: the rows are built again all the same
  EXPECT_EQ(Count("ComponentChanged"), 2);
  EXPECT_EQ(Count("Show Count"), 2);
  Inspector->DelControl(nullptr);
  EXPECT_EQ(Count("ComponentChanged"), 2);
  Inspector->SetControl(nullptr);
  EXPECT_TRUE(Inspector->IsEmpty());
  EXPECT_EQ(Inspector->GetRowCount(), 1);
  EXPECT_EQ(Inspector->GetControl(), nullptr);
  EXPECT_EQ(Count("ComponentChanged"), 3);
  Inspector->AddControls(nullptr);
  Inspector->SetControls(nullptr);          // as SetControl(nil), and the change once more
  EXPECT_EQ(Count("ComponentChanged"), 4);  // nothing was selected: once
}

TEST_F(ObjectInspectorRowsTest, UpdatesNestAndTheLastEndUpdateBuildsOnce) {
  TGadget* one = NewGadget("One");
  Inspector->BeginUpdate();
  Inspector->BeginUpdate();
  Inspector->SetControl(one);
  Inspector->AddControl(NewGadget("Two"));
  EXPECT_EQ(Inspector->GetComponents()->GetCount(), 2);
  EXPECT_EQ(Count("Show"), 0);
  Inspector->EndUpdate();
  EXPECT_EQ(Count("Show"), 0);
  EXPECT_EQ(Inspector->GetUpdateCount(), 1);
  Inspector->EndUpdate();
  EXPECT_EQ(Count("Show Count"), 1);
  EXPECT_EQ(RowNames(), SharedGadgetRows());
  Inspector->EndUpdate();  // unbalanced: nothing happens
  EXPECT_EQ(Inspector->GetUpdateCount(), 0);
  EXPECT_EQ(Count("Show Count"), 1);
}

TEST_F(ObjectInspectorRowsTest, HiddenPropertiesNeverReachOnGetPropEdit) {
  Events->Hidden = {"Count", "Ratio"};
  Inspector->SetControl(NewGadget("Gadget1"));
  EXPECT_EQ(Count("Show Count"), 1);
  EXPECT_EQ(Count("GetPropEdit Count"), 0);
  EXPECT_EQ(Count("GetPropEdit Label"), 1);
  EXPECT_EQ(RowIndex("Count"), -1);
  EXPECT_EQ(RowIndex("Ratio"), -1);
  EXPECT_EQ(RowNames().size(), GadgetRows.size() - 2);
  // Hiding everything leaves the inspector empty, and painting it reads no row.
  Events->OnShow = [&](const std::string& name) { Events->Hidden.insert(name); };
  Inspector->SetFilter(tkProperties);
  EXPECT_TRUE(Inspector->IsEmpty());
  EXPECT_EQ(Inspector->GetInfoRecCount(), 0);
  Inspector->Repaint();
}

TEST_F(ObjectInspectorRowsTest, OnGetPropEditMayReplaceTheFrameworksEditor) {
  TGadget* gadget = NewGadget("Gadget1");
  gadget->SetCount(21);
  TPropertyEditor* offered = nullptr;
  Events->OnGetPropEdit = [&](const std::string& name, std::unique_ptr<TPropertyEditor>& edit) {
    EXPECT_EQ(edit, nullptr);  // the replacement starts empty
    if (name != "Count") return;
    offered = Inspector->GetOfferedEditor();
    edit = CreatePropertyEditor(TDoubledCountProperty::StaticClass(), offered->GetDesigner(),
                                offered->GetInstProps());
  };
  Inspector->SetControl(gadget);
  EXPECT_NE(offered, nullptr);
  EXPECT_EQ(Inspector->GetOfferedEditor(), nullptr);
  EXPECT_EQ(Row("Count")->PropEdit->ClassType(), TDoubledCountProperty::StaticClass());
  EXPECT_EQ(Row("Count")->PropEdit->GetValue(), "21x2");
  EXPECT_EQ(Row("Count")->PropEdit->GetDesigner(), Inspector->GetOwnDesigner());
  // A handler that leaves the replacement empty keeps the framework's editor.
  EXPECT_EQ(Row("Label")->PropEdit->GetValue(), "gadget");
}

TEST_F(ObjectInspectorRowsTest, PropertiesThatCannotBeReadAreLeftOut) {
  auto* trap = new TTrapGadget(Form);
  Inspector->SetControl(trap);
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"Alpha", "Fatal", "Name", "Plain", "Tag"}));
}

TEST_F(ObjectInspectorRowsTest, AFailingRebuildKeepsThePreviousRows) {
  TGadget* gadget = NewGadget("Gadget1");
  Inspector->SetControl(gadget);
  // The machinery (here a handler) raises: the gadget's rows stay.
  Events->OnShow = [](const std::string& name) {
    if (name == "Weight") throw EPropertyError("no weights today");
  };
  auto* widget = new TWidget(Form);
  EXPECT_NO_THROW(Inspector->SetControl(widget));
  EXPECT_EQ(Inspector->GetControl(), widget);
  EXPECT_EQ(RowNames(), GadgetRows);
  ExpectRowsCover({gadget});
  // Two rows named alike but for letter case end a rebuild in the same way.
  Events->OnShow = nullptr;
  Events->OnGetPropEdit = [&](const std::string& name, std::unique_ptr<TPropertyEditor>& edit) {
    if (name == "Count")
      edit = CreatePropertyEditor(TLowerLabelProperty::StaticClass(),
                                  Inspector->GetOfferedEditor()->GetDesigner(),
                                  Inspector->GetOfferedEditor()->GetInstProps());
  };
  Inspector->SetControl(NewGadget("Gadget2"));
  ExpectRowsCover({gadget});
  // Painting the kept rows is safe.
  Inspector->Repaint();
}

TEST_F(ObjectInspectorRowsTest, TheFocusedPropertyIsFoundAgainByItsExactName) {
  TGadget* one = NewGadget("One");
  Inspector->SetControl(one);
  Inspector->SetRow(RowIndex("Shape"));
  Inspector->UpdateEditor();
  EXPECT_EQ(Inspector->GetEditRow(), RowIndex("Shape"));
  Inspector->SetControl(NewGadget("Two"));
  // The target ends up as the last of the rows that fit.
  const int32_t fit = Inspector->GetClientHeight() / (Inspector->GetDefaultRowHeight() + 1);
  EXPECT_EQ(Inspector->GetRow(), RowIndex("Shape"));
  EXPECT_EQ(Inspector->GetTopRow(), RowIndex("Shape") - fit + 1);
  // The name is what counts: a widget's Shape has another type.
  Inspector->SetControl(new TWidget(Form));
  EXPECT_EQ(RowNames()[Inspector->GetRow()], "Shape");
  Inspector->SetRow(RowIndex("Count"));
  Inspector->UpdateEditor();
  Inspector->SetControl(new TCaseGadget(Form));  // no Count: the first row
  EXPECT_EQ(Inspector->GetRow(), 0);
  EXPECT_EQ(Inspector->GetTopRow(), 0);
  // The property is remembered across an empty selection too.
  Inspector->SetControl(one);
  Inspector->SetRow(RowIndex("Label"));
  Inspector->UpdateEditor();
  Inspector->SetControl(nullptr);
  Inspector->SetControl(NewGadget("Three"));
  EXPECT_EQ(RowNames()[Inspector->GetRow()], "Label");
}

TEST_F(ObjectInspectorRowsTest, EditorsGetTheDesignerOfTheInspectedForm) {
  TGadget* gadget = NewGadget("Gadget1");
  Inspector->SetControl(gadget);
  TFDesigner* own = Inspector->GetOwnDesigner();
  EXPECT_EQ(Inspector->GetCurrentDesigner(), own);
  EXPECT_EQ(own->GetForm(), Form);  // a component owned by a form
  // A control on a form that is being designed gets that form's designer.
  auto* designed = new TForm(Application);
  TIdeDesigner ide;
  designed->SetDesigner(&ide);
  auto* button = new TButton(designed);
  button->SetParent(designed);
  Inspector->SetControl(button);
  EXPECT_EQ(Inspector->GetCurrentDesigner(), &ide);
  EXPECT_EQ(Row("Caption")->PropEdit->GetDesigner(), &ide);
  EXPECT_EQ(own->GetForm(), designed);
  // A control on no form has no root; a component of a data module leaves the root as it was.
  Inspector->SetDesignerForm(new TButton(Form));
  EXPECT_EQ(own->GetForm(), nullptr);
  Inspector->SetDesignerForm(gadget);
  auto* data = new TDataModule(Application);
  Inspector->SetDesignerForm(new TGadget(data));
  EXPECT_EQ(own->GetForm(), Form);
  Inspector->SetControl(nullptr);
  designed->SetDesigner(nullptr);
}

TEST_F(ObjectInspectorRowsTest, EditorControlsAreMadeOncePerClass) {
  TControl* edit = Inspector->GetEditor(TVxSimpleEdit::StaticClass());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->ClassType(), TVxSimpleEdit::StaticClass());
  EXPECT_EQ(Inspector->GetEditor(TVxSimpleEdit::StaticClass()), edit);
  EXPECT_EQ(edit->GetOwner(), Inspector);
  EXPECT_EQ(edit->GetParent(), Inspector);
  EXPECT_FALSE(edit->GetVisible());
  EXPECT_NE(Inspector->GetEditor(TPopupListBox::StaticClass()), edit);
  EXPECT_THROW(Inspector->GetEditor(TGadget::StaticClass()), EInvalidCast);
  // A cached control destroyed by someone else is made again.
  edit->Free();
  TControl* again = Inspector->GetEditor(TVxSimpleEdit::StaticClass());
  EXPECT_EQ(again->ClassType(), TVxSimpleEdit::StaticClass());
}

TEST_F(ObjectInspectorRowsTest, ValuesAreWrittenWithTheChangeEventsAround) {
  Inspector->SetOnChangePropValue(MakeMethod<&TInspectorEvents::ChangeValue>(Events));
  Inspector->SetOnChangedPropValue(MakeMethod<&TInspectorEvents::ChangedValue>(Events));
  TGadget* one = NewGadget("One");
  TGadget* two = NewGadget("Two");
  Select({one, two});
  Events->Lines.clear();
  Inspector->ChangeValue(Row("Count")->PropEdit, "5");
  EXPECT_EQ(one->GetCount(), 5);
  EXPECT_EQ(two->GetCount(), 5);
  EXPECT_EQ(Events->Lines,
            (std::vector<std::string>{"Change Count=5 of 2", "Changed Count=5 of 2"}));
  // A handler may rewrite the text; an equal value is not written, the events fire anyway.
  Events->OnChange = [](std::string& value) { value = "7"; };
  Inspector->ChangeValue(Row("Count")->PropEdit, "6");
  EXPECT_EQ(one->GetCount(), 7);
  one->Limit = 0;  // a write now would fail
  Events->Lines.clear();
  EXPECT_NO_THROW(Inspector->ChangeValue(Row("Count")->PropEdit, "7"));
  EXPECT_EQ(Events->Lines.size(), 2u);
  Events->OnChange = nullptr;
  EXPECT_THROW(Inspector->ChangeValue(Row("Count")->PropEdit, "8"), EPropertyError);
  EXPECT_EQ(one->GetCount(), 7);
}
