#include "annotate/elision.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "util/parallel.h"
#include "util/text_format.h"

namespace hueset {

namespace {

// The common width of every residue and track string, or false when there
// are no sequences or the rows do not line up.
bool commonWidth(const Alignment& alignment, std::size_t& width) {
  if (alignment.residues.empty()) return false;
  width = alignment.residues.front().size();
  auto sameWidth = [w = width](const std::string& s) { return s.size() == w; };
  return std::all_of(alignment.residues.begin(), alignment.residues.end(), sameWidth) &&
         std::all_of(alignment.tracks.begin(), alignment.tracks.end(), sameWidth);
}

// One sparse region and what every sequence shows in its place.
struct Replacement {
  std::size_t first = 0;  // first column of the region
  std::size_t end = 0;    // one past its last column
  std::size_t width = 0;  // columns left in its place
  std::vector<std::string> rows;
};

class RegionWriter {
 public:
  RegionWriter(const ResiduePresenceTable& presence, std::size_t first, std::size_t end,
               std::size_t width)
      : m_presence(presence), m_first(first), m_end(end), m_width(width) {}

  std::string text(const std::string& row, std::size_t count) const {
    std::string tail = row.substr(m_end - m_width, m_width);
    if (count == 0) return tail;
    if (count == m_width) {
      std::string shown;
      for (std::size_t k = m_first; k < m_end; ++k) {
        if (isResidue(row[k])) shown.push_back(row[k]);
      }
      return shown;
    }
    if (count < m_width) {
      // The residues at the start of the region laid over the tail, if
      // together they show every residue of the region.
      std::string candidate = tail;
      for (std::size_t k = 0; k < m_width && m_first + k < m_end && isResidue(row[m_first + k]);
           ++k) {
        candidate[k] = row[m_first + k];
      }
      if (residueCount(candidate) == count) return candidate;
    }
    return markerForm(tail, count);
  }

 private:
  bool isResidue(char c) const { return m_presence[byteOf(c)]; }

  std::size_t residueCount(const std::string& s) const {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [this](char c) { return isResidue(c); }));
  }

  // "(n)" followed by the tail characters that still fit; n counts the
  // residues of the region that stay hidden.
  std::string markerForm(const std::string& tail, std::size_t count) const {
    std::size_t digits = decimalDigits(count);
    std::size_t hidden = count;
    for (std::size_t p = digits + 2; p < m_width; ++p) {
      if (isResidue(tail[p]) && hidden > 0) --hidden;
    }
    if (decimalDigits(hidden) < digits) {
      if (isResidue(tail[digits + 1]) && hidden > 0) --hidden;
      --digits;
    }
    if (hidden == 0) return tail;
    std::string shown = tail;
    const std::string number = std::to_string(hidden);
    shown[0] = '(';
    for (std::size_t k = 0; k < digits && k < number.size(); ++k) shown[1 + k] = number[k];
    shown[digits + 1] = ')';
    return shown;
  }

  const ResiduePresenceTable& m_presence;
  std::size_t m_first;
  std::size_t m_end;
  std::size_t m_width;
};

// The region's stand-in, or false when it is to stay as it is: a count of
// 1000 or more would not fit in five columns, and a stand-in wider than the
// region would lengthen the rows.
bool makeReplacement(const Alignment& alignment, const ResiduePresenceTable& presence,
                     std::size_t first, std::size_t end, const std::vector<std::size_t>& counters,
                     Replacement& replacement) {
  const std::size_t most = *std::max_element(counters.begin(), counters.end());
  if (most >= 1000) return false;
  const std::size_t width = 2 + decimalDigits(most);
  if (width > end - first) return false;

  const RegionWriter writer(presence, first, end, width);
  replacement.first = first;
  replacement.end = end;
  replacement.width = width;
  replacement.rows.clear();
  replacement.rows.reserve(counters.size());
  for (std::size_t s = 0; s < counters.size(); ++s) {
    replacement.rows.push_back(writer.text(alignment.residues[s], counters[s]));
  }
  return true;
}

// Rebuilds one string with every region (in ascending order) replaced.
template <typename StandIn>
std::string rebuilt(const std::string& row, const std::vector<Replacement>& regions,
                    StandIn standIn) {
  std::string out;
  out.reserve(row.size());
  std::size_t from = 0;
  for (const Replacement& r : regions) {
    out.append(row, from, r.first - from);
    out += standIn(r);
    from = r.end;
  }
  out.append(row, from, std::string::npos);
  return out;
}

}  // namespace

ResiduePresenceTable buildResiduePresenceTable(const std::string& invalidResidues,
                                               bool allowLowerCase) {
  ResiduePresenceTable table{};
  for (char c = 'A'; c <= 'Z'; ++c) table[byteOf(c)] = true;
  for (char c : invalidResidues) table[byteOf(c)] = false;
  if (allowLowerCase) {
    for (char c = 'a'; c <= 'z'; ++c) table[byteOf(c)] = true;
    for (char c : invalidResidues) table[byteOf(toLowerAscii(c))] = false;
  }
  return table;
}

int elisionMinGaps(int sequenceCount, int elisionThreshold) {
  const long long gaps = (static_cast<long long>(sequenceCount) * elisionThreshold + 999) / 1000;
  return static_cast<int>(std::clamp<long long>(gaps, INT_MIN, INT_MAX));
}

namespace {

// The residues in each of the `width` columns of `rows`, counted over
// pieces of the rows on every core.
std::vector<std::size_t> residueCounts(const std::vector<std::string>& rows, std::size_t width,
                                       const ResiduePresenceTable& presence) {
  std::vector<std::size_t> total(width, 0);
  std::mutex merging;
  parallelFor(rows.size(), std::max<std::size_t>(1, (1u << 20) / std::max<std::size_t>(width, 1)),
              [&](std::size_t first, std::size_t end) {
                std::vector<std::size_t> counts(width, 0);
                for (std::size_t r = first; r < end; ++r) {
                  const auto* row = reinterpret_cast<const unsigned char*>(rows[r].data());
                  for (std::size_t c = 0; c < width; ++c) counts[c] += presence[row[c]] ? 1 : 0;
                }
                std::lock_guard<std::mutex> lock(merging);
                for (std::size_t c = 0; c < width; ++c) total[c] += counts[c];
              });
  return total;
}

// The two steps below with the columns' residue counts already taken; the
// first keeps the counts in step with the columns it removes, so the second
// need not count again.
void dropResidueFreeColumns(Alignment& alignment, std::size_t width,
                            std::vector<std::size_t>& counts, ColumnNumbers* columnNumbers) {
  std::vector<char> keep(width, 0);
  for (std::size_t c = 0; c < width; ++c) keep[c] = counts[c] != 0 ? 1 : 0;
  if (std::all_of(keep.begin(), keep.end(), [](char k) { return k != 0; })) return;
  counts.erase(std::remove(counts.begin(), counts.end(), std::size_t{0}), counts.end());

  auto compact = [&keep, width](std::string& s) {
    std::size_t to = 0;
    for (std::size_t c = 0; c < width; ++c) {
      if (keep[c] != 0) s[to++] = s[c];
    }
    s.resize(to);
  };
  std::for_each(alignment.residues.begin(), alignment.residues.end(), compact);
  std::for_each(alignment.tracks.begin(), alignment.tracks.end(), compact);
  if (columnNumbers != nullptr && columnNumbers->size() == width) {
    std::size_t to = 0;
    for (std::size_t c = 0; c < width; ++c) {
      if (keep[c] != 0) (*columnNumbers)[to++] = (*columnNumbers)[c];
    }
    columnNumbers->resize(to);
  }
  alignment.length = static_cast<std::int32_t>(alignment.residues.front().size());
}

// Replacing a region never moves the columns to its left, so the counts
// taken up front hold for the whole right-to-left scan.
void collapseCountedRegions(Alignment& alignment, std::size_t width,
                            const std::vector<std::size_t>& residuesAt,
                            const ResiduePresenceTable& presence, int minGaps,
                            int minimumElisionLength, ColumnNumbers* columnNumbers,
                            bool tracksFollowResidues) {
  const std::vector<std::string>& rows = alignment.residues;
  const std::size_t sequences = rows.size();
  const long long denseAbove = static_cast<long long>(sequences) - minGaps;
  auto dense = [&](long long c) {
    return static_cast<long long>(residuesAt[static_cast<std::size_t>(c)]) > denseAbove;
  };
  auto hasResidue = [&](std::size_t s, long long c) {
    return presence[byteOf(rows[s][static_cast<std::size_t>(c)])] ? 1u : 0u;
  };

  std::vector<Replacement> regions;  // right to left
  std::vector<std::size_t> counters(sequences, 0);
  long long i = static_cast<long long>(width) - 1;
  while (i >= 0) {
    if (dense(i)) {
      --i;
      continue;
    }
    for (std::size_t s = 0; s < sequences; ++s) counters[s] = hasResidue(s, i);
    long long pos = i - 1;
    while (pos >= 0 && !dense(pos)) {
      for (std::size_t s = 0; s < sequences; ++s) counters[s] += hasResidue(s, pos);
      --pos;
    }
    if (i - pos >= minimumElisionLength) {
      Replacement replacement;
      if (makeReplacement(alignment, presence, static_cast<std::size_t>(pos + 1),
                          static_cast<std::size_t>(i + 1), counters, replacement)) {
        regions.push_back(std::move(replacement));
      }
    }
    i = pos - 1;
  }
  if (regions.empty()) return;

  // Applied together, left to right, so each string is rebuilt once.
  std::reverse(regions.begin(), regions.end());
  for (std::size_t s = 0; s < sequences; ++s) {
    alignment.residues[s] =
        rebuilt(alignment.residues[s], regions, [s](const Replacement& r) { return r.rows[s]; });
  }
  for (std::string& track : alignment.tracks) {
    // A stand-in shows what is left of a region's last columns; a track
    // either keeps the same columns or, as it always did, the first ones.
    track = rebuilt(track, regions, [&track, tracksFollowResidues](const Replacement& r) {
      return track.substr(tracksFollowResidues ? r.end - r.width : r.first, r.width);
    });
  }
  if (columnNumbers != nullptr && columnNumbers->size() == width) {
    ColumnNumbers numbers;
    numbers.reserve(width);
    std::size_t from = 0;
    for (const Replacement& r : regions) {
      numbers.insert(numbers.end(), columnNumbers->begin() + static_cast<std::ptrdiff_t>(from),
                     columnNumbers->begin() + static_cast<std::ptrdiff_t>(r.first));
      numbers.insert(numbers.end(), r.width, 0);
      from = r.end;
    }
    numbers.insert(numbers.end(), columnNumbers->begin() + static_cast<std::ptrdiff_t>(from),
                   columnNumbers->end());
    *columnNumbers = std::move(numbers);
  }
  alignment.length = static_cast<std::int32_t>(alignment.residues.front().size());
}

}  // namespace

void removeResidueFreeColumns(Alignment& alignment, const ResiduePresenceTable& presence,
                              ColumnNumbers* columnNumbers) {
  std::size_t width = 0;
  if (!commonWidth(alignment, width)) return;
  std::vector<std::size_t> counts = residueCounts(alignment.residues, width, presence);
  dropResidueFreeColumns(alignment, width, counts, columnNumbers);
}

void collapseSparseRegions(Alignment& alignment, const ResiduePresenceTable& presence, int minGaps,
                           int minimumElisionLength, ColumnNumbers* columnNumbers,
                           bool tracksFollowResidues) {
  std::size_t width = 0;
  if (!commonWidth(alignment, width)) return;
  collapseCountedRegions(alignment, width, residueCounts(alignment.residues, width, presence),
                         presence, minGaps, minimumElisionLength, columnNumbers,
                         tracksFollowResidues);
}

void elideSparseRegions(Alignment& alignment, const ElisionSettings& settings,
                        const std::string& invalidResidues, ColumnNumbers* columnNumbers) {
  const ResiduePresenceTable presence =
      buildResiduePresenceTable(invalidResidues, settings.allowLowerCase);
  if (columnNumbers != nullptr) {
    columnNumbers->resize(alignment.residues.empty() ? 0 : alignment.residues.front().size());
    for (std::size_t c = 0; c < columnNumbers->size(); ++c) {
      (*columnNumbers)[c] = static_cast<std::int32_t>(c + 1);
    }
  }
  std::size_t width = 0;
  if (!commonWidth(alignment, width)) return;
  // One count of the residues serves both steps.
  std::vector<std::size_t> counts = residueCounts(alignment.residues, width, presence);
  dropResidueFreeColumns(alignment, width, counts, columnNumbers);
  collapseCountedRegions(alignment, counts.size(), counts, presence, settings.minGaps,
                         settings.minimumElisionLength, columnNumbers,
                         settings.tracksFollowResidues);
}

}  // namespace hueset
