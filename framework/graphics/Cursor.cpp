#include "graphics/Cursor.h"

#include "core/Exception.h"
#include "core/SysUtils.h"
#include "rtti/IdentMap.h"

namespace {
const TIdentMapEntry Cursors[] = {
    {crDefault, "crDefault"},
    {crNone, "crNone"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSize, "crSize"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},
    {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
    {0, nullptr},
};

[[maybe_unused]] const bool Registered = [] {
  RegisterIntegerConsts(TypeInfo<TCursor>(), &IdentToCursor, &CursorToIdent);
  return true;
}();
}  // namespace

const TIdentMapEntry* CursorNames() {
  return Cursors;
}

bool IdentToCursor(std::string_view ident, int64_t& cursor) {
  return IdentToInt(ident, cursor, Cursors);
}

bool CursorToIdent(int64_t cursor, std::string& ident) {
  return IntToIdent(cursor, ident, Cursors);
}

std::string CursorToString(TCursor cursor) {
  return IntToIdentOrNumber(cursor, Cursors);
}

TCursor StringToCursor(std::string_view text) {
  int64_t value = 0;
  if (!IdentOrNumberToInt(text, Cursors, INT16_MIN, INT16_MAX, value))
    throw EConvertError(Format("'%s' is not a valid cursor", std::string(text)));
  return static_cast<TCursor>(value);
}
