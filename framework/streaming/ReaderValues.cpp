#include <cmath>
#include <limits>

#include "core/Collection.h"
#include "core/Exception.h"
#include "core/SysUtils.h"
#include "rtti/IdentMap.h"
#include "streaming/FormPrinter.h"
#include "streaming/MemoryStream.h"
#include "streaming/Reader.h"
#include "streaming/ReaderPrivate.h"

namespace {
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
    case TFormValueKind::Collection:
      return "a collection";
  }
  return "a value";
}

// The range an ordinal type's storage can hold, for values given by number.
void StorageRange(TOrdType ordType, int64_t& minValue, int64_t& maxValue) {
  switch (ordType) {
    case otSByte:
      minValue = INT8_MIN, maxValue = INT8_MAX;
      return;
    case otUByte:
      minValue = 0, maxValue = UINT8_MAX;
      return;
    case otSWord:
      minValue = INT16_MIN, maxValue = INT16_MAX;
      return;
    case otUWord:
      minValue = 0, maxValue = UINT16_MAX;
      return;
    case otSLong:
      minValue = INT32_MIN, maxValue = INT32_MAX;
      return;
    case otULong:
      minValue = 0, maxValue = UINT32_MAX;
      return;
  }
}

// INF, NAN: the text form of values that have no digits.
bool SpecialFloat(const std::string& ident, double& value) {
  if (SameText(ident, "INF")) {
    value = std::numeric_limits<double>::infinity();
    return true;
  }
  if (SameText(ident, "NAN")) {
    value = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  return false;
}
}  // namespace

void TReader::ReadProperties(const TTarget& target, const std::vector<TFormProperty>& properties) {
  for (const TFormProperty& property : properties)
    ReadProperty(target, property);
}

void TReader::ReadProperty(const TTarget& target, const TFormProperty& property) {
  SetPosition(target.Path + "." + property.Name, property.Line);
  Guarded([&] {
    const std::vector<std::string> parts = ReaderDetail::SplitDotted(property.Name);
    TTarget sub = target;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
      PPropInfo info = GetPropInfo(sub.Instance, parts[i]);
      if (!info) {
        Skip(Format("Property %s does not exist", parts[i]));
        return;
      }
      if (info->GetPropType()->Kind != tkClass)
        PropertyError(Format("Property %s has no sub-properties", parts[i]));
      auto* next = dynamic_cast<TPersistent*>(GetObjectProp(sub.Instance, info));
      if (!next) PropertyError(Format("Property %s holds no object", parts[i]));
      if (auto* component = dynamic_cast<TComponent*>(next)) {
        sub.Holder = component;
        sub.Undoable = !IsCreated(component);
        sub.Items.clear();
      }
      sub.Instance = next;
    }
    if (PPropInfo info = GetPropInfo(sub.Instance, parts.back()))
      ReadPropValue(sub, info, property.Value);
    else
      ReadDefinedProperty(sub, parts.back(), property.Value);
  });
}

void TReader::ReadPropValue(const TTarget& target, PPropInfo info, const TFormValue& value) {
  PTypeInfo type = info->GetPropType();
  TPersistent* instance = target.Instance;
  auto expect = [&](TFormValueKind kind) {
    if (value.Kind != kind)
      PropertyError(
          Format("Invalid property value %s: %s expected", BriefFormValue(value), KindName(kind)));
  };
  if (value.Kind == TFormValueKind::Collection) {
    ReadCollection(target, info, value);
    return;
  }
  if (!info->IsWritable()) PropertyError(Format("Property %s is read-only", info->GetName()));
  switch (type->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
      ReadOrdinal(target, info, value);
      return;
    case tkFloat: {
      double number = 0;
      if (value.Kind == TFormValueKind::Integer) {
        number = static_cast<double>(value.Integer);
      } else if (value.Kind == TFormValueKind::Ident) {
        if (!SpecialFloat(value.Text, number)) expect(TFormValueKind::Float);
      } else {
        expect(TFormValueKind::Float);
        number = value.Float;
      }
      Remember(target, instance, info);
      SetFloatProp(instance, info, number);
      return;
    }
    case tkString:
    case tkLString:
    case tkWString:
      expect(TFormValueKind::String);
      Remember(target, instance, info);
      SetStrProp(instance, info, value.Text);
      return;
    case tkClass:
      if (dynamic_cast<TCollection*>(GetObjectProp(instance, info)))
        PropertyError(
            Format("Invalid property value %s: a collection expected", BriefFormValue(value)));
      [[fallthrough]];
    case tkMethod:
      expect(TFormValueKind::Ident);
      if (SameText(value.Text, "nil")) {
        CancelFixup(instance, info);
        Remember(target, instance, info);
        if (type->Kind == tkClass)
          SetObjectProp(instance, info, nullptr);
        else
          SetMethodProp(instance, info, TMethod{});
        return;
      }
      AddFixup(target, info, value.Text, type->Kind == tkMethod);
      return;
    default:
      PropertyError(Format("Property %s has a type that form files cannot hold", info->GetName()));
  }
}

void TReader::ReadOrdinal(const TTarget& target, PPropInfo info, const TFormValue& value) {
  PTypeInfo type = info->GetPropType();
  TPersistent* instance = target.Instance;
  auto invalid = [&]() {
    PropertyError(Format("Invalid property value %s", BriefFormValue(value)));
  };
  auto expected = [&](const char* what) {
    PropertyError(Format("Invalid property value %s: %s expected", BriefFormValue(value), what));
  };
  int64_t ordinal = 0;
  switch (type->Kind) {
    case tkInteger:
      if (value.Kind == TFormValueKind::Ident) {
        TIdentToInt identToInt = FindIdentToInt(type);
        if (!identToInt || !identToInt(value.Text, ordinal)) invalid();
      } else if (value.Kind == TFormValueKind::Integer) {
        ordinal = value.Integer;
      } else {
        expected("an integer");
      }
      break;
    case tkChar:
    case tkWChar:
      if (value.Kind == TFormValueKind::Integer) {
        ordinal = value.Integer;
      } else if (value.Kind == TFormValueKind::String) {
        if (value.Text.size() != 1) invalid();
        ordinal = static_cast<unsigned char>(value.Text[0]);
      } else {
        expected("a string");
      }
      break;
    case tkEnumeration:
      if (value.Kind == TFormValueKind::Integer) {
        // A value without a name is written as its number; it fits the type's storage.
        int64_t minValue = 0, maxValue = 0;
        StorageRange(type->OrdType, minValue, maxValue);
        if (value.Integer < minValue || value.Integer > maxValue)
          PropertyError(Format("Value %lld is out of range for property %s",
                               static_cast<long long>(value.Integer), info->GetName()));
        Remember(target, instance, info);
        info->GetAccess().SetOrd(instance, value.Integer);
        return;
      }
      if (value.Kind != TFormValueKind::Ident) expected("an identifier");
      ordinal = GetEnumValue(type, value.Text);
      if (ordinal < 0) invalid();
      break;
    case tkSet:
      if (value.Kind != TFormValueKind::Set) expected("a set");
      for (const std::string& name : value.Names) {
        const int64_t element = GetEnumValue(type->CompType, name);
        if (element < 0 || element >= 32) PropertyError(Format("Invalid set element %s", name));
        ordinal |= int64_t{1} << element;
      }
      break;
    default:
      invalid();
  }
  Remember(target, instance, info);
  SetOrdProp(instance, info, ordinal);
}

// Replaces the items of the collection that the property holds with the file's. An existing
// collection's items are kept aside until the read ends, so that a failed read can put them
// back.
void TReader::ReadCollection(const TTarget& target, PPropInfo info, const TFormValue& value) {
  auto* collection = info->GetPropType()->Kind == tkClass
                         ? dynamic_cast<TCollection*>(GetObjectProp(target.Instance, info))
                         : nullptr;
  if (!collection) PropertyError(Format("Property %s is not a collection", info->GetName()));
  const std::string path = FPropPath;
  if (target.Undoable) {
    SnapshotCollection(target, collection);
  } else {
    ForgetItems(collection->ExtractAll());
  }
  collection->BeginUpdate();
  try {
    for (size_t i = 0; i < value.Collection.size(); ++i) {
      SetPosition(path, value.Collection[i].Line);
      TCollectionItem* item = collection->Add();
      TTarget itemTarget = target;
      itemTarget.Instance = item;
      itemTarget.Path = path + "[" + std::to_string(i) + "]";
      itemTarget.Undoable = false;
      itemTarget.Items.push_back(item);
      ReadProperties(itemTarget, value.Collection[i].Properties);
    }
  } catch (...) {
    collection->EndUpdate();
    throw;
  }
  collection->EndUpdate();
}

void TReader::ReadDefinedProperty(const TTarget& target, const std::string& name,
                                  const TFormValue& value) {
  if (target.Undoable) RememberDefined(target, name);
  if (!ApplyDefinedValue(target.Instance, name, value))
    Skip(Format("Property %s does not exist", name));
}

// Hands value to the read procedure that instance's DefineProperties gives for name; false
// when it defines no such property.
bool TReader::ApplyDefinedValue(TPersistent* instance, const std::string& name,
                                const TFormValue& value) {
  FDefinedName = name;
  FDefinedFound = false;
  FDefinedValue = &value;
  try {
    instance->DefineProperties(this);
  } catch (...) {
    FDefinedValue = nullptr;
    FCursor.clear();
    throw;
  }
  FDefinedValue = nullptr;
  FCursor.clear();
  return FDefinedFound;
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& readData,
                             const TWriterProc&, bool) {
  if (FDefinedFound || !FDefinedValue || !readData || !SameText(name, FDefinedName)) return;
  FDefinedFound = true;
  FCursor = {TValueCursor{FDefinedValue, 1, 0}};
  readData(this);
  if (FCursor.size() != 1 || FCursor.back().Position != 1)
    PropertyError(Format("Invalid property value %s", BriefFormValue(*FDefinedValue)));
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                   const TStreamProc&, bool) {
  if (FDefinedFound || !FDefinedValue || !readData || !SameText(name, FDefinedName)) return;
  FDefinedFound = true;
  if (FDefinedValue->Kind != TFormValueKind::Binary)
    PropertyError(
        Format("Invalid property value %s: binary data expected", BriefFormValue(*FDefinedValue)));
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
    PropertyError(Format("Invalid property value %s: a list expected", BriefFormValue(list)));
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
    PropertyError(Format("Invalid property value %s: a string expected", BriefFormValue(value)));
  Advance();
  return value.Text;
}

std::string TReader::ReadIdent() {
  const TFormValue& value = CurrentValue("an identifier");
  if (value.Kind != TFormValueKind::Ident)
    PropertyError(
        Format("Invalid property value %s: an identifier expected", BriefFormValue(value)));
  Advance();
  return value.Text;
}

int64_t TReader::ReadInteger() {
  const TFormValue& value = CurrentValue("an integer");
  if (value.Kind != TFormValueKind::Integer)
    PropertyError(Format("Invalid property value %s: an integer expected", BriefFormValue(value)));
  Advance();
  return value.Integer;
}

double TReader::ReadFloat() {
  const TFormValue& value = CurrentValue("a number");
  double number = 0;
  if (value.Kind == TFormValueKind::Float)
    number = value.Float;
  else if (value.Kind == TFormValueKind::Integer)
    number = static_cast<double>(value.Integer);
  else if (value.Kind != TFormValueKind::Ident || !SpecialFloat(value.Text, number))
    PropertyError(Format("Invalid property value %s: a number expected", BriefFormValue(value)));
  Advance();
  return number;
}

bool TReader::ReadBoolean() {
  const TFormValue& value = CurrentValue("True or False");
  if (value.Kind != TFormValueKind::Ident ||
      (!SameText(value.Text, "True") && !SameText(value.Text, "False")))
    PropertyError(
        Format("Invalid property value %s: True or False expected", BriefFormValue(value)));
  Advance();
  return SameText(value.Text, "True");
}

char TReader::ReadChar() {
  const TFormValue& value = CurrentValue("a character");
  if (value.Kind != TFormValueKind::String || value.Text.size() != 1)
    PropertyError(Format("Invalid property value %s: a character expected", BriefFormValue(value)));
  Advance();
  return value.Text[0];
}
