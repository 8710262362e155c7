#include <algorithm>
#include <cstring>

#include "graphics/DeviceContext.h"
#include "graphics/FontCache.h"
#include "graphics/Gdi.h"
#include "graphics/GdiObject.h"
#include "types/SysColors.h"

namespace {
HGDIOBJ MakeStock(std::unique_ptr<TGdiObject> object) {
  object->MarkStock();
  return TGdiTable::Instance().Add(std::move(object));
}

LOGFONT MakeLogFont(int height, int weight, BYTE pitch, const char* face) {
  LOGFONT font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfPitchAndFamily = pitch;
  std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return font;
}

struct TStockObjects {
  HGDIOBJ Objects[STOCK_LAST + 1] = {};
  HGDIOBJ SysColorBrushes[SystemColorCount] = {};
  HGDIOBJ Bitmap = nullptr;

  TStockObjects() {
    auto brush = [](COLORREF color) { return std::make_unique<TGdiBrush>(BS_SOLID, color, 0); };
    auto font = [](const LOGFONT& log) { return std::make_unique<TGdiFont>(log); };
    Objects[WHITE_BRUSH] = MakeStock(brush(RGB(255, 255, 255)));
    Objects[LTGRAY_BRUSH] = MakeStock(brush(RGB(192, 192, 192)));
    Objects[GRAY_BRUSH] = MakeStock(brush(RGB(128, 128, 128)));
    Objects[DKGRAY_BRUSH] = MakeStock(brush(RGB(64, 64, 64)));
    Objects[BLACK_BRUSH] = MakeStock(brush(0));
    Objects[NULL_BRUSH] = MakeStock(std::make_unique<TGdiBrush>(BS_NULL, 0, 0));
    Objects[WHITE_PEN] = MakeStock(std::make_unique<TGdiPen>(PS_SOLID, 1, RGB(255, 255, 255)));
    Objects[BLACK_PEN] = MakeStock(std::make_unique<TGdiPen>(PS_SOLID, 1, 0));
    Objects[NULL_PEN] = MakeStock(std::make_unique<TGdiPen>(PS_NULL, 1, 0));
    const LOGFONT system = MakeLogFont(0, FW_NORMAL, FIXED_PITCH, "System");
    const LOGFONT fixed = MakeLogFont(-13, FW_NORMAL, FIXED_PITCH, "Courier New");
    const LOGFONT gui = MakeLogFont(-11, FW_NORMAL, VARIABLE_PITCH, "MS Sans Serif");
    Objects[SYSTEM_FONT] = MakeStock(font(system));
    Objects[SYSTEM_FIXED_FONT] = MakeStock(font(system));
    Objects[DEVICE_DEFAULT_FONT] = MakeStock(font(system));
    Objects[OEM_FIXED_FONT] = MakeStock(font(fixed));
    Objects[ANSI_FIXED_FONT] = MakeStock(font(fixed));
    Objects[ANSI_VAR_FONT] = MakeStock(font(gui));
    Objects[DEFAULT_GUI_FONT] = MakeStock(font(gui));
    for (int i = 0; i < SystemColorCount; ++i)
      SysColorBrushes[i] = MakeStock(brush(GetSysColor(i)));
    Bitmap = MakeStock(std::make_unique<TGdiBitmap>(1, 1, false));
  }
};

TStockObjects& Stock() {
  static TStockObjects stock;
  return stock;
}

HBRUSH AddBrush(std::unique_ptr<TGdiBrush> brush) {
  return static_cast<HBRUSH>(TGdiTable::Instance().Add(std::move(brush)));
}

template <typename T>
int CopyOut(const T& value, int size, void* buffer) {
  if (!buffer) return static_cast<int>(sizeof(T));
  const int count = std::min(size, static_cast<int>(sizeof(T)));
  if (count <= 0) return 0;
  std::memcpy(buffer, &value, static_cast<size_t>(count));
  return count;
}
}  // namespace

TGdiTable& TGdiTable::Instance() {
  static TGdiTable table;
  return table;
}

TGdiTable::~TGdiTable() {
  FClosing = true;
  FObjects.clear();
}

void* TGdiTable::Add(std::unique_ptr<TGdiObject> object) {
  const uintptr_t handle = FNextHandle++;
  FObjects.emplace(handle, std::move(object));
  return reinterpret_cast<void*>(handle);
}

TGdiObject* TGdiTable::Find(const void* handle) const {
  if (FClosing) return nullptr;
  auto found = FObjects.find(reinterpret_cast<uintptr_t>(handle));
  return found == FObjects.end() ? nullptr : found->second.get();
}

bool TGdiTable::Remove(const void* handle) {
  return FObjects.erase(reinterpret_cast<uintptr_t>(handle)) > 0;
}

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style < PS_SOLID || style > PS_INSIDEFRAME) return nullptr;
  return static_cast<HPEN>(
      TGdiTable::Instance().Add(std::make_unique<TGdiPen>(style, width, color & 0xFFFFFF)));
}

HPEN CreatePenIndirect(const LOGPEN* logPen) {
  if (!logPen) return nullptr;
  return CreatePen(static_cast<int>(logPen->lopnStyle), logPen->lopnWidth.X, logPen->lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  return AddBrush(std::make_unique<TGdiBrush>(BS_SOLID, color & 0xFFFFFF, 0));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
  return AddBrush(std::make_unique<TGdiBrush>(BS_HATCHED, color & 0xFFFFFF, hatch));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush) {
  if (!logBrush) return nullptr;
  switch (logBrush->lbStyle) {
    case BS_SOLID:
      return CreateSolidBrush(logBrush->lbColor);
    case BS_NULL:
      return AddBrush(std::make_unique<TGdiBrush>(BS_NULL, 0, 0));
    case BS_HATCHED:
      return CreateHatchBrush(static_cast<int>(logBrush->lbHatch), logBrush->lbColor);
    case BS_PATTERN:
      return CreatePatternBrush(reinterpret_cast<HBITMAP>(logBrush->lbHatch));
    default:
      return nullptr;
  }
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  TGdiBitmap* source = FindBitmap(bitmap);
  if (!source) return nullptr;
  auto brush = std::make_unique<TGdiBrush>(BS_PATTERN, 0, 0);
  const TSurface& surface = source->Surface;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      brush->Pattern[y * 8 + x] = surface.GetPixel(x % surface.Width(), y % surface.Height());
  return AddBrush(std::move(brush));
}

HFONT CreateFontIndirect(const LOGFONT* logFont) {
  if (!logFont) return nullptr;
  LOGFONT copy = *logFont;
  copy.lfFaceName[LF_FACESIZE - 1] = 0;
  return static_cast<HFONT>(TGdiTable::Instance().Add(std::make_unique<TGdiFont>(copy)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName) {
  LOGFONT font;
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = italic ? 1 : 0;
  font.lfUnderline = underline ? 1 : 0;
  font.lfStrikeOut = strikeOut ? 1 : 0;
  font.lfCharSet = static_cast<BYTE>(charSet);
  font.lfOutPrecision = static_cast<BYTE>(outPrecision);
  font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  font.lfQuality = static_cast<BYTE>(quality);
  font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (faceName) std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&font);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (width < 1 || height < 1 || planes != 1 || (bitsPerPixel != 32 && bitsPerPixel != 24))
    return nullptr;
  auto bitmap = std::make_unique<TGdiBitmap>(width, height, false);
  if (bits) {
    const auto* bytes = static_cast<const uint8_t*>(bits);
    const size_t rowBytes = bitsPerPixel == 32 ? width * 4u : (width * 3u + 1) & ~1u;
    for (int y = 0; y < height; ++y) {
      const uint8_t* row = bytes + rowBytes * y;
      uint32_t* out = bitmap->Surface.Row(y);
      for (int x = 0; x < width; ++x) {
        const uint8_t* px = row + x * (bitsPerPixel / 8);
        out[x] = static_cast<uint32_t>(px[0]) | (px[1] << 8) | (px[2] << 16);
      }
    }
  }
  return static_cast<HBITMAP>(TGdiTable::Instance().Add(std::move(bitmap)));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  if (dc && !FindDC(dc)) return nullptr;
  return CreateBitmap(width, height, 1, 32, nullptr);
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
  if (bits) *bits = nullptr;
  if (!info || info->bmiHeader.biBitCount != 32 || info->bmiHeader.biCompression != BI_RGB ||
      info->bmiHeader.biWidth < 1 || info->bmiHeader.biHeight == 0 || section)
    return nullptr;
  const int height = info->bmiHeader.biHeight;
  auto bitmap = std::make_unique<TGdiBitmap>(info->bmiHeader.biWidth, height < 0 ? -height : height,
                                             height > 0);
  if (bits) *bits = bitmap->Surface.Memory();
  return static_cast<HBITMAP>(TGdiTable::Instance().Add(std::move(bitmap)));
}

HGDIOBJ DefaultBitmap() {
  return Stock().Bitmap;
}

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index > STOCK_LAST) return nullptr;
  return Stock().Objects[index];
}

HBRUSH GetSysColorBrush(int index) {
  if (index < 0 || index >= SystemColorCount) return nullptr;
  return static_cast<HBRUSH>(Stock().SysColorBrushes[index]);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  TDeviceContext* context = FindDC(dc);
  TGdiObject* target = TGdiTable::Instance().Find(object);
  if (!context || !target) return nullptr;
  if (target->Kind() == TGdiKind::Region) {
    const int kind = SelectClipRgn(dc, static_cast<HRGN>(object));
    return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(kind));
  }
  if (target->Kind() == TGdiKind::DeviceContext) return nullptr;
  return context->Select(object, target->Kind());
}

BOOL DeleteObject(HGDIOBJ object) {
  TGdiObject* target = TGdiTable::Instance().Find(object);
  if (!target || target->Kind() == TGdiKind::DeviceContext) return FALSE;
  if (target->IsStock()) return TRUE;
  if (target->SelectCount > 0) return FALSE;
  return TGdiTable::Instance().Remove(object) ? TRUE : FALSE;
}

int GetObject(HGDIOBJ object, int size, void* buffer) {
  TGdiObject* target = TGdiTable::Instance().Find(object);
  if (!target) return 0;
  switch (target->Kind()) {
    case TGdiKind::Pen: {
      auto* pen = static_cast<TGdiPen*>(target);
      LOGPEN log{static_cast<UINT>(pen->Style), {pen->Width, 0}, pen->Color};
      return CopyOut(log, size, buffer);
    }
    case TGdiKind::Brush: {
      auto* brush = static_cast<TGdiBrush*>(target);
      LOGBRUSH log{brush->Style, brush->Color, static_cast<ULONG_PTR>(brush->Hatch)};
      return CopyOut(log, size, buffer);
    }
    case TGdiKind::Font:
      return CopyOut(static_cast<TGdiFont*>(target)->Log, size, buffer);
    case TGdiKind::Bitmap: {
      TSurface& surface = static_cast<TGdiBitmap*>(target)->Surface;
      BITMAP info;
      info.bmWidth = surface.Width();
      info.bmHeight = surface.Height();
      info.bmWidthBytes = surface.Width() * 4;
      info.bmBits = surface.Memory();
      return CopyOut(info, size, buffer);
    }
    default:
      return 0;
  }
}

DWORD GetObjectType(HGDIOBJ object) {
  TGdiObject* target = TGdiTable::Instance().Find(object);
  if (!target) return 0;
  switch (target->Kind()) {
    case TGdiKind::Pen:
      return OBJ_PEN;
    case TGdiKind::Brush:
      return OBJ_BRUSH;
    case TGdiKind::Font:
      return OBJ_FONT;
    case TGdiKind::Bitmap:
      return OBJ_BITMAP;
    case TGdiKind::Region:
      return OBJ_REGION;
    case TGdiKind::DeviceContext:
      return static_cast<TDeviceContext*>(target)->IsMemory() ? OBJ_MEMDC : OBJ_DC;
  }
  return 0;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  TDeviceContext* context = FindDC(dc);
  if (!context) return nullptr;
  switch (type) {
    case OBJ_PEN:
      return context->State().Pen;
    case OBJ_BRUSH:
      return context->State().Brush;
    case OBJ_FONT:
      return context->State().Font;
    case OBJ_BITMAP:
      return context->State().Bitmap;
    default:
      return nullptr;
  }
}
