#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/ControlRef.h"
#include "fdesign/FDesigner.h"

class TCustomForm;
class TWinControl;

// The IDE's designer of one form being designed. It puts the form and its components in the
// designing state, answers the naming questions of property editors from the form and the
// screen, keeps the selection (a click selects the component under the mouse, Shift+click adds
// or removes it, a drag moves the selected control), counts modifications and shows their count
// in the form's window title, and places new components of the palette's chosen class where the
// user clicks. The form's Caption property keeps the text the user gave it; only the window
// shows the count. The designer never owns the form; it stops working when the form goes.
class TIDEDesigner : public TFDesigner {
  DECLARE_CLASS(TIDEDesigner, TFDesigner);

 public:
  using TDesignerEvent = std::function<void(TIDEDesigner* designer)>;
  // The class a click on the form should place, or null to select instead.
  using TPlacementQuery = std::function<TClass()>;

  explicit TIDEDesigner(TCustomForm* form);
  ~TIDEDesigner() override;

  TCustomForm* GetDesignedForm() const { return FRoot.Get(); }
  // How many modifications were reported since the form was opened.
  int GetModifiedCount() const { return FModifiedCount; }
  // The form's caption as the user gave it (without the modification count).
  const std::string& GetFormCaption() const { return FCaption; }
  // The selected components, in selection order.
  const std::vector<TComponent*>& GetSelection() const { return FSelection; }
  // The component a click on control designs: control itself when the form owns it (or it is
  // the form), else its nearest parent that is; null when none is.
  TComponent* DesignedComponentOf(TControl* control) const;

  void SetOnSelectionChanged(TDesignerEvent handler) { FOnSelectionChanged = std::move(handler); }
  void SetOnModified(TDesignerEvent handler) { FOnModified = std::move(handler); }
  void SetPlacementQuery(TPlacementQuery query) { FPlacementQuery = std::move(query); }

  // Makes every component of the form (not the form) the selection.
  void SelectAll();
  // Frees the selected components the form owns (never the form) and reports a modification.
  void DeleteSelection();

  bool IsDesignMsg(TControl* sender, TMessage& message) override;
  void Modified() override;
  void Notification(TComponent* component, TOperation operation) override;
  void PaintGrid() override;
  void GetSelections(TComponentList* list) override;
  void SelectComponent(TPersistent* instance) override;
  void SetSelections(TComponentList* list) override;
  TComponent* CreateComponent(TClass componentClass, TComponent* parent, int left, int top,
                              int width, int height) override;

 private:
  bool IsCaptionMessage(TControl* sender, const TMessage& message) const;
  bool CaptionMessage(TMessage& message);
  bool MouseMessage(TControl* sender, TMessage& message);
  void MouseDown(TControl* sender, TPoint screen, bool shift);
  void MouseMove(TPoint screen);
  void MouseUp();
  void PlaceComponent(TClass componentClass, TControl* sender, TPoint screen);
  void ReplaceSelection(std::vector<TComponent*> selection);
  void ShowCaption();
  std::string DecoratedCaption() const;

  TControlRef<TCustomForm> FRoot;
  std::string FCaption;
  std::string FShownCaption;  // keeps the text the window shows alive while it is set
  bool FSettingCaption = false;
  int FModifiedCount = 0;
  std::vector<TComponent*> FSelection;
  // A drag that moves the selected control: where it started and the control's position then.
  struct TDrag {
    TControlRef<> Control;
    TPoint Start;
    TPoint Origin;
    bool Moved = false;
  };
  TDrag FDrag;
  bool FDragging = false;
  TDesignerEvent FOnSelectionChanged;
  TDesignerEvent FOnModified;
  TPlacementQuery FPlacementQuery;
};
