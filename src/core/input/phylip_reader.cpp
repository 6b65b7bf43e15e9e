#include <algorithm>
#include <string>

#include "input/format_readers.h"
#include "input/line_words.h"
#include "util/text_format.h"

namespace hueset {

namespace {

constexpr std::size_t kStrictNameLength = 10;

// Counts of the first line: digits only, at least 1, and small enough for
// an int.
bool readCount(std::string_view word, std::size_t& count) {
  if (word.empty() || word.size() > 9) return false;
  count = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    count = count * 10 + static_cast<std::size_t>(c - '0');
  }
  return count > 0;
}

struct NamedLine {
  std::string_view name;
  std::string_view data;
};

// A line of two counts (and perhaps options), as each data set begins.
bool isCountsLine(std::string_view line) {
  const std::vector<std::string_view> words = splitWords(line);
  std::size_t count = 0;
  return words.size() >= 2 && readCount(words[0], count) && readCount(words[1], count);
}

// A name no writer gives but a line of residues does: empty, beginning with
// a gap, or a whole name field of capital letters and gaps.
bool isResidueLike(const std::string& name) {
  if (name.empty() || name.front() == '-' || name.front() == '.') return true;
  return name.size() >= kStrictNameLength && std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || c == '-' || c == '.' || c == '*' || c == '?';
         });
}

NamedLine splitName(std::string_view line, bool strictNames) {
  if (strictNames) {
    const std::size_t cut = std::min(line.size(), kStrictNameLength);
    return {trim(line.substr(0, cut)), line.substr(cut)};
  }
  const SplitWord split = splitFirstWord(trimLeft(line));
  return {split.word, split.rest};
}

}  // namespace

PhylipReader::PhylipReader(ParseMessageSink& sink)
    : AlignmentReader(sink, AlignmentFormat::Phylip) {}

bool PhylipReader::parse(Alignment& alignment) {
  const auto header = takeNonBlankLine();
  if (!header) return failAtLine(InputMessage::PhylipCountsLine, lineCount());
  const std::vector<std::string_view> counts = splitWords(*header);
  if (counts.size() < 2 || !readCount(counts[0], m_sequences) || !readCount(counts[1], m_columns)) {
    return failAtLine(InputMessage::PhylipCountsLine, lineCount(), trim(*header));
  }

  const std::vector<Line> lines = takeDataSet();
  std::vector<Attempt> fits;
  Attempt best;
  bool haveBest = false;
  for (const Layout layout :
       {Layout{true, true}, Layout{true, false}, Layout{false, true}, Layout{false, false}}) {
    // One line per sequence reads the same either way.
    if (!layout.interleaved && lines.size() == m_sequences) continue;
    Attempt a = attempt(lines, layout);
    a.layout = layout;
    if (!a.problem) {
      fits.push_back(std::move(a));
      continue;
    }
    // Prefer a usable alignment, then the way that placed the most residues.
    const bool better = !haveBest || (a.question && !best.question) ||
                        (a.question == best.question && a.placed > best.placed);
    if (better) {
      best = std::move(a);
      haveBest = true;
    }
  }

  if (fits.empty()) {
    const InputMessage problem = *best.problem;
    if (!best.question) {
      return best.atLine ? failAtLine(problem, best.number, best.text)
                         : failWithoutLine(problem, best.number, best.text);
    }
    const bool stop = best.atLine ? askToAbortAtLine(problem, best.number, best.text)
                                  : askToAbortWithoutLine(problem, best.number, best.text);
    if (stop) return false;
  } else {
    const std::size_t taken = chooseLayout(fits, lines);
    const bool ambiguous = readsOtherwise(fits, taken);
    best = std::move(fits[taken]);
    if (ambiguous) {
      ++m_notes;
      const std::string_view name = best.layout.interleaved ? "interleaved" : "sequential";
      if (askToAbortWithoutLine(InputMessage::PhylipLayoutTaken, 0, name)) return false;
    }
  }
  if (m_furtherDataSets > 0) {
    ++m_notes;
    if (askToAbortAtLine(InputMessage::PhylipMoreDataSets, m_furtherDataSetsLine,
                         std::to_string(m_furtherDataSets)))
      return false;
  }
  alignment.names = std::move(best.alignment.names);
  alignment.residues = std::move(best.alignment.residues);
  alignment.length = static_cast<std::int32_t>(alignment.residues.front().size());
  return true;
}

// The lines of the first data set, without blank lines; a line of two
// counts begins the next data set, and those after it are only counted.
std::vector<PhylipReader::Line> PhylipReader::takeDataSet() {
  std::vector<Line> lines;
  std::size_t dataSize = 0;
  bool afterBlank = false;
  while (auto taken = takeLine()) {
    std::string_view line = *taken;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (trim(line).empty()) {
      afterBlank = true;
      continue;
    }
    if (isCountsLine(line)) {
      if (m_furtherDataSets++ == 0) m_furtherDataSetsLine = lineCount();
      continue;
    }
    if (m_furtherDataSets == 0) {
      lines.push_back({line, lineCount(), afterBlank});
      dataSize += line.size();
    }
    afterBlank = false;
  }
  // Room for the residues, but never more than the text could fill: the
  // counts are the file's word, not a promise.
  m_reserve = std::min(m_columns, dataSize / m_sequences + 1);
  return lines;
}

// Of the ways that fit the counts: none whose names are residues or gaps
// cut from a line, unless every way has such names; interleaved when a
// blank line closes the first block, or when its blocks are even and the
// sequential way's sequences are not; else sequential when it fits, as the
// established readers take a text that reads both ways.
std::size_t PhylipReader::chooseLayout(const std::vector<Attempt>& fits,
                                       const std::vector<Line>& lines) const {
  std::vector<std::size_t> candidates;
  for (std::size_t i = 0; i < fits.size(); ++i) {
    const auto& names = fits[i].alignment.names;
    if (std::none_of(names.begin(), names.end(), isResidueLike)) candidates.push_back(i);
  }
  if (candidates.empty()) {
    for (std::size_t i = 0; i < fits.size(); ++i) candidates.push_back(i);
  }
  auto anyEven = [&](bool interleaved) {
    return std::any_of(candidates.begin(), candidates.end(), [&](std::size_t i) {
      return fits[i].layout.interleaved == interleaved && fits[i].even;
    });
  };
  const bool blockClosedByBlank = lines.size() > m_sequences && lines[m_sequences].afterBlank;
  const bool interleaved = blockClosedByBlank || (anyEven(true) && !anyEven(false));
  for (std::size_t i : candidates) {
    if (fits[i].layout.interleaved == interleaved) return i;
  }
  return candidates.front();
}

// Another way that fits gives other names or residues.
bool PhylipReader::readsOtherwise(const std::vector<Attempt>& fits, std::size_t taken) {
  const Alignment& chosen = fits[taken].alignment;
  return std::any_of(fits.begin(), fits.end(), [&chosen](const Attempt& a) {
    return a.alignment.names != chosen.names || a.alignment.residues != chosen.residues;
  });
}

PhylipReader::Attempt PhylipReader::attempt(const std::vector<Line>& lines, Layout layout) const {
  Attempt a;
  if (lines.size() < m_sequences) {
    a.problem = InputMessage::PhylipTooFewSequences;
    a.atLine = false;
    a.number = lineCount();
    a.text = std::to_string(m_sequences);
    return a;
  }
  a.alignment.names.reserve(m_sequences);
  a.alignment.residues.reserve(m_sequences);
  if (layout.interleaved) {
    readInterleaved(lines, layout.strictNames, a);
  } else {
    readSequential(lines, layout.strictNames, a);
  }
  for (const std::string& row : a.alignment.residues) a.placed += std::min(row.size(), m_columns);
  return a;
}

// The first block names every sequence; each later line continues the
// sequences in turn.
void PhylipReader::readInterleaved(const std::vector<Line>& lines, bool strictNames,
                                   Attempt& a) const {
  auto& names = a.alignment.names;
  auto& residues = a.alignment.residues;
  std::size_t complete = 0;
  auto overflows = [&](std::size_t i, const Line& line) {
    if (residues[i].size() == m_columns) ++complete;
    if (residues[i].size() <= m_columns) return false;
    a.problem = InputMessage::PhylipTooManyResidues;
    a.number = line.number;
    a.text = names[i];
    return true;
  };
  // Every line of a block gives its sequence as many residues as the first.
  std::size_t blockWidth = 0;
  auto measure = [&](std::size_t k, std::size_t added) {
    if (k % m_sequences == 0) {
      blockWidth = added;
    } else if (added != blockWidth) {
      a.even = false;
    }
  };
  for (std::size_t i = 0; i < m_sequences; ++i) {
    const NamedLine named = splitName(lines[i].text, strictNames);
    names.emplace_back(named.name);
    residues.emplace_back().reserve(m_reserve);
    appendWithoutBlanks(residues[i], named.data);
    measure(i, residues[i].size());
    if (overflows(i, lines[i])) return;
  }
  std::size_t next = 0;
  for (std::size_t k = m_sequences; k < lines.size(); ++k) {
    if (complete == m_sequences) {
      a.problem = InputMessage::PhylipExtraLines;
      a.question = true;
      a.number = lines[k].number;
      a.text = std::to_string(m_sequences);
      return;
    }
    const std::size_t before = residues[next].size();
    appendWithoutBlanks(residues[next], lines[k].text);
    measure(k, residues[next].size() - before);
    if (overflows(next, lines[k])) return;
    next = (next + 1) % m_sequences;
  }
  for (std::size_t i = 0; i < m_sequences; ++i) {
    if (residues[i].size() == m_columns) continue;
    a.problem = InputMessage::PhylipEndedEarly;
    a.atLine = false;
    a.number = lineCount();
    a.text = names[i];
    return;
  }
}

// Each sequence starts with its name and runs on over as many lines as it
// takes to fill the columns.
void PhylipReader::readSequential(const std::vector<Line>& lines, bool strictNames,
                                  Attempt& a) const {
  auto& names = a.alignment.names;
  auto& residues = a.alignment.residues;
  std::size_t k = 0;
  std::size_t firstLines = 0;  // the lines the first sequence took
  for (std::size_t i = 0; i < m_sequences; ++i) {
    const std::size_t start = k;
    if (k == lines.size()) {
      a.problem = InputMessage::PhylipTooFewSequences;
      a.atLine = false;
      a.number = lineCount();
      a.text = std::to_string(m_sequences);
      return;
    }
    const NamedLine named = splitName(lines[k++].text, strictNames);
    names.emplace_back(named.name);
    std::string& row = residues.emplace_back();
    row.reserve(m_reserve);
    appendWithoutBlanks(row, named.data);
    while (row.size() < m_columns && k < lines.size()) appendWithoutBlanks(row, lines[k++].text);
    if (i == 0) firstLines = k - start;
    if (k - start != firstLines) a.even = false;
    if (row.size() > m_columns) {
      a.problem = InputMessage::PhylipTooManyResidues;
      a.number = lines[k - 1].number;
      a.text = names[i];
      return;
    }
    if (row.size() < m_columns) {
      a.problem = InputMessage::PhylipEndedEarly;
      a.atLine = false;
      a.number = lineCount();
      a.text = names[i];
      return;
    }
  }
  if (k < lines.size()) {
    a.problem = InputMessage::PhylipExtraLines;
    a.question = true;
    a.number = lines[k].number;
    a.text = std::to_string(m_sequences);
  }
}

}  // namespace hueset
