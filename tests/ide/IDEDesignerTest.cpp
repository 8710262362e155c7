#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "ControlTestSupport.h"
#include "IDEDesigner.h"
#include "controls/Panel.h"
#include "designintf/ComponentList.h"
#include "winsys/VirtualKeys.h"
#include "winsys/Window.h"
#include "winsys/WindowSystem.h"

namespace {
using ::testing::ElementsAre;

// The text the window's title bar shows.
std::string WindowText(TCustomForm* form) {
  return TWindowSystem::Instance().Find(form->GetHandle())->Text;
}

class IDEDesignerTest : public ::testing::Test {
 protected:
  IDEDesignerTest() {
    Form = Fixture.NewForm(50, 50, 400, 300);
    Form->SetName("CustomerForm");
    Form->SetCaption("Customer");
    Button = Fixture.New<TButton>(Form, 20, 20, 80, 25, "OkButton");
    Panel = Fixture.New<TPanel>(Form, 20, 100, 200, 100, "ButtonPanel");
    Inner = Fixture.New<TButton>(Panel, 10, 10, 80, 25, "InnerButton");
    Label = Fixture.New<TLabel>(Form, 250, 20, 80, 16, "NameLabel");
    Designer = std::make_unique<TIDEDesigner>(Form);
    Designer->SetOnSelectionChanged([this](TIDEDesigner*) { ++SelectionChanges; });
    Fixture.Driver.ProcessMessages();
  }

  void ShiftClick(TControl* control) {
    Fixture.Driver.KeyDown(VK_SHIFT);
    Fixture.ClickAt(control);
    Fixture.Driver.KeyUp(VK_SHIFT);
  }

  ControlTest::TFixture Fixture;
  TForm* Form;
  TButton* Button;
  TPanel* Panel;
  TButton* Inner;
  TLabel* Label;
  std::unique_ptr<TIDEDesigner> Designer;
  int SelectionChanges = 0;
};

TEST_F(IDEDesignerTest, PutsTheFormInTheDesigningStateAndAnswersForIt) {
  EXPECT_EQ(Form->GetDesigner(), Designer.get());
  EXPECT_TRUE(Form->GetComponentState().Contains(csDesigning));
  EXPECT_TRUE(Button->GetComponentState().Contains(csDesigning));
  EXPECT_EQ(Designer->GetRoot(), Form);
  EXPECT_EQ(Designer->UniqueName("TButton"), "Button1");
  Designer.reset();
  EXPECT_EQ(Form->GetDesigner(), nullptr);
}

TEST_F(IDEDesignerTest, CountsModificationsInTheWindowTitleButNotInTheCaption) {
  EXPECT_EQ(WindowText(Form), "Customer");
  Designer->Modified();
  EXPECT_EQ(WindowText(Form), "Customer  (1 change)");
  Designer->Modified();
  EXPECT_EQ(Designer->GetModifiedCount(), 2);
  EXPECT_EQ(WindowText(Form), "Customer  (2 changes)");
  // The Caption property, which a form file would store, keeps the user's text.
  EXPECT_EQ(Form->GetCaption(), "Customer");
  Form->SetCaption("Supplier");
  EXPECT_EQ(Form->GetCaption(), "Supplier");
  EXPECT_EQ(WindowText(Form), "Supplier  (2 changes)");
  // Without the designer the window shows the caption alone again.
  Designer.reset();
  EXPECT_EQ(WindowText(Form), "Supplier");
  EXPECT_EQ(Form->GetCaption(), "Supplier");
}

TEST_F(IDEDesignerTest, ClicksSelectTheDesignedComponentInsteadOfActing) {
  Fixture.Log->Lines.clear();
  Button->SetOnClick(MakeMethod<&ControlTest::TEventLog::Click>(Fixture.Log));
  Fixture.ClickAt(Button);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Button));
  EXPECT_TRUE(Fixture.Log->Lines.empty()) << "a designed button must not fire OnClick";
  Fixture.ClickAt(Inner);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Inner));
  Fixture.ClickAt(Label);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Label));
  Fixture.ClickAt(Form, 350, 240);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Form));
  EXPECT_EQ(SelectionChanges, 4);
}

TEST_F(IDEDesignerTest, ShiftClickAddsAndRemoves) {
  Fixture.ClickAt(Button);
  ShiftClick(Label);
  ShiftClick(Inner);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Button, Label, Inner));
  ShiftClick(Label);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Button, Inner));
  TComponentList list;
  Designer->GetSelections(&list);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list[1], Inner);
}

TEST_F(IDEDesignerTest, DraggingMovesTheControlAndCountsOneModification) {
  const TPoint from = Fixture.ScreenPoint(Button, 10, 10);
  Fixture.Driver.Drag(from.X, from.Y, from.X + 30, from.Y + 16);
  EXPECT_EQ(Button->GetLeft(), 50);
  EXPECT_EQ(Button->GetTop(), 36);
  EXPECT_EQ(Designer->GetModifiedCount(), 1);
  // A click without moving changes nothing.
  Fixture.ClickAt(Button);
  EXPECT_EQ(Designer->GetModifiedCount(), 1);
  EXPECT_EQ(Button->GetLeft(), 50);
}

TEST_F(IDEDesignerTest, SelectionOnlyHoldsTheFormsOwnComponents) {
  auto* stranger = Fixture.NewForm(500, 50, 100, 100);
  TComponentList list;
  list.Add(Button);
  list.Add(stranger);
  list.Add(Button);
  Designer->SetSelections(&list);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Button));
  Designer->SelectComponent(stranger);
  EXPECT_TRUE(Designer->GetSelection().empty());
  Designer->SelectAll();
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Button, Panel, Inner, Label));
}

TEST_F(IDEDesignerTest, DestroyedComponentsLeaveTheSelection) {
  Designer->SelectAll();
  SelectionChanges = 0;
  Label->Free();
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Button, Panel, Inner));
  EXPECT_EQ(SelectionChanges, 1);
}

TEST_F(IDEDesignerTest, DeletingAPanelWithItsSelectedChildFreesEachOnce) {
  TComponentList list;
  list.Add(Panel);
  list.Add(Inner);
  list.Add(Form);
  Designer->SetSelections(&list);
  Designer->DeleteSelection();
  // The form is never deleted; the panel took its button with it.
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Form));
  EXPECT_EQ(Form->FindComponent("ButtonPanel"), nullptr);
  EXPECT_EQ(Form->FindComponent("InnerButton"), nullptr);
  EXPECT_EQ(Form->FindComponent("OkButton"), Button);
  EXPECT_EQ(Designer->GetModifiedCount(), 1);
}

TEST_F(IDEDesignerTest, PlacesTheChosenClassWhereTheUserClicks) {
  TClass chosen = TButton::StaticClass();
  Designer->SetPlacementQuery([&chosen] { return std::exchange(chosen, nullptr); });
  Fixture.ClickAt(Panel, 120, 40);
  auto* placed = dynamic_cast<TButton*>(Form->FindComponent("Button1"));
  ASSERT_NE(placed, nullptr);
  EXPECT_EQ(placed->GetParent(), Panel);
  EXPECT_EQ(placed->GetLeft(), 120);
  EXPECT_EQ(placed->GetTop(), 40);
  EXPECT_TRUE(placed->GetComponentState().Contains(csDesigning));
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(placed));
  EXPECT_EQ(Designer->GetModifiedCount(), 1);
  // The choice was used up: the next click selects.
  Fixture.ClickAt(Button);
  EXPECT_THAT(Designer->GetSelection(), ElementsAre(Button));
  EXPECT_EQ(Designer->CreateComponent(TObject::StaticClass(), Form, 0, 0, 0, 0), nullptr);
}
}  // namespace
