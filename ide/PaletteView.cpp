#include "PaletteView.h"

#include <algorithm>

#include "controls/SpeedButton.h"
#include "core/Strings.h"
#include "designintf/ComponentPalette.h"

IMPLEMENT_CLASS(TPaletteView) {}

namespace {
constexpr int ButtonHeight = 24;
constexpr int ButtonGap = 2;
constexpr int CharWidth = 7;

// A class's name as the palette shows it: without the T prefix.
std::string ShortName(TClass aClass) {
  const std::string& name = aClass->ClassName();
  return name.size() > 1 && name[0] == 'T' ? name.substr(1) : name;
}
}  // namespace

TPaletteView::TPaletteView(TComponent* owner) : TTabControl(owner) {}

void TPaletteView::RefreshPages() {
  const auto& pages = GetPalettePages();
  TStrings* tabs = GetTabs();
  tabs->Clear();
  for (const TPalettePage& page : pages)
    tabs->Add(page.Name);
  ShowPage(pages.empty() ? -1 : 0);
  if (!pages.empty()) SetTabIndex(0);
}

void TPaletteView::Change() {
  TTabControl::Change();
  ShowPage(GetTabIndex());
}

void TPaletteView::ClearButtons() {
  for (TSpeedButton* button : FButtons)
    button->Free();
  FButtons.clear();
  FButtonClasses.clear();
}

void TPaletteView::ShowPage(int index) {
  ClearButtons();
  const auto& pages = GetPalettePages();
  if (index < 0 || index >= static_cast<int>(pages.size())) return;
  const TRect area = GetDisplayRect();
  int left = area.Left + 4;
  for (TClass aClass : pages[index].Classes) {
    auto* button = new TSpeedButton(this);
    const std::string caption = ShortName(aClass);
    const int width = static_cast<int>(caption.size()) * CharWidth + 12;
    button->SetParent(this);
    button->SetBounds(left, area.Top + 2, width, ButtonHeight);
    button->SetCaption(caption);
    button->SetHint(aClass->ClassName());
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    button->SetFlat(true);
    left += width + ButtonGap;
    FButtons.push_back(button);
    FButtonClasses.push_back(aClass);
  }
}

TClass TPaletteView::GetChosenClass() const {
  for (size_t i = 0; i < FButtons.size(); ++i)
    if (FButtons[i]->GetDown()) return FButtonClasses[i];
  return nullptr;
}

TClass TPaletteView::TakeChosenClass() {
  for (size_t i = 0; i < FButtons.size(); ++i)
    if (FButtons[i]->GetDown()) {
      FButtons[i]->SetDown(false);
      return FButtonClasses[i];
    }
  return nullptr;
}
