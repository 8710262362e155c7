#pragma once

#include <filesystem>
#include <string_view>

// Where an installed copy keeps the files that the framework reads at run time. The directories
// are found from the location of the framework library itself, so a copy installed under any
// prefix (or moved there as a whole) finds its own files. A build tree has none of them: the
// functions then return an empty path and callers do without.

// The file of the loaded framework library; empty when the loader cannot tell.
std::filesystem::path GetFrameworkLibraryFile();
// share/vellmark of the installed copy: data such as fonts/, for every program of the framework.
std::filesystem::path GetInstalledDataDir();
// lib/vellmark of the installed copy: design packages, such as the IDE add-in.
std::filesystem::path GetInstalledPackageDir();

// The directory that relativePath (from the library's directory to the wanted directory, as
// the build computed it) names for libraryFile, symbolic links resolved; empty when either
// path is empty or the directory does not exist.
std::filesystem::path ResolveInstallDir(const std::filesystem::path& libraryFile,
                                        std::string_view relativePath);
