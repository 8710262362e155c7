#include "IDEMainForm.h"

#include <utility>

#include "FormFileOpener.h"
#include "IDEDesigner.h"
#include "IDEToolServices.h"
#include "InspectorForm.h"
#include "MessagesForm.h"
#include "OpenFormDialog.h"
#include "PackageLoader.h"
#include "PaletteView.h"
#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/Memo.h"
#include "controls/Menus.h"
#include "controls/MessageDialog.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/Splitter.h"
#include "controls/TabControl.h"
#include "controls/TreeView.h"
#include "designintf/ComponentPalette.h"
#include "toolsapi/ExpertIntf.h"
#include "winsys/VirtualKeys.h"

IMPLEMENT_CLASS(TIDEMainForm) {
  METHOD(FileNewFormClick);
  METHOD(FileOpenClick);
  METHOD(FileExitClick);
  METHOD(EditSelectAllClick);
  METHOD(EditDeleteClick);
  METHOD(ViewInspectorClick);
  METHOD(ViewMessagesClick);
  METHOD(ToolsPackagesClick);
  METHOD(HelpAboutClick);
}

namespace {
constexpr int MainWindowHeight = 112;
constexpr int DesignAreaLeft = 310;
constexpr int DesignAreaTop = MainWindowHeight + 8;
constexpr int CascadeStep = 24;

// The framework's own controls, which the IDE offers beside those of the packages.
void RegisterStandardComponents() {
  RegisterComponents("Standard",
                     {TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
                      TButton::StaticClass(), TCheckBox::StaticClass(), TListBox::StaticClass(),
                      TComboBox::StaticClass(), TPanel::StaticClass()});
  RegisterComponents("Additional", {TSpeedButton::StaticClass(), TTabControl::StaticClass(),
                                    TTreeView::StaticClass(), TSplitter::StaticClass(),
                                    TImageList::StaticClass()});
}
}  // namespace

TIDEMainForm::TIDEMainForm(TComponent* owner) : TForm(owner) {
  SetName("IDEMainForm");
  SetCaption("Vellmark IDE");
  SetBounds(0, 0, 1280, MainWindowHeight);
  SetShowHint(true);
  BuildMenu();
  RegisterStandardComponents();
  FPalette = new TPaletteView(this);
  FPalette->SetName("Palette");
  FPalette->SetParent(this);
  FPalette->SetAlign(alClient);
  FPalette->RefreshPages();
  FInspectorForm = new TInspectorForm(this);
  FMessagesForm = new TMessagesForm(this);
  FToolServices = new TIDEToolServices(this);
}

TIDEMainForm::~TIDEMainForm() {
  Shutdown();
}

// The menu.

TMenuItem* TIDEMainForm::AddItem(TMenuItem* parent, const char* name, const char* caption,
                                 TNotifyEvent click) {
  auto* item = new TMenuItem(this);
  item->SetName(name);
  item->SetCaption(caption);
  item->SetOnClick(click);
  parent->Add(item);
  return item;
}

void TIDEMainForm::BuildMenu() {
  FMenu = new TMainMenu(this);
  FMenu->SetName("MainMenu");
  TMenuItem* bar = FMenu->GetItems();

  TMenuItem* file = AddItem(bar, "FileMenu", "&File");
  AddItem(file, "FileNewFormItem", "New &Form", MakeMethod<&TIDEMainForm::FileNewFormClick>(this));
  AddItem(file, "FileOpenItem", "&Open...", MakeMethod<&TIDEMainForm::FileOpenClick>(this))
      ->SetShortCut(ShortCut('O', {ssCtrl}));
  AddItem(file, "FileSeparator", "-");
  AddItem(file, "FileExitItem", "E&xit", MakeMethod<&TIDEMainForm::FileExitClick>(this));

  TMenuItem* edit = AddItem(bar, "EditMenu", "&Edit");
  AddItem(edit, "EditSelectAllItem", "Select &All",
          MakeMethod<&TIDEMainForm::EditSelectAllClick>(this))
      ->SetShortCut(ShortCut('A', {ssCtrl}));
  AddItem(edit, "EditDeleteItem", "&Delete", MakeMethod<&TIDEMainForm::EditDeleteClick>(this))
      ->SetShortCut(ShortCut(VK_DELETE, {ssCtrl}));

  TMenuItem* view = AddItem(bar, "ViewMenu", "&View");
  AddItem(view, "ViewInspectorItem", "&Object Inspector",
          MakeMethod<&TIDEMainForm::ViewInspectorClick>(this));
  AddItem(view, "ViewMessagesItem", "&Messages",
          MakeMethod<&TIDEMainForm::ViewMessagesClick>(this));

  TMenuItem* tools = AddItem(bar, "ToolsMenu", "&Tools");
  AddItem(tools, "ToolsToolsItem", "&Packages...",
          MakeMethod<&TIDEMainForm::ToolsPackagesClick>(this));

  TMenuItem* help = AddItem(bar, "HelpMenu", "&Help");
  AddItem(help, "HelpAboutItem", "&About...", MakeMethod<&TIDEMainForm::HelpAboutClick>(this));
  SetMenu(FMenu);
}

// Packages.

int TIDEMainForm::LoadPackages(std::unique_ptr<TPackageLoader> loader) {
  if (FLoader) FLoader->Unload();
  FLoader = std::move(loader);
  FToolServices->Install();
  const int loaded = FLoader->Load();
  FPalette->RefreshPages();
  const std::vector<std::string> errors = FLoader->Errors();
  if (!errors.empty()) ShowMessages(errors);
  return loaded;
}

std::string TIDEMainForm::PackageReport() const {
  if (!FLoader) return "No packages are loaded.";
  std::string report;
  for (const TLoadedPackage& package : FLoader->GetPackages()) {
    report += package.Info.Id + ": ";
    if (package.Handle)
      report +=
          (package.Description.empty() ? std::string("(no description)") : package.Description) +
          ", " + std::to_string(package.Experts.size()) + " expert(s), from " + package.Path;
    if (!package.Error.empty()) report += (package.Handle ? "; " : "") + package.Error;
    report += "\n";
  }
  return report;
}

// Designed forms.

TIDEDesigner* TIDEMainForm::AddDesignedForm(TCustomForm* form) {
  // Forms keep their stored place unless it lies under the IDE's own windows.
  const int offset = FOpenedCount++ * CascadeStep;
  if (form->GetLeft() < DesignAreaLeft) form->SetLeft(DesignAreaLeft + offset);
  if (form->GetTop() < DesignAreaTop) form->SetTop(DesignAreaTop + offset);
  // Designing forms keep their window as it is when Visible changes: show it first.
  form->Show();
  auto* designer = new TIDEDesigner(form);
  designer->SetOnSelectionChanged([this](TIDEDesigner* d) { DesignerSelectionChanged(d); });
  designer->SetOnModified([this](TIDEDesigner* d) { DesignerModified(d); });
  designer->SetPlacementQuery([this] { return FPalette->TakeChosenClass(); });
  FDesigners.push_back(designer);
  designer->SelectComponent(form);
  ActivateDesigner(designer);
  return designer;
}

TIDEDesigner* TIDEMainForm::OpenFormData(const std::string& data, const std::string& fileName) {
  return AdoptOpenedForm(TFormFileOpener::OpenData(data, fileName), fileName);
}

TIDEDesigner* TIDEMainForm::OpenFormFile(const std::string& fileName) {
  return AdoptOpenedForm(TFormFileOpener::Open(fileName), fileName);
}

TIDEDesigner* TIDEMainForm::AdoptOpenedForm(const TOpenedForm& opened,
                                            const std::string& fileName) {
  if (!opened.Form) {
    ShowMessages({opened.Error});
    return nullptr;
  }
  if (!opened.Skipped.empty()) {
    std::vector<std::string> lines{fileName + ": " + std::to_string(opened.Skipped.size()) +
                                   " item(s) this IDE does not know were skipped:"};
    for (const TSkippedItem& item : opened.Skipped)
      lines.push_back("  " + TFormFileOpener::Describe(fileName, item));
    ShowMessages(lines);
  }
  return AddDesignedForm(opened.Form);
}

TIDEDesigner* TIDEMainForm::NewForm() {
  auto* form = new TForm(nullptr);
  form->SetName("Form" + std::to_string(FDesigners.size() + 1));
  form->SetCaption(form->GetName());
  form->SetBounds(DesignAreaLeft, DesignAreaTop, 400, 300);
  return AddDesignedForm(form);
}

void TIDEMainForm::ActivateDesigner(TIDEDesigner* designer) {
  FActiveDesigner = designer;
  FInspectorForm->ShowSelection(designer);
}

void TIDEMainForm::DesignerSelectionChanged(TIDEDesigner* designer) {
  ActivateDesigner(designer);
}

void TIDEMainForm::DesignerModified(TIDEDesigner* designer) {
  if (designer == FActiveDesigner) FInspectorForm->RefreshValues();
}

void TIDEMainForm::ShowMessages(const std::vector<std::string>& lines) {
  FMessagesForm->AddLines(lines);
  FMessagesForm->Show();
}

void TIDEMainForm::CloseDesignedForms() {
  FActiveDesigner = nullptr;
  if (FInspectorForm) FInspectorForm->ShowSelection(nullptr);
  while (!FDesigners.empty()) {
    TIDEDesigner* designer = FDesigners.back();
    FDesigners.pop_back();
    TCustomForm* form = designer->GetDesignedForm();
    delete designer;
    if (form) form->Free();
  }
}

void TIDEMainForm::Shutdown() {
  if (FLoader) FLoader->Unload();
  if (FToolServices) {
    FToolServices->Uninstall();
    std::exchange(FToolServices, nullptr)->Release();
  }
  CloseDesignedForms();
}

// Menu commands.

void TIDEMainForm::FileNewFormClick(TObject*) {
  NewForm();
}

void TIDEMainForm::FileOpenClick(TObject*) {
  std::string fileName;
  if (TOpenFormDialog::Execute(fileName)) OpenFormFile(fileName);
}

void TIDEMainForm::FileExitClick(TObject*) {
  Close();
}

void TIDEMainForm::EditSelectAllClick(TObject*) {
  if (FActiveDesigner) FActiveDesigner->SelectAll();
}

void TIDEMainForm::EditDeleteClick(TObject*) {
  if (FActiveDesigner) FActiveDesigner->DeleteSelection();
}

void TIDEMainForm::ViewInspectorClick(TObject*) {
  FInspectorForm->Show();
}

void TIDEMainForm::ViewMessagesClick(TObject*) {
  FMessagesForm->Show();
}

void TIDEMainForm::ToolsPackagesClick(TObject*) {
  ShowMessage("Installed packages\n\n" + PackageReport());
}

void TIDEMainForm::HelpAboutClick(TObject*) {
  ShowMessage(
      "Vellmark IDE\n\nA small host for designing forms: open form files, select and move "
      "their components, edit them in the object inspector, and run the add-ins of the "
      "installed packages from the Tools menu.");
}
