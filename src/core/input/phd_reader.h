#pragma once

#include "input/alignment_reader.h"

namespace hueset {

// Reads the prediction part of a PHD file, after the alignment part that
// the MSF or CLUSTAL reader took: lines "label |predictions|" from the first
// "AA" line on, up to the line of 70 underscores. Start it with readFrom()
// at the position the alignment reader left, so line numbers continue.
class PhdReader : public AlignmentReader {
 public:
  PhdReader(ParseMessageSink& sink, bool dscIgnoreCoil, bool mergePhdPredictions,
            bool ignoreConfidences);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  void readPredictionLines(Alignment& alignment);
  bool tidyRows(Alignment& alignment);
  void applyOptions(Alignment& alignment) const;

  bool m_dscIgnoreCoil;
  bool m_mergePhdPredictions;
  bool m_ignoreConfidences;
};

}  // namespace hueset
