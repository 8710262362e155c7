#include "designintf/PropertyEditorRegistry.h"

#include <gtest/gtest.h>

#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "designintf/StringProperty.h"
#include "rtti/PropInfo.h"

// Each test registers for types of its own, so that registrations, which last for the whole
// process, cannot reach the other tests.
namespace {
DECLARE_STRING_TYPE(TTieText)
DECLARE_STRING_TYPE(TNamedText)
DECLARE_STRING_TYPE(TDepthText)
DECLARE_STRING_TYPE(THiddenText)
DECLARE_STRING_TYPE(TRankText)

class TRegistryPart : public TPersistent {
  DECLARE_CLASS(TRegistryPart, TPersistent);

 public:
  TRegistryPart() = default;
};

class TRegistrySubPart : public TRegistryPart {
  DECLARE_CLASS(TRegistrySubPart, TRegistryPart);

 public:
  TRegistrySubPart() = default;
};

class TRegistryWidget : public TComponent {
  DECLARE_CLASS(TRegistryWidget, TComponent);

 public:
  using TComponent::TComponent;

  TTieText Tie;
  TNamedText Named, Other;
  TDepthText Depth;
  THiddenText Hidden, Shown;
  TRankText Rank;
  std::string Plain;
  TRegistrySubPart* Part = nullptr;
};

class TRegistryButton : public TRegistryWidget {
  DECLARE_CLASS(TRegistryButton, TRegistryWidget);

 public:
  using TRegistryWidget::TRegistryWidget;
};

// Editors that only mark which registration won.
#define MARKER_EDITOR(Name)               \
  class Name : public TStringProperty {   \
    DECLARE_CLASS(Name, TStringProperty); \
                                          \
   public:                                \
    Name() = default;                     \
  };                                      \
  IMPLEMENT_CLASS(Name) {}

MARKER_EDITOR(TMarkerA)
MARKER_EDITOR(TMarkerB)
MARKER_EDITOR(TMarkerC)

IMPLEMENT_CLASS(TRegistryPart) {}
IMPLEMENT_CLASS(TRegistrySubPart) {}
IMPLEMENT_CLASS(TRegistryWidget) {
  PROPERTY(Tie, Tie, Tie);
  PROPERTY(Named, Named, Named);
  PROPERTY(Other, Other, Other);
  PROPERTY(Depth, Depth, Depth);
  PROPERTY(Hidden, Hidden, Hidden);
  PROPERTY(Shown, Shown, Shown);
  PROPERTY(Rank, Rank, Rank);
  PROPERTY(Plain, Plain, Plain);
  PROPERTY(Part, Part, Part);
}
IMPLEMENT_CLASS(TRegistryButton) {}
}  // namespace

class PropertyEditorRegistryTest : public ::testing::Test {
 protected:
  ~PropertyEditorRegistryTest() override { Form->Free(); }

  std::string EditorOf(const TRegistryWidget* widget, const char* property) {
    TClass editor = GetEditorClass(GetPropInfo(widget, property), widget);
    return editor ? editor->ClassName() : "(hidden)";
  }

  TComponent* Form = new TComponent(nullptr);
  TRegistryWidget* Widget = new TRegistryWidget(Form);
  TRegistryButton* Button = new TRegistryButton(Form);
};

TEST_F(PropertyEditorRegistryTest, LaterRegistrationWinsATie) {
  RegisterPropertyEditor(TypeInfo<TTieText>(), nullptr, "", TMarkerA::StaticClass());
  RegisterPropertyEditor(TypeInfo<TTieText>(), nullptr, "", TMarkerB::StaticClass());
  EXPECT_EQ(EditorOf(Widget, "Tie"), "TMarkerB");
}

TEST_F(PropertyEditorRegistryTest, NamedPropertyBeatsAnyNameAndNamesIgnoreCase) {
  RegisterPropertyEditor(TypeInfo<TNamedText>(), nullptr, "named", TMarkerA::StaticClass());
  RegisterPropertyEditor(TypeInfo<TNamedText>(), nullptr, "", TMarkerB::StaticClass());
  EXPECT_EQ(EditorOf(Widget, "Named"), "TMarkerA");
  EXPECT_EQ(EditorOf(Widget, "Other"), "TMarkerB");
}

TEST_F(PropertyEditorRegistryTest, MostDerivedComponentClassWins) {
  RegisterPropertyEditor(TypeInfo<TDepthText>(), TRegistryButton::StaticClass(), "",
                         TMarkerA::StaticClass());
  RegisterPropertyEditor(TypeInfo<TDepthText>(), TRegistryWidget::StaticClass(), "",
                         TMarkerB::StaticClass());
  RegisterPropertyEditor(TypeInfo<TDepthText>(), nullptr, "", TMarkerC::StaticClass());
  EXPECT_EQ(EditorOf(Button, "Depth"), "TMarkerA");
  EXPECT_EQ(EditorOf(Widget, "Depth"), "TMarkerB");
}

TEST_F(PropertyEditorRegistryTest, ExactTypeBeatsAncestorTypeWhichBeatsNames) {
  RegisterPropertyEditor(TypeInfo<TRegistryPart*>(), TRegistryWidget::StaticClass(), "Part",
                         TMarkerA::StaticClass());
  EXPECT_EQ(EditorOf(Widget, "Part"), "TMarkerA") << "an ancestor type covers the property";
  RegisterPropertyEditor(TypeInfo<TRegistrySubPart*>(), nullptr, "", TMarkerB::StaticClass());
  RegisterPropertyEditor(TypeInfo<TPersistent*>(), TRegistryButton::StaticClass(), "Part",
                         TMarkerC::StaticClass());
  EXPECT_EQ(EditorOf(Button, "Part"), "TMarkerB");
}

TEST_F(PropertyEditorRegistryTest, RegistrationWithoutEditorClassHides) {
  RegisterPropertyEditor(TypeInfo<THiddenText>(), nullptr, "", nullptr);
  RegisterPropertyEditor(TypeInfo<THiddenText>(), nullptr, "Shown", TMarkerA::StaticClass());
  EXPECT_EQ(EditorOf(Widget, "Hidden"), "(hidden)");
  EXPECT_EQ(EditorOf(Widget, "Shown"), "TMarkerA") << "a better match shows it again";
}

TEST_F(PropertyEditorRegistryTest, NamedTypesAreDistinctAndKindsHaveDefaults) {
  RegisterPropertyEditor(TypeInfo<TRankText>(), nullptr, "", TMarkerA::StaticClass());
  EXPECT_EQ(EditorOf(Widget, "Plain"), "TStringProperty");
  EXPECT_EQ(EditorOf(Widget, "Rank"), "TMarkerA");
}

TEST_F(PropertyEditorRegistryTest, RefusesRegistrationsThatCannotWork) {
  EXPECT_THROW(RegisterPropertyEditor(nullptr, nullptr, "", TMarkerA::StaticClass()),
               EPropertyError);
  EXPECT_THROW(
      RegisterPropertyEditor(TypeInfo<TRankText>(), nullptr, "", TRegistryWidget::StaticClass()),
      EPropertyError);
}
