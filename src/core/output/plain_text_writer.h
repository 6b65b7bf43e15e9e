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

  void newLine() override;
  void setSeparator() override;
  void blockEnd() override;
  int clipboardFormatCount() const override { return 1; }
  std::string clipboardText(int /*index*/) const override { return output(); }
  std::string fileText() const override { return output(); }
  ClipboardFormat clipboardFormat(int /*index*/) const override {
    return ClipboardFormat::PlainText;
  }

 protected:
  void flushRun() override;
  void beginDocument() override;
  void endDocument() override {}
};

}  // namespace hueset
