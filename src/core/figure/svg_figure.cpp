#include "figure/svg_figure.h"

#include <charconv>
#include <cstdio>

#include "figure/figure_painter.h"

namespace hueset {
namespace {

// Two decimals are a hundredth of a point, and no trailing zeros.
void appendNumber(std::string& out, double value) {
  char buffer[32];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (ec != std::errc{}) return;
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  while (text.back() == '0') text.remove_suffix(1);
  if (text.back() == '.') text.remove_suffix(1);
  if (text == "-0") text = "0";
  out += text;
}

// ` name="value"`, the value a number with `unit` after it.
void appendAttribute(std::string& out, std::string_view name, double value,
                     std::string_view unit = {}) {
  out += ' ';
  out += name;
  out += "=\"";
  appendNumber(out, value);
  out += unit;
  out += '"';
}

std::string colourText(Colour colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", redOf(colour), greenOf(colour),
                blueOf(colour));
  return buffer;
}

void appendEscaped(std::string& out, unsigned char byte) {
  switch (byte) {
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '&':
      out += "&amp;";
      break;
    case '"':
      out += "&quot;";
      break;
    default:
      // XML has no place for control characters; they draw nothing anyway.
      if (drawsNothing(byte)) {
        out.push_back(' ');
      } else {
        appendLatin1AsUtf8(out, byte);
      }
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

std::string svgFigure(const FigurePage& page, const std::vector<ResidueFormat>& styles,
                      const FigureFont& font, const FigureMetrics& metrics) {
  const std::vector<ResidueFormat> fallback{ResidueFormat{0, 0xFFFFFF, false, false}};
  const std::vector<ResidueFormat>& formats = styles.empty() ? fallback : styles;
  auto styleOf = [&formats](int style) -> const ResidueFormat& {
    return formats[static_cast<std::size_t>(style) < formats.size()
                       ? static_cast<std::size_t>(style)
                       : 0];
  };
  const Colour ground = formats.front().backColour;

  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
  appendAttribute(out, "width", page.width, "pt");
  appendAttribute(out, "height", page.height, "pt");
  out += " viewBox=\"0 0 ";
  appendNumber(out, page.width);
  out += ' ';
  appendNumber(out, page.height);
  out += "\">\n<rect width=\"100%\" height=\"100%\" fill=\"" + colourText(ground) + "\"/>\n";

  std::string family = quotedFamily(font.requested);
  if (font.substituted()) family += ", " + quotedFamily(font.family);
  out += "<g font-family=\"" + family + ", monospace\"";
  appendAttribute(out, "font-size", metrics.fontSize);
  out += ">\n";

  for (const FigureRect& rect : backgroundRects(page, formats, metrics)) {
    out += "<rect";
    appendAttribute(out, "x", rect.x);
    appendAttribute(out, "y", rect.y);
    appendAttribute(out, "width", rect.width);
    appendAttribute(out, "height", rect.height);
    out += " fill=\"" + colourText(rect.colour) + "\"/>\n";
  }
  const double cell = metrics.cellWidth;
  for (const FigureLine& line : page.lines) {
    const double top = page.margin + line.top;
    bool opened = false;
    for (const FigureRun& run : line.runs) {
      // Only what draws is written, each character with its own x: blanks
      // would be collapsed by some viewers and shift every position after.
      std::string xs;
      std::string text;
      for (std::size_t k = 0; k < run.text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(run.text[k]);
        if (drawsNothing(byte)) continue;
        if (!xs.empty()) xs += ' ';
        appendNumber(xs, page.margin + static_cast<double>(run.column + k) * cell);
        appendEscaped(text, byte);
      }
      if (text.empty()) continue;
      if (!opened) {
        out += "<text";
        appendAttribute(out, "y", top + metrics.ascent);
        out += ">";
        opened = true;
      }
      const ResidueFormat& style = styleOf(run.style);
      out += "<tspan x=\"" + xs + "\" fill=\"" + colourText(style.textColour) + "\"";
      if (style.bold) out += " font-weight=\"bold\"";
      if (style.italic) out += " font-style=\"italic\"";
      out += '>' + text + "</tspan>";
    }
    if (opened) out += "</text>\n";
  }
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace hueset
