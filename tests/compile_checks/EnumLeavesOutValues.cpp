// expect: TTool: PUBLISHED_ENUM leaves out values of the enumeration
// An enumeration published without its last value would write that value as an empty name.
#include "rtti/TypeInfo.h"

enum TTool : uint8_t { tlPen, tlBrush, tlEraser };
#ifdef VM_FAULT
PUBLISHED_ENUM(TTool, tlPen, tlBrush)
#else
PUBLISHED_ENUM(TTool, tlPen, tlBrush, tlEraser)
#endif
