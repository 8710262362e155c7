#pragma once

#include "core/Method.h"
#include "core/Persistent.h"

// The base of the drawing tools a canvas holds (font, pen, brush): a persistent object whose
// every change is reported through OnChange, so that the canvas selects it again.
class TGraphicsObject : public TPersistent {
  DECLARE_CLASS(TGraphicsObject, TPersistent);

 public:
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }

 protected:
  TGraphicsObject() = default;
  // Called after every change of a property; the default fires OnChange.
  virtual void Changed();

 private:
  TNotifyEvent FOnChange;
};
