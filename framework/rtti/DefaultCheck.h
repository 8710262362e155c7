#pragma once

#include <string>
#include <vector>

#include "core/Forward.h"

// The declared defaults (PROPERTY(...).Default(v)) that a fresh instance of aClass does not
// hold, one line each: "TButton.Width: declared 75, constructed 80". The writer leaves a value
// equal to the declared default out, so such a property loses that value on a round trip
// through a form file. Classes that cannot be created by reference or declare no defaults give
// no lines; an exception while the instance is made or read is reported as a line too.
std::vector<std::string> FindDefaultMismatches(TClass aClass);
