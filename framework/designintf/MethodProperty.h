#pragma once

#include <string>

#include "designintf/PropertyEditor.h"

// Events, by the names of their handlers. The designer names handlers, lists those that fit
// the event and creates a handler for a new name.
class TMethodProperty : public TPropertyEditor {
  DECLARE_CLASS(TMethodProperty, TPropertyEditor);

 public:
  TMethodProperty() = default;

  // Gives the event a handler named after the component and the event (Button1Click) when it
  // has none, then asks the designer to show the handler.
  void Edit() override;
  TPropertyAttributes GetAttributes() override;
  int GetEditLimit() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  // Empty text removes the handler. A new name for an existing handler of the selection renames
  // it (unless an ancestor form declares it or another handler has that name); otherwise the
  // designer creates or finds the handler, and shows it when it is new. Raises EPropertyError,
  // changing nothing, for a name that is no identifier, without a designer, for a handler whose
  // parameters do not fit the event, when the designer provides no method for the name (the
  // stand-alone designer creates none) and when it did not carry out a rename.
  void SetValue(const std::string& value) override;

 private:
  void AssignHandler(const std::string& name, bool showNew);
  bool ShouldRename(const std::string& current, const std::string& name);
  std::string DefaultHandlerName();
  void CheckSignature(const TMethod& method, const std::string& name) const;
};
