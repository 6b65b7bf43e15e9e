#include <gtest/gtest.h>

#include <set>

#include "desktop/options_pages.h"

namespace hueset {
namespace {

std::vector<int> controlIds(const PageLayout& layout) {
  std::vector<int> ids;
  for (const PageItem& item : layout.controls()) ids.push_back(item.id.value());
  return ids;
}

std::vector<std::string_view> groupTitles(const PageLayout& layout) {
  std::vector<std::string_view> titles;
  for (const PageGroup& group : layout.groups) titles.push_back(group.title);
  return titles;
}

int countKind(const PageLayout& layout, PageItemKind kind) {
  int n = 0;
  for (const PageGroup& group : layout.groups) {
    for (const PageRow& row : group.rows) {
      for (const PageItem& item : row.items) n += item.kind == kind ? 1 : 0;
    }
  }
  return n;
}

TEST(OptionsPages, TabsInOrderWithTheirLayouts) {
  // The five specified pages, then the figure options' own page.
  const char* captions[] = {"Sequence Annotation", "Data Parsing", "Formatted Output", "HTML",
                            "General", "Figures"};
  const int verbose[] = {168, 164, 163, 170, 165, 171};
  const int terse[] = {186, 182, 183, 184, 185, 187};
  for (int i = 0; i < kOptionsPageCount; ++i) {
    const OptionsPage page = optionsPageAt(i);
    EXPECT_EQ(optionsPageIndex(page), i);
    EXPECT_EQ(optionsPageInfo(page).caption, captions[i]);
    EXPECT_EQ(buildPageLayout(page, true).number, verbose[i]);
    EXPECT_EQ(buildPageLayout(page, false).number, terse[i]);
  }
}

TEST(OptionsPages, BothLayoutsHoldEveryControlButOnlyVerboseExplains) {
  for (int i = 0; i < kOptionsPageCount; ++i) {
    const PageLayout verbose = buildPageLayout(optionsPageAt(i), true);
    const PageLayout terse = buildPageLayout(optionsPageAt(i), false);
    EXPECT_EQ(controlIds(verbose), controlIds(terse)) << i;
    EXPECT_GT(countKind(verbose, PageItemKind::Explanation), 0) << i;
    EXPECT_EQ(countKind(terse, PageItemKind::Explanation), 0) << i;
    // Every text that is shown exists in the table.
    for (const PageLayout* layout : {&verbose, &terse}) {
      for (const PageGroup& group : layout->groups) {
        for (const PageRow& row : group.rows) {
          for (const PageItem& item : row.items) {
            const bool edit = item.kind == PageItemKind::IntegerField ||
                              item.kind == PageItemKind::PercentField ||
                              item.kind == PageItemKind::LetterSetField ||
                              item.kind == PageItemKind::CharacterEdit;
            EXPECT_EQ(item.text.empty(), edit) << layout->number << " item " << item.id.value();
          }
        }
      }
    }
  }
}

TEST(OptionsPages, EveryExchangedControlIsOnItsPage) {
  using enum AnnotateControl;
  using enum ParsingControl;
  using enum OutputControl;
  using enum HtmlControl;
  using enum GeneralControl;
  using enum FigureControl;
  const std::vector<std::vector<ControlId>> expected = {
      {ConsensusThreshold, IncludeBlanks, IgnoreX, UseElision, MinimumElisionLength,
       ElisionThreshold},
      {ConfirmFormats, AnyLetter, StandardResidues, ListedInvalidResidues, InvalidResidues,
       StrangeLinkers, LowerCase, IgnoreCoil, DiscardConfidences, MergePhd},
      {JustifyLeft, JustifyCentre, JustifyRight, WrapOutput, WrapLength, SeparateColumns,
       ColumnWidth, ShowThreshold, MultipleSets, DuplicateInSets, EnforceUpper, EnforceLinker,
       LinkerCharacter, SubstitutedLinkers},
      {EmbeddedStyleSheet, InlineStyles, OfficePalette, WebSafePalette, WebSafeWarning, SampleFont,
       BrowserFontSize},
      {MruDocuments, MruConfigurations, EditorFont, Verbose, Terse, LargeButtons},
      {ResidueNumbers, Ruler, RulerInterval, PaperContent, PaperA4, PaperLetter, PaperA3, Landscape,
       FitWrapToPage, PngResolution, TransparentPng}};
  for (int i = 0; i < kOptionsPageCount; ++i) {
    const std::vector<int> ids = controlIds(buildPageLayout(optionsPageAt(i), true));
    std::multiset<int> wanted;
    for (ControlId id : expected[static_cast<std::size_t>(i)]) wanted.insert(id.value());
    EXPECT_EQ(std::multiset<int>(ids.begin(), ids.end()), wanted) << i;
  }
}

TEST(OptionsPages, TerseTextsDifferWhereTheyShould) {
  const PageLayout verbose = buildPageLayout(OptionsPage::Annotate, true);
  const PageLayout terse = buildPageLayout(OptionsPage::Annotate, false);
  EXPECT_EQ(verbose.groups[0].rows[1].items[0].text, "Identity &Threshold:");
  EXPECT_EQ(terse.groups[0].rows[0].items[0].text, "Identity Threshold:");

  EXPECT_EQ(buildPageLayout(OptionsPage::Output, true).find(OutputControl::EnforceUpper)->text,
            "Con&vert any lower-case residues to upper case");
  EXPECT_EQ(buildPageLayout(OptionsPage::Output, false).find(OutputControl::EnforceUpper)->text,
            "Con&vert lower-case residues to upper case");
  EXPECT_EQ(buildPageLayout(OptionsPage::Html, true).find(HtmlControl::WebSafePalette)->text,
            "Full \"&Web Safe\" palette (216 colours)");
  EXPECT_EQ(buildPageLayout(OptionsPage::Html, false).find(HtmlControl::WebSafePalette)->text,
            "&Full \"Web-Safe\" palette (216 colours)");
  // Texts kept character for character, blanks included.
  EXPECT_EQ(buildPageLayout(OptionsPage::Html, false).find(HtmlControl::BrowserFontSize)->text,
            "Use &Browser  Font Settings");
  EXPECT_EQ(buildPageLayout(OptionsPage::Parsing, false).find(ParsingControl::StrangeLinkers)->text,
            "&Allow non-standard \"gap\" symbols, on top of tilde\"~\"  , full stop\".\" and "
            "hyphen\"-\"");
}

TEST(OptionsPages, TerseOutputKeepsTheSubstitutionsUnderOutputFormat) {
  const PageLayout verbose = buildPageLayout(OptionsPage::Output, true);
  const PageLayout terse = buildPageLayout(OptionsPage::Output, false);
  EXPECT_EQ(groupTitles(verbose), (std::vector<std::string_view>{"Output Format", "Substitutions"}));
  EXPECT_EQ(groupTitles(terse), (std::vector<std::string_view>{"Output Format"}));
  const PageRow& last = terse.groups[0].rows.back();
  ASSERT_EQ(last.items.size(), 4u);
  EXPECT_EQ(last.items[1].id, OutputControl::LinkerCharacter);
  EXPECT_EQ(last.items[2].text, "for any linking \"gap\" symbols such as");
  EXPECT_EQ(last.items[3].id, OutputControl::SubstitutedLinkers);
}

TEST(OptionsPages, GroupBoxesOfBothLayouts) {
  for (bool verbose : {true, false}) {
    EXPECT_EQ(groupTitles(buildPageLayout(OptionsPage::Annotate, verbose)),
              (std::vector<std::string_view>{"Consensus matching", "Cutting out of Sparse Regions"}));
    EXPECT_EQ(groupTitles(buildPageLayout(OptionsPage::Html, verbose)),
              (std::vector<std::string_view>{"Style Sheets", "Residue Groups Text Colour Validation",
                                             "Ignore Font Name and Size"}));
    EXPECT_EQ(groupTitles(buildPageLayout(OptionsPage::General, verbose)),
              (std::vector<std::string_view>{"Recent Files", "Data display font",
                                             "Dialogue styles (Control descriptions)", ""}));
  }
}

TEST(OptionsPages, NumberFieldsCarryTheirNamesAndLimits) {
  const auto length = findNumberField(OptionsPage::Annotate, AnnotateControl::MinimumElisionLength);
  ASSERT_TRUE(length);
  EXPECT_EQ(length->name, "Minimum Length of the Elided Region ");
  EXPECT_EQ(length->spinId, AnnotateControl::MinimumElisionLengthSpin);
  EXPECT_EQ(length->lower, (FieldBound{BoundMode::Strict, 3}));
  EXPECT_EQ(length->upper, (FieldBound{BoundMode::Inclusive, 999}));
  EXPECT_EQ(findNumberField(OptionsPage::Annotate, AnnotateControl::ConsensusThreshold)->name,
            "Consensus");
  EXPECT_EQ(findNumberField(OptionsPage::Annotate, AnnotateControl::ElisionThreshold)->name,
            "Elision Threshold");
  EXPECT_EQ(findNumberField(OptionsPage::Output, OutputControl::WrapLength)->name,
            "Formatted Output Wrap-around Value");
  EXPECT_EQ(findNumberField(OptionsPage::Output, OutputControl::ColumnWidth)->name,
            "Formatted Output Column Widths");
  EXPECT_EQ(findNumberField(OptionsPage::General, GeneralControl::MruDocuments)->name,
            "Count of Most Recently Used Sequence Files");
  EXPECT_EQ(findNumberField(OptionsPage::General, GeneralControl::MruConfigurations)->name,
            "Count of Most Recently Used Configuration Files");
  EXPECT_FALSE(findNumberField(OptionsPage::Output, AnnotateControl::ConsensusThreshold));
  EXPECT_TRUE(numberFieldSpecs(OptionsPage::Html).empty());
}

// One field typed and read back through its page.
struct EdgeCase {
  OptionsPage page;
  ControlId field;
  const char* typed;
  std::optional<int> stored;  // none: refused
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
  *os << "page " << optionsPageIndex(c.page) << " field " << c.field.value() << " \"" << c.typed
      << '"';
}

class FieldEdges : public ::testing::TestWithParam<EdgeCase> {};

int storedValue(const OptionGroups& g, ControlId field, OptionsPage page) {
  switch (page) {
    case OptionsPage::Annotate:
      if (field == AnnotateControl::ConsensusThreshold) return g.annotation.consensusThreshold;
      if (field == AnnotateControl::ElisionThreshold) return g.annotation.elisionThreshold;
      return g.annotation.minimumElisionLength;
    case OptionsPage::Output:
      return field == OutputControl::WrapLength ? g.output.wrapLength : g.output.columnWidth;
    case OptionsPage::Figure:
      return field == FigureControl::RulerInterval ? g.figure.rulerInterval : g.figure.pngResolution;
    default:
      return field == GeneralControl::MruDocuments ? g.general.mruDocuments
                                                   : g.general.mruConfigurations;
  }
}

TEST_P(FieldEdges, StoredOrRefused) {
  const EdgeCase& c = GetParam();
  const OptionGroups before;
  OptionGroups groups = before;
  PageControlValues controls(c.page);
  exchangeIn(c.page, groups, controls);
  controls.type(c.field, c.typed);
  const ExchangeOutcome outcome = exchangeOut(c.page, controls, groups);
  if (c.stored) {
    EXPECT_TRUE(outcome.ok) << c.typed;
    EXPECT_EQ(storedValue(groups, c.field, c.page), *c.stored) << c.typed;
  } else {
    EXPECT_EQ(outcome, (ExchangeOutcome{false, c.field})) << c.typed;
    EXPECT_EQ(groups, before);
    EXPECT_TRUE(controls.lastMessage());
    EXPECT_EQ(controls.focus(), c.field);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FieldEdges,
    ::testing::Values(
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ConsensusThreshold, "50", std::nullopt},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ConsensusThreshold, "50.5", 505},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ConsensusThreshold, "100", 1000},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ConsensusThreshold, "100.1", std::nullopt},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ConsensusThreshold, "72.5", 725},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ElisionThreshold, "0", std::nullopt},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ElisionThreshold, "0.5", 5},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ElisionThreshold, "100", 1000},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::MinimumElisionLength, "3", std::nullopt},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::MinimumElisionLength, "4", 4},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::MinimumElisionLength, "999", 999},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::MinimumElisionLength, "1000",
                 std::nullopt},
        // The figure page's limits are the stored ranges: nothing is refused
        // that a profile could hold.
        EdgeCase{OptionsPage::Figure, FigureControl::RulerInterval, "0", std::nullopt},
        EdgeCase{OptionsPage::Figure, FigureControl::RulerInterval, "1", 1},
        EdgeCase{OptionsPage::Figure, FigureControl::PngResolution, "29", std::nullopt},
        EdgeCase{OptionsPage::Figure, FigureControl::PngResolution, "2400", 2400},
        EdgeCase{OptionsPage::Output, OutputControl::WrapLength, "2", std::nullopt},
        EdgeCase{OptionsPage::Output, OutputControl::WrapLength, "3", 3},
        EdgeCase{OptionsPage::Output, OutputControl::WrapLength, "9999", 9999},
        EdgeCase{OptionsPage::Output, OutputControl::WrapLength, "10000", std::nullopt},
        EdgeCase{OptionsPage::Output, OutputControl::ColumnWidth, "2", std::nullopt},
        EdgeCase{OptionsPage::Output, OutputControl::ColumnWidth, "3", 3},
        EdgeCase{OptionsPage::General, GeneralControl::MruDocuments, "0", 0},
        EdgeCase{OptionsPage::General, GeneralControl::MruDocuments, "10", 10},
        EdgeCase{OptionsPage::General, GeneralControl::MruDocuments, "11", std::nullopt},
        EdgeCase{OptionsPage::General, GeneralControl::MruDocuments, "-1", std::nullopt},
        EdgeCase{OptionsPage::General, GeneralControl::MruConfigurations, "0", 0},
        EdgeCase{OptionsPage::General, GeneralControl::MruConfigurations, "10", 10},
        EdgeCase{OptionsPage::General, GeneralControl::MruConfigurations, "11", std::nullopt},
        // An emptied field is refused, never stored as a no-value marker.
        EdgeCase{OptionsPage::Annotate, AnnotateControl::ConsensusThreshold, "", std::nullopt},
        EdgeCase{OptionsPage::Annotate, AnnotateControl::MinimumElisionLength, "", std::nullopt},
        EdgeCase{OptionsPage::General, GeneralControl::MruDocuments, "", std::nullopt}));

TEST(OptionsPageExchange, RefusalsSayWhatIsWrongWithTheFieldsName) {
  PageControlValues controls(OptionsPage::Annotate);
  OptionGroups groups;
  exchangeIn(OptionsPage::Annotate, groups, controls);

  controls.type(AnnotateControl::MinimumElisionLength, "1000");
  exchangeOut(OptionsPage::Annotate, controls, groups);
  ASSERT_TRUE(controls.lastMessage());
  EXPECT_EQ(controls.lastMessage()->title, "Minimum Length of the Elided Region  Out of Bounds");
  EXPECT_EQ(controls.lastMessage()->text,
            "[3 < \"Minimum Length of the Elided Region \" <= 999]\r\n\r\n"
            "Please enter a value for the Minimum Length of the Elided Region  which is"
            "\r\nmore than 3 and\r\nless than or equal to 999");

  controls.type(AnnotateControl::MinimumElisionLength, "4");
  controls.type(AnnotateControl::ConsensusThreshold, "50");
  exchangeOut(OptionsPage::Annotate, controls, groups);
  EXPECT_EQ(controls.lastMessage()->title, "Consensus Out of Bounds");
  EXPECT_EQ(controls.lastMessage()->text,
            "Please enter a number for the Consensus which is\r\n"
            "less than or equal to 100 %\r\nand greater than 50 %");

  controls.type(AnnotateControl::ConsensusThreshold, "");
  exchangeOut(OptionsPage::Annotate, controls, groups);
  EXPECT_EQ(controls.lastMessage()->title, "Invalid Entry");
  EXPECT_EQ(controls.lastMessage()->text, "Please enter a valid number for the Consensus.");
}

TEST(OptionsPageExchange, FirstRefusedFieldInPageOrderStopsTheReading) {
  PageControlValues controls(OptionsPage::Annotate);
  OptionGroups groups;
  exchangeIn(OptionsPage::Annotate, groups, controls);
  controls.setChecked(AnnotateControl::IncludeBlanks, false);
  controls.type(AnnotateControl::MinimumElisionLength, "3");
  controls.type(AnnotateControl::ElisionThreshold, "0");
  const ExchangeOutcome outcome = exchangeOut(OptionsPage::Annotate, controls, groups);
  EXPECT_EQ(outcome.refusedControl, AnnotateControl::MinimumElisionLength);
  // Nothing read before the refused field is kept either.
  EXPECT_TRUE(groups.annotation.includeBlanks);
}

TEST(OptionsPageExchange, ValuesShowAsThePageShowsThem) {
  OptionGroups groups;
  groups.annotation.consensusThreshold = 505;
  groups.annotation.elisionThreshold = 5;
  groups.output.linkerCharacter = '\0';
  PageControlValues annotate(OptionsPage::Annotate);
  exchangeIn(OptionsPage::Annotate, groups, annotate);
  EXPECT_EQ(annotate.text(AnnotateControl::ConsensusThreshold), "50.5");
  EXPECT_EQ(annotate.text(AnnotateControl::ElisionThreshold), "0.5");
  EXPECT_EQ(annotate.text(AnnotateControl::MinimumElisionLength), "4");
  PageControlValues output(OptionsPage::Output);
  exchangeIn(OptionsPage::Output, groups, output);
  EXPECT_EQ(output.text(OutputControl::LinkerCharacter), "");
  EXPECT_EQ(output.text(OutputControl::SubstitutedLinkers), "-_~.");
  EXPECT_TRUE(output.isChecked(OutputControl::JustifyLeft));
  EXPECT_FALSE(output.isChecked(OutputControl::JustifyCentre));
}

TEST(OptionsPageExchange, EveryPageGivesBackWhatItWasShown) {
  OptionGroups changed;
  changed.annotation.xIsUnknown = false;
  changed.annotation.includeBlanks = false;
  changed.annotation.useElision = false;
  changed.annotation.consensusThreshold = 725;
  changed.annotation.minimumElisionLength = 12;
  changed.annotation.elisionThreshold = 333;
  changed.parse.confirmFormats = false;
  changed.parse.restrictResidues = 2;
  changed.parse.invalidResidues = "JOX";
  changed.parse.allowLowerCase = true;
  changed.output.nameJustification = 1;
  changed.output.wrapLength = 45;
  changed.output.columnWidth = 7;
  changed.output.linkerCharacter = '.';
  changed.output.substitutedLinkers = "~";
  changed.output.multipleSets = true;
  changed.html.styleMode = 1;
  changed.html.colourPalette = 1;
  changed.html.useSampleFont = false;
  changed.general.mruDocuments = 0;
  changed.general.mruConfigurations = 10;
  changed.general.largeToolbarButtons = false;
  changed.general.verboseDialogues = false;
  changed.figure.residueNumbers = true;
  changed.figure.rulerInterval = 5;
  changed.figure.paperSize = 2;
  changed.figure.fitWrapToPage = true;
  changed.figure.pngResolution = 600;
  changed.figure.transparentBackground = true;
  for (const OptionGroups& groups : {OptionGroups{}, changed}) {
    for (int i = 0; i < kOptionsPageCount; ++i) {
      PageControlValues controls(optionsPageAt(i));
      exchangeIn(optionsPageAt(i), groups, controls);
      OptionGroups read;  // defaults: every page must overwrite its own group
      if (i != 0) read.annotation = groups.annotation;
      if (i != 1) read.parse = groups.parse;
      if (i != 2) read.output = groups.output;
      if (i != 3) read.html = groups.html;
      if (i != 4) read.general = groups.general;
      if (i != 5) read.figure = groups.figure;
      ASSERT_TRUE(exchangeOut(optionsPageAt(i), controls, read).ok) << i;
      EXPECT_EQ(read, groups) << i;
    }
  }
}

TEST(OptionsPageExchange, AnEmptiedSubstituteSymbolBecomesABlank) {
  OptionGroups groups;
  PageControlValues controls(OptionsPage::Output);
  exchangeIn(OptionsPage::Output, groups, controls);
  EXPECT_EQ(controls.text(OutputControl::LinkerCharacter), "-");
  controls.type(OutputControl::LinkerCharacter, "");
  ASSERT_TRUE(exchangeOut(OptionsPage::Output, controls, groups).ok);
  EXPECT_EQ(groups.output.linkerCharacter, ' ');
  controls.type(OutputControl::LinkerCharacter, "*");
  ASSERT_TRUE(exchangeOut(OptionsPage::Output, controls, groups).ok);
  EXPECT_EQ(groups.output.linkerCharacter, '*');
}

TEST(OptionsPageExchange, CharacterListsAreKeptAsTheNextStartReadsThem) {
  OptionGroups groups;
  PageControlValues parsing(OptionsPage::Parsing);
  parsing.type(ParsingControl::InvalidResidues, "bj1Z");
  ASSERT_TRUE(exchangeOut(OptionsPage::Parsing, parsing, groups).ok);
  EXPECT_EQ(groups.parse.invalidResidues, "BJZ");
  PageControlValues output(OptionsPage::Output);
  exchangeIn(OptionsPage::Output, groups, output);
  output.type(OutputControl::SubstitutedLinkers, "- 9~");
  ASSERT_TRUE(exchangeOut(OptionsPage::Output, output, groups).ok);
  EXPECT_EQ(groups.output.substitutedLinkers, "-~");
}

TEST(OptionsPageExchange, StyleButtonsStoreWhatTheirLabelsSay) {
  OptionGroups groups;
  PageControlValues html(OptionsPage::Html);
  exchangeIn(OptionsPage::Html, groups, html);
  // The default (0) writes in-line styles.
  EXPECT_TRUE(html.isChecked(HtmlControl::InlineStyles));
  EXPECT_FALSE(html.isChecked(HtmlControl::EmbeddedStyleSheet));
  html.click(HtmlControl::EmbeddedStyleSheet);
  ASSERT_TRUE(exchangeOut(OptionsPage::Html, html, groups).ok);
  EXPECT_EQ(groups.html.styleMode, 1);  // the embedded style sheet
  html.click(HtmlControl::InlineStyles);
  ASSERT_TRUE(exchangeOut(OptionsPage::Html, html, groups).ok);
  EXPECT_EQ(groups.html.styleMode, 0);
  EXPECT_NE(buildPageLayout(OptionsPage::Html, true)
                .find(HtmlControl::EmbeddedStyleSheet)
                ->text.find("Embedded"),
            std::string_view::npos);
}

TEST(OptionsPageExchange, RadioGroupsWithoutOneSelectedButtonGiveZero) {
  OptionGroups groups;
  groups.output.nameJustification = 2;
  PageControlValues output(OptionsPage::Output);
  exchangeIn(OptionsPage::Output, groups, output);
  EXPECT_TRUE(output.isChecked(OutputControl::JustifyRight));
  output.setChecked(OutputControl::JustifyLeft, true);  // two selected
  ASSERT_TRUE(exchangeOut(OptionsPage::Output, output, groups).ok);
  EXPECT_EQ(groups.output.nameJustification, 0);
  groups.output.nameJustification = 1;
  for (OutputControl id :
       {OutputControl::JustifyLeft, OutputControl::JustifyCentre, OutputControl::JustifyRight}) {
    output.setChecked(id, false);
  }
  ASSERT_TRUE(exchangeOut(OptionsPage::Output, output, groups).ok);
  EXPECT_EQ(groups.output.nameJustification, 0);

  PageControlValues general(OptionsPage::General);
  exchangeIn(OptionsPage::General, groups, general);
  general.click(GeneralControl::Terse);
  ASSERT_TRUE(exchangeOut(OptionsPage::General, general, groups).ok);
  EXPECT_FALSE(groups.general.verboseDialogues);
  general.setChecked(GeneralControl::Terse, false);  // none selected: the first button, Verbose
  ASSERT_TRUE(exchangeOut(OptionsPage::General, general, groups).ok);
  EXPECT_TRUE(groups.general.verboseDialogues);
}

TEST(OptionsPageMemory, RemembersThePageOfTheLastOkOnly) {
  OptionsPageMemory memory;
  EXPECT_EQ(memory.remembered(), kNoOptionsPage);
  EXPECT_EQ(memory.pageToOpen(), 0);
  memory.sheetClosed(true, optionsPageIndex(OptionsPage::Html));
  EXPECT_EQ(memory.pageToOpen(), 3);
  memory.sheetClosed(false, optionsPageIndex(OptionsPage::Parsing));
  EXPECT_EQ(memory.pageToOpen(), 3);
  memory.sheetClosed(true, 0);
  EXPECT_EQ(memory.pageToOpen(), 0);
}

TEST(OptionsApply, CopiesEveryGroupBackAndSaysWhatTheWindowMustShow) {
  Options options;
  OptionGroups groups = OptionGroups::copyOf(options);
  AppliedOptions applied = applyOptionGroups(groups, options);
  EXPECT_FALSE(applied.toolbarSizeChanged);
  EXPECT_FALSE(applied.annotationChanged);

  groups.general.largeToolbarButtons = false;
  groups.annotation.consensusThreshold = 725;
  groups.output.linkerCharacter = ' ';
  groups.html.styleMode = 1;
  groups.parse.restrictResidues = 1;
  groups.figure.ruler = true;
  applied = applyOptionGroups(groups, options);
  EXPECT_TRUE(applied.toolbarSizeChanged);
  EXPECT_TRUE(applied.annotationChanged);
  EXPECT_EQ(OptionGroups::copyOf(options), groups);
}

TEST(OptionsPageEnvironment, UnitsRegisteredOnceAndCancelExempt) {
  FieldEnvironment environment;
  registerPageEnvironment(OptionsPage::Annotate, environment);
  registerPageEnvironment(OptionsPage::Parsing, environment);
  registerPageEnvironment(OptionsPage::General, environment);
  registerPageEnvironment(OptionsPage::Annotate, environment);  // a second sheet
  EXPECT_EQ(environment.units.size(), 2);
  EXPECT_EQ(environment.units.find("%"), 0);
  EXPECT_EQ(environment.units.find("Percentage"), 1);
  EXPECT_TRUE(environment.exempt.contains(kCancelControlId));
  EXPECT_FALSE(environment.exempt.contains(kOkControlId));
}

}  // namespace
}  // namespace hueset
