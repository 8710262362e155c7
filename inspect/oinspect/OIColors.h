#pragma once

#include "core/Persistent.h"
#include "graphics/Color.h"
#include "oinspect/InspectorTypes.h"

class TCustomObjectInspector;

// The inspector's colours, streamed with it as a sub-object. Each setter stores a changed value
// and calls Changed, which fires OnChanged; setting a colour to the value it has does nothing.
// The inspector listens to OnChanged to follow BackColor and repaint.
class TOIColors : public TPersistent {
  DECLARE_CLASS(TOIColors, TPersistent);

 public:
  TOIColors() = default;

  // Copies the seven colours of another colour set, then calls Changed once if any differed.
  void Assign(TPersistent* source) override;

  // Background of every cell; the inspector's Color follows it.
  TColor GetBackColor() const { return FBackColor; }
  void SetBackColor(TColor value) { SetColor(FBackColor, value); }
  // Text of the name column.
  TColor GetCol0Color() const { return FCol0Color; }
  void SetCol0Color(TColor value) { SetColor(FCol0Color, value); }
  // Text of the value column.
  TColor GetCol1Color() const { return FCol1Color; }
  void SetCol1Color(TColor value) { SetColor(FCol1Color, value); }
  // The plain line between the columns.
  TColor GetVertLineColor() const { return FVertLineColor; }
  void SetVertLineColor(TColor value) { SetColor(FVertLineColor, value); }
  // The lines between rows.
  TColor GetHorzLineColor() const { return FHorzLineColor; }
  void SetHorzLineColor(TColor value) { SetColor(FHorzLineColor, value); }
  // Text and background of a highlighted name cell.
  TColor GetHighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor value) { SetColor(FHighlightColor, value); }
  TColor GetHighlightBkgnd() const { return FHighlightBkgnd; }
  void SetHighlightBkgnd(TColor value) { SetColor(FHighlightBkgnd, value); }

  TChangedProc GetOnChanged() const { return FOnChanged; }
  void SetOnChanged(TChangedProc value) { FOnChanged = value; }

 protected:
  // Fires OnChanged.
  virtual void Changed();

 private:
  // The looks write the colours straight in, without telling anyone.
  friend class TCustomObjectInspector;

  void SetColor(TColor& field, TColor value);

  TColor FBackColor = clBtnFace;
  TColor FCol0Color = clBlack;
  TColor FCol1Color = clNavy;
  TColor FVertLineColor = clBlack;
  TColor FHorzLineColor = clGray;
  TColor FHighlightColor = clBlack;
  TColor FHighlightBkgnd = clBlack;
  TChangedProc FOnChanged;
};
