#pragma once

// Components for the streaming tests: a form root with published fields and methods, panels
// that parent widgets, widgets with a property of every kind, and a composite that owns its
// children itself.

#include <string>
#include <vector>

#include "core/Component.h"
#include "core/StringList.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"

namespace StreamingFixtures {

enum TAlignment : uint8_t { taLeftJustify, taCenter, taRightJustify };
PUBLISHED_ENUM(TAlignment, taLeftJustify, taCenter, taRightJustify)
enum TBorder : uint8_t { bdLeft, bdTop, bdRight, bdBottom };
PUBLISHED_ENUM(TBorder, bdLeft, bdTop, bdRight, bdBottom)
using TBorders = TSet<TBorder>;
PUBLISHED_SET(TBorders, TBorder)
DECLARE_STRING_TYPE(TWidgetCaption)
DECLARE_EVENT(TCountEvent, void(TObject* Sender, int& Count),
              "Sender: TObject; var Count: Integer");

// A persistent sub-object, written as dotted properties.
class TStyle : public TPersistent {
  DECLARE_CLASS(TStyle, TPersistent);

 public:
  TStyle() = default;
  void Assign(TPersistent* source) override;
  std::string Family;
  int32_t Size = 10;
  TBorders Borders;
  TColor Color = clWindowText;
};

class TWidget : public TComponent {
  DECLARE_CLASS(TWidget, TComponent);

 public:
  explicit TWidget(TComponent* owner);
  ~TWidget() override;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* value) override;
  void SetChildOrder(TComponent* child, int order) override;
  void SetStyle(TStyle* value) { FStyle->Assign(value); }
  TStyle* GetStyle() const { return FStyle; }
  void SetItems(TStrings* value) { FItems->Assign(value); }
  TStrings* GetItems() const { return FItems; }
  void SetBuddy(TWidget* value);

  TWidgetCaption Caption;
  int32_t Width = 75;
  uint8_t Level = 0;
  char Key = 'k';
  TAlignment Alignment = taLeftJustify;
  bool Visible = true;
  TBorders Borders;
  double Ratio = 0;
  TColor Color = clBtnFace;
  TCursor Cursor = crDefault;
  TWidget* Buddy = nullptr;
  TNotifyEvent OnClick;
  TCountEvent OnCount;
  std::vector<uint8_t> Glyph;
  std::vector<int> Widths;
  std::vector<TWidget*> Children;
  // What Loaded saw: whether the loading state was on, whether references were bound.
  std::vector<std::string>* LoadLog = nullptr;

 protected:
  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 private:
  TComponent* FParent = nullptr;
  TStyle* FStyle;
  TStringList* FItems;
};

// A widget that other widgets sit on.
class TTestPanel : public TWidget {
  DECLARE_CLASS(TTestPanel, TWidget);

 public:
  using TWidget::TWidget;
};

// A component that owns what is written inside it, like a composite control.
class TComposite : public TComponent {
  DECLARE_CLASS(TComposite, TComponent);

 public:
  using TComponent::TComponent;
  TComponent* GetChildOwner() override { return this; }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
};

// The root: writes the components it owns that sit on nothing or on it.
class TTestForm : public TComponent {
  DECLARE_CLASS(TTestForm, TComponent);

 public:
  explicit TTestForm(TComponent* owner) : TComponent(owner) {}
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;

  void ButtonClick(TObject* sender) { ++Clicks; }
  void CountItems(TObject* sender, int& count) { count = 42; }
  int Clicks = 0;
  TWidget* OkButton = nullptr;
  TTestPanel* Panel1 = nullptr;
  std::vector<std::string> LoadLog;
};

// Registers the fixture classes for the tests of one suite.
void RegisterFixtureClasses();

}  // namespace StreamingFixtures
