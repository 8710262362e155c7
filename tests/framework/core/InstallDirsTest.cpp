#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/InstallDirs.h"

namespace fs = std::filesystem;

namespace {
// An installed layout in a temporary folder: <root>/prefix/lib/libdemo.so.0,
// <root>/prefix/share/vellmark/ and <root>/prefix/lib/vellmark/.
class InstallDirsTest : public testing::Test {
 protected:
  void SetUp() override {
    Root = fs::path(testing::TempDir()) / ("install-dirs-" + std::to_string(::getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root / "prefix/lib/vellmark");
    fs::create_directories(Root / "prefix/share/vellmark/fonts");
    std::ofstream(Root / "prefix/lib/libdemo.so.0") << "not really a library";
  }
  void TearDown() override { fs::remove_all(Root); }

  fs::path Library() const { return Root / "prefix/lib/libdemo.so.0"; }
  fs::path Real(const char* path) const { return fs::canonical(Root / path); }

  fs::path Root;
};
}  // namespace

TEST_F(InstallDirsTest, FindsDirectoriesRelativeToTheLibrary) {
  EXPECT_EQ(ResolveInstallDir(Library(), "../share/vellmark"), Real("prefix/share/vellmark"));
  EXPECT_EQ(ResolveInstallDir(Library(), "vellmark"), Real("prefix/lib/vellmark"));
  EXPECT_EQ(ResolveInstallDir(Library(), "."), Real("prefix/lib"));
  // Moving the whole copy moves what it finds.
  fs::rename(Root / "prefix", Root / "moved");
  EXPECT_EQ(ResolveInstallDir(Root / "moved/lib/libdemo.so.0", "../share/vellmark"),
            Real("moved/share/vellmark"));
}

TEST_F(InstallDirsTest, FollowsALinkToTheLibraryToItsRealFolder) {
  fs::create_directories(Root / "elsewhere");
  fs::create_symlink(Library(), Root / "elsewhere/libdemo.so");
  EXPECT_EQ(ResolveInstallDir(Root / "elsewhere/libdemo.so", "../share/vellmark"),
            Real("prefix/share/vellmark"));
}

TEST_F(InstallDirsTest, GivesNothingForWhatIsNotThere) {
  EXPECT_TRUE(ResolveInstallDir(Library(), "../share/absent").empty());
  EXPECT_TRUE(ResolveInstallDir(Library(), "").empty());
  EXPECT_TRUE(ResolveInstallDir("", "../share/vellmark").empty());
  EXPECT_TRUE(ResolveInstallDir(Root / "prefix/lib/absent.so", "../share/vellmark").empty());
  // A file where a directory is expected is not a directory.
  std::ofstream(Root / "prefix/lib/notes") << "a file";
  EXPECT_TRUE(ResolveInstallDir(Library(), "notes").empty());
}

TEST(InstallDirsOfThisBuild, TheFrameworkKnowsItsLibraryAndABuildTreeHasNoInstalledFiles) {
  const fs::path library = GetFrameworkLibraryFile();
  ASSERT_FALSE(library.empty());
  EXPECT_TRUE(fs::is_regular_file(library));
  EXPECT_TRUE(library.filename().string().starts_with("libvellmark-framework.so")) << library;
  // The tests run from the build tree, which is not an installed layout.
  EXPECT_TRUE(GetInstalledDataDir().empty()) << GetInstalledDataDir();
  EXPECT_TRUE(GetInstalledPackageDir().empty()) << GetInstalledPackageDir();
}
