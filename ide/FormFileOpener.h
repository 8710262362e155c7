#pragma once

#include <string>
#include <vector>

#include "streaming/Reader.h"

class TCustomForm;

// A form file opened for designing.
struct TOpenedForm {
  TCustomForm* Form = nullptr;        // the form read (owned by the caller); null on failure
  std::string Error;                  // why the file could not be opened
  std::vector<TSkippedItem> Skipped;  // what the reader left out
};

// Opens form files, text or binary, from other programs as forms to design. The root is read
// into a new form of its own class when that class is registered and is a form, otherwise into
// a plain TForm; properties, classes and events this program does not know are skipped and
// listed instead of failing. Forms are made without owner, so that two files may hold forms of
// the same name.
class TFormFileOpener {
 public:
  static TOpenedForm Open(const std::string& fileName);
  // The same for a form file's contents; fileName only names it in messages.
  static TOpenedForm OpenData(const std::string& data, const std::string& fileName);
  // "file:line: path: reason" for one skipped item.
  static std::string Describe(const std::string& fileName, const TSkippedItem& item);
};
