#include "controls/ImageList.h"

#include <algorithm>
#include <unordered_set>

#include "controls/ButtonGlyph.h"
#include "core/ClassRegistry.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Surface.h"
#include "streaming/Filer.h"
#include "streaming/Stream.h"

IMPLEMENT_CLASS(TChangeLink) {}
IMPLEMENT_CLASS(TCustomImageList) {}

IMPLEMENT_CLASS(TImageList) {
  PROPERTY(AllocBy, GetAllocBy, SetAllocBy).Default(4);
  PROPERTY(BkColor, GetBkColor, SetBkColor).Default(clNone);
  PROPERTY(Height, GetHeight, SetHeight).Default(16);
  PROPERTY(Masked, GetMasked, SetMasked).Default(true);
  PROPERTY(ShareImages, GetShareImages, SetShareImages).Default(false);
  PROPERTY(Width, GetWidth, SetWidth).Default(16);
  PROPERTY(OnChange, GetOnChange, SetOnChange);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TImageList::StaticClass()});
  return true;
}();

// The binary form of the images: a signature, a version, the count and size, then every pixel
// of every image as blue, green, red and 0 (transparent) or 255 (drawn).
constexpr char Signature[4] = {'V', 'M', 'I', 'L'};
constexpr uint8_t FormatVersion = 1;
constexpr uint32_t MaxSide = 4096;

void PutUInt32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t GetUInt32(const uint8_t* bytes) {
  return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t{bytes[3]} << 24);
}

[[noreturn]] void Corrupt(const std::string& why) {
  throw EReadError("Image list data is corrupt: " + why);
}

// A transparent key for a picture: a colour none of its drawn pixels has.
uint32_t UnusedColor(const std::vector<uint32_t>& pixels, const std::vector<uint8_t>& opaque) {
  std::unordered_set<uint32_t> used;
  for (size_t i = 0; i < pixels.size(); ++i)
    if (opaque[i]) used.insert(pixels[i]);
  uint32_t key = 0xFF00FF;
  while (used.count(key))
    key = (key + 0x010203) & 0xFFFFFF;
  return key;
}
}  // namespace

// One image: its pixels (0x00RRGGBB) and whether each is drawn, with the bitmaps drawing uses,
// made when first needed.
struct TCustomImageList::TImage {
  std::vector<uint32_t> Pixels;
  std::vector<uint8_t> Opaque;
  TBitmap* Normal = nullptr;
  TBitmap* Disabled = nullptr;
  TColor NormalBackground = clNone;

  TImage(int width, int height)
      : Pixels(static_cast<size_t>(width) * height, 0), Opaque(Pixels.size(), 0) {}
  ~TImage() { ForgetBitmaps(); }
  void ForgetBitmaps() {
    FreeAndNil(Normal);
    FreeAndNil(Disabled);
  }
};

// Change links.

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (FOnChange) FOnChange(FSender);
}

// The list.

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : FLinks)
    link->FSender = nullptr;
  FreeImages(FImages);
}

void TCustomImageList::FreeImages(std::vector<TImageHandle>& images) {
  for (TImageHandle image : images)
    delete image;
  images.clear();
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
  if (!link || link->FSender == this) return;
  if (link->FSender) link->FSender->UnRegisterChanges(link);
  link->FSender = this;
  FLinks.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
  auto it = std::find(FLinks.begin(), FLinks.end(), link);
  if (it == FLinks.end()) return;
  FLinks.erase(it);
  link->FSender = nullptr;
}

void TCustomImageList::Change() {
  if (FOnChange) FOnChange(this);
  const std::vector<TChangeLink*> links = FLinks;
  for (TChangeLink* link : links)
    if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) link->Change();
}

void TCustomImageList::SetWidth(int32_t value) {
  if (value < 1) throw EInvalidOperation(Format("Image width must be at least 1, not %d", value));
  if (value == FWidth) return;
  FWidth = value;
  Clear();
}

void TCustomImageList::SetHeight(int32_t value) {
  if (value < 1) throw EInvalidOperation(Format("Image height must be at least 1, not %d", value));
  if (value == FHeight) return;
  FHeight = value;
  Clear();
}

void TCustomImageList::SetMasked(bool value) {
  if (value == FMasked) return;
  FMasked = value;
  for (TImageHandle image : FImages)
    image->ForgetBitmaps();
  Change();
}

void TCustomImageList::SetBkColor(TColor value) {
  if (value == FBkColor) return;
  FBkColor = value;
  Change();
}

void TCustomImageList::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) throw EListError(Format("List index out of bounds (%d)", index));
}

// Adding images.

std::vector<TCustomImageList::TImageHandle> TCustomImageList::Cut(
    TBitmap* image, const std::function<bool(int, int)>& transparent) {
  if (!image || image->Empty())
    throw EInvalidOperation("Cannot add an empty bitmap to an image list");
  const int count = std::max(1, image->GetWidth() / FWidth);
  const int rows = std::min(image->GetHeight(), static_cast<int>(FHeight));
  std::vector<TImageHandle> images;
  try {
    for (int i = 0; i < count; ++i) {
      auto* piece = new TImage(FWidth, FHeight);
      images.push_back(piece);
      const int columns = std::min(static_cast<int>(FWidth), image->GetWidth() - i * FWidth);
      for (int y = 0; y < rows; ++y) {
        const uint32_t* source = image->ScanLine(y) + i * FWidth;
        for (int x = 0; x < columns; ++x) {
          const size_t at = static_cast<size_t>(y) * FWidth + x;
          piece->Pixels[at] = source[x];
          piece->Opaque[at] = transparent(i * FWidth + x, y) ? 0 : 1;
        }
      }
    }
  } catch (...) {
    FreeImages(images);
    throw;
  }
  return images;
}

std::vector<TCustomImageList::TImageHandle> TCustomImageList::CutWithMask(TBitmap* image,
                                                                          TBitmap* mask) {
  const bool useMask = mask && !mask->Empty();
  return Cut(image, [&](int x, int y) {
    if (!useMask || x >= mask->GetWidth() || y >= mask->GetHeight()) return false;
    return (mask->ScanLine(y)[x] & 0xFFFFFF) == 0xFFFFFF;
  });
}

std::vector<TCustomImageList::TImageHandle> TCustomImageList::CutMasked(TBitmap* image,
                                                                        TColor maskColor) {
  if (!image || image->Empty())
    throw EInvalidOperation("Cannot add an empty bitmap to an image list");
  const TColor key = maskColor == clDefault ? image->GetTransparentColor() : maskColor;
  const uint32_t keyPixel = ColorRefToPixel(ColorToRGB(key));
  return Cut(image, [&](int x, int y) { return image->ScanLine(y)[x] == keyPixel; });
}

void TCustomImageList::InsertImages(int index, std::vector<TImageHandle> images) {
  FImages.insert(FImages.begin() + index, images.begin(), images.end());
  Change();
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  const int first = GetCount();
  InsertImages(first, CutWithMask(image, mask));
  return first;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  const int first = GetCount();
  InsertImages(first, CutMasked(image, maskColor));
  return first;
}

void TCustomImageList::Insert(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index, GetCount() + 1);
  InsertImages(index, CutWithMask(image, mask));
}

void TCustomImageList::InsertMasked(int index, TBitmap* image, TColor maskColor) {
  CheckIndex(index, GetCount() + 1);
  InsertImages(index, CutMasked(image, maskColor));
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index, GetCount());
  std::vector<TImageHandle> images = CutWithMask(image, mask);
  std::swap(FImages[static_cast<size_t>(index)], images.front());
  FreeImages(images);
  Change();
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index, GetCount());
  delete FImages[static_cast<size_t>(index)];
  FImages.erase(FImages.begin() + index);
  Change();
}

void TCustomImageList::Move(int curIndex, int newIndex) {
  CheckIndex(curIndex, GetCount());
  CheckIndex(newIndex, GetCount());
  if (curIndex == newIndex) return;
  TImageHandle image = FImages[static_cast<size_t>(curIndex)];
  FImages.erase(FImages.begin() + curIndex);
  FImages.insert(FImages.begin() + newIndex, image);
  Change();
}

void TCustomImageList::Clear() {
  if (FImages.empty()) return;
  FreeImages(FImages);
  Change();
}

void TCustomImageList::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCustomImageList*>(source);
  if (!other) return TComponent::Assign(source);
  if (other == this) return;
  std::vector<TImageHandle> copies;
  for (TImageHandle image : other->FImages) {
    auto* copy = new TImage(other->FWidth, other->FHeight);
    copy->Pixels = image->Pixels;
    copy->Opaque = image->Opaque;
    copies.push_back(copy);
  }
  FreeImages(FImages);
  FImages = std::move(copies);
  FWidth = other->FWidth;
  FHeight = other->FHeight;
  FMasked = other->FMasked;
  FBkColor = other->FBkColor;
  FShareImages = other->FShareImages;
  FAllocBy = other->FAllocBy;
  Change();
}

// Drawing.

bool TCustomImageList::IsOpaque(int index, int x, int y) const {
  if (index < 0 || index >= GetCount() || x < 0 || y < 0 || x >= FWidth || y >= FHeight)
    return false;
  return !FMasked ||
         FImages[static_cast<size_t>(index)]->Opaque[static_cast<size_t>(y) * FWidth + x];
}

TBitmap* TCustomImageList::Drawable(TImage& image, bool enabled) {
  if (!enabled) {
    if (!image.Disabled) {
      const int width = FWidth;
      image.Disabled = MakeEmbossedImage(FWidth, FHeight, [&](int x, int y) {
        const size_t at = static_cast<size_t>(y) * width + x;
        return (!FMasked || image.Opaque[at]) && image.Pixels[at] != 0xFFFFFF;
      });
    }
    return image.Disabled;
  }
  if (image.Normal && image.NormalBackground == FBkColor) return image.Normal;
  FreeAndNil(image.Normal);
  auto* bitmap = new TBitmap();
  bitmap->SetSize(FWidth, FHeight);
  const bool fill = FBkColor != clNone || !FMasked;
  const uint32_t key = fill ? ColorRefToPixel(ColorToRGB(FBkColor == clNone ? clBlack : FBkColor))
                            : UnusedColor(image.Pixels, image.Opaque);
  for (int y = 0; y < FHeight; ++y) {
    uint32_t* row = bitmap->ScanLine(y);
    for (int x = 0; x < FWidth; ++x) {
      const size_t at = static_cast<size_t>(y) * FWidth + x;
      row[x] = (!FMasked || image.Opaque[at]) ? image.Pixels[at] : key;
    }
  }
  if (!fill) {
    bitmap->SetTransparentColor(static_cast<TColor>(PixelToColorRef(key)));
    bitmap->SetTransparent(true);
  }
  image.Normal = bitmap;
  image.NormalBackground = FBkColor;
  return bitmap;
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (!canvas || index < 0 || index >= GetCount()) return;
  canvas->Draw(x, y, Drawable(*FImages[static_cast<size_t>(index)], enabled));
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  CheckIndex(index, GetCount());
  if (!image) return;
  const TImage& source = *FImages[static_cast<size_t>(index)];
  const uint32_t key = ColorRefToPixel(ColorToRGB(clFuchsia));
  image->SetSize(0, 0);
  image->SetSize(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      const size_t at = static_cast<size_t>(y) * FWidth + x;
      image->ScanLine(y)[x] = source.Opaque[at] ? source.Pixels[at] : key;
    }
  image->SetTransparentColor(clFuchsia);
}

// Form files.

void TCustomImageList::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Bitmap", [this](TStream* stream) { ReadData(stream); },
      [this](TStream* stream) { WriteData(stream); }, !FImages.empty());
}

void TCustomImageList::WriteData(TStream* stream) {
  std::vector<uint8_t> bytes(Signature, Signature + 4);
  bytes.push_back(FormatVersion);
  PutUInt32(bytes, static_cast<uint32_t>(FImages.size()));
  PutUInt32(bytes, static_cast<uint32_t>(FWidth));
  PutUInt32(bytes, static_cast<uint32_t>(FHeight));
  for (TImageHandle image : FImages)
    for (size_t i = 0; i < image->Pixels.size(); ++i) {
      const uint32_t pixel = image->Pixels[i];
      bytes.push_back(static_cast<uint8_t>(pixel));
      bytes.push_back(static_cast<uint8_t>(pixel >> 8));
      bytes.push_back(static_cast<uint8_t>(pixel >> 16));
      bytes.push_back(image->Opaque[i] ? 255 : 0);
    }
  stream->WriteBuffer(bytes.data(), bytes.size());
}

// The whole block is checked before anything changes: bad data leaves the list as it was.
void TCustomImageList::ReadData(TStream* stream) {
  const std::string data = stream->ReadToEnd();
  const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
  constexpr size_t HeaderSize = 4 + 1 + 12;
  if (data.size() < HeaderSize || !std::equal(Signature, Signature + 4, data.begin()))
    Corrupt("no image list signature");
  if (bytes[4] != FormatVersion) Corrupt(Format("unknown version %d", int(bytes[4])));
  const uint32_t count = GetUInt32(bytes + 5);
  const uint32_t width = GetUInt32(bytes + 9);
  const uint32_t height = GetUInt32(bytes + 13);
  if (width < 1 || height < 1 || width > MaxSide || height > MaxSide)
    Corrupt(Format("image size %u x %u", width, height));
  if (width != static_cast<uint32_t>(FWidth) || height != static_cast<uint32_t>(FHeight))
    Corrupt(Format("it holds %u x %u images, but the list's are %d x %d", width, height, FWidth,
                   FHeight));
  const size_t imageBytes = static_cast<size_t>(width) * height * 4;
  if ((data.size() - HeaderSize) / imageBytes != count ||
      (data.size() - HeaderSize) % imageBytes != 0)
    Corrupt(Format("%u images of %u x %u do not fill %zu bytes", count, width, height,
                   data.size() - HeaderSize));
  std::vector<TImageHandle> images;
  const uint8_t* at = bytes + HeaderSize;
  for (uint32_t i = 0; i < count; ++i) {
    auto* image = new TImage(FWidth, FHeight);
    images.push_back(image);
    for (size_t p = 0; p < image->Pixels.size(); ++p, at += 4) {
      image->Pixels[p] = at[0] | (at[1] << 8) | (uint32_t{at[2]} << 16);
      image->Opaque[p] = at[3] ? 1 : 0;
    }
  }
  FreeImages(FImages);
  FImages = std::move(images);
  Change();
}
