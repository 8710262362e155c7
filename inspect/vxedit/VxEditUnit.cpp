#include "vxedit/VxEditUnit.h"

#include <memory>
#include <string>

#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "graphics/Bitmap.h"
#include "vxedit/DummyPopup.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/EditSource.h"
#include "vxedit/PopupColorBox.h"
#include "vxedit/PopupListBox.h"
#include "vxedit/VxEdit.h"
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
  // The colour and check-box editors register theirs here, between these two.
  RegisterPopupClass(TypeInfo<bool>(), nullptr, "", nullptr);
  DropDownGlyph() = LoadGlyph("VXEDIT_DROPDOWN");
  DotsGlyph() = LoadGlyph("VXEDIT_DOTS");
}

void StopVxEditUnit() {
  DropDownGlyph().reset();
  DotsGlyph().reset();
  StopEditRegistries();
  for (TClass aClass :
       {TPopupListBox::StaticClass(), TVxSimpleEdit::StaticClass(), TDummyEditSource::StaticClass(),
        TDummyPopup::StaticClass(), TVxEdit::StaticClass(), TPopupColorBox::StaticClass()})
    UnRegisterClass(aClass);
}

TBitmap* GetDropDownGlyph() {
  return DropDownGlyph().get();
}

TBitmap* GetDotsGlyph() {
  return DotsGlyph().get();
}
