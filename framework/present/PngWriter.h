#pragma once

#include <string>

class TSurface;
class TBitmap;

// Writes surface as an 8-bit RGB PNG file; false (with reason set) when the file cannot be
// written.
bool SavePng(const TSurface& surface, const std::string& fileName, std::string* reason = nullptr);
// The same for the picture of a bitmap, as its canvas has drawn it.
bool SavePng(TBitmap& bitmap, const std::string& fileName, std::string* reason = nullptr);
