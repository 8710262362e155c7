// Expanding and collapsing rows: sub-properties are gathered from a row's editor when it is
// expanded (GetPropEdit with ParentRow set) and released when it is collapsed.
//
// Not built yet: rows stay as the rebuild made them. ExpandAuto has nothing to do while no
// alias marks a row to expand; ExpandAll, DoPlusMinus and CollapseAll are where expansion goes.
#include "oinspect/ObjectInspector.h"

void TCustomObjectInspector::SetExpandMode(TExpandMode value) {
  if (value == FExpandMode) return;
  FExpandMode = value;
  if (value == AlwaysExpand) ExpandAll();
}

void TCustomObjectInspector::DoPlusMinus(int32_t) {}

void TCustomObjectInspector::ExpandAll() {}

void TCustomObjectInspector::ExpandAuto() {}

void TCustomObjectInspector::CollapseAll() {}
