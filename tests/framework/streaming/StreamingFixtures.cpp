#include "framework/streaming/StreamingFixtures.h"

#include <algorithm>

#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "streaming/Filer.h"
#include "streaming/Reader.h"
#include "streaming/Stream.h"
#include "streaming/Writer.h"

namespace StreamingFixtures {

void TStyle::Assign(TPersistent* source) {
  if (auto* style = dynamic_cast<TStyle*>(source)) {
    Family = style->Family;
    Size = style->Size;
    Borders = style->Borders;
    Color = style->Color;
    return;
  }
  TPersistent::Assign(source);
}

TWidget::TWidget(TComponent* owner)
    : TComponent(owner), FStyle(new TStyle), FItems(new TStringList) {}

TWidget::~TWidget() {
  SetParentComponent(nullptr);
  for (TWidget* child : Children)
    child->FParent = nullptr;
  FStyle->Free();
  FItems->Free();
}

void TWidget::SetParentComponent(TComponent* value) {
  if (auto* old = dynamic_cast<TWidget*>(FParent)) std::erase(old->Children, this);
  FParent = value;
  if (auto* parent = dynamic_cast<TWidget*>(value)) parent->Children.push_back(this);
}

void TWidget::SetChildOrder(TComponent* child, int order) {
  auto* widget = dynamic_cast<TWidget*>(child);
  auto place = std::find(Children.begin(), Children.end(), widget);
  if (place == Children.end()) return;
  Children.erase(place);
  Children.insert(Children.begin() + std::clamp<int>(order, 0, static_cast<int>(Children.size())),
                  widget);
}

void TWidget::SetBuddy(TWidget* value) {
  Buddy = value;
  if (value) value->FreeNotification(this);
}

void TWidget::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == Buddy) Buddy = nullptr;
}

void TWidget::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Glyph",
      [this](TStream* stream) {
        Glyph.resize(static_cast<size_t>(stream->GetSize()));
        stream->ReadBuffer(Glyph.data(), Glyph.size());
      },
      [this](TStream* stream) { stream->WriteBuffer(Glyph.data(), Glyph.size()); }, !Glyph.empty());
  filer->DefineProperty(
      "Widths",
      [this](TReader* reader) {
        Widths.clear();
        reader->ReadListBegin();
        while (!reader->EndOfList())
          Widths.push_back(static_cast<int>(reader->ReadInteger()));
        reader->ReadListEnd();
      },
      [this](TWriter* writer) {
        writer->WriteListBegin();
        for (int width : Widths)
          writer->WriteInteger(width);
        writer->WriteListEnd();
      },
      !Widths.empty());
}

void TWidget::Loaded() {
  auto* form = dynamic_cast<TTestForm*>(GetOwner());
  if (form) {
    std::string entry =
        std::string(GetName()) + (GetComponentState().Contains(csLoading) ? " loading" : "");
    if (GetComponentState().Contains(csReading)) entry += " reading";
    if (Buddy) entry += " buddy=" + std::string(Buddy->GetName());
    form->LoadLog.push_back(entry);
  }
  TComponent::Loaded();
}

void TWidget::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TWidget* child : Children)
    if (child->GetOwner() == root) proc(child);
}

void TComposite::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < GetComponentCount(); ++i)
    proc(GetComponent(i));
}

void TTestForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < GetComponentCount(); ++i) {
    TComponent* component = GetComponent(i);
    if (!component->HasParent() || component->GetParentComponent() == this) proc(component);
  }
}

// The children keep their order among the owned components, so moving one means moving the
// owned components in the children's new order to the end.
void TTestForm::SetChildOrder(TComponent* child, int order) {
  std::vector<TComponent*> children;
  GetChildren([&](TComponent* c) { children.push_back(c); }, this);
  auto place = std::find(children.begin(), children.end(), child);
  if (place == children.end()) return;
  children.erase(place);
  children.insert(children.begin() + std::clamp<int>(order, 0, static_cast<int>(children.size())),
                  child);
  for (TComponent* c : children)
    c->SetComponentIndex(GetComponentCount() - 1);
}

void RegisterFixtureClasses() {
  RegisterClasses({TTestForm::StaticClass(), TWidget::StaticClass(), TTestPanel::StaticClass(),
                   TComposite::StaticClass()});
}

}  // namespace StreamingFixtures

using namespace StreamingFixtures;

IMPLEMENT_CLASS(TStyle) {
  PROPERTY(Family, Family, Family);
  PROPERTY(Size, Size, Size).Default(10);
  PROPERTY(Borders, Borders, Borders).Default({});
  PROPERTY(Color, Color, Color).Default(clWindowText);
}

IMPLEMENT_CLASS(TWidget) {
  PROPERTY(Caption, Caption, Caption);
  PROPERTY(Width, Width, Width).Default(75);
  PROPERTY(Level, Level, Level).Default(0);
  PROPERTY(Key, Key, Key).Default('k');
  PROPERTY(Alignment, Alignment, Alignment).Default(taLeftJustify);
  PROPERTY(Visible, Visible, Visible).Default(true);
  PROPERTY(Borders, Borders, Borders).Default({});
  PROPERTY(Ratio, Ratio, Ratio);
  PROPERTY(Color, Color, Color).Default(clBtnFace);
  PROPERTY(Cursor, Cursor, Cursor).Default(crDefault);
  PROPERTY(Style, GetStyle, SetStyle);
  PROPERTY(Items, GetItems, SetItems);
  PROPERTY(Buddy, Buddy, SetBuddy);
  PROPERTY(OnClick, OnClick, OnClick);
  PROPERTY(OnCount, OnCount, OnCount);
}

IMPLEMENT_CLASS(TTestPanel) {}
IMPLEMENT_CLASS(TComposite) {}

IMPLEMENT_CLASS(TTestForm) {
  METHOD(ButtonClick);
  METHOD(CountItems);
  FIELD(OkButton);
  FIELD(Panel1);
}
