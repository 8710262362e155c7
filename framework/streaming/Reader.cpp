#include "streaming/Reader.h"

#include <algorithm>
#include <memory>

#include "core/ClassRegistry.h"
#include "core/Exception.h"
#include "core/SysUtils.h"
#include "streaming/BinaryForm.h"
#include "streaming/FormConversion.h"
#include "streaming/ReaderPrivate.h"
#include "streaming/ResourceStream.h"

IMPLEMENT_CLASS(TReader) {}

namespace {
constexpr int MaxStoredForms = 64;

std::string ObjectPath(const TFormObject& object) {
  return object.Name.empty() ? object.ClassName : object.Name;
}

// The class in instance's chain named className, or null.
TClass ClassInChain(TClass aClass, std::string_view className) {
  for (TClass c = aClass; c; c = c->ClassParent())
    if (SameText(c->ClassName(), className)) return c;
  return nullptr;
}

// Hears of the destruction of the components being read.
class TComponentWatch : public TComponent {
 public:
  explicit TComponentWatch(std::function<void(TComponent*)> onRemove)
      : TComponent(nullptr), FOnRemove(std::move(onRemove)) {}

  void Watch(TComponent* component) { FreeNotification(component); }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove) FOnRemove(component);
  }

 private:
  std::function<void(TComponent*)> FOnRemove;
};
}  // namespace

std::vector<std::string> ReaderDetail::SplitDotted(const std::string& name) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t dot; (dot = name.find('.', start)) != std::string::npos; start = dot + 1)
    parts.push_back(name.substr(start, dot - start));
  parts.push_back(name.substr(start));
  return parts;
}

// Points messages at a stored form while it is read, and back at the file afterwards.
class TReader::TSourceScope {
 public:
  TSourceScope(TReader& reader, std::string name, bool binary)
      : FReader(reader), FName(reader.FSourceName), FBinary(reader.FSourceBinary) {
    reader.FSourceName = std::move(name);
    reader.FSourceBinary = binary;
  }
  ~TSourceScope() {
    FReader.FSourceName = FName;
    FReader.FSourceBinary = FBinary;
  }
  TSourceScope(const TSourceScope&) = delete;
  TSourceScope& operator=(const TSourceScope&) = delete;

 private:
  TReader& FReader;
  std::string FName;
  bool FBinary;
};

TReader::TReader(std::string data) : FData(std::move(data)) {
  FWatch = std::make_unique<TComponentWatch>([this](TComponent* gone) { ComponentGone(gone); });
}

TReader::~TReader() = default;

void TReader::SetPosition(std::string path, int line) {
  FPropPath = std::move(path);
  FPropLine = line;
}

std::string TReader::PositionText(int line) const {
  std::string text;
  if (!FSourceName.empty()) text = " in stored form " + FSourceName;
  return text + Format(FSourceBinary ? " at offset %d" : " on line %d", line);
}

void TReader::Guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const EReadError&) {
    throw;
  } catch (const std::exception& e) {
    PropertyError(e.what());
  } catch (...) {
    PropertyError("an exception of unknown type was raised");
  }
}

void TReader::PropertyError(const std::string& message) const {
  throw EReadError(Format("Error reading %s%s: %s", FPropPath, PositionText(FPropLine), message));
}

bool TReader::Skip(const std::string& reason) {
  if (!FOptions.Contains(roSkipUnknown)) PropertyError(reason);
  std::string path = FPropPath;
  if (!FSourceName.empty()) path += " (stored form " + FSourceName + ")";
  FSkipped.push_back({FPropLine, std::move(path), reason});
  return true;
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
  FSourceName.clear();
  FSourceBinary = IsBinaryForm(FData);
  FSkipped.clear();
  const TFormObject tree = ParseFormData(FData);
  SetPosition(ObjectPath(tree), tree.Line);
  try {
    Guarded([&] {
      if (tree.Kind == TFormObjectKind::Inline)
        PropertyError("an inline object cannot be the root of a form");
      TClass formClass = nullptr;
      if (!root) {
        TClass rootClass = GetClass(tree.ClassName);
        if (!rootClass) PropertyError(Format("Class %s not found", tree.ClassName));
        if (!rootClass->InheritsFrom(TComponent::StaticClass()))
          PropertyError(Format("Class %s is not a component class", tree.ClassName));
        root = rootClass->Create<TComponent>(nullptr);
        FCreated.push_back(root);
        FCreatedSet.insert(root);
        formClass = rootClass;
      } else {
        formClass = MatchRootClass(root, tree);
      }
      FRoot = root;
      Watch(root);
      StartLoading(root);
      if (tree.Kind == TFormObjectKind::Inherited) ReadAncestorForm(root, formClass, tree);
      SetPosition(ObjectPath(tree), tree.Line);
      if (!tree.Name.empty() && tree.Name != root->GetName()) {
        RememberName(root);
        root->SetName(tree.Name);
      }
      ReadObjectBody(root, tree, TContext{root, root});
      ResolveFixups();
      FinishLoading();
    });
  } catch (...) {
    CleanUp();
    throw;
  }
  Commit();
  return root;
}

// The class of root's chain that the form names. An unregistered class is accepted with
// roSkipUnknown (a stranger's form in a generic root); the result is then null.
TClass TReader::MatchRootClass(TComponent* root, const TFormObject& tree) {
  if (TClass match = ClassInChain(root->ClassType(), tree.ClassName)) return match;
  if (!GetClass(tree.ClassName) && FOptions.Contains(roSkipUnknown)) {
    Skip(Format("Class %s not found; the form is read into a %s", tree.ClassName,
                root->ClassName()));
    return nullptr;
  }
  PropertyError(
      Format("a form of class %s cannot be read into a %s", tree.ClassName, root->ClassName()));
}

void TReader::ReadAncestorForm(TComponent* root, TClass formClass, const TFormObject& tree) {
  TClass ancestor = formClass ? FindStoredFormClass(formClass->ClassParent()) : nullptr;
  if (!ancestor) {
    Skip(Format("No ancestor of %s has a stored form", tree.ClassName));
    return;
  }
  ReadStoredForm(root, ancestor, TContext{root, root}, 0);
}

void TReader::ReadStoredForm(TComponent* component, TClass formClass, const TContext& context,
                             int depth) {
  if (depth > MaxStoredForms) PropertyError("stored forms inherit too deeply");
  const std::string_view data = StoredFormData(formClass);
  TSourceScope source(*this, formClass->ClassName(), IsBinaryForm(data));
  TFormObject tree;
  try {
    tree = ParseFormData(data);
  } catch (const EReadError& e) {
    throw EReadError(
        Format("Error reading the stored form of %s: %s", formClass->ClassName(), e.GetMessage()));
  }
  SetPosition(ObjectPath(tree), tree.Line);
  if (!SameText(tree.ClassName, formClass->ClassName()))
    PropertyError(Format("the stored form of %s is a form of class %s", formClass->ClassName(),
                         tree.ClassName));
  if (tree.Kind == TFormObjectKind::Inline)
    PropertyError("an inline object cannot be the root of a form");
  if (tree.Kind == TFormObjectKind::Inherited) {
    TClass ancestor = FindStoredFormClass(formClass->ClassParent());
    if (!ancestor)
      Skip(Format("No ancestor of %s has a stored form", formClass->ClassName()));
    else
      ReadStoredForm(component, ancestor, context, depth + 1);
    SetPosition(ObjectPath(tree), tree.Line);
  }
  // The component keeps its name: the one the file gives it, not the stored form's.
  ReadObjectBody(component, tree, context);
}

void TReader::ReadObjectBody(TComponent* component, const TFormObject& object,
                             const TContext& context) {
  TTarget target = TargetOf(component);
  target.Context = context;
  ReadProperties(target, object.Properties);
  for (const TFormObject& child : object.Children)
    ReadChild(component, child, context);
}

TReader::TTarget TReader::TargetOf(TComponent* component) const {
  const std::string name = component->GetName();
  return TTarget{component,
                 component,
                 name.empty() ? component->ClassName() : name,
                 !IsCreated(component),
                 {},
                 TContext{FRoot, FRoot}};
}

void TReader::ReadChild(TComponent* parent, const TFormObject& object, const TContext& context) {
  SetPosition(ObjectPath(object), object.Line);
  TComponent* child = nullptr;
  TContext childContext = context;
  Guarded([&] {
    TComponent* owner = parent->GetChildOwner();
    if (!owner) owner = context.Root;
    if (object.Kind == TFormObjectKind::Inherited) {
      child = FindInherited(owner, parent, object, context);
    } else if (TClass childClass = FindComponentClass(object, context)) {
      child = CreateChild(childClass, owner, parent, object);
      if (object.Kind == TFormObjectKind::Inline) {
        child->FComponentState.Include(csInline);
        if (TClass formClass = FindStoredFormClass(childClass))
          ReadStoredForm(child, formClass, TContext{child, child}, 0);
        else
          Skip(Format("%s has no stored form", childClass->ClassName()));
        SetPosition(ObjectPath(object), object.Line);
      }
    }
  });
  if (!child) return;  // skipped with what it contains
  // What a frame holds is owned by the frame and named relative to it.
  if (child->GetComponentState().Contains(csInline))
    childContext = TContext{child, context.MethodRoot};
  if (object.ChildPos >= 0)
    Guarded([&] { SetChildPosition(parent, child, object.ChildPos, context); });
  ReadObjectBody(child, object, childContext);
}

// The component that an inherited object names, or with roSkipUnknown a new one when the
// ancestor lacks it.
TComponent* TReader::FindInherited(TComponent* owner, TComponent* parent, const TFormObject& object,
                                   const TContext& context) {
  if (object.Name.empty()) PropertyError("an inherited object needs a name");
  TComponent* found = owner->FindComponent(object.Name);
  if (!found) {
    Skip(Format("Inherited component %s not found; it is read as a new component", object.Name));
    TClass childClass = FindComponentClass(object, context);
    return childClass ? CreateChild(childClass, owner, parent, object) : nullptr;
  }
  if (!ClassInChain(found->ClassType(), object.ClassName))
    PropertyError(Format("Inherited component %s is a %s, not a %s", object.Name,
                         found->ClassName(), object.ClassName));
  if (!FLoadedAt.contains(found)) {
    Watch(found);
    StartLoading(found);
  }
  return found;
}

TComponent* TReader::CreateChild(TClass childClass, TComponent* owner, TComponent* parent,
                                 const TFormObject& object) {
  TComponent* child = childClass->Create<TComponent>(owner);
  FCreated.push_back(child);
  FCreatedSet.insert(child);
  Watch(child);
  StartLoading(child);
  child->SetParentComponent(parent->GetChildParent());
  if (!object.Name.empty()) {
    child->SetName(object.Name);
    CheckField(child);
  }
  return child;
}

// A component whose owner publishes a field of its name must fit the field.
void TReader::CheckField(TComponent* component) const {
  TComponent* owner = component->GetOwner();
  if (!owner) return;
  const TPublishedField* field = owner->ClassType()->FindField(component->GetName());
  if (field && !component->InheritsFrom(field->FieldClass()))
    PropertyError(Format("the field %s of %s holds a %s; a %s cannot be read into it", field->Name,
                         owner->ClassName(), field->FieldClass()->ClassName(),
                         component->ClassName()));
}

TClass TReader::FindComponentClass(const TFormObject& object, const TContext& context) {
  for (TComponent* root : {context.Root, FRoot})
    for (TClass fieldClass : root->ClassType()->GetFieldClasses())
      if (SameText(fieldClass->ClassName(), object.ClassName)) return fieldClass;
  TClass found = GetClass(object.ClassName);
  if (!found) {
    Skip(Format("Class %s not found", object.ClassName));
    return nullptr;
  }
  if (!found->InheritsFrom(TComponent::StaticClass()))
    PropertyError(Format("Class %s is not a component class", object.ClassName));
  return found;
}

void TReader::SetChildPosition(TComponent* parent, TComponent* child, int position,
                               const TContext& context) {
  if (!IsCreated(child)) {
    int previous = -1;
    int index = 0;
    parent->GetChildren(
        [&](TComponent* sibling) {
          if (sibling == child) previous = index;
          ++index;
        },
        context.Root);
    if (previous >= 0)
      FUndo.push_back({child, nullptr,
                       [parent, child, previous] { parent->SetChildOrder(child, previous); },
                       nullptr});
  }
  parent->SetChildOrder(child, position);
}

void TReader::StartLoading(TComponent* component) {
  FLoaded.push_back(component);
  FLoadedAt.emplace(component, std::pair{FPropPath, FPropLine});
  component->FComponentState += {csLoading, csReading};
}

void TReader::FinishLoading() {
  for (TComponent* component : FLoaded)
    component->FComponentState.Exclude(csReading);
  // A Loaded handler may free components further down the list.
  const std::vector<TComponent*> loaded = FLoaded;
  std::vector<TComponent*> gone;
  FGoneDuringLoaded = &gone;
  try {
    for (TComponent* component : loaded) {
      if (std::find(gone.begin(), gone.end(), component) != gone.end()) continue;
      const auto& [path, line] = FLoadedAt.at(component);
      SetPosition(path, line);
      component->Loaded();
    }
  } catch (...) {
    FGoneDuringLoaded = nullptr;
    throw;
  }
  FGoneDuringLoaded = nullptr;
}

bool TReader::IsCreated(const TComponent* component) const {
  return FCreatedSet.contains(component);
}

void TReader::SetFindGlobalComponent(TFindGlobalComponent lookup) {
  ReaderDetail::GlobalLookup() = lookup;
}
