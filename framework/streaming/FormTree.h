#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The syntax tree of a form file, text or binary:
//
//   inherited Form2: TForm2
//     Caption = 'Hello'
//     Font.Style = [fsBold]
//     Items.Strings = (
//       'one'
//       'two')
//     Columns = <
//       item
//         Caption = 'Name'
//       end>
//     object Button1: TButton [2]
//       OnClick = Button1Click
//     end
//     inline Frame1: TFrame1
//     end
//   end
//
// Reading parses a file into it before any object is touched; writing builds it and prints it
// as text or binary. Line is the line of a text file and the byte offset in a binary one.

enum class TFormValueKind : uint8_t {
  Integer,    // 12, -3, $1F
  Float,      // 1.5, 2E10, -INF
  String,     // 'text' 'more' #13, joined with +
  Ident,      // True, clBtnFace, Button1, Form2.Button1, nil
  Set,        // [akLeft, akTop]
  List,       // ( value value ... )
  Binary,     // { 0A1B... }
  Collection  // < item ... end item ... end >
};

// How a binary file stores a floating-point value; text files do not say.
enum class TFormFloatType : uint8_t { Extended, Double, Single, Currency, Date };

struct TFormItem;

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::Integer;
  int Line = 0;
  int64_t Integer = 0;
  double Float = 0;
  TFormFloatType FloatType = TFormFloatType::Extended;
  std::string Text;                   // String, Ident
  std::vector<std::string> Names;     // Set
  std::vector<TFormValue> Items;      // List
  std::vector<uint8_t> Bytes;         // Binary
  std::vector<TFormItem> Collection;  // Collection

  // Defined where TFormItem is complete, as values, items and properties hold each other.
  TFormValue();
  TFormValue(const TFormValue& other);
  TFormValue(TFormValue&& other) noexcept;
  TFormValue& operator=(const TFormValue& other);
  TFormValue& operator=(TFormValue&& other) noexcept;
  ~TFormValue();

  static TFormValue OfInteger(int64_t value);
  static TFormValue OfFloat(double value, TFormFloatType type = TFormFloatType::Extended);
  static TFormValue OfString(std::string text);
  static TFormValue OfIdent(std::string ident);
  static TFormValue OfSet(std::vector<std::string> names);
  static TFormValue OfList(std::vector<TFormValue> items = {});
  static TFormValue OfBinary(std::vector<uint8_t> bytes);
  static TFormValue OfCollection();
  static TFormValue OfCollection(std::vector<TFormItem> items);
};

struct TFormProperty {
  std::string Name;  // dotted for sub-objects: Font.Name
  TFormValue Value;
  int Line = 0;
};

// One item of a collection: its properties, and the order value that binary files may give.
struct TFormItem {
  std::vector<TFormProperty> Properties;
  int Line = 0;
  bool HasOrder = false;
  int64_t Order = 0;
};

// object: a new component; inherited: one that the ancestor's form already made; inline: a
// frame made from its own stored form, with the differences that follow.
enum class TFormObjectKind : uint8_t { Object, Inherited, Inline };

struct TFormObject {
  TFormObjectKind Kind = TFormObjectKind::Object;
  std::string Name;  // may be empty
  std::string ClassName;
  // The declared position among its parent's children ([n]), or -1.
  int ChildPos = -1;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// The keyword of an object kind: "object", "inherited" or "inline".
const char* FormObjectKeyword(TFormObjectKind kind);

// Trees are equal when they hold the same constructs with the same values. What only binary
// files record (float types, item order values) and lines and offsets are not compared;
// identifiers compare in any letter case, and NaN equals NaN.
bool operator==(const TFormValue& a, const TFormValue& b);
bool operator==(const TFormProperty& a, const TFormProperty& b);
bool operator==(const TFormItem& a, const TFormItem& b);
bool operator==(const TFormObject& a, const TFormObject& b);
