// Reading speed of the interleaved readers on large alignments: about 20 MB
// of MSF and of CLUSTAL, 10,000 sequences each, in blocks as the common tools
// write them.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "input/alignment.h"
#include "input/clustal_reader.h"
#include "input/msf_reader.h"
#include "input/parse_message_sink.h"

namespace {

constexpr int kSequences = 10'000;

class SilentSink : public hueset::ParseMessageSink {
 public:
  bool ask(const std::string&, int) override { return false; }
  void error(const std::string&, int) override {}
  void unequalLengths(const std::string&, const hueset::Alignment&) override {}
};

std::vector<std::string> makeSequences(int length) {
  static const char kResidues[] = "ACDEFGHIKLMNPQRSTVWY-";
  std::mt19937 random(5);
  std::vector<std::string> sequences(kSequences, std::string(static_cast<std::size_t>(length), 'A'));
  for (auto& s : sequences) {
    for (char& c : s) c = kResidues[random() % 21];
  }
  return sequences;
}

std::string name(int i) { return "seq" + std::to_string(100000 + i); }

// GCG style: 50 residues a line in groups of 10, a column ruler per block.
const std::string& msfText() {
  static const std::string text = [] {
    constexpr int kLength = 1500;
    const auto sequences = makeSequences(kLength);
    std::string t = " big.msf  MSF: 1500  Type: P  January 1, 2001 10:00  Check: 1234  ..\n\n";
    for (int i = 0; i < kSequences; ++i) {
      t += " Name: " + name(i) + "  oo  Len:  1500  Check:  1000  Weight:  1.00\n";
    }
    t += "\n//\n\n";
    for (int start = 0; start < kLength; start += 50) {
      t += "             " + std::to_string(start + 1) + "                                   " +
           std::to_string(start + 50) + "\n";
      for (int i = 0; i < kSequences; ++i) {
        t += name(i) + "    ";
        for (int g = 0; g < 5; ++g) {
          t.append(sequences[static_cast<std::size_t>(i)], static_cast<std::size_t>(start + 10 * g), 10);
          t += g < 4 ? ' ' : '\n';
        }
      }
      t += "\n";
    }
    return t;
  }();
  return text;
}

// CLUSTAL W style: 60 residues a line, a residue count, a conservation line.
const std::string& clustalText() {
  static const std::string text = [] {
    constexpr int kLength = 1560;
    const auto sequences = makeSequences(kLength);
    std::string t = "CLUSTAL W (1.83) multiple sequence alignment\n\n\n";
    for (int start = 0; start < kLength; start += 60) {
      for (int i = 0; i < kSequences; ++i) {
        t += name(i) + "      ";
        t.append(sequences[static_cast<std::size_t>(i)], static_cast<std::size_t>(start), 60);
        t += "\t" + std::to_string(start + 60) + "\n";
      }
      t += "                 " + std::string(60, ' ') + "\n\n";
    }
    return t;
  }();
  return text;
}

template <typename Reader, typename... Args>
void readText(benchmark::State& state, const std::string& text, hueset::AlignmentFormat format,
              Args... args) {
  SilentSink sink;
  for (auto _ : state) {
    hueset::Alignment alignment;
    alignment.format = format;
    Reader reader(sink, args...);
    const bool ok = reader.read(text, alignment);
    if (!ok || alignment.names.size() != static_cast<std::size_t>(kSequences)) {
      state.SkipWithError("the generated alignment did not read");
      break;
    }
    benchmark::DoNotOptimize(alignment.residues.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}

void BM_ReadMsf(benchmark::State& state) {
  readText<hueset::MsfReader>(state, msfText(), hueset::AlignmentFormat::Msf, false, false);
}
BENCHMARK(BM_ReadMsf)->Unit(benchmark::kMillisecond);

void BM_ReadClustal(benchmark::State& state) {
  readText<hueset::ClustalReader>(state, clustalText(), hueset::AlignmentFormat::Clustal);
}
BENCHMARK(BM_ReadClustal)->Unit(benchmark::kMillisecond);

}  // namespace
