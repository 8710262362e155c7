#pragma once

class TBitmap;

// The vxedit unit of the inspect package.

// Start-up: creates the editor registries, makes the default registrations (text values get
// the list popup; Boolean values and set elements get no popup) and loads the button glyphs.
// Called once, by the package.
void StartVxEditUnit();
// Shut-down: frees the glyphs and the registries, and takes the unit's classes out of the class
// registry so that no registry refers to the package once it is unloaded.
void StopVxEditUnit();

// The drop-down arrow (7 x 5) and the ellipsis dots (10 x 2) of the composite edit's buttons,
// white being their transparent colour; null outside start-up and shut-down.
TBitmap* GetDropDownGlyph();
TBitmap* GetDotsGlyph();
