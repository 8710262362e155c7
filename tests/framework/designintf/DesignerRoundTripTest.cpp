#include "DesignFixture.h"
#include "core/Exception.h"

using DesignerRoundTripTest = DesignFixture;

TEST_F(DesignerRoundTripTest, ComponentReferencesGoThroughTheDesignersNames) {
  auto buddy = Editor("Buddy", {Widget1, Widget2});
  EXPECT_EQ(buddy->GetValue(), "");
  EXPECT_EQ(Values(*buddy), (std::vector<std::string>{"Widget1", "Widget2"})) << "no gauge";

  buddy->SetValue("Widget2");
  EXPECT_EQ(Widget1->GetBuddy(), Widget2);
  EXPECT_EQ(Widget2->GetBuddy(), Widget2);
  EXPECT_EQ(buddy->GetValue(), "Widget2");

  TTestForm* other = new TTestForm(nullptr);
  other->SetName("Form2");
  (new TTestWidget(other))->SetName("Remote");
  Designer.OtherForms.push_back(other);
  buddy->SetValue("Form2.Remote");
  EXPECT_EQ(Widget1->GetBuddy(), other->FindComponent("Remote"));
  EXPECT_EQ(buddy->GetValue(), "Form2.Remote");
  other->Free();
  EXPECT_EQ(buddy->GetValue(), "") << "the reference went with its component";

  buddy->SetValue("Widget1");
  EXPECT_THROW(buddy->SetValue("Nobody"), EPropertyError);
  try {
    buddy->SetValue("Gauge1");
    FAIL() << "a gauge is no widget";
  } catch (const EPropertyError& error) {
    EXPECT_STREQ(error.what(),
                 "Invalid value for Buddy: Gauge1 is a TTestGauge, not a TTestWidget");
  }
  EXPECT_EQ(Widget2->GetBuddy(), Widget1);
  buddy->SetValue("");
  EXPECT_EQ(Widget2->GetBuddy(), nullptr);
}

TEST_F(DesignerRoundTripTest, EventHandlersGoThroughTheDesignersMethods) {
  auto onClick = Editor("OnClick", {Widget1, Widget2});
  EXPECT_EQ(Values(*onClick), (std::vector<std::string>{"WidgetClick", "OtherClick"}));

  onClick->SetValue("WidgetClick");
  EXPECT_EQ(Widget2->OnClick.GetMethod().Data, Form);
  EXPECT_EQ(Widget2->OnClick.GetMethod().Code, Form->MethodAddress("WidgetClick"));
  EXPECT_EQ(onClick->GetValue(), "WidgetClick");
  EXPECT_TRUE(Designer.Shown.empty()) << "an existing handler is not shown";

  Designer.AncestorMethod = "WidgetClick";  // not renamed: a new handler is made
  onClick->SetValue("BrandNew");
  EXPECT_EQ(Designer.Created, (std::vector<std::string>{"BrandNew"}));
  EXPECT_EQ(Designer.Shown, (std::vector<std::string>{"BrandNew"}));
  EXPECT_EQ(onClick->GetValue(), "BrandNew");
  EXPECT_EQ(Widget1->OnClick.GetMethod(), Widget2->OnClick.GetMethod());

  onClick->SetValue("OtherClick");
  EXPECT_THROW(onClick->SetValue("KeyPressed"), EPropertyError) << "parameters differ";
  EXPECT_THROW(onClick->SetValue("not valid"), EPropertyError);
  EXPECT_EQ(onClick->GetValue(), "OtherClick");
  EXPECT_EQ(Values(*Editor("OnKey", {Widget1})), (std::vector<std::string>{"KeyPressed"}));

  const TMethod other = Widget1->OnClick.GetMethod();
  const int modified = Designer.ModifiedCount;
  onClick->SetValue("RenamedClick");
  EXPECT_EQ(Designer.Renamed.size(), 1u);
  EXPECT_EQ(Designer.Renamed[0].second, "RenamedClick");
  EXPECT_EQ(onClick->GetValue(), "RenamedClick");
  EXPECT_EQ(Widget2->OnClick.GetMethod(), other) << "the same handler under its new name";
  EXPECT_EQ(Designer.ModifiedCount, modified + 1);

  onClick->SetValue("");
  EXPECT_FALSE(Widget2->OnClick);
}

TEST_F(DesignerRoundTripTest, EditNamesANewHandlerAfterComponentAndEvent) {
  auto onClick = Editor("OnClick", {Widget1});
  onClick->Edit();
  EXPECT_EQ(Designer.Created, (std::vector<std::string>{"Widget1Click"}));
  EXPECT_EQ(Designer.Shown, (std::vector<std::string>{"Widget1Click"}));
  EXPECT_EQ(onClick->GetValue(), "Widget1Click");
}

// A designer that can neither make nor rename handlers, as the stand-alone designer of a
// running program: typed names must not cost the selection its handlers.
TEST_F(DesignerRoundTripTest, ADesignerWithoutNewHandlersRefusesNamesAndChangesNothing) {
  auto onClick = Editor("OnClick", {Widget1, Widget2});
  onClick->SetValue("WidgetClick");
  Widget2->OnClick = TNotifyEvent(TMethod{Form->MethodAddress("OtherClick"), Form});
  Designer.MakesMethods = false;
  const int modified = Designer.ModifiedCount;
  const TMethod first = Widget1->OnClick.GetMethod();
  const TMethod second = Widget2->OnClick.GetMethod();

  // The selection differs: a new name asks for a new handler, which the designer cannot make.
  try {
    onClick->SetValue("ButtonClick");
    FAIL() << "no handler ButtonClick can be had";
  } catch (const EPropertyError& error) {
    EXPECT_STREQ(error.what(),
                 "Cannot assign handler ButtonClick to OnClick: the designer provides no such "
                 "method");
  }
  EXPECT_EQ(Widget1->OnClick.GetMethod(), first);
  EXPECT_EQ(Widget2->OnClick.GetMethod(), second);
  EXPECT_TRUE(Designer.Shown.empty());

  // One handler on both: another name is a rename, which the designer does not carry out.
  onClick->SetValue("OtherClick");  // existing handlers can still be chosen
  EXPECT_EQ(Widget1->OnClick.GetMethod(), second);
  const int afterChoice = Designer.ModifiedCount;
  EXPECT_EQ(afterChoice, modified + 1);
  for (const char* name : {"ButtonClick", "otherclick"}) {
    try {
      onClick->SetValue(name);
      FAIL() << name << " was not renamed";
    } catch (const EPropertyError& error) {
      EXPECT_EQ(std::string(error.what()), std::string("Cannot rename handler OtherClick to ") +
                                               name + ": the designer did not rename it");
    }
    EXPECT_EQ(onClick->GetValue(), "OtherClick");
    EXPECT_EQ(Widget1->OnClick.GetMethod(), second);
    EXPECT_EQ(Widget2->OnClick.GetMethod(), second);
    EXPECT_EQ(Designer.ModifiedCount, afterChoice) << "no success reported";
  }
  onClick->SetValue("");  // removing handlers needs no designer's help
  EXPECT_FALSE(Widget1->OnClick);
  EXPECT_FALSE(Widget2->OnClick);
  EXPECT_THROW(onClick->Edit(), EPropertyError) << "a double click cannot make Widget1Click";
  EXPECT_FALSE(Widget1->OnClick);
  EXPECT_TRUE(Designer.Shown.empty());
}
