#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Forward.h"

// One embedded resource of a module: a form file or a bitmap, named in the build.
struct TModuleResource {
  const char* Name;
  const unsigned char* Data;
  size_t Size;
};

// A loaded binary (the framework, a package, a program) with the resources embedded in it at
// build time. Each binary that defines framework classes has one; classes know theirs.
class TModule {
 public:
  // resources ends with an entry whose name is null; null means none.
  TModule(std::string name, const TModuleResource* resources);
  ~TModule();
  TModule(const TModule&) = delete;
  TModule& operator=(const TModule&) = delete;

  const std::string& GetName() const { return FName; }
  // The resource of that name (any letter case), or null.
  const TModuleResource* FindResource(std::string_view name) const;

  // The framework classes that this binary defines with IMPLEMENT_CLASS, in the order they were
  // built. Every class is built when its binary is loaded.
  const std::vector<TClass>& GetClasses() const { return FClasses; }
  // Called once by each class of the module as it is built.
  void AddClass(TClass aClass) const;

  // Every module loaded, in loading order.
  static const std::vector<const TModule*>& GetModules();
  static const TModule* FindModule(std::string_view name);

 private:
  std::string FName;
  const TModuleResource* FResources;
  // Grows while the binary's classes are built; modules are otherwise handed out as const.
  mutable std::vector<TClass> FClasses;
};

// The module of the binary that calls it. Each binary defines it once: the build does it for
// the project's own binaries (vm_module in CMake); a program built elsewhere writes
// IMPLEMENT_MODULE("name") in one of its source files.
[[gnu::visibility("hidden")]] const TModule& ThisModule();

// Defines ThisModule() for the binary: IMPLEMENT_MODULE("myprogram"), or with embedded resources
// IMPLEMENT_MODULE_RESOURCES("myprogram", table), where table is a TModuleResource array that
// ends with an entry whose name is null. The module is known as soon as the binary is loaded.
#define IMPLEMENT_MODULE(Name) IMPLEMENT_MODULE_RESOURCES(Name, nullptr)
#define IMPLEMENT_MODULE_RESOURCES(Name, Resources)              \
  const TModule& ThisModule() {                                  \
    static const TModule module(Name, Resources);                \
    return module;                                               \
  }                                                              \
  namespace {                                                    \
  [[maybe_unused]] const TModule& VmModuleAtLoad = ThisModule(); \
  }
