#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "streaming/Filer.h"
#include "streaming/FormTree.h"

// Reads a text form file into components.
//
// The whole text is parsed first, so a syntax error changes nothing. Then the tree is built:
// each object's class is found (among the classes of the root's published fields, then in the
// class registry) and created with the child owner and parent that its enclosing component
// names (GetChildOwner, GetChildParent); every component read is in the loading and reading
// states meanwhile. Component references and event handlers are resolved against the root once
// the tree is complete, then Loaded runs on every component read, root first. Any error raises
// EReadError naming the line and the property; the components created so far are freed, so
// nothing outside them changes.
class TReader : public TFiler {
  DECLARE_CLASS(TReader, TFiler);

 public:
  explicit TReader(std::string text);
  ~TReader() override;

  // Reads the form into root, or into a new component of the form's class when root is null;
  // returns the root.
  TComponent* ReadRootComponent(TComponent* root);

  // Value routines for DefineProperty read procedures. Each reads the next value, raising
  // EReadError when it has another type.
  bool EndOfList() const;
  void ReadListBegin();
  void ReadListEnd();
  std::string ReadString();
  std::string ReadIdent();
  int64_t ReadInteger();
  double ReadFloat();
  bool ReadBoolean();
  char ReadChar();
  TFormValueKind NextValue() const;

  void DefineProperty(const std::string& name, const TReaderProc& readData,
                      const TWriterProc& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;

  // A component that form files from other modules may name by its name alone, such as the
  // forms of the screen; the host registers one lookup.
  using TFindGlobalComponent = TComponent* (*)(std::string_view name);
  static void SetFindGlobalComponent(TFindGlobalComponent lookup);

 private:
  struct TFixup;
  struct TValueCursor;

  TClass FindComponentClass(const TFormObject& object) const;
  void ReadComponentBody(TComponent* component, const TFormObject& object);
  void ReadChild(TComponent* parent, const TFormObject& object);
  void ReadProperty(TComponent* component, const TFormProperty& property);
  void ReadPropValue(TObject* instance, PPropInfo info, const TFormValue& value);
  void ReadDefinedProperty(TPersistent* instance, const std::string& name, const TFormValue& value);
  void ResolveFixups();
  TComponent* FindReferencedComponent(const std::string& name) const;
  const TFormValue& CurrentValue(const char* expected) const;
  void Advance();
  void Watch(TComponent* component);
  void CleanUp();
  [[noreturn]] void PropertyError(const std::string& message) const;

  std::string FText;
  std::vector<TComponent*> FCreated;
  std::vector<TComponent*> FLoaded;
  std::vector<TFixup> FFixups;
  // Keeps FCreated and FLoaded free of components destroyed while reading.
  std::unique_ptr<TComponent> FWatch;
  bool FRootCreated = false;
  // The property being read, for messages.
  std::string FPropPath;
  int FPropLine = 0;
  // DefineProperties of the instance being read: the procedure of the property sought.
  std::string FDefinedName;
  bool FDefinedFound = false;
  std::vector<TValueCursor> FCursor;
  const TFormValue* FDefinedValue = nullptr;
};
