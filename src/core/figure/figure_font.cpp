#include "figure/figure_font.h"

#include <cairo-ft.h>

#include <algorithm>
#include <string_view>

#include "figure/font_metric_table.h"
#include "util/text_format.h"

namespace hueset {
namespace {

// The best match for the family in one form, or none when fontconfig has no
// font at all.
FcPatternHandle matchFace(const std::string& family, bool bold, bool italic) {
  FcPatternHandle pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  // A family that is not installed and has no alias falls back on a
  // monospaced font, not on the default proportional one.
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("monospace"));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  return FcPatternHandle(FcFontMatch(nullptr, pattern.get(), &result));
}

std::string familyOf(const FcPattern* pattern) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, FC_FAMILY, 0, &value) != FcResultMatch || value == nullptr)
    return {};
  return reinterpret_cast<const char*>(value);
}

}  // namespace

bool FigureFont::substituted() const { return lowerAscii(requested) != lowerAscii(family); }

FigureFont findFigureFont(const std::string& family) {
  FigureFont font;
  font.requested = family;
  for (int bold = 0; bold < 2; ++bold) {
    for (int italic = 0; italic < 2; ++italic) {
      CairoFontFace face;
      if (FcPatternHandle match = matchFace(family, bold != 0, italic != 0)) {
        if (bold == 0 && italic == 0) font.family = familyOf(match.get());
        face.reset(cairo_ft_font_face_create_for_pattern(match.get()));
      } else {
        // No fontconfig font at all: cairo's own choice still draws text.
        face.reset(cairo_toy_font_face_create(
            "monospace", italic != 0 ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
            bold != 0 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL));
      }
      font.faces[FigureFont::faceIndex(bold != 0, italic != 0)] = std::move(face);
    }
  }
  if (font.family.empty()) font.family = "monospace";
  return font;
}

FigureMetrics measureFigureFont(const FigureFont& font, double size) {
  FigureMetrics metrics;
  metrics.fontSize = size;
  cairo_matrix_t scale;
  cairo_matrix_t identity;
  cairo_matrix_init_scale(&scale, size, size);
  cairo_matrix_init_identity(&identity);
  CairoFontOptions options(cairo_font_options_create());
  // Hinting would round advances to whole units of the measuring size.
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  for (const auto& face : font.faces) {
    CairoScaledFont scaled(cairo_scaled_font_create(face.get(), &scale, &identity, options.get()));
    cairo_font_extents_t extents;
    cairo_scaled_font_extents(scaled.get(), &extents);
    metrics.ascent = std::max(metrics.ascent, extents.ascent);
    metrics.lineHeight = std::max(metrics.lineHeight, extents.ascent + extents.descent);
    static constexpr std::string_view kSample =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789()-._~|";
    for (char c : kSample) {
      const char text[2] = {c, '\0'};
      cairo_text_extents_t glyph;
      cairo_scaled_font_text_extents(scaled.get(), text, &glyph);
      metrics.cellWidth = std::max(metrics.cellWidth, glyph.x_advance);
    }
  }
  if (metrics.cellWidth <= 0) metrics.cellWidth = size * 0.6;
  if (metrics.lineHeight <= 0) {
    metrics.lineHeight = size * 1.2;
    metrics.ascent = size;
  }
  return metrics;
}

std::optional<std::array<LetterInk, 26>> boldLetterInks(const FigureFont& font) {
  cairo_font_face_t* face = font.face(true, false);
  if (face == nullptr) return std::nullopt;
  std::array<LetterInk, 26> inks{};
  CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
  CairoContext cr(cairo_create(surface.get()));
  for (std::size_t a = 0; a < inks.size(); ++a) {
    cairo_set_font_face(cr.get(), face);
    cairo_set_font_size(cr.get(), 100);
    const char text[2] = {static_cast<char>('A' + a), 0};
    cairo_text_extents_t ink;
    cairo_text_extents(cr.get(), text, &ink);
    inks[a] = {ink.x_bearing, ink.y_bearing, ink.width, ink.height};
  }
  return inks;
}

}  // namespace hueset
