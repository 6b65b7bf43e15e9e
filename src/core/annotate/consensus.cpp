#include "annotate/consensus.h"

#include <algorithm>
#include <cstdint>

#include "util/parallel.h"
#include "util/text_format.h"

namespace hueset {

namespace {

// Counters padded to a power of two so the grouping sums are plain masked
// additions over one block.
constexpr std::size_t kPaddedCodes = 32;
using CodeCounters = std::array<std::uint32_t, kPaddedCodes>;
using CodeMask = std::array<std::uint32_t, kPaddedCodes>;  // 0 or all ones

CodeMask membershipMask(const std::string& residues) {
  CodeMask mask{};
  for (char c : residues) {
    if (c >= 'A' && c <= 'Z') mask[static_cast<std::size_t>(c - 'A')] = ~std::uint32_t{0};
  }
  return mask;
}

std::uint64_t maskedSum(const CodeCounters& counters, const CodeMask& mask) {
  std::uint32_t sum = 0;
  for (std::size_t k = 0; k < kPaddedCodes; ++k) sum += counters[k] & mask[k];
  return sum;
}

std::size_t activeOrdinaryCount(const GroupingSet& groupings) {
  std::size_t n = 0;
  for (std::size_t i = GroupingSet::kFirstOrdinary; i < groupings.groupings.size(); ++i) {
    if (groupings.groupings[i].active) ++n;
  }
  return n;
}

std::string tooManyGroupingsMessage(std::size_t active) {
  return "There are " + std::to_string(active) + " active residue groupings, but at most " +
         std::to_string(kMaxActiveGroupings) +
         " can be used to annotate an alignment.\r\n"
         "Please make some of the groupings inactive and try again.";
}

// The code with the most votes in a column. Counting runs from the last
// sequence up, and of codes with equally many votes the one that got there
// first wins; only a tie needs the column walked again to find it.
template <typename CodeOf>
ResidueCode leadingCode(const CodeCounters& counters, CodeOf codeOf, std::size_t sequences) {
  std::uint32_t most = 0;
  ResidueCode leader = 0;
  int tied = 0;
  for (std::size_t code = 0; code < kResidueCodeCount; ++code) {
    if (counters[code] > most) {
      most = counters[code];
      leader = static_cast<ResidueCode>(code);
      tied = 1;
    } else if (counters[code] == most && most > 0) {
      ++tied;
    }
  }
  if (tied <= 1) return leader;
  CodeCounters seen{};
  for (std::size_t s = sequences; s-- > 0;) {
    const ResidueCode code = codeOf(s);
    if (++seen[code] == most) return code;
  }
  return leader;
}

}  // namespace

ResidueCodeTable buildResidueCodeTable(const std::string& invalidResidues, bool allowLowerCase,
                                       bool xIsUnknown) {
  ResidueCodeTable table;
  table.fill(kBlankCode);
  for (char c = 'A'; c <= 'Z'; ++c) table[byteOf(c)] = static_cast<ResidueCode>(c - 'A');
  for (char c : invalidResidues) table[byteOf(c)] = kBlankCode;
  if (allowLowerCase) {
    for (char c = 'a'; c <= 'z'; ++c) table[byteOf(c)] = static_cast<ResidueCode>(c - 'a');
    for (char c : invalidResidues) table[byteOf(toLowerAscii(c))] = kBlankCode;
  }
  if (xIsUnknown) {
    table[byteOf('X')] = kUnknownCode;
    if (allowLowerCase) table[byteOf('x')] = kUnknownCode;
  }
  return table;
}

ConsensusRules consensusRules(const GroupingSet& groupings) {
  const auto& list = groupings.groupings;
  const ResidueGrouping standIn;
  const ResidueGrouping& fallback =
      list.size() > GroupingSet::kDefault ? list[GroupingSet::kDefault] : standIn;
  const ResidueGrouping& single =
      list.size() > GroupingSet::kSingle ? list[GroupingSet::kSingle] : standIn;

  ConsensusRules rules;
  rules.formats.push_back(fallback.format);
  rules.markers.push_back(fallback.marker);
  for (std::size_t i = GroupingSet::kFirstOrdinary; i < list.size(); ++i) {
    if (!list[i].active) continue;
    rules.formats.push_back(list[i].format);
    rules.markers.push_back(list[i].marker);
    rules.members.push_back(list[i].residues);
  }
  rules.formats.push_back(single.format);
  rules.markers.push_back(single.marker);
  rules.singleActive = list.size() > GroupingSet::kSingle && single.active;
  return rules;
}

namespace {

// Columns are decided a tile at a time: each row's piece of the tile is one
// cache line, and tiles are independent, so they go to all cores.
constexpr std::size_t kTile = 64;

// What one thread keeps from tile to tile.
struct TileScratch {
  std::vector<CodeCounters> counters = std::vector<CodeCounters>(kTile);
  std::array<ResidueCode, kTile> candidates{};
  // The format index each residue code gets in a column; none by default.
  std::vector<std::array<char, kPaddedCodes>> assigned =
      std::vector<std::array<char, kPaddedCodes>>(kTile);
};

// Decides the columns of one set, a tile at a time, into `formats` and
// `markers`; the tiles of one call may be decided on any threads.
class TileDecider {
 public:
  TileDecider(const Alignment& set, const ConsensusRules& rules, const ConsensusSettings& settings,
              const std::string& invalidResidues, std::vector<std::string>& formats,
              std::string& markers)
      : m_residues(set.residues),
        m_rules(rules),
        m_settings(settings),
        m_codes(
            buildResidueCodeTable(invalidResidues, settings.allowLowerCase, settings.xIsUnknown)),
        m_sequences(set.residues.size()),
        m_singleIndex(static_cast<char>(rules.members.size() + 1)),
        // The stored threshold is taken as an unsigned 32-bit number; the
        // product is formed in 64 bits so that no count of sequences can wrap it.
        m_threshold(static_cast<std::uint32_t>(settings.consensusThreshold)),
        m_formats(formats),
        m_markers(markers) {
    m_masks.reserve(rules.members.size());
    for (const auto& members : rules.members) m_masks.push_back(membershipMask(members));
  }

  void decide(std::size_t tile, std::size_t length, TileScratch& scratch) const {
    const std::size_t first = tile * kTile;
    const std::size_t width = std::min(kTile, length - first);
    count(first, width, scratch);
    if (assign(first, width, scratch)) writeFormats(first, width, scratch);
  }

 private:
  ResidueCode codeAt(const std::string& row, std::size_t c) const {
    return c < row.size() ? m_codes[byteOf(row[c])] : kBlankCode;
  }

  // Each column's votes, and the code that leads it.
  void count(std::size_t first, std::size_t width, TileScratch& scratch) const {
    std::fill(scratch.counters.begin(), scratch.counters.end(), CodeCounters{});
    scratch.candidates.fill(0);
    for (const std::string& row : m_residues) {
      if (row.size() >= first + width) {
        const auto* cells = reinterpret_cast<const unsigned char*>(row.data()) + first;
        for (std::size_t k = 0; k < width; ++k) ++scratch.counters[k][m_codes[cells[k]]];
      } else {
        for (std::size_t k = 0; k < width; ++k) ++scratch.counters[k][codeAt(row, first + k)];
      }
    }
    for (std::size_t k = 0; k < width; ++k) {
      scratch.candidates[k] = leadingCode(
          scratch.counters[k], [&](std::size_t s) { return codeAt(m_residues[s], first + k); },
          m_sequences);
    }
  }

  // Each column's marker and the format index of each residue code in it.
  // False when every cell of the tile stays "Default".
  bool assign(std::size_t first, std::size_t width, TileScratch& scratch) const {
    bool anyAssigned = false;
    for (std::size_t k = 0; k < width; ++k) {
      auto& assigned = scratch.assigned[k];
      assigned.fill(0);
      const CodeCounters& column = scratch.counters[k];
      const ResidueCode candidate = scratch.candidates[k];
      std::uint64_t counted = m_sequences;
      if (!m_settings.includeBlanks) counted -= column[kBlankCode];
      if (m_settings.xIsUnknown) counted -= column[kUnknownCode];
      const std::uint64_t required = (counted * m_threshold + 999) / 1000;
      if (required == 0) continue;  // already "Default"

      if (m_rules.singleActive && candidate < kBlankCode && column[candidate] >= required) {
        m_markers[first + k] = static_cast<char>('A' + candidate);
        assigned[candidate] = m_singleIndex;
        anyAssigned = true;
        continue;
      }
      for (std::size_t j = 0; j < m_masks.size(); ++j) {
        const CodeMask& mask = m_masks[j];
        if (maskedSum(column, mask) < required) continue;
        m_markers[first + k] = m_rules.markers[j + 1];
        for (std::size_t code = 0; code < kPaddedCodes; ++code) {
          if (mask[code] != 0) assigned[code] = static_cast<char>(j + 1);
        }
        anyAssigned = true;
        break;
      }
    }
    return anyAssigned;
  }

  void writeFormats(std::size_t first, std::size_t width, const TileScratch& scratch) const {
    for (std::size_t s = 0; s < m_sequences; ++s) {
      const std::string& row = m_residues[s];
      char* out = m_formats[s].data() + first;
      if (row.size() >= first + width) {
        const auto* cells = reinterpret_cast<const unsigned char*>(row.data()) + first;
        for (std::size_t k = 0; k < width; ++k) out[k] = scratch.assigned[k][m_codes[cells[k]]];
      } else {
        for (std::size_t k = 0; k < width; ++k)
          out[k] = scratch.assigned[k][codeAt(row, first + k)];
      }
    }
  }

  const std::vector<std::string>& m_residues;
  const ConsensusRules& m_rules;
  const ConsensusSettings& m_settings;
  const ResidueCodeTable m_codes;
  std::vector<CodeMask> m_masks;
  const std::size_t m_sequences;
  const char m_singleIndex;
  const std::uint64_t m_threshold;
  std::vector<std::string>& m_formats;
  std::string& m_markers;
};

// The rows are made on every core: for a large alignment, claiming and
// clearing their memory is a good part of the work.
void claimFormatRows(std::vector<std::string>& formats, std::size_t sequences, std::size_t length) {
  formats.assign(sequences, std::string());
  parallelFor(sequences,
              std::max<std::size_t>(1, (std::size_t{1} << 18) / std::max<std::size_t>(length, 1)),
              [&](std::size_t begin, std::size_t end) {
                for (std::size_t s = begin; s < end; ++s) formats[s].assign(length, '\0');
              });
}

}  // namespace

ConsensusStatus computeConsensus(const Alignment& set, ConsensusRows& result,
                                 const GroupingSet& groupings, const ConsensusSettings& settings,
                                 const std::string& invalidResidues) {
  const std::size_t active = activeOrdinaryCount(groupings);
  if (active > kMaxActiveGroupings) return {false, tooManyGroupingsMessage(active)};

  const ConsensusRules rules = consensusRules(groupings);
  const std::size_t length = set.length > 0 ? static_cast<std::size_t>(set.length) : 0;
  claimFormatRows(result.formats, set.residues.size(), length);
  result.row.assign(length, rules.markers[0]);

  const TileDecider decider(set, rules, settings, invalidResidues, result.formats, result.row);
  parallelFor((length + kTile - 1) / kTile, 4, [&](std::size_t firstTile, std::size_t endTile) {
    TileScratch scratch;
    for (std::size_t tile = firstTile; tile < endTile; ++tile)
      decider.decide(tile, length, scratch);
  });
  return {};
}

}  // namespace hueset
