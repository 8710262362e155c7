// What the class model costs the inspector: the property editors for one component of a
// synthetic class of 10,000 and 100,000 published properties, for many components of one
// class, and the registration of a class of 100,000 properties. The properties are published
// at run time, as a scripted or data-driven object's are.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Component.h"
#include "core/Module.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"
#include "designintf/PropertyEditor.h"
#include "rtti/MetaClass.h"
#include "rtti/RuntimeAccess.h"

IMPLEMENT_MODULE("bench_properties")

namespace {
// Data objects: a value per property, kept in the instance.
class TSynthetic : public TComponent {
  DECLARE_CLASS(TSynthetic, TComponent);

 public:
  using TComponent::TComponent;
  std::vector<int64_t> Values;
};

class TSyntheticInstance final : public TSynthetic {
 public:
  TSyntheticInstance(TComponent* owner, TClass syntheticClass, size_t count)
      : TSynthetic(owner), FClass(syntheticClass) {
    Values.assign(count, 0);
  }
  TClass ClassType() const override { return FClass; }

 private:
  TClass FClass;
};

// A class of count integer properties P0, P1, ... read from and written to the instance.
std::unique_ptr<TMetaClass> MakeSyntheticClass(size_t count) {
  auto meta = std::make_unique<TMetaClass>("TSynthetic" + std::to_string(count),
                                           TSynthetic::StaticClass(), nullptr);
  TClassBuilder<TSynthetic> builder(*meta);
  for (size_t i = 0; i < count; ++i)
    builder.RuntimeProperty(
        "P" + std::to_string(i), TypeInfo<int32_t>(),
        MakeRuntimeAccess<int64_t>(
            [i](TObject* object) { return static_cast<TSynthetic*>(object)->Values[i]; },
            [i](TObject* object, const int64_t& value) {
              static_cast<TSynthetic*>(object)->Values[i] = value;
            }));
  return meta;
}

// Gathers the editors for the selection, as an inspector's rebuild does.
size_t GatherEditors(const TComponentList& selection,
                     std::vector<std::unique_ptr<TPropertyEditor>>& editors) {
  editors.clear();
  GetComponentProperties(
      selection, tkProperties, nullptr,
      [&](std::unique_ptr<TPropertyEditor> editor) { editors.push_back(std::move(editor)); });
  return editors.size();
}

void PropertiesOfOneComponent(benchmark::State& state) {
  const auto count = static_cast<size_t>(state.range(0));
  const std::unique_ptr<TMetaClass> meta = MakeSyntheticClass(count);
  TSyntheticInstance instance(nullptr, meta.get(), count);
  TComponentList selection;
  selection.Add(&instance);
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  editors.reserve(count + 2);
  size_t rows = 0;
  for (auto _ : state) {
    rows = GatherEditors(selection, editors);
    state.PauseTiming();
    editors.clear();
    state.ResumeTiming();
  }
  state.counters["editors"] = static_cast<double>(rows);
  state.counters["per property"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(PropertiesOfOneComponent)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void PropertiesOfManyComponentsOfOneClass(benchmark::State& state) {
  const auto components = static_cast<size_t>(state.range(0));
  const std::unique_ptr<TMetaClass> meta = MakeSyntheticClass(50);
  TComponent owner(nullptr);
  TComponentList selection;
  for (size_t i = 0; i < components; ++i)
    selection.Add(new TSyntheticInstance(&owner, meta.get(), 50));
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  size_t rows = 0;
  for (auto _ : state) {
    rows = GatherEditors(selection, editors);
    state.PauseTiming();
    editors.clear();
    state.ResumeTiming();
  }
  state.counters["editors"] = static_cast<double>(rows);
  state.counters["entries"] = static_cast<double>(rows * components);
}
BENCHMARK(PropertiesOfManyComponentsOfOneClass)->Arg(1000)->Unit(benchmark::kMillisecond);

void RegisterClassOfProperties(benchmark::State& state) {
  const auto count = static_cast<size_t>(state.range(0));
  for (auto _ : state) {
    std::unique_ptr<TMetaClass> meta = MakeSyntheticClass(count);
    benchmark::DoNotOptimize(meta->FindProperty("P0"));
    state.PauseTiming();
    meta.reset();
    state.ResumeTiming();
  }
  state.counters["properties"] = static_cast<double>(count);
}
BENCHMARK(RegisterClassOfProperties)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}  // namespace

IMPLEMENT_CLASS(TSynthetic) {}
