#pragma once

// Runs the reader for a format the way the annotation driver does: FASTA,
// CLUSTAL (also for the alignment part of PHD in SAF form) or MSF (also for
// PHD in MSF form and DSC), then, for either PHD form, the prediction part
// from where the first reader stopped. Shared by the reader tests and the
// fuzz target.

#include <string_view>

#include "input/alignment.h"
#include "input/clustal_reader.h"
#include "input/fasta_reader.h"
#include "input/msf_reader.h"
#include "input/parse_message_sink.h"
#include "input/phd_reader.h"

namespace hueset::testing {

struct ReadFlags {
  bool dscIgnoreCoil = false;
  bool mergePhdPredictions = false;
  bool ignoreConfidences = false;
};

inline bool readAlignment(std::string_view text, AlignmentFormat format, ParseMessageSink& sink,
                          Alignment& alignment, ReadFlags flags = {}) {
  alignment = Alignment{};
  alignment.format = format;
  ScanPosition end;
  switch (format) {
    case AlignmentFormat::Fasta: {
      FastaReader reader(sink);
      return reader.read(text, alignment);
    }
    case AlignmentFormat::Clustal:
    case AlignmentFormat::PhdSaf: {
      ClustalReader reader(sink);
      if (!reader.read(text, alignment)) return false;
      end = reader.position();
      break;
    }
    case AlignmentFormat::Msf:
    case AlignmentFormat::PhdMsf:
    case AlignmentFormat::Dsc: {
      MsfReader reader(sink, flags.dscIgnoreCoil, flags.ignoreConfidences);
      if (!reader.read(text, alignment)) return false;
      end = reader.position();
      break;
    }
    default:
      return false;
  }
  if (format != AlignmentFormat::PhdMsf && format != AlignmentFormat::PhdSaf) return true;
  PhdReader predictions(sink, flags.dscIgnoreCoil, flags.mergePhdPredictions,
                        flags.ignoreConfidences);
  return predictions.readFrom(text, end, alignment);
}

}  // namespace hueset::testing
