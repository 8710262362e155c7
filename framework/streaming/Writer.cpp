#include "streaming/Writer.h"

#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "rtti/IdentMap.h"
#include "streaming/FormParser.h"
#include "streaming/MemoryStream.h"

IMPLEMENT_CLASS(TWriter) {}

namespace {
// Sets csWriting on a component for the time it is written.
class TWritingState {
 public:
  TWritingState(TComponentState& state) : FState(state), FWasWriting(state.Contains(csWriting)) {
    FState.Include(csWriting);
  }
  ~TWritingState() {
    if (!FWasWriting) FState.Exclude(csWriting);
  }

 private:
  TComponentState& FState;
  bool FWasWriting;
};
}  // namespace

void TWriter::WriteRootComponent(TComponent* root) {
  FRoot = root;
  FText = PrintForm(WriteComponent(root));
}

TFormObject TWriter::WriteComponent(TComponent* component) {
  TWritingState writing(component->FComponentState);
  TFormObject object;
  object.Name = component->GetName();
  object.ClassName = component->ClassName();
  WriteProperties(component, std::string(), object.Properties);
  component->GetChildren(
      [&](TComponent* child) { object.Children.push_back(WriteComponent(child)); }, FRoot);
  return object;
}

void TWriter::WriteProperties(TPersistent* instance, const std::string& prefix,
                              std::vector<TFormProperty>& out) {
  for (PPropInfo info : GetPropList(instance))
    if (info->IsStored(instance)) WriteProperty(instance, info, prefix, out);
  std::vector<TFormProperty>* savedOut = FDefinedOut;
  const std::string savedPrefix = FDefinedPrefix;
  FDefinedOut = &out;
  FDefinedPrefix = prefix;
  instance->DefineProperties(this);
  FDefinedOut = savedOut;
  FDefinedPrefix = savedPrefix;
}

void TWriter::WriteProperty(TPersistent* instance, PPropInfo info, const std::string& prefix,
                            std::vector<TFormProperty>& out) {
  PTypeInfo type = info->GetPropType();
  const std::string name = prefix + info->GetName();
  auto add = [&](TFormValue value) { out.push_back({name, std::move(value), 0}); };
  if (type->IsOrdinal()) {
    const int64_t value = GetOrdProp(instance, info);
    if (info->HasDefault() && value == info->GetDefault()) return;
    switch (type->Kind) {
      case tkInteger: {
        std::string ident;
        TIntToIdent intToIdent = FindIntToIdent(type);
        add(intToIdent && intToIdent(value, ident) ? TFormValue::OfIdent(ident)
                                                   : TFormValue::OfInteger(value));
        return;
      }
      case tkChar:
        add(TFormValue::OfString(std::string(1, static_cast<char>(value))));
        return;
      case tkEnumeration:
        add(TFormValue::OfIdent(GetEnumName(type, value)));
        return;
      case tkSet: {
        std::vector<std::string> names;
        for (int64_t element = 0; element < 32; ++element)
          if (value & (int64_t{1} << element))
            names.push_back(GetEnumName(type->CompType, element));
        add(TFormValue::OfSet(std::move(names)));
        return;
      }
      default:
        add(TFormValue::OfInteger(value));
        return;
    }
  }
  switch (type->Kind) {
    case tkFloat:
      if (const double value = GetFloatProp(instance, info); value != 0)
        add(TFormValue::OfFloat(value));
      return;
    case tkString:
    case tkLString:
    case tkWString:
      if (std::string value = GetStrProp(instance, info); !value.empty())
        add(TFormValue::OfString(std::move(value)));
      return;
    case tkClass: {
      TObject* object = GetObjectProp(instance, info);
      if (auto* component = dynamic_cast<TComponent*>(object)) {
        if (std::string reference = ReferenceName(component); !reference.empty())
          add(TFormValue::OfIdent(std::move(reference)));
      } else if (auto* persistent = dynamic_cast<TPersistent*>(object)) {
        WriteProperties(persistent, name + ".", out);
      }
      return;
    }
    case tkMethod: {
      // Only handlers that the root publishes can be bound again when the form is read.
      const TMethod method = GetMethodProp(instance, info);
      if (!method.Code || method.Data != FRoot) return;
      if (std::string methodName = FRoot->MethodName(method.Code); !methodName.empty())
        add(TFormValue::OfIdent(std::move(methodName)));
      return;
    }
    default:
      return;
  }
}

std::string TWriter::ReferenceName(TComponent* component) const {
  if (component == FRoot) return FRoot->GetName();
  if (component->GetName().empty()) return std::string();
  std::string path = component->GetName();
  for (TComponent* owner = component->GetOwner(); owner && owner != FRoot;
       owner = owner->GetOwner()) {
    if (owner->GetName().empty()) break;
    path = owner->GetName() + "." + path;
  }
  return path;
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&,
                             const TWriterProc& writeData, bool hasData) {
  if (!hasData || !writeData || !FDefinedOut) return;
  std::vector<TFormProperty>* out = FDefinedOut;
  const std::string propName = FDefinedPrefix + name;
  FValueStack.clear();
  FOpenLists = 0;
  writeData(this);
  if (FValueStack.size() != 1 || FOpenLists != 0)
    throw EWriteError(Format("Property %s wrote %d values instead of one", propName,
                             static_cast<int>(FValueStack.size())));
  out->push_back({propName, std::move(FValueStack.front()), 0});
  FValueStack.clear();
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&,
                                   const TStreamProc& writeData, bool hasData) {
  if (!hasData || !writeData || !FDefinedOut) return;
  TMemoryStream stream;
  writeData(&stream);
  const unsigned char* data = stream.GetMemory();
  std::vector<uint8_t> bytes(data, data + stream.GetSize());
  FDefinedOut->push_back({FDefinedPrefix + name, TFormValue::OfBinary(std::move(bytes)), 0});
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
