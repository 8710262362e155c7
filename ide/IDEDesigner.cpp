#include "IDEDesigner.h"

#include <algorithm>
#include <cstring>

#include "controls/Form.h"
#include "designintf/ComponentList.h"
#include "winsys/VirtualKeys.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TIDEDesigner) {}

namespace {
constexpr int GridStep = 8;
constexpr int HandleSize = 5;

TPoint ClientPoint(const TMessage& message) {
  return TPoint{static_cast<int16_t>(message.LParam & 0xFFFF),
                static_cast<int16_t>((message.LParam >> 16) & 0xFFFF)};
}

bool IsMouse(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}

// The rectangle of control in the client coordinates of form.
TRect RectOnForm(TControl* control, TCustomForm* form) {
  const TPoint topLeft = form->ScreenToClient(control->ClientToScreen(TPoint{0, 0}));
  return Bounds(topLeft.X, topLeft.Y, control->GetWidth(), control->GetHeight());
}
}  // namespace

TIDEDesigner::TIDEDesigner(TCustomForm* form) : FRoot(form) {
  SetForm(form);
  FCaption = form->GetCaption();
  form->SetDesigning(true);
  form->SetDesigner(this);
  ShowCaption();
}

TIDEDesigner::~TIDEDesigner() {
  TCustomForm* form = FRoot.Get();
  if (!form) return;
  form->SetDesigner(nullptr);
  form->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FCaption.c_str()));
}

TComponent* TIDEDesigner::DesignedComponentOf(TControl* control) const {
  TCustomForm* root = FRoot.Get();
  for (TControl* candidate = control; candidate; candidate = candidate->GetParent())
    if (candidate == root || candidate->GetOwner() == root) return candidate;
  return nullptr;
}

// Selection.

void TIDEDesigner::ReplaceSelection(std::vector<TComponent*> selection) {
  if (selection == FSelection) return;
  FSelection = std::move(selection);
  if (TCustomForm* root = FRoot.Get()) root->Invalidate();
  if (FOnSelectionChanged) FOnSelectionChanged(this);
}

void TIDEDesigner::SelectAll() {
  TCustomForm* root = FRoot.Get();
  if (!root) return;
  std::vector<TComponent*> all;
  for (int i = 0; i < root->GetComponentCount(); ++i)
    all.push_back(root->GetComponent(i));
  ReplaceSelection(std::move(all));
}

void TIDEDesigner::DeleteSelection() {
  TCustomForm* root = FRoot.Get();
  bool deleted = false;
  // Freeing a control frees the controls on it as well; each one leaves the selection through
  // Notification, so the list is searched again after every free.
  for (;;) {
    auto found = std::find_if(FSelection.begin(), FSelection.end(),
                              [root](TComponent* c) { return c != root && c->GetOwner() == root; });
    if (found == FSelection.end()) break;
    (*found)->Free();
    deleted = true;
  }
  if (deleted) Modified();
}

void TIDEDesigner::GetSelections(TComponentList* list) {
  if (!list) return;
  for (TComponent* component : FSelection)
    list->Add(component);
}

void TIDEDesigner::SelectComponent(TPersistent* instance) {
  auto* component = dynamic_cast<TComponent*>(instance);
  TCustomForm* root = FRoot.Get();
  if (component && root && (component == root || component->GetOwner() == root))
    ReplaceSelection({component});
  else
    ReplaceSelection({});
}

void TIDEDesigner::SetSelections(TComponentList* list) {
  std::vector<TComponent*> selection;
  TCustomForm* root = FRoot.Get();
  for (int i = 0; list && i < list->GetCount(); ++i) {
    TComponent* component = list->GetItem(i);
    if (component && root && (component == root || component->GetOwner() == root) &&
        std::find(selection.begin(), selection.end(), component) == selection.end())
      selection.push_back(component);
  }
  ReplaceSelection(std::move(selection));
}

void TIDEDesigner::Notification(TComponent* component, TOperation operation) {
  if (operation != opRemove) return;
  auto selection = FSelection;
  std::erase(selection, component);
  ReplaceSelection(std::move(selection));
}

// Modifications and the window title.

void TIDEDesigner::Modified() {
  ++FModifiedCount;
  ShowCaption();
  if (FOnModified) FOnModified(this);
}

std::string TIDEDesigner::DecoratedCaption() const {
  if (FModifiedCount == 0) return FCaption;
  return FCaption + "  (" + std::to_string(FModifiedCount) +
         (FModifiedCount == 1 ? " change)" : " changes)");
}

void TIDEDesigner::ShowCaption() {
  TCustomForm* root = FRoot.Get();
  if (!root) return;
  FShownCaption = DecoratedCaption();
  FSettingCaption = true;
  root->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FShownCaption.c_str()));
  FSettingCaption = false;
}

bool TIDEDesigner::IsCaptionMessage(TControl* sender, const TMessage& message) const {
  if (FSettingCaption || sender != FRoot.Get()) return false;
  return message.Msg == WM_SETTEXT || message.Msg == WM_GETTEXT || message.Msg == WM_GETTEXTLENGTH;
}

// The form's Caption reads and writes the text the user gave; the window shows it with the
// count of modifications.
bool TIDEDesigner::CaptionMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(message.LParam);
      FCaption = text ? text : "";
      FShownCaption = DecoratedCaption();
      message.LParam = reinterpret_cast<LPARAM>(FShownCaption.c_str());
      return false;  // the form stores and shows the decorated text
    }
    case WM_GETTEXTLENGTH:
      message.Result = static_cast<LRESULT>(FCaption.size());
      return true;
    default: {
      auto* buffer = reinterpret_cast<char*>(message.LParam);
      if (!buffer || message.WParam == 0) {
        message.Result = 0;
        return true;
      }
      const size_t copied = std::min(FCaption.size(), static_cast<size_t>(message.WParam - 1));
      std::memcpy(buffer, FCaption.data(), copied);
      buffer[copied] = 0;
      message.Result = static_cast<LRESULT>(copied);
      return true;
    }
  }
}

// Mouse.

bool TIDEDesigner::IsDesignMsg(TControl* sender, TMessage& message) {
  if (!FRoot) return false;
  if (IsCaptionMessage(sender, message)) return CaptionMessage(message);
  if (IsMouse(message.Msg)) return MouseMessage(sender, message);
  return false;
}

bool TIDEDesigner::MouseMessage(TControl* sender, TMessage& message) {
  const TPoint client = ClientPoint(message);
  const TPoint screen = sender->ClientToScreen(client);
  // Designed windows do not pass the mouse on to their graphic controls; the designer does.
  if (auto* windowed = dynamic_cast<TWinControl*>(sender))
    if (TControl* graphic = windowed->ControlAtPos(client, true)) sender = graphic;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (TClass placed = FPlacementQuery ? FPlacementQuery() : nullptr)
        PlaceComponent(placed, sender, screen);
      else
        MouseDown(sender, screen, (message.WParam & MK_SHIFT) != 0);
      break;
    case WM_MOUSEMOVE:
      MouseMove(screen);
      break;
    case WM_LBUTTONUP:
      MouseUp();
      break;
    default:
      break;
  }
  // Controls being designed do not react to the mouse themselves.
  return true;
}

void TIDEDesigner::MouseDown(TControl* sender, TPoint screen, bool shift) {
  TComponent* component = DesignedComponentOf(sender);
  if (!component) return;
  const bool selected =
      std::find(FSelection.begin(), FSelection.end(), component) != FSelection.end();
  if (shift) {
    auto selection = FSelection;
    if (selected)
      std::erase(selection, component);
    else
      selection.push_back(component);
    ReplaceSelection(std::move(selection));
    return;
  }
  if (!selected) ReplaceSelection({component});
  auto* control = dynamic_cast<TControl*>(component);
  TCustomForm* root = FRoot.Get();
  if (!control || control == root) return;
  FDrag = TDrag{control, screen, TPoint{control->GetLeft(), control->GetTop()}, false};
  FDragging = true;
  SetCapture(root->GetHandle());
}

void TIDEDesigner::MouseMove(TPoint screen) {
  if (!FDragging) return;
  TControl* control = FDrag.Control.Get();
  if (!control) return;
  const int dx = screen.X - FDrag.Start.X;
  const int dy = screen.Y - FDrag.Start.Y;
  if (dx == 0 && dy == 0 && !FDrag.Moved) return;
  control->SetBounds(FDrag.Origin.X + dx, FDrag.Origin.Y + dy, control->GetWidth(),
                     control->GetHeight());
  FDrag.Moved = true;
  if (TCustomForm* root = FRoot.Get()) root->Invalidate();
}

void TIDEDesigner::MouseUp() {
  if (!FDragging) return;
  FDragging = false;
  ReleaseCapture();
  const bool moved = FDrag.Moved && FDrag.Control;
  FDrag = TDrag{};
  if (moved) Modified();
}

// Placing new components.

void TIDEDesigner::PlaceComponent(TClass componentClass, TControl* sender, TPoint screen) {
  TWinControl* parent = nullptr;
  for (TControl* candidate = sender; candidate && !parent; candidate = candidate->GetParent()) {
    auto* windowed = dynamic_cast<TWinControl*>(candidate);
    if (windowed && DesignedComponentOf(windowed) == windowed &&
        windowed->GetControlStyle().Contains(csAcceptsControls))
      parent = windowed;
  }
  if (!parent) parent = FRoot.Get();
  const TPoint at = parent->ScreenToClient(screen);
  if (TComponent* component = CreateComponent(componentClass, parent, at.X, at.Y, 0, 0)) {
    ReplaceSelection({component});
    Modified();
  }
}

TComponent* TIDEDesigner::CreateComponent(TClass componentClass, TComponent* parent, int left,
                                          int top, int width, int height) {
  TCustomForm* root = FRoot.Get();
  if (!root || !componentClass || componentClass->IsAbstract() ||
      !componentClass->InheritsFrom(TComponent::StaticClass()))
    return nullptr;
  auto* component = static_cast<TComponent*>(componentClass->CreateInstance(root));
  try {
    component->SetName(UniqueName(componentClass->ClassName()));
    if (auto* control = dynamic_cast<TControl*>(component)) {
      if (auto* windowed = dynamic_cast<TWinControl*>(parent)) control->SetParent(windowed);
      control->SetBounds(left, top, width > 0 ? width : control->GetWidth(),
                         height > 0 ? height : control->GetHeight());
    }
  } catch (...) {
    component->Free();
    throw;
  }
  return component;
}

// Painting: the alignment grid, and handles around the selected controls.

void TIDEDesigner::PaintGrid() {
  TCustomForm* root = FRoot.Get();
  if (!root) return;
  TCanvas* canvas = root->GetCanvas();
  const int width = root->GetClientWidth();
  const int height = root->GetClientHeight();
  for (int y = 0; y < height; y += GridStep)
    for (int x = 0; x < width; x += GridStep)
      canvas->SetPixel(x, y, clBlack);
  canvas->GetBrush()->SetColor(clBlack);
  for (TComponent* component : FSelection) {
    auto* control = dynamic_cast<TControl*>(component);
    if (!control || control == root) continue;
    const TRect r = RectOnForm(control, root);
    const int xs[] = {r.Left - HandleSize, (r.Left + r.Right - HandleSize) / 2, r.Right};
    const int ys[] = {r.Top - HandleSize, (r.Top + r.Bottom - HandleSize) / 2, r.Bottom};
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 3; ++col)
        if (row != 1 || col != 1)
          canvas->FillRect(Bounds(xs[col], ys[row], HandleSize, HandleSize));
  }
}
