#include "streaming/FormTree.h"

TFormValue TFormValue::OfInteger(int64_t value) {
  TFormValue v;
  v.Kind = TFormValueKind::Integer;
  v.Integer = value;
  return v;
}

TFormValue TFormValue::OfFloat(double value) {
  TFormValue v;
  v.Kind = TFormValueKind::Float;
  v.Float = value;
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
