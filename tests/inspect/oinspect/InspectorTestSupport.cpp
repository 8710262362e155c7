#include "InspectorTestSupport.h"

#include <stdexcept>

#include "core/Module.h"

namespace InspectorTest {

IMPLEMENT_CLASS(TInspectorEvents) {}

void TInspectorEvents::ShowProperty(TObject*, const std::string& name, TComponentList*,
                                    bool& show) {
  Lines.push_back("Show " + name);
  if (OnShow) OnShow(name);
  if (Hidden.count(name)) show = false;
}

void TInspectorEvents::GetPropEdit(TObject*, const std::string& name,
                                   std::unique_ptr<TPropertyEditor>& editor) {
  Lines.push_back("GetPropEdit " + name);
  if (OnGetPropEdit) OnGetPropEdit(name, editor);
}

void TInspectorEvents::ComponentChanged(TObject*) {
  Lines.push_back("ComponentChanged");
  if (OnComponentChanged) OnComponentChanged();
}

void TInspectorEvents::ChangeValue(TObject*, TComponentList* clist, const std::string& name,
                                   std::string& value) {
  Lines.push_back("Change " + name + "=" + value + " of " + std::to_string(clist->GetCount()));
  if (OnChange) OnChange(value);
}

void TInspectorEvents::ChangedValue(TObject*, TComponentList* clist, const std::string& name,
                                    std::string& value) {
  Lines.push_back("Changed " + name + "=" + value + " of " + std::to_string(clist->GetCount()));
}

TInspectorFixture::TInspectorFixture() : Events(new TInspectorEvents()) {
  Form = NewForm(0, 0, 400, 300);
  Form->SetName("GadgetForm");
  Inspector = new TObjectInspector(Form);
  Inspector->SetName("Inspector");
  Inspector->SetBounds(0, 0, 300, 200);
  Driver.ProcessMessages();
}

TInspectorFixture::~TInspectorFixture() {
  Events->Free();
}

TGadget* TInspectorFixture::NewGadget(const char* name) {
  auto* gadget = new TGadget(Form);
  gadget->SetName(name);
  return gadget;
}

std::vector<std::string> TInspectorFixture::RowNames() const {
  std::vector<std::string> names;
  if (Inspector->IsEmpty()) return names;
  for (int32_t i = 0; i < Inspector->GetInfoRecCount(); ++i)
    names.push_back(Inspector->GetInfoRec(i)->DisplayName);
  return names;
}

int32_t TInspectorFixture::RowIndex(const std::string& name) const {
  for (int32_t i = 0; i < Inspector->GetInfoRecCount(); ++i)
    if (Inspector->GetInfoRec(i)->DisplayName == name) return i;
  return -1;
}

TInfoRec* TInspectorFixture::Row(const std::string& name) const {
  const int32_t index = RowIndex(name);
  if (index < 0) throw std::runtime_error("no row " + name);
  return Inspector->GetInfoRec(index);
}

void TInspectorFixture::Select(std::initializer_list<TComponent*> components) {
  TComponentList list;
  for (TComponent* component : components)
    list.Add(component);
  Inspector->SetControls(&list);
}

int TInspectorFixture::Count(const std::string& prefix) const {
  int count = 0;
  for (const std::string& line : Events->Lines)
    if (line.rfind(prefix, 0) == 0) ++count;
  return count;
}

void TInspectorFixture::Ungroup() {
  Inspector->SetGridOptions(Inspector->GetOptions() - TOIOptions{oiUseAliases, oiUseGroups});
}

std::vector<int32_t> TInspectorFixture::RowLevels() const {
  std::vector<int32_t> levels;
  for (int32_t i = 0; i < Inspector->GetInfoRecCount(); ++i)
    levels.push_back(Inspector->GetInfoRec(i)->Level);
  return levels;
}

TPoint TInspectorFixture::CellPoint(int32_t col, int32_t row, int x) const {
  const TRect cell = Inspector->CellRect(col, row);
  const int left = x < 0 ? (cell.Left + cell.Right) / 2 : cell.Left + x;
  return Inspector->ClientToScreen({left, (cell.Top + cell.Bottom) / 2});
}

void TInspectorFixture::ClickCell(int32_t col, int32_t row, int x) {
  // A row out of sight is scrolled to the top first.
  if (Inspector->CellRect(col, row).Bottom == 0) Inspector->SetTopRow(row);
  Driver.AdvanceClock(2000);
  const TPoint point = CellPoint(col, row, x);
  Driver.Click(point.X, point.Y);
}

}  // namespace InspectorTest
