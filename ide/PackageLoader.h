#pragma once

#include <string>
#include <vector>

class TIExpert;

// One design package the IDE knows: a shared library with two C entry points.
struct TPackageInfo {
  std::string Id;                 // shown to the user: "inspect", "fscope"
  std::string FileName;           // the library's file name, looked up in the search folders
  std::string RegisterSymbol;     // extern "C" void (); runs the package's registrations
  std::string DescriptionSymbol;  // extern "C" const char* (); the package's description
};

// One package as the loader found it.
struct TLoadedPackage {
  TPackageInfo Info;
  std::string Path;                // where it was loaded from; empty when it was not found
  std::string Description;         // what the package says about itself
  std::string Error;               // why it could not be loaded or registered; empty when it was
  void* Handle = nullptr;          // the dlopen handle while loaded
  std::vector<TIExpert*> Experts;  // the experts its registration handed to the IDE (owned)
};

// Maps design packages into the process in table order and runs their registrations, collecting
// the experts each one hands to RegisterLibraryExpert. Unload (or destruction) releases each
// package's experts and then closes the packages in reverse order, so that their shut-downs run
// in reverse too. A package that cannot be found, opened or registered is kept in the list
// with its error; the others load regardless.
class TPackageLoader {
 public:
  TPackageLoader(std::vector<TPackageInfo> packages, std::vector<std::string> searchFolders);
  ~TPackageLoader();
  TPackageLoader(const TPackageLoader&) = delete;
  TPackageLoader& operator=(const TPackageLoader&) = delete;

  // The IDE's own packages, inspect then fscope.
  static std::vector<TPackageInfo> StandardPackages();
  // Where the IDE's packages live relative to the running program: its own folder (a build
  // tree), then ../lib and ../lib/vellmark (an installed copy).
  static std::vector<std::string> StandardSearchFolders();

  // Loads every package not loaded yet; returns how many are loaded afterwards.
  int Load();
  // Releases the experts and closes the packages, last loaded first.
  void Unload();

  const std::vector<TLoadedPackage>& GetPackages() const { return FPackages; }
  // The errors of the packages that failed, one line each ("fscope: ...").
  std::vector<std::string> Errors() const;

 private:
  void LoadPackage(TLoadedPackage& package);
  std::string FindLibrary(const std::string& fileName) const;
  static void ReleaseExperts(TLoadedPackage& package);

  std::vector<TLoadedPackage> FPackages;
  std::vector<std::string> FSearchFolders;
};
