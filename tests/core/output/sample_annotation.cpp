#include "sample_annotation.h"

#include <algorithm>

namespace hueset::test {
namespace {

ResidueGrouping grouping(const char* name, const char* residues, Colour text, Colour back,
                         bool bold, bool italic, bool active, char marker) {
  return ResidueGrouping{name, residues, ResidueFormat{text, back, italic, bold}, active, marker};
}

Alignment sequences(const std::vector<std::pair<std::string, std::string>>& rows) {
  Alignment set;
  for (const auto& [name, residues] : rows) {
    set.names.push_back(name);
    set.residues.push_back(residues);
  }
  set.length = static_cast<std::int32_t>(rows.front().second.size());
  return set;
}

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Marks a column when every sequence has the same letter ("Single"), else
// when three quarters of the sequences fall into one active grouping, taken
// in order of precedence.
void annotateSet(const Alignment& set, ConsensusRows& result, const GroupingSet& groupings) {
  std::vector<const ResidueGrouping*> active;
  for (std::size_t g = GroupingSet::kFirstOrdinary; g < groupings.groupings.size(); ++g) {
    if (groupings.groupings[g].active) active.push_back(&groupings.groupings[g]);
  }
  const auto single = static_cast<char>(active.size() + 1);
  const std::size_t n = set.residues.size();
  result.formats.assign(n, std::string(static_cast<std::size_t>(set.length), '\0'));
  std::string markers(static_cast<std::size_t>(set.length), groupings.groupings[0].marker);
  for (std::size_t p = 0; p < markers.size(); ++p) {
    const char first = set.residues[0][p];
    const bool allSame =
        isLetter(first) && std::all_of(set.residues.begin(), set.residues.end(),
                                       [&](const std::string& r) { return r[p] == first; });
    if (allSame) {
      markers[p] = first;
      for (auto& formats : result.formats) formats[p] = single;
      continue;
    }
    for (std::size_t g = 0; g < active.size(); ++g) {
      const std::string& members = active[g]->residues;
      const auto count = std::count_if(
          set.residues.begin(), set.residues.end(),
          [&](const std::string& r) { return members.find(r[p]) != std::string::npos; });
      if (4 * static_cast<std::size_t>(count) < 3 * n) continue;
      markers[p] = active[g]->marker;
      for (std::size_t i = 0; i < n; ++i) {
        if (members.find(set.residues[i][p]) != std::string::npos) {
          result.formats[i][p] = static_cast<char>(g + 1);
        }
      }
      break;
    }
  }
  result.row = std::move(markers);
  result.label = "Consensus/75%";
}

}  // namespace

GroupingSet globinGroupings() {
  GroupingSet set;
  set.fontName = "Courier New";
  set.fontSize = 90;
  const Colour white = rgb(255, 255, 255);
  const Colour yellow = rgb(255, 255, 0);
  const Colour grey = rgb(153, 153, 153);
  set.groupings = {
      grouping("Default", "X", rgb(0, 0, 0), white, false, false, true, '.'),
      grouping("Single", "X", yellow, rgb(51, 51, 51), true, false, true, ' '),
      grouping("Lysine", "K", rgb(0, 0, 255), grey, true, false, true, 'K'),
      grouping("Arginine", "R", rgb(0, 0, 255), grey, true, false, true, 'R'),
      grouping("Negative", "DE", rgb(255, 0, 0), white, true, false, true, '-'),
      grouping("Charged", "DEHKR", rgb(255, 0, 255), white, true, false, false, 'c'),
      grouping("Aliphatic", "ILV", rgb(102, 102, 153), yellow, true, false, true, 'l'),
      grouping("Aromatic", "FHWY", rgb(0, 0, 255), yellow, true, false, true, 'a'),
      grouping("Small", "ACDGNPSTV", rgb(0, 102, 51), white, false, true, true, 's'),
      grouping("Hydrophobic", "ACFGHILMTVWY", rgb(0, 0, 0), yellow, true, false, true, 'h'),
  };
  return set;
}

AnnotatedAlignment globinAnnotation(const GroupingSet& groupings) {
  AnnotatedAlignment annotated;
  annotated.sets.push_back(sequences({
      {"HBA_HUMAN", "VLSPADKTNVKAAWGKVGAHAGEYGAEALERMFLSF"},
      {"HBA_MOUSE", "VLSGEDKSNIKAAWGKIGGHGAEYGAEALERMFASF"},
      {"HBA_CHICK", "VLSAADKNNVKGIFTKIAGHAEEYGAETLERMFTTY"},
      {"HBB_HUMAN", "VHLTPEEKSAVTALWGKV--NVDEVGGEALGRLLVV"},
  }));
  annotated.sets.push_back(sequences({
      {"HBB_HUMAN", "VHLTPEEKSAVTALWGKV--NVDEVGGEALGRLLVV"},
      {"MYG_PHYCA", "VLSEGEWQLVLHVWAKVEADVAGHGQDILIRLFKSH"},
  }));
  for (Alignment& set : annotated.sets) {
    ConsensusRows& result = annotated.results.emplace_back();
    annotateSet(set, result, groupings);
    const auto width = std::max<std::size_t>(set.labelWidth(), result.label.size());
    for (auto& name : set.names) justify(name, width, kJustifyLeft);
    justify(result.label, width, kJustifyLeft);
  }
  Alignment predictions;
  predictions.length = 36;
  predictions.trackLabels = {"PHD sec"};
  predictions.tracks = {"   HHHHHHHHHHHH     HHHHHHHHHHHHHHH "};
  justifyNames(predictions, 0);
  annotated.sets.push_back(predictions);
  annotated.results.emplace_back();
  return annotated;
}

void writeGlobins(AnnotationWriter& writer, const LayoutMarks& marks) {
  const GroupingSet groupings = globinGroupings();
  for (const ResidueFormat& format : groupings.textFormats()) writer.addFormat(format);
  writer.begin();
  layOut(globinAnnotation(groupings), 30, 10, writer, marks);
  writer.end();
}

void writeSimple(AnnotationWriter& writer, const SimpleRun& run, int wrap, int group) {
  AnnotatedAlignment annotated;
  for (std::size_t k = 0; k < run.names.size(); ++k) {
    Alignment set;
    ConsensusRows result;
    set.names = run.names[k];
    set.residues = run.residues[k];
    set.length = static_cast<std::int32_t>(set.residues.front().size());
    for (std::size_t i = 0; i < set.residues.size(); ++i) {
      result.formats.emplace_back(set.residues[i].size(),
                                  static_cast<char>(run.formatOfSequence[k][i]));
    }
    if (k < run.consensus.size() && !run.consensus[k].empty()) {
      result.label = "Consensus";
      result.row = run.consensus[k];
    }
    annotated.sets.push_back(set);
    annotated.results.push_back(result);
  }
  for (const ResidueFormat& format : run.formats) writer.addFormat(format);
  writer.begin();
  layOut(annotated, wrap, group, writer);
  writer.end();
}

}  // namespace hueset::test
