#include "figure/glyph_drawing.h"

#include "figure/svg_figure.h"

namespace hueset {
namespace {

struct Placement {
  double left;
  double top;
  const FigureMetrics& metrics;
  double x(double cells) const { return left + cells * metrics.cellWidth; }
  double y(double lines) const { return top + lines * metrics.lineHeight; }
};

}  // namespace

#ifndef HUESET_FIGURE_FONT_TABLE
void drawLineGlyphs(cairo_t* cr, const FigurePage& page, const FigureMetrics& metrics,
                    Colour colour, cairo_font_face_t* face) {
  bool any = false;
  for (const FigureLine& line : page.lines) any = any || !line.glyphs.empty();
  if (!any) return;
  cairo_save(cr);
  cairo_set_source_rgb(cr, redOf(colour) / 255.0, greenOf(colour) / 255.0, blueOf(colour) / 255.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (face != nullptr) cairo_set_font_face(cr, face);
  for (const FigureLine& line : page.lines) {
    const Placement at{page.margin, page.margin + line.top, metrics};
    for (const GlyphPath& path : line.glyphs.paths) {
      if (path.points.empty()) continue;
      cairo_new_path(cr);
      for (const GlyphPoint& p : path.points) cairo_line_to(cr, at.x(p.x), at.y(p.y));
      if (path.filled) {
        cairo_close_path(cr);
        cairo_fill(cr);
      } else {
        cairo_set_line_width(cr, path.width * metrics.lineHeight);
        cairo_stroke(cr);
      }
    }
    for (const GlyphLabel& label : line.glyphs.labels) {
      cairo_set_font_size(cr, label.size * metrics.lineHeight);
      cairo_move_to(cr, at.x(label.x), at.y(label.y));
      cairo_show_text(cr, label.text.c_str());
    }
  }
  cairo_restore(cr);
}
#endif

void appendSvgGlyphs(std::string& out, const FigureLine& line, double margin,
                     const FigureMetrics& metrics, const std::string& colour) {
  const Placement at{margin, margin + line.top, metrics};
  for (const GlyphPath& path : line.glyphs.paths) {
    if (path.points.empty()) continue;
    out += path.filled ? "<polygon points=\"" : "<polyline points=\"";
    for (std::size_t i = 0; i < path.points.size(); ++i) {
      if (i > 0) out += ' ';
      appendSvgNumber(out, at.x(path.points[i].x));
      out += ',';
      appendSvgNumber(out, at.y(path.points[i].y));
    }
    if (path.filled) {
      out += "\" fill=\"" + colour + "\"/>\n";
    } else {
      out += "\" fill=\"none\" stroke=\"" + colour + "\" stroke-linecap=\"round\" stroke-width=\"";
      appendSvgNumber(out, path.width * metrics.lineHeight);
      out += "\"/>\n";
    }
  }
  for (const GlyphLabel& label : line.glyphs.labels) {
    out += "<text x=\"";
    appendSvgNumber(out, at.x(label.x));
    out += "\" y=\"";
    appendSvgNumber(out, at.y(label.y));
    out += "\" font-size=\"";
    appendSvgNumber(out, label.size * metrics.lineHeight);
    out += "\" fill=\"" + colour + "\">" + label.text + "</text>\n";
  }
}

}  // namespace hueset
