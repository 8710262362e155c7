#include "oinspect/InfoRec.h"

#include "core/Module.h"
#include "designintf/PropertyEditor.h"
#include "vxedit/EditRegistry.h"

IMPLEMENT_CLASS(TInfoRec) {}

TInfoRec::TInfoRec(std::unique_ptr<TPropertyEditor> editor)
    : PropEdit(editor.get()), FOwnedEditor(std::move(editor)) {}

TInfoRec::~TInfoRec() = default;

std::unique_ptr<TInfoRec> TInfoRec::MemberOf(const TInfoRec& master) {
  auto member = std::make_unique<TInfoRec>();
  member->PropEdit = master.PropEdit;
  member->EditorClass = GetEditClass(master.PropEdit);
  member->PopupClass = GetPopupClass(master.PropEdit);
  member->DisplayName = master.DisplayName;
  member->SubState = master.SubState;
  member->AutoExpand = master.AutoExpand;
  member->AlwaysExpand = master.AlwaysExpand;
  member->Group = master.Group;
  member->IsGroup = master.IsGroup;
  member->Level = 1;
  return member;
}

std::unique_ptr<TInfoRec> TInfoRec::GroupHeader(const std::string& name, int32_t group) {
  auto header = std::make_unique<TInfoRec>();
  header->DisplayName = name;
  header->SubState = ssExpanded;
  header->Group = group;
  header->IsGroup = true;
  return header;
}
