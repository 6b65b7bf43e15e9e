#pragma once

#include "input/alignment_reader.h"

namespace hueset {

// Reads MSF: a header line with "MSF:", the length and "Type: P"; a names
// section of "Name:" lines closed by "//"; then interleaved blocks of lines
// that start with a sequence name. It also reads the alignment part of a PHD
// prediction in MSF form (up to the line of 70 underscores) and of a DSC
// prediction, whose last four rows become prediction rows. The alignment's
// format, set by the caller, chooses which of these it is.
class MsfReader : public AlignmentReader {
 public:
  MsfReader(ParseMessageSink& sink, bool dscIgnoreCoil, bool ignoreConfidences);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool readHeader(Alignment& alignment);
  bool readNames(Alignment& alignment);
  bool readData(Alignment& alignment);
  bool readDscRows(Alignment& alignment);

  bool m_dscIgnoreCoil;
  bool m_ignoreConfidences;
};

}  // namespace hueset
