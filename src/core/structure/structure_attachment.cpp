#include "structure/structure_attachment.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "structure/chain_match.h"

namespace hueset {
namespace {

constexpr std::size_t kLongestChainName = 4;

bool isChainName(std::string_view text) {
  if (text.empty() || text.size() > kLongestChainName) return false;
  for (const char c : text) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string trimmed(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') + 1 - first);
}

// The largest accessibility of each amino acid in a Gly-X-Gly peptide, in
// square ångström (Tien et al. 2013, theoretical), in the order of kAminoAcids.
constexpr std::string_view kAminoAcids = "ARNDCQEGHILKMFPSTWYV";
constexpr double kLargestAccessibility[] = {129, 274, 195, 193, 167, 225, 223, 104, 224, 197,
                                            201, 236, 224, 240, 159, 155, 172, 285, 263, 174};

// The accessibility against its amino acid's largest, 0 to 9.
char relativeAccessibilityDigit(const StructureResidue& residue) {
  const auto at = kAminoAcids.find(residue.letter);
  const double largest = at == std::string_view::npos ? 200 : kLargestAccessibility[at];
  const double relative = std::clamp(residue.accessibility / largest, 0.0, 1.0);
  return static_cast<char>('0' + static_cast<int>(std::lround(relative * 9)));
}

bool isResidue(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string percent(double fraction) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f%%", fraction * 100);
  return text;
}

std::string authorNumber(const StructureResidue& residue) {
  return std::to_string(residue.number) + residue.insertion;
}

// Each residue of the sequence numbered as the chain numbers the one it
// pairs with; one the model lacks counts on from the last numbered before
// it (by its number, whatever its insertion code), or back from the first
// after it where none is before.
std::vector<std::string> authorNumbers(const ChainMatch& match, const StructureChain& chain) {
  const std::vector<int>& paired = match.chainResidueOf;
  std::vector<std::string> numbers(paired.size());
  long long last = 0;
  std::size_t lastAt = 0;
  bool seen = false;
  for (std::size_t r = 0; r < paired.size(); ++r) {
    if (paired[r] < 0) continue;
    const StructureResidue& residue = chain.residues[static_cast<std::size_t>(paired[r])];
    numbers[r] = authorNumber(residue);
    if (!seen) {
      for (std::size_t b = 0; b < r; ++b)
        numbers[b] = std::to_string(residue.number - static_cast<long long>(r - b));
    }
    for (std::size_t b = lastAt + 1; seen && b < r; ++b)
      numbers[b] = std::to_string(last + static_cast<long long>(b - lastAt));
    seen = true;
    last = residue.number;
    lastAt = r;
  }
  for (std::size_t b = lastAt + 1; seen && b < paired.size(); ++b)
    numbers[b] = std::to_string(last + static_cast<long long>(b - lastAt));
  return numbers;
}

// The structure row of sequence `s`, or why the chain is not its structure.
std::string rowFor(const Alignment& alignment, std::size_t s, const StructureChain& chain,
                   std::string& row, std::string& accessibilities,
                   std::vector<std::string>* numbers) {
  const std::string& residues = alignment.residues[s];
  std::string letters;
  std::vector<std::size_t> columnOf;
  for (std::size_t p = 0; p < residues.size(); ++p) {
    if (!isResidue(residues[p])) continue;
    letters += static_cast<char>(std::toupper(static_cast<unsigned char>(residues[p])));
    columnOf.push_back(p);
  }
  const ChainMatch match = matchChain(letters, chain.letters());
  if (match.pairs == 0 || match.identity() < kLeastChainIdentity) {
    std::string why = chain.file + ": chain " + chain.chain + " matches " +
                      trimmed(alignment.names[s]) + " at " + percent(match.identity()) +
                      " identity, below " + percent(kLeastChainIdentity);
    if (!match.mismatches.empty()) {
      why += "; first mismatches (sequence, number, chain):";
      for (const std::string& m : match.mismatches) why += " " + m;
    }
    return why;
  }
  row.assign(residues.size(), '.');
  accessibilities.assign(residues.size(), '.');
  for (std::size_t r = 0; r < columnOf.size(); ++r) {
    const int c = match.chainResidueOf[r];
    if (c < 0) continue;
    const StructureResidue& residue = chain.residues[static_cast<std::size_t>(c)];
    row[columnOf[r]] = residue.state;
    accessibilities[columnOf[r]] = relativeAccessibilityDigit(residue);
  }
  if (numbers) *numbers = authorNumbers(match, chain);
  return {};
}

}  // namespace

std::string structureName(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  if (name.ends_with(".gz")) name.resize(name.size() - 3);
  if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

StructureRequest parseStructureRequest(std::string_view text) {
  StructureRequest request;
  if (const auto equals = text.rfind('='); equals != std::string_view::npos) {
    request.sequence = std::string(text.substr(equals + 1));
    text = text.substr(0, equals);
  }
  if (const auto colon = text.rfind(':');
      colon != std::string_view::npos && isChainName(text.substr(colon + 1))) {
    request.chain = std::string(text.substr(colon + 1));
    text = text.substr(0, colon);
  }
  request.file = std::string(text);
  return request;
}

std::string attachStructure(Alignment& alignment, const StructureChain& chain,
                            const std::string& sequence, bool accessibility, bool numbering) {
  std::string firstProblem;
  bool named = false;
  for (std::size_t s = 0; s < alignment.residues.size() && s < alignment.names.size(); ++s) {
    const std::string name = trimmed(alignment.names[s]);
    if (!sequence.empty() && name != sequence) continue;
    named = true;
    std::string row;
    std::string accessibilities;
    std::vector<std::string> numbers;
    std::string why =
        rowFor(alignment, s, chain, row, accessibilities, numbering ? &numbers : nullptr);
    if (why.empty()) {
      // The first structure attached to a sequence numbers it.
      if (numbering) {
        alignment.ownNumbers.resize(alignment.names.size());
        if (alignment.ownNumbers[s].empty()) alignment.ownNumbers[s] = std::move(numbers);
      }
      const std::string label = "DSSP " + structureName(chain.file) + " " + chain.chain;
      alignment.trackLabels.push_back(label);
      alignment.tracks.push_back(std::move(row));
      if (accessibility) {
        alignment.trackLabels.push_back(label + " acc");
        alignment.tracks.push_back(std::move(accessibilities));
      }
      return {};
    }
    if (firstProblem.empty()) firstProblem = std::move(why);
    if (!sequence.empty()) break;
  }
  if (!named) return chain.file + ": no sequence named " + sequence + " in the alignment";
  if (sequence.empty()) {
    return chain.file + ": chain " + chain.chain +
           " matches no sequence of the alignment well enough (the first: " + firstProblem + ")";
  }
  return firstProblem;
}

}  // namespace hueset
