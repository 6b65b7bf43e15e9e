#include "figure/figure_painter.h"

#include <cairo-pdf.h>

#include <cmath>
#include <cstdint>

namespace hueset {
namespace {

void setColour(cairo_t* cr, Colour colour) {
  cairo_set_source_rgb(cr, redOf(colour) / 255.0, greenOf(colour) / 255.0, blueOf(colour) / 255.0);
}

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::uint32_t crc32(const unsigned char* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void appendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

// cairo records no resolution; a pHYs chunk right after the header does.
std::string withResolution(const std::string& png, int dpi) {
  constexpr std::size_t kAfterHeader = 8 + 4 + 4 + 13 + 4;  // signature, IHDR chunk
  if (png.size() < kAfterHeader) return png;
  const auto perMetre = static_cast<std::uint32_t>(std::lround(dpi / 0.0254));
  std::string chunk = "pHYs";
  appendBigEndian(chunk, perMetre);
  appendBigEndian(chunk, perMetre);
  chunk.push_back('\1');  // the unit is the metre
  std::string out = png.substr(0, kAfterHeader);
  appendBigEndian(out, 9);
  out += chunk;
  appendBigEndian(out, crc32(reinterpret_cast<const unsigned char*>(chunk.data()), chunk.size()));
  out.append(png, kAfterHeader, std::string::npos);
  return out;
}

}  // namespace

void appendLatin1AsUtf8(std::string& out, unsigned char byte) {
  if (byte < 0x80) {
    out.push_back(static_cast<char>(byte));
  } else {
    out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
    out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
  }
}

FigurePainter::FigurePainter(const FigureFont& font, const FigureMetrics& metrics,
                             std::vector<ResidueFormat> styles)
    : m_metrics(metrics), m_styles(std::move(styles)) {
  if (m_styles.empty()) m_styles.push_back(ResidueFormat{0, 0xFFFFFF, false, false});
  cairo_matrix_t scale;
  cairo_matrix_t identity;
  cairo_matrix_init_scale(&scale, metrics.fontSize, metrics.fontSize);
  cairo_matrix_init_identity(&identity);
  CairoFontOptions options(cairo_font_options_create());
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  for (std::size_t f = 0; f < m_faces.size(); ++f) {
    Face& face = m_faces[f];
    face.font.reset(cairo_scaled_font_create(font.faces[f].get(), &scale, &identity, options.get()));
    // The glyph of every byte, looked up once instead of for every run.
    for (int byte = 0x21; byte < 0x100; ++byte) {
      if (drawsNothing(static_cast<unsigned char>(byte))) continue;
      std::string utf8;
      appendLatin1AsUtf8(utf8, static_cast<unsigned char>(byte));
      cairo_glyph_t* glyphs = nullptr;
      int count = 0;
      if (cairo_scaled_font_text_to_glyphs(face.font.get(), 0, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           &glyphs, &count, nullptr, nullptr, nullptr) ==
              CAIRO_STATUS_SUCCESS &&
          count > 0) {
        face.glyphs[static_cast<std::size_t>(byte)] = glyphs[0].index;
      }
      cairo_glyph_free(glyphs);
    }
  }
}

void FigurePainter::drawText(cairo_t* cr, const FigureRun& run, double x, double baseline) const {
  const ResidueFormat& style = m_styles[static_cast<std::size_t>(run.style) < m_styles.size() ? run.style : 0];
  const Face& face = m_faces[FigureFont::faceIndex(style.bold, style.italic)];
  std::vector<cairo_glyph_t> glyphs;
  std::vector<cairo_text_cluster_t> clusters;
  std::string utf8;
  glyphs.reserve(run.text.size());
  clusters.reserve(run.text.size());
  for (std::size_t k = 0; k < run.text.size(); ++k) {
    const auto byte = static_cast<unsigned char>(run.text[k]);
    if (drawsNothing(byte)) continue;
    const std::size_t before = utf8.size();
    appendLatin1AsUtf8(utf8, byte);
    glyphs.push_back({face.glyphs[byte], x + static_cast<double>(k) * m_metrics.cellWidth, baseline});
    clusters.push_back({static_cast<int>(utf8.size() - before), 1});
  }
  if (glyphs.empty()) return;
  setColour(cr, style.textColour);
  cairo_set_scaled_font(cr, face.font.get());
  cairo_show_text_glyphs(cr, utf8.data(), static_cast<int>(utf8.size()), glyphs.data(),
                         static_cast<int>(glyphs.size()), clusters.data(), static_cast<int>(clusters.size()),
                         static_cast<cairo_text_cluster_flags_t>(0));
}

void FigurePainter::drawPage(cairo_t* cr, const FigurePage& page, bool paintGround) const {
  const Colour ground = m_styles.front().backColour;
  if (paintGround) {
    setColour(cr, ground);
    cairo_rectangle(cr, 0, 0, page.width, page.height);
    cairo_fill(cr);
  }
  const double cell = m_metrics.cellWidth;
  const double height = m_metrics.lineHeight;
  for (const FigureLine& line : page.lines) {
    const double top = page.margin + line.top;
    // Backgrounds first, one fill per colour change, so text is never covered.
    bool open = false;
    Colour current = ground;
    for (const FigureRun& run : line.runs) {
      const Colour back = m_styles[static_cast<std::size_t>(run.style) < m_styles.size() ? run.style : 0].backColour;
      if (back == ground) continue;
      if (open && back != current) cairo_fill(cr);
      if (!open || back != current) setColour(cr, back);
      current = back;
      open = true;
      cairo_rectangle(cr, page.margin + static_cast<double>(run.column) * cell, top,
                      static_cast<double>(run.text.size()) * cell, height);
    }
    if (open) cairo_fill(cr);
    for (const FigureRun& run : line.runs) {
      drawText(cr, run, page.margin + static_cast<double>(run.column) * cell, top + m_metrics.ascent);
    }
  }
}

PdfDocument::PdfDocument(std::string& out, const std::string& subject)
    : m_surface(cairo_pdf_surface_create_for_stream(appendToString, &out, 1, 1)) {
  cairo_pdf_surface_set_metadata(m_surface.get(), CAIRO_PDF_METADATA_CREATOR, "Hueset");
  cairo_pdf_surface_set_metadata(m_surface.get(), CAIRO_PDF_METADATA_SUBJECT, subject.c_str());
}

void PdfDocument::addPage(const FigurePage& page, const FigurePainter& painter) {
  cairo_pdf_surface_set_size(m_surface.get(), page.width, page.height);
  if (!m_context) m_context.reset(cairo_create(m_surface.get()));
  painter.drawPage(m_context.get(), page, true);
  cairo_show_page(m_context.get());
}

std::string PdfDocument::finish() {
  m_context.reset();
  cairo_surface_finish(m_surface.get());
  const cairo_status_t status = cairo_surface_status(m_surface.get());
  return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
}

std::string renderPng(const FigurePage& page, const FigurePainter& painter, bool paintGround,
                      int dpi, std::string& out) {
  const double width = std::ceil(page.width);
  const double height = std::ceil(page.height);
  if (width > kLargestPngSide || height > kLargestPngSide || width * height > kLargestPngArea) {
    return "the picture would be " + std::to_string(static_cast<long long>(width)) + " x " +
           std::to_string(static_cast<long long>(height)) +
           " pixels, more than a PNG is made for; lower the resolution or write a PDF or SVG";
  }
  CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width),
                                                  static_cast<int>(height)));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    return cairo_status_to_string(cairo_surface_status(surface.get()));
  }
  {
    CairoContext cr(cairo_create(surface.get()));
    painter.drawPage(cr.get(), page, paintGround);
  }
  cairo_surface_flush(surface.get());
  std::string png;
  const cairo_status_t status = cairo_surface_write_to_png_stream(surface.get(), appendToString, &png);
  if (status != CAIRO_STATUS_SUCCESS) return cairo_status_to_string(status);
  out += withResolution(png, dpi);
  return {};
}

}  // namespace hueset
