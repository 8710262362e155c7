#pragma once

#include <unordered_map>

#include "controls/Form.h"

class TImageList;
class TObjectInspector;
class TPageControl;
class TPanel;
class TSpeedButton;
class TSplitter;
class TTabControl;
class TTabSheet;
class TTreeNode;
class TTreeView;

// The Formscope window: a tree of the visible forms of the process with the components each
// one owns, and an object inspector (Properties and Events tabs) showing the component chosen
// in the tree. Its layout is the stored form of the class; edits act at once on the live
// objects.
//
// The tree is a snapshot taken when the window is created and at each Refresh. The window never
// lists itself. A listed component that is destroyed before the next Refresh loses its node
// (and the nodes below it) at once, so the tree never hands the inspector a dangling reference.
class TFormDebug : public TForm {
  DECLARE_CLASS(TFormDebug, TForm);

 public:
  explicit TFormDebug(TComponent* owner);
  ~TFormDebug() override;

  // Builds the tree again from the screen's visible forms and selects the active form's node.
  void FillTree();
  // Adds a node for component under parent (the top level for null) and nodes for what it
  // owns below it. Returns the node made; a component without a name gets none: what it owns
  // goes under parent, which is returned instead.
  TTreeNode* AddTreeNode(TTreeNode* parent, TComponent* component);
  // The node that lists component, or null.
  TTreeNode* FindNode(TComponent* component) const;

  // Handlers wired in the stored form.
  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void TreeView1Change(TObject* sender, TTreeNode* node);
  void TabControl1Change(TObject* sender);
  void SpeedButton1Click(TObject* sender);
  void SpeedButton2Click(TObject* sender);
  void UseGroupsClick(TObject* sender);

  // The controls of the stored form.
  TPanel* Panel1 = nullptr;
  TSpeedButton* SpeedButton1 = nullptr;
  TSpeedButton* SpeedButton2 = nullptr;
  TSpeedButton* UseGroups = nullptr;
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet1 = nullptr;
  TTreeView* TreeView1 = nullptr;
  TSplitter* Splitter1 = nullptr;
  TTabControl* TabControl1 = nullptr;
  TObjectInspector* PropertyList = nullptr;
  TImageList* ImageList1 = nullptr;

 protected:
  void Loaded() override;
  // Drops the nodes of a listed component that goes away.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void LoadPictures();
  void ForgetNodes(TTreeNode* node);
  void StopWatching();

  // The component of each node, to find a destroyed component's node at once.
  std::unordered_map<TComponent*, TTreeNode*> FNodes;
};

// The single Formscope window, or null while none exists.
extern TFormDebug* FormDebug;
