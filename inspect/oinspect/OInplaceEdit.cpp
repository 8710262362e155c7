#include "oinspect/OInplaceEdit.h"

#include <algorithm>
#include <cstring>

#include "controls/Application.h"
#include "controls/ControlRef.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "designintf/FormDesigner.h"
#include "designintf/PropertyEditor.h"
#include "graphics/Gdi.h"
#include "oinspect/InfoRec.h"
#include "oinspect/ObjectInspector.h"
#include "vxedit/PopupListBox.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TOInplaceEdit) {}

namespace {
// The drop-down list never grows beyond this many items.
constexpr int MaxListItems = 7;
// Item texts longer than this are cut when a chosen item is read back.
constexpr size_t DropValueBuffer = 200;
}  // namespace

TOInplaceEdit::TOInplaceEdit(TComponent* owner) : TCustomVxEdit(owner) {
  if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
  // Width 0: the button takes its automatic width from the editor's height.
  GetButton1()->SetWidth(0);
  SetCtl3D(false);
  SetBorderStyle(bsNone);
  SetTabStop(false);
}

// The row the editor stands on.

const TInfoRec* TOInplaceEdit::EditRowInfo() const {
  if (!FInspector || FInspector->IsEmpty()) return nullptr;
  const int32_t row = FInspector->GetEditRow();
  if (row < 0 || row >= FInspector->GetInfoRecCount()) return nullptr;
  return FInspector->GetInfoRec(row);
}

bool TOInplaceEdit::IsGroupRow() const {
  const TInfoRec* info = EditRowInfo();
  return info && info->IsGroup;
}

TPropertyEditor* TOInplaceEdit::RowEditor() const {
  const TInfoRec* info = EditRowInfo();
  return info ? info->PropEdit : nullptr;  // a group header has none
}

// Committing.

bool TOInplaceEdit::CommitValue() {
  TPropertyEditor* editor = RowEditor();
  if (GetReadOnly() || !GetModified() || !editor) return true;
  TControlRef<TOInplaceEdit> self(this);
  TControlRef<TCustomObjectInspector> inspector(FInspector);
  FRepaintPending = true;
  try {
    FInspector->ChangeValue(editor, GetText());
  } catch (const std::exception& error) {
    // The property keeps its value; the editor shows it again, ready to be typed over.
    if (self && inspector && RowEditor() == editor) {
      SetText(TCaption(editor->GetValue()));
      SetModified(false);
      SelectAll();
    }
    if (self) FRepaintPending = false;
    const auto* framed = dynamic_cast<const Exception*>(&error);
    throw Exception(framed ? framed->GetMessage() : std::string(error.what()));
  }
  if (!self || !inspector) return true;
  if (FRepaintPending) {
    FInspector->Invalidate();
    FRepaintPending = false;
  }
  // A handler may have rebuilt the rows meanwhile: the old editor is gone then.
  if (RowEditor() != editor) return true;
  SetText(TCaption(editor->GetValue()));
  if (TFormDesigner* designer = FInspector->GetCurrentDesigner()) designer->Modified();
  if (self) SetModified(false);
  return true;
}

bool TOInplaceEdit::ApplyValue() {
  try {
    return CommitValue();
  } catch (...) {
    Application->HandleException(this);
    return false;
  }
}

// The drop-down list.

void TOInplaceEdit::FillList() {
  auto* list = dynamic_cast<TPopupListBox*>(GetPopupWindow());
  TPropertyEditor* editor = RowEditor();
  if (!list || !editor) return;
  TStrings* items = list->GetItems();
  items->BeginUpdate();
  items->Clear();
  editor->GetValues([items](const std::string& value) { items->Add(value); });
  items->EndUpdate();
  FListFilled = true;
}

void TOInplaceEdit::SizeList() {
  auto* list = dynamic_cast<TPopupListBox*>(GetPopupWindow());
  if (!list) return;
  TStrings* items = list->GetItems();
  int32_t width = GetWidth();
  const HDC dc = GetDC(list->GetHandle());
  const HGDIOBJ oldFont = SelectObject(dc, list->GetFont()->GetHandle());
  for (int i = 0; i < items->GetCount(); ++i) {
    const std::string text = items->Get(i);
    TSize extent{};
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    width = std::max<int32_t>(width, extent.cx);
  }
  SelectObject(dc, oldFont);
  ReleaseDC(list->GetHandle(), dc);
  list->SetWidth(width);
  const int visible = std::clamp(items->GetCount(), 1, MaxListItems);
  list->SetClientHeight(list->GetItemHeight() * visible);
}

void TOInplaceEdit::SetDropValue() {
  if (dynamic_cast<TPopupListBox*>(GetPopupWindow())) {
    if (!FListFilled) FillList();
    SizeList();
  }
  TCustomVxEdit::SetDropValue();
}

void TOInplaceEdit::GetDropValue() {
  TWinControl* popup = GetPopupWindow();
  TPropertyEditor* editor = RowEditor();
  if (!popup || !editor || !FInspector) return;
  char buffer[DropValueBuffer] = {};
  popup->Perform(WM_GETTEXT, DropValueBuffer, reinterpret_cast<LPARAM>(buffer));
  buffer[DropValueBuffer - 1] = '\0';
  const std::string chosen(buffer);
  TControlRef<TOInplaceEdit> self(this);
  TControlRef<TCustomObjectInspector> inspector(FInspector);
  try {
    FInspector->ChangeValue(editor, chosen);
  } catch (...) {
    // The editor keeps its text; the user is told why the choice was not taken.
    Application->HandleException(self ? self.Get() : nullptr);
    return;
  }
  if (!self || !inspector) return;
  FInspector->Invalidate();
  if (TFormDesigner* designer = FInspector->GetCurrentDesigner()) designer->Modified();
  if (self) SetText(TCaption(chosen));
}

// Placing.

void TOInplaceEdit::Conceal() {
  const bool hadFocus = Focused();
  SetVisible(false);
  if (HandleAllocated()) {
    ShowWindow(GetHandle(), SW_HIDE);
    SetWindowPos(GetHandle(), nullptr, -200, -200, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOZORDER);
  }
  if (hadFocus && FInspector && FInspector->HandleAllocated()) ::SetFocus(FInspector->GetHandle());
}

void TOInplaceEdit::PlaceAt(TRect rect, bool redraw) {
  if (rect.IsEmpty()) {
    Conceal();
    return;
  }
  HandleNeeded();
  const HWND window = GetHandle();
  redraw = redraw || !IsWindowVisible(window);
  Invalidate();
  // The window's own position is the editor's: bounds follow it through WM_WINDOWPOSCHANGED.
  SetWindowPos(window, HWND_TOP, rect.Left, rect.Top, rect.Right - rect.Left + 1,
               rect.Bottom - rect.Top - 1, SWP_SHOWWINDOW);
  SetVisible(true);
  if (redraw) Invalidate();
  if (FInspector && FInspector->Focused()) SetFocus();
}

void TOInplaceEdit::MoveToRect(TRect rect) {
  if (FInspector && FInspector->GetOptions().Contains(oiVertLine3D)) ++rect.Left;
  PlaceAt(rect, true);
  SetEditRect();
}

void TOInplaceEdit::Invalidate() {
  if (!FInspector) return;
  if (HandleAllocated()) {
    ValidateRect(GetHandle(), nullptr);
    InvalidateRect(GetHandle(), nullptr, TRUE);
  }
  if (!FInspector->HandleAllocated() || !HandleAllocated()) return;
  TRect area = GetClientRect();
  MapWindowPoints(GetHandle(), FInspector->GetHandle(), reinterpret_cast<TPoint*>(&area), 2);
  ValidateRect(FInspector->GetHandle(), &area);
  InvalidateRect(FInspector->GetHandle(), &area, FALSE);
}

// Painting.

void TOInplaceEdit::Paint() {
  TCustomVxEdit::Paint();
  if (!FInspector || !FInspector->GetOptions().Contains(oiVertLine3D)) return;
  // Continues the grid's raised column line through the editor.
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clWhite);
  canvas->MoveTo(1, 1);
  canvas->LineTo(1, GetClientHeight());
}

// Mouse.

void TOInplaceEdit::DblClick() {
  if (FInspector) FInspector->DblClick();
}

void TOInplaceEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<TOInplaceEdit> self(this);
  TCustomVxEdit::MouseDown(button, shift, x, y);
  if (!self) return;
  // The click that built the editor and a second one soon after make the grid's double click.
  const uint32_t elapsed = GetMessageTime() - FShowTime;
  if (shift.Contains(ssDouble) || elapsed < GetDoubleClickTime()) DblClick();
}

// Keys.

void TOInplaceEdit::PassToInspector(WORD key, TShiftState shift) {
  TControlRef<TCustomObjectInspector> inspector(FInspector);
  try {
    FInspector->KeyDown(key, shift);
  } catch (...) {
    // A refused value keeps the row; the user hears why.
    Application->HandleException(inspector.Get());
  }
}

bool TOInplaceEdit::ExpansionKeysToGrid(TShiftState shift) const {
  return shift.Contains(ssCtrl) || GetReadOnly() || (FInspector && FInspector->GetReadOnly()) ||
         IsGroupRow();
}

void TOInplaceEdit::KeyDown(WORD& key, TShiftState shift) {
  if (!FInspector) return TCustomVxEdit::KeyDown(key, shift);
  TControlRef<TOInplaceEdit> self(this);
  if (!shift.Contains(ssAlt)) {
    switch (key) {
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT:
        PassToInspector(key, shift);
        key = 0;
        break;
      case VK_MULTIPLY:
      case VK_ADD:
      case VK_SUBTRACT:
        if (ExpansionKeysToGrid(shift)) {
          PassToInspector(key, shift);
          key = 0;
        }
        break;
      case VK_ESCAPE:
        // Nothing to revert: the key stays with the text edit alone.
        if (GetReadOnly() || IsGroupRow()) return;
        if (TPropertyEditor* editor = RowEditor()) {
          SetText(TCaption(editor->GetValue()));
          SelectAll();
        }
        break;
      case VK_RETURN:
        if (!FInspector->GetEditorActive()) break;
        if (shift.Contains(ssCtrl)) {
          FInspector->DoEdit(FInspector->GetEditRow());
          if (!self) return;
        }
        SetModified(true);
        ApplyValue();
        if (!self) return;
        SelectAll();
        key = 0;
        break;
      default:
        break;
    }
  }
  if (!self || key == 0) return;
  if (TKeyEvent handler = FInspector->GetOnKeyDown()) {
    handler(FInspector, key, shift);
    if (!self || key == 0) return;
  }
  TCustomVxEdit::KeyDown(key, shift);
}

void TOInplaceEdit::KeyPress(char32_t& key) {
  if (!FInspector) return TCustomVxEdit::KeyPress(key);
  TControlRef<TOInplaceEdit> self(this);
  FInspector->KeyPress(key);
  if (!self) return;
  const bool printable = key >= 32 && key <= 255;
  if (printable && !FInspector->CanEditAcceptKey(key)) {
    key = 0;
    MessageBeep(0);
  }
  switch (key) {
    case U'\t':
    case U'\n':
    case 27:
      key = 0;
      break;
    case U'\r': {
      const std::string text = GetText();
      const auto selection = static_cast<DWORD>(GetEdit() ? GetEdit()->Perform(EM_GETSEL) : 0);
      if (LOWORD(selection) == 0 && HIWORD(selection) == text.size())
        Deselect();
      else
        SelectAll();
      key = 0;
      break;
    }
    default:
      break;
  }
  const bool modifying = key == 8 || key == 22 || key == 24 || (key >= 32 && key <= 255);
  if (modifying && !FInspector->CanEditModify()) key = 0;
  if (key == 0) return;
  TCustomVxEdit::KeyPress(key);
  if (self) TextChanged();
}

void TOInplaceEdit::KeyUp(WORD& key, TShiftState shift) {
  if (!FInspector) return TCustomVxEdit::KeyUp(key, shift);
  TControlRef<TOInplaceEdit> self(this);
  FInspector->KeyUp(key, shift);
  if (!self) return;
  TextChanged();
  if (self) TCustomVxEdit::KeyUp(key, shift);
}

void TOInplaceEdit::TextChanged() {
  if (FOnTextChange) FOnTextChange(this);
}
