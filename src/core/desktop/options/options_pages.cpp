#include "desktop/options/options_pages.h"

#include <algorithm>
#include <array>

#include "util/string_table.h"

namespace hueset {
namespace {

constexpr std::array<OptionsPageInfo, kOptionsPageCount> kPages = {{
    {"AnnotatePage", "Sequence Annotation", 168, 186},
    {"ParsingPage", "Data Parsing", 164, 182},
    {"OutputPage", "Formatted Output", 163, 183},
    {"HtmlPage", "HTML", 170, 184},
    {"GeneralPage", "General", 165, 185},
    {"FigurePage", "Figures", 171, 187},
    {"FigureRowsPage", "Figure Rows", 172, 188},
}};

// Item numbers of a layout's texts (strings_settings.inc): a control's own
// text or the label before it is numbered like the control.
constexpr int kTextAfter = 500;  // + control id: the label after a control
constexpr int kFieldName = 700;  // + control id: a number field's name
constexpr int kHint = 900;       // + control id: what a text field shows while empty

// The text item of a control's own text or of the label before it, and of
// the label after it.
int textOf(ControlId id) { return id.value(); }
int textAfter(ControlId id) { return id.value() + kTextAfter; }
constexpr int kGroup1 = 1200;  // group boxes and free labels
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
    if (m_layout.verbose) row({{PageItemKind::Explanation, {}, text(item), {}}});
    return *this;
  }
  LayoutBuilder& row(std::vector<PageItem> items, int indent = 0) {
    m_layout.groups.back().rows.push_back({std::move(items), indent});
    return *this;
  }

  PageItem label(int item) const { return {PageItemKind::Label, {}, text(item), {}}; }
  PageItem label(ControlId id) const { return label(textOf(id)); }
  PageItem control(PageItemKind kind, ControlId id) const {
    return {kind, id, text(textOf(id)), {}};
  }
  PageItem check(ControlId id) const { return control(PageItemKind::CheckBox, id); }
  // A text field's own text is the hint it shows while empty.
  PageItem textField(ControlId id) const {
    return {PageItemKind::TextField, id, text(id.value() + kHint), {}};
  }
  PageItem radio(ControlId id) const { return control(PageItemKind::RadioButton, id); }
  PageItem field(PageItemKind kind, ControlId id, ControlId spin = {}) const {
    return {kind, id, {}, spin};
  }
  // A number field between the item before it (its label, or the check box
  // it depends on) and the label after it.
  std::vector<PageItem> fieldRow(PageItem before, PageItemKind kind, ControlId id,
                                 ControlId spin) const {
    return {before, field(kind, id, spin), label(textAfter(id))};
  }
  std::vector<PageItem> labelledField(PageItemKind kind, ControlId id, ControlId spin) const {
    return fieldRow(label(id), kind, id, spin);
  }

  PageLayout take() { return std::move(m_layout); }

 private:
  PageLayout m_layout;
};

void annotateLayout(LayoutBuilder& b) {
  using enum AnnotateControl;
  b.group(kGroup1)
      .explanation(kExplain1)
      .row(b.labelledField(PageItemKind::PercentField, ConsensusThreshold, ConsensusThresholdSpin))
      .row({b.check(IncludeBlanks)})
      .row({b.check(IgnoreX)})
      .explanation(kExplain2);
  b.group(kGroup2)
      .explanation(kExplain3)
      .row({b.check(UseElision)})
      .row(b.labelledField(PageItemKind::IntegerField, MinimumElisionLength,
                           MinimumElisionLengthSpin),
           1)
      .row(b.labelledField(PageItemKind::PercentField, ElisionThreshold, ElisionThresholdSpin), 1)
      .explanation(kExplain4);
}

void parsingLayout(LayoutBuilder& b) {
  using enum ParsingControl;
  b.group(0).explanation(kExplain1).row({b.check(ConfirmFormats)});
  b.group(kGroup1)
      .explanation(kExplain2)
      .row({b.radio(AnyLetter)})
      .row({b.radio(StandardResidues)})
      .row({b.radio(ListedInvalidResidues), b.field(PageItemKind::LetterSetField, InvalidResidues)})
      .row({b.check(StrangeGaps)})
      .row({b.check(LowerCase)});
  b.group(kGroup2)
      .explanation(kExplain3)
      .row({b.check(IgnoreCoil)})
      .row({b.check(DiscardConfidences)})
      .row({b.label(kGroup3)})
      .row({b.check(MergePhd)}, 1);
}

void outputLayout(LayoutBuilder& b) {
  using enum OutputControl;
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.label(kGroup2), b.radio(JustifyLeft), b.radio(JustifyCentre), b.radio(JustifyRight)})
      .row(b.fieldRow(b.check(WrapOutput), PageItemKind::IntegerField, WrapLength, WrapLengthSpin))
      .row(b.fieldRow(b.check(SeparateColumns), PageItemKind::IntegerField, ColumnWidth,
                      ColumnWidthSpin))
      .row({b.check(ShowThreshold)})
      .row({b.check(MultipleSets)})
      .row({b.check(DuplicateInSets)}, 1);
  // The terse layout keeps the substitutions under "Output Format".
  if (b.verbose()) b.group(kGroup3).explanation(kExplain2);
  b.row({b.check(EnforceUpper)})
      .row({b.check(EnforceGap), b.field(PageItemKind::CharacterEdit, GapCharacter),
            b.label(SubstitutedGaps), b.field(PageItemKind::LetterSetField, SubstitutedGaps)});
}

void htmlLayout(LayoutBuilder& b) {
  using enum HtmlControl;
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.radio(EmbeddedStyleSheet)})
      .row({b.radio(InlineStyles)})
      .explanation(kExplain6);
  b.group(kGroup2)
      .explanation(kExplain2)
      .row({b.radio(OfficePalette)})
      .row({b.radio(WebSafePalette)})
      .explanation(kExplain3)
      .row({b.check(WebSafeWarning)});
  b.group(kGroup3)
      .explanation(kExplain4)
      .row({b.check(SampleFont)})
      .explanation(kExplain5)
      .row({b.check(BrowserFontSize)});
}

void generalLayout(LayoutBuilder& b) {
  using enum GeneralControl;
  b.group(kGroup1)
      .explanation(kExplain1)
      .row(b.labelledField(PageItemKind::IntegerField, MruDocuments, MruDocumentsSpin))
      .row(b.labelledField(PageItemKind::IntegerField, MruConfigurations, MruConfigurationsSpin));
  b.group(kGroup2)
      .row({b.label(kGroup3), b.control(PageItemKind::PushButton, EditorFont)})
      .explanation(kExplain2);
  b.group(kGroup4).explanation(kExplain3).row({b.radio(Verbose), b.radio(Terse)});
  b.group(0).row({b.check(LargeButtons)});
}

void figureLayout(LayoutBuilder& b) {
  using enum FigureControl;
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.check(ResidueNumbers)})
      .row(
          b.fieldRow(b.check(Ruler), PageItemKind::IntegerField, RulerInterval, RulerIntervalSpin));
  b.group(kGroup2)
      .explanation(kExplain2)
      .row({b.label(kGroup3), b.radio(PaperContent), b.radio(PaperA4), b.radio(PaperLetter),
            b.radio(PaperA3)})
      .row({b.check(Landscape)}, 1)
      .row({b.check(FitWrapToPage)}, 1)
      .row(b.labelledField(PageItemKind::IntegerField, PngResolution, PngResolutionSpin))
      .row({b.check(TransparentPng)});
  b.group(kGroup4)
      .explanation(kExplain3)
      .row({b.label(FigureWidth), b.textField(FigureWidth), b.label(textAfter(FigureWidth))})
      .row(b.labelledField(PageItemKind::IntegerField, FigureFontSize, FigureFontSizeSpin))
      .row(b.labelledField(PageItemKind::IntegerField, MinimumFontSize, MinimumFontSizeSpin))
      .row({b.check(Legend)})
      .row({b.label(Title), b.textField(Title)})
      .row({b.check(TiffCmyk)});
}

// The rows a figure carries beside the alignment, then the sequence and the
// columns they count by.
void figureRowsLayout(LayoutBuilder& b) {
  using enum FigureRowsControl;
  b.group(kGroup1)
      .explanation(kExplain1)
      .row({b.check(ConservationBar)})
      .row({b.check(SequenceLogo)})
      .row({b.label(Marks), b.textField(Marks)})
      .row({b.label(Frames), b.textField(Frames)})
      .explanation(kExplain2);
  b.group(kGroup2)
      .explanation(kExplain3)
      .row({b.label(Reference), b.textField(Reference)})
      .row({b.check(ShadeIdentical)}, 1)
      .row({b.label(Columns), b.textField(Columns)});
  b.group(kGroup3)
      .explanation(kExplain4)
      .row({b.label(kGroup4), b.radio(StructureLetters), b.radio(StructureCoils),
            b.radio(StructureCylinders)})
      .row({b.check(StructureLabels)})
      .row({b.check(StructureAccessibility)})
      .row({b.check(StructureNumbering)});
}

NumberFieldSpec numberField(OptionsPage page, FieldKind kind, ControlId id, ControlId spin,
                            FieldBound lower, FieldBound upper) {
  return {id, spin, kind, optionsPageText(page, true, id.value() + kFieldName), lower, upper};
}

constexpr FieldBound strict(double value) { return {BoundMode::Strict, value}; }
constexpr FieldBound inclusive(double value) { return {BoundMode::Inclusive, value}; }

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

namespace {

// A page text's number in the string table: its layout's number, then four
// digits for the item (see strings_settings.inc).
constexpr StringId layoutItemTextId(int layout, int item) { return layout * 10000 + item; }

}  // namespace

std::string_view optionsPageText(OptionsPage page, bool verbose, int item) {
  const OptionsPageInfo& info = optionsPageInfo(page);
  if (!verbose) {
    const StringId terse = layoutItemTextId(info.terseLayout, item);
    if (hasString(terse)) return loadString(terse);
  }
  return loadString(layoutItemTextId(info.verboseLayout, item));
}

std::vector<PageItem> PageLayout::controls() const {
  std::vector<PageItem> all;
  for (const PageGroup& group : groups) {
    for (const PageRow& row : group.rows) {
      for (const PageItem& item : row.items) {
        if (!item.id.isNone()) all.push_back(item);
      }
    }
  }
  return all;
}

const PageItem* PageLayout::find(ControlId id) const {
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
    case OptionsPage::Annotate: annotateLayout(builder); break;
    case OptionsPage::Parsing: parsingLayout(builder); break;
    case OptionsPage::Output: outputLayout(builder); break;
    case OptionsPage::Html: htmlLayout(builder); break;
    case OptionsPage::General: generalLayout(builder); break;
    case OptionsPage::Figure: figureLayout(builder); break;
    case OptionsPage::FigureRows: figureRowsLayout(builder); break;
  }
  return builder.take();
}

std::vector<NumberFieldSpec> numberFieldSpecs(OptionsPage page) {
  const auto scaled = FieldKind::ScaledNumber;
  const auto integer = FieldKind::Integer;
  switch (page) {
    case OptionsPage::Annotate: {
      using enum AnnotateControl;
      return {numberField(page, scaled, ConsensusThreshold, ConsensusThresholdSpin, strict(50),
                          inclusive(100)),
              numberField(page, integer, MinimumElisionLength, MinimumElisionLengthSpin, strict(3),
                          inclusive(999)),
              numberField(page, scaled, ElisionThreshold, ElisionThresholdSpin, strict(0),
                          inclusive(100))};
    }
    case OptionsPage::Output: {
      using enum OutputControl;
      return {numberField(page, integer, WrapLength, WrapLengthSpin, strict(2), inclusive(9999)),
              numberField(page, integer, ColumnWidth, ColumnWidthSpin, strict(2), inclusive(9999))};
    }
    case OptionsPage::General: {
      using enum GeneralControl;
      return {
          numberField(page, integer, MruDocuments, MruDocumentsSpin, inclusive(0), inclusive(10)),
          numberField(page, integer, MruConfigurations, MruConfigurationsSpin, inclusive(0),
                      inclusive(10))};
    }
    case OptionsPage::Figure: {
      using enum FigureControl;
      return {numberField(page, integer, RulerInterval, RulerIntervalSpin, inclusive(1),
                          inclusive(9999)),
              numberField(page, integer, PngResolution, PngResolutionSpin, inclusive(30),
                          inclusive(2400)),
              numberField(page, integer, FigureFontSize, FigureFontSizeSpin, inclusive(0),
                          inclusive(144)),
              numberField(page, integer, MinimumFontSize, MinimumFontSizeSpin, inclusive(1),
                          inclusive(144))};
    }
    case OptionsPage::Parsing:
    case OptionsPage::Html:
    case OptionsPage::FigureRows: break;
  }
  return {};
}

std::optional<NumberFieldSpec> findNumberField(OptionsPage page, ControlId id) {
  for (const NumberFieldSpec& spec : numberFieldSpecs(page)) {
    if (spec.id == id) return spec;
  }
  return std::nullopt;
}

FieldMessage textFieldMessage(OptionsPage page, ControlId id, std::string_view problem) {
  std::string text = "The ";
  text += optionsPageText(page, true, id.value() + kFieldName);
  text += " cannot be read: ";
  text += problem;
  text += '.';
  return {std::string(kInvalidEntryTitle), std::move(text)};
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

int letterSetMode(ControlId id) {
  return id == OutputControl::SubstitutedGaps ? kLetterSetNoLetters : kLetterSetUpperCase;
}

std::vector<RadioGroupSpec> radioGroupSpecs(OptionsPage page) {
  switch (page) {
    case OptionsPage::Parsing: {
      using enum ParsingControl;
      return {{{{AnyLetter, 0}, {StandardResidues, 1}, {ListedInvalidResidues, 2}}}};
    }
    case OptionsPage::Output: {
      using enum OutputControl;
      return {{{{JustifyLeft, 0}, {JustifyCentre, 1}, {JustifyRight, 2}}}};
    }
    case OptionsPage::Html: {
      using enum HtmlControl;
      // The stored style mode keeps its effect (1 builds the embedded style
      // sheet, 0 writes in-line styles), so each button stands for what its
      // label says.
      return {{{{EmbeddedStyleSheet, 1}, {InlineStyles, 0}}},
              {{{OfficePalette, 0}, {WebSafePalette, 1}}}};
    }
    case OptionsPage::General: {
      using enum GeneralControl;
      return {{{{Verbose, 0}, {Terse, 1}}}};
    }
    case OptionsPage::Figure: {
      using enum FigureControl;
      return {{{{PaperContent, 0}, {PaperA4, 1}, {PaperLetter, 2}, {PaperA3, 3}}}};
    }
    case OptionsPage::FigureRows: {
      using enum FigureRowsControl;
      return {{{{StructureLetters, 0}, {StructureCoils, 1}, {StructureCylinders, 2}}}};
    }
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
  return {options.html,    options.annotation, options.parse,        options.output,
          options.general, options.figure,     options.figureLayout, options.columnMarks};
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
  options.figureLayout = groups.figureLayout;
  options.columnMarks = groups.columnMarks;
  return applied;
}

void OptionsPageMemory::sheetClosed(bool accepted, int activePage) {
  if (accepted && activePage >= 0 && activePage < kOptionsPageCount) m_page = activePage;
}

}  // namespace hueset
