#include "figure/figure_writer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "annotate/layout.h"
#include "figure/figure_painter.h"
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

FigureWriter::FigureWriter(OutputKind form, std::int32_t fontSize, const std::string& fontName,
                           FigureSettings settings)
    : AnnotationWriter(fontSize, fontName),
      m_form(form),
      m_settings(settings),
      m_font(findFigureFont(fontName)) {
  if (isPicture()) m_pixelsPerPoint = std::max(m_settings.dpi, 1) / 72.0;
  m_metrics = measureFigureFont(m_font, std::max(fontSize, 10) / 10.0);
  m_drawnMetrics = m_metrics;
  m_drawnMetrics.fontSize *= m_pixelsPerPoint;
  m_drawnMetrics.cellWidth *= m_pixelsPerPoint;
  m_drawnMetrics.ascent *= m_pixelsPerPoint;
  m_drawnMetrics.lineHeight *= m_pixelsPerPoint;
}

FigureWriter::~FigureWriter() = default;

double FigureWriter::marginPoints() const {
  return m_settings.paper == FigurePaper::Content ? kContentMargin : kPaperMargin;
}

int FigureWriter::pageLineCharacters() const {
  if (m_settings.paper == FigurePaper::Content) return 0;
  const double width = paperSize(m_settings.paper, m_settings.landscape).width;
  return std::max(1, static_cast<int>((width - 2 * marginPoints()) / m_metrics.cellWidth));
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
  m_pdf.reset();
  m_svg.reset();
  output().clear();
  m_line = {};
  m_pending.clear();
  m_pendingGaps.clear();
  m_page = {};
  m_cursor = 0;
  m_blockGap = false;
  m_pagesWritten = 0;
  m_cells = 0;
  m_widest = 0;
  m_pageLines = 0;
  m_tooLarge.clear();
  m_problem.clear();
  m_firstPage.clear();
  startPage();
  if (m_form == OutputKind::Pdf) {
    std::string subject = "Font: " + m_font.family;
    if (m_font.substituted()) subject += " (in place of " + m_font.requested + ")";
    m_pdf = std::make_unique<PdfDocument>(output(), subject);
  }
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
  // Every residue takes a cell of its own, so a PNG whose residues alone
  // pass its largest area would only be refused after a layout in vain.
  m_columnNumbers = annotated.columnNumbers;
  const double area =
      static_cast<double>(residues) * m_drawnMetrics.cellWidth * m_drawnMetrics.lineHeight;
  if (isPicture() && area > kLargestPngArea) {
    m_tooLarge = "the picture would be more than " +
                 std::to_string(static_cast<long long>(area / 1e6)) +
                 " million pixels, more than a PNG is made for; lower the resolution or "
                 "write a PDF or SVG";
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
  const std::size_t group = std::max<std::uint32_t>(content.groupWidth, 1);
  for (std::size_t k = 0; k < content.columns; ++k) {
    if (!breaksBefore(content.firstColumn + k)) continue;
    // On the edge between two cells, or amid the blank between two groups.
    const std::size_t groupsBefore = k / group;  // each adds a blank cell
    const double cell = static_cast<double>(content.firstCell + k + groupsBefore);
    m_line.breaks.push_back(k % group == 0 ? cell - 0.5 : cell);
  }
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
  placePending();
  m_blockGap = true;
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
  if (m_pageLines != 0 && m_cursor + gap + height > limit) {
    finishPage();
    startPage();
  }
  if (m_pageLines == 0) gap = 0;
  m_cursor += gap;
  for (std::size_t i = 0; i < m_pending.size(); ++i) {
    // A block taller than a page is split between its lines.
    if (m_pageLines != 0 && m_cursor + lineHeight > limit) {
      finishPage();
      startPage();
    }
    m_pending[i].top = m_cursor;
    m_widest = std::max(m_widest, m_pending[i].cells);
    ++m_pageLines;
    if (m_svg) {
      m_svg->addLine(m_pending[i]);
    } else {
      m_page.lines.push_back(std::move(m_pending[i]));
    }
    m_cursor += lineHeight + m_pendingGaps[i];
  }
  m_pending.clear();
  m_pendingGaps.clear();
  m_blockGap = false;
}

void FigureWriter::finishPage() {
  const double margin = marginPoints();
  m_page.margin = margin;
  const double contentWidth = static_cast<double>(m_widest) * m_metrics.cellWidth + 2 * margin;
  const double contentHeight = m_cursor + 2 * margin;
  if (m_settings.paper == FigurePaper::Content) {
    m_page.width = contentWidth;
    m_page.height = contentHeight;
  } else {
    const PaperSize paper = paperSize(m_settings.paper, m_settings.landscape);
    m_page.width = paper.width;
    m_page.height = paper.height;
  }

  const FigurePainter painter(m_font, m_metrics, styles(), m_pixelsPerPoint);
  switch (m_form) {
    case OutputKind::Pdf: m_pdf->addPage(m_page, painter); break;
    case OutputKind::Svg:
      if (std::string why =
              m_svg->finish(m_page.width, m_page.height, output(), [this] { drainIfLarge(); });
          !why.empty())
        fail("the SVG could not be made: " + why);
      m_svg.reset();
      break;
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
    m_pdf.reset();
    m_svg.reset();
    output().clear();
    return;
  }
  if (!m_line.runs.empty()) endLine(0);
  placePending();
  if (m_pageLines != 0 || m_pagesWritten == 0) finishPage();
  if (m_pdf) {
    std::string why = m_pdf->finish();
    if (!why.empty()) fail("the PDF could not be made: " + why);
    m_pdf.reset();
  }
}

}  // namespace hueset
