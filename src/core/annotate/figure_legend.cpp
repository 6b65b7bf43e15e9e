#include "annotate/figure_legend.h"

namespace hueset {

FigureLegend figureLegend(const GroupingSet& groupings, int consensusThreshold) {
  FigureLegend legend;
  std::string percent = std::to_string(consensusThreshold / 10);
  if (consensusThreshold % 10 != 0) percent += "." + std::to_string(consensusThreshold % 10);
  legend.heading = "Consensus (" + percent + "%):";
  // Format indexes as the writers are given them: Default, the active
  // ordinary groupings, Single.
  int format = 1;
  for (std::size_t i = GroupingSet::kFirstOrdinary; i < groupings.groupings.size(); ++i) {
    const ResidueGrouping& grouping = groupings.groupings[i];
    if (!grouping.active) continue;
    legend.entries.push_back({grouping.name, format++, grouping.marker});
  }
  if (groupings.groupings.size() > GroupingSet::kSingle &&
      groupings.groupings[GroupingSet::kSingle].active) {
    // A column of one residue is marked with that residue's letter; it has
    // the top precedence, so it comes first.
    legend.entries.insert(legend.entries.begin(),
                          {groupings.groupings[GroupingSet::kSingle].name, format, 'A'});
  }
  return legend;
}

namespace {

// Cells that stay together on one line.
using Piece = LegendLine;

Piece plain(std::string_view text) { return {std::string(text), std::string(text.size(), '\0')}; }

std::vector<Piece> words(std::string_view text) {
  std::vector<Piece> pieces;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    pieces.push_back(plain(text.substr(0, end)));
    text.remove_prefix(end);
  }
  return pieces;
}

// The pieces flowed into lines, a blank between two on a line.
std::vector<LegendLine> flow(const std::vector<Piece>& pieces, std::size_t width) {
  std::vector<LegendLine> lines;
  LegendLine line;
  for (const Piece& piece : pieces) {
    if (!line.cells.empty() && line.cells.size() + 1 + piece.cells.size() > width) {
      lines.push_back(std::move(line));
      line = {};
    }
    if (!line.cells.empty()) {
      line.cells += ' ';
      line.formats += '\0';
    }
    line.cells += piece.cells;
    line.formats += piece.formats;
  }
  if (!line.cells.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

std::vector<LegendLine> legendLines(const FigureLegend& legend, std::size_t width) {
  std::vector<Piece> pieces = words(legend.heading);
  for (std::size_t i = 0; i < legend.entries.size(); ++i) {
    const FigureLegendEntry& entry = legend.entries[i];
    // The swatch: the marker between two blanks, all in the grouping's format.
    Piece piece{std::string{' ', entry.marker, ' '},
                std::string(3, static_cast<char>(static_cast<unsigned char>(entry.format)))};
    const Piece name =
        plain(" " + entry.name + (i + 1 < legend.entries.size() ? "," : std::string()));
    piece.cells += name.cells;
    piece.formats += name.formats;
    pieces.push_back(std::move(piece));
  }
  return flow(pieces, width);
}

std::vector<LegendLine> titleLines(std::string_view title, std::size_t width) {
  return flow(words(title), width);
}

}  // namespace hueset
