#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/Form.h"

class TIDEDesigner;
class TIDEToolServices;
class TInspectorForm;
class TMainMenu;
class TMenuItem;
class TMessagesForm;
class TPackageLoader;
class TPaletteView;
struct TOpenedForm;

// The IDE's main window: its main menu (File, Edit, View, Tools with "ToolsToolsItem", Help),
// the component palette, and the owner of everything else the IDE runs: the package loader and
// the services it offers add-ins, the object inspector and message windows, and the forms being
// designed with their designers. Shutdown unloads the packages (their experts first) and then
// closes the designed forms; it runs before Application frees its forms.
class TIDEMainForm : public TForm {
  DECLARE_CLASS(TIDEMainForm, TForm);

 public:
  explicit TIDEMainForm(TComponent* owner);
  ~TIDEMainForm() override;

  // Offers the add-in services, then loads the packages with loader and shows their palette
  // pages; what failed is listed in the messages window. Returns how many packages loaded.
  int LoadPackages(std::unique_ptr<TPackageLoader> loader);
  TPackageLoader* GetPackageLoader() const { return FLoader.get(); }

  // Opens a form file as a designed form; null when it cannot be read. What the reader skipped
  // and why a file failed are listed in the messages window.
  TIDEDesigner* OpenFormFile(const std::string& fileName);
  // The same for the contents of a form file.
  TIDEDesigner* OpenFormData(const std::string& data, const std::string& fileName);
  // A new, empty designed form.
  TIDEDesigner* NewForm();
  const std::vector<TIDEDesigner*>& GetDesigners() const { return FDesigners; }
  // The designer whose selection the inspector shows, or null.
  TIDEDesigner* GetActiveDesigner() const { return FActiveDesigner; }
  void ActivateDesigner(TIDEDesigner* designer);

  TInspectorForm* GetInspectorForm() const { return FInspectorForm; }
  TMessagesForm* GetMessagesForm() const { return FMessagesForm; }
  TPaletteView* GetPalette() const { return FPalette; }
  // Adds lines to the messages window and shows it.
  void ShowMessages(const std::vector<std::string>& lines);

  // Releases the add-ins and their packages, withdraws the add-in services and closes the
  // designed forms. Safe to call more than once.
  void Shutdown();

  // Menu commands.
  void FileNewFormClick(TObject* sender);
  void FileOpenClick(TObject* sender);
  void FileExitClick(TObject* sender);
  void EditSelectAllClick(TObject* sender);
  void EditDeleteClick(TObject* sender);
  void ViewInspectorClick(TObject* sender);
  void ViewMessagesClick(TObject* sender);
  void ToolsPackagesClick(TObject* sender);
  void HelpAboutClick(TObject* sender);

 private:
  void BuildMenu();
  TMenuItem* AddItem(TMenuItem* parent, const char* name, const char* caption,
                     TNotifyEvent click = {});
  TIDEDesigner* AddDesignedForm(TCustomForm* form);
  TIDEDesigner* AdoptOpenedForm(const TOpenedForm& opened, const std::string& fileName);
  void DesignerSelectionChanged(TIDEDesigner* designer);
  void DesignerModified(TIDEDesigner* designer);
  std::string PackageReport() const;
  void CloseDesignedForms();

  TMainMenu* FMenu = nullptr;
  TPaletteView* FPalette = nullptr;
  TInspectorForm* FInspectorForm = nullptr;
  TMessagesForm* FMessagesForm = nullptr;
  std::unique_ptr<TPackageLoader> FLoader;
  TIDEToolServices* FToolServices = nullptr;  // one reference, released at Shutdown
  std::vector<TIDEDesigner*> FDesigners;      // owned, as are their forms
  TIDEDesigner* FActiveDesigner = nullptr;
  int FOpenedCount = 0;
};
