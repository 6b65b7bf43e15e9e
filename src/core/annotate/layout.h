#pragma once

#include <vector>

#include "annotate/annotation_writer.h"
#include "input/alignment.h"

namespace hueset {

// What the layout walks: the sets, each with its consensus row as first extra
// row, and parallel to them the format-index strings of their sequences.
// A trailing set of prediction rows has no sequences and an empty result.
struct AnnotatedAlignment {
  std::vector<Alignment> sets;
  // Entry i of results[k].residues holds one format index per column of
  // sequence i of sets[k].
  std::vector<Alignment> results;
};

// How names are justified in the name column.
enum NameJustification : int {
  kJustifyLeft = 0,
  kJustifyCentre = 1,
  kJustifyRight = 2,  // and any other value
};

// Pads every name and extra-row label to the alignment's label width: on the
// right (0), on both sides with the larger half in front (1), or in front
// (any other value).
void justifyNames(Alignment& alignment, int nameJustification);

// Writes the whole body: blocks of `wrapWidth` columns, a blank before every
// group of `columnGroupWidth` columns, names, residues in their formats and
// the uncoloured extra rows. A width of 0 or less means unlimited.
void layOut(const AnnotatedAlignment& annotated, int wrapWidth, int columnGroupWidth,
            AnnotationWriter& writer);

}  // namespace hueset
