#pragma once

#include "input/alignment_reader.h"

namespace hueset {

// Reads Stockholm 1.0: the "# STOCKHOLM 1.0" header, blocks of "name
// residues" lines (interleaved blocks repeat the names), mark-up lines
// beginning "#=GF", "#=GS", "#=GR" and "#=GC", and "//" at the end. Names
// keep any "/start-end" suffix. The consensus secondary structure ("#=GC
// SS_cons") and per-sequence structures ("#=GR name SS") become labelled
// rows like the PHD and DSC predictions; other mark-up is passed over. Of
// several alignments in one text only the first is read, after a question
// that says how many are skipped.
class StockholmReader : public AlignmentReader {
 public:
  explicit StockholmReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool readMarkup(std::string_view line, Alignment& alignment);
  bool skipFurtherAlignments();
};

}  // namespace hueset
