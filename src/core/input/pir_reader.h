#pragma once

#include "input/alignment_reader.h"

namespace hueset {

// Reads PIR/NBRF: each sequence opens with ">P1;name" (or another type of
// two characters before the ";", such as F1 or DL), the next line is a
// description, and the residue lines that follow end with "*". Blanks
// inside the residues are ignored.
class PirReader : public AlignmentReader {
 public:
  explicit PirReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;
};

}  // namespace hueset
