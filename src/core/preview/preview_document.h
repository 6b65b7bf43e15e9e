#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/annotation_writer.h"
#include "annotate/column_marks.h"
#include "annotate/column_statistics.h"
#include "annotate/elision.h"
#include "annotate/structure_glyphs.h"
#include "groupings/grouping_set.h"

namespace hueset {

// A stretch of a line in one style: from `start` (characters into the line)
// to the next run's start, or to the line's end.
struct PreviewRun {
  std::uint32_t start = 0;
  std::uint32_t style = 0;

  bool operator==(const PreviewRun&) const = default;
};

// One output line. Its characters sit in the document's shared buffers, so a
// line costs the same whatever its length.
struct PreviewLine {
  std::size_t text = 0;      // where its characters start in PreviewDocument::text
  std::uint32_t length = 0;  // characters
  std::uint32_t top = 0;     // half lines above it: a set gap is half a line
  bool hasContent = false;   // the layout said what it shows (blank lines have nothing)
  LineContent content;
};

// The annotation as the writers lay it out: the lines' text with the style of
// every character, the styles (format look-alikes merged, as every writer
// merges them), the font, and what hovering needs to say about a cell.
//
// A style byte per character rather than a record per run: a coloured
// alignment changes style every other cell or so, and a run record would
// take several times the byte. A run is a stretch of equal styles.
struct PreviewDocument {
  std::string text;                      // every line's characters, one after the other
  std::vector<std::uint8_t> textStyles;  // the style of each character of `text`
  std::vector<PreviewLine> lines;
  std::vector<ResidueFormat> styles;  // style 0 is "Default"; at most 256
  std::string fontName;
  std::int32_t fontSize = 100;  // tenths of a point
  std::uint32_t height = 0;     // half lines
  std::size_t widest = 0;       // characters of the longest line

  // Per set: the column statistics (none for a set without sequences) and
  // the sequence names without their padding.
  std::vector<ColumnStatistics> statistics;
  std::vector<std::vector<std::string>> names;
  // The alignment column (from 1) each column shows, 0 for a column standing
  // in for elided ones; empty when nothing was elided.
  ColumnNumbers columnNumbers;
  // The secondary-structure rows drawn as shapes, as a figure draws them;
  // none without a style (rows stay letters).
  std::optional<StructureGlyphStyle> structureStyle;
  std::vector<StructureRow> structureRows;
  // The rows beside the alignment as a figure draws them (mark shapes,
  // frames, conservation bars, the logo), in the layout's columns; per set,
  // the extra row of its bars and the first of its logo.
  ColumnRows columnRows;
  std::vector<std::size_t> conservationRows;
  std::vector<std::size_t> logoRows;

  std::string_view lineText(std::size_t line) const {
    const PreviewLine& l = lines[line];
    return std::string_view(text).substr(l.text, l.length);
  }
  std::span<const std::uint8_t> lineStyles(std::size_t line) const {
    const PreviewLine& l = lines[line];
    return std::span<const std::uint8_t>(textStyles).subspan(l.text, l.length);
  }
  // The line's runs, each as long as it can be.
  std::vector<PreviewRun> lineRuns(std::size_t line) const;
  // The alignment column (from 1) of column `column`; 0 when elided.
  std::int32_t columnNumber(std::size_t column) const {
    if (columnNumbers.empty()) return static_cast<std::int32_t>(column + 1);
    return column < columnNumbers.size() ? columnNumbers[column] : 0;
  }
};

// The number of the residue in column `column` of the sequence that line
// `line` shows, counted as residue numbers count (gaps not, elided residues
// yes, from the "name/start-end" start); none when that cell holds no
// residue or the line no sequence.
std::optional<std::int64_t> residueNumberAt(const PreviewDocument& document, std::size_t line,
                                            std::size_t column);

// The residues in cells [from, to) of `cells`, whose cell i shows column
// `firstColumn` + i: every letter, and for "(n)" standing in for elided
// residues, n (read on past `to` if the number goes on).
std::int64_t residuesInCells(std::string_view cells, std::size_t from, std::size_t to,
                             std::size_t firstColumn, const ColumnNumbers& columnNumbers);

}  // namespace hueset
