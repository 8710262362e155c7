// The object inspector's costs: rebuilding the rows for one component of 100 properties, for
// 1,000 selected components of one class with 50 properties, and for one component of a class
// of 10,000 and 100,000 properties; a full repaint of a 300 x 600 inspector showing 40 rows at
// the top and at the bottom of 100,000 rows; ExpandAll on an object graph that opens into
// 10,000 and 100,000 rows; a user's edit on 10,000 rows (click a value, type, Enter). The heap a
// row takes beside its property editor is counted with a replaced operator new (the "row bytes"
// counters).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "controls/Form.h"
#include "core/Module.h"
#include "core/Persistent.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"
#include "designintf/PropertyEditor.h"
#include "oinspect/InfoRec.h"
#include "oinspect/OInplaceEdit.h"
#include "oinspect/ObjectInspector.h"
#include "rtti/MetaClass.h"
#include "rtti/RuntimeAccess.h"
#include "winsys/TestDriver.h"
#include "winsys/VirtualKeys.h"

IMPLEMENT_MODULE("bench_inspector")

namespace {
// Bytes allocated with operator new and not yet freed.
std::atomic<int64_t> LiveBytes{0};
}  // namespace

void* operator new(size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  LiveBytes += static_cast<int64_t>(malloc_usable_size(block));
  return block;
}
void* operator new[](size_t size) {
  return operator new(size);
}
void operator delete(void* block) noexcept {
  if (!block) return;
  LiveBytes -= static_cast<int64_t>(malloc_usable_size(block));
  std::free(block);
}
void operator delete[](void* block) noexcept {
  operator delete(block);
}
void operator delete(void* block, size_t) noexcept {
  operator delete(block);
}
void operator delete[](void* block, size_t) noexcept {
  operator delete(block);
}

namespace {
// Objects whose properties are published at run time: a value per integer property and the
// sub-objects of the class-typed ones, kept in the instance.
class TSyntheticComponent : public TComponent {
  DECLARE_CLASS(TSyntheticComponent, TComponent);

 public:
  using TComponent::TComponent;
  std::vector<int64_t> Values;
  std::vector<std::unique_ptr<TPersistent>> Parts;
};

class TSyntheticPart : public TPersistent {
  DECLARE_CLASS(TSyntheticPart, TPersistent);

 public:
  TSyntheticPart() = default;
  std::vector<int64_t> Values;
};

template <typename Base>
class TInstanceOf final : public Base {
 public:
  template <typename... Args>
  explicit TInstanceOf(TClass metaClass, Args... args) : Base(args...), FClass(metaClass) {}
  TClass ClassType() const override { return FClass; }

 private:
  TClass FClass;
};

template <typename C>
void AddIntegerProperties(TMetaClass& meta, size_t count) {
  TClassBuilder<C> builder(meta);
  for (size_t i = 0; i < count; ++i)
    builder.RuntimeProperty("P" + std::to_string(i), TypeInfo<int32_t>(),
                            MakeRuntimeAccess<int64_t>(
                                [i](TObject* object) { return static_cast<C*>(object)->Values[i]; },
                                [i](TObject* object, const int64_t& value) {
                                  static_cast<C*>(object)->Values[i] = value;
                                }));
}

// A component class of count integer properties P0, P1, ...
std::unique_ptr<TMetaClass> MakeComponentClass(size_t count) {
  auto meta = std::make_unique<TMetaClass>("TSynthetic" + std::to_string(count),
                                           TSyntheticComponent::StaticClass(), nullptr);
  AddIntegerProperties<TSyntheticComponent>(*meta, count);
  return meta;
}

TSyntheticComponent* NewComponent(TComponent* owner, TClass metaClass, size_t count) {
  auto* component = new TInstanceOf<TSyntheticComponent>(metaClass, owner);
  component->Values.assign(count, 0);
  return component;
}

// An object graph: a component with parts class-typed properties, each holding an object of
// leaves integer properties; it opens into parts * (leaves + 1) rows.
class TObjectGraph {
 public:
  TObjectGraph(TComponent* owner, size_t parts, size_t leaves)
      : FPartClass(std::make_unique<TMetaClass>("TPart" + std::to_string(leaves),
                                                TSyntheticPart::StaticClass(), nullptr)),
        FRootClass(std::make_unique<TMetaClass>("TGraph" + std::to_string(parts),
                                                TSyntheticComponent::StaticClass(), nullptr)),
        FPartType(TTypeInfo::Class("TSyntheticPart", FPartClass.get())) {
    AddIntegerProperties<TSyntheticPart>(*FPartClass, leaves);
    TClassBuilder<TSyntheticComponent> builder(*FRootClass);
    for (size_t i = 0; i < parts; ++i)
      builder.RuntimeProperty("Part" + std::to_string(i), &FPartType,
                              MakeRuntimeAccess<TObject*>([i](TObject* object) -> TObject* {
                                return static_cast<TSyntheticComponent*>(object)->Parts[i].get();
                              }));
    Root = new TInstanceOf<TSyntheticComponent>(FRootClass.get(), owner);
    for (size_t i = 0; i < parts; ++i) {
      auto part = std::make_unique<TInstanceOf<TSyntheticPart>>(FPartClass.get());
      part->Values.assign(leaves, 0);
      Root->Parts.push_back(std::move(part));
    }
  }

  TSyntheticComponent* Root = nullptr;

 private:
  std::unique_ptr<TMetaClass> FPartClass;
  std::unique_ptr<TMetaClass> FRootClass;
  TTypeInfo FPartType;
};

// A shown form with a 300 x 600 inspector (a run-time one, in the Delphi look).
class TInspectorBench {
 public:
  TInspectorBench() {
    Form->SetBounds(0, 0, 400, 700);
    Inspector->SetBounds(0, 0, 300, 600);
    Form->Show();
    Driver.ProcessMessages();
  }
  ~TInspectorBench() {
    Form->Free();
    Driver.ProcessMessages();
  }

  TTestDriver Driver{800, 800};
  TForm* Form = new TForm(nullptr);
  TObjectInspector* Inspector = new TObjectInspector(Form);
};

// The heap the editors of selection take alone.
int64_t EditorBytes(const TComponentList& selection, TFormDesigner* designer) {
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  const int64_t before = LiveBytes;
  GetComponentProperties(
      selection, tkAny - TTypeKinds{tkMethod, tkInterface}, designer,
      [&](std::unique_ptr<TPropertyEditor> editor) { editors.push_back(std::move(editor)); });
  return LiveBytes - before;
}

// Records the heap per row beside its editor: the rows' bytes less the editors' own.
void CountRowBytes(benchmark::State& state, TInspectorBench& bench, TComponentList& list) {
  bench.Inspector->SetControl(nullptr);
  const int64_t empty = LiveBytes;
  bench.Inspector->SetControls(&list);
  const int64_t withRows = LiveBytes;
  const int64_t editors = EditorBytes(list, bench.Inspector->GetCurrentDesigner());
  const int32_t rows = bench.Inspector->GetInfoRecCount();
  state.counters["rows"] = rows;
  state.counters["row bytes"] = rows ? static_cast<double>(withRows - empty - editors) / rows : 0;
  state.counters["editor bytes"] = rows ? static_cast<double>(editors) / rows : 0;
}

void Rebuild(benchmark::State& state, TInspectorBench& bench) {
  for (auto _ : state)
    bench.Inspector->ShowInfo();
}

void RebuildOneComponent(benchmark::State& state) {
  const auto count = static_cast<size_t>(state.range(0));
  TInspectorBench bench;
  const std::unique_ptr<TMetaClass> meta = MakeComponentClass(count);
  TComponentList list;
  list.Add(NewComponent(bench.Form, meta.get(), count));
  CountRowBytes(state, bench, list);
  Rebuild(state, bench);
  state.SetComplexityN(static_cast<int64_t>(count));
}
BENCHMARK(RebuildOneComponent)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

void RebuildManyComponentsOfOneClass(benchmark::State& state) {
  const auto components = static_cast<size_t>(state.range(0));
  TInspectorBench bench;
  const std::unique_ptr<TMetaClass> meta = MakeComponentClass(50);
  TComponentList list;
  for (size_t i = 0; i < components; ++i)
    list.Add(NewComponent(bench.Form, meta.get(), 50));
  CountRowBytes(state, bench, list);
  Rebuild(state, bench);
}
BENCHMARK(RebuildManyComponentsOfOneClass)->Arg(1000)->Unit(benchmark::kMillisecond);

// A full repaint with 40 rows in view, at the top and at the bottom of 100,000 rows.
void RepaintAt(benchmark::State& state, bool bottom) {
  TInspectorBench bench;
  const std::unique_ptr<TMetaClass> meta = MakeComponentClass(100000);
  bench.Inspector->SetDefaultRowHeight(15);
  bench.Inspector->SetControl(NewComponent(bench.Form, meta.get(), 100000));
  const int32_t rows = bench.Inspector->GetRowCount();
  if (bottom) bench.Inspector->SetRow(rows - 1);
  bench.Driver.ProcessMessages();
  for (auto _ : state) {
    bench.Inspector->Invalidate();
    bench.Inspector->Update();
  }
  state.counters["rows"] = rows;
  state.counters["top row"] = bench.Inspector->GetTopRow();
}
void RepaintAtTheTop(benchmark::State& state) {
  RepaintAt(state, false);
}
void RepaintAtTheBottom(benchmark::State& state) {
  RepaintAt(state, true);
}
BENCHMARK(RepaintAtTheTop)->Unit(benchmark::kMicrosecond);
BENCHMARK(RepaintAtTheBottom)->Unit(benchmark::kMicrosecond);

// Records the heap per row that ExpandAll adds beside the sub-property editors it gathers; those
// are measured by gathering them once more from every expanded row.
void CountExpandedRowBytes(benchmark::State& state, TObjectInspector& inspector) {
  inspector.CollapseAll();
  const int64_t collapsed = LiveBytes;
  const int32_t collapsedRows = inspector.GetInfoRecCount();
  inspector.ExpandAll();
  const int64_t expanded = LiveBytes;
  const int32_t rows = inspector.GetInfoRecCount();
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  const int64_t beforeEditors = LiveBytes;
  for (int32_t i = 0; i < rows; ++i) {
    const TInfoRec* row = inspector.GetInfoRec(i);
    if (row->SubState == ssExpanded && row->PropEdit && !row->IsGroup)
      row->PropEdit->GetProperties(
          [&](std::unique_ptr<TPropertyEditor> editor) { editors.push_back(std::move(editor)); });
  }
  const int64_t editorBytes = LiveBytes - beforeEditors;
  const int32_t added = rows - collapsedRows;
  state.counters["rows"] = rows;
  state.counters["row bytes"] =
      added ? static_cast<double>(expanded - collapsed - editorBytes) / added : 0;
  state.counters["editor bytes"] = added ? static_cast<double>(editorBytes) / added : 0;
}

void ExpandAllOfAnObjectGraph(benchmark::State& state) {
  const auto parts = static_cast<size_t>(state.range(0));
  TInspectorBench bench;
  TObjectGraph graph(bench.Form, parts, 99);
  bench.Inspector->SetControl(graph.Root);
  for (auto _ : state) {
    state.PauseTiming();
    bench.Inspector->CollapseAll();
    state.ResumeTiming();
    bench.Inspector->ExpandAll();
  }
  CountExpandedRowBytes(state, *bench.Inspector);
  state.SetComplexityN(bench.Inspector->GetInfoRecCount());
}
BENCHMARK(ExpandAllOfAnObjectGraph)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
// One edit as a user makes it on a component of 10,000 properties: a click on a value cell
// (committing nothing, building the editor there), a typed number and Enter (writing it), with
// every message and repaint they cause handled. Two rows take turns so that each click moves the
// editor.
void ClickTypeEnterRoundTrip(benchmark::State& state) {
  constexpr size_t Count = 10000;
  TInspectorBench bench;
  const std::unique_ptr<TMetaClass> meta = MakeComponentClass(Count);
  auto* component = NewComponent(bench.Form, meta.get(), Count);
  bench.Inspector->SetControl(component);
  const int32_t first = bench.Inspector->GetRowCount() / 2;
  bench.Inspector->SetRow(first);
  bench.Driver.ProcessMessages();
  int64_t written = 0;
  int32_t row = first;
  for (auto _ : state) {
    row = row == first ? first + 1 : first;
    const TRect cell = bench.Inspector->CellRect(1, row);
    const TPoint point = bench.Inspector->ClientToScreen({cell.Left + 20, cell.Top + 2});
    // Far enough apart not to make a double click.
    bench.Driver.AdvanceClock(1000);
    bench.Driver.Click(point.X, point.Y);
    bench.Driver.Type(std::to_string(++written % 1000));
    bench.Driver.PressKey(VK_RETURN);
  }
  if (bench.Inspector->GetInplaceEdit()->GetText() != std::to_string(written % 1000))
    state.SkipWithError("the typed value was not written");
  state.counters["rows"] = bench.Inspector->GetRowCount();
}
BENCHMARK(ClickTypeEnterRoundTrip)->Unit(benchmark::kMicrosecond);
}  // namespace

IMPLEMENT_CLASS(TSyntheticComponent) {}
IMPLEMENT_CLASS(TSyntheticPart) {}
