#pragma once

#include "input/alignment_reader.h"

namespace hueset {

// Reads aligned FASTA: a header line starting with ">" opens each sequence
// (the whole printable header, ">" and description included, is its name),
// and the first word of every following line adds to its residues.
class FastaReader : public AlignmentReader {
 public:
  explicit FastaReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;
};

}  // namespace hueset
