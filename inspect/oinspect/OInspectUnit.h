#pragma once

// The oinspect unit of the inspect package.

// Start-up: registers with the property-editor registry an entry for the type TDummyType
// without editor class, which hides properties of that type, and TObjectInspector with the
// class registry so that form files can name it. Called once, by the package.
void StartOInspectUnit();
// Shut-down: takes TObjectInspector off the palette and out of the class registry, so that no
// registry refers to the package once it is unloaded.
void StopOInspectUnit();
// The unit's registration in a host IDE: TObjectInspector on the palette page "Vellmark".
void RegisterOInspect();
