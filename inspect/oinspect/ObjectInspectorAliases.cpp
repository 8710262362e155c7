// Aliases and groups: the names properties are shown under, the groups they fall into and the
// rows that expand by themselves, all from the aliases text.
//
// Each line, trimmed, up to a ';' comment (not trimmed again):
//   [Group name]                       a section: the entries below belong to that group
//   Name[=Display name][,options]      an entry; options holding AUTOEXPAND or ALWAYSEXPAND
// Group numbers are positions in the sorted group names, so groups show in alphabetical order.
#include "controls/ControlRef.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "core/SysUtils.h"
#include "oinspect/ObjectInspector.h"

IMPLEMENT_CLASS(TPInfo) {}

namespace {
// The parts of one line of the aliases text.
struct TAliasLine {
  enum TKind { Blank, Section, Entry } Kind = Blank;
  std::string Name;  // the section's or the property's
  std::string DisplayName;
  bool AutoExpand = false;
  bool AlwaysExpand = false;
};

TAliasLine ParseAliasLine(std::string_view source) {
  TAliasLine line;
  std::string text = Trim(source);
  if (const size_t comment = text.find(';'); comment != std::string::npos) text.resize(comment);
  if (text.empty()) return line;
  if (text.front() == '[') {
    const size_t close = text.find(']');
    if (close == std::string::npos) return line;
    line.Kind = TAliasLine::Section;
    line.Name = text.substr(1, close - 1);
    return line;
  }
  line.Kind = TAliasLine::Entry;
  const size_t equals = text.find('=');
  const size_t comma = text.find(',');
  line.Name = text.substr(0, std::min(equals, comma));
  if (equals != std::string::npos) {
    const size_t end = text.find(',', equals + 1);
    line.DisplayName =
        text.substr(equals + 1, end == std::string::npos ? std::string::npos : end - equals - 1);
  }
  if (comma != std::string::npos) {
    const std::string options = UpperCase(std::string_view(text).substr(comma + 1));
    line.AutoExpand = options.find("AUTOEXPAND") != std::string::npos;
    line.AlwaysExpand = options.find("ALWAYSEXPAND") != std::string::npos;
  }
  return line;
}
}  // namespace

void TCustomObjectInspector::ScanAliases() {
  FGroups->Clear();
  FAliasTable->Clear();
  FAliasEntries.clear();
  FOtherGroupIndex = -1;
  std::vector<TAliasLine> lines;
  lines.reserve(static_cast<size_t>(FAliases->GetCount()));
  for (int i = 0; i < FAliases->GetCount(); ++i)
    lines.push_back(ParseAliasLine(FAliases->Get(i)));
  for (const TAliasLine& line : lines)
    if (line.Kind == TAliasLine::Section) FGroups->Add(line.Name);
  FGroups->Add(FOtherGroupName);
  FOtherGroupIndex = FGroups->IndexOf(FOtherGroupName);
  int32_t group = -1;
  for (TAliasLine& line : lines) {
    if (line.Kind == TAliasLine::Section) {
      group = FGroups->IndexOf(line.Name);
    } else if (line.Kind == TAliasLine::Entry) {
      auto entry = std::make_unique<TPInfo>();
      entry->DisplayName = std::move(line.DisplayName);
      entry->Group = group;
      entry->AutoExpand = line.AutoExpand;
      entry->AlwaysExpand = line.AlwaysExpand;
      FAliasTable->AddObject(UpperCase(line.Name), entry.get());
      FAliasEntries.push_back(std::move(entry));
    }
  }
}

const TPInfo* TCustomObjectInspector::FindAlias(const std::string& propName) const {
  if (!FOptions.Contains(oiUseAliases) && !FOptions.Contains(oiUseGroups)) return nullptr;
  int index = 0;
  if (!FAliasTable->Find(UpperCase(propName), index)) return nullptr;
  return static_cast<const TPInfo*>(FAliasTable->GetObject(index));
}

int32_t TCustomObjectInspector::GetGroupCount() const {
  return FGroups->GetCount();
}

std::string TCustomObjectInspector::GetGroupName(int32_t group) const {
  return FGroups->Get(group);
}

void TCustomObjectInspector::AliasesChanged(TObject*) {
  // A duplicate raises out of the scan to whoever changed the text; nothing is rebuilt then.
  ScanAliases();
  TControlRef<TCustomObjectInspector> self(this);
  ShowInfo();
  if (self) Invalidate();
}

void TCustomObjectInspector::SetOtherGroupName(const std::string& value) {
  FOtherGroupName = value;
  ScanAliases();
  TControlRef<TCustomObjectInspector> self(this);
  ShowInfo();
  if (self) Invalidate();
}

bool TCustomObjectInspector::IsGroupMember(const TInfoRec& master, int32_t group) const {
  return master.Group == group || (master.Group == -1 && group == FOtherGroupIndex);
}

void TCustomObjectInspector::AppendGroupMembers(int32_t group, TRowList& rows) const {
  for (const auto& master : FMasterRows)
    if (IsGroupMember(*master, group)) rows.push_back(TInfoRec::MemberOf(*master));
}

int32_t TCustomObjectInspector::ArrangeGroups() {
  // The gathered rows become the masters; each group shows copies of its members under a
  // header, and a group without members shows nothing.
  FMasterRows = std::move(FRows);
  FRows.clear();
  const auto groupCount = static_cast<size_t>(FGroups->GetCount());
  std::vector<std::vector<const TInfoRec*>> members(groupCount);
  for (const auto& master : FMasterRows) {
    if (master->Group >= 0 && static_cast<size_t>(master->Group) < groupCount)
      members[static_cast<size_t>(master->Group)].push_back(master.get());
    else if (master->Group == -1 && FOtherGroupIndex >= 0)
      members[static_cast<size_t>(FOtherGroupIndex)].push_back(master.get());
  }
  int32_t headers = 0;
  FRows.reserve(FMasterRows.size() + groupCount);
  for (size_t group = 0; group < groupCount; ++group) {
    if (members[group].empty()) continue;
    FRows.push_back(
        TInfoRec::GroupHeader(FGroups->Get(static_cast<int>(group)), static_cast<int32_t>(group)));
    for (const TInfoRec* master : members[group])
      FRows.push_back(TInfoRec::MemberOf(*master));
    ++headers;
  }
  return headers;
}
