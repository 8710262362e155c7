#pragma once

#include <string>
#include <vector>

// The font families installed on this machine (found through fontconfig, plus the built-in
// "System" font), sorted by name without regard to letter case. Read once and kept.
const std::vector<std::string>& GetFontFamilies();
