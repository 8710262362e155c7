#pragma once

#include <cstdint>
#include <string_view>

#include "graphics/Canvas.h"
#include "graphics/Color.h"
#include "graphics/Graphic.h"
#include "types/WinTypes.h"

class TModule;

enum TPixelFormat : uint8_t {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit,
  pfCustom
};
PUBLISHED_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit,
               pfCustom)

enum TTransparentMode : uint8_t { tmAuto, tmFixed };
PUBLISHED_ENUM(TTransparentMode, tmAuto, tmFixed)

// A picture held as pixels, with a canvas to draw on it. The pixels are kept at 32 bits;
// PixelFormat says how they are written to files. A transparent bitmap leaves the pixels of
// its transparent colour out when drawn; that colour is the bottom-left pixel's unless fixed.
// In form files the picture is streamed as the binary property Data (the BMP file).
class TBitmap : public TGraphic {
  DECLARE_CLASS(TBitmap, TGraphic);

 public:
  TBitmap();
  ~TBitmap() override;

  // Copies another bitmap's picture and settings; null empties this one.
  void Assign(TPersistent* source) override;

  int GetWidth() const override { return FWidth; }
  void SetWidth(int value) override { SetSize(value, FHeight); }
  int GetHeight() const override { return FHeight; }
  void SetHeight(int value) override { SetSize(FWidth, value); }
  // New dimensions; the part of the picture that still fits is kept, the rest is black.
  void SetSize(int width, int height);
  bool Empty() const override { return FWidth == 0 || FHeight == 0; }
  TPixelFormat GetPixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat value);

  TColor GetTransparentColor() const;
  void SetTransparentColor(TColor value);
  TTransparentMode GetTransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode value);

  // A canvas drawing on the bitmap (owned by the bitmap).
  TCanvas* GetCanvas();
  // The platform bitmap (owned by the bitmap); null while empty.
  HBITMAP GetHandle() const { return FHandle; }
  // Row y of the pixels (0x00RRGGBB); null outside the picture.
  uint32_t* ScanLine(int y);

  void Draw(TCanvas* canvas, const TRect& rect) override;
  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;
  // Reads the BMP resource name of module; raises EResNotFound when it has none.
  void LoadFromResourceName(const TModule& module, std::string_view name);

 protected:
  void DefineProperties(TFiler* filer) override;
  void Changed() override;

 private:
  class TBitmapCanvas;
  void ReadData(TStream* stream);
  void WriteData(TStream* stream);
  void DrawTransparent(TCanvas* canvas, const TRect& rect);
  void ReleaseCanvasHandle();

  int FWidth = 0;
  int FHeight = 0;
  HBITMAP FHandle = nullptr;
  TPixelFormat FPixelFormat = pfDevice;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  TBitmapCanvas* FCanvas = nullptr;
};
