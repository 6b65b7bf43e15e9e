// Reading speed of the readers on large alignments: about 20 MB of every
// format of the format table, 10,000 sequences each, laid out as the common
// tools write them; and the inflating of a gzip-compressed document.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "input/alignment.h"
#include "input/document_text.h"
#include "input/format_table.h"
#include "input/parse_message_sink.h"
#include "input/read_alignment.h"

namespace {

using enum hueset::AlignmentFormat;

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
  std::vector<std::string> sequences(kSequences,
                                     std::string(static_cast<std::size_t>(length), 'A'));
  for (auto& s : sequences) {
    for (char& c : s) c = kResidues[random() % 21];
  }
  return sequences;
}

std::string name(int i) { return "seq" + std::to_string(100000 + i); }

// Fifty residues of `sequence` from `start` in five groups of ten, as GCG
// and seqret lay them out.
std::string groupsOfTen(const std::string& sequence, int start) {
  std::string groups;
  for (int g = 0; g < 5; ++g) {
    if (g > 0) groups += ' ';
    groups.append(sequence, static_cast<std::size_t>(start + 10 * g), 10);
  }
  return groups;
}

// Interleaved blocks of `width` columns over new sequences of `length`: each
// block is its `ruler(start)`, if any, a line `row(i, sequence, start)` for
// every sequence, and `end`.
std::string interleavedText(int length, int width,
                            const std::function<std::string(int, const std::string&, int)>& row,
                            std::string_view end,
                            const std::function<std::string(int)>& ruler = {}) {
  const auto sequences = makeSequences(length);
  std::string t;
  for (int start = 0; start < length; start += width) {
    if (ruler) t += ruler(start);
    for (int i = 0; i < kSequences; ++i) {
      t += row(i, sequences[static_cast<std::size_t>(i)], start) + "\n";
    }
    t += end;
  }
  return t;
}

// The rows of DSC's prediction, after the sequences.
constexpr const char* kDscRows[] = {"DSC", "P_H", "P_E", "P_C"};

// The name of row `i` of an MSF text, whose last four rows may be DSC's.
std::string msfRowName(int i, bool dscRows) {
  return dscRows && i >= kSequences - 4 ? kDscRows[i - (kSequences - 4)] : name(i);
}

// GCG style: 50 residues a line in groups of 10, a column ruler per block.
// DSC's output is such a text whose last four rows are its prediction (here
// they stand for four of the sequences).
std::string msfText(bool dscRows = false) {
  std::string t = dscRows ? "DSC - Discrimination of protein Secondary structure Class\n\n" : "";
  t += " big.msf  MSF: 1500  Type: P  January 1, 2001 10:00  Check: 1234  ..\n\n";
  for (int i = 0; i < kSequences; ++i) {
    t += " Name: " + msfRowName(i, dscRows) + "  oo  Len:  1500  Check:  1000  Weight:  1.00\n";
  }
  t += "\n//\n\n";
  return t + interleavedText(
                 1500, 50,
                 [dscRows](int i, const std::string& sequence, int start) {
                   return msfRowName(i, dscRows) + "    " + groupsOfTen(sequence, start);
                 },
                 "\n",
                 [](int start) {
                   return "             " + std::to_string(start + 1) +
                          "                                   " + std::to_string(start + 50) + "\n";
                 });
}

// Plain aligned FASTA: 60 residues a line.
std::string fastaText() {
  const auto sequences = makeSequences(1900);
  std::string t;
  for (int i = 0; i < kSequences; ++i) {
    const std::string& s = sequences[static_cast<std::size_t>(i)];
    t += ">" + name(i) + " generated sequence\n";
    for (std::size_t p = 0; p < s.size(); p += 60) t += s.substr(p, 60) + "\n";
  }
  return t;
}

// The prediction part of PHD's output for 1,500 columns, between rules of
// 70 underscores, 60 columns a block.
std::string phdPredictions() {
  constexpr int kLength = 1500;
  const std::string rule(70, '_');
  std::mt19937 random(9);
  std::string t = "\n" + rule + "\n\n PHD results\n\n";
  for (int start = 0; start < kLength; start += 60) {
    const int width = std::min(60, kLength - start);
    std::string aa, sec, rel;
    for (int k = 0; k < width; ++k) {
      aa += "ACDEFGHIKLMNPQRSTVWY"[random() % 20];
      sec += "HEL"[random() % 3];
      rel += static_cast<char>('0' + random() % 10);
    }
    t += "         AA      |" + aa + "|\n         PHD     |" + sec + "|\n         Rel     |" + rel +
         "|\n\n";
  }
  return t + rule + "\n END of PHDsec output\n";
}

// PHD with its alignment in SAF form: "# saf", then blocks of names and
// groups of ten.
std::string phdSafText() {
  return "# PHDsec prediction, alignment in SAF format\n# saf\n\n" +
         interleavedText(
             1500, 50,
             [](int i, const std::string& sequence, int start) {
               return name(i) + "    " + groupsOfTen(sequence, start);
             },
             "\n") +
         phdPredictions();
}

// CLUSTAL W style: 60 residues a line, a residue count, a conservation line.
std::string clustalText() {
  const std::string conservation = "                 " + std::string(60, ' ') + "\n\n";
  return "CLUSTAL W (1.83) multiple sequence alignment\n\n\n" +
         interleavedText(
             1560, 60,
             [](int i, const std::string& sequence, int start) {
               return name(i) + "      " + sequence.substr(static_cast<std::size_t>(start), 60) +
                      "\t" + std::to_string(start + 60);
             },
             conservation);
}

// Pfam style: "#=GF" lines, one line of 2,000 columns per sequence with a
// "/start-end" name, the consensus structure at the end.
std::string stockholmText() {
  constexpr int kLength = 2000;
  const auto sequences = makeSequences(kLength);
  std::string t = "# STOCKHOLM 1.0\n#=GF ID   big\n#=GF DE   generated\n\n";
  // A structure row per sequence, as Pfam's files with structures carry:
  // looking each up must not scan every row before it.
  const std::string structure(kLength, 'H');
  for (int i = 0; i < kSequences; ++i) {
    t += name(i) + "/1-2000      " + sequences[static_cast<std::size_t>(i)] + "\n";
    t += "#=GR " + name(i) + "/1-2000 SS " + structure + "\n";
  }
  t += "#=GC SS_cons             " + std::string(kLength, '.') + "\n//\n";
  return t;
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

// seqret style: strict, interleaved, 50 residues a line in groups of ten,
// later blocks without names.
std::string phylipText() {
  constexpr int kLength = 2000;
  return " " + std::to_string(kSequences) + " " + std::to_string(kLength) + "\n" +
         interleavedText(
             kLength, 50,
             [](int i, const std::string& sequence, int start) {
               return (start == 0 ? name(i) + "   " : std::string(10, ' ')) +
                      groupsOfTen(sequence, start);
             },
             "\n");
}

// seqret style: ">P1;" header, description, groups of ten, "*".
std::string pirText() {
  constexpr int kLength = 2000;
  const auto sequences = makeSequences(kLength);
  std::string t;
  for (int i = 0; i < kSequences; ++i) {
    t += ">P1;" + name(i) + "\n" + name(i) + ", 2000 bases\n";
    for (int start = 0; start < kLength; start += 50) {
      t += " " + groupsOfTen(sequences[static_cast<std::size_t>(i)], start);
      t += start + 50 < kLength ? "\n" : "*\n";
    }
    t += "\n";
  }
  return t;
}

// The generated text of `format`, made once for all the benchmarks.
const std::string& textOf(hueset::AlignmentFormat format) {
  static std::map<hueset::AlignmentFormat, std::string> texts;
  auto [it, added] = texts.try_emplace(format);
  if (added) {
    switch (format) {
      case Msf: it->second = msfText(); break;
      case Fasta: it->second = fastaText(); break;
      case PhdMsf:
        it->second = "# PHDsec prediction (MSF output)\n\n" + msfText() + phdPredictions();
        break;
      case PhdSaf: it->second = phdSafText(); break;
      case Dsc: it->second = msfText(true); break;
      case Clustal: it->second = clustalText(); break;
      case Stockholm: it->second = stockholmText(); break;
      case A2m: it->second = insertText(false); break;
      case A3m: it->second = insertText(true); break;
      case Phylip: it->second = phylipText(); break;
      case Pir: it->second = pirText(); break;
      default: break;
    }
  }
  return it->second;
}

void countBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_Read(benchmark::State& state, hueset::AlignmentFormat format,
             const hueset::ReadSettings& settings = {}) {
  const std::string& text = textOf(format);
  SilentSink sink;
  for (auto _ : state) {
    hueset::Alignment alignment;
    const bool ok = hueset::readAlignment(text, format, sink, alignment, settings);
    // DSC's last four rows are its prediction.
    if (!ok || alignment.names.size() + 4 < static_cast<std::size_t>(kSequences)) {
      state.SkipWithError("the generated alignment did not read");
      break;
    }
    benchmark::DoNotOptimize(alignment.residues.data());
  }
  countBytes(state, text.size());
}

// One benchmark for every format of the table, named by its --format name;
// a format without a generated text above reports that instead of a time.
const bool kEveryFormat = [] {
  for (const hueset::FormatDescriptor& row : hueset::formatTable()) {
    benchmark::RegisterBenchmark(("BM_Read/" + std::string(row.cliName)).c_str(),
                                 [format = row.format](benchmark::State& state) {
                                   if (textOf(format).empty()) {
                                     state.SkipWithError("no generated text of this format");
                                     return;
                                   }
                                   BM_Read(state, format);
                                 })
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();
BENCHMARK_CAPTURE(BM_Read, A3mMatchStatesOnly, A3m, {.matchStatesOnly = true})
    ->Unit(benchmark::kMillisecond);

// Bytes counted are those of the text that comes out, like the readers'.
void BM_InflateGzipDocument(benchmark::State& state) {
  const std::string& text = textOf(Stockholm);
  const std::string compressed = hueset::gzipCompress(text);
  for (auto _ : state) {
    hueset::DocumentText document = hueset::decodeDocument(compressed);
    if (!document.ok()) {
      state.SkipWithError("the compressed document did not inflate");
      break;
    }
    benchmark::DoNotOptimize(document.text.data());
  }
  countBytes(state, text.size());
}
BENCHMARK(BM_InflateGzipDocument)->Unit(benchmark::kMillisecond);

}  // namespace
