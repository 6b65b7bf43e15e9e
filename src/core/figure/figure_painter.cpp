#include "figure/figure_painter.h"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "figure/figure_mark_rows.h"
#include "figure/glyph_drawing.h"
#include "settings/option_table.h"

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
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((value >> shift) & 0xFFu));
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

// The glyph of one character given in UTF-8; 0 (the font's "missing" glyph)
// when it has none.
unsigned long FigurePainter::glyphOf(const Face& face, std::string_view utf8) {
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  unsigned long glyph = 0;
  if (cairo_scaled_font_text_to_glyphs(face.font.get(), 0, 0, utf8.data(),
                                       static_cast<int>(utf8.size()), &glyphs, &count, nullptr,
                                       nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
      count > 0) {
    glyph = glyphs[0].index;
  }
  cairo_glyph_free(glyphs);
  return glyph;
}

FigurePainter::FigurePainter(const FigureFont& font, const FigureMetrics& metrics,
                             std::vector<ResidueFormat> styles, double deviceScale)
    : m_metrics(metrics), m_styles(std::move(styles)), m_labelFace(font.faces[0].get()) {
  if (m_styles.empty()) m_styles.push_back(ResidueFormat{0, 0xFFFFFF, false, false});
  cairo_matrix_t scale;
  cairo_matrix_t device;
  cairo_matrix_init_scale(&scale, metrics.fontSize, metrics.fontSize);
  cairo_matrix_init_scale(&device, deviceScale, deviceScale);
  CairoFontOptions options(cairo_font_options_create());
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  for (std::size_t f = 0; f < m_faces.size(); ++f) {
    Face& face = m_faces[f];
    face.font.reset(cairo_scaled_font_create(font.faces[f].get(), &scale, &device, options.get()));
    // The glyph of every byte, looked up once instead of for every run.
    for (int byte = 0x21; byte < 0x100; ++byte) {
      if (drawsNothing(static_cast<unsigned char>(byte))) continue;
      std::string utf8;
      appendLatin1AsUtf8(utf8, static_cast<unsigned char>(byte));
      face.glyphs[static_cast<std::size_t>(byte)] = glyphOf(face, utf8);
    }
  }
}

// One call per style and page: every call costs cairo a text object and a
// colour in the PDF, far more than its glyphs do, and each glyph carries its
// own position anyway. A reader finds the text by position, line by line.
void FigurePainter::drawText(cairo_t* cr, const FigurePage& page) const {
  struct Batch {
    int style = 0;
    std::vector<cairo_glyph_t> glyphs;
    std::vector<cairo_text_cluster_t> clusters;
    std::string utf8;
  };
  std::vector<Batch> batches;
  for (const FigureLine& line : page.lines) {
    const double left = page.margin;
    const double baseline = page.margin + line.top + m_metrics.ascent;
    for (const FigureRun& run : line.runs) {
      const int style = static_cast<std::size_t>(run.style) < m_styles.size() ? run.style : 0;
      auto batch = std::find_if(batches.begin(), batches.end(),
                                [style](const Batch& b) { return b.style == style; });
      if (batch == batches.end()) batch = batches.insert(batches.end(), Batch{style, {}, {}, {}});
      const ResidueFormat& format = m_styles[static_cast<std::size_t>(style)];
      const Face& face = m_faces[FigureFont::faceIndex(format.bold, format.italic)];
      forEachDrawn(run.text, [&](DrawnCharacter c) {
        const std::size_t before = batch->utf8.size();
        appendUtf8(batch->utf8, c.code);
        const unsigned long glyph =
            c.code < face.glyphs.size()
                ? face.glyphs[c.code]
                : glyphOf(face, std::string_view(batch->utf8).substr(before));
        batch->glyphs.push_back(
            {glyph, left + static_cast<double>(run.column + c.cell) * m_metrics.cellWidth,
             baseline});
        batch->clusters.push_back({static_cast<int>(batch->utf8.size() - before), 1});
      });
    }
  }
  for (const Batch& batch : batches) {
    if (batch.glyphs.empty()) continue;
    const ResidueFormat& format = m_styles[static_cast<std::size_t>(batch.style)];
    setColour(cr, format.textColour);
    cairo_set_scaled_font(cr,
                          m_faces[FigureFont::faceIndex(format.bold, format.italic)].font.get());
    cairo_show_text_glyphs(cr, batch.utf8.data(), static_cast<int>(batch.utf8.size()),
                           batch.glyphs.data(), static_cast<int>(batch.glyphs.size()),
                           batch.clusters.data(), static_cast<int>(batch.clusters.size()),
                           static_cast<cairo_text_cluster_flags_t>(0));
  }
}

namespace {

// A point of the page moved onto the nearest pixel corner.
void snapToPixel(cairo_t* cr, double& x, double& y) {
  cairo_user_to_device(cr, &x, &y);
  x = std::round(x);
  y = std::round(y);
  cairo_device_to_user(cr, &x, &y);
}

}  // namespace

// Every line's marks in one path: lines touch, so the marks of a block form
// unbroken strokes down it.
void FigurePainter::drawBreaks(cairo_t* cr, const FigurePage& page) const {
  bool any = false;
  for (const FigureLine& line : page.lines) {
    for (const double cell : line.breaks) {
      cairo_rectangle(cr, page.margin + (cell - kBreakWidth / 2) * m_metrics.cellWidth,
                      page.margin + line.top, kBreakWidth * m_metrics.cellWidth,
                      m_metrics.lineHeight);
      any = true;
    }
  }
  if (!any) return;
  setColour(cr, m_styles.front().textColour);
  cairo_fill(cr);
}

void FigurePainter::drawPage(cairo_t* cr, const FigurePage& page, bool paintGround,
                             bool onPixels) const {
  if (paintGround) {
    setColour(cr, m_styles.front().backColour);
    cairo_rectangle(cr, 0, 0, page.width, page.height);
    cairo_fill(cr);
  }
  // Backgrounds first, one fill per colour; rectangles never overlap, so
  // text drawn after them is never covered.
  const std::vector<FigureRect> rects = backgroundRects(page, m_styles, m_metrics);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (i == 0 || rects[i].colour != rects[i - 1].colour) setColour(cr, rects[i].colour);
    double left = rects[i].x;
    double top = rects[i].y;
    double right = rects[i].x + rects[i].width;
    double bottom = rects[i].y + rects[i].height;
    if (onPixels) {
      snapToPixel(cr, left, top);
      snapToPixel(cr, right, bottom);
    }
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    if (i + 1 == rects.size() || rects[i + 1].colour != rects[i].colour) cairo_fill(cr);
  }
  drawText(cr, page);
  drawLineGlyphs(cr, page, m_metrics, m_styles.front().textColour, m_labelFace);
  drawBreaks(cr, page);
  drawLineShapes(cr, page, cairo_scaled_font_get_font_face(m_faces[1].font.get()));
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

namespace {

int lowestPngResolution() {
  for (const OptionInfo& option : optionList()) {
    if (option.name == "pngResolution") return static_cast<int>(option.low);
  }
  return 1;
}

}  // namespace

// The page drawn on a picture of whole pixels at `dpi`; null with the
// problem when it would be too large or cairo fails.
CairoSurface renderPicture(const FigurePage& page, const FigurePainter& painter, bool paintGround,
                           int dpi, std::string_view kind, std::string& problem) {
  const double scale = std::max(dpi, 1) / 72.0;
  // A hair's rounding must not add a pixel.
  const double width = std::ceil(page.width * scale - 1e-6);
  const double height = std::ceil(page.height * scale - 1e-6);
  problem = pngSizeProblem(width, height, dpi, lowestPngResolution(), kind);
  if (!problem.empty()) return nullptr;
  CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width),
                                                  static_cast<int>(height)));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    problem = cairo_status_to_string(cairo_surface_status(surface.get()));
    return nullptr;
  }
  {
    CairoContext cr(cairo_create(surface.get()));
    cairo_scale(cr.get(), scale, scale);
    painter.drawPage(cr.get(), page, paintGround, true);
  }
  cairo_surface_flush(surface.get());
  return surface;
}

std::string renderPng(const FigurePage& page, const FigurePainter& painter, bool paintGround,
                      int dpi, std::string& out) {
  std::string problem;
  const CairoSurface surface = renderPicture(page, painter, paintGround, dpi, "PNG", problem);
  if (!surface) return problem;
  std::string png;
  const cairo_status_t status =
      cairo_surface_write_to_png_stream(surface.get(), appendToString, &png);
  if (status != CAIRO_STATUS_SUCCESS) return cairo_status_to_string(status);
  out += withResolution(png, dpi);
  return {};
}

std::string renderEps(const FigurePage& page, const FigurePainter& painter, std::string& out) {
  CairoSurface surface(
      cairo_ps_surface_create_for_stream(appendToString, &out, page.width, page.height));
  cairo_ps_surface_set_eps(surface.get(), 1);
  {
    CairoContext context(cairo_create(surface.get()));
    painter.drawPage(context.get(), page, true);
    cairo_show_page(context.get());
  }
  cairo_surface_finish(surface.get());
  const cairo_status_t status = cairo_surface_status(surface.get());
  return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
}

namespace {

// libtiff writes through these onto a string, seeking back to patch its
// directory offsets.
struct TiffBuffer {
  std::string bytes;
  std::size_t at = 0;
};

tmsize_t tiffWrite(thandle_t handle, void* data, tmsize_t size) {
  auto& buffer = *static_cast<TiffBuffer*>(handle);
  const auto length = static_cast<std::size_t>(size);
  if (buffer.bytes.size() < buffer.at + length) buffer.bytes.resize(buffer.at + length);
  std::memcpy(buffer.bytes.data() + buffer.at, data, length);
  buffer.at += length;
  return size;
}

tmsize_t tiffRead(thandle_t, void*, tmsize_t) { return 0; }

toff_t tiffSeek(thandle_t handle, toff_t offset, int whence) {
  auto& buffer = *static_cast<TiffBuffer*>(handle);
  const std::size_t base = whence == SEEK_CUR   ? buffer.at
                           : whence == SEEK_END ? buffer.bytes.size()
                                                : 0;
  buffer.at = base + static_cast<std::size_t>(offset);
  return buffer.at;
}

int tiffClose(thandle_t) { return 0; }

toff_t tiffSize(thandle_t handle) { return static_cast<TiffBuffer*>(handle)->bytes.size(); }

// One row of cairo's premultiplied native-endian ARGB as the TIFF's
// samples: RGB, RGB with its (associated) alpha, or CMYK.
void tiffRow(const std::uint32_t* pixels, int width, bool alpha, bool cmyk, unsigned char* out) {
  for (int x = 0; x < width; ++x) {
    const std::uint32_t p = pixels[x];
    const unsigned r = (p >> 16) & 0xFFu;
    const unsigned g = (p >> 8) & 0xFFu;
    const unsigned b = p & 0xFFu;
    if (cmyk) {
      // The plain conversion with full black generation: exact for the
      // greys and the text, which must not print in four inks.
      const unsigned k = 255 - std::max({r, g, b});
      const unsigned rest = 255 - k;
      *out++ = static_cast<unsigned char>(rest ? (rest - r) * 255 / rest : 0);
      *out++ = static_cast<unsigned char>(rest ? (rest - g) * 255 / rest : 0);
      *out++ = static_cast<unsigned char>(rest ? (rest - b) * 255 / rest : 0);
      *out++ = static_cast<unsigned char>(k);
    } else {
      *out++ = static_cast<unsigned char>(r);
      *out++ = static_cast<unsigned char>(g);
      *out++ = static_cast<unsigned char>(b);
      if (alpha) *out++ = static_cast<unsigned char>(p >> 24);
    }
  }
}

}  // namespace

std::string renderTiff(const FigurePage& page, const FigurePainter& painter, bool paintGround,
                       int dpi, bool cmyk, std::string& out) {
  std::string problem;
  const CairoSurface surface = renderPicture(page, painter, paintGround, dpi, "TIFF", problem);
  if (!surface) return problem;
  const int width = cairo_image_surface_get_width(surface.get());
  const int height = cairo_image_surface_get_height(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  // CMYK is for print, where there is no transparency: the ground is white.
  const bool alpha = !paintGround && !cmyk;
  const int samples = cmyk ? 4 : alpha ? 4 : 3;

  TiffBuffer buffer;
  std::unique_ptr<TIFF, void (*)(TIFF*)> tiff(
      TIFFClientOpen("figure.tif", "w", &buffer, tiffRead, tiffWrite, tiffSeek, tiffClose, tiffSize,
                     nullptr, nullptr),
      TIFFClose);
  if (!tiff) return "the TIFF could not be started";
  TIFF* t = tiff.get();
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(width));
  TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(height));
  TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, samples);
  TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
  TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, cmyk ? PHOTOMETRIC_SEPARATED : PHOTOMETRIC_RGB);
  if (cmyk) TIFFSetField(t, TIFFTAG_INKSET, INKSET_CMYK);
  if (alpha) {
    const std::uint16_t extra[] = {EXTRASAMPLE_ASSOCALPHA};
    TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, extra);
  }
  TIFFSetField(t, TIFFTAG_XRESOLUTION, static_cast<float>(dpi));
  TIFFSetField(t, TIFFTAG_YRESOLUTION, static_cast<float>(dpi));
  TIFFSetField(t, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
  TIFFSetField(t, TIFFTAG_SOFTWARE, "Hueset");
  TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
  std::vector<unsigned char> row(static_cast<std::size_t>(width) *
                                 static_cast<std::size_t>(samples));
  for (int y = 0; y < height; ++y) {
    tiffRow(reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride),
            width, alpha, cmyk, row.data());
    if (TIFFWriteScanline(t, row.data(), static_cast<std::uint32_t>(y), 0) < 0)
      return "the TIFF could not be written";
  }
  tiff.reset();
  out += buffer.bytes;
  return {};
}

}  // namespace hueset
