#pragma once

#include "input/alignment.h"

namespace hueset {

// A DSC prediction is an MSF alignment whose last four rows are the
// predicted state and the helix, strand and coil probabilities, named
// either "DSC", "P_H", "P_E", "P_C" or "DSC_SEC", "PROB_H", "PROB_E",
// "PROB_C".

// True when the alignment has at least five rows and the last four carry
// one of the two name sets. Otherwise the alignment is marked as plain MSF.
bool hasDscRows(Alignment& alignment);

// Moves the last four rows into the prediction rows: with `ignoreConfidences`
// only the state row stays; with `dscIgnoreCoil` coil shows as "." and the
// coil probability row goes.
void moveDscRows(Alignment& alignment, bool dscIgnoreCoil, bool ignoreConfidences);

}  // namespace hueset
