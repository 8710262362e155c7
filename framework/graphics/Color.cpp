#include "graphics/Color.h"

#include "core/SysUtils.h"
#include "rtti/IdentMap.h"
#include "types/SysColors.h"

namespace {
const TIdentMapEntry Colors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {0, nullptr},
};

// Form files write colours by name.
[[maybe_unused]] const bool Registered = [] {
  RegisterIntegerConsts(TypeInfo<TColor>(), &IdentToColor, &ColorToIdent);
  return true;
}();
}  // namespace

const TIdentMapEntry* ColorNames() {
  return Colors;
}

uint32_t ColorToRGB(TColor color) {
  const auto value = static_cast<uint32_t>(color);
  return (value & 0x80000000u) ? GetSysColor(static_cast<int>(value & 0xFF)) : value;
}

bool IdentToColor(std::string_view ident, int64_t& color) {
  return IdentToInt(ident, color, Colors);
}

bool ColorToIdent(int64_t color, std::string& ident) {
  return IntToIdent(static_cast<int32_t>(color), ident, Colors);
}

std::string ColorToString(TColor color) {
  std::string name;
  if (ColorToIdent(color, name)) return name;
  return "$" + IntToHex(static_cast<uint32_t>(color), 8);
}

TColor StringToColor(std::string_view text) {
  int64_t value = 0;
  if (IdentToColor(Trim(text), value)) return static_cast<TColor>(value);
  return static_cast<TColor>(StrToInt(text));
}
