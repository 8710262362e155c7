#include "InspectorForm.h"

#include "IDEDesigner.h"
#include "designintf/ComponentList.h"
#include "oinspect/ObjectInspector.h"

IMPLEMENT_CLASS(TInspectorForm) {}

TInspectorForm::TInspectorForm(TComponent* owner)
    : TForm(owner), FInspector(new TObjectInspector(this)) {
  SetName("ObjectInspectorForm");
  SetCaption("Object Inspector");
  SetBounds(0, 116, 300, 560);
  FInspector->SetName("Inspector");
  FInspector->SetParent(this);
  FInspector->SetAlign(alClient);
  FInspector->SetFixedColWidth(120);
}

void TInspectorForm::ShowSelection(TIDEDesigner* designer) {
  if (!designer || designer->GetSelection().empty()) {
    FInspector->SetControl(nullptr);
    return;
  }
  TComponentList list;
  for (TComponent* component : designer->GetSelection())
    list.Add(component);
  FInspector->SetControls(&list);
}

void TInspectorForm::RefreshValues() {
  FInspector->Invalidate();
}
