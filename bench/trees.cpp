// Filling a sorted tree view: 10,000 nodes added under one BeginUpdate to a tree shown on a form,
// in an order far from sorted, and the repaint once EndUpdate is called; for comparison, the
// same nodes added to an unsorted tree.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "controls/Form.h"
#include "controls/TreeView.h"
#include "winsys/TestDriver.h"

namespace {
constexpr int NodeCount = 10000;
constexpr int RootCount = 100;

// Node names in a scrambled order, with letter cases mixed.
std::vector<std::string> Names() {
  std::vector<std::string> names;
  names.reserve(NodeCount);
  for (int i = 0; i < NodeCount; ++i) {
    const int scrambled = (i * 7919) % NodeCount;
    names.push_back((scrambled % 3 == 0 ? "Node " : "node ") + std::to_string(scrambled));
  }
  return names;
}

// Adds a hundred roots and the rest of the nodes as their children.
void Fill(TTreeView* tree, const std::vector<std::string>& names) {
  TTreeNodes* nodes = tree->GetItems();
  nodes->BeginUpdate();
  std::vector<TTreeNode*> roots;
  for (int i = 0; i < RootCount; ++i)
    roots.push_back(nodes->Add(nullptr, names[static_cast<size_t>(i)]));
  for (int i = RootCount; i < NodeCount; ++i)
    nodes->AddChild(roots[static_cast<size_t>(i % RootCount)], names[static_cast<size_t>(i)]);
  nodes->EndUpdate();
}

void AddNodes(benchmark::State& state, TSortType sortType) {
  TTestDriver driver(1280, 800);
  const std::vector<std::string> names = Names();
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, 400, 600);
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  tree->SetAlign(alClient);
  tree->SetSortType(sortType);
  form->Show();
  driver.ProcessMessages();
  for (auto _ : state) {
    Fill(tree, names);
    driver.ProcessMessages();  // the one repaint after EndUpdate
    state.PauseTiming();
    tree->GetItems()->Clear();
    driver.ProcessMessages();
    state.ResumeTiming();
  }
  state.counters["nodes"] = NodeCount;
  form->Free();
}

void AddSorted(benchmark::State& state) {
  AddNodes(state, stText);
}
BENCHMARK(AddSorted)->Unit(benchmark::kMillisecond);

void AddUnsorted(benchmark::State& state) {
  AddNodes(state, stNone);
}
BENCHMARK(AddUnsorted)->Unit(benchmark::kMillisecond);
}  // namespace
