#include "streaming/Writer.h"

#include <algorithm>

#include "core/Component.h"
#include "core/Exception.h"
#include "core/SysUtils.h"
#include "streaming/BinaryForm.h"
#include "streaming/FormPrinter.h"
#include "streaming/Reader.h"
#include "streaming/ResourceStream.h"

IMPLEMENT_CLASS(TWriter) {}

namespace {
// Sets csWriting on a component for the time it is written.
class TWritingState {
 public:
  TWritingState(TComponentState& state) : FState(state), FWasWriting(state.Contains(csWriting)) {
    FState.Include(csWriting);
  }
  ~TWritingState() {
    if (!FWasWriting) FState.Exclude(csWriting);
  }

 private:
  TComponentState& FState;
  bool FWasWriting;
};

// Frees an instance made for comparison when the scope ends.
struct TFreeOnExit {
  TComponent* Instance;
  ~TFreeOnExit() {
    if (Instance) Instance->Free();
  }
};

std::vector<TComponent*> ChildrenOf(TComponent* component, TComponent* root) {
  std::vector<TComponent*> children;
  if (component)
    component->GetChildren([&](TComponent* child) { children.push_back(child); }, root);
  return children;
}

TComponent* FindByName(const std::vector<TComponent*>& components, const std::string& name) {
  if (name.empty()) return nullptr;
  for (TComponent* component : components)
    if (SameText(component->GetName(), name)) return component;
  return nullptr;
}

bool IsFrame(const TComponent* component) {
  return component->GetComponentState().Contains(csInline);
}
}  // namespace

void TWriter::WriteRootComponent(TComponent* root) {
  TClass ancestorClass = FindStoredFormClass(root->ClassType()->ClassParent());
  TFreeOnExit ancestor{ancestorClass ? CreateStoredFormInstance(ancestorClass) : nullptr};
  WriteDescendent(root, ancestor.Instance);
}

void TWriter::WriteDescendent(TComponent* root, TComponent* ancestor) {
  FRoot = root;
  const TContext context{root, root, ancestor, ancestor};
  FTree = WriteComponent(root, ancestor,
                         ancestor ? TFormObjectKind::Inherited : TFormObjectKind::Object, context);
  FText = PrintForm(FTree);
}

std::string TWriter::GetBinary() const {
  return PrintBinaryForm(FTree);
}

// An instance of formClass as its stored form makes it, to compare a descendant with.
TComponent* TWriter::CreateStoredFormInstance(TClass formClass) {
  auto* instance = formClass->Create<TComponent>(nullptr);
  try {
    TReader reader{std::string(StoredFormData(formClass))};
    reader.ReadRootComponent(instance);
  } catch (const Exception& e) {
    instance->Free();
    throw EWriteError(Format("The stored form of %s cannot be read to compare with: %s",
                             formClass->ClassName(), e.GetMessage()));
  }
  return instance;
}

TFormObject TWriter::WriteComponent(TComponent* component, TComponent* ancestor,
                                    TFormObjectKind kind, const TContext& context) {
  TWritingState writing(component->FComponentState);
  TFormObject object;
  object.Kind = kind;
  object.Name = component->GetName();
  object.ClassName = component->ClassName();
  WriteProperties(component, ancestor, std::string(), context, object.Properties);
  TContext childContext = context;
  if (IsFrame(component))
    childContext = TContext{component, context.MethodRoot, ancestor, ancestor};
  WriteChildren(component, ancestor, childContext, object.Children);
  return object;
}

// Writes the children; with an ancestor, the ones it has as inherited blocks, and positions
// where reading would otherwise put a child elsewhere: the ancestor's children keep their
// places, new ones are appended in file order.
void TWriter::WriteChildren(TComponent* component, TComponent* ancestor, const TContext& context,
                            std::vector<TFormObject>& out) {
  const std::vector<TComponent*> children = ChildrenOf(component, context.Root);
  const std::vector<TComponent*> ancestorChildren = ChildrenOf(ancestor, context.AncestorRoot);
  std::vector<std::string> order;
  for (TComponent* child : ancestorChildren)
    order.push_back(child->GetName());
  for (size_t i = 0; i < children.size(); ++i) {
    TComponent* child = children[i];
    TComponent* ancestorChild = FindByName(ancestorChildren, child->GetName());
    if (ancestorChild && !child->InheritsFrom(ancestorChild->ClassType())) ancestorChild = nullptr;
    TFormObject object;
    if (ancestorChild) {
      object = WriteComponent(child, ancestorChild, TFormObjectKind::Inherited, context);
    } else if (IsFrame(child)) {
      TClass formClass = FindStoredFormClass(child->ClassType());
      TFreeOnExit frame{formClass ? CreateStoredFormInstance(formClass) : nullptr};
      object = WriteComponent(child, frame.Instance, TFormObjectKind::Inline, context);
    } else {
      object = WriteComponent(child, nullptr, TFormObjectKind::Object, context);
    }
    if (ancestor) {
      auto place = std::find_if(order.begin(), order.end(), [&](const std::string& name) {
        return !name.empty() && SameText(name, child->GetName());
      });
      if (place == order.end()) place = order.insert(order.end(), child->GetName());
      const auto position = static_cast<size_t>(place - order.begin());
      if (position != i) {
        object.ChildPos = static_cast<int>(i);
        std::string name = *place;
        order.erase(place);
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(std::min(i, order.size())),
                     std::move(name));
      }
    }
    out.push_back(std::move(object));
  }
}
