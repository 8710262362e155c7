#include "PackageLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/Exception.h"
#include "toolsapi/ExpertIntf.h"

namespace {
using TRegisterProc = void (*)();
using TDescriptionProc = const char* (*)();

std::string DlError() {
  const char* text = dlerror();
  return text ? text : "unknown error";
}

// Installs the receiver for RegisterLibraryExpert while one package registers, and withdraws it
// afterwards, also when the registration raises.
class TExpertReceiver {
 public:
  explicit TExpertReceiver(std::vector<TIExpert*>& experts) {
    SetLibraryExpertProc([&experts](TIExpert* expert) { experts.push_back(expert); });
  }
  ~TExpertReceiver() { SetLibraryExpertProc(nullptr); }
  TExpertReceiver(const TExpertReceiver&) = delete;
  TExpertReceiver& operator=(const TExpertReceiver&) = delete;
};
}  // namespace

TPackageLoader::TPackageLoader(std::vector<TPackageInfo> packages,
                               std::vector<std::string> searchFolders)
    : FSearchFolders(std::move(searchFolders)) {
  for (TPackageInfo& info : packages) {
    TLoadedPackage package;
    package.Info = std::move(info);
    FPackages.push_back(std::move(package));
  }
}

TPackageLoader::~TPackageLoader() {
  Unload();
}

std::vector<TPackageInfo> TPackageLoader::StandardPackages() {
  return {
      {"inspect", VM_INSPECT_PACKAGE_FILE, "RegisterInspectPackage", "InspectPackageDescription"},
      {"fscope", VM_FSCOPE_PACKAGE_FILE, "RegisterFscopePackage", "FscopePackageDescription"},
  };
}

std::vector<std::string> TPackageLoader::StandardSearchFolders() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::filesystem::path folder = program.parent_path();
  return {folder.string(), (folder / ".." / "lib").lexically_normal().string(),
          (folder / ".." / "lib" / "vellmark").lexically_normal().string()};
}

int TPackageLoader::Load() {
  int loaded = 0;
  for (TLoadedPackage& package : FPackages) {
    if (!package.Handle) LoadPackage(package);
    if (package.Handle) ++loaded;
  }
  return loaded;
}

void TPackageLoader::LoadPackage(TLoadedPackage& package) {
  package.Error.clear();
  package.Path = FindLibrary(package.Info.FileName);
  if (package.Path.empty()) {
    package.Error = "cannot find " + package.Info.FileName;
    return;
  }
  void* handle = dlopen(package.Path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    package.Error = "cannot load " + package.Path + ": " + DlError();
    return;
  }
  auto registerProc =
      reinterpret_cast<TRegisterProc>(dlsym(handle, package.Info.RegisterSymbol.c_str()));
  if (!registerProc) {
    package.Error = package.Path + " has no entry point " + package.Info.RegisterSymbol;
    dlclose(handle);
    return;
  }
  package.Handle = handle;
  if (auto describe = reinterpret_cast<TDescriptionProc>(
          dlsym(handle, package.Info.DescriptionSymbol.c_str()))) {
    const char* description = describe();
    package.Description = description ? description : "";
  }
  // A package whose registration fails stays loaded with what it registered so far: its
  // classes may already be in the registries.
  try {
    TExpertReceiver receiver(package.Experts);
    registerProc();
  } catch (const Exception& e) {
    package.Error = "registration failed: " + e.GetMessage();
  } catch (const std::exception& e) {
    package.Error = std::string("registration failed: ") + e.what();
  }
}

std::string TPackageLoader::FindLibrary(const std::string& fileName) const {
  for (const std::string& folder : FSearchFolders) {
    const std::filesystem::path candidate = std::filesystem::path(folder) / fileName;
    if (access(candidate.c_str(), R_OK) == 0) return candidate.string();
  }
  return {};
}

void TPackageLoader::Unload() {
  for (auto package = FPackages.rbegin(); package != FPackages.rend(); ++package) {
    ReleaseExperts(*package);
    if (package->Handle) dlclose(std::exchange(package->Handle, nullptr));
  }
}

void TPackageLoader::ReleaseExperts(TLoadedPackage& package) {
  // The last registered goes first, as with the packages.
  while (!package.Experts.empty()) {
    TIExpert* expert = package.Experts.back();
    package.Experts.pop_back();
    expert->Release();
  }
}

std::vector<std::string> TPackageLoader::Errors() const {
  std::vector<std::string> errors;
  for (const TLoadedPackage& package : FPackages)
    if (!package.Error.empty()) errors.push_back(package.Info.Id + ": " + package.Error);
  return errors;
}
