#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "annotate/annotation_writer.h"
#include "annotate/column_marks.h"
#include "annotate/consensus.h"
#include "input/alignment.h"

namespace hueset {

// What the layout walks: the sets, and parallel to them what their consensus
// made of them, whose row comes first among the set's extra rows. A trailing
// set of prediction rows has no sequences and an empty result.
struct AnnotatedAlignment {
  std::vector<Alignment> sets;
  std::vector<ConsensusRows> results;
  // The alignment column (from 1) each column shows, 0 where it stands in for
  // an elided region (see elideSparseRegions). Empty: column p is column p + 1.
  std::vector<std::int32_t> columnNumbers;
  // Marks, frames and conservation, in these columns; empty: none.
  ColumnRows rows;
};

// What the layout adds beyond the annotation itself. All off gives exactly
// the plain layout, call for call.
struct LayoutMarks {
  // Each sequence's first residue number on a line before its residues and
  // the last after them. Residues are letters; gaps are not counted, elided
  // residues are. A "name/start-end" suffix sets the first number.
  bool residueNumbers = false;
  // Above every block, a line of alignment column numbers every
  // `rulerInterval` columns and a line with a tick every 10 columns.
  bool ruler = false;
  int rulerInterval = 10;
  // The ruler as a figure draws it: a tick under every number, and a
  // number at a block's first column written from there on rather than
  // dropped. Rich Text and HTML keep the ruler they always had.
  bool figureRuler = false;
  // Secondary-structure rows placed as a figure places them: a sequence's
  // own row on the line under it, a reference structure's above the block,
  // rather than among the set's extra rows.
  bool structureUnderSequence = false;
};

// The extra rows of set k as the layout numbers them (LineContent::row): its
// consensus row first, where it has one, then its conservation row and its
// logo's rows, where it has them, then the set's own.
std::size_t extraRowCount(const AnnotatedAlignment& annotated, std::size_t k);
// The extra row of set k that holds its conservation, and the first of its
// logo; none: past its rows.
std::size_t conservationRowOf(const AnnotatedAlignment& annotated, std::size_t k);
std::size_t logoRowOf(const AnnotatedAlignment& annotated, std::size_t k);
// The label and the cells of extra row d of set k; empty past the labels.
const std::string& extraRowLabel(const AnnotatedAlignment& annotated, std::size_t k, std::size_t d);
const std::string& extraRowCells(const AnnotatedAlignment& annotated, std::size_t k, std::size_t d);

// How names are justified in the name column.
enum NameJustification : int {
  kJustifyLeft = 0,
  kJustifyCentre = 1,
  kJustifyRight = 2,  // and any other value
};

// Pads `entry` to `width`: on the right (0), on both sides with the larger
// half in front (1), or in front (any other value).
void justify(std::string& entry, std::size_t width, int nameJustification);

// Pads every name and extra-row label to the alignment's label width.
void justifyNames(Alignment& alignment, int nameJustification);

// Asked before each block with the columns laid out so far and the
// alignment's length; false stops the layout there.
using LayoutProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Writes the whole body: blocks of `wrapWidth` columns, a blank before every
// group of `columnGroupWidth` columns, names, residues in their formats and
// the uncoloured extra rows. A width of 0 or less means unlimited. False when
// `progress` stopped it.
bool layOut(const AnnotatedAlignment& annotated, int wrapWidth, int columnGroupWidth,
            AnnotationWriter& writer, const LayoutMarks& marks = {},
            const LayoutProgress& progress = {});

// How many cells the widest line of a layout at `wrap` columns takes, marks
// included.
std::size_t widestLineCells(const AnnotatedAlignment& annotated, int columnGroupWidth,
                            const LayoutMarks& marks, int wrap);

// The widest wrap whose lines, marks included, are at most `lineCharacters`
// long; at least 1, at most the alignment length.
int widestWrapThatFits(const AnnotatedAlignment& annotated, int columnGroupWidth,
                       const LayoutMarks& marks, int lineCharacters);

}  // namespace hueset
