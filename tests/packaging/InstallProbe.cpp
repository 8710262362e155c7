// Prints what an installed copy of the framework finds out about itself, for the package tests:
// its version, its data and package folders, and whether the font family given as argument is
// available.
#include <algorithm>
#include <cstdio>
#include <string>

#include <vellmark/core/InstallDirs.h>
#include <vellmark/core/SysUtils.h>
#include <vellmark/core/Version.h>
#include <vellmark/graphics/FontList.h>

int main(int argc, char** argv) {
  std::printf("version=%s\n", VELLMARK_VERSION);
  std::printf("data=%s\n", GetInstalledDataDir().c_str());
  std::printf("packages=%s\n", GetInstalledPackageDir().c_str());
  if (argc > 1) {
    const std::string family = argv[1];
    const auto& families = GetFontFamilies();
    const bool found = std::any_of(families.begin(), families.end(),
                                   [&](const std::string& name) { return SameText(name, family); });
    std::printf("font %s=%s\n", family.c_str(), found ? "yes" : "no");
  }
  return 0;
}
