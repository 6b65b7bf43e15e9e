#include "annotate/structure_glyphs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "annotate/layout.h"

namespace hueset {
namespace {

constexpr std::array<std::string_view, 4> kExactLabels = {"SS_cons", "ss_dssp", "ss_pred",
                                                          "DSC_SEC"};
constexpr std::array<std::string_view, 3> kFirstWordLabels = {"DSC", "PHD", "DSSP"};

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool isGap(char c) { return c == ' ' || c == '.'; }

StructureKind kindOf(char c) {
  switch (c) {
    case 'H':
    case 'h': return StructureKind::AlphaHelix;
    case 'G':
    case 'g': return StructureKind::ThreeTenHelix;
    case 'I':
    case 'i': return StructureKind::PiHelix;
    case 'E':
    case 'e': return StructureKind::Strand;
    case 'B':
    case 'b': return StructureKind::Bridge;
    case 'T':
    case 't': return StructureKind::Turn;
    case 'S':
    case 's': return StructureKind::Bend;
    default: return StructureKind::Coil;
  }
}

// Which count an element is numbered on; -1 for none.
int counterOf(StructureKind kind) {
  switch (kind) {
    case StructureKind::AlphaHelix:
    case StructureKind::PiHelix: return 0;
    case StructureKind::ThreeTenHelix: return 1;
    case StructureKind::Strand: return 2;
    default: return -1;
  }
}

// As a figure marks them: the columns before `column`, down to the one shown
// before it, were elided.
bool breaksBefore(const std::vector<std::int32_t>& columns, std::size_t column) {
  if (column >= columns.size()) return false;
  const std::int32_t shown = columns[column];
  if (column == 0) return shown != 1;
  const std::int32_t before = columns[column - 1];
  if (shown == 0) return before != 0;
  return before == 0 || shown != before + 1;
}

// Where the shapes sit in the line: under the labels when there are any.
struct Band {
  double top;
  double bottom;
  double middle() const { return (top + bottom) / 2; }
  double height() const { return bottom - top; }
};

constexpr double kLineWidth = 0.07;   // coil, turns
constexpr double kCoilWidth = 0.09;   // a helix's coil
constexpr double kLabelSize = 0.42;   // line heights
constexpr double kInset = 0.08;       // cells left free at a cut, for the break mark
constexpr double kHelixPeriod = 1.5;  // cells a turn of the coil

void addHelix(LineGlyphs& out, double x0, double x1, const Band& band, StructureKind kind,
              bool cylinder) {
  const double amplitude = band.height() * (kind == StructureKind::ThreeTenHelix ? 0.3 : 0.45);
  GlyphPath path;
  if (cylinder) {
    // A rounded bar: half-ellipse ends of a fifth of a cell at most.
    const double r = std::min(0.35, (x1 - x0) / 2);
    path.filled = true;
    constexpr int kSteps = 8;
    for (int s = 0; s <= kSteps; ++s) {
      const double a = std::numbers::pi * (0.5 + static_cast<double>(s) / kSteps);
      path.points.push_back({x0 + r + r * std::cos(a), band.middle() - amplitude * std::sin(a)});
    }
    for (int s = 0; s <= kSteps; ++s) {
      const double a = std::numbers::pi * (1.5 + static_cast<double>(s) / kSteps);
      path.points.push_back({x1 - r + r * std::cos(a), band.middle() - amplitude * std::sin(a)});
    }
    out.paths.push_back(std::move(path));
    return;
  }
  // A sine of whole half turns, so the coil starts and ends on the axis.
  const double length = x1 - x0;
  const double halves = std::max(1.0, std::round(2 * length / kHelixPeriod));
  constexpr int kStepsPerHalf = 8;
  const int steps = static_cast<int>(halves) * kStepsPerHalf;
  path.width = kCoilWidth;
  for (int s = 0; s <= steps; ++s) {
    const double t = static_cast<double>(s) / steps;
    path.points.push_back(
        {x0 + t * length, band.middle() - amplitude * std::sin(std::numbers::pi * halves * t)});
  }
  out.paths.push_back(std::move(path));
}

void addArrow(LineGlyphs& out, double x0, double x1, const Band& band, bool head) {
  const double body = band.height() * 0.22;
  const double wing = band.height() * 0.48;
  const double m = band.middle();
  GlyphPath path;
  path.filled = true;
  const double headLength = head ? std::min(0.9, (x1 - x0) * 0.7) : 0;
  const double neck = x1 - headLength;
  path.points = {{x0, m - body}, {neck, m - body}};
  if (head) path.points.insert(path.points.end(), {{neck, m - wing}, {x1, m}, {neck, m + wing}});
  path.points.insert(path.points.end(), {{neck, m + body}, {x0, m + body}});
  out.paths.push_back(std::move(path));
}

void addMark(LineGlyphs& out, double x0, double x1, const Band& band, StructureKind kind) {
  GlyphPath path;
  if (kind == StructureKind::Turn) {
    // An arch over the turn's residues.
    path.width = kLineWidth;
    const double rise = band.height() * 0.4;
    constexpr int kSteps = 10;
    for (int s = 0; s <= kSteps; ++s) {
      const double t = static_cast<double>(s) / kSteps;
      path.points.push_back(
          {x0 + 0.1 + t * (x1 - x0 - 0.2), band.middle() - rise * std::sin(std::numbers::pi * t)});
    }
  } else if (kind == StructureKind::Bend) {
    // A small diamond in the middle.
    const double cx = (x0 + x1) / 2;
    const double r = band.height() * 0.14;
    path.filled = true;
    path.points = {{cx - r, band.middle()},
                   {cx, band.middle() - r},
                   {cx + r, band.middle()},
                   {cx, band.middle() + r}};
  } else {
    path.width = kLineWidth;
    path.points = {{x0, band.middle()}, {x1, band.middle()}};
  }
  out.paths.push_back(std::move(path));
}

}  // namespace

bool isStructureRowLabel(std::string_view label) {
  const std::string_view name = trimmed(label);
  if (std::find(kExactLabels.begin(), kExactLabels.end(), name) != kExactLabels.end()) return true;
  if (name.size() > 3 && name.ends_with(" SS")) return true;
  if (isAccessibilityRowLabel(name)) return false;
  const std::string_view first = name.substr(0, name.find(' '));
  if (first == "DSSP") return true;
  if (first.size() != name.size() && name.substr(first.size()) != " sec") return false;
  return std::find(kFirstWordLabels.begin(), kFirstWordLabels.end(), first) !=
         kFirstWordLabels.end();
}

bool isReferenceStructureLabel(std::string_view label) {
  const std::string_view name = trimmed(label);
  return name == "ss_dssp" || (name.starts_with("DSSP ") && !isAccessibilityRowLabel(name));
}

bool isAccessibilityRowLabel(std::string_view label) {
  const std::string_view name = trimmed(label);
  return name.starts_with("DSSP ") && name.ends_with(" acc");
}

std::string_view structureRowSequence(std::string_view label) {
  const std::string_view name = trimmed(label);
  if (name.size() <= 3 || !name.ends_with(" SS")) return {};
  return trimmed(name.substr(0, name.size() - 3));
}

std::vector<StructureElement> structureElements(std::string_view cells,
                                                const std::vector<std::int32_t>& columnNumbers) {
  std::vector<StructureElement> elements;
  std::array<int, 3> counts{};
  auto gapAt = [&](std::size_t p) {
    return isGap(cells[p]) || (p < columnNumbers.size() && columnNumbers[p] == 0);
  };
  std::size_t p = 0;
  while (p < cells.size()) {
    if (gapAt(p)) {
      ++p;
      continue;
    }
    const StructureKind kind = kindOf(cells[p]);
    std::size_t end = p + 1;
    // A bridge is one residue; a run of them is several.
    while (kind != StructureKind::Bridge && end < cells.size() && !gapAt(end) &&
           kindOf(cells[end]) == kind)
      ++end;
    const int counter = counterOf(kind);
    elements.push_back(
        {kind, p, end, counter < 0 ? 0 : ++counts[static_cast<std::size_t>(counter)]});
    p = end;
  }
  return elements;
}

std::string structureElementLabel(const StructureElement& element) {
  if (element.number == 0) return {};
  switch (element.kind) {
    case StructureKind::AlphaHelix:
    case StructureKind::PiHelix: return "\u03B1" + std::to_string(element.number);
    case StructureKind::ThreeTenHelix: return "\u03B7" + std::to_string(element.number);
    case StructureKind::Strand: return "\u03B2" + std::to_string(element.number);
    default: return {};
  }
}

namespace {

// A bar a column holding a digit.
std::vector<StructureElement> accessibilityBars(std::string_view cells,
                                                const std::vector<std::int32_t>& columnNumbers) {
  std::vector<StructureElement> bars;
  for (std::size_t p = 0; p < cells.size(); ++p) {
    if (cells[p] < '0' || cells[p] > '9') continue;
    if (p < columnNumbers.size() && columnNumbers[p] == 0) continue;
    bars.push_back({StructureKind::Accessibility, p, p + 1, cells[p] - '0'});
  }
  return bars;
}

}  // namespace

std::vector<StructureRow> structureRowsOf(const AnnotatedAlignment& annotated) {
  std::vector<StructureRow> rows;
  for (std::size_t k = 0; k < annotated.sets.size(); ++k) {
    for (std::size_t d = 0; d < extraRowCount(annotated, k); ++d) {
      const std::string& label = extraRowLabel(annotated, k, d);
      if (isAccessibilityRowLabel(label)) {
        rows.push_back(
            {static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(d),
             accessibilityBars(extraRowCells(annotated, k, d), annotated.columnNumbers)});
        continue;
      }
      if (!isStructureRowLabel(label)) continue;
      rows.push_back({static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(d),
                      structureElements(extraRowCells(annotated, k, d), annotated.columnNumbers)});
    }
  }
  return rows;
}

const StructureRow* structureRowOf(const std::vector<StructureRow>& rows,
                                   const LineContent& content) {
  if (content.kind != LineContent::Kind::ExtraRow) return nullptr;
  for (const StructureRow& row : rows) {
    if (row.set == content.set && row.row == content.row) return &row;
  }
  return nullptr;
}

LineGlyphs structureGlyphs(const StructureRow& row, const LineContent& content,
                           const std::vector<std::int32_t>& columnNumbers,
                           const StructureGlyphStyle& style) {
  LineGlyphs out;
  const std::size_t blockStart = content.firstColumn;
  const std::size_t blockEnd = blockStart + content.columns;
  const std::size_t group = std::max<std::uint32_t>(content.groupWidth, 1);
  auto cellOf = [&](std::size_t column) {
    const std::size_t k = column - blockStart;
    const std::size_t groupsBefore = k / group;  // each adds a blank cell
    return static_cast<double>(content.firstCell + k + groupsBefore);
  };
  const Band band = style.labels ? Band{0.4, 0.95} : Band{0.15, 0.85};
  for (const StructureElement& element : row.elements) {
    if (element.end <= blockStart || element.first >= blockEnd) continue;
    if (element.kind == StructureKind::Accessibility) {
      // A bar from the line's foot, as tall as the digit says; none for 0.
      const double x0 = cellOf(element.first) + 0.15;
      const double x1 = cellOf(element.first) + 0.85;
      const double top = 0.95 - 0.8 * element.number / 9.0;
      if (element.number > 0)
        out.paths.push_back({{{x0, 0.95}, {x0, top}, {x1, top}, {x1, 0.95}}, true, 0});
      continue;
    }
    const std::size_t first = std::max(element.first, blockStart);
    const std::size_t end = std::min(element.end, blockEnd);
    if (style.labels && first == element.first && element.number != 0) {
      out.labels.push_back({cellOf(first), 0.38, kLabelSize, structureElementLabel(element)});
    }
    // Pieces between the cuts where columns were elided.
    std::size_t from = first;
    while (from < end) {
      std::size_t to = from + 1;
      while (to < end && !breaksBefore(columnNumbers, to)) ++to;
      double x0 = cellOf(from);
      double x1 = cellOf(to - 1) + 1;
      // Room for the break mark where columns were elided.
      if (from > first) x0 += kInset;
      if (to < end) x1 -= kInset;
      switch (element.kind) {
        case StructureKind::AlphaHelix:
        case StructureKind::ThreeTenHelix:
        case StructureKind::PiHelix:
          addHelix(out, x0, x1, band, element.kind, style.cylinders);
          break;
        case StructureKind::Strand:
        case StructureKind::Bridge: addArrow(out, x0, x1, band, to == element.end); break;
        default: addMark(out, x0, x1, band, element.kind); break;
      }
      from = to;
    }
  }
  return out;
}

}  // namespace hueset
