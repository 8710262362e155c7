#include "EditTestSupport.h"

#include "core/Utf8.h"
#include "winsys/WinUser.h"

namespace ControlTest {

std::string ShowSelection(TCustomEdit* edit) {
  DWORD start = 0;
  DWORD end = 0;
  edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  std::string text = edit->GetText();
  const size_t from = Utf8OffsetOfIndex(text, start);
  const size_t to = Utf8OffsetOfIndex(text, end);
  if (from == to) return text.insert(from, "|");
  return text.insert(to, "]").insert(from, "[");
}

void LoadSelection(TCustomEdit* edit, std::string marked) {
  const size_t caretMark = marked.find('|');
  const size_t anchorMark = marked.find('^');
  size_t caret = caretMark;
  size_t anchor = caretMark;
  if (anchorMark != std::string::npos) {
    anchor = anchorMark < caretMark ? anchorMark : anchorMark - 1;
    caret = anchorMark < caretMark ? caretMark - 1 : caretMark;
    marked.erase(anchorMark, 1);
  }
  marked.erase(marked.find('|'), 1);
  edit->SetText(marked);
  edit->Perform(EM_SETSEL, Utf8IndexOfOffset(marked, anchor),
                static_cast<LPARAM>(Utf8IndexOfOffset(marked, caret)));
}

}  // namespace ControlTest
