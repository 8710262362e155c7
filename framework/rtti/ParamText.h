#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The parameter list of an event type, read from its C++ signature and from the declaration's
// parameter text, so that DECLARE_EVENT can derive the text or check it at compile time.

namespace Detail {

// One parameter: its passing modifier ("", "var", "const" or "out"), name and type name. An
// empty name or type means unknown.
struct TParamText {
  std::string_view Modifier;
  std::string_view Name;
  std::string_view Type;
};

struct TParamTextList {
  static constexpr size_t MaxCount = 32;
  TParamText Items[MaxCount] = {};
  size_t Count = 0;
  bool Valid = true;

  constexpr void Add(TParamText param) {
    if (Count == MaxCount)
      Valid = false;
    else
      Items[Count++] = param;
  }
};

constexpr bool IsParamIdentChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

constexpr std::string_view TrimParam(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
    text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
    text.remove_suffix(1);
  return text;
}

constexpr bool SameParamWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// Drops a leading keyword (followed by a blank) and reports whether it was there.
constexpr bool StripParamKeyword(std::string_view& text, std::string_view keyword) {
  if (text.size() <= keyword.size() || !SameParamWord(text.substr(0, keyword.size()), keyword) ||
      IsParamIdentChar(text[keyword.size()]))
    return false;
  text = TrimParam(text.substr(keyword.size()));
  return true;
}

// The platform's name of a C++ type that event parameters use; empty when it has none that
// the text could be checked against (templates, other namespaces).
constexpr std::string_view PascalTypeName(std::string_view cppType) {
  constexpr std::string_view map[][2] = {
      {"int", "Integer"},   {"int32_t", "Integer"},      {"bool", "Boolean"},
      {"char", "Char"},     {"char16_t", "WideChar"},    {"double", "Double"},
      {"float", "Single"},  {"long double", "Extended"}, {"std::string", "String"},
      {"int64_t", "Int64"}, {"uint32_t", "Cardinal"},    {"unsigned", "Cardinal"},
      {"uint8_t", "Byte"},  {"int8_t", "ShortInt"},      {"int16_t", "SmallInt"},
      {"uint16_t", "Word"}, {"char32_t", "Char"}};
  for (const auto& entry : map)
    if (entry[0] == cppType) return entry[1];
  for (char c : cppType)
    if (!IsParamIdentChar(c)) return std::string_view();
  return cppType;
}

// One C++ parameter, such as "TObject* Sender", "int& Count" or "const std::string& Name".
constexpr TParamText ParseCppParam(std::string_view param) {
  TParamText result;
  size_t nameStart = param.size();
  while (nameStart > 0 && IsParamIdentChar(param[nameStart - 1]))
    --nameStart;
  std::string_view type = TrimParam(param.substr(0, nameStart));
  if (!type.empty() && type != "const" && type != "unsigned" && type != "long") {
    result.Name = param.substr(nameStart);
  } else {
    type = param;  // no name: the last word belongs to the type
  }
  const bool reference = !type.empty() && type.back() == '&';
  if (reference) type = TrimParam(type.substr(0, type.size() - 1));
  const bool isConst = StripParamKeyword(type, "const");
  result.Modifier = reference ? (isConst ? "const" : "var") : "";
  if (!type.empty() && type.back() == '*') type = TrimParam(type.substr(0, type.size() - 1));
  result.Type = PascalTypeName(type);
  return result;
}

// The parameters of a stringized signature, such as "void(TObject* Sender, int& Count)".
constexpr TParamTextList ParseCppSignature(std::string_view signature) {
  TParamTextList list;
  const size_t open = signature.find('(');
  const size_t close = signature.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
    list.Valid = false;
    return list;
  }
  const std::string_view params = TrimParam(signature.substr(open + 1, close - open - 1));
  if (params.empty() || params == "void") return list;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i <= params.size(); ++i) {
    const char c = i < params.size() ? params[i] : ',';
    if (c == '<' || c == '(') ++depth;
    if (c == '>' || c == ')') --depth;
    if (c == ',' && depth == 0) {
      list.Add(ParseCppParam(TrimParam(params.substr(start, i - start))));
      start = i + 1;
    }
  }
  return list;
}

// The parameters of a declaration's text, such as "Sender: TObject; var A, B: Integer".
constexpr TParamTextList ParsePascalParams(std::string_view text) {
  TParamTextList list;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view group = TrimParam(text.substr(start, end - start));
    start = end + 1;
    if (group.empty()) continue;
    std::string_view modifier;
    for (std::string_view keyword : {"var", "const", "out"})
      if (StripParamKeyword(group, keyword)) modifier = keyword;
    const size_t colon = group.find(':');
    const std::string_view type =
        colon == std::string_view::npos ? std::string_view() : TrimParam(group.substr(colon + 1));
    std::string_view names =
        group.substr(0, colon == std::string_view::npos ? group.size() : colon);
    while (!names.empty()) {
      size_t comma = names.find(',');
      if (comma == std::string_view::npos) comma = names.size();
      list.Add({modifier, TrimParam(names.substr(0, comma)), type});
      names = comma < names.size() ? names.substr(comma + 1) : std::string_view();
    }
  }
  return list;
}

// A C++ non-const reference is a var (or out) parameter; anything else a value or const one.
constexpr bool SameParamModifier(std::string_view cpp, std::string_view pascal) {
  const bool cppByReference = cpp == "var";
  const bool pascalByReference = pascal == "var" || pascal == "out";
  return cppByReference == pascalByReference;
}

// Whether text declares the parameters of signature: the same number, modifiers, names and
// types (names and types in any letter case; a type without a known name is not compared).
constexpr bool EventParamsAgree(std::string_view signature, std::string_view text) {
  const TParamTextList cpp = ParseCppSignature(signature);
  const TParamTextList pascal = ParsePascalParams(text);
  if (!cpp.Valid || !pascal.Valid || cpp.Count != pascal.Count) return false;
  for (size_t i = 0; i < cpp.Count; ++i) {
    const TParamText& a = cpp.Items[i];
    const TParamText& b = pascal.Items[i];
    if (!SameParamModifier(a.Modifier, b.Modifier)) return false;
    if (!a.Name.empty() && !SameParamWord(a.Name, b.Name)) return false;
    if (!a.Type.empty() && !b.Type.empty() && !SameParamWord(a.Type, b.Type)) return false;
  }
  return true;
}

// Without a text, the signature must name every parameter so that the text can be derived.
constexpr bool EventParamsAgree(std::string_view signature) {
  const TParamTextList cpp = ParseCppSignature(signature);
  if (!cpp.Valid) return false;
  for (size_t i = 0; i < cpp.Count; ++i)
    if (cpp.Items[i].Name.empty() || cpp.Items[i].Type.empty()) return false;
  return true;
}

// The declaration's text: as given, or derived from the signature.
inline std::string EventParamText(std::string_view, std::string_view text) {
  return std::string(text);
}

inline std::string EventParamText(std::string_view signature) {
  const TParamTextList cpp = ParseCppSignature(signature);
  std::string text;
  for (size_t i = 0; i < cpp.Count; ++i) {
    const TParamText& param = cpp.Items[i];
    if (i) text += "; ";
    if (!param.Modifier.empty()) text.append(param.Modifier).append(" ");
    text.append(param.Name).append(": ").append(param.Type);
  }
  return text;
}

}  // namespace Detail
