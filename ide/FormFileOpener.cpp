#include "FormFileOpener.h"

#include <fstream>
#include <sstream>

#include "controls/Form.h"
#include "core/ClassRegistry.h"
#include "core/Exception.h"
#include "streaming/FormConversion.h"

namespace {
// A new, empty form of the class the file names, or a plain form when this program does not
// have that class; throws when the file's root is something other than a form.
TCustomForm* NewRootFor(const TFormObject& tree) {
  TClass rootClass = GetClass(tree.ClassName);
  if (!rootClass) return new TForm(nullptr);
  if (!rootClass->InheritsFrom(TCustomForm::StaticClass()) || rootClass->IsAbstract())
    throw EReadError("the file holds a " + tree.ClassName + ", which is not a form");
  return static_cast<TCustomForm*>(rootClass->CreateInstance(nullptr));
}
}  // namespace

TOpenedForm TFormFileOpener::Open(const std::string& fileName) {
  TOpenedForm failed;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) {
    failed.Error = "Cannot open " + fileName;
    return failed;
  }
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) {
    failed.Error = "Cannot read " + fileName;
    return failed;
  }
  return OpenData(contents.str(), fileName);
}

TOpenedForm TFormFileOpener::OpenData(const std::string& data, const std::string& fileName) {
  TOpenedForm result;
  TCustomForm* form = nullptr;
  try {
    form = NewRootFor(ParseFormData(data));
    TReader reader(data);
    reader.SetOptions({roSkipUnknown});
    reader.ReadRootComponent(form);
    result.Skipped = reader.GetSkipped();
    result.Form = form;
  } catch (const Exception& e) {
    if (form) form->Free();
    result.Error = fileName + ": " + e.GetMessage();
  }
  return result;
}

std::string TFormFileOpener::Describe(const std::string& fileName, const TSkippedItem& item) {
  std::string line = fileName + ":" + std::to_string(item.Line) + ": ";
  if (!item.Path.empty()) line += item.Path + ": ";
  return line + item.Reason;
}
