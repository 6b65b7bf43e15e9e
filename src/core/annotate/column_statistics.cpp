#include "annotate/column_statistics.h"

#include <algorithm>
#include <array>

#include "util/parallel.h"

namespace hueset {
namespace {

using Counters = std::array<std::uint32_t, kResidueCodeCount>;

std::string nameOr(const std::vector<ResidueGrouping>& list, std::size_t index,
                   const char* fallback) {
  return index < list.size() ? list[index].name : std::string(fallback);
}

}  // namespace

ColumnStatistics columnStatistics(const Alignment& set, const GroupingSet& groupings,
                                  const ConsensusSettings& settings,
                                  const std::string& invalidResidues) {
  const ConsensusRules rules = consensusRules(groupings);
  const ResidueCodeTable codes =
      buildResidueCodeTable(invalidResidues, settings.allowLowerCase, settings.xIsUnknown);

  ColumnStatistics statistics;
  statistics.threshold = settings.consensusThreshold;
  statistics.names.push_back(nameOr(groupings.groupings, GroupingSet::kDefault, "Default"));
  for (std::size_t i = GroupingSet::kFirstOrdinary; i < groupings.groupings.size(); ++i) {
    if (groupings.groupings[i].active) statistics.names.push_back(groupings.groupings[i].name);
  }
  statistics.names.push_back(nameOr(groupings.groupings, GroupingSet::kSingle, "Single"));

  // A letter listed twice still counts once, as in the consensus's masks.
  std::vector<std::array<bool, 26>> members;
  for (const std::string& residues : rules.members) {
    std::array<bool, 26> member{};
    for (char c : residues) {
      if (c >= 'A' && c <= 'Z') member[static_cast<std::size_t>(c - 'A')] = true;
    }
    members.push_back(member);
  }
  const auto singleIndex = static_cast<std::uint16_t>(members.size() + 1);

  const std::size_t length = set.length > 0 ? static_cast<std::size_t>(set.length) : 0;
  const std::size_t sequences = set.residues.size();
  const std::uint64_t threshold = static_cast<std::uint32_t>(settings.consensusThreshold);
  statistics.columns.resize(length);

  // A tile of columns at a time, rows read along their length, as the
  // consensus does; the counting order (last sequence first) settles ties
  // between letters the same way.
  constexpr std::size_t kTile = 64;
  parallelFor((length + kTile - 1) / kTile, 4, [&](std::size_t firstTile, std::size_t endTile) {
    std::vector<Counters> counters(kTile);
    std::array<ResidueCode, kTile> frequent{};
    for (std::size_t tile = firstTile; tile < endTile; ++tile) {
      const std::size_t first = tile * kTile;
      const std::size_t width = std::min(kTile, length - first);
      std::fill(counters.begin(), counters.end(), Counters{});
      frequent.fill(0);
      for (std::size_t s = sequences; s-- > 0;) {
        const std::string& row = set.residues[s];
        for (std::size_t k = 0; k < width; ++k) {
          const std::size_t c = first + k;
          const ResidueCode code =
              c < row.size() ? codes[static_cast<unsigned char>(row[c])] : kBlankCode;
          if (++counters[k][code] > counters[k][frequent[k]]) frequent[k] = code;
        }
      }
      for (std::size_t k = 0; k < width; ++k) {
        const Counters& column = counters[k];
        ColumnAgreement& out = statistics.columns[first + k];
        std::uint64_t counted = sequences;
        if (!settings.includeBlanks) counted -= column[kBlankCode];
        if (settings.xIsUnknown) counted -= column[kUnknownCode];
        out.counted = static_cast<std::uint32_t>(counted);
        const std::uint64_t required = (counted * threshold + 999) / 1000;

        // The candidates in order of precedence; the first to reach the
        // required count wins, else the largest is the nearest.
        auto consider = [&](std::uint16_t index, std::uint32_t count, char residue) {
          if (out.reached) return;
          if (required > 0 && count >= required) {
            out = ColumnAgreement{index, true, residue, count, out.counted};
          } else if (count > out.agreeing) {
            out.candidate = index;
            out.residue = residue;
            out.agreeing = count;
          }
        };
        if (rules.singleActive && frequent[k] < kBlankCode) {
          consider(singleIndex, column[frequent[k]], static_cast<char>('A' + frequent[k]));
        }
        for (std::size_t j = 0; j < members.size(); ++j) {
          std::uint32_t sum = 0;
          for (std::size_t code = 0; code < 26; ++code) sum += members[j][code] ? column[code] : 0;
          consider(static_cast<std::uint16_t>(j + 1), sum, 0);
        }
      }
    }
  });
  return statistics;
}

}  // namespace hueset
