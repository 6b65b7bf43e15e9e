#include "output/style_sheet_writer.h"

namespace hueset {

StyleSheetWriter::StyleSheetWriter()
    : HtmlWriter(100, "Courier New", std::string(kHtmlIdPrefix), true, true, true) {}

std::string StyleSheetWriter::clipboardText(int /*index*/) const {
  return "<STYLE>\n<!--\n" + output() + "-->\n</STYLE>\n";
}

OutputKind StyleSheetWriter::clipboardFormat(int /*index*/) const { return OutputKind::PlainText; }

void StyleSheetWriter::beginDocument() {
  output().clear();
  output().append(rules());
}

}  // namespace hueset
