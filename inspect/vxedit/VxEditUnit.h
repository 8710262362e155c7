#pragma once

class TBitmap;

// The vxedit unit of the inspect package.

// Start-up: creates the editor registries, makes the default registrations (text values get
// the list popup; colours the colour popup and the swatch editor; Boolean values and set
// elements the check box and no popup) and loads the button glyphs. Called once, by the
// package.
void StartVxEditUnit();
// Shut-down: frees the glyphs and the registries, and takes the unit's classes out of the class
// registry so that no registry refers to the package once it is unloaded.
void StopVxEditUnit();
// Design-time registration, run when a host IDE installs the package: puts TVxEdit on the
// "Vellmark" palette page, lets a designer expand the composite's popup, edit source and inner
// edit, and gives its three class-name properties editors that list the registered classes.
void RegisterVxEdit();

// The drop-down arrow (7 x 5) and the ellipsis dots (10 x 2) of the composite edit's buttons,
// white being their transparent colour; null outside start-up and shut-down.
TBitmap* GetDropDownGlyph();
TBitmap* GetDotsGlyph();
