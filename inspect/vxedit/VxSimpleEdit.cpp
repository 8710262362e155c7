#include "vxedit/VxSimpleEdit.h"

#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TVxSimpleEdit) {
  PROPERTY(CharCase, GetCharCase, SetCharCase).Default(ecNormal);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored).Default(clWindow);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(MaxLength, GetMaxLength, SetMaxLength).Default(0);
  PROPERTY(OEMConvert, GetOEMConvert, SetOEMConvert).Default(false);
}

TVxSimpleEdit::TVxSimpleEdit(TComponent* owner) : TCustomEdit(owner) {
  SetCtl3D(false);
  SetBorderStyle(bsNone);
}

void TVxSimpleEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= static_cast<DWORD>(ES_MULTILINE) | static_cast<DWORD>(WS_CLIPCHILDREN);
}

void TVxSimpleEdit::KeyPress(char32_t& key) {
  if (key == U'\n' || key == U'\r') key = 0;
  TCustomEdit::KeyPress(key);
}
