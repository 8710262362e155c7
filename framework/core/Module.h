#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
  // resources ends with an entry whose name is null.
  TModule(std::string name, const TModuleResource* resources);
  ~TModule();
  TModule(const TModule&) = delete;
  TModule& operator=(const TModule&) = delete;

  const std::string& GetName() const { return FName; }
  // The resource of that name (any letter case), or null.
  const TModuleResource* FindResource(std::string_view name) const;

  // Every module loaded, in loading order.
  static const std::vector<const TModule*>& GetModules();
  static const TModule* FindModule(std::string_view name);

 private:
  std::string FName;
  const TModuleResource* FResources;
};

// The module of the binary that calls it. The build defines it once per binary (vm_module).
[[gnu::visibility("hidden")]] const TModule& ThisModule();
