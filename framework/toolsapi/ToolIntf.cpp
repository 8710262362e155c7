#include "toolsapi/ToolIntf.h"

namespace {
TIToolServices*& Services() {
  static TIToolServices* services = nullptr;
  return services;
}
}  // namespace

TIToolServices* ToolServices() {
  return Services();
}

void SetToolServices(TIToolServices* services) {
  Services() = services;
}
