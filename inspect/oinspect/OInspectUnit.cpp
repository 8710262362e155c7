#include "oinspect/OInspectUnit.h"

#include "core/ClassRegistry.h"
#include "designintf/ComponentPalette.h"
#include "designintf/PropertyEditorRegistry.h"
#include "oinspect/ObjectInspector.h"

void StartOInspectUnit() {
  RegisterPropertyEditor(TDummyType::StaticClass()->GetTypeInfo(), nullptr, "", nullptr);
  // Form files name the inspector in programs too, not only where an IDE registered it.
  RegisterClass(TObjectInspector::StaticClass());
}

void StopOInspectUnit() {
  UnregisterComponents({TObjectInspector::StaticClass()});
  UnRegisterClass(TObjectInspector::StaticClass());
}

void RegisterOInspect() {
  RegisterComponents("Vellmark", {TObjectInspector::StaticClass()});
}
