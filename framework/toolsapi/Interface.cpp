#include "toolsapi/Interface.h"

int TInterface::AddRef() {
  return ++FRefCount;
}

int TInterface::Release() {
  const int count = --FRefCount;
  if (count == 0) delete this;
  return count;
}

int TInterface::GetVersion() {
  return ToolsApiVersion;
}
