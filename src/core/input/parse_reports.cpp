#include "input/parse_reports.h"

#include <algorithm>
#include <array>
#include <map>

namespace hueset {

namespace {
constexpr std::size_t kGroup = 10;
constexpr std::size_t kShownWhole = 210;  // shorter strings are shown whole
constexpr std::size_t kShownEnd = 100;    // otherwise this much of each end

void appendGroups(std::string& out, std::string_view s, bool blankAfterEach) {
  for (std::size_t at = 0; at < s.size(); at += kGroup) {
    if (at != 0 && !blankAfterEach) out += ' ';
    out.append(s.substr(at, kGroup));
    if (blankAfterEach) out += ' ';
  }
}

constexpr std::array<std::string_view, 6> kCharacterTitles = {
    "Sequence",      "Invalid Residues",      "Lower case Residues",
    "Extra Letters", "Non-printable Letters", "\"WhiteSpace\""};
}  // namespace

std::string residueDisplayForm(std::string_view residues) {
  std::string out;
  const std::size_t n = residues.size();
  if (n < kShownWhole) {
    out.reserve(n + n / kGroup);
    appendGroups(out, residues, false);
    return out;
  }
  appendGroups(out, residues.substr(0, kShownEnd), true);
  out += "  (";
  out += std::to_string(n - 2 * kShownEnd);
  out += ")  ";
  appendGroups(out, residues.substr(n - kShownEnd), true);
  return out;
}

std::string_view characterColumnTitle(CharacterColumn column) {
  return kCharacterTitles[static_cast<std::size_t>(column)];
}

CharacterReport makeCharacterReport(const std::vector<CharacterProblem>& problems) {
  auto any = [&problems](auto test) { return std::any_of(problems.begin(), problems.end(), test); };
  const std::array<bool, 6> needed = {
      true,
      any([](const CharacterProblem& p) { return !p.invalidLetters.empty(); }),
      any([](const CharacterProblem& p) { return !p.lowerCaseLetters.empty(); }),
      any([](const CharacterProblem& p) { return !p.otherSymbols.empty(); }),
      any([](const CharacterProblem& p) { return p.nonPrintable; }),
      any([](const CharacterProblem& p) { return p.whiteSpace; }),
  };

  CharacterReport report;
  for (std::size_t c = 0; c < needed.size(); ++c) {
    if (!needed[c]) continue;
    const auto kind = static_cast<CharacterColumn>(c);
    ReportColumn column{std::string(characterColumnTitle(kind)), {}};
    column.sizingTexts.push_back(column.title);
    if (kind == CharacterColumn::Sequence) {
      for (const auto& p : problems) column.sizingTexts.push_back(p.name);
    }
    report.kinds.push_back(kind);
    report.columns.push_back(std::move(column));
  }

  for (const auto& p : problems) {
    const std::array<std::string, 6> cells = {
        p.name,         p.invalidLetters,           p.lowerCaseLetters,
        p.otherSymbols, p.nonPrintable ? "X" : " ", p.whiteSpace ? "X" : " "};
    std::vector<std::string> row;
    for (CharacterColumn kind : report.kinds) row.push_back(cells[static_cast<std::size_t>(kind)]);
    report.rows.push_back(std::move(row));
  }
  report.noteVisible = needed[4] || needed[5];
  return report;
}

namespace {

// Marks the rows whose length is not the most common one, when one length
// is more common than every other.
void markDiffering(std::vector<UnequalLengthsRow>& rows) {
  std::map<std::string, std::size_t> counts;
  for (const UnequalLengthsRow& row : rows) ++counts[row.length];
  const std::string* common = nullptr;
  bool tie = false;
  std::size_t most = 0;
  for (const auto& [length, count] : counts) {
    if (count > most) {
      most = count;
      common = &length;
      tie = false;
    } else if (count == most) {
      tie = true;
    }
  }
  if (!common || tie) return;
  for (UnequalLengthsRow& row : rows) row.differs = row.length != *common;
}

}  // namespace

std::vector<std::size_t> UnequalLengthsReport::differingFirst() const {
  std::vector<std::size_t> order(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_partition(order.begin(), order.end(),
                        [this](std::size_t i) { return rows[i].differs; });
  return order;
}

UnequalLengthsReport makeUnequalLengthsReport(std::string_view heading,
                                              const Alignment& alignment) {
  UnequalLengthsReport report;
  report.heading = heading;

  std::vector<std::string> nameSizing{"Name"};
  std::size_t widestForm = 0;
  auto addRow = [&](const std::string& name, const std::string& residues) {
    UnequalLengthsRow row{name, std::to_string(residues.size()), residueDisplayForm(residues)};
    nameSizing.push_back(name);
    widestForm = std::max(widestForm, row.residues.size());
    report.rows.push_back(std::move(row));
  };
  const auto rowsOf = [](const std::vector<std::string>& labels,
                         const std::vector<std::string>& strings) {
    return std::min(labels.size(), strings.size());
  };
  for (std::size_t i = 0; i < rowsOf(alignment.names, alignment.residues); ++i) {
    addRow(alignment.names[i], alignment.residues[i]);
  }
  for (std::size_t i = 0; i < rowsOf(alignment.trackLabels, alignment.tracks); ++i) {
    addRow(alignment.trackLabels[i], alignment.tracks[i]);
  }

  markDiffering(report.rows);
  report.columns = {
      {"Name", nameSizing},
      {"Parsed Length", {"Parsed Length"}},
      {"Containing Residues", {std::string(widestForm, 'W')}},
      {"Name", nameSizing},
  };
  return report;
}

}  // namespace hueset
