#pragma once

#include <string>

#include "controls/Edit.h"

namespace ControlTest {

// An edit's text with its selection as the user sees it: "ab|c" for a caret, "a[bc]" for a
// selection (EM_GETSEL, in characters).
std::string ShowSelection(TCustomEdit* edit);
// Sets an edit's text and selection from "ab|c" or "a^bc|" (anchor '^', caret '|').
void LoadSelection(TCustomEdit* edit, std::string marked);

}  // namespace ControlTest
