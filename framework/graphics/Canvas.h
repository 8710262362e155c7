#pragma once

#include <cstdint>
#include <string>

#include "core/Persistent.h"
#include "graphics/Brush.h"
#include "graphics/Color.h"
#include "graphics/Font.h"
#include "graphics/Pen.h"
#include "types/Rect.h"

class TGraphic;

// A raster operation for copying pixels (SRCCOPY, SRCINVERT, ...).
enum TCopyMode : int32_t {};
PUBLISHED_INTEGER(TCopyMode, INT32_MIN, INT32_MAX)
inline constexpr TCopyMode cmSrcCopy = static_cast<TCopyMode>(0x00CC0020);

// A drawing surface with its pen, brush and font: the framework's way to paint. It draws
// through a device context, selecting its tools into it as they are needed and again after
// they change. A plain canvas draws only on a handle it is given; descendants (a bitmap's
// canvas, a control's canvas) make their own in CreateHandle.
class TCanvas : public TPersistent {
  DECLARE_CLASS(TCanvas, TPersistent);

 public:
  TCanvas();
  ~TCanvas() override;

  // The device context, made by CreateHandle when there is none.
  HDC GetHandle();
  // Draws on dc from now on (null: none); the canvas does not own it.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TPen* GetPen() const { return FPen; }
  void SetPen(TPen* value) { FPen->Assign(value); }
  TBrush* GetBrush() const { return FBrush; }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TCopyMode GetCopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode value) { FCopyMode = value; }
  TPoint GetPenPos();
  void SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }
  // The bounds of what can be painted, in canvas coordinates.
  TRect GetClipRect();

  void MoveTo(int x, int y);
  // A line from the pen position; the end point is not drawn and becomes the pen position.
  void LineTo(int x, int y);
  void Polyline(const TPoint* points, int count);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void DrawFocusRect(const TRect& rect);
  // Draws graphic with its top-left corner at (x, y).
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies source's sourceRect to rect with CopyMode (same sizes only).
  void CopyRect(const TRect& rect, TCanvas* source, const TRect& sourceRect);
  // Text at (x, y) in Font over Brush (transparent unless the brush is solid); the pen moves
  // past it.
  void TextOut(int x, int y, const std::string& text);
  // Text at (x, y) clipped to rect, which is filled with the brush unless it is bsClear.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  TColor GetPixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }

 protected:
  // Makes a device context when drawing needs one; the default raises EInvalidOperation
  // "Canvas does not allow drawing".
  virtual void CreateHandle();
  // Deselects the canvas's tools from its handle and forgets it.
  void DeselectHandles();
  void Changed();

 private:
  enum TState : uint8_t { csPenValid = 1, csBrushValid = 2, csFontValid = 4 };
  void RequireState(uint8_t state);
  void ToolChanged(TObject* sender);

  HDC FHandle = nullptr;
  TPen* FPen;
  TBrush* FBrush;
  TFont* FFont;
  TCopyMode FCopyMode = cmSrcCopy;
  uint8_t FState = 0;
  HGDIOBJ FOldPen = nullptr;
  HGDIOBJ FOldBrush = nullptr;
  HGDIOBJ FOldFont = nullptr;
  TNotifyEvent FOnChange;
};
