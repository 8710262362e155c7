#pragma once

// Components for the tests of collections, inherited and inline forms and child positions.
// The forms TBaseForm, TDerivedForm and TTestFrame have stored forms in the test module
// (tests/data/forms/BaseForm.txt, DerivedForm.bin, TestFrame.txt).

#include <string>
#include <vector>

#include "core/Collection.h"
#include "framework/streaming/StreamingFixtures.h"

namespace FormFixtures {

using StreamingFixtures::TAlignment;
using StreamingFixtures::TTestPanel;
using StreamingFixtures::TTestForm;
using StreamingFixtures::TWidget;

// An item of a column's nested collection.
class TPart : public TCollectionItem {
  DECLARE_CLASS(TPart, TCollectionItem);

 public:
  TPart() = default;
  void Assign(TPersistent* source) override;
  std::string Text;
  int32_t Size = 1;
};

// A collection item with a property of each kind that needs care: a reference, an event, a
// nested collection and a defined property.
class TColumn : public TCollectionItem {
  DECLARE_CLASS(TColumn, TCollectionItem);

 public:
  TColumn() = default;
  void Assign(TPersistent* source) override;
  std::string GetDisplayName() const override { return Caption.empty() ? "(column)" : Caption; }
  TOwnedCollection* GetParts() { return &FParts; }
  void SetParts(TOwnedCollection* value) { FParts.Assign(value); }

  std::string Caption;
  int32_t Width = 50;
  TAlignment Align = StreamingFixtures::taLeftJustify;
  TWidget* Link = nullptr;
  TNotifyEvent OnClick;
  std::vector<int> Stops;

 protected:
  void DefineProperties(TFiler* filer) override;

 private:
  TOwnedCollection FParts{this, TPart::StaticClass()};
};

// The collection a grid publishes; it counts its updates.
class TColumns : public TOwnedCollection {
  DECLARE_CLASS(TColumns, TOwnedCollection);

 public:
  using TOwnedCollection::TOwnedCollection;
  int Updates = 0;
  std::vector<std::string> Log;

 protected:
  void Update(TCollectionItem* item) override;
  void Notify(TCollectionItem* item, TCollectionNotification action) override;
};

// A widget that publishes a collection.
class TGrid : public TWidget {
  DECLARE_CLASS(TGrid, TWidget);

 public:
  explicit TGrid(TComponent* owner) : TWidget(owner) {}
  TColumns* GetColumns() { return &FColumns; }
  void SetColumns(TColumns* value) { FColumns.Assign(value); }
  TColumn* Column(int index) { return static_cast<TColumn*>(FColumns.GetItem(index)); }

 private:
  TColumns FColumns{this, TColumn::StaticClass()};
};

// A frame: a panel that is the root of its own stored form.
class TTestFrame : public TTestPanel {
  DECLARE_CLASS(TTestFrame, TTestPanel);

 public:
  using TTestPanel::TTestPanel;
  void FrameClick(TObject* sender) { ++FrameClicks; }
  int FrameClicks = 0;
};

// A form with a stored form, and one that inherits it.
class TBaseForm : public TTestForm {
  DECLARE_CLASS(TBaseForm, TTestForm);

 public:
  using TTestForm::TTestForm;
  void BaseClick(TObject* sender) { ++BaseClicks; }
  int BaseClicks = 0;
};

class TDerivedForm : public TBaseForm {
  DECLARE_CLASS(TDerivedForm, TBaseForm);

 public:
  using TBaseForm::TBaseForm;
  void DerivedClick(TObject* sender) {}
};

// A widget whose constructor, setter and Loaded fail on request, with exceptions of any kind.
class TFaultyWidget : public TWidget {
  DECLARE_CLASS(TFaultyWidget, TWidget);

 public:
  explicit TFaultyWidget(TComponent* owner);
  // Makes the constructor raise a std::bad_alloc.
  static inline bool FailConstruction = false;
  int32_t GetFault() const { return FFault; }
  // 1 raises a std::runtime_error, 2 an int, 3 an EConvertError; others are stored.
  void SetFault(int32_t value);
  bool FailLoaded = false;

 protected:
  void Loaded() override;

 private:
  int32_t FFault = 0;
};

void RegisterFormFixtures();

// The children of component as a form file lists them, by name.
std::vector<std::string> ChildNames(TComponent* component, TComponent* root);

}  // namespace FormFixtures
