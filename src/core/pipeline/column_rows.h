#pragma once

#include <string>

#include "annotate/layout.h"

namespace hueset {

struct Options;
struct GroupingSet;

// The conservation row's name in the name column.
inline constexpr std::string_view kConservationLabel = "Conservation";
// The logo's, on its last line.
inline constexpr std::string_view kLogoLabel = "Logo";

// The name-column labels the options add beside the consensus row's.
std::size_t columnRowLabelWidth(const Options& options);

// The sequence the options name as the reference, found before the columns
// are cut: its name as the layout shows it and its residue number at every
// alignment column.
struct ReferenceSequence {
  std::string name;  // empty: no reference
  std::vector<std::int32_t> numbers;
};

// The reference by name (blanks around it ignored) or by number from 1;
// `problem` says why none was found when one was asked for.
ReferenceSequence findReference(const Alignment& alignment, const Options& options,
                                std::string& problem);

// How residues identical to the reference's are shaded.
inline constexpr ResidueFormat kIdenticalFormat{0x000000, 0xE0C8A8, false, true};

// With shadeIdentical and a reference, gives every residue identical to the
// reference's in its column (letters alike in either case) the format
// `formatIndex`, whatever the groupings gave it, in every set; a column
// standing in for an elided region keeps its formats.
void shadeIdenticalResidues(AnnotatedAlignment& annotated, std::size_t formatIndex);

// With a chosen range of columns, cuts every set (and the prediction rows
// of `alignment`) to it, numbering the columns shown; why the range cannot
// be read, empty when it can (and when there is none).
std::string keepChosenColumns(AnnotatedAlignment& annotated, Alignment& alignment,
                              const Options& options, const ReferenceSequence& reference);

// Fills `annotated.rows` from the options: each set's conservation (after
// its consensus), the marks and the frames, placed on the columns laid out.
// A figure draws bars and shapes where the text forms write characters.
// With a reference, the ruler, marks and frames count its residues.
// Why the marks or frames cannot be read; empty when they can.
std::string addColumnRows(AnnotatedAlignment& annotated, const Options& options,
                          const GroupingSet& groupings, const std::string& invalidResidues,
                          bool figure, std::size_t labelWidth, int nameJustification,
                          const ReferenceSequence& reference = {});

}  // namespace hueset
