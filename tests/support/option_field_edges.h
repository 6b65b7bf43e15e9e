#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "desktop/options/options_pages.h"

// The limits of the options pages' number fields: one field typed and read
// back, for loading and storing a page and again for the sheet on screen. (Header
// only: the support library does not link the desktop core.)
namespace hueset::test {

struct FieldEdge {
  OptionsPage page;
  ControlId field;
  const char* typed;
  std::optional<int> stored;  // none: refused
  bool onSheet;               // the sheet tests type it too
};

inline void PrintTo(const FieldEdge& c, std::ostream* os) {
  *os << "page " << optionsPageIndex(c.page) << " field " << c.field.value() << " \"" << c.typed
      << '"';
}

// Every edge of every field, the page and field named once for all of its
// typed texts.
inline std::vector<FieldEdge> fieldEdges() {
  struct Typed {
    const char* text;
    std::optional<int> stored;
    bool onSheet = false;
  };
  struct Field {
    OptionsPage page;
    ControlId id;
    std::vector<Typed> typed;
  };
  constexpr std::nullopt_t kRefused = std::nullopt;
  constexpr bool kSheet = true;
  // An emptied field is refused, never stored as a no-value marker.
  const Field fields[] = {
      {OptionsPage::Annotate,
       AnnotateControl::ConsensusThreshold,
       {{"50", kRefused, kSheet},
        {"50.5", 505, kSheet},
        {"100", 1000, kSheet},
        {"100.1", kRefused},
        {"72.5", 725},
        {"", kRefused, kSheet}}},
      {OptionsPage::Annotate,
       AnnotateControl::ElisionThreshold,
       {{"0", kRefused, kSheet}, {"0.5", 5, kSheet}, {"100", 1000}}},
      {OptionsPage::Annotate,
       AnnotateControl::MinimumElisionLength,
       {{"3", kRefused, kSheet},
        {"4", 4, kSheet},
        {"999", 999},
        {"1000", kRefused, kSheet},
        {"", kRefused}}},
      // The figure page's limits are the stored ranges: nothing is refused
      // that a profile could hold.
      {OptionsPage::Figure, FigureControl::RulerInterval, {{"0", kRefused}, {"1", 1}}},
      {OptionsPage::Figure, FigureControl::PngResolution, {{"29", kRefused}, {"2400", 2400}}},
      {OptionsPage::Output,
       OutputControl::WrapLength,
       {{"2", kRefused, kSheet}, {"3", 3, kSheet}, {"9999", 9999}, {"10000", kRefused}}},
      {OptionsPage::Output,
       OutputControl::ColumnWidth,
       {{"2", kRefused, kSheet}, {"3", 3, kSheet}}},
      {OptionsPage::General,
       GeneralControl::MruDocuments,
       {{"0", 0, kSheet},
        {"10", 10, kSheet},
        {"11", kRefused, kSheet},
        {"-1", kRefused},
        {"", kRefused}}},
      {OptionsPage::General,
       GeneralControl::MruConfigurations,
       {{"0", 0, kSheet}, {"10", 10, kSheet}, {"11", kRefused, kSheet}}},
  };
  std::vector<FieldEdge> edges;
  for (const Field& f : fields) {
    for (const Typed& t : f.typed) edges.push_back({f.page, f.id, t.text, t.stored, t.onSheet});
  }
  return edges;
}

inline std::vector<FieldEdge> sheetFieldEdges() {
  std::vector<FieldEdge> edges;
  for (const FieldEdge& e : fieldEdges()) {
    if (e.onSheet) edges.push_back(e);
  }
  return edges;
}

// The stored value the field of `page` writes to.
inline int storedValue(const OptionGroups& g, ControlId field, OptionsPage page) {
  switch (page) {
    case OptionsPage::Annotate:
      if (field == AnnotateControl::ConsensusThreshold) return g.annotation.consensusThreshold;
      if (field == AnnotateControl::ElisionThreshold) return g.annotation.elisionThreshold;
      return g.annotation.minimumElisionLength;
    case OptionsPage::Output:
      return field == OutputControl::WrapLength ? g.output.wrapLength : g.output.columnWidth;
    case OptionsPage::Figure:
      return field == FigureControl::RulerInterval ? g.figure.rulerInterval
                                                   : g.figure.pngResolution;
    default:
      return field == GeneralControl::MruDocuments ? g.general.mruDocuments
                                                   : g.general.mruConfigurations;
  }
}

}  // namespace hueset::test
