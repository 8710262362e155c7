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
