#pragma once

#include <string>
#include <vector>

#include "annotate/annotation_writer.h"
#include "annotate/layout.h"
#include "groupings/grouping_set.h"

namespace hueset::test {

// A small colour configuration: Lysine and Arginine share one format,
// "Charged" is inactive, "Single" is active.
GroupingSet globinGroupings();

// Five globin fragments in two sets (four and two sequences, one repeated),
// a consensus row per set and a set with one prediction row, 36 columns.
// Formats come from a simple majority rule, so the picture is plausible.
AnnotatedAlignment globinAnnotation(const GroupingSet& groupings);

// Adds the formats, begins, lays the annotation out (wrap 30, groups of 10)
// and ends.
void writeGlobins(AnnotationWriter& writer, const LayoutMarks& marks = {});

// A writer run on hand-made sets: one set per entry of `names`, the residues
// of every sequence drawn in format `formats[i]` throughout.
struct SimpleRun {
  std::vector<ResidueFormat> formats;
  std::vector<std::vector<std::string>> names;
  std::vector<std::vector<std::string>> residues;
  std::vector<std::vector<int>> formatOfSequence;
  std::vector<std::string> consensus;  // one row per set; empty for none
};
void writeSimple(AnnotationWriter& writer, const SimpleRun& run, int wrap = 0, int group = 0);

}  // namespace hueset::test
