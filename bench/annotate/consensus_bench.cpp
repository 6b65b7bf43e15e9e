#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "annotate/consensus.h"
#include "annotate/elision.h"

namespace hueset {
namespace {

// Columns that are mostly conserved, with gaps and substitutions sprinkled
// in, so every branch of the column decision is taken.
Alignment randomAlignment(int sequences, int columns) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> roll(0, 99);
  std::uniform_int_distribution<int> letter(0, 19);
  const std::string letters = "ACDEFGHIKLMNPQRSTVWY";
  std::string consensus(static_cast<std::size_t>(columns), 'A');
  for (char& c : consensus) c = letters[static_cast<std::size_t>(letter(random))];

  Alignment a;
  a.length = columns;
  for (int s = 0; s < sequences; ++s) {
    a.names.push_back("seq" + std::to_string(s));
    std::string row = consensus;
    for (char& c : row) {
      const int r = roll(random);
      if (r < 10)
        c = '-';
      else if (r < 30)
        c = letters[static_cast<std::size_t>(letter(random))];
    }
    a.residues.push_back(std::move(row));
  }
  return a;
}

GroupingSet typicalGroupings() {
  GroupingSet set;
  // Name, residues, format, active, marker.
  set.groupings = {
      {"Default", "X", {}, true, ' '},
      {"Single", "X", {}, true, ' '},
      {"Aromatic", "FHWY", {}, true, 'a'},
      {"Aliphatic", "ILV", {}, true, 'l'},
      {"Hydrophobic", "ACFGHIKLMTVWY", {}, true, 'h'},
      {"Negative", "DE", {}, true, '-'},
      {"Positive", "HKR", {}, true, '+'},
      {"Charged", "DEHKR", {}, true, 'c'},
      {"Polar", "CDEHKNQRST", {}, true, 'p'},
      {"Small", "ACDGNPSTV", {}, true, 's'},
      {"Tiny", "AGS", {}, true, 't'},
  };
  return set;
}

void BM_ComputeConsensus(benchmark::State& state) {
  const Alignment input =
      randomAlignment(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const GroupingSet groupings = typicalGroupings();
  const ConsensusSettings settings{800, false, true, false};
  for (auto _ : state) {
    Alignment set = input;
    ConsensusRows result;
    benchmark::DoNotOptimize(computeConsensus(set, result, groupings, settings, "BJOUZ"));
    benchmark::DoNotOptimize(result.formats.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_ComputeConsensus)->Args({1000, 5000})->Unit(benchmark::kMillisecond);

void BM_ElideSparseRegions(benchmark::State& state) {
  Alignment input =
      randomAlignment(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  // Gap out most sequences over every other stretch of 50 columns.
  for (std::size_t s = 1; s < input.residues.size(); ++s) {
    for (std::size_t c = 0; c < input.residues[s].size(); ++c) {
      if ((c / 50) % 2 == 1) input.residues[s][c] = '-';
    }
  }
  const ElisionSettings settings{elisionMinGaps(static_cast<int>(state.range(0)), 800), 4, false};
  for (auto _ : state) {
    Alignment a = input;
    elideSparseRegions(a, settings, "BJOUZ");
    benchmark::DoNotOptimize(a.residues.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_ElideSparseRegions)->Args({1000, 5000})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hueset
