// Aliases and groups: the names properties are shown under, and the groups they fall into,
// from the aliases text.
//
// Not built yet beyond what the rows need: ScanAliases leaves the alias table empty, so
// FindAlias finds nothing and group mode lists the rows as they are. The aliases text is kept,
// streamed and reported (AliasesChanged) so that the table can be built from it here.
#include "controls/ControlRef.h"
#include "oinspect/ObjectInspector.h"

void TCustomObjectInspector::ScanAliases() {}

const TPInfo* TCustomObjectInspector::FindAlias(const std::string&) const {
  return nullptr;
}

void TCustomObjectInspector::AliasesChanged(TObject*) {
  TControlRef<TCustomObjectInspector> self(this);
  ScanAliases();
  ShowInfo();
  if (self) Invalidate();
}

void TCustomObjectInspector::SetOtherGroupName(const std::string& value) {
  FOtherGroupName = value;
  TControlRef<TCustomObjectInspector> self(this);
  ScanAliases();
  ShowInfo();
  if (self) Invalidate();
}
