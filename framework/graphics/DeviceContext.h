#pragma once

#include <vector>

#include "graphics/GdiObject.h"
#include "graphics/Raster.h"
#include "graphics/Region.h"
#include "graphics/Surface.h"

// The state of one device context: where it draws, what is selected, and how coordinates and
// clipping apply. A memory context draws into its selected bitmap; a window context draws into
// the screen's framebuffer through the visible region that the window system gives it.
class TDeviceContext : public TGdiObject {
 public:
  // A memory context with the stock 1x1 bitmap selected.
  TDeviceContext();
  // A context over surface (not owned) whose device point (0,0) lies at origin on the surface
  // and which may draw only inside visible (surface coordinates).
  TDeviceContext(TSurface* surface, TPoint origin, const TRegion& visible, HWND window);
  ~TDeviceContext() override;

  bool IsMemory() const { return FWindow == nullptr && FMemory; }
  HWND Window() const { return FWindow; }
  TSurface* Surface();

  struct TState {
    HGDIOBJ Pen = nullptr;
    HGDIOBJ Brush = nullptr;
    HGDIOBJ Font = nullptr;
    HGDIOBJ Bitmap = nullptr;
    COLORREF TextColor = 0;
    COLORREF BkColor = 0xFFFFFF;
    int BkMode = OPAQUE;
    int Rop2 = R2_COPYPEN;
    UINT TextAlign = 0;
    TPoint Position;
    TPoint WindowOrg;
    TPoint ViewportOrg;
    TPoint BrushOrg;
    bool HasClip = false;
    TRegion Clip;  // device units
  };
  TState& State() { return FState; }
  const TState& State() const { return FState; }

  // Selecting keeps the selected objects' counts right; returns the previous handle.
  HGDIOBJ Select(HGDIOBJ object, TGdiKind kind);
  int Save();
  bool Restore(int level);

  // Logical coordinates to surface coordinates.
  TPoint ToSurface(TPoint logical) const;
  TRect ToSurface(const TRect& logical) const;
  // Device units (clip regions) to surface coordinates: the offset between them.
  TPoint DeviceOrigin() const { return FOrigin; }
  // Where drawing may go, in surface coordinates.
  const TRegion& ClipArea();
  void ClipChanged() { FClipValid = false; }

  TGdiPen* Pen() const { return FindPen(FState.Pen); }
  TGdiBrush* Brush() const { return FindBrush(FState.Brush); }
  TGdiFont* Font() const { return FindFont(FState.Font); }
  // The brush as the raster loops see it, aligned to the brush origin.
  TBrushPattern BrushPattern(const TGdiBrush& brush) const;
  // The realized selected font (the built-in font when none is usable).
  TRealizedFont& RealizedFont();

 private:
  void Retain(HGDIOBJ object);
  void Release(HGDIOBJ object);
  void SelectDefaults();

  TSurface* FScreen = nullptr;
  TPoint FOrigin;
  TRegion FVisible;
  HWND FWindow = nullptr;
  bool FMemory = false;
  TState FState;
  std::vector<TState> FSaved;
  TRegion FClipArea;
  bool FClipValid = false;
};

// The context of handle, or null.
TDeviceContext* FindDC(HDC dc);
// A window context for the window system; release it with DeleteDC.
HDC CreateSurfaceDC(TSurface* surface, TPoint origin, const TRegion& visible, HWND window);
