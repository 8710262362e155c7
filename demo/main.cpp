// The inspector demo: a form with a few controls and an object inspector that edits them at
// run time. Until the inspector and the controls exist it says what it will show.
#include <cstdio>

int main() {
  std::puts(
      "inspector-demo: this program will show a form with a few controls next to an object\n"
      "inspector that lists and edits their properties. The inspector is not built yet.");
  return 0;
}
