#include "designintf/PropertyEditor.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/Component.h"
#include "core/Exception.h"
#include "core/List.h"
#include "core/Module.h"
#include "core/Persistent.h"
#include "core/SysUtils.h"
#include "designintf/FormDesigner.h"
#include "rtti/PropInfo.h"

IMPLEMENT_CLASS(TPropertyEditor) {}

namespace {
int64_t ReadOrd(const TInstProp& prop) {
  return GetOrdProp(prop.Instance, prop.PropInfo);
}
void WriteOrd(const TInstProp& prop, int64_t value) {
  SetOrdProp(prop.Instance, prop.PropInfo, value);
}
double ReadFloat(const TInstProp& prop) {
  return GetFloatProp(prop.Instance, prop.PropInfo);
}
void WriteFloat(const TInstProp& prop, double value) {
  SetFloatProp(prop.Instance, prop.PropInfo, value);
}
std::string ReadStr(const TInstProp& prop) {
  return GetStrProp(prop.Instance, prop.PropInfo);
}
void WriteStr(const TInstProp& prop, const std::string& value) {
  SetStrProp(prop.Instance, prop.PropInfo, value);
}
TObject* ReadObject(const TInstProp& prop) {
  return GetObjectProp(prop.Instance, prop.PropInfo);
}
void WriteObject(const TInstProp& prop, TObject* value) {
  SetObjectProp(prop.Instance, prop.PropInfo, value);
}
TMethod ReadMethod(const TInstProp& prop) {
  return GetMethodProp(prop.Instance, prop.PropInfo);
}
void WriteMethod(const TInstProp& prop, const TMethod& value) {
  SetMethodProp(prop.Instance, prop.PropInfo, value);
}

// Learns which of the components being written are destroyed meanwhile: a setter may free its
// own component or another one of the selection.
class TWriteWatch : public TComponent {
  DECLARE_CLASS(TWriteWatch, TComponent);

 public:
  explicit TWriteWatch(const TInstPropList& props) : TComponent(nullptr) {
    for (const TInstProp& prop : props)
      if (auto* component = dynamic_cast<TComponent*>(prop.Instance)) FreeNotification(component);
  }
  bool Destroyed(const TPersistent* instance) const {
    return std::find(FDestroyed.begin(), FDestroyed.end(), instance) != FDestroyed.end();
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove) FDestroyed.push_back(component);
  }

 private:
  std::vector<const TPersistent*> FDestroyed;
};

// Writes newValue(i) to each object i in turn. When a write fails, every object written so far
// gets its previous value back (errors while restoring are dropped) and the failure propagates.
// Objects destroyed by an earlier write are left alone.
template <typename Read, typename Write, typename NewValue>
void WriteEach(const TInstPropList& props, Read read, Write write, NewValue newValue) {
  using Value = decltype(read(props.front()));
  std::vector<Value> previous;
  previous.reserve(props.size());
  // A single object's write cannot reach another one.
  std::optional<TWriteWatch> watch;
  if (props.size() > 1) watch.emplace(props);
  auto alive = [&](size_t i) { return !watch || !watch->Destroyed(props[i].Instance); };
  try {
    for (size_t i = 0; i < props.size(); ++i) {
      previous.push_back(alive(i) ? read(props[i]) : Value{});
      if (alive(i)) write(props[i], newValue(i));
    }
  } catch (...) {
    for (size_t i = previous.size(); i-- > 0;) {
      try {
        if (alive(i)) write(props[i], previous[i]);
      } catch (...) {
      }
    }
    throw;
  }
}
}  // namespace

IMPLEMENT_CLASS(TWriteWatch) {}

std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TClass editorClass, TFormDesigner* designer,
                                                      TInstPropList propList) {
  if (!editorClass) throw EInvalidCast("No property editor class given");
  if (propList.empty())
    throw EPropertyError(
        Format("A %s needs at least one property to edit", editorClass->ClassName()));
  std::unique_ptr<TPropertyEditor> editor(editorClass->Create<TPropertyEditor>());
  editor->Bind(designer, std::move(propList));
  editor->Initialize();
  return editor;
}

void TPropertyEditor::Bind(TFormDesigner* designer, TInstPropList propList) {
  FDesigner = designer;
  FPropList = std::move(propList);
}

void TPropertyEditor::Activate() {}

bool TPropertyEditor::AllEqual() {
  for (int i = 1; i < GetPropCount(); ++i)
    if (!SameValues(0, i)) return false;
  return true;
}

void TPropertyEditor::Edit() {
  if (!GetAttributes().Contains(paValueList)) return;
  std::vector<std::string> values;
  GetValues([&values](const std::string& value) { values.push_back(value); });
  if (values.empty()) return;
  const std::string current = GetValue();
  size_t next = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    if (SameText(values[i], current)) {
      next = (i + 1) % values.size();
      break;
    }
  }
  SetValue(values[next]);
}

TPropertyAttributes TPropertyEditor::GetAttributes() {
  return {paMultiSelect, paRevertable};
}

int TPropertyEditor::GetEditLimit() {
  return 255;
}

std::string TPropertyEditor::GetName() {
  return GetPropInfo()->GetName();
}

void TPropertyEditor::GetProperties(const TGetPropEditProc&) {}

std::string TPropertyEditor::GetValue() {
  return "(unknown)";
}

void TPropertyEditor::GetValues(const TGetStrProc&) {}

void TPropertyEditor::Initialize() {}

void TPropertyEditor::SetValue(const std::string&) {
  throw EPropertyError(Format("Property %s cannot be set from text", GetName()));
}

bool TPropertyEditor::ValueAvailable() {
  for (const TInstProp& prop : FPropList)
    if (!prop.Instance || !prop.Instance->InheritsFrom(prop.PropInfo->GetOwnerClass()))
      return false;
  // A getter may raise anything (a standard exception, a component's own type); none of it
  // must escape into the row building that asks.
  try {
    GetValue();
    for (int i = 1; i < GetPropCount(); ++i)
      RawValueAt(i);
    return true;
  } catch (...) {
    return false;
  }
}

TPersistent* TPropertyEditor::GetComponent(int index) const {
  return InstPropAt(index).Instance;
}

PTypeInfo TPropertyEditor::GetPropType() const {
  return GetPropInfo()->GetPropType();
}

void TPropertyEditor::Revert() {
  if (!FDesigner) return;
  for (const TInstProp& prop : FPropList)
    FDesigner->Revert(prop.Instance, prop.PropInfo);
}

void TPropertyEditor::Modified() {
  if (FDesigner) FDesigner->Modified();
}

std::optional<TPropertyEditor::TRawValue> TPropertyEditor::RawValueAt(int index) const {
  switch (GetPropType()->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
      return GetOrdValueAt(index);
    case tkFloat:
      return GetFloatValueAt(index);
    case tkString:
    case tkLString:
    case tkWString:
      return GetStrValueAt(index);
    case tkClass:
      return GetObjectValueAt(index);
    case tkMethod:
      return GetMethodValueAt(index);
    default:
      return std::nullopt;
  }
}

bool TPropertyEditor::SameValues(int index1, int index2) const {
  const std::optional<TRawValue> first = RawValueAt(index1);
  return first && first == RawValueAt(index2);
}

const TInstProp& TPropertyEditor::InstPropAt(int index) const {
  if (index < 0 || index >= GetPropCount()) RaiseListIndexError(index);
  return FPropList[static_cast<size_t>(index)];
}

int64_t TPropertyEditor::GetOrdValueAt(int index) const {
  return ReadOrd(InstPropAt(index));
}

void TPropertyEditor::SetOrdValue(int64_t value) {
  SetOrdValues(std::vector<int64_t>(FPropList.size(), value));
}

void TPropertyEditor::SetOrdValues(const std::vector<int64_t>& values) {
  if (values.size() != FPropList.size())
    throw EPropertyError(
        Format("%d values given for %d objects", static_cast<int>(values.size()), GetPropCount()));
  WriteEach(FPropList, ReadOrd, WriteOrd, [&values](size_t i) { return values[i]; });
  Modified();
}

double TPropertyEditor::GetFloatValueAt(int index) const {
  return ReadFloat(InstPropAt(index));
}

void TPropertyEditor::SetFloatValue(double value) {
  WriteEach(FPropList, ReadFloat, WriteFloat, [value](size_t) { return value; });
  Modified();
}

std::string TPropertyEditor::GetStrValueAt(int index) const {
  return ReadStr(InstPropAt(index));
}

void TPropertyEditor::SetStrValue(const std::string& value) {
  WriteEach(FPropList, ReadStr, WriteStr, [&value](size_t) { return value; });
  Modified();
}

TObject* TPropertyEditor::GetObjectValueAt(int index) const {
  return ReadObject(InstPropAt(index));
}

void TPropertyEditor::SetObjectValue(TObject* value) {
  WriteEach(FPropList, ReadObject, WriteObject, [value](size_t) { return value; });
  Modified();
}

TMethod TPropertyEditor::GetMethodValueAt(int index) const {
  return ReadMethod(InstPropAt(index));
}

void TPropertyEditor::SetMethodValue(const TMethod& value) {
  WriteEach(FPropList, ReadMethod, WriteMethod, [&value](size_t) { return value; });
  Modified();
}
