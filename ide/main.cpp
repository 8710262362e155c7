// The host IDE: a main window whose Tools menu holds "ToolsToolsItem", the design packages
// (inspect, then the Formscope add-in) loaded at start, the component palette, and the forms
// being designed, each with its designer, beside the IDE's object inspector.
//
//   ide [FORMFILE...] [--script DIR] [--screenshot FILE] [--headless] [--size WxH]
//
// Each form file (text or binary) opens as a designed form; without one the IDE designs a
// sample form of its own. --script runs a headless tour through the Formscope add-in and
// writes a screenshot after each step into DIR.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "IDEMainForm.h"
#include "InspectorForm.h"
#include "MessagesForm.h"
#include "PackageLoader.h"
#include "SampleForm.h"
#include "ScriptTour.h"
#include "controls/Application.h"
#include "controls/ProgramHost.h"

namespace {
struct TIDEOptions {
  std::vector<std::string> Files;
  std::string ScriptFolder;
  std::string Error;
};

TIDEOptions ParseIDEOptions(int argc, char** argv) {
  TIDEOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--script") {
      if (i + 1 >= argc) {
        options.Error = "--script needs a folder for the screenshots";
        break;
      }
      options.ScriptFolder = argv[++i];
    } else if (argument == "--screenshot" || argument == "--size") {
      ++i;  // the presenter's options, read by the program host
    } else if (argument == "--headless") {
    } else if (argument.rfind("--", 0) == 0) {
      options.Error = "unknown option " + argument;
      break;
    } else {
      options.Files.push_back(argument);
    }
  }
  return options;
}
}  // namespace

int main(int argc, char** argv) {
  const TIDEOptions options = ParseIDEOptions(argc, argv);
  if (!options.Error.empty()) {
    std::fprintf(stderr,
                 "ide: %s\nusage: ide [FORMFILE...] [--script DIR] [--screenshot FILE] "
                 "[--headless] [--size WxH]\n",
                 options.Error.c_str());
    return 2;
  }
  // The tour clicks through windows that only the headless desktop lets it read back.
  std::vector<const char*> hostArguments(argv, argv + argc);
  if (!options.ScriptFolder.empty()) hostArguments.push_back("--headless");
  TProgramHost host(static_cast<int>(hostArguments.size()), hostArguments.data());
  if (!host.Ok()) return host.Fail();

  Application->Initialize();
  Application->SetTitle("Vellmark IDE");
  TIDEMainForm* ide = nullptr;
  Application->CreateForm(ide);
  if (host.IsHeadless()) ide->GetMessagesForm()->SetEcho(&std::cerr);
  ide->LoadPackages(std::make_unique<TPackageLoader>(TPackageLoader::StandardPackages(),
                                                     TPackageLoader::StandardSearchFolders()));
  for (const std::string& file : options.Files)
    ide->OpenFormFile(file);
  if (options.Files.empty()) ide->OpenFormData(SampleFormText(), "sample form");
  ide->GetInspectorForm()->Show();

  int tourCode = 0;
  if (!options.ScriptFolder.empty()) {
    ide->Show();
    TScriptTour tour(ide, options.ScriptFolder);
    if (!tour.Run(std::cerr)) tourCode = 3;
  }
  const int code = host.Run([ide] { ide->Shutdown(); });
  return code != 0 ? code : tourCode;
}
