#pragma once

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/Edit.h"
#include "vxedit/EditSource.h"
#include "vxedit/VxEdit.h"
#include "vxedit/VxSimpleEdit.h"

namespace VxEditTest {

// A popup that answers the composite's text messages as a test tells it to and records the
// keys it is sent.
class TTestPopup : public TCustomControl {
  DECLARE_CLASS(TTestPopup, TCustomControl);

 public:
  explicit TTestPopup(TComponent* owner);

  std::string Received;  // the last text the composite handed over
  std::string Answer;    // what the popup gives back as its value
  bool FailGetText = false;
  std::vector<WORD> Keys;

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void WMSetText(TWMSetText& message);
  void WMGetText(TWMGetText& message);
};

// An inner-edit class of the registry: a framework TEdit.
class TTestEdit : public TEdit {
  DECLARE_CLASS(TTestEdit, TEdit);

 public:
  using TEdit::TEdit;
};

// An edit source that normalises texts to upper case.
class TUpperSource : public TEditSource {
  DECLARE_CLASS(TUpperSource, TEditSource);

 public:
  using TEditSource::TEditSource;
  std::string GetSourceText() override { return FText; }
  void SetSourceText(const std::string& text) override;
  int Stores = 0;

 private:
  std::string FText;
};

// A composite whose ApplyValue records the text it commits, as an in-place editor would.
class TApplyingVxEdit : public TVxEdit {
  DECLARE_CLASS(TApplyingVxEdit, TVxEdit);

 public:
  using TVxEdit::TVxEdit;
  bool ApplyValue() override;

  std::vector<std::string> Applied;
};

// Registers the classes above (once per process), with filters no real property matches.
void RegisterTestClasses();

// A form of 400 x 300 at (20, 20) with a TVxEdit named VxEdit1 at (10, 10), 121 x 21.
class TVxEditFixture : public ControlTest::TFixture {
 public:
  TVxEditFixture();

  TVxEdit* NewVxEdit(int left, int top, const char* name);
  // The screen point at the middle of button index (0 or 1) of edit.
  TPoint ButtonPoint(TCustomVxEdit* edit, int index);
  void ClickButton(TCustomVxEdit* edit, int index);
  TTestPopup* UseTestPopup(TCustomVxEdit* edit);
  // The pixels of a block of control's client area as the screen shows them, row by row.
  std::vector<COLORREF> ScreenBlock(TControl* control, const TRect& block);

  TForm* Form;
  TVxEdit* Edit;
};

// The pixels of a block of canvas, row by row, as RGB values.
std::vector<COLORREF> CanvasBlock(TCanvas* canvas, const TRect& block);

}  // namespace VxEditTest
