#include "controls/Screen.h"

#include <algorithm>

#include "controls/DataModule.h"
#include "controls/Form.h"
#include "core/List.h"
#include "core/Module.h"
#include "graphics/FontList.h"
#include "winsys/Cursors.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TScreen) {}

TScreen* Screen = new TScreen(nullptr);

namespace {
constexpr int ScreenPixelsPerInch = 96;
}  // namespace

TScreen::TScreen(TComponent* owner)
    : TComponent(owner),
      FPixelsPerInch(ScreenPixelsPerInch),
      FHintFont(new TFont()),
      FMenuFont(new TFont()) {}

TScreen::~TScreen() {
  if (FFonts) FFonts->Free();
  FHintFont->Free();
  FMenuFont->Free();
}

TCustomForm* TScreen::GetForm(int index) const {
  if (index < 0 || index >= GetFormCount()) RaiseListIndexError(index);
  return FForms[static_cast<size_t>(index)];
}

TDataModule* TScreen::GetDataModule(int index) const {
  if (index < 0 || index >= GetDataModuleCount()) RaiseListIndexError(index);
  return FDataModules[static_cast<size_t>(index)];
}

TCustomForm* TScreen::GetActiveForm() const {
  return FActiveForm.Get();
}

TWinControl* TScreen::GetActiveControl() const {
  return FActiveControl.Get();
}

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(FForms, form);
}

void TScreen::AddDataModule(TDataModule* dataModule) {
  if (std::find(FDataModules.begin(), FDataModules.end(), dataModule) == FDataModules.end())
    FDataModules.push_back(dataModule);
}

void TScreen::RemoveDataModule(TDataModule* dataModule) {
  std::erase(FDataModules, dataModule);
}

void TScreen::FormActivated(TCustomForm* form) {
  auto it = std::find(FForms.begin(), FForms.end(), form);
  if (it != FForms.end()) std::rotate(FForms.begin(), it, it + 1);
  if (FActiveForm.Get() == form) return;
  FActiveForm = form;
  if (FOnActiveFormChange) FOnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* control) {
  if (FActiveControl.Get() == control) return;
  FActiveControl = control;
  if (FOnActiveControlChange) FOnActiveControlChange(this);
}

HCURSOR TScreen::GetCursors(int index) const {
  auto found = FCursors.find(index);
  if (found != FCursors.end()) return found->second;
  return LoadFrameworkCursor(index);
}

void TScreen::SetCursors(int index, HCURSOR cursor) {
  if (cursor)
    FCursors[index] = cursor;
  else
    FCursors.erase(index);
}

void TScreen::SetCursor(TCursor value) {
  if (value == FCursor) return;
  FCursor = value;
  if (value != crDefault) {
    ::SetCursor(GetCursors(value));
    return;
  }
  // Back to each control's own: the window under the mouse chooses again.
  TPoint point;
  GetCursorPos(&point);
  if (HWND window = WindowFromPoint(point))
    SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  else
    ::SetCursor(GetCursors(crArrow));
}

int TScreen::GetWidth() const {
  return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::GetHeight() const {
  return GetSystemMetrics(SM_CYSCREEN);
}

TStrings* TScreen::GetFonts() {
  if (!FFonts) {
    FFonts = new TStringList();
    for (const std::string& family : GetFontFamilies())
      FFonts->Add(family);
  }
  return FFonts;
}
