#pragma once

#include <vector>

#include "input/alignment_reader.h"

namespace hueset {

// Reads A2M and A3M, the aligned FASTA of profile-HMM tools. Capital letters
// and "-" are match states, one column each in every sequence; lower-case
// letters are insert states, and "." fills the insert columns of the other
// sequences in A2M, while A3M leaves those gaps out. Both are expanded to
// one full matrix: the insert columns are kept (lower case, so the options
// on lower case apply), or dropped when only the match states are wanted.
// The name is the first word of the header, without the ">". HH-suite's
// secondary-structure rows ("ss_pred", "ss_dssp" and the confidences
// "ss_conf") become labelled rows like the PHD predictions.
class A2mReader : public AlignmentReader {
 public:
  A2mReader(ParseMessageSink& sink, bool matchStatesOnly, bool ignoreConfidences);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool readLines(Alignment& alignment, std::vector<int>& firstLines);
  bool expand(Alignment& alignment, const std::vector<int>& firstLines);

  bool m_matchStatesOnly;
  bool m_ignoreConfidences;
};

}  // namespace hueset
