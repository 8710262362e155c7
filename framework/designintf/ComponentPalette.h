#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/Forward.h"

// The component palette: the process-wide list of pages, each with the component classes that
// packages put on it for a host IDE to offer. Pages and classes keep their registration order.

// One page of the palette.
struct TPalettePage {
  std::string Name;
  std::vector<TClass> Classes;
};

// Puts classes on the page named page (any letter case; made when new, after the others), each
// after those already there, and registers them with the class registry so that form files can
// name them. A class already on a page stays where it is. Raises EComponentError for an empty
// page name, a null class, one that is not a component or one whose name another registered
// class has, before anything changes.
void RegisterComponents(std::string_view page, std::initializer_list<TClass> classes);
void RegisterComponents(std::string_view page, const std::vector<TClass>& classes);
// Takes classes off the palette (a package that goes away); pages left empty go too. The class
// registry is left alone.
void UnregisterComponents(const std::vector<TClass>& classes);

// The pages in registration order.
const std::vector<TPalettePage>& GetPalettePages();
// The page that holds aClass, or null.
const TPalettePage* FindPalettePage(TClass aClass);
