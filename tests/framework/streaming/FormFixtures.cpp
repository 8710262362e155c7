#include "framework/streaming/FormFixtures.h"

#include <new>
#include <stdexcept>

#include "core/ClassRegistry.h"
#include "core/Exception.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace FormFixtures {

void TPart::Assign(TPersistent* source) {
  if (auto* part = dynamic_cast<TPart*>(source)) {
    Text = part->Text;
    Size = part->Size;
    return;
  }
  TCollectionItem::Assign(source);
}

void TColumn::Assign(TPersistent* source) {
  if (auto* column = dynamic_cast<TColumn*>(source)) {
    Caption = column->Caption;
    Width = column->Width;
    Align = column->Align;
    Link = column->Link;
    OnClick = column->OnClick;
    Stops = column->Stops;
    FParts.Assign(&column->FParts);
    return;
  }
  TCollectionItem::Assign(source);
}

void TColumn::DefineProperties(TFiler* filer) {
  filer->DefineProperty(
      "Stops",
      [this](TReader* reader) {
        Stops.clear();
        reader->ReadListBegin();
        while (!reader->EndOfList())
          Stops.push_back(static_cast<int>(reader->ReadInteger()));
        reader->ReadListEnd();
      },
      [this](TWriter* writer) {
        writer->WriteListBegin();
        for (int stop : Stops)
          writer->WriteInteger(stop);
        writer->WriteListEnd();
      },
      !Stops.empty());
}

void TColumns::Update(TCollectionItem* item) {
  ++Updates;
  Log.push_back(item ? "update " + std::to_string(item->GetIndex()) : "update all");
}

void TColumns::Notify(TCollectionItem* item, TCollectionNotification action) {
  static const char* const names[] = {"added", "extracting", "deleting"};
  Log.push_back(std::string(names[action]) + " " + std::to_string(item->GetID()));
}

TFaultyWidget::TFaultyWidget(TComponent* owner) : TWidget(owner) {
  if (FailConstruction) throw std::bad_alloc();
}

void TFaultyWidget::SetFault(int32_t value) {
  if (value == 1) throw std::runtime_error("the fault was asked for");
  if (value == 2) throw 42;
  if (value == 3) throw EConvertError("not convertible");
  FFault = value;
}

void TFaultyWidget::Loaded() {
  TWidget::Loaded();
  if (FailLoaded) throw std::logic_error("Loaded failed");
}

void RegisterFormFixtures() {
  StreamingFixtures::RegisterFixtureClasses();
  RegisterClasses({TGrid::StaticClass(), TTestFrame::StaticClass(), TBaseForm::StaticClass(),
                   TDerivedForm::StaticClass(), TFaultyWidget::StaticClass()});
}

std::vector<std::string> ChildNames(TComponent* component, TComponent* root) {
  std::vector<std::string> names;
  component->GetChildren([&](TComponent* child) { names.push_back(child->GetName()); }, root);
  return names;
}

}  // namespace FormFixtures

using namespace FormFixtures;

IMPLEMENT_CLASS(TPart) {
  PROPERTY(Text, Text, Text);
  PROPERTY(Size, Size, Size).Default(1);
}

IMPLEMENT_CLASS(TColumn) {
  PROPERTY(Caption, Caption, Caption);
  PROPERTY(Width, Width, Width).Default(50);
  PROPERTY(Align, Align, Align).Default(StreamingFixtures::taLeftJustify);
  PROPERTY(Link, Link, Link);
  PROPERTY(OnClick, OnClick, OnClick);
  PROPERTY(Parts, GetParts, SetParts);
}

IMPLEMENT_CLASS(TColumns) {}

IMPLEMENT_CLASS(TGrid) {
  PROPERTY(Columns, GetColumns, SetColumns);
}

IMPLEMENT_CLASS(TTestFrame) {
  METHOD(FrameClick);
}

IMPLEMENT_CLASS(TBaseForm) {
  METHOD(BaseClick);
}

IMPLEMENT_CLASS(TDerivedForm) {
  METHOD(DerivedClick);
}

IMPLEMENT_CLASS(TFaultyWidget) {
  PROPERTY(Fault, GetFault, SetFault).Default(0);
  PROPERTY(FailLoaded, FailLoaded, FailLoaded).Default(false);
}
