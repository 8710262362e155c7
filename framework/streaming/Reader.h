#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/Set.h"
#include "streaming/Filer.h"
#include "streaming/FormTree.h"

class TCollection;
class TCollectionItem;

enum TReaderOption : uint8_t {
  // Leave out what the program does not know, and list it (GetSkipped) instead of failing:
  // properties that no class publishes or defines, objects of unregistered classes (with what
  // they contain), events naming methods the root lacks, references to components that cannot
  // be found, inherited objects missing from the ancestor (read as new ones), missing stored
  // forms, and a root class that is not registered (the form is read into the given root).
  // Invalid values stay read errors.
  roSkipUnknown
};
using TReaderOptions = TSet<TReaderOption>;

// What a reader with roSkipUnknown left out or read otherwise than the file says.
struct TSkippedItem {
  int Line = 0;  // the line of a text file, the byte offset of a binary one
  std::string Path;
  std::string Reason;
};

// Reads a form file, text or binary, into components.
//
// The whole file is parsed first, so a syntax error changes nothing. Then the tree is built:
// each object's class is found (among the classes of the root's published fields, then in the
// class registry) and created with the child owner and parent that its enclosing component
// names (GetChildOwner, GetChildParent); every component read is in the loading and reading
// states meanwhile. An inherited root first gets the stored form of its nearest ancestor class
// that has one (a module resource named after the class, text or binary, itself possibly
// inherited), and the file then holds the differences: inherited objects are the ancestor's
// components, found by name. An inline object is a frame: it is created, gets its own class's
// stored form, then the differences. A child position ([n]) goes to the parent's
// SetChildOrder. Component references and event handlers are resolved once the tree is
// complete (events against the root, or the frame for a frame's own form), then Loaded runs on
// every component read, root first.
//
// Any error raises EReadError naming the line (or byte offset) and the property path, also for
// exceptions of any kind raised by setters, constructors and Loaded. Nothing outside the
// components created by the read changes then: they are freed, and an existing root (and the
// existing components and sub-objects the file assigns to) get back their names, property
// values, collections and defined properties.
//
// A designer that opens a stranger's form, whose root class it does not have, reads it into a
// generic root of its own (a TForm, a TDataModule) with roSkipUnknown:
//
//   TReader reader(fileBytes);
//   reader.SetOptions({roSkipUnknown});
//   reader.ReadRootComponent(form);
//   for (const TSkippedItem& item : reader.GetSkipped())
//     ...;  // show item.Line, item.Path, item.Reason
class TReader : public TFiler {
  DECLARE_CLASS(TReader, TFiler);

 public:
  // data is a whole form file, text or binary.
  explicit TReader(std::string data);
  ~TReader() override;

  TReaderOptions GetOptions() const { return FOptions; }
  void SetOptions(TReaderOptions options) { FOptions = options; }
  // What the last ReadRootComponent skipped, in reading order.
  const std::vector<TSkippedItem>& GetSkipped() const { return FSkipped; }

  // Reads the form into root, or into a new component of the form's class when root is null;
  // returns the root. A given root must be of the form's class or a descendant of it, unless
  // roSkipUnknown is set and the form's class is not registered.
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
  struct TContext;
  struct TTarget;
  struct TFixup;
  struct TUndo;
  struct TValueCursor;
  class TSourceScope;

  // Objects (Reader.cpp)
  TClass MatchRootClass(TComponent* root, const TFormObject& tree);
  void ReadAncestorForm(TComponent* root, TClass formClass, const TFormObject& tree);
  void ReadStoredForm(TComponent* component, TClass formClass, const TContext& context, int depth);
  void ReadObjectBody(TComponent* component, const TFormObject& object, const TContext& context);
  void ReadChild(TComponent* parent, const TFormObject& object, const TContext& context);
  TComponent* FindInherited(TComponent* owner, TComponent* parent, const TFormObject& object,
                            const TContext& context);
  TComponent* CreateChild(TClass childClass, TComponent* owner, TComponent* parent,
                          const TFormObject& object);
  TClass FindComponentClass(const TFormObject& object, const TContext& context);
  void CheckField(TComponent* component) const;
  void SetChildPosition(TComponent* parent, TComponent* child, int position,
                        const TContext& context);
  void StartLoading(TComponent* component);
  void FinishLoading();
  bool IsCreated(const TComponent* component) const;
  TTarget TargetOf(TComponent* component) const;

  // Properties and values (ReaderValues.cpp)
  void ReadProperties(const TTarget& target, const std::vector<TFormProperty>& properties);
  void ReadProperty(const TTarget& target, const TFormProperty& property);
  void ReadPropValue(const TTarget& target, PPropInfo info, const TFormValue& value);
  void ReadOrdinal(const TTarget& target, PPropInfo info, const TFormValue& value);
  void ReadCollection(const TTarget& target, PPropInfo info, const TFormValue& value);
  void ReadDefinedProperty(const TTarget& target, const std::string& name, const TFormValue& value);
  bool ApplyDefinedValue(TPersistent* instance, const std::string& name, const TFormValue& value);
  const TFormValue& CurrentValue(const char* expected) const;
  void Advance();

  // References, undo and clean-up (ReaderFixups.cpp)
  void AddFixup(const TTarget& target, PPropInfo info, const std::string& name, bool isMethod);
  // Drops the pending fixup of a property that is given again (a descendant overrides its
  // ancestor's reference).
  void CancelFixup(TObject* instance, PPropInfo info);
  void ResolveFixups();
  void ResolveFixup(const TFixup& fixup);
  TComponent* FindReferencedComponent(const std::string& name, const TContext& context) const;
  void Remember(const TTarget& target, TObject* instance, PPropInfo info);
  void RememberDefined(const TTarget& target, const std::string& name);
  void RememberName(TComponent* component);
  void SnapshotCollection(const TTarget& target, TCollection* collection);
  void ForgetItems(const std::vector<TCollectionItem*>& items);
  void Watch(TComponent* component);
  void ComponentGone(TComponent* component);
  void Commit();
  void CleanUp();

  // Messages
  // Runs action; any exception but a read error becomes one that names the current position.
  void Guarded(const std::function<void()>& action);
  void SetPosition(std::string path, int line);
  std::string PositionText(int line) const;
  [[noreturn]] void PropertyError(const std::string& message) const;
  // With roSkipUnknown lists what is skipped and returns true; raises EReadError otherwise.
  bool Skip(const std::string& reason);

  std::string FData;
  TReaderOptions FOptions;
  std::vector<TSkippedItem> FSkipped;
  // The components the read created, in creation order, and those it loads (created or found).
  std::vector<TComponent*> FCreated;
  std::unordered_set<const TComponent*> FCreatedSet;
  std::vector<TComponent*> FLoaded;
  // Where each loaded component's block stands, for messages from Loaded.
  std::unordered_map<const TComponent*, std::pair<std::string, int>> FLoadedAt;
  std::vector<TFixup> FFixups;
  // The pending fixup of each instance's property, by position in FFixups.
  std::map<std::pair<const TObject*, PPropInfo>, size_t> FFixupIndex;
  std::vector<TUndo> FUndo;
  // Existing collections whose items the read has put aside (see TUndo).
  std::unordered_set<const TCollection*> FSnapshotted;
  // Hears of the destruction of the components the read touches, so that it never touches one
  // that a setter or a Loaded handler freed.
  std::unique_ptr<TComponent> FWatch;
  std::vector<TComponent*>* FGoneDuringLoaded = nullptr;
  // Where messages point: the property path and line, and the stored form being read if any.
  std::string FPropPath;
  int FPropLine = 0;
  std::string FSourceName;
  bool FSourceBinary = false;
  // DefineProperties of the instance being read: the procedure of the property sought.
  std::string FDefinedName;
  bool FDefinedFound = false;
  std::vector<TValueCursor> FCursor;
  const TFormValue* FDefinedValue = nullptr;
};
