#include "figure/output_kinds.h"

#include <algorithm>
#include <array>

#include "groupings/grouping_set.h"
#include "output/writer_factory.h"
#include "settings/options.h"
#include "util/text_format.h"

#if HUESET_FIGURES || defined(HUESET_FIGURE_FONT_TABLE)
#include "figure/figure_writer.h"
#endif

namespace hueset {
namespace {

#if HUESET_FIGURES || defined(HUESET_FIGURE_FONT_TABLE)
template <OutputKind form>
std::unique_ptr<AnnotationWriter> makeFigureWriter(const Options& options,
                                                   const GroupingSet& groupings) {
  // A figure's own type size stands in for the groupings' (which Rich Text
  // and HTML keep).
  const int fontSize =
      options.figureLayout.fontSize > 0 ? options.figureLayout.fontSize * 10 : groupings.fontSize;
  return std::make_unique<FigureWriter>(form, fontSize, groupings.fontName,
                                        figureSettings(options, groupings));
}
#endif
#if HUESET_FIGURES
constexpr WriterMaker kPdfMaker = makeFigureWriter<OutputKind::Pdf>;
constexpr WriterMaker kSvgMaker = makeFigureWriter<OutputKind::Svg>;
constexpr WriterMaker kPngMaker = makeFigureWriter<OutputKind::Png>;
constexpr WriterMaker kEpsMaker = makeFigureWriter<OutputKind::Eps>;
constexpr WriterMaker kTiffMaker = makeFigureWriter<OutputKind::Tiff>;
#elif defined(HUESET_FIGURE_FONT_TABLE)
// Without cairo the SVG alone is made, measured from the font table.
constexpr WriterMaker kPdfMaker = nullptr;
constexpr WriterMaker kSvgMaker = makeFigureWriter<OutputKind::Svg>;
constexpr WriterMaker kPngMaker = nullptr;
constexpr WriterMaker kEpsMaker = nullptr;
constexpr WriterMaker kTiffMaker = nullptr;
#else
constexpr WriterMaker kPdfMaker = nullptr;
constexpr WriterMaker kSvgMaker = nullptr;
constexpr WriterMaker kPngMaker = nullptr;
constexpr WriterMaker kEpsMaker = nullptr;
constexpr WriterMaker kTiffMaker = nullptr;
#endif

constexpr std::string_view kRtfExtensions[] = {"rtf"};
constexpr std::string_view kHtmlExtensions[] = {"html", "htm"};
constexpr std::string_view kCssExtensions[] = {"css"};
constexpr std::string_view kPdfExtensions[] = {"pdf"};
constexpr std::string_view kSvgExtensions[] = {"svg"};
constexpr std::string_view kPngExtensions[] = {"png"};
constexpr std::string_view kEpsExtensions[] = {"eps"};
constexpr std::string_view kTiffExtensions[] = {"tif", "tiff"};

constexpr std::string_view kRtfTypes[] = {"text/rtf", "text/richtext"};
constexpr std::string_view kHtmlTypes[] = {"text/html"};
constexpr std::string_view kPlainTypes[] = {"text/plain"};
constexpr std::string_view kPdfTypes[] = {"application/pdf"};
constexpr std::string_view kSvgTypes[] = {"image/svg+xml"};
constexpr std::string_view kPngTypes[] = {"image/png"};
constexpr std::string_view kEpsTypes[] = {"application/postscript"};
constexpr std::string_view kTiffTypes[] = {"image/tiff"};

// The style sheet is not offered by "To File": it goes with a page, copied.
// Plain text is what the HTML and the style sheet are copied as, beside
// or instead of their own form.
const OutputKindInfo kKinds[] = {
    {OutputKind::Rtf, "rtf", kRtfExtensions, "Rich Text Format File", "*.rtf", kRtfTypes,
     "Rich Text Format", false, makeRtfWriter},
    {OutputKind::Html, "html", kHtmlExtensions, "HTML Web Page File", "*.html", kHtmlTypes,
     "HTML Format", false, makeHtmlWriter},
    {OutputKind::Css, "css", kCssExtensions, "", "", kPlainTypes, "", false, makeStyleSheetWriter},
    {OutputKind::Pdf, "pdf", kPdfExtensions, "PDF Document", "*.pdf", kPdfTypes, "application/pdf",
     true, kPdfMaker},
    {OutputKind::Svg, "svg", kSvgExtensions, "SVG Image", "*.svg", kSvgTypes, "image/svg+xml", true,
     kSvgMaker},
    {OutputKind::Png, "png", kPngExtensions, "PNG Image", "*.png", kPngTypes, "image/png", true,
     kPngMaker},
    {OutputKind::Eps, "eps", kEpsExtensions, "EPS Picture", "*.eps", kEpsTypes,
     "application/postscript", true, kEpsMaker},
    {OutputKind::Tiff, "tiff", kTiffExtensions, "TIFF Image", "*.tif", kTiffTypes, "image/tiff",
     true, kTiffMaker},
    {OutputKind::PlainText, "", {}, "", "", kPlainTypes, "", false, makePlainTextWriter},
};

// Kinds of document or picture a user may well name a file after, none of
// which Hueset writes.
constexpr std::pair<std::string_view, std::string_view> kForeignKinds[] = {
    {"ps", "PostScript"}, {"jpg", "JPEG"}, {"jpeg", "JPEG"}, {"gif", "GIF"}, {"bmp", "BMP"},
    {"webp", "WebP"},     {"doc", "DOC"},  {"docx", "DOCX"}, {"odt", "ODT"},
};

}  // namespace

std::span<const OutputKindInfo> outputKinds() { return kKinds; }

const OutputKindInfo& outputKindInfo(OutputKind kind) {
  for (const OutputKindInfo& info : kKinds) {
    if (info.kind == kind) return info;
  }
  return kKinds[0];
}

std::optional<OutputKind> outputKindNamed(std::string_view name) {
  for (const OutputKindInfo& info : kKinds) {
    if (!info.name.empty() && info.name == name) return info.kind;
  }
  return std::nullopt;
}

std::string outputKindNames() {
  std::string names;
  for (const OutputKindInfo& info : kKinds) {
    if (info.name.empty()) continue;
    if (!names.empty()) names += ", ";
    names += info.name;
  }
  return names;
}

std::string pathExtension(std::string_view path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  std::string ext(path.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(), toLowerAscii);
  return ext;
}

std::optional<OutputKind> outputKindForExtension(std::string_view path) {
  const std::string ext = pathExtension(path);
  if (ext.empty()) return std::nullopt;
  for (const OutputKindInfo& info : kKinds) {
    if (std::find(info.extensions.begin(), info.extensions.end(), ext) != info.extensions.end())
      return info.kind;
  }
  return std::nullopt;
}

OutputKind outputKindForPath(const std::string& path) {
  return outputKindForExtension(path).value_or(OutputKind::Rtf);
}

std::string_view foreignKindNamed(std::string_view extension) {
  for (const auto& [ext, name] : kForeignKinds) {
    if (ext == extension) return name;
  }
  return {};
}

bool figuresAvailable() { return HUESET_FIGURES != 0; }

std::unique_ptr<AnnotationWriter> makeWriter(OutputKind kind, const Options& options,
                                             const GroupingSet& groupings) {
  const WriterMaker make = outputKindInfo(kind).make;
  return make ? make(options, groupings) : nullptr;
}

std::vector<std::unique_ptr<AnnotationWriter>> makeClipboardPictureWriters(
    const GroupingSet& groupings) {
  std::vector<std::unique_ptr<AnnotationWriter>> writers;
#if HUESET_FIGURES
  FigureSettings settings;
  settings.dpi = kClipboardPictureDpi;
  settings.cellLimit = kClipboardPictureCells;
  for (const OutputKind form : {OutputKind::Png, OutputKind::Svg}) {
    writers.push_back(
        std::make_unique<FigureWriter>(form, groupings.fontSize, groupings.fontName, settings));
  }
#else
  (void)groupings;
#endif
  return writers;
}

}  // namespace hueset
