#include "vxedit/TextMessages.h"

#include <algorithm>
#include <cstring>

namespace Detail {
void AnswerGetText(std::string_view text, TWMGetText& message) {
  message.Result = 0;
  char* buffer = message.Text();
  if (!buffer || message.TextMax() <= 0) return;
  const size_t count = std::min(text.size(), static_cast<size_t>(message.TextMax() - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  message.Result = static_cast<LRESULT>(count);
}
}  // namespace Detail
