#include "vxedit/ColorEdit.h"

#include <optional>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Canvas.h"
#include "graphics/Color.h"
#include "graphics/Gdi.h"
#include "vxedit/OffscreenBuffer.h"
#include "vxedit/TextMessages.h"
#include "vxedit/VxMessages.h"
#include "winsys/VirtualKeys.h"

IMPLEMENT_CLASS(TColorEdit) {
  MESSAGE_HANDLER(CM_WANTSPECIALKEY, CMWantSpecialKey);
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(WM_GETTEXT, WMGetText);
  MESSAGE_HANDLER(WM_GETTEXTLENGTH, WMGetTextLength);
  MESSAGE_HANDLER(CM_PAINTTO, CMPaintTo);
}

namespace {
constexpr int SwatchLeft = 2;
constexpr int SwatchWidth = 22;
constexpr int LabelLeft = 28;

// The colour a text names, or none when it names no colour.
std::optional<TColor> ParseColor(const std::string& text) {
  try {
    return StringToColor(text);
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

// The text shown beside the swatch: a colour name without its "cl" prefix; a number as it is.
std::string_view LabelOf(std::string_view colorText) {
  if (colorText.size() >= 2 && SameText(colorText.substr(0, 2), "cl")) colorText.remove_prefix(2);
  return colorText;
}

// A black-framed swatch filled with color; without a colour only the frame (over the
// context's default white brush).
void DrawSwatch(HDC dc, const TRect& bounds, std::optional<TColor> color) {
  HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(clBlack));
  HGDIOBJ previousPen = SelectObject(dc, pen);
  Rectangle(dc, bounds.Left, bounds.Top, bounds.Right, bounds.Bottom);
  SelectObject(dc, previousPen);
  DeleteObject(pen);
  if (!color) return;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(*color));
  const TRect inside{bounds.Left + 1, bounds.Top + 1, bounds.Right - 1, bounds.Bottom - 1};
  FillRect(dc, &inside, brush);
  DeleteObject(brush);
}
}  // namespace

TColorEdit::TColorEdit(TComponent* owner) : TCustomControl(owner) {}

void TColorEdit::PaintToCanvas(TCanvas* canvas, int x, int y) {
  if (!canvas) return;
  const TRect client = GetClientRect();
  TOffscreenBuffer::PaintOnto(*canvas, x, y, client.Width(), client.Height(), [&](HDC dc) {
    const TRect swatch{client.Left + SwatchLeft, client.Top + 2,
                       client.Left + SwatchLeft + SwatchWidth, client.Bottom - 2};
    DrawSwatch(dc, swatch, ParseColor(FColorText));

    const std::string_view label = LabelOf(FColorText);
    TRect textRect = client;
    textRect.Left = LabelLeft;
    HGDIOBJ previousFont = SelectObject(dc, canvas->GetFont()->GetHandle());
    SetTextColor(dc, ColorToRGB(canvas->GetFont()->GetColor()));
    ExtTextOut(dc, textRect.Left, textRect.Top, ETO_OPAQUE | ETO_CLIPPED, &textRect, label.data(),
               static_cast<UINT>(label.size()), nullptr);
    SelectObject(dc, previousFont);
  });
}

void TColorEdit::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->SetFont(GetFont());
  PaintToCanvas(canvas, 0, 0);
}

void TColorEdit::CMWantSpecialKey(TCMWantSpecialKey& message) {
  inherited::CMWantSpecialKey(message);
  if (message.CharCode() == VK_UP || message.CharCode() == VK_DOWN) message.Result = 1;
}

void TColorEdit::WMSetText(TWMSetText& message) {
  const std::string_view text = message.Text() ? message.Text() : "";
  FColorText = std::string(text.substr(0, MaxTextLength));
  Invalidate();
  message.Result = 1;
}

void TColorEdit::WMGetText(TWMGetText& message) {
  Detail::AnswerGetText(FColorText, message);
}

void TColorEdit::WMGetTextLength(TMessage& message) {
  message.Result = static_cast<LRESULT>(FColorText.size());
}

void TColorEdit::CMPaintTo(TMessage& message) {
  message.Result = 0;
  if (!message.WParam) return;
  const TPoint origin = PointFromLParam(message.LParam);
  PaintToCanvas(reinterpret_cast<TCanvas*>(message.WParam), origin.X, origin.Y);
  message.Result = 1;
}
