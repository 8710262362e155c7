#include "core/InstallDirs.h"

#include <dlfcn.h>

#include <system_error>

// The build defines VM_DATA_DIR_FROM_LIBRARY and VM_PACKAGE_DIR_FROM_LIBRARY from the install
// layout: the paths from the library's directory to share/vellmark and to lib/vellmark.

namespace fs = std::filesystem;

fs::path GetFrameworkLibraryFile() {
  Dl_info info{};
  // Any function of this library tells the loader which file it came from.
  if (dladdr(reinterpret_cast<const void*>(&GetFrameworkLibraryFile), &info) == 0 ||
      !info.dli_fname || !*info.dli_fname)
    return {};
  std::error_code error;
  fs::path file = fs::canonical(info.dli_fname, error);
  return error ? fs::path() : file;
}

fs::path ResolveInstallDir(const fs::path& libraryFile, std::string_view relativePath) {
  if (libraryFile.empty() || relativePath.empty()) return {};
  std::error_code error;
  const fs::path library = fs::canonical(libraryFile, error);
  if (error) return {};
  const fs::path dir = fs::canonical(library.parent_path() / fs::path(relativePath), error);
  if (error || !fs::is_directory(dir, error)) return {};
  return dir;
}

fs::path GetInstalledDataDir() {
  return ResolveInstallDir(GetFrameworkLibraryFile(), VM_DATA_DIR_FROM_LIBRARY);
}

fs::path GetInstalledPackageDir() {
  return ResolveInstallDir(GetFrameworkLibraryFile(), VM_PACKAGE_DIR_FROM_LIBRARY);
}
