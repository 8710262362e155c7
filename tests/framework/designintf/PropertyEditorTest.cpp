#include <stdexcept>

#include "DesignFixture.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"
#include "designintf/StringProperty.h"

using PropertyEditorTest = DesignFixture;

namespace {
// Writing Fatal with "victim" frees Victim (another component of the selection), with "self"
// the component itself; Refuse refuses every value. Writes counts the writes.
class TFatal : public TComponent {
  DECLARE_CLASS(TFatal, TComponent);

 public:
  using TComponent::TComponent;

  const std::string& GetFatal() const { return FFatal; }
  void SetFatal(const std::string& value) {
    ++Writes;
    if (Refuse) throw EPropertyError("refused");
    FFatal = value;
    if (value == "self") return Free();
    if (value == "victim" && Victim) std::exchange(Victim, nullptr)->Free();
  }

  TComponent* Victim = nullptr;
  bool Refuse = false;
  int Writes = 0;

 private:
  std::string FFatal;
};

// A component whose Value getter raises what it is told to: nothing, the framework's own
// exception, a standard one or something else entirely.
class TFragile : public TComponent {
  DECLARE_CLASS(TFragile, TComponent);

 public:
  using TComponent::TComponent;
  enum TFailure { None, Framework, Standard, Other };

  int32_t GetValue() const {
    switch (Failure) {
      case Framework:
        throw EInvalidOperation("not now");
      case Standard:
        throw std::runtime_error("the device went away");
      case Other:
        throw 42;
      case None:
        break;
    }
    return 7;
  }
  void SetValue(int32_t) {}

  TFailure Failure = None;
};

// What an inspector's OnGetPropEdit handler may put in place of an editor: captions typed in
// lower case are written in upper case.
class TUpperCaptionProperty : public TStringProperty {
  DECLARE_CLASS(TUpperCaptionProperty, TStringProperty);

 public:
  void SetValue(const std::string& value) override { TStringProperty::SetValue(UpperCase(value)); }
};
}  // namespace

IMPLEMENT_CLASS(TFragile) {
  PROPERTY(Value, GetValue, SetValue);
}
IMPLEMENT_CLASS(TUpperCaptionProperty) {}

IMPLEMENT_CLASS(TFatal) {
  PROPERTY(Fatal, GetFatal, SetFatal);
}

TEST_F(PropertyEditorTest, AWriteThatDestroysAnotherSelectedComponentLeavesItAlone) {
  auto fatalEditor = [&](std::initializer_list<TComponent*> components) {
    TComponentList list;
    for (TComponent* component : components)
      list.Add(component);
    std::unique_ptr<TPropertyEditor> editor;
    GetComponentProperties(list, tkAny, &Designer, [&](std::unique_ptr<TPropertyEditor> e) {
      if (e->GetName() == "Fatal") editor = std::move(e);
    });
    return editor;
  };
  auto* first = new TFatal(Form);
  auto* second = new TFatal(Form);
  auto* third = new TFatal(Form);
  first->Victim = second;
  auto editor = fatalEditor({first, second, third});
  ASSERT_NE(editor, nullptr);
  editor->SetValue("victim");  // the first write frees the second component
  EXPECT_EQ(first->GetFatal(), "victim");
  EXPECT_EQ(third->GetFatal(), "victim");
  EXPECT_EQ(third->Writes, 1);
  // A refusal after a component went away restores only the ones still there.
  auto* fourth = new TFatal(Form);
  auto* fifth = new TFatal(Form);
  auto* sixth = new TFatal(Form);
  fourth->SetFatal("before");
  fourth->Victim = fifth;
  sixth->Refuse = true;
  editor = fatalEditor({fourth, fifth, sixth});
  EXPECT_THROW(editor->SetValue("victim"), EPropertyError);
  EXPECT_EQ(fourth->GetFatal(), "before");
  EXPECT_EQ(fourth->Writes, 3);  // before, victim, restored
}

TEST_F(PropertyEditorTest, AGetterRaisingAnythingMakesTheValueUnavailable) {
  auto* first = new TFragile(Form);
  auto* second = new TFragile(Form);
  auto value = Editor("Value", {first, second});
  EXPECT_TRUE(value->ValueAvailable());
  for (TFragile::TFailure failure : {TFragile::Framework, TFragile::Standard, TFragile::Other}) {
    second->Failure = failure;
    EXPECT_NO_THROW(EXPECT_FALSE(value->ValueAvailable())) << failure;
    first->Failure = failure;
    EXPECT_NO_THROW(EXPECT_FALSE(value->ValueAvailable())) << failure;
    first->Failure = second->Failure = TFragile::None;
    EXPECT_TRUE(value->ValueAvailable());
  }
  first->Failure = TFragile::Standard;
  EXPECT_THROW(value->GetValue(), std::runtime_error) << "only ValueAvailable swallows";
}

TEST_F(PropertyEditorTest, AReplacementEditorCoversTheSameSelectionAndDesigner) {
  TComponentList selection;
  selection.Add(Widget1);
  selection.Add(Widget2);
  std::unique_ptr<TPropertyEditor> caption;
  GetComponentProperties(
      selection, tkProperties, &Designer, [&](std::unique_ptr<TPropertyEditor> editor) {
        if (editor->GetName() != "Caption") return;
        // The handler builds its own editor from what the given one covers.
        caption = CreatePropertyEditor(TUpperCaptionProperty::StaticClass(), editor->GetDesigner(),
                                       editor->GetInstProps());
      });
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->GetDesigner(), &Designer);
  ASSERT_EQ(caption->GetPropCount(), 2);
  EXPECT_EQ(caption->GetComponent(0), Widget1);
  EXPECT_EQ(caption->GetComponent(1), Widget2);
  EXPECT_EQ(caption->GetPropInfo()->GetName(), "Caption");
  EXPECT_EQ(caption->GetInstProps()[1].Instance, Widget2);
  const int modified = Designer.ModifiedCount;
  caption->SetValue("ok");
  EXPECT_EQ(Widget1->Caption, "OK");
  EXPECT_EQ(Widget2->Caption, "OK");
  EXPECT_EQ(Designer.ModifiedCount, modified + 1);
}
