#include "figure/svg_figure.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "figure/figure_cells.h"
#include "figure/figure_mark_rows.h"
#include "figure/glyph_drawing.h"
#include "util/decimal_text.h"

namespace hueset {

void appendSvgNumber(std::string& out, double value) {
  const std::string fixed = fixedDecimal(value, 2);
  if (fixed.empty() || fixed.size() > 32) return;  // what no figure holds
  std::string_view text(fixed);
  while (text.back() == '0') text.remove_suffix(1);
  if (text.back() == '.') text.remove_suffix(1);
  if (text == "-0") text = "0";
  out += text;
}

namespace {

// ` name="value"`, the value a number with `unit` after it.
void appendAttribute(std::string& out, std::string_view name, double value,
                     std::string_view unit = {}) {
  out += ' ';
  out += name;
  out += "=\"";
  appendSvgNumber(out, value);
  out += unit;
  out += '"';
}

std::string colourText(Colour colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", redOf(colour), greenOf(colour),
                blueOf(colour));
  return buffer;
}

void appendEscaped(std::string& out, std::uint32_t code) {
  switch (code) {
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '&': out += "&amp;"; break;
    case '"': out += "&quot;"; break;
    default: appendUtf8(out, code);
  }
}

std::string quotedFamily(const std::string& family) {
  std::string out = "'";
  for (char c : family) {
    if (c == '\'' || c == '"' || c == '<' || c == '&') continue;
    out.push_back(c);
  }
  return out + "'";
}

}  // namespace

// Bytes put aside until the document's end: in an unnamed temporary file,
// through a window kept in memory; in memory alone when no file can be made.
class SvgFigureStream::Spool {
 public:
  Spool() : m_file(std::tmpfile()) {}
  ~Spool() {
    if (m_file) std::fclose(m_file);
  }
  Spool(const Spool&) = delete;
  Spool& operator=(const Spool&) = delete;

  std::size_t size() const { return m_flushed + m_window.size(); }
  void append(const void* data, std::size_t size) {
    m_window.append(static_cast<const char*>(data), size);
    if (m_file && m_window.size() >= kWindow) flush();
  }
  void append(std::string_view text) { append(text.data(), text.size()); }
  // Overwrites bytes already appended.
  void overwrite(std::size_t offset, const void* data, std::size_t size) {
    if (offset >= m_flushed) {
      m_window.replace(offset - m_flushed, size, static_cast<const char*>(data), size);
      return;
    }
    if (std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0 ||
        std::fwrite(data, 1, size, m_file) != size || std::fseek(m_file, 0, SEEK_END) != 0)
      m_failed = true;
  }
  // Hands everything appended to `take`, piece by piece.
  template <typename Take>
  void readAll(Take take) {
    if (m_file && m_flushed > 0) {
      std::string piece(kWindow, '\0');
      if (std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_SET) != 0) m_failed = true;
      for (std::size_t left = m_flushed; left > 0 && !m_failed;) {
        const std::size_t n = std::fread(piece.data(), 1, std::min(left, piece.size()), m_file);
        if (n == 0) m_failed = true;
        take(std::string_view(piece.data(), n));
        left -= n;
      }
    }
    take(std::string_view(m_window));
  }
  bool failed() const { return m_failed; }

 private:
  void flush() {
    if (std::fwrite(m_window.data(), 1, m_window.size(), m_file) != m_window.size())
      m_failed = true;
    m_flushed += m_window.size();
    m_window.clear();
  }
  static constexpr std::size_t kWindow = 1 << 20;
  std::FILE* m_file;
  std::string m_window;
  std::size_t m_flushed = 0;
  bool m_failed = false;
};

namespace {

// A background rectangle as it waits in its colour's spool.
struct RectRecord {
  double x;
  double y;
  double width;
  double height;
};

void appendRect(std::string& out, const RectRecord& rect, const std::string& fill) {
  out += "<rect";
  appendAttribute(out, "x", rect.x);
  appendAttribute(out, "y", rect.y);
  appendAttribute(out, "width", rect.width);
  appendAttribute(out, "height", rect.height);
  out += fill;
}

// A line's <text>, only what draws, in pieces of characters in cells side
// by side, each piece placed by the x of its first: a blank would be
// collapsed by some viewers, and a list of x positions, one a character, is
// ignored by others (librsvg), so neither may place a character.
std::string textLine(const FigureLine& line, double margin, const FigureMetrics& metrics,
                     const std::vector<ResidueFormat>& formats) {
  std::string out;
  const double top = margin + line.top;
  const double cell = metrics.cellWidth;
  for (const FigureRun& run : line.runs) {
    const std::size_t style = static_cast<std::size_t>(run.style);
    const ResidueFormat& format = formats[style < formats.size() ? style : 0];
    std::string attributes = "\" fill=\"" + colourText(format.textColour) + "\"";
    if (format.bold) attributes += " font-weight=\"bold\"";
    if (format.italic) attributes += " font-style=\"italic\"";
    attributes += '>';
    std::size_t next = 0;  // the cell after the piece's last character
    bool open = false;
    forEachDrawn(run.text, [&](DrawnCharacter c) {
      if (open && c.cell != next) {
        out += "</tspan>";
        open = false;
      }
      if (!open) {
        if (out.empty()) {
          out += "<text";
          appendAttribute(out, "y", top + metrics.ascent);
          out += ">";
        }
        out += "<tspan x=\"";
        appendSvgNumber(out, margin + static_cast<double>(run.column + c.cell) * cell);
        out += attributes;
        open = true;
      }
      appendEscaped(out, c.code);
      next = c.cell + 1;
    });
    if (open) out += "</tspan>";
  }
  if (!out.empty()) out += "</text>\n";
  return out;
}

}  // namespace

struct SvgFigureStream::Bucket {
  Colour colour;
  std::size_t count = 0;
  Spool rects;
};

SvgFigureStream::SvgFigureStream(std::vector<ResidueFormat> styles, const FigureFont& font,
                                 const FigureMetrics& metrics, double margin)
    : m_styles(std::move(styles)),
      m_font(font),
      m_metrics(metrics),
      m_margin(margin),
      m_text(std::make_unique<Spool>()) {
  if (m_styles.empty()) m_styles.push_back(ResidueFormat{0, 0xFFFFFF, false, false});
  std::vector<Colour> colours;
  for (const ResidueFormat& style : m_styles) {
    if (style.backColour != m_styles.front().backColour) colours.push_back(style.backColour);
  }
  std::sort(colours.begin(), colours.end());
  colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
  m_buckets = std::vector<Bucket>(colours.size());
  for (std::size_t b = 0; b < colours.size(); ++b) m_buckets[b].colour = colours[b];
}

SvgFigureStream::~SvgFigureStream() = default;

void SvgFigureStream::closeSpan(const Span& span) {
  if (span.height == m_metrics.lineHeight) return;  // as it was written
  Bucket& bucket = m_buckets[span.bucket];
  bucket.rects.overwrite(span.index * sizeof(RectRecord) + offsetof(RectRecord, height),
                         &span.height, sizeof span.height);
}

void SvgFigureStream::addLine(const FigureLine& line) {
  // Backgrounds are joined along the line and down the page as
  // backgroundRects joins them; a rectangle is written when it starts and
  // its height set when it ends.
  std::vector<Span> spans;
  for (const BackgroundSpan& span : backgroundSpans(line, m_styles)) spans.push_back({span});
  const double top = m_margin + line.top;
  const bool touches = std::abs(top - m_aboveBottom) < 1e-6;
  std::size_t a = 0;
  std::vector<bool> continued(m_above.size(), false);
  for (Span& span : spans) {
    while (touches && a < m_above.size() && m_above[a].first < span.first) ++a;
    if (touches && a < m_above.size() && m_above[a].first == span.first &&
        m_above[a].end == span.end && m_above[a].colour == span.colour) {
      span.bucket = m_above[a].bucket;
      span.index = m_above[a].index;
      span.height = m_above[a].height + m_metrics.lineHeight;
      continued[a] = true;
    } else {
      const auto found = std::lower_bound(
          m_buckets.begin(), m_buckets.end(), span.colour,
          [](const Bucket& bucket, Colour colour) { return bucket.colour < colour; });
      span.bucket = static_cast<std::size_t>(found - m_buckets.begin());
      span.index = found->count++;
      span.height = m_metrics.lineHeight;
      const RectRecord rect{m_margin + static_cast<double>(span.first) * m_metrics.cellWidth, top,
                            static_cast<double>(span.end - span.first) * m_metrics.cellWidth,
                            span.height};
      found->rects.append(&rect, sizeof rect);
    }
  }
  for (std::size_t i = 0; i < m_above.size(); ++i) {
    if (!continued[i]) closeSpan(m_above[i]);
  }
  m_above = std::move(spans);
  m_aboveBottom = top + m_metrics.lineHeight;
  m_text->append(textLine(line, m_margin, m_metrics, m_styles));
  if (!line.marks.shapes.empty() || !line.marks.glyphs.empty())
    m_text->append(svgLineShapes(line, m_margin, top, m_font));
  if (!line.glyphs.empty()) {
    std::string glyphs;
    appendSvgGlyphs(glyphs, line, m_margin, m_metrics, colourText(m_styles.front().textColour));
    m_text->append(glyphs);
  }
  // Break marks go over the text, as the painter draws them.
  if (line.breaks.empty()) return;
  std::string marks;
  const std::string fill = " fill=\"" + colourText(m_styles.front().textColour) + "\"/>\n";
  for (const double cell : line.breaks) {
    appendRect(marks,
               RectRecord{m_margin + (cell - kBreakWidth / 2) * m_metrics.cellWidth, top,
                          kBreakWidth * m_metrics.cellWidth, m_metrics.lineHeight},
               fill);
  }
  m_text->append(marks);
}

std::string SvgFigureStream::finish(double width, double height, std::string& out,
                                    const std::function<void()>& drain) {
  for (const Span& span : m_above) closeSpan(span);
  m_above.clear();
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
  appendAttribute(out, "width", width, "pt");
  appendAttribute(out, "height", height, "pt");
  out += " viewBox=\"0 0 ";
  appendSvgNumber(out, width);
  out += ' ';
  appendSvgNumber(out, height);
  out += "\">\n<rect width=\"100%\" height=\"100%\" fill=\"" +
         colourText(m_styles.front().backColour) + "\"/>\n";

  std::string family = quotedFamily(m_font.requested);
  if (m_font.substituted()) family += ", " + quotedFamily(m_font.family);
  out += "<g font-family=\"" + family + ", monospace\"";
  appendAttribute(out, "font-size", m_metrics.fontSize);
  out += ">\n";
  bool failed = false;
  // Each colour's rectangles in the order they were made, as a stable sort
  // by colour leaves them.
  for (Bucket& bucket : m_buckets) {
    const std::string fill = " fill=\"" + colourText(bucket.colour) + "\"/>\n";
    std::string partial;  // a record cut between two pieces
    bucket.rects.readAll([&](std::string_view piece) {
      partial.append(piece);
      const std::size_t whole = partial.size() / sizeof(RectRecord);
      for (std::size_t r = 0; r < whole; ++r) {
        RectRecord rect;
        std::memcpy(&rect, partial.data() + r * sizeof rect, sizeof rect);
        appendRect(out, rect, fill);
      }
      partial.erase(0, whole * sizeof(RectRecord));
      drain();
    });
    failed = failed || bucket.rects.failed();
  }
  m_text->readAll([&](std::string_view piece) {
    out += piece;
    drain();
  });
  failed = failed || m_text->failed();
  out += "</g>\n</svg>\n";
  return failed ? "a temporary file could not be written" : "";
}

std::string svgFigure(const FigurePage& page, const std::vector<ResidueFormat>& styles,
                      const FigureFont& font, const FigureMetrics& metrics) {
  SvgFigureStream stream(styles, font, metrics, page.margin);
  for (const FigureLine& line : page.lines) stream.addLine(line);
  std::string out;
  stream.finish(page.width, page.height, out, [] {});
  return out;
}

}  // namespace hueset
