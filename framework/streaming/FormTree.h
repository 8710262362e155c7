#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The syntax tree of a text form file:
//
//   object Form1: TForm1
//     Caption = 'Hello'
//     Font.Style = [fsBold]
//     Items.Strings = (
//       'one'
//       'two')
//     object Button1: TButton
//       OnClick = Button1Click
//     end
//   end
//
// Reading parses text into it before any object is touched; writing builds it and prints it.

enum class TFormValueKind : uint8_t {
  Integer,  // 12, -3, $1F
  Float,    // 1.5, 2E10
  String,   // 'text' 'more' #13, joined with +
  Ident,    // True, clBtnFace, Button1, Form2.Button1, nil
  Set,      // [akLeft, akTop]
  List,     // ( value value ... )
  Binary    // { 0A1B... }
};

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::Integer;
  int Line = 0;
  int64_t Integer = 0;
  double Float = 0;
  std::string Text;                // String, Ident
  std::vector<std::string> Names;  // Set
  std::vector<TFormValue> Items;   // List
  std::vector<uint8_t> Bytes;      // Binary

  static TFormValue OfInteger(int64_t value);
  static TFormValue OfFloat(double value);
  static TFormValue OfString(std::string text);
  static TFormValue OfIdent(std::string ident);
  static TFormValue OfSet(std::vector<std::string> names);
  static TFormValue OfList(std::vector<TFormValue> items = {});
  static TFormValue OfBinary(std::vector<uint8_t> bytes);
};

struct TFormProperty {
  std::string Name;  // dotted for sub-objects: Font.Name
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  std::string Name;  // may be empty
  std::string ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};
