#pragma once

#include <string_view>

#include "streaming/Stream.h"

// A read-only stream over a resource embedded in a module.
class TResourceStream : public TStream {
  DECLARE_CLASS(TResourceStream, TStream);

 public:
  // Raises EResNotFound "Resource NAME not found in module M" when the module lacks it.
  TResourceStream(const TModule& module, std::string_view name);

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t GetSize() override { return static_cast<int64_t>(FSize); }

 private:
  const unsigned char* FData;
  size_t FSize;
  size_t FPosition = 0;
};

// Reads the form file stored as resource resourceName of instance's class module into instance.
// Returns false when the module has no such resource.
bool ReadComponentRes(std::string_view resourceName, TComponent* instance);
// The nearest class from aClass up (stopping before rootAncestor) whose module stores a form
// file named after it (such as TFORMDEBUG), or null.
TClass FindStoredFormClass(TClass aClass, TClass rootAncestor = nullptr);
// The stored form of formClass (text or binary), or empty when there is none.
std::string_view StoredFormData(TClass formClass);
// Reads the stored form of the nearest class from instance's class up (stopping before
// rootAncestor) into instance; false when there is none. An inherited stored form first gets
// its ancestors' forms (see TReader).
bool InitInheritedComponent(TComponent* instance, TClass rootAncestor);
