#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "InspectTestComponents.h"
#include "designintf/ComponentList.h"
#include "designintf/PropertyEditor.h"
#include "oinspect/ObjectInspector.h"

namespace InspectorTest {

// Handlers for the inspector's events: they record each call as a line and do what the test
// asks of them.
class TInspectorEvents : public TObject {
  DECLARE_CLASS(TInspectorEvents, TObject);

 public:
  TInspectorEvents() = default;

  void ShowProperty(TObject* sender, const std::string& name, TComponentList* clist, bool& show);
  void GetPropEdit(TObject* sender, const std::string& name,
                   std::unique_ptr<TPropertyEditor>& editor);
  void ComponentChanged(TObject* sender);
  void ChangeValue(TObject* sender, TComponentList* clist, const std::string& name,
                   std::string& value);
  void ChangedValue(TObject* sender, TComponentList* clist, const std::string& name,
                    std::string& value);

  std::vector<std::string> Lines;
  // ShowProperty hides these.
  std::set<std::string> Hidden;
  // Called by the handler of that event, with the property's name where it has one.
  std::function<void(const std::string&)> OnShow;
  std::function<void(const std::string&, std::unique_ptr<TPropertyEditor>&)> OnGetPropEdit;
  std::function<void()> OnComponentChanged;
  std::function<void(std::string&)> OnChange;
};

// A form with an object inspector of 300 x 200 pixels (client area 296 x 196) at its top-left
// corner, and the events object; gadgets for the tests are made on the form.
class TInspectorFixture : public ControlTest::TFixture {
 public:
  TInspectorFixture();
  ~TInspectorFixture();

  TGadget* NewGadget(const char* name);
  // The display names of the rows, in order; empty when the inspector is empty.
  std::vector<std::string> RowNames() const;
  // The row showing property name; fails the test (throws) when there is none.
  TInfoRec* Row(const std::string& name) const;
  int32_t RowIndex(const std::string& name) const;
  // Selects the components given, in order.
  void Select(std::initializer_list<TComponent*> components);
  // Counts the lines of events that begin with prefix.
  int Count(const std::string& prefix) const;
  // Turns aliases and groups off (a run-time inspector starts with both on), so that the rows
  // are the properties alone.
  void Ungroup();
  // The levels of the rows, in order.
  std::vector<int32_t> RowLevels() const;
  // The screen point x pixels into a cell (its middle when x is -1), halfway down.
  TPoint CellPoint(int32_t col, int32_t row, int x = -1) const;
  // Clicks a cell as a user would, after a pause long enough not to make a double click; a row
  // out of sight is scrolled into view first.
  void ClickCell(int32_t col, int32_t row, int x = -1);

  TForm* Form;
  TObjectInspector* Inspector;
  TInspectorEvents* Events;
};

}  // namespace InspectorTest
