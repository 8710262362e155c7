#include "graphics/Font.h"

#include <cmath>
#include <cstring>

#include "core/Module.h"
#include "graphics/Gdi.h"

IMPLEMENT_CLASS(TFont) {
  PROPERTY(Color, GetColor, SetColor).Default(clWindowText);
  PROPERTY(Height, GetHeight, SetHeight);
  PROPERTY(Name, GetName, SetName);
  PROPERTY(Pitch, GetPitch, SetPitch).Default(fpDefault);
  PROPERTY(Size, GetSize, SetSize).Stored(false);
  PROPERTY(Style, GetStyle, SetStyle).Default(TFontStyles{});
}

namespace {
constexpr const char* DefaultName = "MS Sans Serif";
constexpr int32_t DefaultHeight = -11;
}  // namespace

TFont::TFont() : FName(DefaultName), FHeight(DefaultHeight), FColor(clWindowText) {}

TFont::~TFont() {
  FreeHandle();
}

void TFont::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TFont::Changed() {
  // Listeners see the new properties: a handle they ask for is made from them. The old handle
  // lives until they are told, so that canvases can deselect it first.
  HFONT old = FHandle;
  FHandle = nullptr;
  TGraphicsObject::Changed();
  if (old) DeleteObject(old);
}

void TFont::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TFont*>(source);
  if (!other) return TGraphicsObject::Assign(source);
  FName = other->FName;
  FHeight = other->FHeight;
  FStyle = other->FStyle;
  FColor = other->FColor;
  FPitch = other->FPitch;
  FPixelsPerInch = other->FPixelsPerInch;
  Changed();
}

void TFont::SetName(const TFontName& value) {
  if (value.empty() || value == FName) return;
  FName = value;
  Changed();
}

void TFont::SetHeight(int32_t value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

int32_t TFont::GetSize() const {
  return static_cast<int32_t>(std::lround(-static_cast<double>(FHeight) * 72 / FPixelsPerInch));
}

void TFont::SetSize(int32_t value) {
  SetHeight(static_cast<int32_t>(-std::lround(static_cast<double>(value) * FPixelsPerInch / 72)));
}

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  TGraphicsObject::Changed();  // the colour is not part of the handle
}

void TFont::SetPitch(TFontPitch value) {
  if (value == FPitch) return;
  FPitch = value;
  Changed();
}

void TFont::SetPixelsPerInch(int32_t value) {
  if (value > 0) FPixelsPerInch = value;
}

HFONT TFont::GetHandle() {
  if (FHandle) return FHandle;
  LOGFONT log;
  log.lfHeight = FHeight;
  log.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = FStyle.Contains(fsItalic) ? 1 : 0;
  log.lfUnderline = FStyle.Contains(fsUnderline) ? 1 : 0;
  log.lfStrikeOut = FStyle.Contains(fsStrikeOut) ? 1 : 0;
  log.lfPitchAndFamily = FPitch == fpFixed      ? FIXED_PITCH
                         : FPitch == fpVariable ? VARIABLE_PITCH
                                                : DEFAULT_PITCH;
  std::strncpy(log.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
  FHandle = CreateFontIndirect(&log);
  return FHandle;
}

void TFont::SetHandle(HFONT value) {
  LOGFONT log;
  if (!GetObject(value, sizeof log, &log)) return;
  FName = TFontName(log.lfFaceName);
  FHeight = log.lfHeight;
  TFontStyles style;
  if (log.lfWeight >= FW_SEMIBOLD) style.Include(fsBold);
  if (log.lfItalic) style.Include(fsItalic);
  if (log.lfUnderline) style.Include(fsUnderline);
  if (log.lfStrikeOut) style.Include(fsStrikeOut);
  FStyle = style;
  const BYTE pitch = log.lfPitchAndFamily & 3;
  FPitch = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
  Changed();
}
