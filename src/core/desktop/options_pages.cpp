#include "desktop/options_pages.h"

#include <algorithm>
#include <array>

#include "util/string_table.h"

namespace hueset {
namespace {

using namespace optionctl;

constexpr std::array<OptionsPageInfo, kOptionsPageCount> kPages = {{
    {"CDialOptionsAnnotate", "Sequence Annotation", 168, 186},
    {"CDialOptionsParsing", "Data Parsing", 164, 182},
    {"CDialOptionsOutput", "Formatted Output", 163, 183},
    {"CDialOptionsHTML", "HTML", 170, 184},
    {"CDialOptionsGeneral", "General", 165, 185},
    {"FigureOptionsPage", "Figures", 171, 187},
}};

// Item numbers of a layout's texts (strings_settings.inc): a control's own
// text or the label before it is numbered like the control.
constexpr int kTextAfter = 500;  // + control id: the label after a control
constexpr int kFieldName = 700;  // + control id: a number field's name
constexpr int kGroup1 = 1200;    // group boxes and free labels
constexpr int kGroup2 = 1201;
constexpr int kGroup3 = 1202;
constexpr int kGroup4 = 1203;
constexpr int kExplain1 = 1210;  // explanations of the verbose layouts
constexpr int kExplain2 = 1211;
constexpr int kExplain3 = 1212;
constexpr int kExplain4 = 1213;
constexpr int kExplain5 = 1214;
constexpr int kExplain6 = 1215;

// Builds a layout group by group, leaving out what the terse form lacks.
class LayoutBuilder {
 public:
  LayoutBuilder(OptionsPage page, bool verbose) {
    m_layout.page = page;
    m_layout.verbose = verbose;
    m_layout.number = optionsPageLayout(page, verbose);
  }

  std::string_view text(int item) const {
    return optionsPageText(m_layout.page, m_layout.verbose, item);
  }
  bool verbose() const { return m_layout.verbose; }

  LayoutBuilder& group(int titleItem) {
    m_layout.groups.push_back({titleItem ? text(titleItem) : std::string_view{}, {}});
    return *this;
  }
  LayoutBuilder& explanation(int item) {
    if (m_layout.verbose) row({{PageItemKind::Explanation, 0, text(item), 0}});
    return *this;
  }
  LayoutBuilder& row(std::vector<PageItem> items, int indent = 0) {
    m_layout.groups.back().rows.push_back({std::move(items), indent});
    return *this;
  }

  PageItem label(int item) const { return {PageItemKind::Label, 0, text(item), 0}; }
  PageItem control(PageItemKind kind, int id) const { return {kind, id, text(id), 0}; }
  PageItem check(int id) const { return control(PageItemKind::CheckBox, id); }
  PageItem radio(int id) const { return control(PageItemKind::RadioButton, id); }
  PageItem field(PageItemKind kind, int id, int spin = 0) const { return {kind, id, {}, spin}; }

  PageLayout take() { return std::move(m_layout); }

 private:
  PageLayout m_layout;
};

PageLayout annotateLayout(LayoutBuilder b) {
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.label(kConsensusThreshold),
            b.field(PageItemKind::PercentField, kConsensusThreshold, kConsensusThresholdSpin),
            b.label(kConsensusThreshold + kTextAfter)})
      .row({b.check(kIncludeBlanks)})
      .row({b.check(kIgnoreX)})
      .explanation(kExplain2);
  b.group(kGroup2)
      .explanation(kExplain3)
      .row({b.check(kUseElision)})
      .row({b.label(kMinimumElisionLength),
            b.field(PageItemKind::IntegerField, kMinimumElisionLength, kMinimumElisionLengthSpin),
            b.label(kMinimumElisionLength + kTextAfter)},
           1)
      .row({b.label(kElisionThreshold),
            b.field(PageItemKind::PercentField, kElisionThreshold, kElisionThresholdSpin),
            b.label(kElisionThreshold + kTextAfter)},
           1)
      .explanation(kExplain4);
  return b.take();
}

PageLayout parsingLayout(LayoutBuilder b) {
  b.group(0).explanation(kExplain1).row({b.check(kConfirmFormats)});
  b.group(kGroup1)
      .explanation(kExplain2)
      .row({b.radio(kAnyLetter)})
      .row({b.radio(kStandardResidues)})
      .row({b.radio(kListedInvalidResidues), b.field(PageItemKind::LetterSetField, kInvalidResidues)})
      .row({b.check(kStrangeLinkers)})
      .row({b.check(kLowerCase)});
  b.group(kGroup2)
      .explanation(kExplain3)
      .row({b.check(kIgnoreCoil)})
      .row({b.check(kDiscardConfidences)})
      .row({b.label(kGroup3)})
      .row({b.check(kMergePhd)}, 1);
  return b.take();
}

PageLayout outputLayout(LayoutBuilder b) {
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.label(kGroup2), b.radio(kJustifyLeft), b.radio(kJustifyCentre),
            b.radio(kJustifyRight)})
      .row({b.check(kWrapOutput), b.field(PageItemKind::IntegerField, kWrapLength, kWrapLengthSpin),
            b.label(kWrapLength + kTextAfter)})
      .row({b.check(kSeparateColumns),
            b.field(PageItemKind::IntegerField, kColumnWidth, kColumnWidthSpin),
            b.label(kColumnWidth + kTextAfter)})
      .row({b.check(kShowThreshold)})
      .row({b.check(kMultipleSets)})
      .row({b.check(kDuplicateInSets)}, 1);
  // The terse layout keeps the substitutions under "Output Format".
  if (b.verbose()) b.group(kGroup3).explanation(kExplain2);
  b.row({b.check(kEnforceUpper)})
      .row({b.check(kEnforceLinker), b.field(PageItemKind::CharacterEdit, kLinkerCharacter),
            b.label(kSubstitutedLinkers),
            b.field(PageItemKind::LetterSetField, kSubstitutedLinkers)});
  return b.take();
}

PageLayout htmlLayout(LayoutBuilder b) {
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.radio(kEmbeddedStyleSheet)})
      .row({b.radio(kInlineStyles)})
      .explanation(kExplain6);
  b.group(kGroup2)
      .explanation(kExplain2)
      .row({b.radio(kOfficePalette)})
      .row({b.radio(kWebSafePalette)})
      .explanation(kExplain3)
      .row({b.check(kWebSafeWarning)});
  b.group(kGroup3)
      .explanation(kExplain4)
      .row({b.check(kSampleFont)})
      .explanation(kExplain5)
      .row({b.check(kBrowserFontSize)});
  return b.take();
}

PageLayout generalLayout(LayoutBuilder b) {
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.label(kMruDocuments),
            b.field(PageItemKind::IntegerField, kMruDocuments, kMruDocumentsSpin),
            b.label(kMruDocuments + kTextAfter)})
      .row({b.label(kMruConfigurations),
            b.field(PageItemKind::IntegerField, kMruConfigurations, kMruConfigurationsSpin),
            b.label(kMruConfigurations + kTextAfter)});
  b.group(kGroup2)
      .row({b.label(kGroup3), b.control(PageItemKind::PushButton, kEditorFont)})
      .explanation(kExplain2);
  b.group(kGroup4).explanation(kExplain3).row({b.radio(kVerbose), b.radio(kTerse)});
  b.group(0).row({b.check(kLargeButtons)});
  return b.take();
}

PageLayout figureLayout(LayoutBuilder b) {
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.check(kResidueNumbers)})
      .row({b.check(kRuler), b.field(PageItemKind::IntegerField, kRulerInterval, kRulerIntervalSpin),
            b.label(kRulerInterval + kTextAfter)});
  b.group(kGroup2)
      .explanation(kExplain2)
      .row({b.label(kGroup3), b.radio(kPaperContent), b.radio(kPaperA4), b.radio(kPaperLetter),
            b.radio(kPaperA3)})
      .row({b.check(kLandscape)}, 1)
      .row({b.check(kFitWrapToPage)}, 1)
      .row({b.label(kPngResolution),
            b.field(PageItemKind::IntegerField, kPngResolution, kPngResolutionSpin),
            b.label(kPngResolution + kTextAfter)})
      .row({b.check(kTransparentPng)});
  return b.take();
}

NumberFieldSpec numberField(OptionsPage page, FieldKind kind, int id, int spin, FieldBound lower,
                            FieldBound upper) {
  return {id, spin, kind, optionsPageText(page, true, id + kFieldName), lower, upper};
}

constexpr FieldBound strict(double value) { return {BoundMode::Strict, value}; }
constexpr FieldBound inclusive(double value) { return {BoundMode::Inclusive, value}; }

// One description of each page's data exchange serves both directions, so
// what is shown and what is read back cannot drift apart.
class Exchanger {
 public:
  virtual ~Exchanger() = default;
  // False stops the exchange (a field refused its text).
  virtual bool check(int id, bool& value) = 0;
  virtual bool number(int id, int& value) = 0;
  virtual bool radio(const RadioGroupSpec& group, int& value) = 0;
  virtual bool letters(int id, std::string& value, std::string (*clean)(std::string_view)) = 0;
  virtual bool character(int id, char& value) = 0;
};

RadioGroupSpec radioGroup(OptionsPage page, int index) {
  return radioGroupSpecs(page).at(static_cast<std::size_t>(index));
}

bool exchangePage(OptionsPage page, OptionGroups& g, Exchanger& x) {
  switch (page) {
    case OptionsPage::Annotate: {
      AnnotationOptions& a = g.annotation;
      return x.number(kConsensusThreshold, a.consensusThreshold) &&
             x.check(kIncludeBlanks, a.includeBlanks) && x.check(kIgnoreX, a.xIsUnknown) &&
             x.check(kUseElision, a.useElision) &&
             x.number(kMinimumElisionLength, a.minimumElisionLength) &&
             x.number(kElisionThreshold, a.elisionThreshold);
    }
    case OptionsPage::Parsing: {
      ParseOptions& p = g.parse;
      return x.check(kConfirmFormats, p.confirmFormats) &&
             x.radio(radioGroup(page, 0), p.restrictResidues) &&
             x.letters(kInvalidResidues, p.invalidResidues, &cleanInvalidResidues) &&
             x.check(kStrangeLinkers, p.allowStrangeLinkers) &&
             x.check(kLowerCase, p.allowLowerCase) && x.check(kIgnoreCoil, p.dscIgnoreCoil) &&
             x.check(kDiscardConfidences, p.ignoreConfidences) &&
             x.check(kMergePhd, p.mergePhdPredictions);
    }
    case OptionsPage::Output: {
      OutputOptions& o = g.output;
      return x.radio(radioGroup(page, 0), o.nameJustification) &&
             x.check(kWrapOutput, o.wrapOutput) && x.number(kWrapLength, o.wrapLength) &&
             x.check(kSeparateColumns, o.separateColumns) &&
             x.number(kColumnWidth, o.columnWidth) && x.check(kShowThreshold, o.showThreshold) &&
             x.check(kEnforceUpper, o.enforceUpper) && x.check(kEnforceLinker, o.enforceLinker) &&
             x.character(kLinkerCharacter, o.linkerCharacter) &&
             x.letters(kSubstitutedLinkers, o.substitutedLinkers, &cleanSubstitutedLinkers) &&
             x.check(kMultipleSets, o.multipleSets) &&
             x.check(kDuplicateInSets, o.duplicateInSets);
    }
    case OptionsPage::Html: {
      HtmlOptions& h = g.html;
      return x.radio(radioGroup(page, 0), h.styleMode) &&
             x.check(kWebSafeWarning, h.checkWebSafe) &&
             x.radio(radioGroup(page, 1), h.colourPalette) &&
             x.check(kSampleFont, h.useSampleFont) &&
             x.check(kBrowserFontSize, h.useBrowserFontSize);
    }
    case OptionsPage::General: {
      GeneralOptions& o = g.general;
      int terse = o.verboseDialogues ? 0 : 1;
      const bool ok = x.number(kMruDocuments, o.mruDocuments) &&
                      x.number(kMruConfigurations, o.mruConfigurations) &&
                      x.radio(radioGroup(page, 0), terse) &&
                      x.check(kLargeButtons, o.largeToolbarButtons);
      o.verboseDialogues = terse == 0;
      return ok;
    }
    case OptionsPage::Figure: {
      FigureOptions& f = g.figure;
      return x.check(kResidueNumbers, f.residueNumbers) && x.check(kRuler, f.ruler) &&
             x.number(kRulerInterval, f.rulerInterval) &&
             x.radio(radioGroup(page, 0), f.paperSize) && x.check(kLandscape, f.landscape) &&
             x.check(kFitWrapToPage, f.fitWrapToPage) &&
             x.number(kPngResolution, f.pngResolution) &&
             x.check(kTransparentPng, f.transparentBackground);
    }
  }
  return true;
}

class InExchanger final : public Exchanger {
 public:
  explicit InExchanger(PageControls& controls) : m_controls(controls) {}
  bool check(int id, bool& value) override {
    m_controls.setChecked(id, value);
    return true;
  }
  bool number(int id, int& value) override {
    m_controls.setNumber(id, value);
    return true;
  }
  bool radio(const RadioGroupSpec& group, int& value) override {
    for (const RadioChoice& choice : group.choices) {
      m_controls.setChecked(choice.id, choice.value == value);
    }
    return true;
  }
  bool letters(int id, std::string& value, std::string (*)(std::string_view)) override {
    m_controls.setText(id, value);
    return true;
  }
  bool character(int id, char& value) override {
    m_controls.setText(id, linkerCharacterText(value));
    return true;
  }

 private:
  PageControls& m_controls;
};

class OutExchanger final : public Exchanger {
 public:
  explicit OutExchanger(PageControls& controls) : m_controls(controls) {}
  bool check(int id, bool& value) override {
    value = m_controls.isChecked(id);
    return true;
  }
  bool number(int id, int& value) override {
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
  bool letters(int id, std::string& value, std::string (*clean)(std::string_view)) override {
    // Kept as the next start would read it back.
    value = clean(m_controls.text(id));
    return true;
  }
  bool character(int id, char& value) override {
    value = linkerCharacterFrom(m_controls.text(id));
    return true;
  }
  int refused() const { return m_refused; }

 private:
  PageControls& m_controls;
  int m_refused = 0;
};

}  // namespace

const OptionsPageInfo& optionsPageInfo(OptionsPage page) {
  return kPages.at(static_cast<std::size_t>(optionsPageIndex(page)));
}

OptionsPage optionsPageAt(int index) {
  return static_cast<OptionsPage>(std::clamp(index, 0, kOptionsPageCount - 1));
}

int optionsPageIndex(OptionsPage page) { return static_cast<int>(page); }

int optionsPageLayout(OptionsPage page, bool verbose) {
  const OptionsPageInfo& info = optionsPageInfo(page);
  return verbose ? info.verboseLayout : info.terseLayout;
}

std::string_view optionsPageText(OptionsPage page, bool verbose, int item) {
  const OptionsPageInfo& info = optionsPageInfo(page);
  if (!verbose) {
    const StringId terse = info.terseLayout * 10000 + item;
    if (hasString(terse)) return loadString(terse);
  }
  return loadString(info.verboseLayout * 10000 + item);
}

std::vector<PageItem> PageLayout::controls() const {
  std::vector<PageItem> all;
  for (const PageGroup& group : groups) {
    for (const PageRow& row : group.rows) {
      for (const PageItem& item : row.items) {
        if (item.id != 0) all.push_back(item);
      }
    }
  }
  return all;
}

const PageItem* PageLayout::find(int id) const {
  for (const PageGroup& group : groups) {
    for (const PageRow& row : group.rows) {
      for (const PageItem& item : row.items) {
        if (item.id == id) return &item;
      }
    }
  }
  return nullptr;
}

PageLayout buildPageLayout(OptionsPage page, bool verbose) {
  LayoutBuilder builder(page, verbose);
  switch (page) {
    case OptionsPage::Annotate: return annotateLayout(builder);
    case OptionsPage::Parsing: return parsingLayout(builder);
    case OptionsPage::Output: return outputLayout(builder);
    case OptionsPage::Html: return htmlLayout(builder);
    case OptionsPage::General: return generalLayout(builder);
    case OptionsPage::Figure: return figureLayout(builder);
  }
  return builder.take();
}

std::vector<NumberFieldSpec> numberFieldSpecs(OptionsPage page) {
  const auto scaled = FieldKind::ScaledNumber;
  const auto integer = FieldKind::Integer;
  switch (page) {
    case OptionsPage::Annotate:
      return {numberField(page, scaled, kConsensusThreshold, kConsensusThresholdSpin, strict(50),
                          inclusive(100)),
              numberField(page, integer, kMinimumElisionLength, kMinimumElisionLengthSpin,
                          strict(3), inclusive(999)),
              numberField(page, scaled, kElisionThreshold, kElisionThresholdSpin, strict(0),
                          inclusive(100))};
    case OptionsPage::Output:
      return {numberField(page, integer, kWrapLength, kWrapLengthSpin, strict(2), inclusive(9999)),
              numberField(page, integer, kColumnWidth, kColumnWidthSpin, strict(2),
                          inclusive(9999))};
    case OptionsPage::General:
      return {numberField(page, integer, kMruDocuments, kMruDocumentsSpin, inclusive(0),
                          inclusive(10)),
              numberField(page, integer, kMruConfigurations, kMruConfigurationsSpin, inclusive(0),
                          inclusive(10))};
    case OptionsPage::Figure:
      return {numberField(page, integer, kRulerInterval, kRulerIntervalSpin, inclusive(1),
                          inclusive(9999)),
              numberField(page, integer, kPngResolution, kPngResolutionSpin, inclusive(30),
                          inclusive(2400))};
    case OptionsPage::Parsing:
    case OptionsPage::Html: break;
  }
  return {};
}

std::optional<NumberFieldSpec> findNumberField(OptionsPage page, int id) {
  for (const NumberFieldSpec& spec : numberFieldSpecs(page)) {
    if (spec.id == id) return spec;
  }
  return std::nullopt;
}

NumberFieldModel makeFieldModel(const NumberFieldSpec& spec) {
  NumberFieldModel model(spec.kind);
  model.setName(std::string(spec.name));
  model.setLowerBound(spec.lower.mode, spec.lower.value);
  model.setUpperBound(spec.upper.mode, spec.upper.value);
  // The unit is chosen before the field exists, so the field keeps its own
  // precision rather than the unit's.
  if (spec.kind == FieldKind::ScaledNumber) model.setUnit(percentUnit());
  return model;
}

int letterSetMode(int id) {
  return id == kSubstitutedLinkers ? kLetterSetNoLetters : kLetterSetUpperCase;
}

std::vector<RadioGroupSpec> radioGroupSpecs(OptionsPage page) {
  switch (page) {
    case OptionsPage::Parsing:
      return {{{{kAnyLetter, 0}, {kStandardResidues, 1}, {kListedInvalidResidues, 2}}}};
    case OptionsPage::Output:
      return {{{{kJustifyLeft, 0}, {kJustifyCentre, 1}, {kJustifyRight, 2}}}};
    case OptionsPage::Html:
      // The stored style mode keeps its effect (1 builds the embedded style
      // sheet, 0 writes in-line styles), so each button stands for what its
      // label says.
      return {{{{kEmbeddedStyleSheet, 1}, {kInlineStyles, 0}}},
              {{{kOfficePalette, 0}, {kWebSafePalette, 1}}}};
    case OptionsPage::General:
      return {{{{kVerbose, 0}, {kTerse, 1}}}};
    case OptionsPage::Figure:
      return {{{{kPaperContent, 0}, {kPaperA4, 1}, {kPaperLetter, 2}, {kPaperA3, 3}}}};
    case OptionsPage::Annotate: break;
  }
  return {};
}

void registerPageEnvironment(OptionsPage page, FieldEnvironment& environment) {
  if (page == OptionsPage::Annotate) {
    environment.units.registerUnit(percentUnit());
    environment.exempt.add(kCancelControlId);
  } else if (page == OptionsPage::General) {
    environment.units.registerUnit(percentageUnit());
    environment.exempt.add(kCancelControlId);
  }
}

OptionGroups OptionGroups::copyOf(const Options& options) {
  return {options.html, options.annotation, options.parse, options.output, options.general,
          options.figure};
}

AppliedOptions applyOptionGroups(const OptionGroups& groups, Options& options) {
  AppliedOptions applied;
  applied.toolbarSizeChanged =
      groups.general.largeToolbarButtons != options.general.largeToolbarButtons;
  applied.annotationChanged = !(groups.annotation == options.annotation);
  options.html = groups.html;
  options.annotation = groups.annotation;
  options.parse = groups.parse;
  options.output = groups.output;
  options.general = groups.general;
  options.figure = groups.figure;
  return applied;
}

void exchangeIn(OptionsPage page, const OptionGroups& groups, PageControls& controls) {
  OptionGroups shown = groups;
  InExchanger in(controls);
  exchangePage(page, shown, in);
}

ExchangeOutcome exchangeOut(OptionsPage page, PageControls& controls, OptionGroups& groups) {
  OptionGroups read = groups;
  OutExchanger out(controls);
  if (!exchangePage(page, read, out)) return {false, out.refused()};
  groups = std::move(read);
  return {};
}

std::string linkerCharacterText(char character) {
  return character == '\0' ? std::string() : std::string(1, character);
}

char linkerCharacterFrom(std::string_view text) { return text.empty() ? ' ' : text.front(); }

void OptionsPageMemory::sheetClosed(bool accepted, int activePage) {
  if (accepted && activePage >= 0 && activePage < kOptionsPageCount) m_page = activePage;
}

PageControlValues::PageControlValues(OptionsPage page) : m_page(page) {
  for (const NumberFieldSpec& spec : numberFieldSpecs(page)) {
    m_fields.emplace(spec.id, makeFieldModel(spec));
  }
}

bool PageControlValues::isChecked(int id) const {
  auto it = m_checked.find(id);
  return it != m_checked.end() && it->second;
}

void PageControlValues::setNumber(int id, int storedValue) {
  auto it = m_fields.find(id);
  m_texts[id] = it != m_fields.end() ? it->second.exchangeIn(storedValue)
                                     : std::to_string(storedValue);
}

std::optional<int> PageControlValues::number(int id) {
  auto it = m_fields.find(id);
  if (it == m_fields.end()) return std::nullopt;
  const FieldExchange result = it->second.exchangeOut(text(id), true);
  if (result.ok) return result.value;
  m_lastMessage = result.message;
  m_focus = id;
  return std::nullopt;
}

std::string PageControlValues::text(int id) const {
  auto it = m_texts.find(id);
  return it != m_texts.end() ? it->second : std::string();
}

void PageControlValues::click(int radioId) {
  for (const RadioGroupSpec& group : radioGroupSpecs(m_page)) {
    const bool inGroup = std::any_of(group.choices.begin(), group.choices.end(),
                                     [radioId](const RadioChoice& c) { return c.id == radioId; });
    if (!inGroup) continue;
    for (const RadioChoice& choice : group.choices) m_checked[choice.id] = choice.id == radioId;
  }
}

}  // namespace hueset
