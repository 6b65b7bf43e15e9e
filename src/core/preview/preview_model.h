#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "groupings/grouping_set.h"
#include "preview/column_selection.h"
#include "preview/preview_document.h"
#include "preview/preview_interaction.h"

namespace hueset {

// The size of one character cell of the preview at its current zoom, in
// pixels: the font's advance and its line spacing.
struct CellSize {
  double width = 8;
  double height = 16;

  bool operator==(const CellSize&) const = default;
};

// Where a point of the preview falls: a line and a character of it, the
// style of the run there, and the alignment column when the character is one
// of the line's cells.
struct PreviewHit {
  std::size_t line = 0;
  std::size_t character = 0;  // may lie beyond the line's text
  bool onCell = false;
  std::size_t column = 0;   // from 0, as the layout numbers them (after elision)
  std::uint32_t style = 0;  // "Default" beyond the line's text

  bool operator==(const PreviewHit&) const = default;
};

// What to draw of a visible rectangle, in the preview's pixels: first the
// page in style 0's background, then the backgrounds that differ from it,
// then the texts, cut to the rectangle. Neighbours that look alike are one
// piece: backgrounds of one colour, texts of one colour, weight and slant.
struct PaintBackground {
  double x = 0, y = 0, width = 0, height = 0;
  Colour colour = 0;
};
struct PaintText {
  double x = 0, y = 0;    // the top left of its first cell
  std::string_view text;  // into the document, which the model keeps alive
  std::uint32_t style = 0;
};
// A secondary-structure row's shapes, in cells and line heights from the
// line's top left (x, y), drawn in style 0's text colour.
struct PaintGlyphs {
  double x = 0, y = 0;
  LineGlyphs glyphs;
};
// A filled outline of the rows beside the alignment (a mark, a bar, a
// frame's side), its corners as x, y pairs in the preview's pixels.
struct PaintShape {
  Colour colour = 0;
  std::vector<double> corners;

  bool operator==(const PaintShape&) const = default;
};
// A logo's letter, stretched to fill its box.
struct PaintLetter {
  char letter = 0;
  Colour colour = 0;
  double left = 0, bottom = 0, width = 0, height = 0;

  bool operator==(const PaintLetter&) const = default;
};
struct PaintList {
  Colour page = 0xFFFFFF;
  std::vector<PaintBackground> backgrounds;
  std::vector<PaintText> texts;
  std::vector<PaintGlyphs> glyphs;
  std::vector<PaintShape> shapes;    // over the texts
  std::vector<PaintLetter> letters;  // the logo
  // The chosen columns' cells, drawn as a light wash over everything.
  std::vector<PaintBackground> chosen;
};

// The preview without its window: where the lines are, what lies under a
// point, what to draw for a rectangle and what the status bar says.
class PreviewModel {
 public:
  void setDocument(std::shared_ptr<const PreviewDocument> document);
  const std::shared_ptr<const PreviewDocument>& document() const { return m_document; }
  void setCellSize(CellSize size) { m_cell = size; }
  // The chosen columns, which paintList lists; kept through new documents.
  void setSelection(ColumnSelection selection);
  const ColumnSelection& selection() const { return m_selection; }
  const CellSize& cellSize() const { return m_cell; }

  // The whole document, in pixels.
  double width() const;
  double height() const;
  double lineTop(std::size_t line) const;
  // The line drawn at height `y`; none in a set gap or outside the document.
  std::optional<std::size_t> lineAt(double y) const;
  // The lines [first, end) that show between `top` and `bottom`.
  std::pair<std::size_t, std::size_t> linesBetween(double top, double bottom) const;

  std::optional<PreviewHit> hitAt(double x, double y) const;
  // The status bar's text for a point: the column, what it agreed on and how
  // many agreed ("Column 57: Hydrophobic, 37 of 43 (86%)"), and over a
  // residue the sequence and the residue's number in it. Empty off the cells.
  std::string statusText(double x, double y) const;

  PaintList paintList(double left, double top, double width, double height) const;

  // Where "go to" lands, in pixels: for a number, the first block showing
  // that alignment column (or the first one after it, where it was elided),
  // the column through the block's lines; for a text, the first sequence
  // whose name holds it (without regard to case), its whole line. None when
  // nothing matches.
  struct Spot {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Spot&) const = default;
  };
  std::optional<Spot> find(std::string_view what) const;

 private:
  std::optional<Spot> columnSpot(std::int32_t column) const;
  bool showsColumn(std::size_t at, std::int32_t column, std::int32_t& shownBefore) const;
  std::optional<Spot> nameSpot(std::string_view text) const;

  void addChosen(std::size_t line, double firstX, double endX, PaintList& list) const;

  std::shared_ptr<const PreviewDocument> m_document;
  CellSize m_cell;
  ColumnSelection m_selection;
  std::vector<bool> m_chosen;  // per layout column of the document
};

// What hovering over column `column` of set `set` says.
std::string columnStatusText(const PreviewDocument& document, std::size_t set, std::size_t column,
                             bool withAgreement);

// The line above the preview: the message that matters most (errors before
// questions before notes), on one line, with its document line.
struct MessageBar {
  PreviewMessage::Kind kind = PreviewMessage::Kind::Error;
  std::string text;
  int line = 0;  // the document line to select on a click; 0 for none

  bool operator==(const MessageBar&) const = default;
};
std::optional<MessageBar> messageBar(const std::vector<PreviewMessage>& messages);

}  // namespace hueset
