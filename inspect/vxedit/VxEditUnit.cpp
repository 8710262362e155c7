#include "vxedit/VxEditUnit.h"

#include <memory>
#include <string>

#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "designintf/ClassProperty.h"
#include "designintf/ComponentPalette.h"
#include "designintf/PropertyEditorRegistry.h"
#include "graphics/Bitmap.h"
#include "graphics/Color.h"
#include "vxedit/CheckEdit.h"
#include "vxedit/ColorEdit.h"
#include "vxedit/DummyPopup.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/EditSource.h"
#include "vxedit/PopupColorBox.h"
#include "vxedit/PopupListBox.h"
#include "vxedit/VxEdit.h"
#include "vxedit/VxEditPropertyEditors.h"
#include "vxedit/VxSimpleEdit.h"

namespace {
std::unique_ptr<TBitmap>& DropDownGlyph() {
  static std::unique_ptr<TBitmap> glyph;
  return glyph;
}

std::unique_ptr<TBitmap>& DotsGlyph() {
  static std::unique_ptr<TBitmap> glyph;
  return glyph;
}

std::unique_ptr<TBitmap> LoadGlyph(const char* name) {
  auto glyph = std::make_unique<TBitmap>();
  glyph->LoadFromResourceName(ThisModule(), name);
  return glyph;
}
}  // namespace

void StartVxEditUnit() {
  StartEditRegistries();
  RegisterPopupClass(TypeInfo<std::string>(), nullptr, "", TPopupListBox::StaticClass());
  RegisterClasses({TVxSimpleEdit::StaticClass(), TDummyEditSource::StaticClass(),
                   TDummyPopup::StaticClass(), TVxEdit::StaticClass(),
                   TPopupColorBox::StaticClass()});
  RegisterPopupClass(TypeInfo<TColor>(), nullptr, "", TPopupColorBox::StaticClass());
  RegisterEditClass(TypeInfo<TColor>(), nullptr, "", TColorEdit::StaticClass());
  RegisterEditClass(TypeInfo<bool>(), nullptr, "", TCheckEdit::StaticClass());
  RegisterPopupClass(TypeInfo<bool>(), nullptr, "", nullptr);
  DropDownGlyph() = LoadGlyph("VXEDIT_DROPDOWN");
  DotsGlyph() = LoadGlyph("VXEDIT_DOTS");
}

void StopVxEditUnit() {
  DropDownGlyph().reset();
  DotsGlyph().reset();
  StopEditRegistries();
  UnregisterComponents({TVxEdit::StaticClass()});
  for (TClass aClass :
       {TPopupListBox::StaticClass(), TVxSimpleEdit::StaticClass(), TDummyEditSource::StaticClass(),
        TDummyPopup::StaticClass(), TVxEdit::StaticClass(), TPopupColorBox::StaticClass(),
        TColorEdit::StaticClass(), TCheckEdit::StaticClass()})
    UnRegisterClass(aClass);
}

void RegisterVxEdit() {
  RegisterComponents("Vellmark", {TVxEdit::StaticClass()});
  // The composite's parts can be expanded in a designer and their own properties edited.
  const TClass vxEdit = TCustomVxEdit::StaticClass();
  const TClass classProperty = TClassProperty::StaticClass();
  RegisterPropertyEditor(TWinControl::StaticClass()->GetTypeInfo(), vxEdit, "PopupWindow",
                         classProperty);
  RegisterPropertyEditor(TEditSource::StaticClass()->GetTypeInfo(), vxEdit, "EditSource",
                         classProperty);
  RegisterPropertyEditor(TControl::StaticClass()->GetTypeInfo(), vxEdit, "Edit", classProperty);
  RegisterPropertyEditor(TypeInfo<std::string>(), vxEdit, "PopupWindowClass",
                         TPopupClassNameEditor::StaticClass());
  RegisterPropertyEditor(TypeInfo<std::string>(), vxEdit, "EditSourceClass",
                         TEditSourceTypeEditor::StaticClass());
  RegisterPropertyEditor(TypeInfo<std::string>(), vxEdit, "EditClass",
                         TEditClassEditor::StaticClass());
}

TBitmap* GetDropDownGlyph() {
  return DropDownGlyph().get();
}

TBitmap* GetDotsGlyph() {
  return DotsGlyph().get();
}
