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

  Designer.AncestorMethod = "WidgetClick";
  onClick->SetValue("BrandNew");
  EXPECT_EQ(Designer.Created, (std::vector<std::string>{"BrandNew"}));
  EXPECT_EQ(Designer.Shown, (std::vector<std::string>{"BrandNew"}));
  EXPECT_FALSE(Widget1->OnClick) << "the tests' designer cannot make code";

  onClick->SetValue("OtherClick");
  EXPECT_THROW(onClick->SetValue("KeyPressed"), EPropertyError) << "parameters differ";
  EXPECT_THROW(onClick->SetValue("not valid"), EPropertyError);
  EXPECT_EQ(onClick->GetValue(), "OtherClick");
  EXPECT_EQ(Values(*Editor("OnKey", {Widget1})), (std::vector<std::string>{"KeyPressed"}));

  onClick->SetValue("RenamedClick");
  EXPECT_EQ(Designer.Renamed.size(), 1u);
  EXPECT_EQ(Designer.Renamed[0].second, "RenamedClick");

  onClick->SetValue("");
  EXPECT_FALSE(Widget2->OnClick);
}

TEST_F(DesignerRoundTripTest, EditNamesANewHandlerAfterComponentAndEvent) {
  auto onClick = Editor("OnClick", {Widget1});
  onClick->Edit();
  EXPECT_EQ(Designer.Created, (std::vector<std::string>{"Widget1Click"}));
  EXPECT_EQ(Designer.Shown, (std::vector<std::string>{"Widget1Click"}));
}
