#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "annotate/column_statistics.h"
#include "annotate/sequence_logo.h"

namespace hueset {

// What a mark over a column looks like.
enum class MarkSymbol : std::uint8_t { None = 0, Triangle, Star, Dot, Letter };

// Columns [first, last] (from 1) carry one mark.
struct ColumnMark {
  std::int32_t first = 0;
  std::int32_t last = 0;
  MarkSymbol symbol = MarkSymbol::Triangle;
  char letter = 0;  // the letter of a MarkSymbol::Letter mark

  bool operator==(const ColumnMark&) const = default;
};

// Columns [first, last], from 1.
struct ColumnRange {
  std::int32_t first = 0;
  std::int32_t last = 0;

  bool operator==(const ColumnRange&) const = default;
};

// "45,67,120-122:star; 30:K": lists of columns and ranges, each list with an
// optional symbol after a colon (triangle, star, dot, or one letter or
// digit; a triangle when none), lists parted by ';'. Empty `problem` when
// the whole text was taken.
struct ParsedMarks {
  std::vector<ColumnMark> marks;
  std::string problem;
};
ParsedMarks parseColumnMarks(std::string_view text);

// "30-52,60": columns and ranges parted by ',' or ';', in the order given.
struct ParsedRanges {
  std::vector<ColumnRange> ranges;
  std::string problem;
};
ParsedRanges parseColumnRanges(std::string_view text);

// The share of a column's counted sequences that its consensus candidate
// holds, counted as columnStatistics counts it: the grouping or residue the
// consensus chose when `reached`, else the nearest.
struct ColumnConservation {
  std::uint32_t agreeing = 0;
  std::uint32_t counted = 0;
  bool reached = false;
  // False for a column that stands in for an elided region: it is no
  // alignment column, so it has no conservation.
  bool shown = true;

  double share() const { return counted == 0 ? 0.0 : static_cast<double>(agreeing) / counted; }
  bool operator==(const ColumnConservation&) const = default;
};

// Every column of `statistics`; `columnNumbers` as AnnotatedAlignment has
// them (0 for a stand-in, empty when nothing was elided).
std::vector<ColumnConservation> columnConservation(const ColumnStatistics& statistics,
                                                   const std::vector<std::int32_t>& columnNumbers);

// The tenths of the share, '0' to '9' (a whole column is '9'); a blank for
// a column that is not shown.
char conservationDigit(const ColumnConservation& column);

// The grey a conservation bar of `share` is drawn in (a figure and the
// preview): darker the higher, and paler where the column reached no
// consensus.
Colour conservationShade(double share, bool reached);

// Where a figure row's bar and a frame are drawn, in fractions of a line's
// height and a cell's width: the same in a figure and the preview.
inline constexpr double kBarTop = 0.1;     // the bar of a whole column reaches this high
inline constexpr double kBarBottom = 0.9;  // the bar of an empty one sits here
inline constexpr double kBarInset = 0.1;   // blank at either side of a bar
inline constexpr double kFrameWeight = 0.08;

// The character that stands for a mark in Rich Text, HTML and the preview.
char markCharacter(MarkSymbol symbol, char letter);

// The outline of a drawn mark around (centre, middle), `half` the cell's
// half width, as x, y pairs one after the other: the same shape in a figure
// and the preview. Empty for a letter, which is drawn as text.
std::vector<double> markCorners(MarkSymbol symbol, double centre, double middle, double half);

// A logo is this many lines high.
inline constexpr std::size_t kLogoLines = 3;

// The ruler line (LineContent::row of a Ruler line) that holds the marks.
inline constexpr std::uint32_t kMarkRulerRow = 2;

// The rows beside the alignment that the layout draws for the marks, the
// frames and the conservation, all in the layout's columns (after elision
// or a choice of columns).
struct ColumnRows {
  // Per set: the conservation of each column, and the row of digits (in a
  // figure, blanks: it draws bars) under the consensus row. Empty: none.
  std::vector<std::vector<ColumnConservation>> conservation;
  std::vector<std::string> conservationCells;
  std::string conservationLabel;
  // Per set: its sequence logo, drawn by a figure over kLogoLines blank
  // extra rows under the conservation row (the last named logoLabels'
  // last); empty: none. A letter's colour is letterColours' of it.
  std::vector<std::vector<LogoColumn>> logo;
  std::vector<std::string> logoLabels;  // kLogoLines entries, or none
  std::string logoCells;                // blanks, a column each
  std::array<Colour, 26> letterColours{};
  // The line above every block: a mark's character per column (in a
  // figure, only the letters: it draws the shapes). Empty: no such line.
  std::string markCells;
  std::vector<MarkSymbol> markSymbols;  // per column
  // Per column: 0, or the number (from 1) of the frame around it.
  std::vector<std::uint16_t> frames;
  // Per column, what the ruler numbers it: the reference sequence's residue
  // number, 0 at its gaps. Empty: the alignment's column numbers.
  std::vector<std::int32_t> rulerNumbers;
  // Per set, per sequence: the residues of columns left out of a chosen
  // range, as (the layout column after them, how many), so that residue
  // numbers stay true. Empty: none left out.
  using HiddenResidues = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  std::vector<std::vector<HiddenResidues>> hidden;
  // The format index (after the groupings') that residues identical to the
  // reference's in their column are drawn in; -1: none.
  int identityFormat = -1;
  // The reference sequence's line, marked in a figure under its name's
  // cells [nameFirst, nameEnd); set -1 without one.
  std::int32_t referenceSet = -1;
  std::uint32_t referenceRow = 0;
  std::uint32_t nameFirst = 0;
  std::uint32_t nameEnd = 0;

  bool hasConservation(std::size_t set) const {
    return set < conservationCells.size() && !conservationCells[set].empty();
  }
  bool hasLogo(std::size_t set) const { return set < logo.size() && !logo[set].empty(); }
};

// Per alignment column: the residue number of `residues` there (letters are
// residues, counted from `start`), 0 where it has none.
std::vector<std::int32_t> residueNumbersOf(const std::string& residues, int start);
// The same from the residues' own numbers (Alignment::ownNumbers): a number
// with an insertion code ("52A") is none a ruler or a range can name, so 0.
std::vector<std::int32_t> residueNumbersOf(const std::string& residues,
                                           const std::vector<std::string>& own);

// `ranges` in the residue numbers of `numbers` (see residueNumbersOf) as
// alignment columns, from the column of the first residue to that of the
// last; a range of none of its residues is dropped.
std::vector<ColumnRange> alignmentColumnsOf(const std::vector<ColumnRange>& ranges,
                                            const std::vector<std::int32_t>& numbers);

// Keeps only the columns of `set` that `keep` marks (by alignment column,
// from 0), in its residues and tracks, and gives the residues of each
// sequence that were left out (see ColumnRows::hidden).
std::vector<ColumnRows::HiddenResidues> keepColumns(Alignment& set, const std::vector<bool>& keep);

// The layout's columns of `length` that alignment columns [first, last]
// are shown at; `columnNumbers` as AnnotatedAlignment has them.
std::vector<std::size_t> layoutColumnsOf(const ColumnRange& range,
                                         const std::vector<std::int32_t>& columnNumbers,
                                         std::size_t length);

// Places `marks` and `frames` (alignment columns) on the layout's columns.
// A figure draws mark shapes, so its cells keep only the letters.
void placeMarks(ColumnRows& rows, const std::vector<ColumnMark>& marks,
                const std::vector<ColumnRange>& frames,
                const std::vector<std::int32_t>& columnNumbers, std::size_t length, bool figure);

}  // namespace hueset
