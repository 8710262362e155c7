#include "TestComponents.h"

#include "core/Exception.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TTestBorder) {
  PROPERTY(Width, Width, Width);
  PROPERTY(Color, Color, Color);
}

void TTestBorder::Assign(TPersistent* source) {
  auto* border = dynamic_cast<TTestBorder*>(source);
  if (!border) return TPersistent::Assign(source);
  Width = border->Width;
  Color = border->Color;
}

IMPLEMENT_CLASS(TTestWidget) {
  PROPERTY(Count, GetCount, SetCount);
  PROPERTY_READ(ReadOnlyCount, GetCount);
  PROPERTY(Small, Small, Small);
  PROPERTY(Letter, Letter, Letter);
  PROPERTY(Wide, Wide, Wide);
  PROPERTY(Align, Align, Align);
  PROPERTY(Visible, Visible, Visible);
  PROPERTY(Sides, Sides, Sides);
  PROPERTY(Ratio, Ratio, Ratio);
  PROPERTY(Weight, Weight, Weight);
  PROPERTY(Caption, Caption, Caption);
  PROPERTY(Hint, Hint, Hint);
  PROPERTY(Code, Code, Code);
  PROPERTY(Color, Color, Color);
  PROPERTY(Cursor, Cursor, Cursor);
  PROPERTY(ModalResult, ModalResult, ModalResult);
  PROPERTY(Born, Born, Born);
  PROPERTY(Alarm, Alarm, Alarm);
  PROPERTY(Stamp, Stamp, Stamp);
  PROPERTY(Border, GetBorder, SetBorder);
  PROPERTY_READ(Frame, GetBorder);
  PROPERTY(Lines, GetLines, SetLines);
  PROPERTY(Buddy, GetBuddy, SetBuddy);
  PROPERTY(OnClick, OnClick, OnClick);
  PROPERTY(OnKey, OnKey, OnKey);
}

TTestWidget::TTestWidget(TComponent* owner) : TComponent(owner) {}

void TTestWidget::SetCount(int32_t value) {
  if (value > CountLimit) throw EInvalidOperation("Count above the limit");
  FCount = value;
}

void TTestWidget::SetBuddy(TTestWidget* value) {
  if (FBuddy) FBuddy->RemoveFreeNotification(this);
  FBuddy = value;
  if (FBuddy) FBuddy->FreeNotification(this);
}

void TTestWidget::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == FBuddy) FBuddy = nullptr;
}

IMPLEMENT_CLASS(TTestButton) {}

IMPLEMENT_CLASS(TTestGauge) {
  PROPERTY(Count, Count, Count);
  PROPERTY(Caption, Caption, Caption);
  PROPERTY(Hint, Hint, Hint);
  PROPERTY(Color, Color, Color);
  PROPERTY(Align, Align, Align);
}

IMPLEMENT_CLASS(TTestForm) {
  METHOD(WidgetClick);
  METHOD(OtherClick);
  METHOD(KeyPressed);
}
