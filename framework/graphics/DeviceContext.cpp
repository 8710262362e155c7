#include "graphics/DeviceContext.h"

#include "graphics/FontCache.h"
#include "graphics/Gdi.h"

#include <algorithm>
#include <utility>

namespace {
// The 8x8 hatch patterns, one byte per row, bit 7 leftmost.
constexpr uint8_t Hatches[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

template <typename F>
auto WithDC(HDC dc, F f, decltype(f(std::declval<TDeviceContext&>())) failure) {
  TDeviceContext* context = FindDC(dc);
  return context ? f(*context) : failure;
}

int RegionKind(const TRegion& region) {
  if (region.IsEmpty()) return NULLREGION;
  return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
}  // namespace

TDeviceContext::TDeviceContext() : TGdiObject(TGdiKind::DeviceContext), FMemory(true) {
  SelectDefaults();
  Select(DefaultBitmap(), TGdiKind::Bitmap);
}

TDeviceContext::TDeviceContext(TSurface* surface, TPoint origin, const TRegion& visible,
                               HWND window)
    : TGdiObject(TGdiKind::DeviceContext),
      FScreen(surface),
      FOrigin(origin),
      FVisible(visible),
      FWindow(window) {
  SelectDefaults();
}

TDeviceContext::~TDeviceContext() {
  Release(FState.Pen);
  Release(FState.Brush);
  Release(FState.Font);
  Release(FState.Bitmap);
  for (TState& saved : FSaved) {
    Release(saved.Pen);
    Release(saved.Brush);
    Release(saved.Font);
    Release(saved.Bitmap);
  }
}

void TDeviceContext::SelectDefaults() {
  Select(GetStockObject(BLACK_PEN), TGdiKind::Pen);
  Select(GetStockObject(WHITE_BRUSH), TGdiKind::Brush);
  Select(GetStockObject(SYSTEM_FONT), TGdiKind::Font);
}

TSurface* TDeviceContext::Surface() {
  if (!FMemory) return FScreen;
  TGdiBitmap* bitmap = FindBitmap(FState.Bitmap);
  return bitmap ? &bitmap->Surface : nullptr;
}

void TDeviceContext::Retain(HGDIOBJ object) {
  if (TGdiObject* target = TGdiTable::Instance().Find(object)) ++target->SelectCount;
}

void TDeviceContext::Release(HGDIOBJ object) {
  if (TGdiObject* target = TGdiTable::Instance().Find(object)) --target->SelectCount;
}

HGDIOBJ TDeviceContext::Select(HGDIOBJ object, TGdiKind kind) {
  HGDIOBJ* slot = nullptr;
  switch (kind) {
    case TGdiKind::Pen:
      slot = &FState.Pen;
      break;
    case TGdiKind::Brush:
      slot = &FState.Brush;
      break;
    case TGdiKind::Font:
      slot = &FState.Font;
      break;
    case TGdiKind::Bitmap: {
      // A bitmap goes into one memory context at a time (the stock one into any number).
      TGdiObject* bitmap = TGdiTable::Instance().Find(object);
      if (!FMemory || !bitmap ||
          (bitmap->SelectCount > 0 && !bitmap->IsStock() && object != FState.Bitmap))
        return nullptr;
      slot = &FState.Bitmap;
      FClipValid = false;
      break;
    }
    default:
      return nullptr;
  }
  HGDIOBJ previous = *slot;
  Retain(object);
  *slot = object;
  Release(previous);
  return previous ? previous : object;
}

int TDeviceContext::Save() {
  FSaved.push_back(FState);
  for (HGDIOBJ object : {FState.Pen, FState.Brush, FState.Font, FState.Bitmap})
    Retain(object);
  return static_cast<int>(FSaved.size());
}

bool TDeviceContext::Restore(int level) {
  const int depth = static_cast<int>(FSaved.size());
  if (level < 0) level = depth + 1 + level;
  if (level < 1 || level > depth) return false;
  while (static_cast<int>(FSaved.size()) >= level) {
    for (HGDIOBJ object : {FState.Pen, FState.Brush, FState.Font, FState.Bitmap})
      Release(object);
    FState = std::move(FSaved.back());
    FSaved.pop_back();
  }
  FClipValid = false;
  return true;
}

TPoint TDeviceContext::ToSurface(TPoint logical) const {
  return {logical.X - FState.WindowOrg.X + FState.ViewportOrg.X + FOrigin.X,
          logical.Y - FState.WindowOrg.Y + FState.ViewportOrg.Y + FOrigin.Y};
}

TRect TDeviceContext::ToSurface(const TRect& logical) const {
  const TPoint offset = ToSurface(TPoint{0, 0});
  return logical.Offset(offset.X, offset.Y);
}

const TRegion& TDeviceContext::ClipArea() {
  if (FClipValid) return FClipArea;
  TSurface* surface = Surface();
  FClipArea = FMemory ? TRegion(surface ? surface->Bounds() : TRect{}) : FVisible;
  if (surface) FClipArea.Intersect(surface->Bounds());
  if (FState.HasClip) {
    TRegion clip = FState.Clip;
    clip.Offset(FOrigin.X, FOrigin.Y);
    FClipArea.Intersect(clip);
  }
  FClipValid = true;
  return FClipArea;
}

TBrushPattern TDeviceContext::BrushPattern(const TGdiBrush& brush) const {
  TBrushPattern pattern;
  pattern.Origin = {FState.BrushOrg.X + FOrigin.X, FState.BrushOrg.Y + FOrigin.Y};
  pattern.Color = ColorRefToPixel(brush.Color);
  if (brush.Style == BS_HATCHED) {
    pattern.Solid = false;
    const uint32_t background = ColorRefToPixel(FState.BkColor);
    const uint8_t* bits = Hatches[brush.Hatch];
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x)
        pattern.Tile[y][x] = ((bits[y] >> (7 - x)) & 1) ? pattern.Color : background;
      if (FState.BkMode == TRANSPARENT) pattern.Mask[y] = bits[y];
    }
  } else if (brush.Style == BS_PATTERN) {
    pattern.Solid = false;
    for (int y = 0; y < 8; ++y)
      std::copy_n(brush.Pattern + y * 8, 8, pattern.Tile[y]);
  }
  return pattern;
}

TRealizedFont& TDeviceContext::RealizedFont() {
  TGdiFont* font = Font();
  TFontCache& cache = TFontCache::Instance();
  if (!font) return cache.BuiltinFont();
  if (!font->Realized || font->RealizedGeneration != cache.Generation()) {
    font->Realized = &cache.Realize(font->Log);
    font->RealizedGeneration = cache.Generation();
  }
  return *font->Realized;
}

TDeviceContext* FindDC(HDC dc) {
  return TGdiTable::Instance().Find<TDeviceContext>(dc, TGdiKind::DeviceContext);
}

HDC CreateSurfaceDC(TSurface* surface, TPoint origin, const TRegion& visible, HWND window) {
  return static_cast<HDC>(TGdiTable::Instance().Add(
      std::make_unique<TDeviceContext>(surface, origin, visible, window)));
}

HDC CreateCompatibleDC(HDC dc) {
  if (dc && !FindDC(dc)) return nullptr;
  return static_cast<HDC>(TGdiTable::Instance().Add(std::make_unique<TDeviceContext>()));
}

BOOL DeleteDC(HDC dc) {
  if (!FindDC(dc)) return FALSE;
  return TGdiTable::Instance().Remove(dc) ? TRUE : FALSE;
}

int SaveDC(HDC dc) {
  return WithDC(
      dc, [](TDeviceContext& c) { return c.Save(); }, 0);
}

BOOL RestoreDC(HDC dc, int level) {
  return WithDC(
      dc, [level](TDeviceContext& c) { return c.Restore(level) ? TRUE : FALSE; }, FALSE);
}

#define DC_STATE_ACCESSORS(Type, Name, Field, Failure)                         \
  Type Set##Name(HDC dc, Type value) {                                         \
    return WithDC(                                                             \
        dc,                                                                    \
        [value](TDeviceContext& c) {                                           \
          Type old = c.State().Field;                                          \
          c.State().Field = value;                                             \
          return old;                                                          \
        },                                                                     \
        Type(Failure));                                                        \
  }                                                                            \
  Type Get##Name(HDC dc) {                                                     \
    return WithDC(                                                             \
        dc, [](TDeviceContext& c) { return c.State().Field; }, Type(Failure)); \
  }

DC_STATE_ACCESSORS(COLORREF, TextColor, TextColor, CLR_INVALID)
DC_STATE_ACCESSORS(COLORREF, BkColor, BkColor, CLR_INVALID)
DC_STATE_ACCESSORS(UINT, TextAlign, TextAlign, 0xFFFFFFFF)
#undef DC_STATE_ACCESSORS

int SetBkMode(HDC dc, int mode) {
  if (mode != OPAQUE && mode != TRANSPARENT) return 0;
  return WithDC(
      dc, [mode](TDeviceContext& c) { return std::exchange(c.State().BkMode, mode); }, 0);
}

int GetBkMode(HDC dc) {
  return WithDC(
      dc, [](TDeviceContext& c) { return c.State().BkMode; }, 0);
}

int SetROP2(HDC dc, int mode) {
  if (mode < R2_BLACK || mode > R2_WHITE) return 0;
  return WithDC(
      dc, [mode](TDeviceContext& c) { return std::exchange(c.State().Rop2, mode); }, 0);
}

int GetROP2(HDC dc) {
  return WithDC(
      dc, [](TDeviceContext& c) { return c.State().Rop2; }, 0);
}

namespace {
BOOL SetOrigin(HDC dc, TPoint TDeviceContext::TState::*field, int x, int y, TPoint* old) {
  return WithDC(
      dc,
      [&](TDeviceContext& c) {
        if (old) *old = c.State().*field;
        c.State().*field = {x, y};
        return TRUE;
      },
      FALSE);
}

BOOL GetOrigin(HDC dc, TPoint TDeviceContext::TState::*field, TPoint* origin) {
  if (!origin) return FALSE;
  return WithDC(
      dc,
      [&](TDeviceContext& c) {
        *origin = c.State().*field;
        return TRUE;
      },
      FALSE);
}
}  // namespace

BOOL SetWindowOrgEx(HDC dc, int x, int y, TPoint* old) {
  return SetOrigin(dc, &TDeviceContext::TState::WindowOrg, x, y, old);
}
BOOL GetWindowOrgEx(HDC dc, TPoint* origin) {
  return GetOrigin(dc, &TDeviceContext::TState::WindowOrg, origin);
}
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old) {
  TPoint current;
  if (!GetWindowOrgEx(dc, &current)) return FALSE;
  return SetWindowOrgEx(dc, current.X + dx, current.Y + dy, old);
}
BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* old) {
  return SetOrigin(dc, &TDeviceContext::TState::ViewportOrg, x, y, old);
}
BOOL GetViewportOrgEx(HDC dc, TPoint* origin) {
  return GetOrigin(dc, &TDeviceContext::TState::ViewportOrg, origin);
}
BOOL SetBrushOrgEx(HDC dc, int x, int y, TPoint* old) {
  return SetOrigin(dc, &TDeviceContext::TState::BrushOrg, x, y, old);
}

int GetDeviceCaps(HDC dc, int index) {
  return WithDC(
      dc,
      [index](TDeviceContext& c) {
        TSurface* surface = c.Surface();
        switch (index) {
          case HORZRES:
            return surface ? surface->Width() : 0;
          case VERTRES:
            return surface ? surface->Height() : 0;
          case BITSPIXEL:
            return 32;
          case PLANES:
            return 1;
          case NUMCOLORS:
            return -1;
          case LOGPIXELSX:
          case LOGPIXELSY:
            return 96;
          default:
            return 0;
        }
      },
      0);
}

int SelectClipRgn(HDC dc, HRGN region) {
  TDeviceContext* context = FindDC(dc);
  if (!context) return ERROR;
  if (region && !FindRegion(region)) return ERROR;
  auto& state = context->State();
  state.HasClip = region != nullptr;
  state.Clip = region ? FindRegion(region)->Region : TRegion();
  context->ClipChanged();
  return RegionKind(context->ClipArea());
}

namespace {
// Changes the clip region by a rectangle given in logical coordinates.
int ChangeClip(HDC dc, const TRect& logical, bool intersect) {
  TDeviceContext* context = FindDC(dc);
  if (!context) return ERROR;
  auto& state = context->State();
  const TPoint origin = context->DeviceOrigin();
  const TRect device = context->ToSurface(logical).Offset(-origin.X, -origin.Y);
  if (!state.HasClip) {
    TRegion area = context->ClipArea();
    area.Offset(-origin.X, -origin.Y);
    state.Clip = area;
    state.HasClip = true;
  }
  if (intersect)
    state.Clip.Intersect(device);
  else
    state.Clip.Subtract(device);
  context->ClipChanged();
  return RegionKind(context->ClipArea());
}
}  // namespace

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  return ChangeClip(dc, {left, top, right, bottom}, true);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  return ChangeClip(dc, {left, top, right, bottom}, false);
}

int GetClipBox(HDC dc, TRect* rect) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !rect) return ERROR;
  const TRegion& area = context->ClipArea();
  const TPoint offset = context->ToSurface(TPoint{0, 0});
  *rect = area.IsEmpty() ? TRect{} : area.Bounds().Offset(-offset.X, -offset.Y);
  return RegionKind(area);
}

int GetClipRgn(HDC dc, HRGN region) {
  TDeviceContext* context = FindDC(dc);
  TGdiRegion* target = FindRegion(region);
  if (!context || !target) return -1;
  if (!context->State().HasClip) return 0;
  target->Region = context->State().Clip;
  return 1;
}

BOOL PtVisible(HDC dc, int x, int y) {
  TDeviceContext* context = FindDC(dc);
  if (!context) return FALSE;
  return context->ClipArea().Contains(context->ToSurface(TPoint{x, y})) ? TRUE : FALSE;
}

BOOL RectVisible(HDC dc, const TRect* rect) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !rect) return FALSE;
  TRegion area = context->ClipArea();
  area.Intersect(context->ToSurface(*rect));
  return area.IsEmpty() ? FALSE : TRUE;
}
