#pragma once

#include "input/alignment_reader.h"

namespace hueset {

// Reads interleaved "name residues" lines: CLUSTAL (a header line starting
// with "CLUSTAL", blocks in which conservation lines and rulers start with
// blanks and a residue count may follow the residues), and the alignment
// part of a PHD prediction in SAF form (after a "# saf" line, with "#"
// comments, up to the line of 70 underscores). A sequence first named in a
// later block is added at the end. The alignment's format, set by the caller,
// chooses which of the two it is.
class ClustalReader : public AlignmentReader {
 public:
  explicit ClustalReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool findSafStart();
};

}  // namespace hueset
