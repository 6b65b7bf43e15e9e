#pragma once

#include <cstddef>
#include <string_view>

#include "input/alignment.h"
#include "input/parse_message_sink.h"
#include "input/text_check.h"

namespace hueset {

// The parse options the readers themselves look at.
struct ReadSettings {
  bool dscIgnoreCoil = false;
  bool mergePhdPredictions = false;
  bool ignoreConfidences = false;
  // A2M and A3M: drop the insert columns, keeping only the match states.
  bool matchStatesOnly = false;
  // A2M and A3M: the most residues (rows times columns) the insert columns
  // may widen the alignment to, so a small file of scattered inserts cannot
  // grow into gigabytes.
  std::size_t maxWidenedCells = std::size_t{1024} << 20;
  // FASTA: a name is the first word of its header, without the ">", rather
  // than the whole header, so long UniProt descriptions leave the figure room.
  bool fastaNameFirstWord = false;
};

// Both PHD flavours carry a prediction part after the alignment.
bool isPhd(AlignmentFormat format);

// Reads `text` as `format` into `alignment` (emptied first) with the reader
// the format's row of the format table names: FASTA, CLUSTAL (also the
// alignment part of PHD in SAF form) or MSF (also PHD in MSF form, and DSC);
// for either PHD form the prediction reader then goes on from where the
// first reader stopped; and the Stockholm, A2M/A3M, PHYLIP and PIR readers,
// whose structure rows take the coil option as the DSC row does. Messages
// go to `sink`. False when a reader failed or the format is Undetermined.
bool readAlignment(AlignmentText text, AlignmentFormat format, ParseMessageSink& sink,
                   Alignment& alignment, const ReadSettings& settings = {});
// The same for bytes whose end (their first NUL) is not yet known.
bool readAlignment(std::string_view text, AlignmentFormat format, ParseMessageSink& sink,
                   Alignment& alignment, const ReadSettings& settings = {});

}  // namespace hueset
