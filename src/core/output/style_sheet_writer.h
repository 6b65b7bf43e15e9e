#pragma once

#include <string>

#include "output/html_writer.h"

namespace hueset {

// Produces only the rules of the current formats, for pasting into a page
// made with the style sheet.
class StyleSheetWriter : public HtmlWriter {
 public:
  // Always 10 pt "Courier New", prefix "hs", all three flags set.
  StyleSheetWriter();

  int clipboardFormatCount() const override { return 1; }
  // The rules inside a STYLE element.
  std::string clipboardText(int index) const override;
  OutputKind clipboardFormat(int index) const override;

 protected:
  void beginDocument() override;
  void endDocument() override {}
};

}  // namespace hueset
