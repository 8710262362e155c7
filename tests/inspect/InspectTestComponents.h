#pragma once

// Components for the inspector's tests: their published properties cover every kind the
// inspector lists, and some of them misbehave on purpose (a getter that fails, a setter that
// destroys its component).

#include <cstdint>
#include <memory>
#include <string>

#include "controls/Caption.h"
#include "core/Component.h"
#include "core/StringList.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"
#include "graphics/Font.h"

enum TGadgetShape : uint8_t { gsRound, gsSquare, gsStar };
PUBLISHED_ENUM(TGadgetShape, gsRound, gsSquare, gsStar)
enum TGadgetSide : uint8_t { gsLeft, gsTop, gsRight, gsBottom };
PUBLISHED_ENUM(TGadgetSide, gsLeft, gsTop, gsRight, gsBottom)
using TGadgetSides = TSet<TGadgetSide>;
PUBLISHED_SET(TGadgetSides, TGadgetSide)

// The border of a gadget's frame: a sub-object two levels down, with a set of its own.
class TGadgetBorder : public TPersistent {
  DECLARE_CLASS(TGadgetBorder, TPersistent);

 public:
  TGadgetBorder() = default;

  TGadgetSides Sides;
  int32_t Width = 0;
};

// A persistent sub-object: a class-typed property that expands into its own properties.
class TGadgetFrame : public TPersistent {
  DECLARE_CLASS(TGadgetFrame, TPersistent);

 public:
  TGadgetFrame() = default;
  void Assign(TPersistent* source) override;
  TGadgetBorder* GetBorder() const { return FBorder.get(); }

  int32_t Width = 1;
  TColor Color = clBlack;

 private:
  std::unique_ptr<TGadgetBorder> FBorder = std::make_unique<TGadgetBorder>();
};

// Publishes a property of every kind.
class TGadget : public TComponent {
  DECLARE_CLASS(TGadget, TComponent);

 public:
  explicit TGadget(TComponent* owner);

  TGadgetFrame* GetFrame() const { return FFrame.get(); }
  void SetFrame(TGadgetFrame* value) { FFrame->Assign(value); }
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TStrings* GetItems() const { return FItems.get(); }
  void SetItems(TStrings* value) { FItems->Assign(value); }
  TGadget* GetPartner() const { return FPartner; }
  void SetPartner(TGadget* value);
  int32_t GetCount() const { return FCount; }
  // Values above Limit are refused.
  void SetCount(int32_t value);

  int32_t Limit = INT32_MAX;
  int8_t Small = 0;
  char Letter = 'A';
  TGadgetShape Shape = gsRound;
  TGadgetSides Sides;
  bool Enabled = true;
  double Ratio = 0.5;
  std::string Label = "gadget";
  TCaption Caption;
  TColor Color = clBtnFace;
  TCursor Cursor = crDefault;
  TNotifyEvent OnChange;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int32_t FCount = 0;
  std::unique_ptr<TGadgetFrame> FFrame = std::make_unique<TGadgetFrame>();
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TStringList> FItems = std::make_unique<TStringList>();
  TGadget* FPartner = nullptr;
};

// Shares some of a gadget's properties (Count, Label, Color) and has others of its own; its
// Shape has another type than the gadget's.
class TWidget : public TComponent {
  DECLARE_CLASS(TWidget, TComponent);

 public:
  using TComponent::TComponent;

  int32_t Count = 0;
  std::string Label;
  TColor Color = clBtnFace;
  int32_t Shape = 0;
  int32_t Weight = 0;
};

// Misbehaves: reading Broken always fails, and writing Fatal with "destroy" frees the
// component itself, "partner" frees Victim.
class TTrapGadget : public TComponent {
  DECLARE_CLASS(TTrapGadget, TComponent);

 public:
  using TComponent::TComponent;

  int32_t GetBroken() const;
  void SetBroken(int32_t) {}
  const std::string& GetFatal() const { return FFatal; }
  void SetFatal(const std::string& value);
  int32_t Alpha = 0;
  int32_t Plain = 7;

  TComponent* Victim = nullptr;

 private:
  std::string FFatal;
};

// Publishes a colour under a name in lower case.
class TCaseGadget : public TComponent {
  DECLARE_CLASS(TCaseGadget, TComponent);

 public:
  using TComponent::TComponent;

  TColor color = clBlack;
};

// A root that publishes event handlers.
class TGadgetRoot : public TComponent {
  DECLARE_CLASS(TGadgetRoot, TComponent);

 public:
  using TComponent::TComponent;

  void GadgetChange(TObject*) {}
};
