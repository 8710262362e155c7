// The host IDE: a main window whose Tools menu holds "ToolsToolsItem", a loader for design
// packages, the component palette and the forms being designed. Until those exist it says what
// it will show.
#include <cstdio>

int main() {
  std::puts(
      "ide: this program will host forms being designed, load design packages such as the\n"
      "Formscope add-in and show their commands in its Tools menu. It is not built yet.");
  return 0;
}
