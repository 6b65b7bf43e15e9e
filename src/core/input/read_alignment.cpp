#include "input/read_alignment.h"

#include "input/format_table.h"

namespace hueset {

bool isPhd(AlignmentFormat format) {
  return format == AlignmentFormat::PhdMsf || format == AlignmentFormat::PhdSaf;
}

bool readAlignment(AlignmentText text, AlignmentFormat format, ParseMessageSink& sink,
                   Alignment& alignment, const ReadSettings& settings) {
  alignment = Alignment{};
  alignment.format = format;
  const FormatDescriptor* descriptor = findFormat(format);
  return descriptor && descriptor->read(text, sink, alignment, settings);
}

bool readAlignment(std::string_view text, AlignmentFormat format, ParseMessageSink& sink,
                   Alignment& alignment, const ReadSettings& settings) {
  return readAlignment(AlignmentText::upToNul(text), format, sink, alignment, settings);
}

}  // namespace hueset
