#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TestDesigner.h"
#include "core/Collection.h"
#include "core/Component.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"
#include "designintf/PropertyEditor.h"

namespace {
class TBand : public TCollectionItem {
  DECLARE_CLASS(TBand, TCollectionItem);

 public:
  TBand() = default;
  int32_t Height = 10;
};

class TBands : public TOwnedCollection {
  DECLARE_CLASS(TBands, TOwnedCollection);

 public:
  using TOwnedCollection::TOwnedCollection;
};

// Publishes a collection with a setter, one without, and a read-only number.
class TReport : public TComponent {
  DECLARE_CLASS(TReport, TComponent);

 public:
  using TComponent::TComponent;
  TBands* GetBands() { return &FBands; }
  void SetBands(TBands* value) { FBands.Assign(value); }
  TBands* GetGroups() { return &FGroups; }
  int32_t GetPages() const { return 3; }
  int32_t Copies = 1;

 private:
  TBands FBands{this, TBand::StaticClass()};
  TBands FGroups{this, TBand::StaticClass()};
};

// Shares Copies with a report, but as text.
class TPrinter : public TComponent {
  DECLARE_CLASS(TPrinter, TComponent);

 public:
  using TComponent::TComponent;
  std::string Copies;
};

std::map<std::string, std::unique_ptr<TPropertyEditor>> Editors(
    const std::vector<TComponent*>& components, TFormDesigner* designer) {
  TComponentList list;
  for (TComponent* component : components)
    list.Add(component);
  std::map<std::string, std::unique_ptr<TPropertyEditor>> editors;
  GetComponentProperties(list, tkProperties, designer,
                         [&](std::unique_ptr<TPropertyEditor> editor) {
                           editors[editor->GetName()] = std::move(editor);
                         });
  return editors;
}
}  // namespace

IMPLEMENT_CLASS(TBand) {
  PROPERTY(Height, Height, Height).Default(10);
}
IMPLEMENT_CLASS(TBands) {}
IMPLEMENT_CLASS(TReport) {
  PROPERTY(Bands, GetBands, SetBands);
  PROPERTY_READ(Groups, GetGroups);
  PROPERTY_READ(Pages, GetPages);
  PROPERTY(Copies, Copies, Copies).Default(1);
}
IMPLEMENT_CLASS(TPrinter) {
  PROPERTY(Copies, Copies, Copies);
}

TEST(CollectionPropertyTest, ACollectionIsARowWithADialogAndNoSubProperties) {
  TComponent form(nullptr);
  auto* report = new TReport(&form);
  report->GetBands()->Add();
  TTestDesigner designer(&form);
  auto editors = Editors({report}, &designer);
  ASSERT_TRUE(editors.count("Bands"));
  TPropertyEditor& bands = *editors.at("Bands");
  EXPECT_EQ(bands.ClassName(), "TCollectionProperty");
  EXPECT_EQ(bands.GetValue(), "(TBands)");
  EXPECT_EQ(bands.GetAttributes(), (TPropertyAttributes{paDialog, paReadOnly}));
  std::vector<std::unique_ptr<TPropertyEditor>> subs;
  bands.GetProperties(
      [&](std::unique_ptr<TPropertyEditor> sub) { subs.push_back(std::move(sub)); });
  EXPECT_TRUE(subs.empty());
  // Without a setter the collection's items can still be edited in the dialog; a read-only
  // number cannot be edited at all.
  EXPECT_TRUE(editors.count("Groups"));
  EXPECT_FALSE(editors.count("Pages"));
  // Several components' collections are not edited together.
  auto* other = new TReport(&form);
  auto shared = Editors({report, other}, &designer);
  EXPECT_FALSE(shared.count("Bands"));
  EXPECT_TRUE(shared.count("Copies"));
}

TEST(CollectionPropertyTest, ManyComponentsOfOneClassShareEveryEditorInSelectionOrder) {
  TComponent form(nullptr);
  std::vector<TComponent*> reports;
  for (int i = 0; i < 500; ++i)
    reports.push_back(new TReport(&form));
  TTestDesigner designer(&form);
  auto editors = Editors(reports, &designer);
  ASSERT_TRUE(editors.count("Copies"));
  TPropertyEditor& copies = *editors.at("Copies");
  ASSERT_EQ(copies.GetPropCount(), 500);
  for (int i = 0; i < 500; ++i)
    ASSERT_EQ(copies.GetComponent(i), reports[static_cast<size_t>(i)]);
  copies.SetValue("4");
  for (TComponent* report : reports)
    ASSERT_EQ(static_cast<TReport*>(report)->Copies, 4);
  // One component of another class whose Copies has another type leaves it out.
  reports.push_back(new TPrinter(&form));
  EXPECT_FALSE(Editors(reports, &designer).count("Copies"));
  EXPECT_TRUE(Editors(reports, &designer).count("Tag"));
}
