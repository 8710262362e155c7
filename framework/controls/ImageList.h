#pragma once

#include <cstdint>
#include <vector>

#include "core/Component.h"
#include "core/Method.h"
#include "graphics/Bitmap.h"

class TCustomImageList;

// A link through which a control hears of changes of an image list it shows images of: the
// list calls OnChange after each change. A link unregisters itself when destroyed.
class TChangeLink : public TObject {
  DECLARE_CLASS(TChangeLink, TObject);

 public:
  TChangeLink() = default;
  ~TChangeLink() override;

  TCustomImageList* GetSender() const { return FSender; }
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }
  void Change();

 private:
  friend class TCustomImageList;
  TCustomImageList* FSender = nullptr;
  TNotifyEvent FOnChange;
};

// A list of pictures of one size (Width x Height, 16 x 16 by default) with a transparency
// mask each, drawn by index: the images of tree views, tab controls and menus.
//
// Add and AddMasked cut a bitmap into Width-wide pieces, one image each (a narrower bitmap
// gives one image, the rest transparent); rows below Height are dropped. Changing Width or
// Height empties the list. In form files the images are the binary property Bitmap. ShareImages
// is kept for form files: the images always belong to the list here.
class TCustomImageList : public TComponent {
  DECLARE_CLASS(TCustomImageList, TComponent);

 public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  // Raise EInvalidOperation below 1.
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t value);
  int32_t GetHeight() const { return FHeight; }
  void SetHeight(int32_t value);
  int GetCount() const { return static_cast<int>(FImages.size()); }
  bool GetShareImages() const { return FShareImages; }
  void SetShareImages(bool value) { FShareImages = value; }
  bool GetMasked() const { return FMasked; }
  void SetMasked(bool value);
  // The colour transparent pixels are drawn in (clNone: they are left out).
  TColor GetBkColor() const { return FBkColor; }
  void SetBkColor(TColor value);
  int32_t GetAllocBy() const { return FAllocBy; }
  void SetAllocBy(int32_t value) { FAllocBy = value; }

  // Adds the images of image; mask (optional, same size) is white where image is transparent.
  // Returns the index of the first image added. Raises EInvalidOperation for an empty bitmap.
  int Add(TBitmap* image, TBitmap* mask);
  // The same, the pixels of maskColor being transparent (clDefault: the bottom-left pixel's).
  int AddMasked(TBitmap* image, TColor maskColor);
  // Insert at index (0 to Count) and Replace (0 to Count - 1) take one image; Delete removes
  // one. They raise EListError naming a bad index.
  void Insert(int index, TBitmap* image, TBitmap* mask);
  void InsertMasked(int index, TBitmap* image, TColor maskColor);
  void Replace(int index, TBitmap* image, TBitmap* mask);
  void Delete(int index);
  void Move(int curIndex, int newIndex);
  void Clear();

  // Draws image index with its top-left corner at (x, y), its transparent pixels left out (or
  // drawn in BkColor); disabled, embossed in the highlight and shadow colours. A bad index
  // draws nothing: painting never fails for a stale index.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // Sizes image to Width x Height and copies image index into it, transparent pixels in
  // clFuchsia (its transparent colour). Raises EListError for a bad index.
  void GetBitmap(int index, TBitmap* image);
  // Whether pixel (x, y) of image index is drawn (false outside it).
  bool IsOpaque(int index, int x, int y) const;

  void Assign(TPersistent* source) override;

  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }
  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);

 protected:
  // After each change: fires OnChange and tells the linked controls.
  virtual void Change();
  void DefineProperties(TFiler* filer) override;

 private:
  struct TImage;
  using TImageHandle = TImage*;
  std::vector<TImageHandle> Cut(TBitmap* image, const std::function<bool(int, int)>& transparent);
  std::vector<TImageHandle> CutMasked(TBitmap* image, TColor maskColor);
  std::vector<TImageHandle> CutWithMask(TBitmap* image, TBitmap* mask);
  void InsertImages(int index, std::vector<TImageHandle> images);
  void CheckIndex(int index, int count) const;
  TBitmap* Drawable(TImage& image, bool enabled);
  void FreeImages(std::vector<TImageHandle>& images);
  void ReadData(TStream* stream);
  void WriteData(TStream* stream);

  int32_t FWidth = 16;
  int32_t FHeight = 16;
  bool FShareImages = false;
  bool FMasked = true;
  TColor FBkColor = clNone;
  int32_t FAllocBy = 4;
  std::vector<TImageHandle> FImages;
  std::vector<TChangeLink*> FLinks;
  TNotifyEvent FOnChange;
};

// The image list with its properties published.
class TImageList : public TCustomImageList {
  DECLARE_CLASS(TImageList, TCustomImageList);

 public:
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};
