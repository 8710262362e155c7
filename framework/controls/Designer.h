#pragma once

#include <string>

#include "core/Component.h"

class TControl;
struct TMessage;

// What a form asks of the designer that edits it: the part of a form designer the control
// layer calls. The design-time machinery above (TFormDesigner) builds on it; a form holds one
// while it is designed.
class TDesigner : public TObject {
  DECLARE_CLASS(TDesigner, TObject);

 public:
  // Called for each message sent to a control of the form while it is designed; true when the
  // designer handled it and the control must not.
  virtual bool IsDesignMsg(TControl* sender, TMessage& message) = 0;
  // Called after a property editor or the inspector changed the form.
  virtual void Modified() = 0;
  // Called when a component joins (opInsert) or leaves (opRemove) the form.
  virtual void Notification(TComponent* component, TOperation operation) = 0;
  // Paints the alignment grid of the form while it is designed.
  virtual void PaintGrid() = 0;
  // Called before component is renamed; raises an exception to refuse the new name.
  virtual void ValidateRename(TComponent* component, const std::string& curName,
                              const std::string& newName) = 0;

 protected:
  TDesigner() = default;
};
