#pragma once

#include <string>

#include "annotate/layout.h"

namespace hueset {

struct Options;
struct GroupingSet;

// The conservation row's name in the name column.
inline constexpr std::string_view kConservationLabel = "Conservation";

// The name-column labels the options add beside the consensus row's.
std::size_t columnRowLabelWidth(const Options& options);

// Fills `annotated.rows` from the options: each set's conservation (after
// its consensus), the marks and the frames, placed on the columns laid out.
// A figure draws bars and shapes where the text forms write characters.
// Why the marks or frames cannot be read; empty when they can.
std::string addColumnRows(AnnotatedAlignment& annotated, const Options& options,
                          const GroupingSet& groupings, const std::string& invalidResidues,
                          bool figure, std::size_t labelWidth, int nameJustification);

}  // namespace hueset
