#pragma once

#include "controls/Form.h"

class TObjectInspector;
class TIDEDesigner;

// The IDE's object inspector window: a TObjectInspector that shows the selection of the
// designer the IDE hands it, through that designer, so that every change made here counts as a
// modification of the designed form.
class TInspectorForm : public TForm {
  DECLARE_CLASS(TInspectorForm, TForm);

 public:
  explicit TInspectorForm(TComponent* owner);

  // Shows designer's selection (null: nothing).
  void ShowSelection(TIDEDesigner* designer);
  // Reads the shown values again (after a modification made elsewhere).
  void RefreshValues();
  TObjectInspector* GetInspector() const { return FInspector; }

 private:
  TObjectInspector* FInspector;
};
