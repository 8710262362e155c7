#include "designintf/ComponentPalette.h"

#include <algorithm>

#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/SysUtils.h"
#include "rtti/MetaClass.h"

namespace {
std::vector<TPalettePage>& Pages() {
  // Never destroyed: packages take their classes off while the process ends.
  static auto* pages = new std::vector<TPalettePage>();
  return *pages;
}

void CheckRegistration(std::string_view page, const std::vector<TClass>& classes) {
  if (page.empty()) throw EComponentError("A palette page needs a name");
  for (TClass aClass : classes) {
    if (!aClass)
      throw EComponentError(Format("A null class cannot go on palette page %s", std::string(page)));
    if (!aClass->InheritsFrom(TComponent::StaticClass()))
      throw EComponentError(Format("%s is not a component and cannot go on palette page %s",
                                   aClass->ClassName(), std::string(page)));
    if (TClass existing = GetClass(aClass->ClassName()); existing && existing != aClass)
      throw EComponentError(
          Format("Another class named %s is registered already", aClass->ClassName()));
  }
}
}  // namespace

void RegisterComponents(std::string_view page, std::initializer_list<TClass> classes) {
  RegisterComponents(page, std::vector<TClass>(classes));
}

void RegisterComponents(std::string_view page, const std::vector<TClass>& classes) {
  CheckRegistration(page, classes);
  for (TClass aClass : classes)
    RegisterClass(aClass);
  std::vector<TPalettePage>& pages = Pages();
  auto target = std::find_if(pages.begin(), pages.end(),
                             [&](const TPalettePage& p) { return SameText(p.Name, page); });
  if (target == pages.end()) target = pages.insert(pages.end(), {std::string(page), {}});
  for (TClass aClass : classes)
    if (!FindPalettePage(aClass)) target->Classes.push_back(aClass);
}

void UnregisterComponents(const std::vector<TClass>& classes) {
  std::vector<TPalettePage>& pages = Pages();
  for (TPalettePage& page : pages)
    std::erase_if(page.Classes, [&](TClass aClass) {
      return std::find(classes.begin(), classes.end(), aClass) != classes.end();
    });
  std::erase_if(pages, [](const TPalettePage& page) { return page.Classes.empty(); });
}

const std::vector<TPalettePage>& GetPalettePages() {
  return Pages();
}

const TPalettePage* FindPalettePage(TClass aClass) {
  for (const TPalettePage& page : Pages())
    if (std::find(page.Classes.begin(), page.Classes.end(), aClass) != page.Classes.end())
      return &page;
  return nullptr;
}
