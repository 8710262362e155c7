#include "graphics/Bitmap.h"

#include <algorithm>

#include "core/Module.h"
#include "graphics/BmpCodec.h"
#include "graphics/DeviceContext.h"
#include "graphics/Gdi.h"
#include "streaming/Filer.h"
#include "streaming/MemoryStream.h"
#include "streaming/ResourceStream.h"

IMPLEMENT_CLASS(TBitmap) {}

// The bitmap's canvas: a memory context with the bitmap selected, made when first drawn on.
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
  ~TBitmapCanvas() override { Release(); }

  void Release() {
    HDC dc = HandleAllocated() ? GetHandle() : nullptr;
    if (!dc) return;
    DeselectHandles();
    if (FOldBitmap) SelectObject(dc, FOldBitmap);
    FOldBitmap = nullptr;
    DeleteDC(dc);
  }

 protected:
  void CreateHandle() override {
    if (FBitmap.Empty()) throw EInvalidOperation("Bitmap is empty: its canvas cannot draw");
    HDC dc = CreateCompatibleDC(nullptr);
    FOldBitmap = SelectObject(dc, FBitmap.FHandle);
    SetHandle(dc);
  }

 private:
  TBitmap& FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
};

namespace {
int BitsOf(TPixelFormat format) {
  switch (format) {
    case pf1bit:
      return 1;
    case pf4bit:
      return 4;
    case pf8bit:
      return 8;
    case pf32bit:
      return 32;
    default:
      return 24;
  }
}

TPixelFormat FormatOf(int bits) {
  switch (bits) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 16:
      return pf16bit;
    case 32:
      return pf32bit;
    default:
      return pf24bit;
  }
}

TSurface* SurfaceOf(HBITMAP handle) {
  TGdiBitmap* bitmap = FindBitmap(handle);
  return bitmap ? &bitmap->Surface : nullptr;
}
}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  delete FCanvas;
  if (FHandle) DeleteObject(FHandle);
}

void TBitmap::ReleaseCanvasHandle() {
  if (FCanvas) FCanvas->Release();
}

void TBitmap::Changed() {
  TGraphic::Changed();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  ReleaseCanvasHandle();
  HBITMAP replacement = width && height ? CreateBitmap(width, height, 1, 32, nullptr) : nullptr;
  if (FHandle && replacement) {
    const TSurface* from = SurfaceOf(FHandle);
    TSurface* to = SurfaceOf(replacement);
    for (int y = 0; y < std::min(height, FHeight); ++y)
      std::copy_n(from->Row(y), std::min(width, FWidth), to->Row(y));
  }
  if (FHandle) DeleteObject(FHandle);
  FHandle = replacement;
  FWidth = replacement ? width : 0;
  FHeight = replacement ? height : 0;
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == FPixelFormat) return;
  FPixelFormat = value;
  Changed();
}

TColor TBitmap::GetTransparentColor() const {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  return static_cast<TColor>(PixelToColorRef(SurfaceOf(FHandle)->GetPixel(0, FHeight - 1)));
}

void TBitmap::SetTransparentColor(TColor value) {
  FTransparentColor = value;
  FTransparentMode = value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  FTransparentMode = value;
  if (value == tmAuto) FTransparentColor = clDefault;
  Changed();
}

TCanvas* TBitmap::GetCanvas() {
  if (!FCanvas) FCanvas = new TBitmapCanvas(*this);
  return FCanvas;
}

uint32_t* TBitmap::ScanLine(int y) {
  if (Empty() || y < 0 || y >= FHeight) return nullptr;
  return SurfaceOf(FHandle)->Row(y);
}

void TBitmap::Assign(TPersistent* source) {
  if (!source) {
    SetSize(0, 0);
    return;
  }
  auto* other = dynamic_cast<TBitmap*>(source);
  if (!other) return TGraphic::Assign(source);
  if (other == this) return;
  SetSize(0, 0);
  SetSize(other->FWidth, other->FHeight);
  for (int y = 0; y < FHeight; ++y)
    std::copy_n(other->ScanLine(y), FWidth, ScanLine(y));
  FPixelFormat = other->FPixelFormat;
  FTransparentColor = other->FTransparentColor;
  FTransparentMode = other->FTransparentMode;
  SetTransparent(other->GetTransparent());
  Changed();
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  if (Empty() || !canvas || rect.IsEmpty()) return;
  if (GetTransparent() || rect.Width() != FWidth || rect.Height() != FHeight)
    return DrawTransparent(canvas, rect);
  // The bitmap's own canvas holds it selected: it is the source.
  BitBlt(canvas->GetHandle(), rect.Left, rect.Top, FWidth, FHeight, GetCanvas()->GetHandle(), 0, 0,
         static_cast<DWORD>(canvas->GetCopyMode()));
}

// Stretches with the nearest pixel and, when transparent, leaves the transparent colour out.
void TBitmap::DrawTransparent(TCanvas* canvas, const TRect& rect) {
  TDeviceContext* target = FindDC(canvas->GetHandle());
  if (!target || !target->Surface()) return;
  TSurface& dest = *target->Surface();
  const TSurface& source = *SurfaceOf(FHandle);
  const uint32_t transparent = ColorRefToPixel(ColorToRGB(GetTransparentColor()));
  const bool skip = GetTransparent();
  const TRect area = target->ToSurface(rect);
  for (const TRect& clip : target->ClipArea().Rects()) {
    const TRect part = clip.Intersect(area);
    for (int y = part.Top; y < part.Bottom; ++y) {
      const uint32_t* from = source.Row((y - area.Top) * FHeight / area.Height());
      uint32_t* to = dest.Row(y);
      for (int x = part.Left; x < part.Right; ++x) {
        const uint32_t pixel = from[(x - area.Left) * FWidth / area.Width()];
        if (!skip || pixel != transparent) to[x] = pixel;
      }
    }
  }
}

void TBitmap::LoadFromStream(TStream* stream) {
  if (!stream) return;
  const BmpCodec::TImage image = BmpCodec::Read(*stream);
  SetSize(0, 0);
  SetSize(image.Width, image.Height);
  for (int y = 0; y < FHeight; ++y)
    std::copy_n(image.Pixels.data() + static_cast<size_t>(y) * FWidth, FWidth, ScanLine(y));
  FPixelFormat = FormatOf(image.BitsPerPixel);
  Changed();
}

void TBitmap::SaveToStream(TStream* stream) {
  if (!stream) return;
  if (Empty()) throw EInvalidGraphic("Cannot save an empty bitmap");
  BmpCodec::Write(*stream, *SurfaceOf(FHandle), BitsOf(FPixelFormat));
}

void TBitmap::LoadFromResourceName(const TModule& module, std::string_view name) {
  TResourceStream stream(module, name);
  LoadFromStream(&stream);
}

// Data is the size of the BMP file in four bytes (little-endian), then the file.
void TBitmap::ReadData(TStream* stream) {
  uint8_t size[4] = {};
  stream->ReadBuffer(size, 4);
  const uint32_t length = size[0] | (size[1] << 8) | (size[2] << 16) | (uint32_t{size[3]} << 24);
  if (length == 0) return SetSize(0, 0);
  std::string bytes(length, '\0');
  stream->ReadBuffer(bytes.data(), length);
  TMemoryStream file(bytes);
  LoadFromStream(&file);
}

void TBitmap::WriteData(TStream* stream) {
  TMemoryStream file;
  SaveToStream(&file);
  const auto length = static_cast<uint32_t>(file.GetSize());
  const uint8_t size[4] = {static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                           static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24)};
  stream->WriteBuffer(size, 4);
  stream->WriteBuffer(file.GetMemory(), length);
}

void TBitmap::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Data", [this](TStream* stream) { ReadData(stream); },
      [this](TStream* stream) { WriteData(stream); }, !Empty());
}
