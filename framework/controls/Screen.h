#pragma once

#include <map>
#include <vector>

#include "controls/ControlRef.h"
#include "core/Component.h"
#include "core/StringList.h"
#include "graphics/Cursor.h"
#include "graphics/Font.h"

class TCustomForm;
class TDataModule;
class TWinControl;

// The screen as a program sees it: its forms and data modules, the active form and control,
// the cursors, the size, the fonts and the resolution. One instance, Screen, for the process.
class TScreen : public TComponent {
  DECLARE_CLASS(TScreen, TComponent);

 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;

  // The forms, the most recently active first. Raises EListError naming a bad index.
  int GetFormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* GetForm(int index) const;
  int GetDataModuleCount() const { return static_cast<int>(FDataModules.size()); }
  TDataModule* GetDataModule(int index) const;
  TCustomForm* GetActiveForm() const;
  TWinControl* GetActiveControl() const;

  // The cursor of a cursor number: the standard cursors at their negative numbers, a
  // program's own where it stored them; the arrow for numbers that have none.
  HCURSOR GetCursors(int index) const;
  // Stores a program's cursor under a number (null restores the default for the number).
  void SetCursors(int index, HCURSOR cursor);
  // A cursor that shows over every control of the program (crDefault: each control's own).
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor value);

  int GetWidth() const;
  int GetHeight() const;
  int GetPixelsPerInch() const { return FPixelsPerInch; }
  // The font families installed, sorted.
  TStrings* GetFonts();
  // The font of hint windows.
  TFont* GetHintFont() const { return FHintFont; }
  // The font of menu bars and drop-down menus.
  TFont* GetMenuFont() const { return FMenuFont; }

  TNotifyEvent GetOnActiveFormChange() const { return FOnActiveFormChange; }
  void SetOnActiveFormChange(TNotifyEvent value) { FOnActiveFormChange = value; }
  TNotifyEvent GetOnActiveControlChange() const { return FOnActiveControlChange; }
  void SetOnActiveControlChange(TNotifyEvent value) { FOnActiveControlChange = value; }

  // Kept by forms and data modules as they come and go and become active.
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void AddDataModule(TDataModule* dataModule);
  void RemoveDataModule(TDataModule* dataModule);
  void FormActivated(TCustomForm* form);
  void SetActiveControl(TWinControl* control);

 private:
  std::vector<TCustomForm*> FForms;
  std::vector<TDataModule*> FDataModules;
  TControlRef<TCustomForm> FActiveForm;
  TControlRef<TWinControl> FActiveControl;
  std::map<int, HCURSOR> FCursors;
  TCursor FCursor = crDefault;
  int FPixelsPerInch;
  TStringList* FFonts = nullptr;
  TFont* FHintFont;
  TFont* FMenuFont;
  TNotifyEvent FOnActiveFormChange;
  TNotifyEvent FOnActiveControlChange;
};

// The screen of this process.
extern TScreen* Screen;
