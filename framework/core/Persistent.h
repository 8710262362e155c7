#pragma once

#include <string>

#include "core/Object.h"
#include "rtti/MetaClass.h"

// An object that can copy itself from another (Assign) and be written to and read from form
// files: its published properties, and what DefineProperties adds.
class TPersistent : public TObject {
  DECLARE_CLASS(TPersistent, TObject);

 public:
  TPersistent() = default;

  // Copies source into this object. The default asks source to do it (AssignTo); a pair of
  // classes that neither side supports raises EConvertError "Cannot assign a TFoo to a TBar".
  virtual void Assign(TPersistent* source);
  // The name of the object as designers and messages show it: the owner's path, a dot, and
  // the class name; components answer with their name.
  virtual std::string GetNamePath() const;
  // The object that owns this one for naming purposes, or null.
  virtual TPersistent* GetOwner() const { return nullptr; }

 protected:
  // Copies this object into dest; the default raises the assignment error.
  virtual void AssignTo(TPersistent* dest);
  // Adds properties that are streamed without being published (through filer's DefineProperty
  // and DefineBinaryProperty).
  virtual void DefineProperties(TFiler* filer) {}

  [[noreturn]] void AssignError(TPersistent* source);

  friend class TReader;
  friend class TWriter;
};
