#pragma once

#include "controls/Edit.h"
#include "core/Strings.h"

class TCustomMemo;

// The lines of a memo as a string list: each line of its text is one string. Changes go
// straight into the memo's text; a batch between BeginUpdate and EndUpdate repaints and fires
// OnChange once. A memo whose text ends with a line break has no empty last string.
class TMemoStrings : public TStrings {
  DECLARE_CLASS(TMemoStrings, TStrings);

 public:
  explicit TMemoStrings(TCustomMemo* memo) : FMemo(memo) {}

  int GetCount() const override;
  std::string Get(int index) const override;
  void Put(int index, const std::string& text) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;
  void SetText(std::string_view text) override;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  void CheckIndex(int index) const;
  void Replace(size_t start, size_t end, const std::string& text);

  TCustomMemo* FMemo;
  bool FUpdating = false;
  bool FChanged = false;
};

// A multi-line edit: the text in lines (Lines), scroll bars as ScrollBars asks, Enter typing a
// line break while WantReturns (else it reaches the form's default button) and Tab typing a tab
// while WantTabs (else it moves the focus). Escape always reaches the form. Lines do not wrap.
class TCustomMemo : public TCustomEdit {
  DECLARE_CLASS(TCustomMemo, TCustomEdit);

 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* GetLines() const { return FLines; }
  // Copies value's strings into the memo.
  void SetLines(TStrings* value) { FLines->Assign(value); }
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  bool GetWantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  bool GetWantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value) { FWantTabs = value; }
  // The caret's line and column (in characters).
  TPoint GetCaretPos() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(TMessage& message);
  void CMWantSpecialKey(TCMWantSpecialKey& message);

 private:
  friend class TMemoStrings;

  TMemoStrings* FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

// The memo of forms: TCustomMemo with its properties published.
class TMemo : public TCustomMemo {
  DECLARE_CLASS(TMemo, TCustomMemo);

 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};
