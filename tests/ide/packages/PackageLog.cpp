#include "PackageLog.h"

std::vector<std::string>& PackageLog() {
  static std::vector<std::string> log;
  return log;
}

bool& FailNextRegistration() {
  static bool fail = false;
  return fail;
}
