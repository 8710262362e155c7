#include "toolsapi/ExpertIntf.h"

#include "core/Exception.h"

namespace {
TLibraryExpertProc& LibraryExpertProc() {
  static TLibraryExpertProc proc;
  return proc;
}

[[noreturn]] void AbstractCalled(const char* operation) {
  throw EAbstractError(std::string("Abstract error: the expert does not implement ") + operation);
}
}  // namespace

std::string TIExpert::GetAuthor() {
  AbstractCalled("GetAuthor");
}

std::string TIExpert::GetComment() {
  AbstractCalled("GetComment");
}

std::string TIExpert::GetPage() {
  AbstractCalled("GetPage");
}

HICON TIExpert::GetGlyph() {
  AbstractCalled("GetGlyph");
}

void RegisterLibraryExpert(TIExpert* expert) {
  if (!expert) return;
  const TLibraryExpertProc& proc = LibraryExpertProc();
  if (!proc) {
    const std::string name = expert->GetName();
    expert->Release();
    throw EInvalidOperation("Cannot register the expert \"" + name +
                            "\": no IDE is running to receive it");
  }
  proc(expert);
}

void SetLibraryExpertProc(TLibraryExpertProc proc) {
  LibraryExpertProc() = std::move(proc);
}
