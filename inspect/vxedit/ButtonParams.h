#pragma once

#include <cstdint>
#include <functional>

#include "core/Persistent.h"
#include "graphics/Cursor.h"
#include "rtti/MetaClass.h"

class TBitmap;
class TEditButton;

// Which built-in picture an edit button shows: none of its own (bkCustom keeps Glyph), the
// drop-down arrow or the ellipsis dots.
enum TButtonKind : uint8_t { bkCustom, bkDropDown, bkDots };
PUBLISHED_ENUM(TButtonKind, bkCustom, bkDropDown, bkDots)

// Called after a button's width changed, so that its composite lays itself out again.
using TButtonSizeChangeProc = std::function<void()>;

// The published settings of one button of a composite edit: they act on the button at once.
// The composite creates and frees them and links each to its button (Button) and to its own
// layout (OnSizeChange).
class TButtonParams : public TPersistent {
  DECLARE_CLASS(TButtonParams, TPersistent);

 public:
  TButtonParams() = default;

  // Copies Width, Cursor, Kind, NumGlyphs and Visible, and the glyph of a custom button.
  void Assign(TPersistent* source) override;

  int32_t GetWidth() const { return FWidth; }
  // Sets the button's width: W, or for W = 0 the width of a scroll-bar thumb unless the button
  // is custom (which keeps its width). Nothing happens when W already is the button's width.
  virtual void SetWidth(int32_t value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor value) { FCursor = value; }
  TButtonKind GetKind() const { return FKind; }
  // Puts the kind's built-in glyph on the button (bkCustom keeps the glyph it has) and forces
  // one glyph per strip for the built-in kinds.
  virtual void SetKind(TButtonKind value);
  // A glyph of one's own makes the button custom; with Width 0 the button takes the glyph's
  // width.
  virtual void SetGlyph(TBitmap* value);
  virtual TBitmap* GetGlyph() const;
  virtual bool GetVisible() const;
  virtual void SetVisible(bool value);
  // Built-in kinds always show one glyph; a custom button takes value.
  virtual void SetNumGlyphs(int32_t value);
  virtual int32_t GetNumGlyphs() const;
  bool IsCustom() const { return FKind == bkCustom; }

  TEditButton* GetButton() const { return FButton; }
  void SetButton(TEditButton* value) { FButton = value; }
  void SetOnSizeChange(TButtonSizeChangeProc value) { FOnSizeChange = std::move(value); }

 protected:
  void SizeChanged();

 private:
  int32_t FWidth = 0;
  TCursor FCursor = crDefault;
  TButtonKind FKind = bkCustom;
  TEditButton* FButton = nullptr;
  TButtonSizeChangeProc FOnSizeChange;
};
