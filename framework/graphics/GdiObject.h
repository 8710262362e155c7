#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "graphics/GdiTypes.h"
#include "graphics/Region.h"
#include "graphics/Surface.h"

class TRealizedFont;

// The drawing objects behind GDI handles, and the process-wide table that hands out and
// validates those handles. Internal to the drawing services; programs use the handles.

enum class TGdiKind : uint8_t { Pen, Brush, Font, Bitmap, Region, DeviceContext };

class TGdiObject {
 public:
  explicit TGdiObject(TGdiKind kind) : FKind(kind) {}
  virtual ~TGdiObject() = default;
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  TGdiKind Kind() const { return FKind; }
  // Stock objects live for the whole process; deleting them does nothing.
  bool IsStock() const { return FStock; }
  void MarkStock() { FStock = true; }
  // How many device contexts have the object selected; selected objects cannot be deleted.
  int SelectCount = 0;

 private:
  TGdiKind FKind;
  bool FStock = false;
};

class TGdiPen : public TGdiObject {
 public:
  TGdiPen(int style, int width, COLORREF color)
      : TGdiObject(TGdiKind::Pen), Style(style), Width(width < 1 ? 1 : width), Color(color) {}
  int Style;
  int Width;
  COLORREF Color;
};

class TGdiBrush : public TGdiObject {
 public:
  TGdiBrush(UINT style, COLORREF color, int hatch)
      : TGdiObject(TGdiKind::Brush), Style(style), Color(color), Hatch(hatch) {}
  UINT Style;
  COLORREF Color;
  int Hatch;
  // BS_PATTERN: the 8x8 pixels of the pattern bitmap.
  uint32_t Pattern[64] = {};
};

class TGdiFont : public TGdiObject {
 public:
  explicit TGdiFont(const LOGFONT& log) : TGdiObject(TGdiKind::Font), Log(log) {}
  LOGFONT Log;
  // The rendering of the font, found in the font cache on first use and again after the
  // cache's generation moves on (a changed smoothing setting).
  TRealizedFont* Realized = nullptr;
  unsigned RealizedGeneration = 0;
};

class TGdiBitmap : public TGdiObject {
 public:
  TGdiBitmap(int width, int height, bool bottomUp)
      : TGdiObject(TGdiKind::Bitmap), Surface(width, height, bottomUp) {}
  TSurface Surface;
};

class TGdiRegion : public TGdiObject {
 public:
  TGdiRegion() : TGdiObject(TGdiKind::Region) {}
  TRegion Region;
};

// Hands out handles for drawing objects and finds the objects again. A handle is never reused,
// so a deleted object's handle stays invalid.
class TGdiTable {
 public:
  static TGdiTable& Instance();
  ~TGdiTable();

  // Takes ownership of object and returns its new handle.
  void* Add(std::unique_ptr<TGdiObject> object);
  // The object of handle when it is alive and of kind; null otherwise.
  TGdiObject* Find(const void* handle) const;
  template <typename T>
  T* Find(const void* handle, TGdiKind kind) const {
    TGdiObject* object = Find(handle);
    return object && object->Kind() == kind ? static_cast<T*>(object) : nullptr;
  }
  bool Remove(const void* handle);
  size_t Count() const { return FObjects.size(); }

 private:
  TGdiTable() = default;

  std::unordered_map<uintptr_t, std::unique_ptr<TGdiObject>> FObjects;
  uintptr_t FNextHandle = 0x10000;
  bool FClosing = false;  // objects left at exit are freed without looking each other up
};

inline TGdiPen* FindPen(const void* h) {
  return TGdiTable::Instance().Find<TGdiPen>(h, TGdiKind::Pen);
}
inline TGdiBrush* FindBrush(const void* h) {
  return TGdiTable::Instance().Find<TGdiBrush>(h, TGdiKind::Brush);
}
inline TGdiFont* FindFont(const void* h) {
  return TGdiTable::Instance().Find<TGdiFont>(h, TGdiKind::Font);
}
inline TGdiBitmap* FindBitmap(const void* h) {
  return TGdiTable::Instance().Find<TGdiBitmap>(h, TGdiKind::Bitmap);
}
inline TGdiRegion* FindRegion(const void* h) {
  return TGdiTable::Instance().Find<TGdiRegion>(h, TGdiKind::Region);
}

// The stock 1x1 bitmap that a new memory context holds.
HGDIOBJ DefaultBitmap();
