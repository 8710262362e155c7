// A component destroyed while it is inspected is never read or written again: these tests run
// under the address sanitizer, which reports any such access.
#include <gtest/gtest.h>

#include "InspectorTestSupport.h"
#include "controls/ControlRef.h"
#include "fdesign/FDesigner.h"

using namespace InspectorTest;

namespace {
class ObjectInspectorSafetyTest : public ::testing::Test, public TInspectorFixture {
 protected:
  ObjectInspectorSafetyTest() {
    Inspector->SetOnShowProperty(MakeMethod<&TInspectorEvents::ShowProperty>(Events));
    Inspector->SetOnGetPropEdit(MakeMethod<&TInspectorEvents::GetPropEdit>(Events));
    Inspector->SetOnComponentChanged(MakeMethod<&TInspectorEvents::ComponentChanged>(Events));
    Inspector->SetOnChangePropValue(MakeMethod<&TInspectorEvents::ChangeValue>(Events));
    Inspector->SetOnChangedPropValue(MakeMethod<&TInspectorEvents::ChangedValue>(Events));
    Ungroup();
    Events->Lines.clear();
  }
  // Paints the inspector now, reading every visible value.
  void Paint() {
    Inspector->Invalidate();
    Inspector->Update();
  }
  void ExpectCovers(TComponent* component) {
    ASSERT_FALSE(Inspector->IsEmpty());
    for (int32_t i = 0; i < Inspector->GetInfoRecCount(); ++i) {
      ASSERT_EQ(Inspector->GetInfoRec(i)->PropEdit->GetPropCount(), 1);
      EXPECT_EQ(Inspector->GetInfoRec(i)->PropEdit->GetComponent(0), component);
    }
  }
};
}  // namespace

TEST_F(ObjectInspectorSafetyTest, ADestroyedComponentLeavesAndTheOthersRowsAreBuilt) {
  TGadget* one = NewGadget("One");
  TGadget* two = NewGadget("Two");
  Select({one, two});
  Paint();
  one->Free();
  EXPECT_EQ(Inspector->GetComponents()->GetCount(), 1);
  EXPECT_EQ(Inspector->GetControl(), two);
  ExpectCovers(two);
  EXPECT_NE(RowIndex("Name"), -1);  // a single component again
  Paint();
  // The last one going leaves the inspector empty; so does a plain delete.
  delete two;
  EXPECT_TRUE(Inspector->IsEmpty());
  EXPECT_EQ(Inspector->GetInfoRecCount(), 0);
  Paint();
}

TEST_F(ObjectInspectorSafetyTest, RowsThatCannotBeRebuiltYetAreReleased) {
  TGadget* one = NewGadget("One");
  Inspector->SetControl(one);
  Inspector->BeginUpdate();
  TGadget* two = NewGadget("Two");
  Inspector->AddControl(two);
  one->Free();  // the rows of One cannot be built again inside the update
  EXPECT_TRUE(Inspector->IsEmpty());
  EXPECT_EQ(Inspector->GetInfoRecCount(), 0);
  Paint();
  Inspector->EndUpdate();
  ExpectCovers(two);
  // Rows kept by a failed rebuild still go when their component does.
  Events->OnShow = [](const std::string&) { throw EPropertyError("refused"); };
  Inspector->SetControl(new TWidget(Form));
  ExpectCovers(two);
  two->Free();
  EXPECT_TRUE(Inspector->IsEmpty());
  Paint();
}

TEST_F(ObjectInspectorSafetyTest, AWriteThatDestroysItsComponentEndsSafely) {
  auto* trap = new TTrapGadget(Form);
  Inspector->SetControl(trap);
  Events->Lines.clear();
  Inspector->ChangeValue(Row("Fatal")->PropEdit, "destroy");
  EXPECT_TRUE(Inspector->IsEmpty());
  EXPECT_EQ(Events->Lines,
            (std::vector<std::string>{"Change Fatal=destroy of 1", "Changed Fatal=destroy of 0"}));
  Paint();
}

TEST_F(ObjectInspectorSafetyTest, AWriteThatDestroysAnotherSelectedComponent) {
  auto* first = new TTrapGadget(Form);
  auto* second = new TTrapGadget(Form);
  first->Victim = second;
  Select({first, second});
  Inspector->ChangeValue(Row("Fatal")->PropEdit, "partner");
  EXPECT_EQ(first->GetFatal(), "partner");
  // The rows waited for the write to end, then were built for the survivor.
  ExpectCovers(first);
  Paint();
}

TEST_F(ObjectInspectorSafetyTest, AHandlerThatDestroysAComponentWhileRowsAreGathered) {
  TGadget* one = NewGadget("One");
  TGadget* two = NewGadget("Two");
  Select({one, two});
  Events->Lines.clear();
  Events->OnShow = [&](const std::string& name) {
    if (name == "Count" && two) std::exchange(two, nullptr)->Free();
  };
  Inspector->SetFilter(tkProperties);  // a rebuild, during which Two goes
  ExpectCovers(one);
  EXPECT_EQ(Count("Show Count"), 2);  // the gathering began again without Two
  // A handler that changes the value's component before the write: nothing is written to it.
  Events->OnShow = nullptr;
  Events->OnChange = [&](std::string&) { std::exchange(one, nullptr)->Free(); };
  Events->Lines.clear();
  Inspector->ChangeValue(Row("Count")->PropEdit, "3");
  EXPECT_EQ(Events->Lines,
            (std::vector<std::string>{"Change Count=3 of 1", "Changed Count=3 of 0"}));
  EXPECT_TRUE(Inspector->IsEmpty());
}

TEST_F(ObjectInspectorSafetyTest, HandlersThatDestroyTheInspectorEndItsWork) {
  TGadget* gadget = NewGadget("Gadget1");
  TControlRef<TObjectInspector> watch(Inspector);
  Events->OnGetPropEdit = [&](const std::string& name, std::unique_ptr<TPropertyEditor>&) {
    if (name == "Count") Inspector->Free();
  };
  Inspector->SetControl(gadget);
  EXPECT_FALSE(watch);
  // Again, from OnComponentChanged in the middle of several removals.
  Events->OnGetPropEdit = nullptr;
  Inspector = new TObjectInspector(Form);
  Inspector->SetOnComponentChanged(MakeMethod<&TInspectorEvents::ComponentChanged>(Events));
  watch = Inspector;
  TGadget* other = NewGadget("Other");
  Select({gadget, other});
  Events->OnComponentChanged = [&] { Inspector->Free(); };
  TComponentList both;
  both.Add(gadget);
  both.Add(other);
  Inspector->DelControls(&both);
  EXPECT_FALSE(watch);
}

TEST_F(ObjectInspectorSafetyTest, TheDesignersRootGoingAwayIsForgotten) {
  auto* other = new TForm(Application);
  auto* gadget = new TGadget(other);
  Inspector->SetControl(gadget);
  EXPECT_EQ(Inspector->GetOwnDesigner()->GetForm(), other);
  other->Free();
  EXPECT_EQ(Inspector->GetOwnDesigner()->GetForm(), nullptr);
  EXPECT_TRUE(Inspector->IsEmpty());
  EXPECT_EQ(Inspector->GetCurrentDesigner(), Inspector->GetOwnDesigner());
}

TEST_F(ObjectInspectorSafetyTest, AFormClosingWithItsInspectorAndComponents) {
  auto* form = new TForm(Application);
  auto* inspector = new TObjectInspector(form);
  inspector->SetBounds(0, 0, 200, 200);
  inspector->SetOnShowProperty(MakeMethod<&TInspectorEvents::ShowProperty>(Events));
  auto* one = new TGadget(form);
  auto* two = new TGadget(form);
  TComponentList both;
  both.Add(one);
  both.Add(two);
  inspector->SetControls(&both);
  form->Show();
  Driver.ProcessMessages();
  Events->Lines.clear();
  form->Free();
  // The components go with the form; nothing is gathered from the dying ones.
  EXPECT_EQ(Count("Show"), 0);
  Driver.ProcessMessages();
}
