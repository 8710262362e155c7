#pragma once

#include <string>

#include "streaming/FormTree.h"

// The text of a form file: two spaces of indentation per level, lists, collections and binary
// data over several lines, strings quoted with control characters as #n, infinities and NaN as
// +INF, -INF and +NAN. The parser reads it back to the same tree.
std::string PrintForm(const TFormObject& root);
// The text of one value as it stands after "Name = " at the given indentation.
std::string PrintFormValue(const TFormValue& value, int indent);
// A value on one line for messages, shortened when long: {0A1B2C...}, ('a' 'b').
std::string BriefFormValue(const TFormValue& value);
