// Loading a profile grown large (hand-edited, or filled by another tool):
// every run of the CLI and the desktop program reads it at start.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/options.h"
#include "settings/profile_store.h"

namespace {

std::string profileText(int keys) {
  std::string text = "[Annotation Settings]\nConsensus Threshold=700\n";
  for (int section = 0; section < 10; ++section) {
    text += "[Section " + std::to_string(section) + "]\n";
    for (int k = 0; k < keys / 10; ++k)
      text += "Key " + std::to_string(k) + "=value " + std::to_string(k) + "\n";
  }
  return text;
}

void loadProfile(benchmark::State& state) {
  const std::string text = profileText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    hueset::IniProfileStore store;
    store.loadFromText(text);
    hueset::Options options;
    options.load(store);
    benchmark::DoNotOptimize(options.annotation.consensusThreshold);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(loadProfile)->Arg(40'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

}  // namespace
