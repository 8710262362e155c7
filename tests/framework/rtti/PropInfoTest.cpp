#include <gtest/gtest.h>

#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "graphics/Color.h"

namespace {
enum TShape : uint8_t { shCircle, shSquare, shStar };
PUBLISHED_ENUM(TShape, shCircle, shSquare, shStar)
using TShapes = TSet<TShape>;
PUBLISHED_SET(TShapes, TShape)

DECLARE_EVENT(TCountEvent, void(TObject* Sender, int& Count),
              "Sender: TObject; var Count: Integer");

class TGadget : public TPersistent {
  DECLARE_CLASS(TGadget, TPersistent);

 public:
  int32_t GetSize() const { return FSize; }
  void SetSize(int32_t value) {
    FSize = value;
    ++FSizeWrites;
  }
  TShape GetShape() const { return FShape; }
  void SetShape(TShape value) { FShape = value; }
  int FSizeWrites = 0;

 private:
  int32_t FSize = 1;
  TShape FShape = shCircle;
};

class TWidget : public TGadget {
  DECLARE_CLASS(TWidget, TGadget);

 public:
  const std::string& GetTitle() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }
  uint8_t FLevel = 0;
  char FLetter = 'a';
  bool FEnabled = true;
  TShapes FShapes;
  TColor FColor = clBtnFace;
  double FRatio = 0;
  TGadget* FPart = nullptr;
  TNotifyEvent FOnClick;
  TCountEvent FOnCount;
  int GetVersion() const { return 7; }
  bool IsTitleStored() const { return FTitle != "untitled"; }

  void HandleClick(TObject* sender) { Clicks++; }
  void HandleCount(TObject* sender, int& count) { count += 10; }
  int Clicks = 0;

 private:
  std::string FTitle;
};

// Publishes Shape again with a default; it keeps its inherited place.
class TFancyWidget : public TWidget {
  DECLARE_CLASS(TFancyWidget, TWidget);

 public:
  TFancyWidget() { SetShape(shStar); }
  int16_t FExtra = 0;
};

class TAbstractThing : public TComponent {
  DECLARE_CLASS(TAbstractThing, TComponent);

 public:
  using TComponent::TComponent;
  virtual void Run() = 0;
};
}  // namespace

IMPLEMENT_CLASS(TGadget) {
  PROPERTY(Size, GetSize, SetSize).Default(1);
  PROPERTY(Shape, GetShape, SetShape);
}

IMPLEMENT_CLASS(TWidget) {
  PROPERTY(Title, GetTitle, SetTitle).Stored(&TWidget::IsTitleStored);
  PROPERTY(Level, FLevel, FLevel);
  PROPERTY(Letter, FLetter, FLetter);
  PROPERTY(Enabled, FEnabled, FEnabled).Default(true);
  PROPERTY(Shapes, FShapes, FShapes).Default(TShapes{});
  PROPERTY(Color, FColor, FColor).Default(clBtnFace);
  PROPERTY(Ratio, FRatio, FRatio);
  PROPERTY(Part, FPart, FPart);
  PROPERTY(OnClick, FOnClick, FOnClick);
  PROPERTY(OnCount, FOnCount, FOnCount);
  PROPERTY_READ(Version, GetVersion);
  METHOD(HandleClick);
  METHOD(HandleCount);
}

IMPLEMENT_CLASS(TFancyWidget) {
  PROPERTY(Extra, FExtra, FExtra);
  PROPERTY(Shape, GetShape, SetShape).Default(shStar);
}

IMPLEMENT_CLASS(TAbstractThing) {}

static std::vector<std::string> Names(const std::vector<PPropInfo>& list) {
  std::vector<std::string> names;
  for (PPropInfo info : list)
    names.push_back(info->GetName());
  return names;
}

TEST(PropInfoTest, PropertiesComeInheritedFirstInDeclarationOrder) {
  EXPECT_EQ(
      Names(GetPropList(TWidget::StaticClass())),
      (std::vector<std::string>{"Size", "Shape", "Title", "Level", "Letter", "Enabled", "Shapes",
                                "Color", "Ratio", "Part", "OnClick", "OnCount", "Version"}));
  // A property published again keeps its ancestor's place and takes the new declaration.
  const auto fancy = GetPropList(TFancyWidget::StaticClass());
  EXPECT_EQ(fancy[1]->GetName(), "Shape");
  EXPECT_EQ(fancy.back()->GetName(), "Extra");
  EXPECT_TRUE(fancy[1]->HasDefault());
  EXPECT_EQ(fancy[1]->GetDefault(), shStar);
  EXPECT_FALSE(GetPropInfo(TWidget::StaticClass(), "Shape")->HasDefault());
}

TEST(PropInfoTest, ListsFilterByKindAndLookupIgnoresCase) {
  EXPECT_EQ(Names(GetPropList(TWidget::StaticClass(), tkMethods)),
            (std::vector<std::string>{"OnClick", "OnCount"}));
  EXPECT_EQ(Names(GetPropList(TWidget::StaticClass(), {tkSet, tkFloat})),
            (std::vector<std::string>{"Shapes", "Ratio"}));
  EXPECT_EQ(GetPropList(TWidget::StaticClass(), TTypeKinds{}).size(), 0u);
  EXPECT_NE(GetPropInfo(TWidget::StaticClass(), "sHAPES"), nullptr);
  EXPECT_EQ(GetPropInfo(TWidget::StaticClass(), "Shapes", {tkInteger}), nullptr);
  EXPECT_EQ(GetPropInfo(TWidget::StaticClass(), "Missing"), nullptr);
}

TEST(PropInfoTest, PropertyTypesComeFromTheCppTypes) {
  TWidget widget;
  EXPECT_EQ(GetPropInfo(&widget, "Level")->GetPropType(), TypeInfo<uint8_t>());
  EXPECT_EQ(GetPropInfo(&widget, "Color")->GetPropType(), TypeInfo<TColor>());
  EXPECT_EQ(GetPropInfo(&widget, "Part")->GetPropType()->Kind, tkClass);
  EXPECT_EQ(GetPropInfo(&widget, "Part")->GetPropType()->ClassType, TGadget::StaticClass());
  EXPECT_EQ(GetPropInfo(&widget, "OnCount")->GetPropType(), TypeInfo<TCountEvent>());
  EXPECT_EQ(PropType(&widget, "Letter"), tkChar);
  EXPECT_EQ(PropType(&widget, "Enabled"), tkEnumeration);
}

TEST(PropInfoTest, OrdinalAccessCoversEnumerationsSetsCharsAndColours) {
  TWidget widget;
  SetOrdProp(&widget, "Size", 40);
  EXPECT_EQ(widget.GetSize(), 40);
  SetEnumProp(&widget, GetPropInfo(&widget, "Shape"), "shstar");
  EXPECT_EQ(widget.GetShape(), shStar);
  EXPECT_EQ(GetEnumProp(&widget, GetPropInfo(&widget, "Shape")), "shStar");
  SetSetProp(&widget, GetPropInfo(&widget, "Shapes"), "[shCircle,shStar]");
  EXPECT_EQ(widget.FShapes, (TShapes{shCircle, shStar}));
  EXPECT_EQ(GetSetProp(&widget, GetPropInfo(&widget, "Shapes"), true), "[shCircle,shStar]");
  SetOrdProp(&widget, "Letter", 0xE9);
  EXPECT_EQ(GetOrdProp(&widget, "Letter"), 0xE9);
  SetOrdProp(&widget, "Enabled", 0);
  EXPECT_FALSE(widget.FEnabled);
  SetOrdProp(&widget, "Color", clNavy);
  EXPECT_EQ(widget.FColor, clNavy);
  EXPECT_EQ(GetOrdProp(&widget, "Color"), clNavy);
}

TEST(PropInfoTest, OrdinalValuesOutsideTheTypeAreRefusedUnwritten) {
  TWidget widget;
  EXPECT_THROW(SetOrdProp(&widget, "Shape", 3), EPropertyError);
  EXPECT_THROW(SetOrdProp(&widget, "Level", 256), EPropertyError);
  EXPECT_THROW(SetOrdProp(&widget, "Level", -1), EPropertyError);
  EXPECT_THROW(SetOrdProp(&widget, "Shapes", 8), EPropertyError);
  EXPECT_THROW(SetEnumProp(&widget, GetPropInfo(&widget, "Shape"), "shHexagon"), EPropertyError);
  const int writes = widget.FSizeWrites;
  EXPECT_THROW(SetOrdProp(&widget, "Size", int64_t{1} << 40), EPropertyError);
  EXPECT_EQ(widget.FSizeWrites, writes);
  EXPECT_EQ(widget.GetShape(), shCircle);
  EXPECT_EQ(widget.FLevel, 0);
}

TEST(PropInfoTest, FloatStringAndObjectAccess) {
  TWidget widget;
  TGadget part;
  SetFloatProp(&widget, "Ratio", 0.25);
  EXPECT_EQ(GetFloatProp(&widget, "Ratio"), 0.25);
  SetStrProp(&widget, "Title", "Main");
  EXPECT_EQ(GetStrProp(&widget, "Title"), "Main");
  SetObjectProp(&widget, "Part", &part);
  EXPECT_EQ(widget.FPart, &part);
  EXPECT_EQ(GetObjectProp(&widget, "Part"), &part);
  // Objects of other classes do not fit.
  TStringList notAGadget;
  EXPECT_THROW(SetObjectProp(&widget, "Part", &notAGadget), EPropertyError);
  EXPECT_EQ(widget.FPart, &part);
  SetObjectProp(&widget, "Part", nullptr);
  EXPECT_EQ(widget.FPart, nullptr);
}

TEST(PropInfoTest, WrongCategoriesReadOnlyAndForeignPropertiesRaise) {
  TWidget widget;
  TGadget gadget;
  EXPECT_THROW(GetStrProp(&widget, "Size"), EPropertyError);
  EXPECT_THROW(SetFloatProp(&widget, "Title", 1), EPropertyError);
  EXPECT_THROW(GetOrdProp(&widget, "Missing"), EPropertyError);
  EXPECT_FALSE(GetPropInfo(&widget, "Version")->IsWritable());
  EXPECT_EQ(GetOrdProp(&widget, "Version"), 7);
  EXPECT_THROW(SetOrdProp(&widget, "Version", 8), EPropertyError);
  // A property of TWidget cannot be applied to a plain TGadget.
  EXPECT_THROW(GetStrProp(&gadget, GetPropInfo(&widget, "Title")), EPropertyError);
}

TEST(PropInfoTest, DefaultsAndStoredPredicates) {
  TWidget widget;
  PPropInfo title = GetPropInfo(&widget, "Title");
  EXPECT_TRUE(IsStoredProp(&widget, title));
  widget.SetTitle("untitled");
  EXPECT_FALSE(IsStoredProp(&widget, title));
  PPropInfo shapes = GetPropInfo(&widget, "Shapes");
  EXPECT_TRUE(shapes->HasDefault());
  EXPECT_EQ(shapes->GetDefault(), 0);
  EXPECT_EQ(GetPropInfo(&widget, "Color")->GetDefault(), clBtnFace);
  EXPECT_FALSE(GetPropInfo(&widget, "Ratio")->HasDefault());
  // Name belongs to components; a widget has none.
  EXPECT_THROW(IsStoredProp(&widget, GetPropInfo(TComponent::StaticClass(), "Name")),
               EPropertyError);
}

TEST(PropInfoTest, EventsHoldMethodReferencesThatCompareCopyCallAndCheckParameters) {
  TWidget widget;
  TWidget handler;
  const TMethodCode* click = handler.MethodAddress("handleclick");
  ASSERT_NE(click, nullptr);
  EXPECT_EQ(handler.MethodName(click), "HandleClick");
  EXPECT_EQ(handler.MethodAddress("NoSuchMethod"), nullptr);
  EXPECT_EQ(handler.MethodName(nullptr), "");

  SetMethodProp(&widget, "OnClick", TMethod{click, &handler});
  ASSERT_TRUE(widget.FOnClick);
  widget.FOnClick(&widget);
  EXPECT_EQ(handler.Clicks, 1);
  EXPECT_EQ(GetMethodProp(&widget, "OnClick"), (TMethod{click, &handler}));
  EXPECT_TRUE(widget.FOnClick == TNotifyEvent(MakeMethod<&TWidget::HandleClick>(&handler)));
  EXPECT_FALSE(widget.FOnClick == TNotifyEvent(MakeMethod<&TWidget::HandleClick>(&widget)));

  // A handler with other parameters does not fit the event.
  const TMethodCode* count = handler.MethodAddress("HandleCount");
  EXPECT_THROW(SetMethodProp(&widget, "OnClick", TMethod{count, &handler}), EPropertyError);
  EXPECT_THROW(TNotifyEvent(TMethod{count, &handler}), EInvalidCast);
  SetMethodProp(&widget, "OnCount", TMethod{count, &handler});
  int total = 5;
  widget.FOnCount(&widget, total);
  EXPECT_EQ(total, 15);

  SetMethodProp(&widget, "OnClick", TMethod{});
  EXPECT_FALSE(widget.FOnClick);
}

TEST(ClassReferenceTest, ClassesKnowTheirNamesAncestorsAndCreateInstances) {
  TClass widgetClass = TWidget::StaticClass();
  EXPECT_EQ(widgetClass->ClassName(), "TWidget");
  EXPECT_EQ(widgetClass->ClassParent(), TGadget::StaticClass());
  EXPECT_TRUE(widgetClass->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_FALSE(TGadget::StaticClass()->InheritsFrom(widgetClass));
  EXPECT_EQ(widgetClass->GetModule(), &ThisModule());
  EXPECT_EQ(TComponent::StaticClass()->GetModule()->GetName(), "framework");

  TObject* made = widgetClass->CreateInstance();
  EXPECT_EQ(made->ClassType(), widgetClass);
  EXPECT_EQ(made->ClassName(), "TWidget");
  EXPECT_TRUE(made->Is<TGadget>());
  made->Free();

  TComponent owner(nullptr);
  TComponent* owned = TComponent::StaticClass()->Create<TComponent>(&owner);
  EXPECT_EQ(owned->GetOwner(), &owner);
  EXPECT_THROW(TAbstractThing::StaticClass()->CreateInstance(&owner), EInvalidOperation);
  EXPECT_TRUE(TAbstractThing::StaticClass()->IsAbstract());
  EXPECT_THROW(widgetClass->Create<TComponent>(nullptr), EInvalidCast);
}

TEST(ClassReferenceTest, RegistryFindsClassesByNameInAnyCase) {
  RegisterClass(TWidget::StaticClass());
  RegisterClass(TWidget::StaticClass());  // again: nothing happens
  EXPECT_EQ(GetClass("twidget"), TWidget::StaticClass());
  EXPECT_EQ(FindClass("TWidget"), TWidget::StaticClass());
  UnRegisterClass(TWidget::StaticClass());
  EXPECT_EQ(GetClass("TWidget"), nullptr);
  try {
    FindClass("TWidget");
    ADD_FAILURE();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.GetMessage(), "Class TWidget not found");
  }
}
