#include "InspectTestComponents.h"

#include "core/Exception.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TGadgetBorder) {
  PROPERTY(Sides, Sides, Sides);
  PROPERTY(Width, Width, Width);
}

IMPLEMENT_CLASS(TGadgetFrame) {
  PROPERTY(Width, Width, Width);
  PROPERTY(Color, Color, Color);
  PROPERTY_READ(Border, GetBorder);
}

void TGadgetFrame::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TGadgetFrame*>(source);
  if (!other) return TPersistent::Assign(source);
  Width = other->Width;
  Color = other->Color;
}

IMPLEMENT_CLASS(TGadget) {
  PROPERTY(Count, GetCount, SetCount);
  PROPERTY(Small, Small, Small);
  PROPERTY(Letter, Letter, Letter);
  PROPERTY(Shape, Shape, Shape);
  PROPERTY(Sides, Sides, Sides);
  PROPERTY(Enabled, Enabled, Enabled);
  PROPERTY(Ratio, Ratio, Ratio);
  PROPERTY(Label, Label, Label);
  PROPERTY(Caption, Caption, Caption);
  PROPERTY(Color, Color, Color);
  PROPERTY(Cursor, Cursor, Cursor);
  PROPERTY(Frame, GetFrame, SetFrame);
  PROPERTY(Font, GetFont, SetFont);
  PROPERTY(Items, GetItems, SetItems);
  PROPERTY(Partner, GetPartner, SetPartner);
  PROPERTY(OnChange, OnChange, OnChange);
}

TGadget::TGadget(TComponent* owner) : TComponent(owner) {}

void TGadget::SetCount(int32_t value) {
  if (value > Limit) throw EPropertyError("Count is too large");
  FCount = value;
}

void TGadget::SetPartner(TGadget* value) {
  if (FPartner) FPartner->RemoveFreeNotification(this);
  FPartner = value;
  if (value) value->FreeNotification(this);
}

void TGadget::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == FPartner) FPartner = nullptr;
}

IMPLEMENT_CLASS(TWidget) {
  PROPERTY(Count, Count, Count);
  PROPERTY(Label, Label, Label);
  PROPERTY(Color, Color, Color);
  PROPERTY(Shape, Shape, Shape);
  PROPERTY(Weight, Weight, Weight);
}

IMPLEMENT_CLASS(TTrapGadget) {
  PROPERTY(Alpha, Alpha, Alpha);
  PROPERTY(Broken, GetBroken, SetBroken);
  PROPERTY(Fatal, GetFatal, SetFatal);
  PROPERTY(Plain, Plain, Plain);
}

int32_t TTrapGadget::GetBroken() const {
  throw std::runtime_error("Broken cannot be read");
}

void TTrapGadget::SetFatal(const std::string& value) {
  FFatal = value;
  if (value == "destroy") {
    Free();
  } else if (value == "partner" && Victim) {
    TComponent* victim = Victim;
    Victim = nullptr;
    victim->Free();
  }
}

IMPLEMENT_CLASS(TCaseGadget) {
  PROPERTY(color, color, color);
}

IMPLEMENT_CLASS(TGadgetRoot) {
  METHOD(GadgetChange);
}
