#pragma once

#include <string>

#include "core/Exception.h"
#include "core/Method.h"
#include "core/Persistent.h"
#include "types/Rect.h"

class TCanvas;
class TStream;

DECLARE_EXCEPTION(EInvalidGraphic, Exception);

// A picture that can draw itself on a canvas and be read from and written to streams.
class TGraphic : public TPersistent {
  DECLARE_CLASS(TGraphic, TPersistent);

 public:
  virtual int GetWidth() const = 0;
  virtual void SetWidth(int value) = 0;
  virtual int GetHeight() const = 0;
  virtual void SetHeight(int value) = 0;
  virtual bool Empty() const = 0;
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);

  // Draws the picture stretched to rect on canvas.
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  // Reads the picture from the stream's position; raises EInvalidGraphic for malformed data.
  virtual void LoadFromStream(TStream* stream) = 0;
  virtual void SaveToStream(TStream* stream) = 0;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }

 protected:
  TGraphic() = default;
  // Called after each change of the picture; the default fires OnChange.
  virtual void Changed();

 private:
  bool FTransparent = false;
  TNotifyEvent FOnChange;
};
