#pragma once

#include <string>

#include "core/Component.h"

// Where a composite edit keeps its text: the edit hands its text over when it is left, when it
// or its inner edit loses the focus and when a popup value is accepted, and shows the source's
// text again after an accepted popup value. Descendants store the text their own way (a
// database field, a setting); they publish nothing beyond Name and Tag.
class TEditSource : public TComponent {
  DECLARE_CLASS(TEditSource, TComponent);

 public:
  explicit TEditSource(TComponent* owner) : TComponent(owner) {}

  // The source's current text.
  virtual std::string GetSourceText() = 0;
  // Stores text.
  virtual void SetSourceText(const std::string& text) = 0;
};

// The edit source every composite edit starts with: it keeps the last text stored and gives it
// back unchanged.
class TDummyEditSource : public TEditSource {
  DECLARE_CLASS(TDummyEditSource, TEditSource);

 public:
  explicit TDummyEditSource(TComponent* owner) : TEditSource(owner) {}

  std::string GetSourceText() override { return FText; }
  void SetSourceText(const std::string& text) override { FText = text; }

 private:
  std::string FText;
};
