// Feeds arbitrary text to an object inspector as its aliases text, then rebuilds its rows with
// aliases and groups on. A text is either taken or refused with the string list's duplicate
// error; after a refusal the rows built before stay as they were. The rows always agree with
// the grid: as many as its row count, each open group header followed by at least one member, every
// member one level below its header. Anything else (a crash, a leak, another exception) ends
// the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "controls/Form.h"
#include "core/Exception.h"
#include "core/StringList.h"
#include "oinspect/ObjectInspector.h"
#include "winsys/TestDriver.h"

namespace {
[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "aliases fuzzer: %s\n", what);
  std::abort();
}

// A form inspected by an inspector on it, made once for the whole run.
struct TSetting {
  TSetting() {
    Form->SetBounds(0, 0, 400, 400);
    Inspector->SetBounds(0, 0, 300, 380);
    Inspector->SetExpandMode(AutoExpand);
    Inspector->SetControl(Form);
  }
  ~TSetting() { Form->Free(); }
  TTestDriver Driver{640, 480};
  TForm* Form = new TForm(nullptr);
  TObjectInspector* Inspector = new TObjectInspector(Form);
};

void CheckRows(TObjectInspector* inspector) {
  if (inspector->IsEmpty()) return;
  const int32_t count = inspector->GetInfoRecCount();
  if (count != inspector->GetRowCount()) Fail("the row count differs from the rows");
  for (int32_t i = 0; i < count; ++i) {
    const TInfoRec* row = inspector->GetInfoRec(i);
    if (!row->IsGroup) {
      if (!row->PropEdit) Fail("a property row without an editor");
      continue;
    }
    if (row->SubState != ssExpanded) continue;
    if (i + 1 == count || inspector->GetInfoRec(i + 1)->IsGroup) Fail("a group without members");
    if (inspector->GetInfoRec(i + 1)->Level != 1) Fail("a member not one level down");
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TSetting setting;
  TObjectInspector* inspector = setting.Inspector;
  inspector->SetGridOptions({oiUseAliases, oiUseGroups});
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int32_t rowsBefore = inspector->GetInfoRecCount();
  try {
    inspector->GetAliases()->SetText(text);
  } catch (const EStringListError& error) {
    if (error.GetMessage() != "String list does not allow duplicates")
      Fail("a refusal other than the duplicate error");
    if (inspector->GetAliases()->GetUpdateCount() != 0) Fail("the update count was not restored");
    if (inspector->GetInfoRecCount() != rowsBefore) Fail("a refused text rebuilt the rows");
  }
  CheckRows(inspector);
  inspector->ShowInfo();
  CheckRows(inspector);
  inspector->CollapseAll();
  CheckRows(inspector);
  return 0;
}
