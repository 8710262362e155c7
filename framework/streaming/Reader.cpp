#include "streaming/Reader.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "rtti/IdentMap.h"
#include "streaming/FormParser.h"
#include "streaming/MemoryStream.h"

IMPLEMENT_CLASS(TReader) {}

namespace {
TReader::TFindGlobalComponent GlobalLookup = nullptr;

// Hears of the destruction of the components being read, so that the reader never touches
// one that a setter or a Loaded handler freed.
class TComponentWatch : public TComponent {
 public:
  explicit TComponentWatch(std::function<void(TComponent*)> onRemove)
      : TComponent(nullptr), FOnRemove(std::move(onRemove)) {}

  void Watch(TComponent* component) { FreeNotification(component); }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove) FOnRemove(component);
  }

 private:
  std::function<void(TComponent*)> FOnRemove;
};

std::vector<std::string> SplitDotted(const std::string& name) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t dot; (dot = name.find('.', start)) != std::string::npos; start = dot + 1)
    parts.push_back(name.substr(start, dot - start));
  parts.push_back(name.substr(start));
  return parts;
}

const char* KindName(TFormValueKind kind) {
  switch (kind) {
    case TFormValueKind::Integer:
      return "an integer";
    case TFormValueKind::Float:
      return "a number";
    case TFormValueKind::String:
      return "a string";
    case TFormValueKind::Ident:
      return "an identifier";
    case TFormValueKind::Set:
      return "a set";
    case TFormValueKind::List:
      return "a list";
    case TFormValueKind::Binary:
      return "binary data";
  }
  return "a value";
}

std::string ValueText(const TFormValue& value) {
  return value.Kind == TFormValueKind::Ident || value.Kind == TFormValueKind::String
             ? value.Text
             : PrintFormValue(value, 0);
}
}  // namespace

struct TReader::TFixup {
  TObject* Instance;
  PPropInfo Info;
  std::string Name;
  bool IsMethod;
  std::string PropPath;
  int Line;
};

struct TReader::TValueCursor {
  const TFormValue* Items;
  size_t Count;
  size_t Position;
};

TReader::TReader(std::string text) : FText(std::move(text)) {
  FWatch = std::make_unique<TComponentWatch>([this](TComponent* gone) {
    std::erase(FCreated, gone);
    std::erase(FLoaded, gone);
  });
}

void TReader::Watch(TComponent* component) {
  static_cast<TComponentWatch*>(FWatch.get())->Watch(component);
}

TReader::~TReader() = default;

void TReader::SetFindGlobalComponent(TFindGlobalComponent lookup) {
  GlobalLookup = lookup;
}

void TReader::PropertyError(const std::string& message) const {
  throw EReadError(Format("Error reading %s on line %d: %s", FPropPath, FPropLine, message));
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
  const TFormObject tree = TFormParser(FText).ParseForm();
  FPropPath = tree.Name.empty() ? tree.ClassName : tree.Name;
  FPropLine = tree.Line;
  try {
    if (!root) {
      TClass rootClass = GetClass(tree.ClassName);
      if (!rootClass) PropertyError(Format("Class %s not found", tree.ClassName));
      if (!rootClass->InheritsFrom(TComponent::StaticClass()))
        PropertyError(Format("Class %s is not a component class", tree.ClassName));
      root = rootClass->Create<TComponent>(nullptr);
      FRootCreated = true;
      FCreated.push_back(root);
    } else {
      TClass c = root->ClassType();
      while (c && !SameText(c->ClassName(), tree.ClassName))
        c = c->ClassParent();
      if (!c)
        PropertyError(Format("a form of class %s cannot be read into a %s", tree.ClassName,
                             root->ClassName()));
    }
    FRoot = root;
    Watch(root);
    FLoaded.push_back(root);
    root->FComponentState += {csLoading, csReading};
    if (!tree.Name.empty()) root->SetName(tree.Name);
    ReadComponentBody(root, tree);
    ResolveFixups();
    for (TComponent* component : FLoaded)
      component->FComponentState.Exclude(csReading);
    const std::vector<TComponent*> loaded = FLoaded;
    for (TComponent* component : loaded)
      if (std::find(FLoaded.begin(), FLoaded.end(), component) != FLoaded.end())
        component->Loaded();
  } catch (const EReadError&) {
    CleanUp();
    throw;
  } catch (const Exception& e) {
    CleanUp();
    throw EReadError(
        Format("Error reading %s on line %d: %s", FPropPath, FPropLine, e.GetMessage()));
  } catch (...) {
    CleanUp();
    throw;
  }
  FCreated.clear();
  FLoaded.clear();
  FFixups.clear();
  return root;
}

void TReader::CleanUp() {
  for (TComponent* component : FLoaded)
    component->FComponentState -= {csLoading, csReading};
  FLoaded.clear();
  FFixups.clear();
  // Owners come before what they own, so the last created goes first.
  while (!FCreated.empty()) {
    TComponent* component = FCreated.back();
    FCreated.pop_back();
    component->Free();
  }
}

TClass TReader::FindComponentClass(const TFormObject& object) const {
  for (TClass fieldClass : FRoot->ClassType()->GetFieldClasses())
    if (SameText(fieldClass->ClassName(), object.ClassName)) return fieldClass;
  TClass found = GetClass(object.ClassName);
  if (!found) PropertyError(Format("Class %s not found", object.ClassName));
  if (!found->InheritsFrom(TComponent::StaticClass()))
    PropertyError(Format("Class %s is not a component class", object.ClassName));
  return found;
}

void TReader::ReadComponentBody(TComponent* component, const TFormObject& object) {
  for (const TFormProperty& property : object.Properties)
    ReadProperty(component, property);
  for (const TFormObject& child : object.Children)
    ReadChild(component, child);
}

void TReader::ReadChild(TComponent* parent, const TFormObject& object) {
  FPropPath = object.Name.empty() ? object.ClassName : object.Name;
  FPropLine = object.Line;
  TClass childClass = FindComponentClass(object);
  TComponent* owner = parent->GetChildOwner();
  if (!owner) owner = FRoot;
  TComponent* parentComponent = parent->GetChildParent();
  TComponent* child = childClass->Create<TComponent>(owner);
  FCreated.push_back(child);
  FLoaded.push_back(child);
  Watch(child);
  child->FComponentState += {csLoading, csReading};
  child->SetParentComponent(parentComponent);
  if (!object.Name.empty()) child->SetName(object.Name);
  ReadComponentBody(child, object);
}

void TReader::ReadProperty(TComponent* component, const TFormProperty& property) {
  const std::string owner =
      component->GetName().empty() ? component->ClassName() : std::string(component->GetName());
  FPropPath = owner + "." + property.Name;
  FPropLine = property.Line;
  try {
    const std::vector<std::string> parts = SplitDotted(property.Name);
    TPersistent* instance = component;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
      PPropInfo info = GetPropInfo(instance, parts[i]);
      if (!info) PropertyError(Format("Property %s does not exist", parts[i]));
      if (info->GetPropType()->Kind != tkClass)
        PropertyError(Format("Property %s has no sub-properties", parts[i]));
      auto* next = dynamic_cast<TPersistent*>(GetObjectProp(instance, info));
      if (!next) PropertyError(Format("Property %s holds no object", parts[i]));
      instance = next;
    }
    if (PPropInfo info = GetPropInfo(instance, parts.back()))
      ReadPropValue(instance, info, property.Value);
    else
      ReadDefinedProperty(instance, parts.back(), property.Value);
  } catch (const EReadError&) {
    throw;
  } catch (const Exception& e) {
    PropertyError(e.GetMessage());
  }
}

void TReader::ReadPropValue(TObject* instance, PPropInfo info, const TFormValue& value) {
  PTypeInfo type = info->GetPropType();
  auto expect = [&](TFormValueKind kind) {
    if (value.Kind != kind)
      PropertyError(
          Format("Invalid property value %s: %s expected", ValueText(value), KindName(kind)));
  };
  auto invalid = [&]() { PropertyError(Format("Invalid property value %s", ValueText(value))); };
  if (!info->IsWritable()) PropertyError(Format("Property %s is read-only", info->GetName()));
  switch (type->Kind) {
    case tkInteger: {
      if (value.Kind == TFormValueKind::Ident) {
        int64_t number = 0;
        TIdentToInt identToInt = FindIdentToInt(type);
        if (!identToInt || !identToInt(value.Text, number)) invalid();
        SetOrdProp(instance, info, number);
      } else {
        expect(TFormValueKind::Integer);
        SetOrdProp(instance, info, value.Integer);
      }
      return;
    }
    case tkChar:
    case tkWChar:
      if (value.Kind == TFormValueKind::Integer) {
        SetOrdProp(instance, info, value.Integer);
      } else {
        expect(TFormValueKind::String);
        if (value.Text.size() != 1) invalid();
        SetOrdProp(instance, info, static_cast<unsigned char>(value.Text[0]));
      }
      return;
    case tkEnumeration: {
      expect(TFormValueKind::Ident);
      const int64_t ordinal = GetEnumValue(type, value.Text);
      if (ordinal < 0) invalid();
      SetOrdProp(instance, info, ordinal);
      return;
    }
    case tkSet: {
      expect(TFormValueKind::Set);
      uint32_t bits = 0;
      for (const std::string& name : value.Names) {
        const int64_t element = GetEnumValue(type->CompType, name);
        if (element < 0 || element >= 32) PropertyError(Format("Invalid set element %s", name));
        bits |= uint32_t{1} << element;
      }
      SetOrdProp(instance, info, bits);
      return;
    }
    case tkFloat:
      if (value.Kind == TFormValueKind::Integer)
        SetFloatProp(instance, info, static_cast<double>(value.Integer));
      else {
        expect(TFormValueKind::Float);
        SetFloatProp(instance, info, value.Float);
      }
      return;
    case tkString:
    case tkLString:
    case tkWString:
      expect(TFormValueKind::String);
      SetStrProp(instance, info, value.Text);
      return;
    case tkClass:
    case tkMethod:
      expect(TFormValueKind::Ident);
      if (SameText(value.Text, "nil")) {
        if (type->Kind == tkClass)
          SetObjectProp(instance, info, nullptr);
        else
          SetMethodProp(instance, info, TMethod{});
        return;
      }
      FFixups.push_back({instance, info, value.Text, type->Kind == tkMethod, FPropPath, FPropLine});
      return;
    default:
      PropertyError(Format("Property %s has a type that form files cannot hold", info->GetName()));
  }
}

void TReader::ReadDefinedProperty(TPersistent* instance, const std::string& name,
                                  const TFormValue& value) {
  FDefinedName = name;
  FDefinedFound = false;
  FDefinedValue = &value;
  instance->DefineProperties(this);
  FDefinedValue = nullptr;
  FCursor.clear();
  if (!FDefinedFound) PropertyError(Format("Property %s does not exist", name));
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& readData,
                             const TWriterProc&, bool) {
  if (FDefinedFound || !FDefinedValue || !readData || !SameText(name, FDefinedName)) return;
  FDefinedFound = true;
  FCursor = {TValueCursor{FDefinedValue, 1, 0}};
  readData(this);
  if (FCursor.size() != 1 || FCursor.back().Position != 1)
    PropertyError(Format("Invalid property value %s", ValueText(*FDefinedValue)));
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                   const TStreamProc&, bool) {
  if (FDefinedFound || !FDefinedValue || !readData || !SameText(name, FDefinedName)) return;
  FDefinedFound = true;
  if (FDefinedValue->Kind != TFormValueKind::Binary)
    PropertyError(
        Format("Invalid property value %s: binary data expected", ValueText(*FDefinedValue)));
  const auto& bytes = FDefinedValue->Bytes;
  TMemoryStream stream(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  readData(&stream);
}

const TFormValue& TReader::CurrentValue(const char* expected) const {
  if (FCursor.empty()) PropertyError(Format("no value to read where %s is expected", expected));
  const TValueCursor& cursor = FCursor.back();
  if (cursor.Position >= cursor.Count)
    PropertyError(Format("Invalid property value: %s expected at the end of the list", expected));
  return cursor.Items[cursor.Position];
}

void TReader::Advance() {
  ++FCursor.back().Position;
}

bool TReader::EndOfList() const {
  return FCursor.empty() || FCursor.back().Position >= FCursor.back().Count;
}

TFormValueKind TReader::NextValue() const {
  return CurrentValue("a value").Kind;
}

void TReader::ReadListBegin() {
  const TFormValue& list = CurrentValue("a list");
  if (list.Kind != TFormValueKind::List)
    PropertyError(Format("Invalid property value %s: a list expected", ValueText(list)));
  FCursor.push_back({list.Items.data(), list.Items.size(), 0});
}

void TReader::ReadListEnd() {
  if (FCursor.size() < 2 || !EndOfList())
    PropertyError("Invalid property value: end of list expected");
  FCursor.pop_back();
  Advance();
}

std::string TReader::ReadString() {
  const TFormValue& value = CurrentValue("a string");
  if (value.Kind != TFormValueKind::String)
    PropertyError(Format("Invalid property value %s: a string expected", ValueText(value)));
  Advance();
  return value.Text;
}

std::string TReader::ReadIdent() {
  const TFormValue& value = CurrentValue("an identifier");
  if (value.Kind != TFormValueKind::Ident)
    PropertyError(Format("Invalid property value %s: an identifier expected", ValueText(value)));
  Advance();
  return value.Text;
}

int64_t TReader::ReadInteger() {
  const TFormValue& value = CurrentValue("an integer");
  if (value.Kind != TFormValueKind::Integer)
    PropertyError(Format("Invalid property value %s: an integer expected", ValueText(value)));
  Advance();
  return value.Integer;
}

double TReader::ReadFloat() {
  const TFormValue& value = CurrentValue("a number");
  if (value.Kind != TFormValueKind::Float && value.Kind != TFormValueKind::Integer)
    PropertyError(Format("Invalid property value %s: a number expected", ValueText(value)));
  Advance();
  return value.Kind == TFormValueKind::Float ? value.Float : static_cast<double>(value.Integer);
}

bool TReader::ReadBoolean() {
  const TFormValue& value = CurrentValue("True or False");
  if (value.Kind != TFormValueKind::Ident ||
      (!SameText(value.Text, "True") && !SameText(value.Text, "False")))
    PropertyError(Format("Invalid property value %s: True or False expected", ValueText(value)));
  Advance();
  return SameText(value.Text, "True");
}

char TReader::ReadChar() {
  const TFormValue& value = CurrentValue("a character");
  if (value.Kind != TFormValueKind::String || value.Text.size() != 1)
    PropertyError(Format("Invalid property value %s: a character expected", ValueText(value)));
  Advance();
  return value.Text[0];
}

TComponent* TReader::FindReferencedComponent(const std::string& name) const {
  const std::vector<std::string> parts = SplitDotted(name);
  TComponent* current = FRoot->FindComponent(parts[0]);
  if (!current && SameText(parts[0], FRoot->GetName())) current = FRoot;
  if (!current && GlobalLookup) current = GlobalLookup(parts[0]);
  for (size_t i = 1; current && i < parts.size(); ++i)
    current = current->FindComponent(parts[i]);
  return current;
}

void TReader::ResolveFixups() {
  for (const TFixup& fixup : FFixups) {
    FPropPath = fixup.PropPath;
    FPropLine = fixup.Line;
    try {
      if (fixup.IsMethod) {
        const TMethodCode* code = FRoot->MethodAddress(fixup.Name);
        if (!code)
          PropertyError(Format("Method %s not found in %s", fixup.Name, FRoot->ClassName()));
        SetMethodProp(fixup.Instance, fixup.Info, TMethod{code, FRoot});
      } else {
        TComponent* component = FindReferencedComponent(fixup.Name);
        if (!component) PropertyError(Format("Component %s not found", fixup.Name));
        SetObjectProp(fixup.Instance, fixup.Info, component);
      }
    } catch (const EReadError&) {
      throw;
    } catch (const Exception& e) {
      PropertyError(e.GetMessage());
    }
  }
}
