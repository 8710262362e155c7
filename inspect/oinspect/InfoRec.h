#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/Object.h"
#include "oinspect/InspectorTypes.h"
#include "rtti/MetaClass.h"

class TPropertyEditor;

// One row of the object inspector: a property (or a group header) with its name as shown, its
// depth, whether it has sub-rows, and the editor and popup classes that serve its value.
//
// A row owns its property editor, except a group member row, which shows the editor of the
// master row it was copied from (MemberOf); a group header has none. PropEdit is valid while
// the row exists.
class TInfoRec : public TObject {
  DECLARE_CLASS(TInfoRec, TObject);

 public:
  TInfoRec() = default;
  // A row that owns editor.
  explicit TInfoRec(std::unique_ptr<TPropertyEditor> editor);
  ~TInfoRec() override;

  // A member row of a group: master's editor (which stays master's), classes and marks, at
  // level 1.
  static std::unique_ptr<TInfoRec> MemberOf(const TInfoRec& master);
  // A group header named name for group number group, expanded.
  static std::unique_ptr<TInfoRec> GroupHeader(const std::string& name, int32_t group);

  bool OwnsEditor() const { return FOwnedEditor != nullptr; }

  TPropertyEditor* PropEdit = nullptr;  // null for a group header
  std::string DisplayName;
  int32_t Level = 0;
  TSubState SubState = ssNoSub;
  bool AutoExpand = false;
  bool AlwaysExpand = false;
  int32_t Group = -1;  // -1: no group
  bool IsGroup = false;
  TClass EditorClass = nullptr;
  TClass PopupClass = nullptr;

 private:
  std::unique_ptr<TPropertyEditor> FOwnedEditor;
};
