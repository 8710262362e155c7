#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "streaming/Filer.h"
#include "streaming/FormTree.h"

// Writes a component tree as a text form file: the root's block holds its published properties
// in declaration order (declared defaults, empty strings, zero numbers and unassigned references
// left out), persistent sub-objects as dotted names, events by method name, references by
// component name, then what DefineProperties adds, then the blocks of its children as
// GetChildren lists them.
class TWriter : public TFiler {
  DECLARE_CLASS(TWriter, TFiler);

 public:
  TWriter() = default;

  void WriteRootComponent(TComponent* root);
  const std::string& GetText() const { return FText; }

  // Value routines for DefineProperty write procedures.
  void WriteListBegin();
  void WriteListEnd();
  void WriteString(const std::string& value);
  void WriteIdent(const std::string& value);
  void WriteInteger(int64_t value);
  void WriteFloat(double value);
  void WriteBoolean(bool value);
  void WriteChar(char value);

  void DefineProperty(const std::string& name, const TReaderProc& readData,
                      const TWriterProc& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;

 private:
  TFormObject WriteComponent(TComponent* component);
  void WriteProperties(TPersistent* instance, const std::string& prefix,
                       std::vector<TFormProperty>& out);
  void WriteProperty(TPersistent* instance, PPropInfo info, const std::string& prefix,
                     std::vector<TFormProperty>& out);
  std::string ReferenceName(TComponent* component) const;
  void AddValue(TFormValue value);

  std::string FText;
  // Where DefineProperties output goes while a write procedure runs.
  std::vector<TFormProperty>* FDefinedOut = nullptr;
  std::string FDefinedPrefix;
  std::vector<TFormValue> FValueStack;
  int FOpenLists = 0;
};
