#include "output/writer_factory.h"

#include <algorithm>

#include "groupings/grouping_set.h"
#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "output/style_sheet_writer.h"
#include "settings/options.h"
#include "util/text_format.h"

namespace hueset {

std::optional<OutputKind> outputKindNamed(std::string_view name) {
  if (name == "rtf") return OutputKind::Rtf;
  if (name == "html") return OutputKind::Html;
  if (name == "css") return OutputKind::Css;
  if (name == "pdf") return OutputKind::Pdf;
  if (name == "svg") return OutputKind::Svg;
  if (name == "png") return OutputKind::Png;
  return std::nullopt;
}

OutputKind outputKindForPath(const std::string& path) {
  auto dot = path.find_last_of('.');
  auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return OutputKind::Rtf;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), toLowerAscii);
  if (ext == "html" || ext == "htm") return OutputKind::Html;
  if (ext == "css") return OutputKind::Css;
  if (ext == "pdf") return OutputKind::Pdf;
  if (ext == "svg") return OutputKind::Svg;
  if (ext == "png") return OutputKind::Png;
  return OutputKind::Rtf;
}

std::unique_ptr<AnnotationWriter> makeAnnotationWriter(OutputKind kind, const Options& options,
                                                       const GroupingSet& groupings) {
  switch (kind) {
    case OutputKind::Html: {
      HtmlWriterSettings settings;
      settings.styleMode = options.html.styleMode;
      settings.useSampleFont = options.html.useSampleFont;
      settings.useBrowserFontSize = options.html.useBrowserFontSize;
      return std::make_unique<HtmlWriter>(groupings.fontSize, groupings.fontName,
                                          std::string(kHtmlIdPrefix), settings);
    }
    case OutputKind::Css:
      return std::make_unique<StyleSheetWriter>();
    case OutputKind::Pdf:
    case OutputKind::Svg:
    case OutputKind::Png:
      return nullptr;
    case OutputKind::Rtf:
      break;
  }
  return std::make_unique<RtfWriter>(groupings.fontSize, groupings.fontName);
}

void writeStyleSheet(AnnotationWriter& writer, const GroupingSet& groupings) {
  for (const ResidueFormat& format : groupings.textFormats()) writer.addFormat(format);
  writer.begin();
  writer.end();
}

}  // namespace hueset
