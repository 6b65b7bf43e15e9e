#pragma once

#include <string>

#include "annotate/annotation_writer.h"

namespace hueset::test {

// Writes what the layout asks for as a readable transcript: every run as
// "{format:text}", newLine as "/N", setSeparator as "/S", blockEnd as "/B".
// Line and set ends flush the pending run first, so a missing setFormat(0)
// shows up as text under the wrong format.
class RecordingWriter : public AnnotationWriter {
 public:
  RecordingWriter() : AnnotationWriter(100, "Courier New") {}

  void newLine() override { mark("/N"); }
  void setSeparator() override { mark("/S"); }
  void blockEnd() override { mark("/B"); }
  int clipboardFormatCount() const override { return 1; }
  std::string clipboardText(int) const override { return transcript; }
  std::string fileText() const override { return transcript; }
  OutputKind clipboardFormat(int) const override { return OutputKind::PlainText; }

  std::string transcript;
  int beginCount = 0;
  int endCount = 0;

 protected:
  void flushRun() override {
    if (lineBuffer().empty()) return;
    transcript += "{" + std::to_string(currentFormat()) + ":" + lineBuffer() + "}";
  }
  void beginDocument() override { ++beginCount; }
  void endDocument() override { ++endCount; }

 private:
  void mark(const char* what) {
    flushRun();
    lineBuffer().clear();
    transcript += what;
  }
};

// Writes the plain text only: runs as they stand and a line break for every
// newLine, setSeparator and blockEnd, so lines can be read back one by one.
class TextWriter : public AnnotationWriter {
 public:
  TextWriter() : AnnotationWriter(100, "Courier New") {}

  void newLine() override { lineBreak(); }
  void setSeparator() override { lineBreak(); }
  void blockEnd() override { lineBreak(); }
  int clipboardFormatCount() const override { return 1; }
  std::string clipboardText(int) const override { return text; }
  std::string fileText() const override { return text; }
  OutputKind clipboardFormat(int) const override { return OutputKind::PlainText; }

  std::string text;

 protected:
  void flushRun() override { text += lineBuffer(); }
  void beginDocument() override {}
  void endDocument() override {}

 private:
  void lineBreak() {
    flushRun();
    lineBuffer().clear();
    text += "\n";
  }
};

// A writer whose formats all look different, so every format change shows.
inline void addDistinctFormats(AnnotationWriter& writer, int count) {
  for (int i = 0; i < count; ++i) {
    writer.addFormat(ResidueFormat{static_cast<Colour>(i), 0xFFFFFF, false, false});
  }
}

}  // namespace hueset::test
