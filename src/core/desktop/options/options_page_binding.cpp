#include <algorithm>

#include "annotate/column_marks.h"
#include "desktop/options/options_pages.h"

// Loading and storing the options pages: one description of each page's
// controls and option fields serves both directions.

namespace hueset {
namespace {

// What is shown and what is read back cannot drift apart: one list per page.
class PageBinder {
 public:
  virtual ~PageBinder() = default;
  // False stops the storing (a field refused its text).
  virtual bool check(ControlId id, bool& value) = 0;
  virtual bool number(ControlId id, int& value) = 0;
  virtual bool radio(const RadioGroupSpec& group, int& value) = 0;
  virtual bool letters(ControlId id, std::string& value,
                       std::string (*clean)(std::string_view)) = 0;
  virtual bool character(ControlId id, char& value) = 0;
  // A text that must read as `problem` says (empty: it does) once cleaned;
  // false stops the storing.
  virtual bool checkedText(ControlId id, std::string& value, std::string (*clean)(std::string_view),
                           std::string (*problem)(std::string_view)) = 0;
};

std::string marksProblem(std::string_view text) { return parseColumnMarks(text).problem; }
std::string rangesProblem(std::string_view text) { return parseColumnRanges(text).problem; }

RadioGroupSpec radioGroup(OptionsPage page, int index) {
  return radioGroupSpecs(page).at(static_cast<std::size_t>(index));
}

bool bindPage(OptionsPage page, OptionGroups& g, PageBinder& x) {
  switch (page) {
    case OptionsPage::Annotate: {
      using enum AnnotateControl;
      AnnotationOptions& a = g.annotation;
      return x.number(ConsensusThreshold, a.consensusThreshold) &&
             x.check(IncludeBlanks, a.includeBlanks) && x.check(IgnoreX, a.xIsUnknown) &&
             x.check(UseElision, a.useElision) &&
             x.number(MinimumElisionLength, a.minimumElisionLength) &&
             x.number(ElisionThreshold, a.elisionThreshold);
    }
    case OptionsPage::Parsing: {
      using enum ParsingControl;
      ParseOptions& p = g.parse;
      return x.check(ConfirmFormats, p.confirmFormats) &&
             x.radio(radioGroup(page, 0), p.restrictResidues) &&
             x.letters(InvalidResidues, p.invalidResidues, &cleanInvalidResidues) &&
             x.check(StrangeGaps, p.allowStrangeGaps) && x.check(LowerCase, p.allowLowerCase) &&
             x.check(IgnoreCoil, p.dscIgnoreCoil) &&
             x.check(DiscardConfidences, p.ignoreConfidences) &&
             x.check(MergePhd, p.mergePhdPredictions);
    }
    case OptionsPage::Output: {
      using enum OutputControl;
      OutputOptions& o = g.output;
      return x.radio(radioGroup(page, 0), o.nameJustification) &&
             x.check(WrapOutput, o.wrapOutput) && x.number(WrapLength, o.wrapLength) &&
             x.check(SeparateColumns, o.separateColumns) && x.number(ColumnWidth, o.columnWidth) &&
             x.check(ShowThreshold, o.showThreshold) && x.check(EnforceUpper, o.enforceUpper) &&
             x.check(EnforceGap, o.enforceGap) && x.character(GapCharacter, o.gapCharacter) &&
             x.letters(SubstitutedGaps, o.substitutedGaps, &cleanSubstitutedGaps) &&
             x.check(MultipleSets, o.multipleSets) && x.check(DuplicateInSets, o.duplicateInSets);
    }
    case OptionsPage::Html: {
      using enum HtmlControl;
      HtmlOptions& h = g.html;
      return x.radio(radioGroup(page, 0), h.styleMode) && x.check(WebSafeWarning, h.checkWebSafe) &&
             x.radio(radioGroup(page, 1), h.colourPalette) &&
             x.check(SampleFont, h.useSampleFont) && x.check(BrowserFontSize, h.useBrowserFontSize);
    }
    case OptionsPage::General: {
      using enum GeneralControl;
      GeneralOptions& o = g.general;
      int terse = o.verboseDialogues ? 0 : 1;
      const bool ok = x.number(MruDocuments, o.mruDocuments) &&
                      x.number(MruConfigurations, o.mruConfigurations) &&
                      x.radio(radioGroup(page, 0), terse) &&
                      x.check(LargeButtons, o.largeToolbarButtons);
      o.verboseDialogues = terse == 0;
      return ok;
    }
    case OptionsPage::Figure: {
      using enum FigureControl;
      FigureOptions& f = g.figure;
      FigureLayoutOptions& l = g.figureLayout;
      return x.check(ResidueNumbers, f.residueNumbers) && x.check(Ruler, f.ruler) &&
             x.number(RulerInterval, f.rulerInterval) &&
             x.radio(radioGroup(page, 0), f.paperSize) && x.check(Landscape, f.landscape) &&
             x.check(FitWrapToPage, f.fitWrapToPage) && x.number(PngResolution, f.pngResolution) &&
             x.check(TransparentPng, f.transparentBackground) &&
             x.letters(FigureWidth, l.width, &cleanFigureWidth) &&
             x.number(FigureFontSize, l.fontSize) && x.number(MinimumFontSize, l.minimumFontSize) &&
             x.check(Legend, l.legend) && x.letters(Title, l.title, &cleanFigureTitle) &&
             x.check(TiffCmyk, l.tiffCmyk);
    }
    case OptionsPage::FigureRows: {
      using enum FigureRowsControl;
      ColumnMarkOptions& m = g.columnMarks;
      FigureLayoutOptions& l = g.figureLayout;
      return x.check(ConservationBar, m.conservationBar) && x.check(SequenceLogo, m.sequenceLogo) &&
             x.checkedText(Marks, m.marks, &cleanColumnMarks, &marksProblem) &&
             x.checkedText(Frames, m.frames, &cleanColumnRanges, &rangesProblem) &&
             x.letters(Reference, m.reference, &cleanFigureTitle) &&
             x.check(ShadeIdentical, m.shadeIdentical) &&
             x.checkedText(Columns, m.columns, &cleanColumnRanges, &rangesProblem) &&
             x.radio(radioGroup(page, 0), l.structureShapes) &&
             x.check(StructureLabels, l.structureLabels) &&
             x.check(StructureAccessibility, l.structureAccessibility) &&
             x.check(StructureNumbering, l.structureNumbering);
    }
  }
  return true;
}

class PageLoader final : public PageBinder {
 public:
  explicit PageLoader(PageControls& controls) : m_controls(controls) {}
  bool check(ControlId id, bool& value) override {
    m_controls.setChecked(id, value);
    return true;
  }
  bool number(ControlId id, int& value) override {
    m_controls.setNumber(id, value);
    return true;
  }
  bool radio(const RadioGroupSpec& group, int& value) override {
    for (const RadioChoice& choice : group.choices) {
      m_controls.setChecked(choice.id, choice.value == value);
    }
    return true;
  }
  bool letters(ControlId id, std::string& value, std::string (*)(std::string_view)) override {
    m_controls.setText(id, value);
    return true;
  }
  bool character(ControlId id, char& value) override {
    m_controls.setText(id, gapCharacterText(value));
    return true;
  }
  bool checkedText(ControlId id, std::string& value, std::string (*)(std::string_view),
                   std::string (*)(std::string_view)) override {
    m_controls.setText(id, value);
    return true;
  }

 private:
  PageControls& m_controls;
};

class PageStorer final : public PageBinder {
 public:
  PageStorer(OptionsPage page, PageControls& controls) : m_page(page), m_controls(controls) {}
  bool check(ControlId id, bool& value) override {
    value = m_controls.isChecked(id);
    return true;
  }
  bool number(ControlId id, int& value) override {
    const std::optional<int> read = m_controls.number(id);
    if (!read) {
      m_refused = id;
      return false;
    }
    value = *read;
    return true;
  }
  bool radio(const RadioGroupSpec& group, int& value) override {
    int selected = 0;
    int count = 0;
    for (const RadioChoice& choice : group.choices) {
      if (m_controls.isChecked(choice.id)) {
        selected = choice.value;
        ++count;
      }
    }
    value = count == 1 ? selected : 0;
    return true;
  }
  bool letters(ControlId id, std::string& value, std::string (*clean)(std::string_view)) override {
    // Kept as the next start would read it back.
    value = clean(m_controls.text(id));
    return true;
  }
  bool character(ControlId id, char& value) override {
    value = gapCharacterFrom(m_controls.text(id));
    return true;
  }
  bool checkedText(ControlId id, std::string& value, std::string (*clean)(std::string_view),
                   std::string (*problem)(std::string_view)) override {
    std::string cleaned = clean(m_controls.text(id));
    const std::string wrong = problem(cleaned);
    if (!wrong.empty()) {
      m_controls.refuseText(id, textFieldMessage(m_page, id, wrong));
      m_refused = id;
      return false;
    }
    value = std::move(cleaned);
    return true;
  }
  ControlId refused() const { return m_refused; }

 private:
  OptionsPage m_page;
  PageControls& m_controls;
  ControlId m_refused;
};

}  // namespace

void loadPage(OptionsPage page, const OptionGroups& groups, PageControls& controls) {
  OptionGroups shown = groups;
  PageLoader in(controls);
  bindPage(page, shown, in);
}

PageStoreOutcome storePage(OptionsPage page, PageControls& controls, OptionGroups& groups) {
  OptionGroups read = groups;
  PageStorer out(page, controls);
  if (!bindPage(page, read, out)) return {false, out.refused()};
  groups = std::move(read);
  return {};
}

std::string gapCharacterText(char character) {
  return character == '\0' ? std::string() : std::string(1, character);
}

char gapCharacterFrom(std::string_view text) { return text.empty() ? ' ' : text.front(); }

PageControlValues::PageControlValues(OptionsPage page) : m_page(page) {
  for (const NumberFieldSpec& spec : numberFieldSpecs(page)) {
    m_fields.emplace(spec.id, makeFieldModel(spec));
  }
}

bool PageControlValues::isChecked(ControlId id) const {
  auto it = m_checked.find(id);
  return it != m_checked.end() && it->second;
}

void PageControlValues::setNumber(ControlId id, int storedValue) {
  auto it = m_fields.find(id);
  m_texts[id] =
      it != m_fields.end() ? it->second.loadText(storedValue) : std::to_string(storedValue);
}

std::optional<int> PageControlValues::number(ControlId id) {
  auto it = m_fields.find(id);
  if (it == m_fields.end()) return std::nullopt;
  const FieldStoreResult result = it->second.storeText(text(id), true);
  if (result.ok) return result.value;
  m_lastMessage = result.message;
  m_focus = id;
  return std::nullopt;
}

std::string PageControlValues::text(ControlId id) const {
  auto it = m_texts.find(id);
  return it != m_texts.end() ? it->second : std::string();
}

void PageControlValues::refuseText(ControlId id, const FieldMessage& message) {
  m_lastMessage = message;
  m_focus = id;
}

void PageControlValues::click(ControlId radio) {
  for (const RadioGroupSpec& group : radioGroupSpecs(m_page)) {
    const bool inGroup = std::any_of(group.choices.begin(), group.choices.end(),
                                     [radio](const RadioChoice& c) { return c.id == radio; });
    if (!inGroup) continue;
    for (const RadioChoice& choice : group.choices) m_checked[choice.id] = choice.id == radio;
  }
}

}  // namespace hueset
