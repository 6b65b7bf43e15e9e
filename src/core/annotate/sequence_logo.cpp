#include "annotate/sequence_logo.h"

#include <algorithm>
#include <cmath>

namespace hueset {

std::vector<LogoColumn> sequenceLogo(const Alignment& set, const ConsensusSettings& settings,
                                     const std::string& invalidResidues,
                                     const std::vector<std::int32_t>& columnNumbers) {
  const ResidueCodeTable codes =
      buildResidueCodeTable(invalidResidues, settings.allowLowerCase, settings.xIsUnknown);
  const std::size_t length = set.length > 0 ? static_cast<std::size_t>(set.length) : 0;
  std::vector<LogoColumn> columns(length);
  std::vector<std::array<std::uint32_t, kResidueCodeCount>> counts(length);
  for (const std::string& row : set.residues) {
    for (std::size_t c = 0; c < length; ++c) {
      const ResidueCode code =
          c < row.size() ? codes[static_cast<unsigned char>(row[c])] : kBlankCode;
      ++counts[c][code];
    }
  }
  for (std::size_t c = 0; c < length; ++c) {
    if (c < columnNumbers.size() && columnNumbers[c] == 0) continue;
    const auto& count = counts[c];
    double letters = 0;
    for (std::size_t a = 0; a < 26; ++a) letters += count[a];
    if (letters == 0) continue;
    double entropy = 0;
    for (std::size_t a = 0; a < 26; ++a) {
      if (count[a] == 0) continue;
      const double p = count[a] / letters;
      entropy -= p * std::log2(p);
    }
    const double correction = 19.0 / (2 * std::log(2.0) * letters);
    const double counted = letters + (settings.includeBlanks ? count[kBlankCode] : 0);
    LogoColumn& column = columns[c];
    column.bits = std::max(0.0, kLogoMostBits - entropy - correction) * letters / counted;
    for (std::size_t a = 0; a < 26; ++a) {
      if (count[a] != 0)
        column.letters.push_back({static_cast<char>('A' + a), column.bits * count[a] / letters});
    }
    std::stable_sort(column.letters.begin(), column.letters.end(),
                     [](const LogoLetter& x, const LogoLetter& y) { return x.bits < y.bits; });
  }
  return columns;
}

std::array<Colour, 26> logoLetterColours(const GroupingSet& groupings) {
  const ConsensusRules rules = consensusRules(groupings);
  const ResidueFormat& ground = rules.formats.front();
  std::array<Colour, 26> colours;
  colours.fill(ground.textColour);
  std::array<bool, 26> given{};
  for (std::size_t j = 0; j < rules.members.size(); ++j) {
    const ResidueFormat& format = rules.formats[j + 1];
    const Colour colour =
        format.textColour == ground.backColour ? format.backColour : format.textColour;
    for (const char c : rules.members[j]) {
      if (c < 'A' || c > 'Z' || given[static_cast<std::size_t>(c - 'A')]) continue;
      given[static_cast<std::size_t>(c - 'A')] = true;
      colours[static_cast<std::size_t>(c - 'A')] = colour;
    }
  }
  return colours;
}

}  // namespace hueset
