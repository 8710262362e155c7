#include "controls/Frame3D.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
  TBrush* brush = canvas->GetBrush();
  for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
    brush->SetColor(topLeft);
    canvas->FillRect({rect.Left, rect.Top, rect.Right - 1, rect.Top + 1});
    canvas->FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1});
    brush->SetColor(bottomRight);
    canvas->FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
    canvas->FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
    rect = rect.Inflate(-1, -1);
  }
}
