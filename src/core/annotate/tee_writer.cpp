#include "annotate/tee_writer.h"

namespace hueset {

TeeWriter::TeeWriter(const TeeWriter& origin, BlockFork) : AnnotationWriter(origin, BlockFork{}) {}

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

// What the tee holds goes first, as a run would; the cells then go on from
// each writer's own format, as they would cell by cell, and the tee carries
// on in the style they end in.
void TeeWriter::appendCells(std::string_view cells, std::string_view formats) {
  if (cells.empty()) return;
  flushRun();
  lineBuffer().clear();
  for (AnnotationWriter* writer : m_writers) {
    if (writer->takesMore()) writer->appendCells(cells, formats);
  }
  setFormat(cells.size() <= formats.size() ? static_cast<unsigned char>(formats[cells.size() - 1])
                                           : 0);
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

std::unique_ptr<AnnotationWriter> TeeWriter::forkForBlocks() const {
  auto tee = std::make_unique<TeeWriter>(*this, BlockFork{});
  for (std::size_t i = 0; i < m_writers.size(); ++i) {
    if (!m_writers[i]->takesMore()) continue;
    std::unique_ptr<AnnotationWriter> fork = m_writers[i]->forkForBlocks();
    if (!fork) return nullptr;
    tee->m_writers.push_back(fork.get());
    tee->m_forks.push_back(std::move(fork));
    tee->m_origins.push_back(i);
  }
  return tee;
}

// The run open here goes to the writers first, so each joins its fork's text
// after it as it would if it had been forked alone; the fork's own open run
// then continues here.
void TeeWriter::joinBlocks(AnnotationWriter& fork) {
  auto& tee = static_cast<TeeWriter&>(fork);
  flushRun();
  lineBuffer().clear();
  for (std::size_t j = 0; j < tee.m_writers.size(); ++j) {
    m_writers[tee.m_origins[j]]->joinBlocks(*tee.m_writers[j]);
  }
  setFormat(tee.currentFormat());
  lineBuffer().append(tee.lineBuffer());
  tee.lineBuffer().clear();
  tee.restartFork();
}

void TeeWriter::endDocument() {
  for (AnnotationWriter* writer : m_writers) {
    writer->setFormat(currentFormat());
    writer->end();
  }
}

}  // namespace hueset
