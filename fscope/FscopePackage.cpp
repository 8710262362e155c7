// What a host IDE finds by name in the loaded fscope package.

#include "FscopeUnit.h"

extern "C" void RegisterFscopePackage() {
  RegisterFscope();
}

extern "C" const char* FscopePackageDescription() {
  return "Formscope";
}
