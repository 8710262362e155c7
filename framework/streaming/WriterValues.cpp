#include "core/Collection.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "core/SysUtils.h"
#include "rtti/IdentMap.h"
#include "streaming/MemoryStream.h"
#include "streaming/Writer.h"

namespace {
// The named elements of a set value; raises EWriteError for an element without a name, which
// no file could hold.
std::vector<std::string> SetNames(PTypeInfo type, int64_t value, const std::string& property) {
  std::vector<std::string> names;
  for (int64_t element = 0; element < 32; ++element) {
    if ((value & (int64_t{1} << element)) == 0) continue;
    std::string name = GetEnumName(type->CompType, element);
    if (name.empty() || type->CompType->Kind != tkEnumeration)
      throw EWriteError(Format("Property %s holds set element %lld, which has no name", property,
                               static_cast<long long>(element)));
    names.push_back(std::move(name));
  }
  return names;
}

// Restores a member for the time a scope runs.
template <typename T>
class TRestore {
 public:
  TRestore(T& variable, T value) : FVariable(variable), FSaved(variable) { variable = value; }
  ~TRestore() { FVariable = FSaved; }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

 private:
  T& FVariable;
  T FSaved;
};
}  // namespace

void TWriter::WriteProperties(TPersistent* instance, TPersistent* ancestor,
                              const std::string& prefix, const TContext& context,
                              std::vector<TFormProperty>& out) {
  for (PPropInfo info : GetPropList(instance)) {
    // A value without a setter could not be read back; objects are read into, not set.
    if (!info->IsStored(instance)) continue;
    if (!info->IsWritable() && info->GetPropType()->Kind != tkClass) continue;
    PPropInfo ancestorInfo = ancestor ? GetPropInfo(ancestor, info->GetName()) : nullptr;
    if (ancestorInfo && ancestorInfo->GetPropType() != info->GetPropType()) ancestorInfo = nullptr;
    WriteProperty(instance, info, ancestorInfo ? ancestor : nullptr, ancestorInfo, prefix, context,
                  out);
  }
  WriteDefinedProperties(instance, ancestor, prefix, out);
}

void TWriter::WriteProperty(TPersistent* instance, PPropInfo info, TPersistent* ancestor,
                            PPropInfo ancestorInfo, const std::string& prefix,
                            const TContext& context, std::vector<TFormProperty>& out) {
  const std::string name = prefix + info->GetName();
  if (info->GetPropType()->Kind == tkClass) {
    WriteObjectProperty(instance, info, ancestor, ancestorInfo, name, context, out);
    return;
  }
  std::optional<TFormValue> value = PropertyValue(instance, info, context.Root, context.MethodRoot);
  if (ancestor) {
    const std::optional<TFormValue> ancestorValue =
        PropertyValue(ancestor, ancestorInfo, context.AncestorRoot, context.AncestorMethodRoot);
    if (value == ancestorValue) return;
    // A handler the reader could not bind again is left out; no handler is written as nil.
    if (!value && info->GetPropType()->Kind == tkMethod) {
      const TMethod method = GetMethodProp(instance, info);
      if (method.Code) return;
      value = TFormValue::OfIdent("nil");
    }
  } else {
    if (!value) return;
    switch (info->GetPropType()->Kind) {
      case tkFloat:
        if (value->Float == 0) return;
        break;
      case tkString:
      case tkLString:
      case tkWString:
        if (value->Text.empty()) return;
        break;
      case tkMethod:
        break;
      default:
        if (info->HasDefault() && GetOrdProp(instance, info) == info->GetDefault()) return;
        break;
    }
  }
  if (value) out.push_back({name, std::move(*value), 0});
}

// Class-typed properties: collections, references to components, and persistent sub-objects
// written as dotted names.
void TWriter::WriteObjectProperty(TPersistent* instance, PPropInfo info, TPersistent* ancestor,
                                  PPropInfo ancestorInfo, const std::string& name,
                                  const TContext& context, std::vector<TFormProperty>& out) {
  TObject* object = GetObjectProp(instance, info);
  TObject* ancestorObject = ancestor ? GetObjectProp(ancestor, ancestorInfo) : nullptr;
  if (auto* collection = dynamic_cast<TCollection*>(object)) {
    TFormValue value = CollectionValue(collection, context.Root, context.MethodRoot);
    if (auto* ancestorCollection = dynamic_cast<TCollection*>(ancestorObject)) {
      if (value ==
          CollectionValue(ancestorCollection, context.AncestorRoot, context.AncestorMethodRoot))
        return;
    } else if (value.Collection.empty()) {
      return;
    }
    out.push_back({name, std::move(value), 0});
    return;
  }
  auto* component = dynamic_cast<TComponent*>(object);
  if (component || (!object && (!ancestor || dynamic_cast<TComponent*>(ancestorObject)))) {
    if (!info->IsWritable()) return;
    const std::string reference = component ? ReferenceName(component, context.Root) : "";
    if (ancestor) {
      auto* ancestorComponent = dynamic_cast<TComponent*>(ancestorObject);
      const std::string ancestorReference =
          ancestorComponent ? ReferenceName(ancestorComponent, context.AncestorRoot) : "";
      if (SameText(reference, ancestorReference)) return;
      out.push_back({name, TFormValue::OfIdent(reference.empty() ? "nil" : reference), 0});
    } else if (!reference.empty()) {
      out.push_back({name, TFormValue::OfIdent(reference), 0});
    }
    return;
  }
  if (auto* persistent = dynamic_cast<TPersistent*>(object))
    WriteProperties(persistent, dynamic_cast<TPersistent*>(ancestorObject), name + ".", context,
                    out);
}

// The value of a property that is not class-typed, as a form file gives it; none for a handler
// that the reader could not bind again (not one of the root's).
std::optional<TFormValue> TWriter::PropertyValue(TPersistent* instance, PPropInfo info,
                                                 TComponent* root, TComponent* methodRoot) const {
  PTypeInfo type = info->GetPropType();
  switch (type->Kind) {
    case tkInteger: {
      const int64_t value = GetOrdProp(instance, info);
      std::string ident;
      TIntToIdent intToIdent = FindIntToIdent(type);
      if (intToIdent && intToIdent(value, ident)) return TFormValue::OfIdent(ident);
      return TFormValue::OfInteger(value);
    }
    case tkChar: {
      // Bytes beyond ASCII are not characters of a UTF-8 file: they go as numbers.
      const int64_t value = GetOrdProp(instance, info);
      if (value < 128) return TFormValue::OfString(std::string(1, static_cast<char>(value)));
      return TFormValue::OfInteger(value);
    }
    case tkEnumeration: {
      const int64_t value = GetOrdProp(instance, info);
      std::string ident = GetEnumName(type, value);
      if (ident.empty()) return TFormValue::OfInteger(value);
      return TFormValue::OfIdent(std::move(ident));
    }
    case tkSet:
      return TFormValue::OfSet(SetNames(type, GetOrdProp(instance, info), info->GetName()));
    case tkWChar:
      return TFormValue::OfInteger(GetOrdProp(instance, info));
    case tkFloat:
      return TFormValue::OfFloat(GetFloatProp(instance, info));
    case tkString:
    case tkLString:
    case tkWString:
      return TFormValue::OfString(GetStrProp(instance, info));
    case tkMethod: {
      // Only handlers that the root publishes can be bound again when the form is read.
      const TMethod method = GetMethodProp(instance, info);
      if (!method.Code) return std::nullopt;
      if (method.Data != methodRoot && method.Data != root) return std::nullopt;
      std::string methodName = method.Data->MethodName(method.Code);
      if (methodName.empty()) return std::nullopt;
      return TFormValue::OfIdent(std::move(methodName));
    }
    default:
      return std::nullopt;
  }
}

TFormValue TWriter::CollectionValue(TCollection* collection, TComponent* root,
                                    TComponent* methodRoot) {
  TFormValue value = TFormValue::OfCollection();
  const TContext context{root, methodRoot, nullptr, nullptr};
  for (int i = 0; i < collection->GetCount(); ++i) {
    TFormItem item;
    WriteProperties(collection->GetItem(i), nullptr, std::string(), context, item.Properties);
    value.Collection.push_back(std::move(item));
  }
  return value;
}

std::string TWriter::ReferenceName(TComponent* component, TComponent* root) const {
  if (component == root || component == FRoot) return component->GetName();
  if (component->GetName().empty()) return std::string();
  std::string path = component->GetName();
  for (TComponent* owner = component->GetOwner(); owner && owner != root && owner != FRoot;
       owner = owner->GetOwner()) {
    if (owner->GetName().empty()) break;
    path = owner->GetName() + "." + path;
  }
  return path;
}

void TWriter::WriteDefinedProperties(TPersistent* instance, TPersistent* ancestor,
                                     const std::string& prefix, std::vector<TFormProperty>& out) {
  std::vector<TFormProperty> own = DefinedProperties(instance, ancestor, prefix);
  if (ancestor && ancestor->ClassType() == instance->ClassType()) {
    const std::vector<TFormProperty> inherited = DefinedProperties(ancestor, nullptr, prefix);
    std::erase_if(own, [&](const TFormProperty& property) {
      return std::find(inherited.begin(), inherited.end(), property) != inherited.end();
    });
  }
  for (TFormProperty& property : own)
    out.push_back(std::move(property));
}

std::vector<TFormProperty> TWriter::DefinedProperties(TPersistent* instance, TPersistent* ancestor,
                                                      const std::string& prefix) {
  std::vector<TFormProperty> properties;
  TRestore<std::vector<TFormProperty>*> out(FDefinedOut, &properties);
  TRestore<std::string> definedPrefix(FDefinedPrefix, prefix);
  TRestore<TPersistent*> comparedWith(FAncestor, ancestor);
  instance->DefineProperties(this);
  return properties;
}

TWriter::TDefinedValue TWriter::WriteDefinedProperty(TPersistent* instance,
                                                     const std::string& name) {
  TDefinedValue result;
  TRestore<const std::string*> sought(FCaptureName, &name);
  TRestore<TDefinedValue*> capture(FCapture, &result);
  instance->DefineProperties(this);
  return result;
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&,
                             const TWriterProc& writeData, bool hasData) {
  if (FCapture) {
    if (FCapture->Found || !SameText(name, *FCaptureName)) return;
    FCapture->Found = true;
    FCapture->HasData = hasData && writeData;
    if (!FCapture->HasData) return;
  } else if (!hasData || !writeData || !FDefinedOut) {
    return;
  }
  const std::string propName = FDefinedPrefix + name;
  FValueStack.clear();
  FOpenLists = 0;
  writeData(this);
  if (FValueStack.size() != 1 || FOpenLists != 0)
    throw EWriteError(Format("Property %s wrote %d values instead of one", propName,
                             static_cast<int>(FValueStack.size())));
  if (FCapture)
    FCapture->Value = std::move(FValueStack.front());
  else
    FDefinedOut->push_back({propName, std::move(FValueStack.front()), 0});
  FValueStack.clear();
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&,
                                   const TStreamProc& writeData, bool hasData) {
  if (FCapture) {
    if (FCapture->Found || !SameText(name, *FCaptureName)) return;
    FCapture->Found = true;
    FCapture->Binary = true;
    FCapture->HasData = hasData && writeData;
    if (!FCapture->HasData) return;
  } else if (!hasData || !writeData || !FDefinedOut) {
    return;
  }
  TMemoryStream stream;
  writeData(&stream);
  const unsigned char* data = stream.GetMemory();
  TFormValue value = TFormValue::OfBinary(std::vector<uint8_t>(data, data + stream.GetSize()));
  if (FCapture)
    FCapture->Value = std::move(value);
  else
    FDefinedOut->push_back({FDefinedPrefix + name, std::move(value), 0});
}

// Values go on a stack; WriteListBegin pushes an open list that the following values join.
void TWriter::AddValue(TFormValue value) {
  if (FOpenLists > 0)
    FValueStack.back().Items.push_back(std::move(value));
  else
    FValueStack.push_back(std::move(value));
}

void TWriter::WriteListBegin() {
  FValueStack.push_back(TFormValue::OfList());
  ++FOpenLists;
}

void TWriter::WriteListEnd() {
  if (FOpenLists == 0) throw EWriteError("WriteListEnd without WriteListBegin");
  TFormValue list = std::move(FValueStack.back());
  FValueStack.pop_back();
  --FOpenLists;
  AddValue(std::move(list));
}

void TWriter::WriteString(const std::string& value) {
  AddValue(TFormValue::OfString(value));
}
void TWriter::WriteIdent(const std::string& value) {
  AddValue(TFormValue::OfIdent(value));
}
void TWriter::WriteInteger(int64_t value) {
  AddValue(TFormValue::OfInteger(value));
}
void TWriter::WriteFloat(double value) {
  AddValue(TFormValue::OfFloat(value));
}
void TWriter::WriteBoolean(bool value) {
  AddValue(TFormValue::OfIdent(value ? "True" : "False"));
}
void TWriter::WriteChar(char value) {
  AddValue(TFormValue::OfString(std::string(1, value)));
}
