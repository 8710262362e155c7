#include "designintf/PropertyEditorRegistry.h"

#include <compare>
#include <optional>
#include <string>
#include <vector>

#include "core/Exception.h"
#include "core/Persistent.h"
#include "core/SysUtils.h"
#include "designintf/PropertyEditor.h"
#include "designintf/StandardEditors.h"
#include "rtti/PropInfo.h"

namespace {
struct TRegistration {
  PTypeInfo PropertyType;
  TClass ComponentClass;
  std::string PropertyName;
  TClass EditorClass;
};

std::vector<TRegistration> MakeRegistry() {
  std::vector<TRegistration> registrations;
  Detail::AddStandardRegistrations([&registrations](PTypeInfo propertyType, TClass componentClass,
                                                    std::string_view propertyName,
                                                    TClass editorClass) {
    registrations.push_back({propertyType, componentClass, std::string(propertyName), editorClass});
  });
  return registrations;
}

std::vector<TRegistration>& Registrations() {
  static std::vector<TRegistration> registrations = MakeRegistry();
  return registrations;
}

// How many classes lie between the property's type and the registered one: 0 for the type
// itself, n for the n-th ancestor class; -1 when the registered type does not cover it.
int TypeDistance(PTypeInfo registered, PTypeInfo actual) {
  if (registered == actual) return 0;
  if (registered->Kind != tkClass || actual->Kind != tkClass) return -1;
  int distance = 0;
  for (TClass c = actual->ClassType; c; c = c->ClassParent(), ++distance)
    if (c == registered->ClassType) return distance;
  return -1;
}

int ClassDepth(TClass aClass) {
  int depth = 0;
  for (; aClass; aClass = aClass->ClassParent())
    ++depth;
  return depth;
}

// Orders matches: a greater rank wins.
struct TRank {
  int NegativeTypeDistance;
  bool Named;
  int ComponentDepth;
  auto operator<=>(const TRank&) const = default;
};

std::optional<TRank> RankOf(const TRegistration& registration, PPropInfo propInfo,
                            const TPersistent* instance) {
  const int distance = TypeDistance(registration.PropertyType, propInfo->GetPropType());
  if (distance < 0) return std::nullopt;
  if (registration.ComponentClass &&
      !(instance && instance->InheritsFrom(registration.ComponentClass)))
    return std::nullopt;
  const bool named = !registration.PropertyName.empty();
  if (named && !SameText(registration.PropertyName, propInfo->GetName())) return std::nullopt;
  return TRank{-distance, named, ClassDepth(registration.ComponentClass)};
}
}  // namespace

void RegisterPropertyEditor(PTypeInfo propertyType, TClass componentClass,
                            std::string_view propertyName, TClass editorClass) {
  if (!propertyType) throw EPropertyError("A property editor registration needs a property type");
  if (editorClass && !editorClass->InheritsFrom(TPropertyEditor::StaticClass()))
    throw EPropertyError(Format("%s is not a property editor class", editorClass->ClassName()));
  Registrations().push_back({propertyType, componentClass, std::string(propertyName), editorClass});
}

TClass GetEditorClass(PPropInfo propInfo, const TPersistent* instance) {
  const TRegistration* best = nullptr;
  TRank bestRank{};
  for (const TRegistration& registration : Registrations()) {
    const std::optional<TRank> rank = RankOf(registration, propInfo, instance);
    if (rank && (!best || *rank >= bestRank)) {
      best = &registration;
      bestRank = *rank;
    }
  }
  if (best) return best->EditorClass;
  return Detail::StandardEditorClass(propInfo->GetPropType());
}
