#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rtti/TypeInfo.h"

// The framework's cursor numbers: negative for the standard cursors, which the screen's cursor
// table holds; programs may add their own at positive numbers.
enum TCursor : int16_t {
  crDefault = 0,
  crNone = -1,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSize = -5,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crUpArrow = -10,
  crHourGlass = -11,
  crDrag = -12,
  crNoDrop = -13,
  crHSplit = -14,
  crVSplit = -15,
  crMultiDrag = -16,
  crSQLWait = -17,
  crNo = -18,
  crAppStart = -19,
  crHelp = -20,
  crHandPoint = -21,
  crSizeAll = -22,
};
PUBLISHED_INTEGER(TCursor, INT16_MIN, INT16_MAX)

// The cursor's name (crHSplit) when it has one, else its number.
std::string CursorToString(TCursor cursor);
// Reads a cursor name or number; raises EConvertError "'x' is not a valid cursor" otherwise.
TCursor StringToCursor(std::string_view text);
bool IdentToCursor(std::string_view ident, int64_t& cursor);
bool CursorToIdent(int64_t cursor, std::string& ident);
// The named cursors, ending with a null name, in the order cursor lists show them.
const struct TIdentMapEntry* CursorNames();
