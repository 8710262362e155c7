#pragma once

// Components whose published properties cover every kind the property editors handle.

#include <cstdint>
#include <memory>
#include <string>

#include "controls/Caption.h"
#include "controls/ModalResult.h"
#include "core/Component.h"
#include "core/DateUtils.h"
#include "core/StringList.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"

enum TTestAlign : uint8_t { taNone, taTop, taBottom, taClient };
PUBLISHED_ENUM(TTestAlign, taNone, taTop, taBottom, taClient)
enum TGaugeAlign : uint8_t { gaLeft, gaRight };
PUBLISHED_ENUM(TGaugeAlign, gaLeft, gaRight)
enum TTestSide : uint8_t { tsLeft, tsTop, tsRight, tsBottom };
PUBLISHED_ENUM(TTestSide, tsLeft, tsTop, tsRight, tsBottom)
using TTestSides = TSet<TTestSide>;
PUBLISHED_SET(TTestSides, TTestSide)

DECLARE_EVENT(TTestKeyEvent, void(TObject* Sender, char& Key), "Sender: TObject; var Key: Char");

// A string type limited to four characters.
class TShortCode : public std::string {
 public:
  using std::string::string;
  TShortCode() = default;
  TShortCode(const std::string& text) : std::string(text) {}
};
inline PTypeInfo TypeInfoOf(const TShortCode*) {
  static const TTypeInfo info = TTypeInfo::String(tkString, "TShortCode", 4);
  return &info;
}

class TTestBorder : public TPersistent {
  DECLARE_CLASS(TTestBorder, TPersistent);

 public:
  TTestBorder() = default;
  void Assign(TPersistent* source) override;

  int32_t Width = 1;
  TColor Color = clBlack;
};

class TTestWidget : public TComponent {
  DECLARE_CLASS(TTestWidget, TComponent);

 public:
  explicit TTestWidget(TComponent* owner);

  int32_t GetCount() const { return FCount; }
  // Refuses values above CountLimit, so that tests can make one component of a selection fail.
  void SetCount(int32_t value);
  TTestBorder* GetBorder() const { return FBorder.get(); }
  void SetBorder(TTestBorder* value) { FBorder->Assign(value); }
  TStrings* GetLines() const { return FLines.get(); }
  void SetLines(TStrings* value) { FLines->Assign(value); }
  TTestWidget* GetBuddy() const { return FBuddy; }
  void SetBuddy(TTestWidget* value);

  int32_t CountLimit = INT32_MAX;
  int8_t Small = 0;
  char Letter = 'A';
  char16_t Wide = u'A';
  TTestAlign Align = taNone;
  bool Visible = true;
  TTestSides Sides;
  double Ratio = 0;
  float Weight = 0;
  TCaption Caption;
  std::string Hint;
  TShortCode Code;
  TColor Color = clBtnFace;
  TCursor Cursor = crDefault;
  TModalResult ModalResult = mrNone;
  TDate Born;
  TTime Alarm;
  TDateTime Stamp;
  TNotifyEvent OnClick;
  TTestKeyEvent OnKey;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int32_t FCount = 0;
  std::unique_ptr<TTestBorder> FBorder = std::make_unique<TTestBorder>();
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  TTestWidget* FBuddy = nullptr;
};

class TTestButton : public TTestWidget {
  DECLARE_CLASS(TTestButton, TTestWidget);

 public:
  using TTestWidget::TTestWidget;
};

// Shares some of a widget's properties; its Align has another type.
class TTestGauge : public TComponent {
  DECLARE_CLASS(TTestGauge, TComponent);

 public:
  using TComponent::TComponent;

  int32_t Count = 0;
  TCaption Caption;
  std::string Hint;
  TColor Color = clBtnFace;
  TGaugeAlign Align = gaLeft;
};

// The root of the tests' forms: it publishes the event handlers.
class TTestForm : public TComponent {
  DECLARE_CLASS(TTestForm, TComponent);

 public:
  using TComponent::TComponent;

  void WidgetClick(TObject* sender) {}
  void OtherClick(TObject* sender) {}
  void KeyPressed(TObject* sender, char& key) {}
};
