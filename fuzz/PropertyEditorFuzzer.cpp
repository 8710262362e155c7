// Feeds arbitrary text to SetValue of every standard property editor, and of the editors of
// their sub-properties, on a selection of two components (and, for the Name, on one). An editor
// either takes the text or refuses it with the framework's exception; after a refusal both
// components must hold exactly what they held. Anything else (a crash, a leak, another kind of
// exception, a changed component) ends the run.
//
// Input: byte 0 picks the editor, byte 1 holds switches (bit 0: the components start with the
// same values; bit 1: the designer knows the form's handlers; bit 2: one component, Name
// included), the rest is the text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "controls/Caption.h"
#include "controls/ModalResult.h"
#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/DateUtils.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"
#include "designintf/FormDesigner.h"
#include "designintf/PropertyEditor.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"
#include "graphics/Font.h"
#include "streaming/Writer.h"

namespace {
enum TFuzzKind : uint8_t { fkOne, fkTwo, fkThree };
PUBLISHED_ENUM(TFuzzKind, fkOne, fkTwo, fkThree)
using TFuzzKinds = TSet<TFuzzKind>;
PUBLISHED_SET(TFuzzKinds, TFuzzKind)

// A string type of at most four characters.
class TFuzzCode : public std::string {
 public:
  using std::string::string;
  TFuzzCode() = default;
  TFuzzCode(const std::string& text) : std::string(text) {}
};
PTypeInfo TypeInfoOf(const TFuzzCode*) {
  static const TTypeInfo info = TTypeInfo::String(tkString, "TFuzzCode", 4);
  return &info;
}

class TFuzzBorder : public TPersistent {
  DECLARE_CLASS(TFuzzBorder, TPersistent);

 public:
  void Assign(TPersistent* source) override {
    auto* border = dynamic_cast<TFuzzBorder*>(source);
    if (!border) return TPersistent::Assign(source);
    Width = border->Width;
    Color = border->Color;
  }
  int32_t Width = 1;
  TColor Color = clBlack;
};

// Publishes a property of every kind the standard editors handle.
class TFuzzWidget : public TComponent {
  DECLARE_CLASS(TFuzzWidget, TComponent);

 public:
  explicit TFuzzWidget(TComponent* owner) : TComponent(owner) {}

  // Refuses values above Limit, so that a write can fail on the second component after the
  // first took it.
  int32_t GetLimited() const { return FLimited; }
  void SetLimited(int32_t value) {
    if (value > Limit) throw EInvalidOperation("Limited: value above the limit");
    FLimited = value;
  }
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TStrings* GetLines() const { return FLines.get(); }
  void SetLines(TStrings* value) { FLines->Assign(value); }
  TFuzzBorder* GetBorder() const { return FBorder.get(); }
  void SetBorder(TFuzzBorder* value) { FBorder->Assign(value); }
  TFuzzWidget* GetLink() const { return FLink; }
  void SetLink(TFuzzWidget* value) {
    if (FLink) FLink->RemoveFreeNotification(this);
    FLink = value;
    if (FLink) FLink->FreeNotification(this);
  }

  int32_t Limit = INT32_MAX;
  int32_t Number = 0;
  int8_t Small = 0;
  char Letter = 'a';
  char16_t Wide = u'a';
  TFuzzKind Kind = fkOne;
  bool Flag = false;
  TFuzzKinds Kinds;
  double Real = 0;
  float Single = 0;
  std::string Text;
  TFuzzCode Code;
  TCaption Caption;
  TColor Color = clBlack;
  TCursor Cursor = crDefault;
  TModalResult Result = mrNone;
  TDate Born;
  TTime Alarm;
  TDateTime Stamp;
  TNotifyEvent OnEvent;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FLink) FLink = nullptr;
  }

 private:
  int32_t FLimited = 0;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  std::unique_ptr<TFuzzBorder> FBorder = std::make_unique<TFuzzBorder>();
  TFuzzWidget* FLink = nullptr;
};

// The root: it publishes the handlers and writes its widgets into its form text.
class TFuzzForm : public TComponent {
  DECLARE_CLASS(TFuzzForm, TComponent);

 public:
  using TComponent::TComponent;
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int i = 0; i < GetComponentCount(); ++i)
      proc(GetComponent(i));
  }
  void Clicked(TObject*) {}
  void Pressed(TObject*) {}
};

// A designer like the stand-alone one: it names components of its form and never makes or
// renames handlers; when KnowsHandlers is set it hands out the form's published ones.
class TFuzzDesigner : public TFormDesigner {
 public:
  explicit TFuzzDesigner(TComponent* root) { SetForm(root); }
  bool KnowsHandlers = false;

  bool IsDesignMsg(TControl*, TMessage&) override { return false; }
  void Modified() override {}
  void Notification(TComponent*, TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(TComponent*, const std::string&, const std::string&) override {}
  TMethod CreateMethod(const std::string& name, PTypeInfo) override {
    const TMethodCode* code = KnowsHandlers ? GetForm()->MethodAddress(name) : nullptr;
    return code ? TMethod{code, GetForm()} : TMethod{};
  }
  std::string GetMethodName(const TMethod& method) override {
    return method.Code && method.Data ? method.Data->MethodName(method.Code) : std::string();
  }
  void GetMethods(PTypeInfo, const TGetStrProc&) override {}
  std::string GetPrivateDirectory() override { return "./"; }
  void GetSelections(TComponentList*) override {}
  bool MethodExists(const std::string& name) override {
    return KnowsHandlers && GetForm()->MethodAddress(name);
  }
  void RenameMethod(const std::string&, const std::string&) override {}
  void SelectComponent(TPersistent*) override {}
  void SetSelections(TComponentList*) override {}
  void ShowMethod(const std::string&) override {}
  std::string UniqueName(const std::string& baseName) override { return baseName + "1"; }
  void GetComponentNames(PTypeInfo classType, const TGetStrProc& proc) override {
    for (int i = 0; i < GetForm()->GetComponentCount(); ++i)
      if (GetForm()->GetComponent(i)->InheritsFrom(classType->ClassType))
        proc(GetForm()->GetComponent(i)->GetName());
  }
  TComponent* GetComponent(const std::string& name) override {
    return GetForm()->FindComponent(name);
  }
  std::string GetComponentName(TComponent* component) override {
    return component ? std::string(component->GetName()) : std::string();
  }
  TPersistent* GetObject(const std::string& name) override { return GetComponent(name); }
  std::string GetObjectName(TPersistent* instance) override { return instance->GetNamePath(); }
  void GetObjectNames(PTypeInfo, const TGetStrProc&) override {}
  bool MethodFromAncestor(const TMethod&) override { return false; }
  TComponent* CreateComponent(TClass, TComponent*, int, int, int, int) override { return nullptr; }
  bool IsComponentLinkable(TComponent*) override { return false; }
  void MakeComponentLinkable(TComponent*) override {}
  TComponent* GetRoot() override { return GetForm(); }
  void Revert(TPersistent*, PPropInfo) override {}
  bool GetIsDormant() override { return false; }
  bool HasInterface() override { return false; }
  bool HasInterfaceMember(const std::string&) override { return false; }
  void AddInterfaceMember(const std::string&) override {}
};

// Gives a widget values that differ by seed, so that a selection can start mixed.
void Fill(TFuzzWidget& widget, int seed, TFuzzForm& form) {
  widget.Number = 10 + seed;
  widget.Small = static_cast<int8_t>(-seed);
  widget.Letter = static_cast<char>('a' + seed);
  widget.Wide = static_cast<char16_t>(u'\u00E9' + seed);
  widget.Kind = seed ? fkThree : fkTwo;
  widget.Flag = seed != 0;
  widget.Kinds = seed ? TFuzzKinds{fkOne, fkThree} : TFuzzKinds{fkTwo};
  widget.Real = 0.1 + 0.2 * seed;
  widget.Single = 1.5f + static_cast<float>(seed);
  widget.Text = "text" + std::to_string(seed);
  widget.Code = seed ? "ab" : "xyz";
  widget.Caption = TCaption("Caption" + std::to_string(seed));
  widget.Color = seed ? clRed : clBtnFace;
  widget.Cursor = seed ? crHSplit : crDefault;
  widget.Result = seed ? mrCancel : mrOk;
  widget.Born = 45000 + seed;
  widget.Alarm = 0.25 + 0.5 * seed;
  widget.Stamp = 45000.75 - seed;
  widget.Limit = seed ? 100 : INT32_MAX;
  widget.SetLimited(seed);
  widget.GetFont()->SetSize(8 + seed);
  widget.GetLines()->SetText(seed ? "one\ntwo" : "three");
  widget.GetBorder()->Width = 1 + seed;
  widget.OnEvent = TNotifyEvent(TMethod{form.MethodAddress(seed ? "Pressed" : "Clicked"), &form});
}

std::string FormText(TFuzzForm& form) {
  TWriter writer;
  writer.WriteRootComponent(&form);
  return writer.GetText();
}

// The editors for a selection, each followed by the editors of its sub-properties.
std::vector<std::unique_ptr<TPropertyEditor>> Editors(const TComponentList& selection,
                                                      TFormDesigner& designer) {
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  GetComponentProperties(selection, tkAny, &designer, [&](std::unique_ptr<TPropertyEditor> editor) {
    TPropertyEditor* parent = editor.get();
    editors.push_back(std::move(editor));
    if (parent->GetAttributes().Contains(paSubProperties))
      parent->GetProperties(
          [&](std::unique_ptr<TPropertyEditor> sub) { editors.push_back(std::move(sub)); });
  });
  return editors;
}

[[noreturn]] void Violation(const char* what, const std::string& detail) {
  std::fprintf(stderr, "property editor fuzzer: %s\n%s\n", what, detail.c_str());
  std::abort();
}
}  // namespace

IMPLEMENT_CLASS(TFuzzBorder) {
  PROPERTY(Width, Width, Width);
  PROPERTY(Color, Color, Color);
}

IMPLEMENT_CLASS(TFuzzWidget) {
  PROPERTY(Limited, GetLimited, SetLimited);
  PROPERTY(Number, Number, Number);
  PROPERTY(Small, Small, Small);
  PROPERTY(Letter, Letter, Letter);
  PROPERTY(Wide, Wide, Wide);
  PROPERTY(Kind, Kind, Kind);
  PROPERTY(Flag, Flag, Flag);
  PROPERTY(Kinds, Kinds, Kinds);
  PROPERTY(Real, Real, Real);
  PROPERTY(Single, Single, Single);
  PROPERTY(Text, Text, Text);
  PROPERTY(Code, Code, Code);
  PROPERTY(Caption, Caption, Caption);
  PROPERTY(Color, Color, Color);
  PROPERTY(Cursor, Cursor, Cursor);
  PROPERTY(Result, Result, Result);
  PROPERTY(Born, Born, Born);
  PROPERTY(Alarm, Alarm, Alarm);
  PROPERTY(Stamp, Stamp, Stamp);
  PROPERTY(Font, GetFont, SetFont);
  PROPERTY(Lines, GetLines, SetLines);
  PROPERTY(Border, GetBorder, SetBorder);
  PROPERTY(Link, GetLink, SetLink);
  PROPERTY(OnEvent, OnEvent, OnEvent);
}

IMPLEMENT_CLASS(TFuzzForm) {
  METHOD(Clicked);
  METHOD(Pressed);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t pick = data[0];
  const uint8_t switches = data[1];
  const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

  TFuzzForm* form = new TFuzzForm(nullptr);
  form->SetName("Form1");
  auto* first = new TFuzzWidget(form);
  auto* second = new TFuzzWidget(form);
  first->SetName("Widget1");
  second->SetName("Widget2");
  Fill(*first, 0, *form);
  Fill(*second, (switches & 1) ? 0 : 1, *form);
  first->SetLink(second);
  TFuzzDesigner designer(form);
  designer.KnowsHandlers = switches & 2;

  TComponentList selection;
  selection.Add(first);
  if (!(switches & 4)) selection.Add(second);
  {
    std::vector<std::unique_ptr<TPropertyEditor>> editors = Editors(selection, designer);
    if (editors.empty()) Violation("no editors", "");
    TPropertyEditor& editor = *editors[pick % editors.size()];
    const std::string before = FormText(*form);
    try {
      editor.SetValue(text);
    } catch (const Exception&) {
      const std::string after = FormText(*form);
      if (after != before)
        Violation("a refused text changed the components",
                  editor.GetName() + " <- '" + text + "'\nbefore:\n" + before + "after:\n" + after);
    } catch (const std::exception& error) {
      Violation("an exception outside the framework's", editor.GetName() + ": " + error.what());
    }
    // The editor reads back whatever it now holds.
    if (editor.ValueAvailable()) editor.GetValue();
  }
  form->Free();
  return 0;
}
