#include "figure/figure_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

#include "annotate/layout.h"
#include "figure/figure_cells.h"
#ifndef HUESET_FIGURE_FONT_TABLE
#include "figure/figure_painter.h"
#endif
#include "figure/svg_figure.h"

namespace hueset {

PaperSize paperSize(FigurePaper paper, bool landscape) {
  PaperSize size;
  switch (paper) {
    case FigurePaper::A4: size = {595.28, 841.89}; break;
    case FigurePaper::Letter: size = {612, 792}; break;
    case FigurePaper::A3: size = {841.89, 1190.55}; break;
    case FigurePaper::Content: return size;
  }
  if (landscape) std::swap(size.width, size.height);
  return size;
}

FigureSettings figureSettings(const FigureOptions& options) {
  FigureSettings settings;
  settings.paper = static_cast<FigurePaper>(std::clamp(options.paperSize, 0, 3));
  settings.landscape = options.landscape;
  settings.dpi = options.pngResolution;
  settings.transparentBackground = options.transparentBackground;
  return settings;
}

FigureSettings figureSettings(const Options& options, const GroupingSet& groupings) {
  FigureSettings settings = figureSettings(options.figure);
  const FigureLayoutOptions& layout = options.figureLayout;
  settings.width = figureWidthPoints(layout.width).value_or(0);
  settings.minimumFontSize = layout.minimumFontSize;
  settings.title = layout.title;
  if (layout.legend)
    settings.legend = figureLegend(groupings, options.annotation.consensusThreshold);
  settings.cmyk = layout.tiffCmyk;
  if (layout.structureShapes == 0) {
    settings.structure.reset();
  } else {
    settings.structure = StructureGlyphStyle{layout.structureShapes == 2, layout.structureLabels};
  }
  return settings;
}

FigureWriter::FigureWriter(OutputKind form, std::int32_t fontSize, const std::string& fontName,
                           FigureSettings settings)
    : AnnotationWriter(fontSize, fontName),
      m_form(form),
      m_settings(std::move(settings)),
      m_font(findFigureFont(fontName)) {
  if (isPicture()) m_pixelsPerPoint = std::max(m_settings.dpi, 1) / 72.0;
  setFontPoints(std::max(fontSize, 10) / 10.0);
  if (m_settings.structure) m_structureLines.setStyle(&*m_settings.structure);
}

FigureWriter::~FigureWriter() = default;

void FigureWriter::setFontPoints(double size) {
  m_metrics = measureFigureFont(m_font, size);
  m_drawnMetrics = m_metrics;
  m_drawnMetrics.fontSize *= m_pixelsPerPoint;
  m_drawnMetrics.cellWidth *= m_pixelsPerPoint;
  m_drawnMetrics.ascent *= m_pixelsPerPoint;
  m_drawnMetrics.lineHeight *= m_pixelsPerPoint;
}

double FigureWriter::marginPoints() const {
  return m_settings.paper == FigurePaper::Content ? kContentMargin : kPaperMargin;
}

double FigureWriter::lineWidthLimit() const {
  if (m_settings.width > 0) {
    return m_settings.paper == FigurePaper::Content
               ? std::max(m_settings.width - 2 * marginPoints(), 0.0)
               : m_settings.width;
  }
  if (m_settings.paper == FigurePaper::Content) return 0;
  return paperSize(m_settings.paper, m_settings.landscape).width - 2 * marginPoints();
}

int FigureWriter::pageLineCharacters() const {
  const double limit = lineWidthLimit();
  if (limit <= 0) return 0;
  // A hair of slack, so a width measured to fit exactly is not lost to rounding.
  return std::max(1, static_cast<int>(limit / m_metrics.cellWidth + 1e-9));
}

namespace {

// "85 mm (240.9 pt)"
std::string widthText(double points) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f mm (%.1f pt)", points * 25.4 / 72, points);
  return text;
}

std::string pointsText(double points) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", std::round(points * 10) / 10);
  return text;
}

}  // namespace

std::string FigureWriter::fitTypeToWidth(std::size_t wantedCells, std::size_t leastCells,
                                         bool wrapFixed) {
  if (m_settings.width <= 0) return {};
  const double limit = lineWidthLimit();
  if (m_settings.paper != FigurePaper::Content) {
    const double printable =
        paperSize(m_settings.paper, m_settings.landscape).width - 2 * marginPoints();
    if (m_settings.width > printable + 1e-6) {
      return "a figure " + widthText(m_settings.width) + " wide does not fit the paper, whose " +
             "lines are at most " + widthText(printable) + " wide";
    }
  }
  const double size = m_metrics.fontSize;
  const double smallest = std::min(m_settings.minimumFontSize, size);
  auto fits = [&](std::size_t cells) {
    return static_cast<double>(cells) * m_metrics.cellWidth <= limit + 1e-9;
  };
  if (!fits(wantedCells)) {
    // The type's advance grows with its size: start near the size that
    // fits, in tenths of a point, and step down until it does.
    const double perPoint = m_metrics.cellWidth / size;
    double tenths = std::floor(limit / (static_cast<double>(wantedCells) * perPoint) * 10);
    tenths = std::clamp(tenths, std::ceil(smallest * 10), std::floor(size * 10));
    setFontPoints(tenths / 10);
    while (!fits(wantedCells) && tenths > std::ceil(smallest * 10)) {
      setFontPoints(--tenths / 10);
    }
    if (!fits(wantedCells)) setFontPoints(smallest);
  }
  const std::size_t needed = wrapFixed ? wantedCells : leastCells;
  if (fits(needed)) return {};
  // As wide as the figure would have to be, margins included, beside the width asked for.
  const double room =
      static_cast<double>(needed) * m_metrics.cellWidth + (m_settings.width - limit);
  const std::string given = widthText(m_settings.width);
  if (wrapFixed) {
    return "a line of the figure needs a width of " + widthText(room) +
           " at the minimum font size of " + pointsText(smallest) + " pt, more than the " + given +
           " asked for; wrap the lines so that they fit it";
  }
  return "the names and residue numbers alone need a width of " + widthText(room) +
         " at the minimum font size of " + pointsText(smallest) +
         " pt, which leaves no room for the residues in the " + given +
         " asked for; shorten the names, widen the figure or lower the minimum font size";
}

bool FigureWriter::writesPages() const {
  return m_form != OutputKind::Pdf && m_settings.paper != FigurePaper::Content;
}

std::string FigureWriter::fileText() const {
  return writesPages() && m_pagesWritten > 0 && !m_pageStreams ? m_firstPage : output();
}

double FigureWriter::pageContentLimit() const {
  if (m_settings.paper != FigurePaper::Content)
    return paperSize(m_settings.paper, m_settings.landscape).height - 2 * marginPoints();
  if (m_form != OutputKind::Pdf) return std::numeric_limits<double>::infinity();
  return kTallestPdfPage - 2 * marginPoints();
}

void FigureWriter::fail(std::string why) {
  if (m_problem.empty()) m_problem = std::move(why);
}

void FigureWriter::beginDocument() {
  // A document left unfinished would write its end into the new output.
#ifndef HUESET_FIGURE_FONT_TABLE
  m_pdf.reset();
#endif
  m_svg.reset();
  output().clear();
  m_line = {};
  m_pending.clear();
  m_pendingGaps.clear();
  m_page = {};
  m_cursor = 0;
  m_blockGap = false;
  m_pagesWritten = 0;
  m_titleLines = 0;
  m_cells = 0;
  m_widest = 0;
  m_widestEver = 0;
  m_pageLines = 0;
  m_tooLarge.clear();
  m_problem.clear();
  m_firstPage.clear();
  startPage();
#ifndef HUESET_FIGURE_FONT_TABLE
  if (m_form == OutputKind::Pdf) {
    std::string subject = "Font: " + m_font.family;
    if (m_font.substituted()) subject += " (in place of " + m_font.requested + ")";
    m_pdf = std::make_unique<PdfDocument>(output(), subject);
  }
#endif
  placeTitle();
}

// A PNG or SVG page is a document of its own, streamed where its page goes.
void FigureWriter::startPage() {
  if (m_form == OutputKind::Svg)
    m_svg = std::make_unique<SvgFigureStream>(styles(), m_font, m_metrics, marginPoints());
  if (!writesPages() || !m_pageStreams) return;
  std::ostream* stream = m_pageStreams(m_pagesWritten + 1);
  if (stream == nullptr) fail("page " + std::to_string(m_pagesWritten + 1) + " could not be made");
  streamTo(stream);
}

bool FigureWriter::overLimit() const {
  return !m_tooLarge.empty() || (m_settings.cellLimit != 0 && m_cells > m_settings.cellLimit);
}

// An alignment whose residues alone pass the limit is refused before its
// layout, so the lines that follow cost nothing.
void FigureWriter::layoutStarting(const AnnotatedAlignment& annotated) {
  std::size_t residues = 0;
  for (const Alignment& set : annotated.sets) {
    residues += set.residues.size() * static_cast<std::size_t>(std::max(set.length, 0));
  }
  if (m_settings.cellLimit != 0 && residues > m_settings.cellLimit)
    m_cells = std::max(m_cells, residues);
  // Every residue takes a cell of its own, so a picture whose residues
  // alone pass its largest area would only be refused after a layout in
  // vain. On paper each page is a picture of its own, as large as the paper.
  m_columnNumbers = annotated.columnNumbers;
  m_markRows.start(annotated, styles().front().textColour);
  m_structureLines.layoutStarting(annotated);
  const double area =
      static_cast<double>(residues) * m_drawnMetrics.cellWidth * m_drawnMetrics.lineHeight;
  if (isPicture() && !writesPages() && area > kLargestPngArea) {
    m_tooLarge = "the picture would be more than " +
                 std::to_string(static_cast<long long>(area / 1e6)) +
                 " million pixels, more than a " + (m_form == OutputKind::Tiff ? "TIFF" : "PNG") +
                 " is made for; lower the resolution, lay it out on paper (--page) or write a PDF "
                 "or SVG";
  }
}

// A break before the alignment column shown at `column`: the columns before
// it, down to the one shown before it, were elided (a stand-in's first and
// last columns count as such edges too).
bool FigureWriter::breaksBefore(std::size_t column) const {
  if (column >= m_columnNumbers.size()) return false;
  const std::int32_t shown = m_columnNumbers[column];
  if (column == 0) return shown != 1;
  const std::int32_t before = m_columnNumbers[column - 1];
  if (shown == 0) return before != 0;
  return before == 0 || shown != before + 1;
}

void FigureWriter::lineStarting(const LineContent& content) {
  m_line.breaks.clear();
  m_line.ruler = content.kind == LineContent::Kind::Ruler;
  m_structureLines.lineStarting(content);
  const std::size_t group = std::max<std::uint32_t>(content.groupWidth, 1);
  for (std::size_t k = 0; k < content.columns; ++k) {
    if (!breaksBefore(content.firstColumn + k)) continue;
    // On the edge between two cells, or amid the blank between two groups.
    const std::size_t groupsBefore = k / group;  // each adds a blank cell
    const double cell = static_cast<double>(content.firstCell + k + groupsBefore);
    m_line.breaks.push_back(k % group == 0 ? cell - 0.5 : cell);
  }
  m_markRows.addTo(m_line.marks, content, m_metrics);
}

void FigureWriter::flushRun() {
  if (lineBuffer().empty()) return;
  m_cells += lineBuffer().size();
  if (overLimit()) return;
  m_line.runs.push_back(FigureRun{styleOf(currentFormat()), m_line.cells, lineBuffer()});
  m_line.cells += lineBuffer().size();
}

void FigureWriter::endLine(double gapAfter) {
  flushRun();
  lineBuffer().clear();
  m_structureLines.lineEnding(m_line);
  m_structureLines.lineStarting({});
  // PDF readers take no page wider than they take one tall: the first line
  // past that refuses the figure.
  const double width = static_cast<double>(m_line.cells) * m_metrics.cellWidth + 2 * marginPoints();
  if (m_form == OutputKind::Pdf && width > kTallestPdfPage && m_tooLarge.empty()) {
    m_tooLarge = "a line would be " + std::to_string(static_cast<long long>(std::ceil(width))) +
                 " points wide, more than the " +
                 std::to_string(static_cast<long long>(kTallestPdfPage)) +
                 " a PDF page can be; wrap the lines shorter or write an SVG";
  }
  if (overLimit()) {
    m_line = {};
    return;
  }
  m_pending.push_back(std::move(m_line));
  m_pendingGaps.push_back(gapAfter);
  m_line = {};
}

void FigureWriter::newLine() { endLine(0); }

// As in Rich Text: half a line between two sets.
void FigureWriter::setSeparator() { endLine(m_metrics.lineHeight / 2); }

void FigureWriter::blockEnd() {
  if (m_markRows.any())
    closeFrames(m_pending, m_pendingGaps, m_metrics, styles().front().textColour);
  placePending();
  m_blockGap = true;
}

void FigureWriter::placeLine(FigureLine line, double gapAfter) {
  line.top = m_cursor;
  m_widest = std::max(m_widest, line.cells);
  m_widestEver = std::max(m_widestEver, line.cells);
  ++m_pageLines;
  if (m_svg) {
    m_svg->addLine(line);
  } else {
    m_page.lines.push_back(std::move(line));
  }
  m_cursor += m_metrics.lineHeight + gapAfter;
}

std::size_t FigureWriter::linesPerPage(double height, std::size_t rulers) const {
  const double limit = pageContentLimit();
  const std::size_t lines = m_pending.size();
  if (m_cursor + height <= limit) return lines;
  // Split: the pages it takes share its lines out evenly, so its last page
  // is not a line or two alone.
  const auto fits = static_cast<std::size_t>(
      std::max(std::floor((limit - m_cursor) / m_metrics.lineHeight), 1.0));
  const std::size_t onward = fits > rulers + 1 ? fits - rulers : 1;
  const std::size_t rest = lines > fits ? lines - fits : 0;
  const std::size_t pages = 1 + (rest + onward - 1) / onward;
  return (lines + (pages - 1) * rulers + pages - 1) / pages;
}

void FigureWriter::placePending() {
  if (m_pending.empty()) return;
  const double lineHeight = m_metrics.lineHeight;
  double height = 0;
  for (std::size_t i = 0; i < m_pending.size(); ++i) {
    height += lineHeight + (i + 1 < m_pending.size() ? m_pendingGaps[i] : 0);
  }
  const double limit = pageContentLimit();
  // Two blank lines between blocks, as the text forms have, but none at the
  // top of a page.
  double gap = m_blockGap ? 2 * lineHeight : 0;
  // (An SVG page's lines are never kept: each goes out as it is placed.)
  // A title stays with the first block, which is split under it if need be.
  const bool titleAlone = m_pagesWritten == 0 && m_pageLines == m_titleLines;
  if (m_pageLines != 0 && !titleAlone && m_cursor + gap + height > limit) {
    finishPage();
    startPage();
  }
  if (m_pageLines == 0) gap = 0;
  m_cursor += gap;
  // The block's ruler, to repeat on each page it goes on to.
  std::vector<FigureLine> rulers;
  for (std::size_t i = 0; i < m_pending.size() && m_pending[i].ruler; ++i) {
    rulers.push_back(m_pending[i]);
  }
  const std::size_t perPage = linesPerPage(height, rulers.size());
  std::size_t onPage = 0;  // the block's lines on this page
  for (std::size_t i = 0; i < m_pending.size(); ++i) {
    // A block taller than a page is split between its lines, and goes on
    // under its ruler again (the names are on every line).
    if (m_pageLines != 0 && (m_cursor + lineHeight > limit || onPage >= perPage)) {
      finishPage();
      startPage();
      onPage = 0;
      if (!m_pending[i].ruler) {
        for (FigureLine ruler : rulers) placeLine(std::move(ruler), 0);
        onPage = rulers.size();
      }
    }
    placeLine(std::move(m_pending[i]), m_pendingGaps[i]);
    ++onPage;
  }
  m_pending.clear();
  m_pendingGaps.clear();
  m_blockGap = false;
}

namespace {

// A legend or title line as the figure draws it: runs of one style each.
FigureLine figureLineOf(const LegendLine& line, const AnnotationWriter& writer) {
  FigureLine figure;
  for (std::size_t i = 0; i < line.cells.size(); ++i) {
    const int style = writer.styleOf(static_cast<unsigned char>(line.formats[i]));
    if (figure.runs.empty() || figure.runs.back().style != style)
      figure.runs.push_back({style, i, {}});
    figure.runs.back().text += line.cells[i];
  }
  figure.cells = line.cells.size();
  return figure;
}

}  // namespace

void FigureWriter::placeTitle() {
  if (m_settings.title.empty()) return;
  const int characters = pageLineCharacters();
  const std::size_t width = characters > 0 ? static_cast<std::size_t>(characters)
                                           : std::numeric_limits<std::size_t>::max();
  for (const LegendLine& line : titleLines(m_settings.title, width)) {
    m_pending.push_back(figureLineOf(line, *this));
    m_pendingGaps.push_back(0);
  }
  if (m_pending.empty()) return;
  // A blank line between the title and the first block.
  m_pendingGaps.back() = m_metrics.lineHeight;
  placePending();
  m_titleLines = m_pageLines;
}

// Under the last block, as wide as the figure.
void FigureWriter::placeLegend() {
  if (!m_settings.legend || overLimit()) return;
  const int characters = pageLineCharacters();
  const std::size_t width = characters > 0 ? static_cast<std::size_t>(characters)
                                           : std::max<std::size_t>(m_widestEver, 1);
  for (const LegendLine& line : legendLines(*m_settings.legend, width)) {
    m_pending.push_back(figureLineOf(line, *this));
    m_pendingGaps.push_back(0);
  }
  m_blockGap = m_pageLines != 0;
  placePending();
}

void FigureWriter::finishPage() {
  const double margin = marginPoints();
  m_page.margin = margin;
  const double contentWidth = static_cast<double>(m_widest) * m_metrics.cellWidth + 2 * margin;
  const double contentHeight = m_cursor + 2 * margin;
  if (m_settings.paper == FigurePaper::Content) {
    m_page.width = m_settings.width > 0 ? m_settings.width : contentWidth;
    m_page.height = contentHeight;
  } else {
    const PaperSize paper = paperSize(m_settings.paper, m_settings.landscape);
    m_page.width = paper.width;
    m_page.height = paper.height;
  }

#ifndef HUESET_FIGURE_FONT_TABLE
  const FigurePainter painter(m_font, m_metrics, styles(), m_pixelsPerPoint);
#endif
  switch (m_form) {
    case OutputKind::Svg:
      if (std::string why =
              m_svg->finish(m_page.width, m_page.height, output(), [this] { drainIfLarge(); });
          !why.empty())
        fail("the SVG could not be made: " + why);
      m_svg.reset();
      break;
#ifndef HUESET_FIGURE_FONT_TABLE
    case OutputKind::Pdf: m_pdf->addPage(m_page, painter); break;
    case OutputKind::Tiff:
      if (std::string why = renderTiff(m_page, painter, !m_settings.transparentBackground,
                                       m_settings.dpi, m_settings.cmyk, output());
          !why.empty())
        fail(std::move(why));
      break;
    case OutputKind::Eps:
      if (std::string why = renderEps(m_page, painter, output()); !why.empty())
        fail("the EPS could not be made: " + why);
      break;
    case OutputKind::Png: {
      std::string why =
          renderPng(m_page, painter, !m_settings.transparentBackground, m_settings.dpi, output());
      if (!why.empty()) fail(std::move(why));
      break;
    }
#endif
    default: break;
  }
  ++m_pagesWritten;
  m_page = {};
  m_cursor = 0;
  m_widest = 0;
  m_pageLines = 0;
  if (!writesPages()) {
    drainIfLarge();
    return;
  }
  // The page's document is complete: it goes whole to its own stream.
  if (m_pageStreams) {
    drainToStream();
  } else if (m_pagesWritten == 1) {
    m_firstPage = output();
  }
  output().clear();
}

void FigureWriter::endDocument() {
  if (overLimit()) {
    fail(!m_tooLarge.empty()
             ? m_tooLarge
             : "the figure has more than " + std::to_string(m_settings.cellLimit) + " cells");
#ifndef HUESET_FIGURE_FONT_TABLE
    m_pdf.reset();
#endif
    m_svg.reset();
    output().clear();
    return;
  }
  if (!m_line.runs.empty()) endLine(0);
  placePending();
  placeLegend();
  if (m_pageLines != 0 || m_pagesWritten == 0) finishPage();
#ifndef HUESET_FIGURE_FONT_TABLE
  if (m_pdf) {
    std::string why = m_pdf->finish();
    if (!why.empty()) fail("the PDF could not be made: " + why);
    m_pdf.reset();
  }
#endif
}

}  // namespace hueset
