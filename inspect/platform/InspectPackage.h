#pragma once

// The inspect package as a whole. Loading the library starts its units in the order fdesign,
// vxedit, oinspect; unloading shuts them down in the reverse order. A host IDE that installs
// the package calls RegisterInspectPackage, which runs the units' registrations.

extern "C" void RegisterInspectPackage();
// The package's description as a host IDE lists it.
extern "C" const char* InspectPackageDescription();
