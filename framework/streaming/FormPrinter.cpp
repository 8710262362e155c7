#include "streaming/FormPrinter.h"

#include <cmath>

#include "core/SysUtils.h"

namespace {
constexpr size_t BriefLength = 40;

std::string QuoteFormString(const std::string& text) {
  if (text.empty()) return "''";
  std::string result;
  bool quoted = false;
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || code == 127) {
      if (quoted) result += '\'';
      quoted = false;
      result += '#' + std::to_string(code);
      continue;
    }
    if (!quoted) result += '\'';
    quoted = true;
    if (c == '\'') result += '\'';
    result += c;
  }
  if (quoted) result += '\'';
  return result;
}

std::string FormatFloat(double value) {
  if (std::isnan(value)) return "+NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "+INF";
  std::string text = FloatToStr(value);
  if (text.find_first_of(".eE") == std::string::npos) text += ".0";
  return text;
}

std::string HexBytes(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = from; i < from + count && i < bytes.size(); ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  return text;
}

void PrintProperties(const std::vector<TFormProperty>& properties, int indent, std::string& out) {
  const std::string pad(static_cast<size_t>(indent), ' ');
  for (const TFormProperty& property : properties)
    out += pad + property.Name + " = " + PrintFormValue(property.Value, indent) + "\n";
}

void PrintObject(const TFormObject& object, int indent, std::string& out) {
  const std::string pad(static_cast<size_t>(indent), ' ');
  out += pad + FormObjectKeyword(object.Kind) + " ";
  out += object.Name.empty() ? object.ClassName : object.Name + ": " + object.ClassName;
  if (object.ChildPos >= 0) out += " [" + std::to_string(object.ChildPos) + "]";
  out += '\n';
  PrintProperties(object.Properties, indent + 2, out);
  for (const TFormObject& child : object.Children)
    PrintObject(child, indent + 2, out);
  out += pad + "end\n";
}

std::string PrintCollection(const TFormValue& value, int indent) {
  if (value.Collection.empty()) return "<>";
  const std::string pad(static_cast<size_t>(indent + 2), ' ');
  std::string text = "<";
  for (size_t i = 0; i < value.Collection.size(); ++i) {
    text += "\n" + pad + "item\n";
    PrintProperties(value.Collection[i].Properties, indent + 4, text);
    text += pad + "end";
  }
  return text + ">";
}
}  // namespace

std::string PrintFormValue(const TFormValue& value, int indent) {
  const std::string inner(static_cast<size_t>(indent + 2), ' ');
  switch (value.Kind) {
    case TFormValueKind::Integer:
      return std::to_string(value.Integer);
    case TFormValueKind::Float:
      return FormatFloat(value.Float);
    case TFormValueKind::String:
      return QuoteFormString(value.Text);
    case TFormValueKind::Ident:
      return value.Text;
    case TFormValueKind::Set: {
      std::string text = "[";
      for (size_t i = 0; i < value.Names.size(); ++i)
        text += (i ? ", " : "") + value.Names[i];
      return text + "]";
    }
    case TFormValueKind::List: {
      std::string text = "(";
      for (const TFormValue& item : value.Items)
        text += "\n" + inner + PrintFormValue(item, indent + 2);
      return text + ")";
    }
    case TFormValueKind::Binary: {
      std::string text = "{";
      for (size_t i = 0; i < value.Bytes.size(); i += 32)
        text += "\n" + inner + HexBytes(value.Bytes, i, 32);
      return text + "}";
    }
    case TFormValueKind::Collection:
      return PrintCollection(value, indent);
  }
  return std::string();
}

std::string PrintForm(const TFormObject& root) {
  std::string out;
  PrintObject(root, 0, out);
  return out;
}

std::string BriefFormValue(const TFormValue& value) {
  std::string text;
  switch (value.Kind) {
    case TFormValueKind::String:
    case TFormValueKind::Ident:
      text = value.Text;
      break;
    case TFormValueKind::List:
      text = "(";
      for (size_t i = 0; i < value.Items.size() && text.size() <= BriefLength; ++i)
        text += (i ? " " : "") + BriefFormValue(value.Items[i]);
      text += ")";
      break;
    case TFormValueKind::Binary:
      text = "{" + HexBytes(value.Bytes, 0, BriefLength / 2 + 1) + "}";
      break;
    case TFormValueKind::Collection:
      text = "<" + std::to_string(value.Collection.size()) + " items>";
      break;
    default:
      text = PrintFormValue(value, 0);
      break;
  }
  // One line, whatever the value holds.
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  if (text.size() > BriefLength) {
    size_t cut = BriefLength;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
      --cut;
    text = text.substr(0, cut) + "...";
  }
  return text;
}
