#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"

namespace {
// Records the notifications it receives, as "insert Name" / "remove Name".
class TListener : public TComponent {
  DECLARE_CLASS(TListener, TComponent);

 public:
  using TComponent::TComponent;
  std::vector<std::string> Events;
  std::vector<std::string>* Log = nullptr;  // outlives the listener
  TComponent* Watched = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    Events.push_back((operation == opInsert ? "insert " : "remove ") +
                     std::string(component->GetName()));
    if (Log) Log->push_back(Events.back());
    if (operation == opRemove && component == Watched) Watched = nullptr;
  }
};

// A root with a published field that names binding keeps up to date.
class TPanelForm : public TComponent {
  DECLARE_CLASS(TPanelForm, TComponent);

 public:
  using TComponent::TComponent;
  TListener* OkButton = nullptr;
};

// Tells whether a dying component is still whole when others hear of it.
class TWholeness : public TComponent {
  DECLARE_CLASS(TWholeness, TComponent);

 public:
  using TComponent::TComponent;
  std::string Kind = "whole";
};

class TWholenessWatcher : public TComponent {
  DECLARE_CLASS(TWholenessWatcher, TComponent);

 public:
  using TComponent::TComponent;
  std::string Seen;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove)
      if (auto* dying = dynamic_cast<TWholeness*>(component)) Seen = dying->Kind;
  }
};
}  // namespace

IMPLEMENT_CLASS(TListener) {}
IMPLEMENT_CLASS(TPanelForm) {
  FIELD(OkButton);
}
IMPLEMENT_CLASS(TWholeness) {}
IMPLEMENT_CLASS(TWholenessWatcher) {}

TEST(ComponentTest, OwnerKeepsComponentsInOrderAndDestroysThem) {
  auto* owner = new TComponent(nullptr);
  auto* a = new TListener(owner);
  auto* b = new TComponent(owner);
  a->SetName("A");
  b->SetName("B");
  ASSERT_EQ(owner->GetComponentCount(), 2);
  EXPECT_EQ(owner->GetComponent(0), a);
  EXPECT_EQ(owner->GetComponent(1), b);
  EXPECT_EQ(b->GetComponentIndex(), 1);
  b->SetComponentIndex(0);
  EXPECT_EQ(owner->GetComponent(0), b);
  EXPECT_EQ(owner->FindComponent("a"), a);
  EXPECT_EQ(owner->FindComponent("C"), nullptr);
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  try {
    owner->GetComponent(5);
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.GetMessage(), "List index out of bounds (5)");
  }
  owner->Free();  // frees a and b too; the sanitizer reports any leak
}

TEST(ComponentTest, OwnerTreeHearsOfInsertionAndRemoval) {
  TComponent owner(nullptr);
  auto* listener = new TListener(&owner);
  listener->SetName("Listener");
  auto* other = new TComponent(nullptr);
  other->SetName("Other");
  owner.InsertComponent(other);
  EXPECT_EQ(other->GetOwner(), &owner);
  owner.RemoveComponent(other);
  EXPECT_EQ(other->GetOwner(), nullptr);
  other->Free();
  EXPECT_EQ(listener->Events, (std::vector<std::string>{"insert Other", "remove Other"}));
}

TEST(ComponentTest, FreeNotificationReachesComponentsOfOtherOwnersOnce) {
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* watcher = new TListener(&formA);
  auto* target = new TComponent(&formB);
  target->SetName("Target");
  watcher->Watched = target;
  watcher->FreeNotification(target);
  target->Free();
  EXPECT_EQ(watcher->Watched, nullptr);
  EXPECT_EQ(watcher->Events, (std::vector<std::string>{"remove Target"}));
}

TEST(ComponentTest, FreeNotificationWorksBothWaysAndCanBeWithdrawn) {
  auto* a = new TListener(nullptr);
  auto* b = new TListener(nullptr);
  a->SetName("A");
  b->SetName("B");
  a->FreeNotification(b);
  EXPECT_TRUE(a->GetComponentState().Contains(csFreeNotification));
  b->Free();  // a hears of b
  EXPECT_EQ(a->Events, (std::vector<std::string>{"remove B"}));
  auto* c = new TListener(nullptr);
  c->SetName("C");
  a->FreeNotification(c);
  a->RemoveFreeNotification(c);
  EXPECT_FALSE(a->GetComponentState().Contains(csFreeNotification));
  c->Free();
  EXPECT_EQ(a->Events.size(), 1u);
  a->Free();
}

TEST(ComponentTest, SiblingThatAskedHearsOfDestructionOnceWhetherAloneOrWithTheOwner) {
  auto* owner = new TComponent(nullptr);
  auto* watcher = new TListener(owner);
  auto* sibling = new TComponent(owner);
  sibling->SetName("Sibling");
  watcher->Events.clear();
  watcher->Watched = sibling;
  watcher->FreeNotification(sibling);
  sibling->Free();
  EXPECT_EQ(watcher->Events, (std::vector<std::string>{"remove Sibling"}));

  // Destroying the owner: the sibling created after the watcher goes first, and the watcher
  // must not keep a dangling pointer to it.
  auto* later = new TComponent(owner);
  later->SetName("Later");
  watcher->Watched = later;
  watcher->FreeNotification(later);
  std::vector<std::string> log;
  watcher->Log = &log;
  owner->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"remove Later"}));
}

TEST(ComponentTest, NotificationsSeeTheDyingComponentWhole) {
  TWholenessWatcher watcher(nullptr);
  auto* dying = new TWholeness(nullptr);
  watcher.FreeNotification(dying);
  dying->Free();
  EXPECT_EQ(watcher.Seen, "whole");
}

TEST(ComponentTest, NamesAreValidatedAndUniqueAmongTheOwnersComponents) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  first->SetName("Edit1");
  try {
    second->SetName("edit1");
    ADD_FAILURE();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.GetMessage(), "A component named edit1 already exists");
  }
  EXPECT_EQ(second->GetName(), "");
  try {
    second->SetName("2nd edit");
    ADD_FAILURE();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.GetMessage(), "'2nd edit' is not a valid component name");
  }
  first->SetName("EDIT1");  // the same name in another case is fine
  EXPECT_EQ(first->GetName(), "EDIT1");
  second->SetName("Edit2");
  first->SetName("");  // unnamed components may repeat
  second->SetName("");
  EXPECT_EQ(owner.FindComponent("Edit2"), nullptr);
  // Inserting a component whose name is taken fails and leaves it where it was.
  auto* named = new TComponent(nullptr);
  named->SetName("Taken");
  auto* taken = new TComponent(&owner);
  taken->SetName("Taken");
  EXPECT_THROW(owner.InsertComponent(named), EComponentError);
  EXPECT_EQ(named->GetOwner(), nullptr);
  named->Free();
}

TEST(ComponentTest, NamingBindsThePublishedFieldOfTheOwner) {
  TPanelForm form(nullptr);
  auto* button = new TListener(&form);
  button->SetName("OkButton");
  EXPECT_EQ(form.OkButton, button);
  button->SetName("Other");
  EXPECT_EQ(form.OkButton, nullptr);
  button->SetName("OkButton");
  button->Free();
  EXPECT_EQ(form.OkButton, nullptr);
  // A component of another class does not land in the field.
  auto* plain = new TComponent(&form);
  plain->SetName("OkButton");
  EXPECT_EQ(form.OkButton, nullptr);
}

TEST(ComponentTest, DesigningStateSpreadsToOwnedComponents) {
  TComponent root(nullptr);
  auto* child = new TComponent(&root);
  root.SetDesigning(true);
  EXPECT_TRUE(child->GetComponentState().Contains(csDesigning));
  auto* late = new TComponent(&root);
  EXPECT_TRUE(late->GetComponentState().Contains(csDesigning));
  root.SetDesigning(false, false);
  EXPECT_FALSE(root.GetComponentState().Contains(csDesigning));
  EXPECT_TRUE(child->GetComponentState().Contains(csDesigning));
}

TEST(ComponentTest, NamePathsAndAssignment) {
  TComponent component(nullptr);
  component.SetName("Button1");
  EXPECT_EQ(component.GetNamePath(), "Button1");
  TComponent other(nullptr);
  try {
    component.Assign(&other);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.GetMessage(), "Cannot assign a TComponent to a TComponent");
  }
  try {
    component.Assign(nullptr);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.GetMessage(), "Cannot assign a nil to a TComponent");
  }
}
