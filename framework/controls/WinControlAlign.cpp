#include <algorithm>
#include <vector>

#include "controls/ControlRef.h"
#include "controls/WinControl.h"

// The layout side of TWinControl: the alignment of the controls on it, and scaling.

namespace {
constexpr TAlign AlignOrder[] = {alTop, alBottom, alLeft, alRight, alClient};

// Whether a goes before b among the controls of one alignment: by the edge that alignment
// stacks from.
bool PlacedBefore(const TControl* a, const TControl* b, TAlign align) {
  switch (align) {
    case alTop:
      return a->GetTop() < b->GetTop();
    case alBottom:
      return a->GetTop() + a->GetHeight() >= b->GetTop() + b->GetHeight();
    case alLeft:
      return a->GetLeft() < b->GetLeft();
    case alRight:
      return a->GetLeft() + a->GetWidth() >= b->GetLeft() + b->GetWidth();
    default:
      return false;
  }
}

// Places control at its side of rect and takes the space it covers out of rect.
void PlaceAligned(TControl* control, TAlign align, TRect& rect) {
  const int width = std::max(rect.Width(), 0);
  const int height = std::max(rect.Height(), 0);
  switch (align) {
    case alTop:
      control->SetBounds(rect.Left, rect.Top, width, control->GetHeight());
      rect.Top += control->GetHeight();
      break;
    case alBottom:
      control->SetBounds(rect.Left, rect.Bottom - control->GetHeight(), width,
                         control->GetHeight());
      rect.Bottom -= control->GetHeight();
      break;
    case alLeft:
      control->SetBounds(rect.Left, rect.Top, control->GetWidth(), height);
      rect.Left += control->GetWidth();
      break;
    case alRight:
      control->SetBounds(rect.Right - control->GetWidth(), rect.Top, control->GetWidth(), height);
      rect.Right -= control->GetWidth();
      break;
    case alClient:
      control->SetBounds(rect.Left, rect.Top, width, height);
      break;
    default:
      break;
  }
}
}  // namespace

void TWinControl::AlignControl(TControl* control) {
  const TComponentState state = GetComponentState();
  if (state.Contains(csDestroying)) return;
  if (state.Contains(csLoading) || FAlignLevel > 0) {
    // Loaded, or EnableAlign, aligns once everything is in place.
    FAlignPending = true;
    return;
  }
  DisableAlign();
  try {
    TRect rect = GetClientRect();
    AdjustClientRect(rect);
    AlignControls(control, rect);
  } catch (...) {
    --FAlignLevel;
    FAlignPending = false;
    throw;
  }
  FAlignPending = false;
  EnableAlign();
}

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
  if (FAlignLevel == 0 && FAlignPending) Realign();
}

void TWinControl::Realign() {
  AlignControl(nullptr);
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  const bool designing = GetComponentState().Contains(csDesigning);
  auto takesPart = [designing](const TControl* c) {
    return c->GetVisible() || (designing && !c->GetControlStyle().Contains(csNoDesignVisible));
  };
  TControlRef<TWinControl> self(this);
  for (TAlign align : AlignOrder) {
    std::vector<TControl*> list;
    if (control && control->GetAlign() == align && takesPart(control)) list.push_back(control);
    for (TControl* candidate : FControls) {
      if (candidate == control || candidate->GetAlign() != align || !takesPart(candidate)) continue;
      auto at = list.begin();
      while (at != list.end() && !PlacedBefore(candidate, *at, align))
        ++at;
      list.insert(at, candidate);
    }
    for (TControl* aligned : list) {
      if (!self) return;
      if (std::find(FControls.begin(), FControls.end(), aligned) == FControls.end()) continue;
      PlaceAligned(aligned, align, rect);
    }
  }
}

void TWinControl::ScaleBy(int m, int d) {
  DisableAlign();
  try {
    ChangeScale(m, d);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::ChangeScale(int m, int d) {
  DisableAlign();
  try {
    const std::vector<TControl*> controls = FControls;
    for (TControl* control : controls)
      control->ChangeScale(m, d);
    TControl::ChangeScale(m, d);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  FixupTabList();
  FAlignPending = false;
  if (!FControls.empty()) Realign();
  UpdateControlState();
}
