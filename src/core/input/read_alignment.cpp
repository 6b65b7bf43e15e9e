#include "input/read_alignment.h"

#include <algorithm>

#include "input/format_readers.h"

namespace hueset {

namespace {

// The structure rows of Stockholm and HH-suite's A3M take the coil option
// as the DSC prediction row does: coil ("C") shows as ".".
bool hideCoil(Alignment& alignment, const ReadSettings& settings) {
  if (settings.dscIgnoreCoil) {
    for (std::string& row : alignment.tracks) std::replace(row.begin(), row.end(), 'C', '.');
  }
  return true;
}

}  // namespace

bool isPhd(AlignmentFormat format) {
  return format == AlignmentFormat::PhdMsf || format == AlignmentFormat::PhdSaf;
}

bool readAlignment(std::string_view text, AlignmentFormat format, ParseMessageSink& sink,
                   Alignment& alignment, const ReadSettings& settings) {
  alignment = Alignment{};
  alignment.format = format;
  ScanPosition after;
  switch (format) {
    case AlignmentFormat::Fasta: {
      FastaReader reader(sink);
      return reader.read(text, alignment);
    }
    case AlignmentFormat::Clustal:
    case AlignmentFormat::PhdSaf: {
      ClustalReader reader(sink);
      if (!reader.read(text, alignment)) return false;
      after = reader.position();
      break;
    }
    case AlignmentFormat::Msf:
    case AlignmentFormat::PhdMsf:
    case AlignmentFormat::Dsc: {
      MsfReader reader(sink, settings);
      if (!reader.read(text, alignment)) return false;
      after = reader.position();
      break;
    }
    case AlignmentFormat::Stockholm: {
      StockholmReader reader(sink);
      return reader.read(text, alignment) && hideCoil(alignment, settings);
    }
    case AlignmentFormat::A2m:
    case AlignmentFormat::A3m: {
      A2mReader reader(sink, settings);
      return reader.read(text, alignment) && hideCoil(alignment, settings);
    }
    case AlignmentFormat::Phylip: {
      PhylipReader reader(sink);
      return reader.read(text, alignment);
    }
    case AlignmentFormat::Pir: {
      PirReader reader(sink);
      return reader.read(text, alignment);
    }
    default:
      return false;
  }
  if (!isPhd(format)) return true;
  PhdReader predictions(sink, settings);
  return predictions.readFrom(text, after, alignment);
}

}  // namespace hueset
