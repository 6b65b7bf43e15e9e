#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/column_marks.h"
#include "preview/preview_document.h"

namespace hueset {

// Columns chosen in the preview, in alignment numbering (from 1): ranges
// kept in order, none touching another. A column elided from the preview
// is chosen with the stand-in that shows it.
class ColumnSelection {
 public:
  bool empty() const { return m_ranges.empty(); }
  const std::vector<ColumnRange>& ranges() const { return m_ranges; }
  bool contains(std::int32_t column) const;
  // Whether any of columns [first, last] is chosen.
  bool touches(ColumnRange range) const;
  void add(ColumnRange range);
  void clear() { m_ranges.clear(); }
  // "30-52,60", as the column options take it; empty when none.
  std::string text() const;

  bool operator==(const ColumnSelection&) const = default;

 private:
  std::vector<ColumnRange> m_ranges;
};

// The alignment columns that layout column `column` of `document` shows:
// one column, or all those a stand-in replaces. None for a stand-in of an
// empty stretch.
std::optional<ColumnRange> alignmentColumnsAt(const PreviewDocument& document, std::size_t column);

// The mouse on the preview's cells, in layout columns: a click chooses the
// cell's columns, a click with Shift (or a drag) reaches from the last
// click to the cell, a click with Control adds the cell's columns.
class ColumnSelector {
 public:
  enum class Press { Choose, Extend, Add };
  void press(const PreviewDocument& document, std::size_t column, Press how);
  void dragTo(const PreviewDocument& document, std::size_t column);
  void clear();
  const ColumnSelection& selection() const { return m_selection; }

 private:
  ColumnSelection m_selection;
  ColumnSelection m_before;  // the selection the current stretch adds to
  std::optional<std::size_t> m_anchor;
};

// Per layout column of `document`: whether it shows a chosen column.
std::vector<bool> chosenLayoutColumns(const PreviewDocument& document,
                                      const ColumnSelection& selection);

// The selection as the column options read it: alignment columns, or with
// a reference sequence its residue numbers (`rulerNumbers`, per layout
// column, as ColumnRows has them); a range without a residue of the
// reference is left out.
std::string selectionOptionText(const PreviewDocument& document, const ColumnSelection& selection);

// The mark and frame options with the selection added: `marks` gains one
// list of `columns` with `symbol` ("30-52,60:star"; a letter for
// MarkSymbol::Letter), `frames` a frame for each range of `columns`.
std::string marksWithSelection(std::string_view marks, std::string_view columns, MarkSymbol symbol,
                               char letter);
std::string framesWithSelection(std::string_view frames, std::string_view columns);

}  // namespace hueset
