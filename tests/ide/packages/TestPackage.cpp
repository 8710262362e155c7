// A design package for the loader's tests: it logs its start-up and shut-down, and registers one
// add-in expert that, like a real add-in, puts a menu item above the IDE's "ToolsToolsItem".
#include <string>
#include <utility>

#include "PackageLog.h"
#include "core/Exception.h"
#include "toolsapi/ExpertIntf.h"
#include "toolsapi/ToolIntf.h"

namespace {
const std::string Letter = PACKAGE_LETTER;

class TTestExpert : public TIExpert {
 public:
  TTestExpert() {
    TIToolServices* services = ToolServices();
    if (!services) return;
    TInterfaceRef<TIMainMenuIntf> menu(services->GetMainMenu());
    if (!menu) return;
    TInterfaceRef<TIMenuItemIntf> tools(menu->FindMenuItem("ToolsToolsItem"));
    if (!tools) return;
    TInterfaceRef<TIMenuItemIntf> parent(tools->GetParent());
    if (!parent) return;
    FItem = parent->InsertItem(tools->GetIndex(), "Package " + Letter + "...",
                               "Package" + Letter + "Item", "", 0, 0, 0,
                               TIMenuFlags{mfEnabled, mfVisible}, TIMenuClickEvent{});
  }
  std::string GetName() override { return "Test expert " + Letter; }
  TExpertStyle GetStyle() override { return esAddIn; }
  TExpertState GetState() override { return {esEnabled}; }
  std::string GetIDString() override { return "Test." + Letter; }
  std::string GetMenuText() override { return "Package " + Letter + "..."; }
  void Execute() override {}

 protected:
  ~TTestExpert() override {
    if (FItem) FItem->Release();
    PackageLog().push_back("expert " + Letter + " released");
  }

 private:
  TIMenuItemIntf* FItem = nullptr;
};

struct TLifetime {
  TLifetime() { PackageLog().push_back("start " + Letter); }
  ~TLifetime() { PackageLog().push_back("stop " + Letter); }
};
const TLifetime Lifetime;
}  // namespace

extern "C" void RegisterTestPackage() {
  PackageLog().push_back("register " + Letter);
  RegisterLibraryExpert(new TTestExpert);
  if (std::exchange(FailNextRegistration(), false))
    throw EInvalidOperation("package " + Letter + " refuses to register");
}

extern "C" const char* TestPackageDescription() {
  static const std::string description = "Test package " + Letter;
  return description.c_str();
}
