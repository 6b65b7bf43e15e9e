// Reading speed of the readers on large alignments: about 20 MB each of
// MSF, CLUSTAL, Stockholm, A2M, A3M, PHYLIP and PIR, 10,000 sequences each,
// laid out as the common tools write them; and the inflating of a
// gzip-compressed document.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "input/alignment.h"
#include "input/document_text.h"
#include "input/format_readers.h"
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

// Pfam style: "#=GF" lines, one line of 2,000 columns per sequence with a
// "/start-end" name, the consensus structure at the end.
const std::string& stockholmText() {
  static const std::string text = [] {
    constexpr int kLength = 2000;
    const auto sequences = makeSequences(kLength);
    std::string t = "# STOCKHOLM 1.0\n#=GF ID   big\n#=GF DE   generated\n\n";
    for (int i = 0; i < kSequences; ++i) {
      t += name(i) + "/1-2000      " + sequences[static_cast<std::size_t>(i)] + "\n";
    }
    t += "#=GC SS_cons             " + std::string(kLength, '.') + "\n//\n";
    return t;
  }();
  return text;
}

// 1,900 match columns and an insert of up to three residues after every
// 19th; each sequence fills 0 to 3 of them. A2M pads with ".", A3M does
// not. 60 characters a line.
std::string insertText(bool a3m) {
  constexpr int kMatches = 1900;
  const auto sequences = makeSequences(kMatches);
  std::mt19937 random(7);
  std::string t;
  for (int i = 0; i < kSequences; ++i) {
    std::string row;
    const std::string& s = sequences[static_cast<std::size_t>(i)];
    for (int m = 0; m < kMatches; ++m) {
      row += s[static_cast<std::size_t>(m)];
      if (m % 19 != 18) continue;
      const int inserted = static_cast<int>(random() % 4);
      for (int k = 0; k < inserted; ++k) row += static_cast<char>('a' + random() % 26);
      if (!a3m) row.append(static_cast<std::size_t>(3 - inserted), '.');
    }
    t += ">" + name(i) + " generated sequence\n";
    for (std::size_t p = 0; p < row.size(); p += 60) t += row.substr(p, 60) + "\n";
  }
  return t;
}

const std::string& a2mText() {
  static const std::string text = insertText(false);
  return text;
}

const std::string& a3mText() {
  static const std::string text = insertText(true);
  return text;
}

// seqret style: strict, interleaved, 50 residues a line in groups of ten,
// later blocks without names.
const std::string& phylipText() {
  static const std::string text = [] {
    constexpr int kLength = 2000;
    const auto sequences = makeSequences(kLength);
    std::string t = " " + std::to_string(kSequences) + " " + std::to_string(kLength) + "\n";
    for (int start = 0; start < kLength; start += 50) {
      for (int i = 0; i < kSequences; ++i) {
        t += start == 0 ? name(i) + "   " : std::string(10, ' ');
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

// seqret style: ">P1;" header, description, groups of ten, "*".
const std::string& pirText() {
  static const std::string text = [] {
    constexpr int kLength = 2000;
    const auto sequences = makeSequences(kLength);
    std::string t;
    for (int i = 0; i < kSequences; ++i) {
      t += ">P1;" + name(i) + "\n" + name(i) + ", 2000 bases\n";
      for (int start = 0; start < kLength; start += 50) {
        for (int g = 0; g < 5; ++g) {
          t += ' ';
          t.append(sequences[static_cast<std::size_t>(i)], static_cast<std::size_t>(start + 10 * g), 10);
        }
        t += start + 50 < kLength ? "\n" : "*\n";
      }
      t += "\n";
    }
    return t;
  }();
  return text;
}

template <typename Reader, typename... Args>
void readText(benchmark::State& state, const std::string& text, hueset::AlignmentFormat format,
              const Args&... args) {
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
  readText<hueset::MsfReader>(state, msfText(), hueset::AlignmentFormat::Msf);
}
BENCHMARK(BM_ReadMsf)->Unit(benchmark::kMillisecond);

void BM_ReadClustal(benchmark::State& state) {
  readText<hueset::ClustalReader>(state, clustalText(), hueset::AlignmentFormat::Clustal);
}
BENCHMARK(BM_ReadClustal)->Unit(benchmark::kMillisecond);

void BM_ReadStockholm(benchmark::State& state) {
  readText<hueset::StockholmReader>(state, stockholmText(), hueset::AlignmentFormat::Stockholm);
}
BENCHMARK(BM_ReadStockholm)->Unit(benchmark::kMillisecond);

void BM_ReadA2m(benchmark::State& state) {
  readText<hueset::A2mReader>(state, a2mText(), hueset::AlignmentFormat::A2m);
}
BENCHMARK(BM_ReadA2m)->Unit(benchmark::kMillisecond);

void BM_ReadA3m(benchmark::State& state) {
  readText<hueset::A2mReader>(state, a3mText(), hueset::AlignmentFormat::A3m);
}
BENCHMARK(BM_ReadA3m)->Unit(benchmark::kMillisecond);

void BM_ReadA3mMatchStatesOnly(benchmark::State& state) {
  readText<hueset::A2mReader>(state, a3mText(), hueset::AlignmentFormat::A3m,
                              hueset::ReadSettings{.matchStatesOnly = true});
}
BENCHMARK(BM_ReadA3mMatchStatesOnly)->Unit(benchmark::kMillisecond);

void BM_ReadPhylip(benchmark::State& state) {
  readText<hueset::PhylipReader>(state, phylipText(), hueset::AlignmentFormat::Phylip);
}
BENCHMARK(BM_ReadPhylip)->Unit(benchmark::kMillisecond);

void BM_ReadPir(benchmark::State& state) {
  readText<hueset::PirReader>(state, pirText(), hueset::AlignmentFormat::Pir);
}
BENCHMARK(BM_ReadPir)->Unit(benchmark::kMillisecond);

// Bytes counted are those of the text that comes out, like the readers'.
void BM_InflateGzipDocument(benchmark::State& state) {
  const std::string compressed = hueset::gzipCompress(stockholmText());
  for (auto _ : state) {
    hueset::DocumentText document = hueset::decodeDocument(compressed);
    if (!document.ok()) {
      state.SkipWithError("the compressed document did not inflate");
      break;
    }
    benchmark::DoNotOptimize(document.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(stockholmText().size()));
  state.counters["MB"] = static_cast<double>(stockholmText().size()) / 1e6;
}
BENCHMARK(BM_InflateGzipDocument)->Unit(benchmark::kMillisecond);

}  // namespace
