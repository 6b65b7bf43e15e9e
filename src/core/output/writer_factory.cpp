#include "output/writer_factory.h"

#include "groupings/grouping_set.h"
#include "output/html_writer.h"
#include "output/plain_text_writer.h"
#include "output/rtf_writer.h"
#include "output/style_sheet_writer.h"
#include "settings/options.h"

namespace hueset {

std::unique_ptr<AnnotationWriter> makeRtfWriter(const Options& options,
                                                const GroupingSet& groupings) {
  auto writer = std::make_unique<RtfWriter>(groupings.fontSize, groupings.fontName);
  writer->keepBlocksTogether(options.figure.keepBlocksTogether);
  return writer;
}

std::unique_ptr<AnnotationWriter> makeHtmlWriter(const Options& options,
                                                 const GroupingSet& groupings) {
  HtmlWriterSettings settings;
  settings.styleMode = options.html.styleMode;
  settings.useSampleFont = options.html.useSampleFont;
  settings.useBrowserFontSize = options.html.useBrowserFontSize;
  return std::make_unique<HtmlWriter>(groupings.fontSize, groupings.fontName,
                                      std::string(kHtmlIdPrefix), settings);
}

std::unique_ptr<AnnotationWriter> makePlainTextWriter(const Options&, const GroupingSet&) {
  return std::make_unique<PlainTextWriter>();
}

std::unique_ptr<AnnotationWriter> makeStyleSheetWriter(const Options&, const GroupingSet&) {
  return std::make_unique<StyleSheetWriter>();
}

void writeStyleSheet(AnnotationWriter& writer, const GroupingSet& groupings) {
  for (const ResidueFormat& format : groupings.textFormats()) writer.addFormat(format);
  writer.begin();
  writer.end();
}

}  // namespace hueset
