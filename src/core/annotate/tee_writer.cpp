#include "annotate/tee_writer.h"

namespace hueset {

TeeWriter::TeeWriter(std::vector<AnnotationWriter*> writers)
    : AnnotationWriter(writers.front()->fontSize(), writers.front()->fontName()),
      m_writers(std::move(writers)) {}

void TeeWriter::beginDocument() {
  // The formats reach the writers in format-index order, as from the driver.
  for (AnnotationWriter* writer : m_writers) {
    for (int index = 0; index < formatCount(); ++index) {
      writer->addFormat(styles()[static_cast<std::size_t>(styleOf(index))]);
    }
    writer->begin();
  }
}

// A run is handed over when it ends, under the format it was written in; a
// writer's own setFormat then merges or breaks runs exactly as it would. The
// format also goes along before every line, set and block end, since some
// writers put the line break into the current run.
void TeeWriter::flushRun() {
  if (lineBuffer().empty()) return;
  for (AnnotationWriter* writer : m_writers) {
    if (!writer->takesMore()) continue;
    writer->setFormat(currentFormat());
    writer->appendText(lineBuffer());
  }
}

void TeeWriter::endLine(void (AnnotationWriter::*end)()) {
  flushRun();
  lineBuffer().clear();
  for (AnnotationWriter* writer : m_writers) {
    if (!writer->takesMore()) continue;
    writer->setFormat(currentFormat());
    (writer->*end)();
  }
}

void TeeWriter::newLine() { endLine(&AnnotationWriter::newLine); }
void TeeWriter::setSeparator() { endLine(&AnnotationWriter::setSeparator); }
void TeeWriter::blockEnd() { endLine(&AnnotationWriter::blockEnd); }

void TeeWriter::layoutStarting(const AnnotatedAlignment& annotated) {
  for (AnnotationWriter* writer : m_writers) writer->layoutStarting(annotated);
}

// A line starts after the previous one ended, so nothing is pending here.
void TeeWriter::lineStarting(const LineContent& content) {
  for (AnnotationWriter* writer : m_writers) writer->lineStarting(content);
}

void TeeWriter::endDocument() {
  for (AnnotationWriter* writer : m_writers) {
    writer->setFormat(currentFormat());
    writer->end();
  }
}

}  // namespace hueset
