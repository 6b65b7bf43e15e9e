#include "output/plain_text_writer.h"

namespace hueset {

// Plain text has no font: the size and face are never written.
PlainTextWriter::PlainTextWriter() : AnnotationWriter(0, std::string()) {}

void PlainTextWriter::newLine() {
  flushRun();
  output().push_back('\n');
  drainIfLarge();
}

void PlainTextWriter::setSeparator() { newLine(); }

void PlainTextWriter::blockEnd() {
  newLine();
  newLine();
}

void PlainTextWriter::flushRun() {
  output().append(lineBuffer());
  lineBuffer().clear();
}

void PlainTextWriter::beginDocument() { output().clear(); }

}  // namespace hueset
