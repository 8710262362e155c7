#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "rtti/DefaultCheck.h"
#include "rtti/RuntimeAccess.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace {
// The C++ side of data-driven objects: values by property name.
class TDataObject : public TComponent {
  DECLARE_CLASS(TDataObject, TComponent);

 public:
  using TComponent::TComponent;
  std::map<std::string, int64_t> Numbers;
  std::map<std::string, std::string> Texts;
};

// An instance of a run-time class of data objects: it reports that class.
class TDataInstance final : public TDataObject {
 public:
  TDataInstance(TComponent* owner, TClass dataClass) : TDataObject(owner), FDataClass(dataClass) {}
  TClass ClassType() const override { return FDataClass; }

 private:
  TClass FDataClass;
};

enum TSize : uint8_t { szSmall, szLarge };
PUBLISHED_ENUM(TSize, szSmall, szLarge)

// A run-time class of data objects: a text, a number, an enumeration and a read-only count.
class DataClassTest : public ::testing::Test {
 protected:
  DataClassTest() {
    TClassBuilder<TDataObject> builder(Customer);
    builder.RuntimeProperty("Title", TypeInfo<std::string>(), TextAccess("Title"));
    builder.RuntimeProperty("Credit", TypeInfo<int32_t>(), NumberAccess("Credit")).Default(100);
    builder.RuntimeProperty("Size", TypeInfo<TSize>(), NumberAccess("Size")).Default(szSmall);
    builder.RuntimeProperty("Orders", TypeInfo<int32_t>(),
                            MakeRuntimeAccess<int64_t>([](TObject*) -> int64_t { return 7; }));
  }

  static std::unique_ptr<TPropAccess> NumberAccess(const std::string& name) {
    return MakeRuntimeAccess<int64_t>(
        [name](TObject* object) {
          auto& numbers = static_cast<TDataObject*>(object)->Numbers;
          return numbers.count(name) ? numbers.at(name) : name == "Credit" ? 100 : 0;
        },
        [name](TObject* object, const int64_t& value) {
          static_cast<TDataObject*>(object)->Numbers[name] = value;
        });
  }
  static std::unique_ptr<TPropAccess> TextAccess(const std::string& name) {
    return MakeRuntimeAccess<std::string>(
        [name](TObject* object) { return static_cast<TDataObject*>(object)->Texts[name]; },
        [name](TObject* object, const std::string& value) {
          static_cast<TDataObject*>(object)->Texts[name] = value;
        });
  }

  TMetaClass Customer{
      "TCustomer", TDataObject::StaticClass(),
      [this](TComponent* owner) -> TObject* { return new TDataInstance(owner, &Customer); }};
};
}  // namespace

IMPLEMENT_CLASS(TDataObject) {}

TEST_F(DataClassTest, RunTimePropertiesWorkLikePublishedOnes) {
  auto* customer = Customer.Create<TDataObject>(nullptr);
  EXPECT_EQ(customer->ClassType(), &Customer);
  EXPECT_TRUE(customer->InheritsFrom(TComponent::StaticClass()));
  EXPECT_EQ(customer->ClassName(), "TCustomer");
  // Inherited properties first, then the class's own in the order published.
  std::vector<std::string> names;
  for (PPropInfo info : GetPropList(customer))
    names.push_back(info->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Title", "Credit", "Size", "Orders"}));
  SetStrProp(customer, "title", "Ms Smith");
  EXPECT_EQ(customer->Texts["Title"], "Ms Smith");
  SetEnumProp(customer, GetPropInfo(customer, "Size"), "szLarge");
  EXPECT_EQ(customer->Numbers["Size"], szLarge);
  EXPECT_THROW(SetOrdProp(customer, "Size", 5), EPropertyError);
  EXPECT_EQ(GetOrdProp(customer, "Orders"), 7);
  EXPECT_FALSE(GetPropInfo(customer, "Orders")->IsWritable());
  EXPECT_THROW(SetOrdProp(customer, "Orders", 1), EPropertyError);
  EXPECT_THROW(GetFloatProp(customer, "Credit"), EPropertyError);
  EXPECT_TRUE(FindDefaultMismatches(&Customer).empty());
  customer->Free();
}

TEST_F(DataClassTest, DataObjectsTravelThroughFormFiles) {
  RegisterClass(&Customer);
  auto* customer = Customer.Create<TDataObject>(nullptr);
  customer->SetName("Customer1");
  SetStrProp(customer, "Title", "Dr Jones");
  SetOrdProp(customer, "Size", szLarge);
  TWriter writer;
  writer.WriteRootComponent(customer);
  EXPECT_EQ(writer.GetText(),
            "object Customer1: TCustomer\n  Title = 'Dr Jones'\n  Size = szLarge\nend\n");
  customer->Free();
  auto* copy = dynamic_cast<TDataObject*>(TReader(writer.GetBinary()).ReadRootComponent(nullptr));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ClassType(), &Customer);
  EXPECT_EQ(copy->Texts["Title"], "Dr Jones");
  EXPECT_EQ(copy->Numbers["Size"], szLarge);
  copy->Free();
  UnRegisterClass(&Customer);
}

TEST_F(DataClassTest, PublishingChecksNamesTypesAndDefaults) {
  TClassBuilder<TDataObject> builder(Customer);
  EXPECT_THROW(builder.RuntimeProperty("1st", TypeInfo<int32_t>(), NumberAccess("x")),
               EPropertyError);
  EXPECT_THROW(builder.RuntimeProperty("Ok", nullptr, NumberAccess("x")), EPropertyError);
  EXPECT_THROW(builder.RuntimeProperty("Ok", TypeInfo<int32_t>(), nullptr), EPropertyError);
  EXPECT_THROW(
      builder.RuntimeProperty("Note", TypeInfo<std::string>(), TextAccess("Note")).Default(1),
      EPropertyError);
  // Publishing a name again, in any letter case, replaces the property in its place.
  builder.RuntimeProperty("CREDIT", TypeInfo<int32_t>(), NumberAccess("Credit"));
  EXPECT_EQ(Customer.GetProperties()[3]->GetName(), "CREDIT");
  EXPECT_EQ(Customer.FindProperty("credit"), Customer.GetProperties()[3]);
  EXPECT_FALSE(Customer.FindProperty("Credit")->HasDefault());
}

TEST(ClassModelTest, TheNameIndexFindsEveryPropertyOfALargeClassInAnyCase) {
  TMetaClass big("TBig", TComponent::StaticClass(), nullptr);
  TClassBuilder<TComponent> builder(big);
  for (int i = 0; i < 5000; ++i)
    builder.RuntimeProperty("Prop" + std::to_string(i), TypeInfo<int32_t>(),
                            MakeRuntimeAccess<int64_t>([i](TObject*) -> int64_t { return i; }));
  ASSERT_EQ(big.GetProperties().size(), 5002u);
  for (int i = 0; i < 5000; i += 7) {
    PPropInfo info = big.FindProperty("PROP" + std::to_string(i));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info, big.GetProperties()[static_cast<size_t>(i) + 2]);
  }
  EXPECT_EQ(big.FindProperty("Prop5000"), nullptr);
  EXPECT_EQ(big.FindProperty("tag"), TComponent::StaticClass()->FindProperty("Tag"));
  EXPECT_TRUE(big.IsAbstract());
  EXPECT_THROW(big.CreateInstance(nullptr), EInvalidOperation);
}

TEST(ClassModelTest, ModulesListTheClassesTheyDefineFromTheStart) {
  const auto& own = ThisModule().GetClasses();
  EXPECT_NE(std::find(own.begin(), own.end(), TDataObject::StaticClass()), own.end());
  const TModule* framework = TComponent::StaticClass()->GetModule();
  ASSERT_NE(framework, nullptr);
  EXPECT_NE(framework, &ThisModule());
  const auto& classes = framework->GetClasses();
  for (TClass aClass : {TObject::StaticClass(), TComponent::StaticClass(), TReader::StaticClass()})
    EXPECT_EQ(std::count(classes.begin(), classes.end(), aClass), 1) << aClass->ClassName();
  EXPECT_EQ(std::find(classes.begin(), classes.end(), TDataObject::StaticClass()), classes.end());
}

// The framework's and the tests' classes: each declared default is what a new instance holds.
TEST(ClassModelTest, EveryDeclaredDefaultMatchesAFreshInstance) {
  std::vector<std::string> mismatches;
  size_t checked = 0;
  for (const TModule* module : TModule::GetModules()) {
    for (TClass aClass : module->GetClasses()) {
      for (std::string& line : FindDefaultMismatches(aClass))
        mismatches.push_back(std::move(line));
      ++checked;
    }
  }
  EXPECT_GT(checked, 50u);
  EXPECT_EQ(mismatches, std::vector<std::string>{});
}

namespace {
// A component class whose constructor disagrees with two declared defaults. Its class is built
// at run time, so that the module's class list, which the check above walks, does not hold it.
class TPlainWidget : public TComponent {
 public:
  TPlainWidget(TComponent* owner, TClass plainClass) : TComponent(owner), FClass(plainClass) {}
  TClass ClassType() const override { return FClass; }
  int32_t Width = 80;
  bool Visible = true;
  int32_t Height = 20;

 private:
  TClass FClass;
};
}  // namespace

TEST(ClassModelTest, ADefaultThatTheConstructorDoesNotSetIsFound) {
  TMetaClass plain("TPlainWidget", TComponent::StaticClass(),
                   [&plain](TComponent* owner) { return new TPlainWidget(owner, &plain); });
  TClassBuilder<TPlainWidget> builder(plain);
  builder.Property("Width", &TPlainWidget::Width, &TPlainWidget::Width).Default(75);
  builder.Property("Visible", &TPlainWidget::Visible, &TPlainWidget::Visible).Default(false);
  builder.Property("Height", &TPlainWidget::Height, &TPlainWidget::Height).Default(20);
  EXPECT_EQ(FindDefaultMismatches(&plain),
            (std::vector<std::string>{"TPlainWidget.Width: declared 75, constructed 80",
                                      "TPlainWidget.Visible: declared 0, constructed 1"}));
  TMetaClass abstract("TAbstractPlain", TComponent::StaticClass(), nullptr);
  TClassBuilder<TPlainWidget>(abstract)
      .Property("Width", &TPlainWidget::Width, &TPlainWidget::Width)
      .Default(75);
  EXPECT_TRUE(FindDefaultMismatches(&abstract).empty()) << "an abstract class is not checked";
}
