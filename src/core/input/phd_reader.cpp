#include <algorithm>
#include <array>

#include "input/format_readers.h"
#include "input/line_words.h"
#include "input/name_index.h"
#include "util/text_format.h"

namespace hueset {

namespace {
// The prediction rows as labelled in the file, in the order they are kept.
// Rows 13 and 14 hold four and three blanks.
constexpr std::array<std::string_view, 17> kFileLabels = {"AA",
                                                          "PHD",
                                                          "Rel",
                                                          "prH-",
                                                          "prE-",
                                                          "prL-",
                                                          "subset: SUB",
                                                          "PHD sec",
                                                          "Rel sec",
                                                          "prH sec",
                                                          "prE sec",
                                                          "prL sec",
                                                          "subset: SUB sec",
                                                          "3st:    P_3 acc",
                                                          "10st:   PHD acc",
                                                          "Rel acc",
                                                          "subset: SUB acc"};

int rowIndex(const Alignment& alignment, std::string_view label) {
  const auto& labels = alignment.trackLabels;
  auto it = std::find(labels.begin(), labels.end(), label);
  return it == labels.end() ? -1 : static_cast<int>(it - labels.begin());
}

void removeRow(Alignment& alignment, std::size_t i) {
  alignment.trackLabels.erase(alignment.trackLabels.begin() + static_cast<std::ptrdiff_t>(i));
  alignment.tracks.erase(alignment.tracks.begin() + static_cast<std::ptrdiff_t>(i));
}

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
}  // namespace

PhdReader::PhdReader(ParseMessageSink& sink, const ReadSettings& settings)
    : AlignmentReader(sink, AlignmentFormat::PhdMsf), m_settings(settings) {}

bool PhdReader::parse(Alignment& alignment) {
  if (alignment.names.empty() || alignment.residues.empty()) return false;
  alignment.trackLabels.assign(kFileLabels.begin(), kFileLabels.end());
  alignment.tracks.assign(kFileLabels.size(), std::string{});
  readPredictionLines(alignment);
  if (!tidyRows(alignment)) return false;
  applyOptions(alignment);
  return true;
}

void PhdReader::readPredictionLines(Alignment& alignment) {
  NameIndex index(alignment.trackLabels);
  bool started = false;
  while (auto taken = takeNonBlankLine()) {
    const std::string_view line = *taken;
    if (!started && !line.starts_with("AA")) continue;
    if (started && isSectionRule(line)) break;
    const std::size_t bar = line.find('|', 1);
    if (bar == std::string_view::npos || bar + 1 == line.size()) continue;
    started = true;
    const int row = index.find(trim(line.substr(0, bar)));
    if (row < 0) continue;
    std::string_view data = line.substr(bar + 1);
    const std::size_t close = data.find('|');
    if (close != std::string_view::npos) {
      data = data.substr(0, close);
    } else {
      data = splitFirstWord(data).word;
    }
    alignment.tracks[static_cast<std::size_t>(row)].append(data);
  }
}

bool PhdReader::tidyRows(Alignment& alignment) {
  auto& labels = alignment.trackLabels;
  for (std::size_t i : {3, 4, 5}) labels[i].resize(3);
  labels[6] = "SUB";
  labels[12] = "SUB sec";

  for (std::size_t i = labels.size(); i-- > 0;) {
    if (alignment.tracks[i].empty()) removeRow(alignment, i);
  }
  // A "PHD sec" row stands in for a missing "PHD" row, and so on.
  for (auto& label : labels) {
    if (label.size() != 7 || !equalsNoCase(std::string_view(label).substr(3), " sec")) continue;
    const std::string shortLabel = label.substr(0, 3);
    if (std::find(labels.begin(), labels.end(), shortLabel) == labels.end()) label = shortLabel;
  }

  if (labels.empty()) {
    if (alignment.format == AlignmentFormat::PhdSaf)
      return failAtLine(InputMessage::PhdOnlySaf, lineCount());
    if (askToAbortAtLine(InputMessage::PhdDataMissing, lineCount())) return false;
  }
  if (!alignment.hasEqualLengths()) return reportUnequalLengths(alignment);
  return true;
}

void PhdReader::applyOptions(Alignment& alignment) const {
  const int phd = rowIndex(alignment, "PHD");
  const int sub = rowIndex(alignment, "SUB");
  auto row = [&alignment](int i) -> std::string& {
    return alignment.tracks[static_cast<std::size_t>(i)];
  };

  if (m_settings.dscIgnoreCoil) {
    if (phd >= 0) std::replace(row(phd).begin(), row(phd).end(), 'L', ' ');
    if (sub >= 0) std::replace(row(sub).begin(), row(sub).end(), 'L', '.');
  }
  if (m_settings.mergePhdPredictions && phd >= 0 && sub >= 0) {
    // The subset row keeps its confident predictions in capitals and takes
    // the others from the full prediction in small letters.
    std::string& subset = row(sub);
    const std::string& full = row(phd);
    const std::size_t columns = std::min(
        {static_cast<std::size_t>(std::max(alignment.length, 0)), subset.size(), full.size()});
    for (std::size_t c = 0; c < columns; ++c) {
      if (!isUpper(subset[c]) && isUpper(full[c])) subset[c] = toLowerAscii(full[c]);
    }
  }
  if (m_settings.ignoreConfidences) {
    if (sub >= 0) {
      std::string subset = std::move(row(sub));
      alignment.trackLabels.assign(1, "PHD");
      alignment.tracks.assign(1, subset);
    } else {
      alignment.trackLabels.clear();
      alignment.tracks.clear();
    }
  } else if (m_settings.dscIgnoreCoil) {
    if (const int loop = rowIndex(alignment, "prL"); loop >= 0) {
      removeRow(alignment, static_cast<std::size_t>(loop));
    }
  }
}

}  // namespace hueset
