#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "streaming/Filer.h"
#include "streaming/FormTree.h"

class TCollection;

// Writes a component tree as a form file, text or binary. The root's block holds its published
// properties in declaration order (those with a setter, and objects held), persistent sub-objects
// as dotted names, collections as
// `< item ... end >`, events by method name, references by component name, then what
// DefineProperties adds, then the blocks of its children as GetChildren lists them; frames
// (components in the csInline state) as inline blocks.
//
// Without an ancestor, a property is left out when it holds its declared default (ordinal and
// set properties), zero (floats), an empty string, an empty collection, no reference or no
// handler of the root. With an ancestor (the component as its class's stored form makes it),
// a property is written when it differs from the ancestor's, whatever its value; components
// the ancestor has are written as inherited blocks, with their position ([n]) where it differs
// from the one reading would give them.
//
// Every value written reads back: enumeration values without a name are written as numbers,
// infinities and NaN as +INF, -INF and +NAN; a set holding an element without a name raises
// EWriteError naming the property.
class TWriter : public TFiler {
  DECLARE_CLASS(TWriter, TFiler);

 public:
  TWriter() = default;

  // Writes root with everything it contains. When an ancestor of root's class has a stored
  // form, root is written as an inherited form that holds what differs from that form.
  void WriteRootComponent(TComponent* root);
  // Writes root as an inherited form holding what differs from ancestor: an instance of an
  // ancestor class of root's as its stored form makes it. A null ancestor writes all of root.
  void WriteDescendent(TComponent* root, TComponent* ancestor);

  // The result as a tree, as text and as a binary form file.
  const TFormObject& GetTree() const { return FTree; }
  const std::string& GetText() const { return FText; }
  std::string GetBinary() const;

  // The object the one being written is compared with, while its DefineProperties runs; null
  // without an ancestor.
  TPersistent* GetAncestor() const { return FAncestor; }

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

  // What instance's DefineProperties writes for the property name, for a reader that has to
  // put it back: Found is false when instance defines no such property, HasData false when it
  // has nothing to write.
  struct TDefinedValue {
    bool Found = false;
    bool Binary = false;
    bool HasData = false;
    TFormValue Value;
  };
  TDefinedValue WriteDefinedProperty(TPersistent* instance, const std::string& name);

 private:
  // What names lead to on either side: references are named relative to Root (the form or a
  // frame), events name handlers of MethodRoot.
  struct TContext {
    TComponent* Root;
    TComponent* MethodRoot;
    TComponent* AncestorRoot;
    TComponent* AncestorMethodRoot;
  };

  // Components (Writer.cpp)
  TFormObject WriteComponent(TComponent* component, TComponent* ancestor, TFormObjectKind kind,
                             const TContext& context);
  void WriteChildren(TComponent* component, TComponent* ancestor, const TContext& context,
                     std::vector<TFormObject>& out);
  TComponent* CreateStoredFormInstance(TClass formClass);

  // Properties (WriterValues.cpp)
  void WriteProperties(TPersistent* instance, TPersistent* ancestor, const std::string& prefix,
                       const TContext& context, std::vector<TFormProperty>& out);
  void WriteProperty(TPersistent* instance, PPropInfo info, TPersistent* ancestor,
                     PPropInfo ancestorInfo, const std::string& prefix, const TContext& context,
                     std::vector<TFormProperty>& out);
  void WriteObjectProperty(TPersistent* instance, PPropInfo info, TPersistent* ancestor,
                           PPropInfo ancestorInfo, const std::string& name, const TContext& context,
                           std::vector<TFormProperty>& out);
  std::optional<TFormValue> PropertyValue(TPersistent* instance, PPropInfo info, TComponent* root,
                                          TComponent* methodRoot) const;
  TFormValue CollectionValue(TCollection* collection, TComponent* root, TComponent* methodRoot);
  void WriteDefinedProperties(TPersistent* instance, TPersistent* ancestor,
                              const std::string& prefix, std::vector<TFormProperty>& out);
  std::vector<TFormProperty> DefinedProperties(TPersistent* instance, TPersistent* ancestor,
                                               const std::string& prefix);
  std::string ReferenceName(TComponent* component, TComponent* root) const;
  void AddValue(TFormValue value);

  TFormObject FTree;
  std::string FText;
  TPersistent* FAncestor = nullptr;
  // Where DefineProperties output goes while a write procedure runs.
  std::vector<TFormProperty>* FDefinedOut = nullptr;
  std::string FDefinedPrefix;
  std::vector<TFormValue> FValueStack;
  int FOpenLists = 0;
  // WriteDefinedProperty: the property sought and what it found.
  const std::string* FCaptureName = nullptr;
  TDefinedValue* FCapture = nullptr;
};
