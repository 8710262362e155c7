#include "streaming/BinaryForm.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "core/Exception.h"
#include "core/SysUtils.h"
#include "core/Unicode.h"

namespace {
constexpr int MaxNesting = 200;

// The value tags of the format.
enum TValueTag : uint8_t {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection,
  vaSingle,
  vaCurrency,
  vaDate,
  vaWString,
  vaInt64,
  vaUTF8String,
  vaDouble
};

enum TObjectFlag : uint8_t { ofInherited = 1, ofChildPos = 2, ofInline = 4 };

bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}

// An identifier as the text format spells it, with dots between parts where allowed.
bool IsFormName(std::string_view name, bool allowDots) {
  if (name.empty() || !IsIdentStart(name.front())) return false;
  for (size_t i = 1; i < name.size(); ++i) {
    if (IsIdentChar(name[i])) continue;
    if (!allowDots || name[i] != '.' || i + 1 == name.size() || !IsIdentStart(name[i + 1]))
      return false;
  }
  return true;
}

// 80-bit extended: a sign bit, a 15-bit exponent biased by 16383, a 64-bit mantissa with an
// explicit integer bit.
double ExtendedToDouble(const uint8_t bytes[10]) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i)
    mantissa = (mantissa << 8) | bytes[i];
  const int exponent = ((bytes[9] & 0x7F) << 8) | bytes[8];
  const bool negative = (bytes[9] & 0x80) != 0;
  double value = 0;
  if (exponent == 0x7FFF) {
    value = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                 : std::numeric_limits<double>::quiet_NaN();
  } else {
    const int power = (exponent == 0 ? 1 : exponent) - 16383 - 63;
    value = std::ldexp(static_cast<double>(mantissa), power);
  }
  return negative ? -value : value;
}

void DoubleToExtended(double value, uint8_t bytes[10]) {
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    mantissa = 0xC000000000000000ull;
    exponent = 0x7FFF;
  } else if (std::isinf(value)) {
    mantissa = 0x8000000000000000ull;
    exponent = 0x7FFF;
  } else if (value != 0) {
    int power = 0;
    const double fraction = std::frexp(std::fabs(value), &power);  // [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    exponent = power - 1 + 16383;
  }
  for (int i = 0; i < 8; ++i)
    bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  bytes[8] = static_cast<uint8_t>(exponent);
  bytes[9] = static_cast<uint8_t>((exponent >> 8) | (std::signbit(value) ? 0x80 : 0));
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}
}  // namespace

bool IsBinaryForm(std::string_view data) {
  return data.starts_with(BinaryFormSignature);
}

TBinaryFormParser::TBinaryFormParser(std::string_view data) : FData(data) {}

void TBinaryFormParser::Error(const std::string& message) const {
  throw EReadError(Format("Binary form error at offset %d: %s", static_cast<int>(FPos), message));
}

uint8_t TBinaryFormParser::PeekByte() const {
  if (FPos >= FData.size()) Error("unexpected end of data");
  return static_cast<uint8_t>(FData[FPos]);
}

uint8_t TBinaryFormParser::NextByte() {
  const uint8_t byte = PeekByte();
  ++FPos;
  return byte;
}

std::string_view TBinaryFormParser::ParseBytes(size_t count) {
  if (count > FData.size() - FPos) Error("unexpected end of data");
  const std::string_view bytes = FData.substr(FPos, count);
  FPos += count;
  return bytes;
}

template <typename T>
T TBinaryFormParser::ParseFixed() {
  const std::string_view bytes = ParseBytes(sizeof(T));
  std::make_unsigned_t<std::conditional_t<std::is_integral_v<T>, T, uint64_t>> bits = 0;
  if constexpr (std::is_integral_v<T>) {
    for (size_t i = sizeof(T); i-- > 0;)
      bits = static_cast<decltype(bits)>((bits << 8) | static_cast<uint8_t>(bytes[i]));
    return static_cast<T>(bits);
  } else {
    T value;
    std::memcpy(&value, bytes.data(), sizeof(T));  // little-endian like the format
    return value;
  }
}

size_t TBinaryFormParser::ParseLength(size_t unitSize) {
  const size_t start = FPos;
  const int32_t length = ParseFixed<int32_t>();
  const size_t available = (FData.size() - FPos) / unitSize;
  if (length < 0 || static_cast<size_t>(length) > available) {
    FPos = start;
    Error(length < 0 ? "negative length" : "length beyond the end of the data");
  }
  return static_cast<size_t>(length);
}

std::string TBinaryFormParser::ParseShortString() {
  const uint8_t length = NextByte();
  return std::string(ParseBytes(length));
}

std::string TBinaryFormParser::ParseName(const char* what, bool allowDots, bool allowEmpty) {
  const size_t start = FPos;
  std::string name = ParseShortString();
  if ((name.empty() && allowEmpty) || IsFormName(name, allowDots)) return name;
  FPos = start;
  Error(Format("%s expected", what));
}

int64_t TBinaryFormParser::ParseInteger(const char* what) {
  switch (NextByte()) {
    case vaInt8:
      return ParseFixed<int8_t>();
    case vaInt16:
      return ParseFixed<int16_t>();
    case vaInt32:
      return ParseFixed<int32_t>();
    case vaInt64:
      return ParseFixed<int64_t>();
    default:
      --FPos;
      Error(Format("%s expected", what));
  }
}

TFormObject TBinaryFormParser::ParseForm() {
  if (!IsBinaryForm(FData)) Error("the signature TPF0 expected");
  FPos = BinaryFormSignature.size();
  TFormObject root = ParseObject(0);
  while (FPos < FData.size())
    if (NextByte() != 0) {
      --FPos;
      Error("data after the root object");
    }
  return root;
}

TFormObject TBinaryFormParser::ParseObject(int depth) {
  if (depth > MaxNesting) Error("objects nested too deeply");
  TFormObject object;
  object.Line = static_cast<int>(FPos);
  if ((PeekByte() & 0xF0) == 0xF0) {
    const uint8_t flags = NextByte() & 0x0F;
    if ((flags & ~(ofInherited | ofChildPos | ofInline)) != 0 ||
        (flags & (ofInherited | ofInline)) == (ofInherited | ofInline)) {
      --FPos;
      Error("invalid object flags");
    }
    if (flags & ofInherited) object.Kind = TFormObjectKind::Inherited;
    if (flags & ofInline) object.Kind = TFormObjectKind::Inline;
    if (flags & ofChildPos) {
      const int64_t position = ParseInteger("child position");
      if (position < 0 || position > std::numeric_limits<int>::max())
        Error("child position out of range");
      object.ChildPos = static_cast<int>(position);
    }
  }
  object.ClassName = ParseName("class name", false, false);
  object.Name = ParseName("component name", false, true);
  ParseProperties(object.Properties, depth);
  while (PeekByte() != 0)
    object.Children.push_back(ParseObject(depth + 1));
  ++FPos;
  return object;
}

void TBinaryFormParser::ParseProperties(std::vector<TFormProperty>& properties, int depth) {
  while (PeekByte() != 0) {
    TFormProperty property;
    property.Line = static_cast<int>(FPos);
    property.Name = ParseName("property name", true, false);
    property.Value = ParseValue(depth + 1);
    properties.push_back(std::move(property));
  }
  ++FPos;
}

TFormValue TBinaryFormParser::ParseValue(int depth) {
  if (depth > MaxNesting) Error("values nested too deeply");
  const int offset = static_cast<int>(FPos);
  TFormValue value;
  switch (NextByte()) {
    case vaList:
      value = TFormValue::OfList();
      while (PeekByte() != vaNull)
        value.Items.push_back(ParseValue(depth + 1));
      ++FPos;
      break;
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64:
      --FPos;
      value = TFormValue::OfInteger(ParseInteger("integer"));
      break;
    case vaExtended: {
      uint8_t bytes[10];
      std::memcpy(bytes, ParseBytes(10).data(), 10);
      value = TFormValue::OfFloat(ExtendedToDouble(bytes), TFormFloatType::Extended);
      break;
    }
    case vaDouble:
      value = TFormValue::OfFloat(ParseFixed<double>(), TFormFloatType::Double);
      break;
    case vaSingle:
      value = TFormValue::OfFloat(ParseFixed<float>(), TFormFloatType::Single);
      break;
    case vaCurrency:
      value = TFormValue::OfFloat(static_cast<double>(ParseFixed<int64_t>()) / 10000,
                                  TFormFloatType::Currency);
      break;
    case vaDate:
      value = TFormValue::OfFloat(ParseFixed<double>(), TFormFloatType::Date);
      break;
    case vaString:
      value = TFormValue::OfString(AnsiToUtf8(ParseShortString()));
      break;
    case vaLString:
    case vaUTF8String:
      value = TFormValue::OfString(AnsiToUtf8(ParseBytes(ParseLength())));
      break;
    case vaWString: {
      std::vector<uint16_t> units(ParseLength(2));
      for (uint16_t& unit : units)
        unit = ParseFixed<uint16_t>();
      value = TFormValue::OfString(Utf16ToUtf8(units));
      break;
    }
    case vaIdent:
      value = TFormValue::OfIdent(ParseName("identifier", true, false));
      break;
    case vaFalse:
      value = TFormValue::OfIdent("False");
      break;
    case vaTrue:
      value = TFormValue::OfIdent("True");
      break;
    case vaNil:
      value = TFormValue::OfIdent("nil");
      break;
    case vaBinary: {
      const std::string_view bytes = ParseBytes(ParseLength());
      value = TFormValue::OfBinary(std::vector<uint8_t>(bytes.begin(), bytes.end()));
      break;
    }
    case vaSet:
      value = TFormValue::OfSet({});
      while (PeekByte() != 0)
        value.Names.push_back(ParseName("set element", false, false));
      ++FPos;
      break;
    case vaCollection:
      value = ParseCollection(depth);
      break;
    default:
      --FPos;
      Error(Format("unknown value type %d", static_cast<int>(PeekByte())));
  }
  value.Line = offset;
  return value;
}

TFormValue TBinaryFormParser::ParseCollection(int depth) {
  TFormValue collection = TFormValue::OfCollection();
  while (PeekByte() != vaNull) {
    TFormItem item;
    item.Line = static_cast<int>(FPos);
    const uint8_t tag = PeekByte();
    if (tag == vaInt8 || tag == vaInt16 || tag == vaInt32 || tag == vaInt64) {
      item.HasOrder = true;
      item.Order = ParseInteger("item order");
    }
    if (NextByte() != vaList) {
      --FPos;
      Error("collection item expected");
    }
    if (depth + 1 > MaxNesting) Error("values nested too deeply");
    ParseProperties(item.Properties, depth + 1);
    collection.Collection.push_back(std::move(item));
  }
  ++FPos;
  return collection;
}

namespace {
class TBinaryFormWriter {
 public:
  std::string Write(const TFormObject& root) {
    FOut.assign(BinaryFormSignature);
    WriteObject(root);
    return std::move(FOut);
  }

 private:
  void Byte(uint8_t value) { FOut += static_cast<char>(value); }

  template <typename T>
  void Fixed(T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));  // little-endian like the format
    FOut.append(bytes, sizeof(T));
  }

  void ShortString(const std::string& text) {
    if (text.size() > 255)
      throw EWriteError(Format("Name %s... is longer than 255 bytes", text.substr(0, 32)));
    Byte(static_cast<uint8_t>(text.size()));
    FOut += text;
  }

  void Length(size_t length) {
    if (length > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
      throw EWriteError("Value too large for a binary form file");
    Fixed(static_cast<int32_t>(length));
  }

  void Integer(int64_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
      Byte(vaInt8);
      Fixed(static_cast<int8_t>(value));
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
      Byte(vaInt16);
      Fixed(static_cast<int16_t>(value));
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
      Byte(vaInt32);
      Fixed(static_cast<int32_t>(value));
    } else {
      Byte(vaInt64);
      Fixed(value);
    }
  }

  void Float(double value, TFormFloatType type) {
    const double scaled = value * 10000;
    switch (type) {
      case TFormFloatType::Double:
        Byte(vaDouble);
        Fixed(value);
        return;
      case TFormFloatType::Single:
        Byte(vaSingle);
        Fixed(static_cast<float>(value));
        return;
      case TFormFloatType::Date:
        Byte(vaDate);
        Fixed(value);
        return;
      case TFormFloatType::Currency:
        if (std::isfinite(scaled) && std::fabs(scaled) < 9.2e18) {
          Byte(vaCurrency);
          Fixed(static_cast<int64_t>(std::llround(scaled)));
          return;
        }
        break;  // beyond the currency range: stored as extended
      case TFormFloatType::Extended:
        break;
    }
    uint8_t bytes[10];
    DoubleToExtended(value, bytes);
    Byte(vaExtended);
    FOut.append(reinterpret_cast<const char*>(bytes), 10);
  }

  void String(const std::string& text) {
    if (IsAscii(text) && text.size() <= 255) {
      Byte(vaString);
      ShortString(text);
    } else if (IsAscii(text)) {
      Byte(vaLString);
      Length(text.size());
      FOut += text;
    } else {
      const std::vector<uint16_t> units = Utf8ToUtf16(text);
      Byte(vaWString);
      Length(units.size());
      for (uint16_t unit : units)
        Fixed(unit);
    }
  }

  void Ident(const std::string& ident) {
    if (SameText(ident, "False")) {
      Byte(vaFalse);
    } else if (SameText(ident, "True")) {
      Byte(vaTrue);
    } else if (SameText(ident, "nil")) {
      Byte(vaNil);
    } else {
      Byte(vaIdent);
      ShortString(ident);
    }
  }

  void Value(const TFormValue& value) {
    switch (value.Kind) {
      case TFormValueKind::Integer:
        Integer(value.Integer);
        return;
      case TFormValueKind::Float:
        Float(value.Float, value.FloatType);
        return;
      case TFormValueKind::String:
        String(value.Text);
        return;
      case TFormValueKind::Ident:
        Ident(value.Text);
        return;
      case TFormValueKind::Set:
        Byte(vaSet);
        for (const std::string& name : value.Names)
          ShortString(name);
        Byte(0);
        return;
      case TFormValueKind::List:
        Byte(vaList);
        for (const TFormValue& item : value.Items)
          Value(item);
        Byte(vaNull);
        return;
      case TFormValueKind::Binary:
        Byte(vaBinary);
        Length(value.Bytes.size());
        FOut.append(reinterpret_cast<const char*>(value.Bytes.data()), value.Bytes.size());
        return;
      case TFormValueKind::Collection:
        Byte(vaCollection);
        for (const TFormItem& item : value.Collection) {
          if (item.HasOrder) Integer(item.Order);
          Byte(vaList);
          Properties(item.Properties);
        }
        Byte(vaNull);
        return;
    }
  }

  void Properties(const std::vector<TFormProperty>& properties) {
    for (const TFormProperty& property : properties) {
      ShortString(property.Name);
      Value(property.Value);
    }
    Byte(0);
  }

  void WriteObject(const TFormObject& object) {
    uint8_t flags = 0;
    if (object.Kind == TFormObjectKind::Inherited) flags |= ofInherited;
    if (object.Kind == TFormObjectKind::Inline) flags |= ofInline;
    if (object.ChildPos >= 0) flags |= ofChildPos;
    if (flags) Byte(0xF0 | flags);
    if (object.ChildPos >= 0) Integer(object.ChildPos);
    ShortString(object.ClassName);
    ShortString(object.Name);
    Properties(object.Properties);
    for (const TFormObject& child : object.Children)
      WriteObject(child);
    Byte(0);
  }

  std::string FOut;
};
}  // namespace

std::string PrintBinaryForm(const TFormObject& root) {
  return TBinaryFormWriter().Write(root);
}
