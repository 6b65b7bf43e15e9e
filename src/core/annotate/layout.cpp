#include "annotate/layout.h"

#include <algorithm>
#include <string>

namespace hueset {
namespace {

void justify(std::string& entry, std::size_t width, int nameJustification) {
  if (entry.size() >= width) return;
  const std::size_t padding = width - entry.size();
  switch (nameJustification) {
    case kJustifyLeft:
      entry.append(padding, ' ');
      break;
    case kJustifyCentre:
      entry.insert(0, (padding + 1) / 2, ' ');
      entry.append(padding / 2, ' ');
      break;
    default:
      entry.insert(0, padding, ' ');
      break;
  }
}

// Cells beyond the end of a short string are drawn as blanks in "Default",
// so a malformed set can never read past its strings.
char cellAt(const std::string& row, std::size_t column) {
  return column < row.size() ? row[column] : ' ';
}

int formatAt(const std::string* formats, std::size_t column) {
  if (formats == nullptr || column >= formats->size()) return 0;
  return static_cast<unsigned char>((*formats)[column]);
}

}  // namespace

void justifyNames(Alignment& alignment, int nameJustification) {
  const auto width = static_cast<std::size_t>(alignment.labelWidth());
  for (auto& name : alignment.names) justify(name, width, nameJustification);
  for (auto& label : alignment.trackLabels) justify(label, width, nameJustification);
}

void layOut(const AnnotatedAlignment& annotated, int wrapWidth, int columnGroupWidth,
            AnnotationWriter& writer) {
  if (annotated.sets.empty() || annotated.sets.front().length <= 0) return;
  const auto length = static_cast<std::size_t>(annotated.sets.front().length);
  // A width of 0 would never advance; it means no limit.
  const std::size_t wrap =
      wrapWidth > 0 ? std::min<std::size_t>(static_cast<std::size_t>(wrapWidth), length) : length;
  const std::size_t group = columnGroupWidth > 0 ? static_cast<std::size_t>(columnGroupWidth) : length;

  for (std::size_t blockStart = 0; blockStart < length; blockStart += wrap) {
    const std::size_t blockEnd = std::min(blockStart + wrap, length);
    for (std::size_t k = 0; k < annotated.sets.size(); ++k) {
      const Alignment& set = annotated.sets[k];
      const Alignment* result = k < annotated.results.size() ? &annotated.results[k] : nullptr;
      if (k > 0) writer.setSeparator();

      for (std::size_t i = 0; i < set.residues.size(); ++i) {
        if (i > 0) writer.newLine();
        const std::string* formats =
            result != nullptr && i < result->residues.size() ? &result->residues[i] : nullptr;
        writer.setFormat(0);
        int lineFormat = 0;
        writer.appendText(i < set.names.size() ? set.names[i] : std::string());
        writer.appendChar(' ');
        for (std::size_t p = blockStart; p < blockEnd; ++p) {
          if ((p - blockStart) % group == 0) {
            if (lineFormat != 0) {
              writer.setFormat(0);
              lineFormat = 0;
            }
            writer.appendChar(' ');
          }
          const int format = formatAt(formats, p);
          if (format != lineFormat) {
            writer.setFormat(format);
            lineFormat = format;
          }
          writer.appendChar(cellAt(set.residues[i], p));
        }
      }
      writer.setFormat(0);
      if (!set.residues.empty()) writer.newLine();

      // Extra rows stay in "Default": the consensus and prediction rows are
      // never coloured.
      for (std::size_t d = 0; d < set.tracks.size(); ++d) {
        if (d > 0) writer.newLine();
        writer.appendText(d < set.trackLabels.size() ? set.trackLabels[d] : std::string());
        writer.appendChar(' ');
        for (std::size_t p = blockStart; p < blockEnd; ++p) {
          if ((p - blockStart) % group == 0) writer.appendChar(' ');
          writer.appendChar(cellAt(set.tracks[d], p));
        }
      }
    }
    writer.newLine();
    writer.blockEnd();
  }
}

}  // namespace hueset
