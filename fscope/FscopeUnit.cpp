#include "FscopeUnit.h"

#include "IDEExpert.h"

void RegisterFscope() {
  RegisterLibraryExpert(new TIDEExpert());
}
