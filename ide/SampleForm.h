#pragma once

#include <string>

// The form the IDE designs when no form file is named: a small customer dialog stored as a form
// file, so that it is opened like any other.
const std::string& SampleFormText();
