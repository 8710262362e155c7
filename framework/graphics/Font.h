#pragma once

#include <cstdint>

#include "core/Set.h"
#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"
#include "types/WinTypes.h"

DECLARE_STRING_TYPE(TFontName)

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
PUBLISHED_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
PUBLISHED_SET(TFontStyles, TFontStyle)

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };
PUBLISHED_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)

// A font as controls and canvases describe it: family name, size, style, colour and pitch.
// Height is in pixels (negative: the character height without internal leading, as the
// platform counts it); Size is in points at the font's pixels per inch, and the two follow each
// other. The font handle is made when first asked for and again after each change.
class TFont : public TGraphicsObject {
  DECLARE_CLASS(TFont, TGraphicsObject);

 public:
  TFont();
  ~TFont() override;

  // Copies another font's properties (one change notification); other sources as TPersistent.
  void Assign(TPersistent* source) override;

  const TFontName& GetName() const { return FName; }
  void SetName(const TFontName& value);
  int32_t GetHeight() const { return FHeight; }
  void SetHeight(int32_t value);
  int32_t GetSize() const;
  void SetSize(int32_t value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  TFontPitch GetPitch() const { return FPitch; }
  void SetPitch(TFontPitch value);
  int32_t GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t value);

  // The platform font of the current properties (owned by the font).
  HFONT GetHandle();
  // Takes the properties of a platform font.
  void SetHandle(HFONT value);

 protected:
  void Changed() override;

 private:
  void FreeHandle();

  TFontName FName;
  int32_t FHeight;
  TFontStyles FStyle;
  TColor FColor;
  TFontPitch FPitch = fpDefault;
  int32_t FPixelsPerInch = 96;
  HFONT FHandle = nullptr;
};
