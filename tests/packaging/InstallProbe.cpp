// Prints what an installed copy of the framework finds out about itself, for the package tests.
#include <cstdio>

#include <vellmark/core/InstallDirs.h>
#include <vellmark/core/Version.h>

int main() {
  std::printf("version=%s\n", VELLMARK_VERSION);
  std::printf("data=%s\n", GetInstalledDataDir().c_str());
  std::printf("packages=%s\n", GetInstalledPackageDir().c_str());
  return 0;
}
