#pragma once

#include <cstdint>

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"
#include "types/WinTypes.h"

enum TBrushStyle : uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};
PUBLISHED_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
               bsCross, bsDiagCross)

// The brush of a canvas: a colour and a fill style. bsClear paints nothing (and makes text
// and dotted lines transparent on a canvas).
class TBrush : public TGraphicsObject {
  DECLARE_CLASS(TBrush, TGraphicsObject);

 public:
  TBrush() = default;
  ~TBrush() override;

  void Assign(TPersistent* source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle value);

  HBRUSH GetHandle();

 protected:
  void Changed() override;

 private:
  void FreeHandle();

  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  HBRUSH FHandle = nullptr;
};
