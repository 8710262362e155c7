#pragma once

// The add-in's registration in a host IDE: hands one TIDEExpert to RegisterLibraryExpert, which
// passes it to the IDE. Called once, when the IDE installs the package.
void RegisterFscope();
