#pragma once

#include <string_view>

#include "controls/ControlMessages.h"

namespace Detail {
// Answers WM_GETTEXT with text: copies as much as the buffer holds, with its terminator, and
// sets the result to the characters copied. A missing or empty buffer gets nothing.
void AnswerGetText(std::string_view text, TWMGetText& message);
}  // namespace Detail
