#include "preview/preview_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "preview/preview_marks.h"
#include "util/text_format.h"

namespace hueset {
namespace {

// Rounded down, so a share just short of the threshold never shows as
// reaching it.
std::string share(std::uint32_t part, std::uint32_t whole) {
  const std::uint64_t percent = whole == 0 ? 0 : std::uint64_t{part} * 100 / whole;
  return std::to_string(part) + " of " + std::to_string(whole) + " (" + std::to_string(percent) +
         "%)";
}

std::string thresholdText(int tenths) {
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) {
    text += '.';
    text += std::to_string(tenths % 10);
  }
  text += '%';
  return text;
}

std::string candidateName(const ColumnStatistics& statistics, const ColumnAgreement& agreement) {
  const std::string& name =
      agreement.candidate < statistics.names.size() ? statistics.names[agreement.candidate] : "";
  if (agreement.residue == 0) return name;
  return std::string(1, agreement.residue) + " (" + name + ")";
}

std::string agreementText(const ColumnStatistics& statistics, const ColumnAgreement& agreement) {
  if (agreement.reached) {
    return candidateName(statistics, agreement) + ", " +
           share(agreement.agreeing, agreement.counted);
  }
  std::string text = "nothing reached " + thresholdText(statistics.threshold);
  if (agreement.counted == 0) return text + ", no residues counted";
  if (agreement.candidate == 0) return text;
  return text + "; nearest " + candidateName(statistics, agreement) + ", " +
         share(agreement.agreeing, agreement.counted);
}

// An elided stand-in names the columns it replaces, between the columns
// shown on either side of it.
std::string columnLabel(const PreviewDocument& document, std::size_t column) {
  const std::int32_t number = document.columnNumber(column);
  if (number > 0) return "Column " + std::to_string(number);
  std::int32_t before = 0;
  for (std::size_t p = std::min(column, document.columnNumbers.size()); p-- > 0;) {
    if (document.columnNumbers[p] > 0) {
      before = document.columnNumbers[p];
      break;
    }
  }
  for (std::size_t p = column + 1; p < document.columnNumbers.size(); ++p) {
    if (document.columnNumbers[p] > 0) {
      return "Columns " + std::to_string(before + 1) + " to " +
             std::to_string(document.columnNumbers[p] - 1) + " (elided)";
    }
  }
  return "Columns from " + std::to_string(before + 1) + " (elided)";
}

// A text that fits the bar: line breaks and tabs become blanks.
std::string oneLine(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == '\t') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

int severity(PreviewMessage::Kind kind) {
  switch (kind) {
    case PreviewMessage::Kind::Error: return 0;
    case PreviewMessage::Kind::Question: return 1;
    case PreviewMessage::Kind::Note: break;
  }
  return 2;
}

}  // namespace

void PreviewModel::setDocument(std::shared_ptr<const PreviewDocument> document) {
  m_document = std::move(document);
  setSelection(std::move(m_selection));
}

double PreviewModel::width() const {
  return m_document ? static_cast<double>(m_document->widest) * m_cell.width : 0;
}

double PreviewModel::height() const {
  return m_document ? m_document->height * m_cell.height / 2 : 0;
}

double PreviewModel::lineTop(std::size_t line) const {
  return m_document->lines[line].top * m_cell.height / 2;
}

std::optional<std::size_t> PreviewModel::lineAt(double y) const {
  if (!m_document || m_cell.height <= 0 || y < 0) return std::nullopt;
  const auto& lines = m_document->lines;
  const auto after = std::partition_point(lines.begin(), lines.end(), [&](const PreviewLine& line) {
    return line.top * m_cell.height / 2 <= y;
  });
  if (after == lines.begin()) return std::nullopt;
  const auto line = static_cast<std::size_t>(after - lines.begin()) - 1;
  if (y >= lineTop(line) + m_cell.height) return std::nullopt;
  return line;
}

std::pair<std::size_t, std::size_t> PreviewModel::linesBetween(double top, double bottom) const {
  if (!m_document) return {0, 0};
  const auto& lines = m_document->lines;
  const double half = m_cell.height / 2;
  const auto first = std::partition_point(lines.begin(), lines.end(), [&](const PreviewLine& line) {
    return (line.top + 2) * half <= top;
  });
  const auto end = std::partition_point(
      first, lines.end(), [&](const PreviewLine& line) { return line.top * half < bottom; });
  return {static_cast<std::size_t>(first - lines.begin()),
          static_cast<std::size_t>(end - lines.begin())};
}

std::optional<PreviewHit> PreviewModel::hitAt(double x, double y) const {
  const std::optional<std::size_t> line = lineAt(y);
  if (!line || x < 0 || m_cell.width <= 0) return std::nullopt;
  PreviewHit hit;
  hit.line = *line;
  hit.character = static_cast<std::size_t>(x / m_cell.width);
  const PreviewLine& l = m_document->lines[*line];
  if (hit.character < l.length) hit.style = m_document->textStyles[l.text + hit.character];
  if (!l.hasContent || hit.character < l.content.firstCell) return hit;
  // Groups of groupWidth cells, each after one blank.
  const std::size_t group = std::max<std::uint32_t>(l.content.groupWidth, 1);
  const std::size_t offset = hit.character - l.content.firstCell;
  if (offset % (group + 1) == group) return hit;
  const std::size_t cell = offset / (group + 1) * group + offset % (group + 1);
  if (cell >= l.content.columns) return hit;
  hit.onCell = true;
  hit.column = l.content.firstColumn + cell;
  return hit;
}

std::string PreviewModel::statusText(double x, double y) const {
  const std::optional<PreviewHit> hit = hitAt(x, y);
  if (!hit || !hit->onCell) return {};
  const PreviewDocument& d = *m_document;
  const LineContent& content = d.lines[hit->line].content;
  if (content.kind == LineContent::Kind::Ruler) return columnStatusText(d, 0, hit->column, false);
  std::string text = columnStatusText(d, content.set, hit->column, true);
  if (content.kind != LineContent::Kind::Sequence || content.set >= d.names.size() ||
      content.row >= d.names[content.set].size()) {
    return text;
  }
  text += "; " + d.names[content.set][content.row];
  const std::optional<std::int64_t> number = residueNumberAt(d, hit->line, hit->column);
  if (!number) return text;
  return text + ", residue " + std::to_string(*number);
}

namespace {

// Adds the shapes of `line` to `list` when it shows a structure row drawn
// as shapes.
bool addStructureGlyphs(const PreviewDocument& d, std::size_t line, PaintList& list) {
  if (!d.structureStyle || !d.lines[line].hasContent) return false;
  const LineContent& content = d.lines[line].content;
  const StructureRow* row = structureRowOf(d.structureRows, content);
  if (row == nullptr) return false;
  list.glyphs.push_back({0, 0, structureGlyphs(*row, content, d.columnNumbers, *d.structureStyle)});
  return true;
}

}  // namespace

PaintList PreviewModel::paintList(double left, double top, double width, double height) const {
  PaintList list;
  if (!m_document || m_cell.width <= 0 || m_cell.height <= 0) return list;
  const PreviewDocument& d = *m_document;
  const auto styleAt = [&d](std::uint32_t style) -> const ResidueFormat& {
    static const ResidueFormat plain{0, 0xFFFFFF, false, false};
    return style < d.styles.size() ? d.styles[style] : plain;
  };
  list.page = styleAt(0).backColour;

  const auto firstCharacter =
      static_cast<std::size_t>(std::max(0.0, std::floor(left / m_cell.width)));
  const auto endCharacter =
      static_cast<std::size_t>(std::max(0.0, std::ceil((left + width) / m_cell.width)));
  const auto [firstLine, endLine] = linesBetween(top, top + height);
  // A logo reaches down over the lines under its first.
  for (std::size_t line = firstLine >= kLogoLines ? firstLine - (kLogoLines - 1) : 0;
       line < endLine; ++line) {
    const double nextTop =
        line + 1 < d.lines.size() ? lineTop(line + 1) : lineTop(line) + m_cell.height;
    addColumnRowShapes(d, line, lineTop(line), nextTop, m_cell, list);
    if (line >= firstLine) addChosen(line, left, left + width, list);
  }
  for (std::size_t line = firstLine; line < endLine; ++line) {
    const std::string_view text = d.lineText(line);
    const std::span<const std::uint8_t> styles = d.lineStyles(line);
    const double y = lineTop(line);
    std::size_t end = std::min(endCharacter, text.size());
    if (addStructureGlyphs(d, line, list)) {
      // The shapes stand in for the row's cells.
      end = std::min<std::size_t>(end, d.lines[line].content.firstCell);
      list.glyphs.back().y = y;
    }
    const std::size_t firstBackground = list.backgrounds.size();
    const std::size_t firstText = list.texts.size();
    // The visible stretch, run by run: backgrounds of one colour and texts
    // of one look each become one piece.
    for (std::size_t from = firstCharacter; from < end;) {
      const std::uint8_t style = styles[from];
      std::size_t to = from + 1;
      while (to < end && styles[to] == style) ++to;
      const ResidueFormat& look = styleAt(style);
      const double x = static_cast<double>(from) * m_cell.width;
      const double w = static_cast<double>(to - from) * m_cell.width;
      if (look.backColour != list.page) {
        PaintBackground* last =
            list.backgrounds.size() > firstBackground ? &list.backgrounds.back() : nullptr;
        if (last && last->colour == look.backColour && std::abs(last->x + last->width - x) < 1e-6) {
          last->width += w;
        } else {
          list.backgrounds.push_back({x, y, w, m_cell.height, look.backColour});
        }
      }
      PaintText* last = list.texts.size() > firstText ? &list.texts.back() : nullptr;
      const ResidueFormat* before = last ? &styleAt(last->style) : nullptr;
      if (before && before->textColour == look.textColour && before->bold == look.bold &&
          before->italic == look.italic) {
        last->text = std::string_view(last->text.data(), last->text.size() + (to - from));
      } else {
        list.texts.push_back({x, y, text.substr(from, to - from), style});
      }
      from = to;
    }
  }
  return list;
}

void PreviewModel::setSelection(ColumnSelection selection) {
  m_selection = std::move(selection);
  m_chosen = m_document ? chosenLayoutColumns(*m_document, m_selection) : std::vector<bool>();
}

// The chosen cells of `line` between `firstX` and `endX`, a piece for each
// stretch of them (with the blanks between their groups).
void PreviewModel::addChosen(std::size_t line, double firstX, double endX, PaintList& list) const {
  const PreviewLine& l = m_document->lines[line];
  if (m_chosen.empty() || !l.hasContent) return;
  const LineContent& content = l.content;
  const std::size_t group = std::max<std::uint32_t>(content.groupWidth, 1);
  const double y = lineTop(line);
  bool open = false;
  for (std::size_t k = 0; k < content.columns; ++k) {
    const std::size_t p = content.firstColumn + k;
    const std::size_t groupsBefore = k / group;  // each adds a blank cell
    const double x = static_cast<double>(content.firstCell + k + groupsBefore) * m_cell.width;
    if (x > endX) break;
    const bool chosen = p < m_chosen.size() && m_chosen[p];
    if (chosen && open) {
      list.chosen.back().width = x + m_cell.width - list.chosen.back().x;
    } else if (chosen && x + m_cell.width >= firstX) {
      list.chosen.push_back({x, y, m_cell.width, m_cell.height, 0});
    }
    open = chosen && x + m_cell.width >= firstX;
  }
}

std::string columnStatusText(const PreviewDocument& document, std::size_t set, std::size_t column,
                             bool withAgreement) {
  std::string text = columnLabel(document, column);
  if (!withAgreement || set >= document.statistics.size()) return text;
  const ColumnStatistics& statistics = document.statistics[set];
  if (column >= statistics.columns.size()) return text;
  return text + ": " + agreementText(statistics, statistics.columns[column]);
}

std::optional<MessageBar> messageBar(const std::vector<PreviewMessage>& messages) {
  if (messages.empty()) return std::nullopt;
  const auto shown = std::min_element(messages.begin(), messages.end(),
                                      [](const PreviewMessage& a, const PreviewMessage& b) {
                                        return severity(a.kind) < severity(b.kind);
                                      });
  MessageBar bar;
  bar.kind = shown->kind;
  bar.line = shown->line;
  if (shown->line > 0) bar.text = "Line " + std::to_string(shown->line) + ": ";
  bar.text += oneLine(shown->text);
  if (messages.size() > 1) bar.text += " (" + std::to_string(messages.size() - 1) + " more)";
  return bar;
}

std::optional<PreviewModel::Spot> PreviewModel::find(std::string_view what) const {
  const std::string_view text = trim(what);
  if (!m_document || text.empty()) return std::nullopt;
  std::int32_t column = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), column);
  if (error == std::errc() && end == text.data() + text.size()) return columnSpot(column);
  return nameSpot(text);
}

// Whether layout column `at` shows alignment column `column`, or the first
// after it, or stands in for the elided stretch that holds it. `shownBefore`
// is the last alignment column shown before `at`.
bool PreviewModel::showsColumn(std::size_t at, std::int32_t column,
                               std::int32_t& shownBefore) const {
  const std::int32_t shown = m_document->columnNumber(at);
  if (shown != 0) {
    shownBefore = shown;
    return shown >= column;
  }
  std::int32_t shownAfter = std::numeric_limits<std::int32_t>::max();
  for (std::size_t next = at + 1; next < m_document->columnNumbers.size(); ++next) {
    if (m_document->columnNumbers[next] != 0) {
      shownAfter = m_document->columnNumbers[next];
      break;
    }
  }
  return column > shownBefore && column < shownAfter;
}

std::optional<PreviewModel::Spot> PreviewModel::columnSpot(std::int32_t column) const {
  const auto& lines = m_document->lines;
  std::int32_t shownBefore = 0;
  // A block's other sequences show the same columns: looked through once.
  std::optional<std::uint32_t> passed;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LineContent& content = lines[i].content;
    if (!lines[i].hasContent || content.kind != LineContent::Kind::Sequence) continue;
    if (passed == content.firstColumn) continue;
    passed = content.firstColumn;
    for (std::uint32_t k = 0; k < content.columns; ++k) {
      if (!showsColumn(content.firstColumn + k, column, shownBefore)) continue;
      // The block's lines: every one after this that shows the same columns.
      std::size_t last = i;
      while (last + 1 < lines.size() && lines[last + 1].hasContent &&
             lines[last + 1].content.firstColumn == content.firstColumn) {
        ++last;
      }
      const std::uint32_t group = std::max<std::uint32_t>(content.groupWidth, 1);
      const std::uint32_t groupsBefore = k / group;  // each adds a blank cell
      const double cell = content.firstCell + k + groupsBefore;
      return Spot{cell * m_cell.width, lineTop(i), m_cell.width,
                  lineTop(last) + m_cell.height - lineTop(i)};
    }
  }
  return std::nullopt;
}

std::optional<PreviewModel::Spot> PreviewModel::nameSpot(std::string_view text) const {
  const std::string wanted = lowerAscii(text);
  const auto& lines = m_document->lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LineContent& content = lines[i].content;
    if (!lines[i].hasContent || content.kind != LineContent::Kind::Sequence) continue;
    if (content.set >= m_document->names.size()) continue;
    const auto& names = m_document->names[content.set];
    if (content.row >= names.size()) continue;
    if (lowerAscii(names[content.row]).find(wanted) == std::string::npos) continue;
    return Spot{0, lineTop(i), lines[i].length * m_cell.width, m_cell.height};
  }
  return std::nullopt;
}

}  // namespace hueset
