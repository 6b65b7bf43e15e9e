#pragma once

#include <string>

#include "annotate/annotation_writer.h"

namespace hueset {

// The annotation as plain text: the lines of the figure without their
// formats, spaced as the HTML page shows them, for programs that take no
// formatted text (offered beside the Rich Text on the clipboard).
class PlainTextWriter : public AnnotationWriter {
 public:
  PlainTextWriter();
  PlainTextWriter(const PlainTextWriter& origin, BlockFork)
      : AnnotationWriter(origin, BlockFork{}) {}

  void newLine() override;
  void setSeparator() override;
  void blockEnd() override;
  int clipboardFormatCount() const override { return 1; }
  std::string clipboardText(int /*index*/) const override { return output(); }
  std::string fileText() const override { return output(); }
  OutputKind clipboardFormat(int /*index*/) const override { return OutputKind::PlainText; }
  // Every line ends its run, so blocks stand alone.
  std::unique_ptr<AnnotationWriter> forkForBlocks() const override {
    return std::make_unique<PlainTextWriter>(*this, BlockFork{});
  }

 protected:
  void flushRun() override;
  void beginDocument() override;
  void endDocument() override {}
};

}  // namespace hueset
