#pragma once

#include <string>

class TSurface;

// Writes surface as an 8-bit RGB PNG file; false (with reason set) when the file cannot be
// written.
bool SavePng(const TSurface& surface, const std::string& fileName, std::string* reason = nullptr);
