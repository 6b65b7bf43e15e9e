#include "structure/structure_attachment.h"

#include <cctype>
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

bool isResidue(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string percent(double fraction) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f%%", fraction * 100);
  return text;
}

// The structure row of sequence `s`, or why the chain is not its structure.
std::string rowFor(const Alignment& alignment, std::size_t s, const StructureChain& chain,
                   std::string& row) {
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
  for (std::size_t r = 0; r < columnOf.size(); ++r) {
    const int c = match.chainResidueOf[r];
    if (c >= 0) row[columnOf[r]] = chain.residues[static_cast<std::size_t>(c)].state;
  }
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
                            const std::string& sequence) {
  std::string firstProblem;
  bool named = false;
  for (std::size_t s = 0; s < alignment.residues.size() && s < alignment.names.size(); ++s) {
    const std::string name = trimmed(alignment.names[s]);
    if (!sequence.empty() && name != sequence) continue;
    named = true;
    std::string row;
    std::string why = rowFor(alignment, s, chain, row);
    if (why.empty()) {
      alignment.trackLabels.push_back("DSSP " + structureName(chain.file) + " " + chain.chain);
      alignment.tracks.push_back(std::move(row));
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
