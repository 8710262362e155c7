#include "platform/InspectPackage.h"

#include <iterator>

#include "oinspect/OInspectUnit.h"
#include "vxedit/VxEditUnit.h"

namespace {
// The units in start-up order; fdesign keeps no state and has nothing to start.
struct TUnit {
  void (*StartUp)();
  void (*ShutDown)();
};
constexpr TUnit Units[] = {
    {&StartVxEditUnit, &StopVxEditUnit},
    {&StartOInspectUnit, &StopOInspectUnit},
};

// Starts the units when the library is loaded and stops them when it is unloaded.
class TPackageLifetime {
 public:
  TPackageLifetime() {
    for (const TUnit& unit : Units)
      unit.StartUp();
  }
  ~TPackageLifetime() {
    for (auto unit = std::rbegin(Units); unit != std::rend(Units); ++unit)
      unit->ShutDown();
  }
  TPackageLifetime(const TPackageLifetime&) = delete;
  TPackageLifetime& operator=(const TPackageLifetime&) = delete;
};

const TPackageLifetime Lifetime;
}  // namespace

extern "C" void RegisterInspectPackage() {
  RegisterVxEdit();
  RegisterOInspect();
}

extern "C" const char* InspectPackageDescription() {
  return "Vellmark object inspector and editor controls";
}
