#include "streaming/FormTree.h"

#include <algorithm>
#include <cmath>

#include "core/SysUtils.h"

TFormValue::TFormValue() = default;
TFormValue::TFormValue(const TFormValue& other) = default;
TFormValue::TFormValue(TFormValue&& other) noexcept = default;
TFormValue& TFormValue::operator=(const TFormValue& other) = default;
TFormValue& TFormValue::operator=(TFormValue&& other) noexcept = default;
TFormValue::~TFormValue() = default;

TFormValue TFormValue::OfInteger(int64_t value) {
  TFormValue v;
  v.Kind = TFormValueKind::Integer;
  v.Integer = value;
  return v;
}

TFormValue TFormValue::OfFloat(double value, TFormFloatType type) {
  TFormValue v;
  v.Kind = TFormValueKind::Float;
  v.Float = value;
  v.FloatType = type;
  return v;
}

TFormValue TFormValue::OfString(std::string text) {
  TFormValue v;
  v.Kind = TFormValueKind::String;
  v.Text = std::move(text);
  return v;
}

TFormValue TFormValue::OfIdent(std::string ident) {
  TFormValue v;
  v.Kind = TFormValueKind::Ident;
  v.Text = std::move(ident);
  return v;
}

TFormValue TFormValue::OfSet(std::vector<std::string> names) {
  TFormValue v;
  v.Kind = TFormValueKind::Set;
  v.Names = std::move(names);
  return v;
}

TFormValue TFormValue::OfList(std::vector<TFormValue> items) {
  TFormValue v;
  v.Kind = TFormValueKind::List;
  v.Items = std::move(items);
  return v;
}

TFormValue TFormValue::OfBinary(std::vector<uint8_t> bytes) {
  TFormValue v;
  v.Kind = TFormValueKind::Binary;
  v.Bytes = std::move(bytes);
  return v;
}

TFormValue TFormValue::OfCollection() {
  return OfCollection(std::vector<TFormItem>());
}

TFormValue TFormValue::OfCollection(std::vector<TFormItem> items) {
  TFormValue v;
  v.Kind = TFormValueKind::Collection;
  v.Collection = std::move(items);
  return v;
}

const char* FormObjectKeyword(TFormObjectKind kind) {
  switch (kind) {
    case TFormObjectKind::Inherited:
      return "inherited";
    case TFormObjectKind::Inline:
      return "inline";
    case TFormObjectKind::Object:
      break;
  }
  return "object";
}

bool operator==(const TFormValue& a, const TFormValue& b) {
  if (a.Kind != b.Kind) return false;
  switch (a.Kind) {
    case TFormValueKind::Integer:
      return a.Integer == b.Integer;
    case TFormValueKind::Float:
      return a.Float == b.Float || (std::isnan(a.Float) && std::isnan(b.Float));
    case TFormValueKind::String:
      return a.Text == b.Text;
    case TFormValueKind::Ident:
      return SameText(a.Text, b.Text);
    case TFormValueKind::Set:
      return std::equal(a.Names.begin(), a.Names.end(), b.Names.begin(), b.Names.end(),
                        [](const std::string& x, const std::string& y) { return SameText(x, y); });
    case TFormValueKind::List:
      return a.Items == b.Items;
    case TFormValueKind::Binary:
      return a.Bytes == b.Bytes;
    case TFormValueKind::Collection:
      return a.Collection == b.Collection;
  }
  return false;
}

bool operator==(const TFormProperty& a, const TFormProperty& b) {
  return a.Name == b.Name && a.Value == b.Value;
}

bool operator==(const TFormItem& a, const TFormItem& b) {
  return a.Properties == b.Properties;
}

bool operator==(const TFormObject& a, const TFormObject& b) {
  return a.Kind == b.Kind && a.Name == b.Name && a.ClassName == b.ClassName &&
         a.ChildPos == b.ChildPos && a.Properties == b.Properties && a.Children == b.Children;
}
