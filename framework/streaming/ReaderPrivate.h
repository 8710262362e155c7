#pragma once

// The reader's private records, shared by its source files.

#include <functional>
#include <string>
#include <vector>

#include "core/Collection.h"
#include "core/Component.h"
#include "streaming/Reader.h"

// Where names lead while a form or a frame is read.
struct TReader::TContext {
  // Owns the children read (unless a parent names another owner) and is searched first for
  // the components that references name: the form, or an inline frame.
  TComponent* Root;
  // Publishes the methods that events name.
  TComponent* MethodRoot;
};

// The object whose properties are being read.
struct TReader::TTarget {
  // The component the instance is or belongs to.
  TComponent* Holder;
  TPersistent* Instance;
  // For messages: Button1, ListView1.Columns[2].
  std::string Path;
  // The instance existed before the read: what is written to it is undone if the read fails.
  bool Undoable;
  // The collection items made by this read that enclose the instance.
  std::vector<const TCollectionItem*> Items;
  TContext Context;
};

// A reference or an event, resolved when the whole tree is read.
struct TReader::TFixup {
  TTarget Target;
  TObject* Instance;
  PPropInfo Info;
  std::string Name;
  bool IsMethod;
  std::string PropPath;
  int Line;
  bool Dead = false;
};

// Restores something that the read changed on a component that existed before it. Dead when
// Holder is null: the component (or the one Referenced names) went away during the read.
struct TReader::TUndo {
  TComponent* Holder;
  TComponent* Referenced;
  std::function<void()> Restore;
  // Releases what Restore would have needed, once the read succeeds or the entry dies.
  std::function<void()> Discard;
};

struct TReader::TValueCursor {
  const TFormValue* Items;
  size_t Count;
  size_t Position;
};

namespace ReaderDetail {
std::vector<std::string> SplitDotted(const std::string& name);
// The host's lookup of components by global name (SetFindGlobalComponent), or null.
TReader::TFindGlobalComponent& GlobalLookup();
}  // namespace ReaderDetail
