#pragma once

#include <cstdint>

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"
#include "types/WinTypes.h"

enum TPenStyle : uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};
PUBLISHED_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

// How the pen's colour combines with what is there (the mix modes of SetROP2).
enum TPenMode : uint8_t {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
PUBLISHED_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot,
               pmMaskPenNot, pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask,
               pmXor, pmNotXor)

// The pen of a canvas: colour, width, style and mix mode. Its handle is made on demand.
class TPen : public TGraphicsObject {
  DECLARE_CLASS(TPen, TGraphicsObject);

 public:
  TPen() = default;
  ~TPen() override;

  void Assign(TPersistent* source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle value);
  TPenMode GetMode() const { return FMode; }
  void SetMode(TPenMode value);

  HPEN GetHandle();
  // The R2_* mix mode of Mode.
  int GetRop2() const;

 protected:
  void Changed() override;

 private:
  void FreeHandle();

  TColor FColor = clBlack;
  int32_t FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
  HPEN FHandle = nullptr;
};
