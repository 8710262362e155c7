#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Method.h"
#include "core/Object.h"
#include "graphics/Bitmap.h"
#include "rtti/TypeInfo.h"
#include "types/Rect.h"

// Where a button's picture sits against its caption.
enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
PUBLISHED_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

// The look a button shows: raised, greyed, pressed while the mouse holds it, or staying down.
// The values also number the images of a glyph strip.
enum TButtonState : uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };
PUBLISHED_ENUM(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive)

// The picture of a button: a strip of one to four images of equal width side by side, for the
// states in the order of TButtonState. The colour of the strip's bottom-left pixel is
// transparent. A state without its own image borrows one: down and stay-down show the up image
// (stay-down the down image when there is one), disabled shows the up image embossed in the
// highlight and shadow colours. The images are made once and kept until the glyph changes.
class TButtonGlyph : public TObject {
  DECLARE_CLASS(TButtonGlyph, TObject);

 public:
  TButtonGlyph();
  ~TButtonGlyph() override;

  // The strip; assigning copies it. Drawing on the returned bitmap also counts as a change.
  TBitmap* GetGlyph() const { return FOriginal; }
  void SetGlyph(TBitmap* value);
  // Raises EInvalidOperation for a count outside 1 to 4.
  int GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  // The size of one image; zero when there is none.
  TSize ImageSize() const;
  bool Empty() const { return ImageSize().cx <= 0 || ImageSize().cy <= 0; }
  // Draws the image of state with its top-left corner at (x, y), leaving transparent pixels.
  void Draw(TCanvas* canvas, int x, int y, TButtonState state);
  // Forgets the images made so far (after the system colours of the embossed look changed).
  void ClearImages();

  // Fired after the strip or the count changed.
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }

 private:
  void GlyphChanged(TObject* sender);
  TBitmap* Image(TButtonState state);
  TBitmap* CopyOfImage(int index);

  TBitmap* FOriginal;
  int FNumGlyphs = 1;
  std::array<TBitmap*, 4> FImages{};
  TNotifyEvent FOnChange;
};

// Where a button's picture and caption go in its client area. margin is the distance from the
// edge the layout names to the picture (-1: the picture and caption together are centred);
// spacing is the gap between them (-1: the caption is centred in the space the picture leaves).
// With only a picture or only a caption there is no gap. Both are centred across the layout.
struct TButtonPlacement {
  TPoint GlyphPos;
  TRect TextBounds;
};
TButtonPlacement PlaceButtonContent(const TRect& client, TSize glyph, TSize text,
                                    TButtonLayout layout, int margin, int spacing);

// The greyed look of a picture of width x height pixels: each pixel that inked(x, y) names is
// drawn in the shadow colour over the same pixel in the highlight colour one step down and
// right; everything else is transparent. The caller owns the bitmap made.
TBitmap* MakeEmbossedImage(int width, int height, const std::function<bool(int, int)>& inked);
