#pragma once

#include <string>
#include <vector>

// What the test packages did, in order ("start a", "register a", "stop a", ...), shared between
// them and the test that loads them.
std::vector<std::string>& PackageLog();
// When true, the next registration of a test package raises after registering its expert.
bool& FailNextRegistration();
