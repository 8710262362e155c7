#pragma once

#include <string>

#include "graphics/RealizedFont.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// A font file rendered by FreeType at one pixel size: grayscale anti-aliased, or crisp
// (one bit per pixel) when antiAliased is false. Bold and italic are synthesised when the face
// lacks them. Metrics follow the platform's rules for outline fonts: the cell height is the
// face's ascent plus descent, and a negative LOGFONT height is the em size.
class TFreeTypeFont : public TRealizedFont {
 public:
  struct TRequest {
    std::string File;
    int FaceIndex = 0;
    std::string Family;
    int Height = 0;  // the LOGFONT height
    bool Bold = false;
    bool Italic = false;
    bool AntiAliased = true;
  };

  // Raises nothing; IsValid tells whether the face could be loaded.
  TFreeTypeFont(FT_LibraryRec_* library, const TRequest& request);
  ~TFreeTypeFont() override;

  bool IsValid() const { return FFace != nullptr; }

 protected:
  void Render(char32_t ch, TGlyph& glyph) override;

 private:
  void SetSize(int height);
  void ComputeMetrics();
  void CopyBitmap(TGlyph& glyph);

  FT_FaceRec_* FFace = nullptr;
  bool FSynthBold = false;
  bool FSynthItalic = false;
  bool FAntiAliased = true;
  int FEmPixels = 0;
};
