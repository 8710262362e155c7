#include "FormDebug.h"

#include "controls/Application.h"
#include "controls/ImageList.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/Screen.h"
#include "controls/SpeedButton.h"
#include "controls/Splitter.h"
#include "controls/TabControl.h"
#include "controls/TreeView.h"
#include "core/Module.h"
#include "graphics/Bitmap.h"
#include "oinspect/ObjectInspector.h"

TFormDebug* FormDebug = nullptr;

IMPLEMENT_CLASS(TFormDebug) {
  FIELD(Panel1);
  FIELD(SpeedButton1);
  FIELD(SpeedButton2);
  FIELD(UseGroups);
  FIELD(PageControl1);
  FIELD(TabSheet1);
  FIELD(TreeView1);
  FIELD(Splitter1);
  FIELD(TabControl1);
  FIELD(PropertyList);
  FIELD(ImageList1);
  METHOD(FormCreate);
  METHOD(FormClose);
  METHOD(TreeView1Change);
  METHOD(TabControl1Change);
  METHOD(SpeedButton1Click);
  METHOD(SpeedButton2Click);
  METHOD(UseGroupsClick);
}

namespace {
// The Properties tab lists every kind but events, the Events tab events only.
const TTypeKinds PropertyKinds = TTypeKinds::FromBits(0xFEFF);
const TTypeKinds EventKinds{tkMethod};

// Ends a node list's update bracket also when filling it raises.
class TNodesUpdate {
 public:
  explicit TNodesUpdate(TTreeNodes* nodes) : FNodes(nodes) { FNodes->BeginUpdate(); }
  ~TNodesUpdate() { FNodes->EndUpdate(); }
  TNodesUpdate(const TNodesUpdate&) = delete;
  TNodesUpdate& operator=(const TNodesUpdate&) = delete;

 private:
  TTreeNodes* FNodes;
};

void LoadGlyph(TSpeedButton* button, const char* resource) {
  if (!button) return;
  TBitmap glyph;
  glyph.LoadFromResourceName(ThisModule(), resource);
  button->SetGlyph(&glyph);
}
}  // namespace

TFormDebug::TFormDebug(TComponent* owner) : TForm(owner) {}

TFormDebug::~TFormDebug() {
  // However the window goes (closed, freed by the expert or by Application at shutdown), the
  // unit variable must not keep pointing at it.
  if (FormDebug == this) FormDebug = nullptr;
  // The tree's nodes go with it; their removal must not reach this half-destroyed form.
  if (TreeView1) TreeView1->SetOnChange(nullptr);
  FNodes.clear();
}

void TFormDebug::Loaded() {
  TForm::Loaded();
  LoadPictures();
}

void TFormDebug::LoadPictures() {
  LoadGlyph(SpeedButton1, "FORMSCOPE_REFRESH");
  LoadGlyph(SpeedButton2, "FORMSCOPE_STYLE");
  LoadGlyph(UseGroups, "FORMSCOPE_GROUPS");
  if (ImageList1) {
    // One strip holds both pictures: the form's (index 0), then the component's (index 1).
    TBitmap strip;
    strip.LoadFromResourceName(ThisModule(), "FORMSCOPE_NODES");
    ImageList1->Clear();
    ImageList1->AddMasked(&strip, clDefault);
  }
}

// The tree.

void TFormDebug::FillTree() {
  TComponent* inspected = PropertyList->GetControl();
  TTreeNode* active = nullptr;
  {
    TNodesUpdate update(TreeView1->GetItems());
    StopWatching();
    TreeView1->GetItems()->Clear();
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
      TCustomForm* form = Screen->GetForm(i);
      if (form == this || !form->GetVisible()) continue;
      TTreeNode* node = AddTreeNode(nullptr, form);
      if (form == Screen->GetActiveForm()) active = node;
    }
  }
  // While this window is the active one (as it is when Refresh is clicked), the component
  // inspected before stays chosen if it is still listed.
  TTreeNode* chosen = active ? active : FindNode(inspected);
  if (chosen)
    TreeView1->Select(chosen);
  else
    PropertyList->SetControl(nullptr);
}

TTreeNode* TFormDebug::AddTreeNode(TTreeNode* parent, TComponent* component) {
  TTreeNode* node = parent;
  const std::string& name = component->GetName();
  // A top-level component (a form) always gets a node, so that what it owns has a place.
  if (!name.empty() || !parent) {
    node = TreeView1->GetItems()->AddChildObject(
        parent, name.empty() ? component->ClassName() : name, component);
    if (parent) {
      node->SetImageIndex(1);
      node->SetSelectedIndex(1);
      node->SetStateIndex(1);
    }
    FNodes[component] = node;
    FreeNotification(component);
  }
  for (int i = 0; i < component->GetComponentCount(); ++i)
    AddTreeNode(node, component->GetComponent(i));
  return node;
}

TTreeNode* TFormDebug::FindNode(TComponent* component) const {
  const auto found = FNodes.find(component);
  return found == FNodes.end() ? nullptr : found->second;
}

void TFormDebug::ForgetNodes(TTreeNode* node) {
  for (int i = 0; i < node->GetCount(); ++i)
    ForgetNodes(node->GetItem(i));
  auto* component = static_cast<TComponent*>(node->GetData());
  FNodes.erase(component);
  RemoveFreeNotification(component);
}

void TFormDebug::StopWatching() {
  for (const auto& [component, node] : FNodes)
    RemoveFreeNotification(component);
  FNodes.clear();
}

void TFormDebug::Notification(TComponent* component, TOperation operation) {
  TForm::Notification(component, operation);
  if (operation != opRemove || GetComponentState().Contains(csDestroying)) return;
  TTreeNode* node = FindNode(component);
  if (!node) return;
  ForgetNodes(node);
  node->Delete();
}

// Handlers.

void TFormDebug::FormCreate(TObject* sender) {
  FillTree();
}

void TFormDebug::FormClose(TObject* sender, TCloseAction& action) {
  action = caFree;
  if (FormDebug == this) FormDebug = nullptr;
}

void TFormDebug::TreeView1Change(TObject* sender, TTreeNode* node) {
  if (GetComponentState().Contains(csDestroying)) return;
  auto* component = node ? static_cast<TComponent*>(node->GetData()) : nullptr;
  if (component && component->GetComponentState().Contains(csDestroying)) component = nullptr;
  PropertyList->SetControl(component);
}

void TFormDebug::TabControl1Change(TObject* sender) {
  if (TabControl1->GetTabIndex() == 0) {
    PropertyList->SetFilter(PropertyKinds);
    PropertyList->SetReadOnly(false);
  } else {
    // Read-only first, so that no event row is ever offered for editing.
    PropertyList->SetReadOnly(true);
    PropertyList->SetFilter(EventKinds);
  }
}

void TFormDebug::SpeedButton1Click(TObject* sender) {
  FillTree();
}

void TFormDebug::SpeedButton2Click(TObject* sender) {
  PropertyList->SetStyle(PropertyList->GetStyle() == isVB ? isDelphi : isVB);
}

void TFormDebug::UseGroupsClick(TObject* sender) {
  TOIOptions options = PropertyList->GetOptions();
  if (UseGroups->GetDown())
    options.Include(oiUseGroups);
  else
    options.Exclude(oiUseGroups);
  PropertyList->SetGridOptions(options);
}
