#include "desktop/options/options_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "support/option_field_edges.h"

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
  // The five specified pages, then the figure options' own pages.
  const char* captions[] = {
      "Sequence Annotation", "Data Parsing", "Formatted Output", "HTML", "General", "Figures",
      "Figure Rows"};
  const int verbose[] = {168, 164, 163, 170, 165, 171, 172};
  const int terse[] = {186, 182, 183, 184, 185, 187, 188};
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

TEST(OptionsPages, EveryBoundControlIsOnItsPage) {
  using enum AnnotateControl;
  using enum ParsingControl;
  using enum OutputControl;
  using enum HtmlControl;
  using enum GeneralControl;
  using enum FigureControl;
  using enum FigureRowsControl;
  const std::vector<std::vector<ControlId>> expected = {
      {ConsensusThreshold, IncludeBlanks, IgnoreX, UseElision, MinimumElisionLength,
       ElisionThreshold},
      {ConfirmFormats, AnyLetter, StandardResidues, ListedInvalidResidues, InvalidResidues,
       StrangeGaps, LowerCase, IgnoreCoil, DiscardConfidences, MergePhd},
      {JustifyLeft, JustifyCentre, JustifyRight, WrapOutput, WrapLength, SeparateColumns,
       ColumnWidth, ShowThreshold, MultipleSets, DuplicateInSets, EnforceUpper, EnforceGap,
       GapCharacter, SubstitutedGaps},
      {EmbeddedStyleSheet, InlineStyles, OfficePalette, WebSafePalette, WebSafeWarning, SampleFont,
       BrowserFontSize},
      {MruDocuments, MruConfigurations, EditorFont, Verbose, Terse, LargeButtons},
      {ResidueNumbers, Ruler, RulerInterval, PaperContent, PaperA4, PaperLetter, PaperA3, Landscape,
       FitWrapToPage, PngResolution, TransparentPng, FigureWidth, FigureFontSize, MinimumFontSize,
       Legend, Title, TiffCmyk},
      {ConservationBar, SequenceLogo, Marks, Frames, Reference, ShadeIdentical, Columns,
       StructureLetters, StructureCoils, StructureCylinders, StructureLabels,
       StructureAccessibility, StructureNumbering}};
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
  EXPECT_EQ(buildPageLayout(OptionsPage::Parsing, false).find(ParsingControl::StrangeGaps)->text,
            "&Allow non-standard \"gap\" symbols, on top of tilde\"~\"  , full stop\".\" and "
            "hyphen\"-\"");
}

TEST(OptionsPages, TerseOutputKeepsTheSubstitutionsUnderOutputFormat) {
  const PageLayout verbose = buildPageLayout(OptionsPage::Output, true);
  const PageLayout terse = buildPageLayout(OptionsPage::Output, false);
  EXPECT_EQ(groupTitles(verbose),
            (std::vector<std::string_view>{"Output Format", "Substitutions"}));
  EXPECT_EQ(groupTitles(terse), (std::vector<std::string_view>{"Output Format"}));
  const PageRow& last = terse.groups[0].rows.back();
  ASSERT_EQ(last.items.size(), 4u);
  EXPECT_EQ(last.items[1].id, OutputControl::GapCharacter);
  EXPECT_EQ(last.items[2].text, "for any linking \"gap\" symbols such as");
  EXPECT_EQ(last.items[3].id, OutputControl::SubstitutedGaps);
}

TEST(OptionsPages, GroupBoxesOfBothLayouts) {
  for (bool verbose : {true, false}) {
    EXPECT_EQ(
        groupTitles(buildPageLayout(OptionsPage::Annotate, verbose)),
        (std::vector<std::string_view>{"Consensus matching", "Cutting out of Sparse Regions"}));
    EXPECT_EQ(
        groupTitles(buildPageLayout(OptionsPage::Html, verbose)),
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
  // The names the refusals speak of.
  const struct {
    OptionsPage page;
    ControlId field;
    const char* name;
  } named[] = {
      {OptionsPage::Annotate, AnnotateControl::ConsensusThreshold, "Consensus"},
      {OptionsPage::Annotate, AnnotateControl::ElisionThreshold, "Elision Threshold"},
      {OptionsPage::Output, OutputControl::WrapLength, "Formatted Output Wrap-around Value"},
      {OptionsPage::Output, OutputControl::ColumnWidth, "Formatted Output Column Widths"},
      {OptionsPage::General, GeneralControl::MruDocuments,
       "Count of Most Recently Used Sequence Files"},
      {OptionsPage::General, GeneralControl::MruConfigurations,
       "Count of Most Recently Used Configuration Files"},
  };
  for (const auto& n : named) {
    const auto field = findNumberField(n.page, n.field);
    ASSERT_TRUE(field) << n.name;
    EXPECT_EQ(field->name, n.name);
  }
  EXPECT_FALSE(findNumberField(OptionsPage::Output, AnnotateControl::ConsensusThreshold));
  EXPECT_TRUE(numberFieldSpecs(OptionsPage::Html).empty());
}

using test::FieldEdge;

class FieldEdges : public ::testing::TestWithParam<FieldEdge> {};

TEST_P(FieldEdges, StoredOrRefused) {
  const FieldEdge& c = GetParam();
  const OptionGroups before;
  OptionGroups groups = before;
  PageControlValues controls(c.page);
  loadPage(c.page, groups, controls);
  controls.type(c.field, c.typed);
  const PageStoreOutcome outcome = storePage(c.page, controls, groups);
  if (c.stored) {
    EXPECT_TRUE(outcome.ok) << c.typed;
    EXPECT_EQ(test::storedValue(groups, c.field, c.page), *c.stored) << c.typed;
  } else {
    EXPECT_EQ(outcome, (PageStoreOutcome{false, c.field})) << c.typed;
    EXPECT_EQ(groups, before);
    EXPECT_TRUE(controls.lastMessage());
    EXPECT_EQ(controls.focus(), c.field);
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, FieldEdges, ::testing::ValuesIn(test::fieldEdges()));

TEST(OptionsPageBinding, RefusalsSayWhatIsWrongWithTheFieldsName) {
  PageControlValues controls(OptionsPage::Annotate);
  OptionGroups groups;
  loadPage(OptionsPage::Annotate, groups, controls);

  controls.type(AnnotateControl::MinimumElisionLength, "1000");
  storePage(OptionsPage::Annotate, controls, groups);
  ASSERT_TRUE(controls.lastMessage());
  EXPECT_EQ(controls.lastMessage()->title, "Minimum Length of the Elided Region  Out of Bounds");
  EXPECT_EQ(controls.lastMessage()->text,
            "[3 < \"Minimum Length of the Elided Region \" <= 999]\r\n\r\n"
            "Please enter a value for the Minimum Length of the Elided Region  which is"
            "\r\nmore than 3 and\r\nless than or equal to 999");

  controls.type(AnnotateControl::MinimumElisionLength, "4");
  controls.type(AnnotateControl::ConsensusThreshold, "50");
  storePage(OptionsPage::Annotate, controls, groups);
  EXPECT_EQ(controls.lastMessage()->title, "Consensus Out of Bounds");
  EXPECT_EQ(controls.lastMessage()->text,
            "Please enter a number for the Consensus which is\r\n"
            "less than or equal to 100 %\r\nand greater than 50 %");

  controls.type(AnnotateControl::ConsensusThreshold, "");
  storePage(OptionsPage::Annotate, controls, groups);
  EXPECT_EQ(controls.lastMessage()->title, "Invalid Entry");
  EXPECT_EQ(controls.lastMessage()->text, "Please enter a valid number for the Consensus.");
}

TEST(OptionsPageBinding, FirstRefusedFieldInPageOrderStopsTheReading) {
  PageControlValues controls(OptionsPage::Annotate);
  OptionGroups groups;
  loadPage(OptionsPage::Annotate, groups, controls);
  controls.setChecked(AnnotateControl::IncludeBlanks, false);
  controls.type(AnnotateControl::MinimumElisionLength, "3");
  controls.type(AnnotateControl::ElisionThreshold, "0");
  const PageStoreOutcome outcome = storePage(OptionsPage::Annotate, controls, groups);
  EXPECT_EQ(outcome.refusedControl, AnnotateControl::MinimumElisionLength);
  // Nothing read before the refused field is kept either.
  EXPECT_TRUE(groups.annotation.includeBlanks);
}

TEST(OptionsPageBinding, ValuesShowAsThePageShowsThem) {
  OptionGroups groups;
  groups.annotation.consensusThreshold = 505;
  groups.annotation.elisionThreshold = 5;
  groups.output.gapCharacter = '\0';
  PageControlValues annotate(OptionsPage::Annotate);
  loadPage(OptionsPage::Annotate, groups, annotate);
  EXPECT_EQ(annotate.text(AnnotateControl::ConsensusThreshold), "50.5");
  EXPECT_EQ(annotate.text(AnnotateControl::ElisionThreshold), "0.5");
  EXPECT_EQ(annotate.text(AnnotateControl::MinimumElisionLength), "4");
  PageControlValues output(OptionsPage::Output);
  loadPage(OptionsPage::Output, groups, output);
  EXPECT_EQ(output.text(OutputControl::GapCharacter), "");
  EXPECT_EQ(output.text(OutputControl::SubstitutedGaps), "-_~.");
  EXPECT_TRUE(output.isChecked(OutputControl::JustifyLeft));
  EXPECT_FALSE(output.isChecked(OutputControl::JustifyCentre));
}

TEST(OptionsPageBinding, EveryPageGivesBackWhatItWasShown) {
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
  changed.output.gapCharacter = '.';
  changed.output.substitutedGaps = "~";
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
  changed.columnMarks.conservationBar = true;
  changed.columnMarks.marks = "45,67,120-122:star;30:K";
  changed.columnMarks.frames = "30-52,60-64";
  changed.columnMarks.reference = "HBB_RABIT";
  changed.columnMarks.shadeIdentical = true;
  changed.columnMarks.columns = "30-120";
  for (const OptionGroups& groups : {OptionGroups{}, changed}) {
    for (int i = 0; i < kOptionsPageCount; ++i) {
      PageControlValues controls(optionsPageAt(i));
      loadPage(optionsPageAt(i), groups, controls);
      OptionGroups read;  // defaults: every page must overwrite its own group
      if (i != 0) read.annotation = groups.annotation;
      if (i != 1) read.parse = groups.parse;
      if (i != 2) read.output = groups.output;
      if (i != 3) read.html = groups.html;
      if (i != 4) read.general = groups.general;
      if (i != 5) read.figure = groups.figure;
      if (i != 6) read.columnMarks = groups.columnMarks;
      ASSERT_TRUE(storePage(optionsPageAt(i), controls, read).ok) << i;
      EXPECT_EQ(read, groups) << i;
    }
  }
}

// The figure page holds the figure layout as well: what it shows is what
// it stores, a width kept as the next start reads it.
TEST(OptionsPageBinding, TheFigurePageStoresTheFigureLayout) {
  struct Case {
    const char* what;
    const char* typed;
    const char* stored;
  };
  const Case cases[] = {
      {"a journal's column by name", "Single", "single"},
      {"a width with its unit, blanks dropped", "3.5 in", "3.5in"},
      {"what is no width is as wide as the figure", "wide", ""},
  };
  for (const Case& c : cases) {
    OptionGroups groups;
    groups.figureLayout.fontSize = 8;
    groups.figureLayout.minimumFontSize = 5;
    groups.figureLayout.legend = false;
    groups.figureLayout.title = "Fibronectin type III";
    groups.figureLayout.tiffCmyk = true;
    PageControlValues controls(OptionsPage::Figure);
    loadPage(OptionsPage::Figure, groups, controls);
    controls.setText(FigureControl::FigureWidth, c.typed);
    OptionGroups read;
    ASSERT_TRUE(storePage(OptionsPage::Figure, controls, read).ok) << c.what;
    groups.figureLayout.width = c.stored;
    EXPECT_EQ(read.figureLayout, groups.figureLayout) << c.what;
  }
}

// A mark, frame or column list that the run could not read is refused on
// the page, with what is wrong, rather than failing every figure later.
TEST(OptionsPageBinding, TheFigureRowsPageRefusesListsItCannotRead) {
  using enum FigureRowsControl;
  struct Case {
    const char* what;
    ControlId field;
    const char* typed;
    const char* message;  // empty: taken, as `stored`
    const char* stored;
  };
  const Case cases[] = {
      {"a range backwards", Frames, "52-30",
       "The Frames cannot be read: '52-30' is no column or range of columns (such as 45 or "
       "120-122, from 1).",
       ""},
      {"a symbol that is none", Marks, "45:square",
       "The Marks cannot be read: 'square' is no mark: give triangle, star, dot, or one letter "
       "or digit.",
       ""},
      {"column 0 is none: columns count from 1", Columns, "0-10",
       "The Columns cannot be read: '0-10' is no column or range of columns (such as 45 or "
       "120-122, from 1).",
       ""},
      {"the empty field's hint is no list", Columns, "all",
       "The Columns cannot be read: 'all' is no column or range of columns (such as 45 or "
       "120-122, from 1).",
       ""},
      {"blanks go as the profile would drop them", Marks, " 45, 67 : star ; 30:K", "",
       "45,67:star;30:K"},
  };
  for (const Case& c : cases) {
    OptionGroups groups;
    groups.columnMarks.conservationBar = true;
    PageControlValues controls(OptionsPage::FigureRows);
    loadPage(OptionsPage::FigureRows, groups, controls);
    controls.setChecked(SequenceLogo, true);
    controls.type(c.field, c.typed);
    OptionGroups read = groups;
    const PageStoreOutcome outcome = storePage(OptionsPage::FigureRows, controls, read);
    if (std::string_view(c.message).empty()) {
      ASSERT_TRUE(outcome.ok) << c.what;
      EXPECT_TRUE(read.columnMarks.sequenceLogo) << c.what;
      EXPECT_EQ(read.columnMarks.marks, c.stored) << c.what;
      continue;
    }
    EXPECT_EQ(outcome, (PageStoreOutcome{false, c.field})) << c.what;
    EXPECT_EQ(read, groups) << c.what;  // nothing of the page is kept
    ASSERT_TRUE(controls.lastMessage()) << c.what;
    EXPECT_EQ(controls.lastMessage()->title, "Invalid Entry") << c.what;
    EXPECT_EQ(controls.lastMessage()->text, c.message) << c.what;
    EXPECT_EQ(controls.focus(), c.field) << c.what;
  }
}

TEST(OptionsPageBinding, CharacterFieldsStoreWhatTheNextStartReads) {
  struct Case {
    const char* what;
    OptionsPage page;
    ControlId field;
    const char* typed;
    std::string (*stored)(const OptionGroups&);
    const char* expected;
  };
  auto gap = [](const OptionGroups& g) { return std::string(1, g.output.gapCharacter); };
  auto residues = [](const OptionGroups& g) { return g.parse.invalidResidues; };
  auto gaps = [](const OptionGroups& g) { return g.output.substitutedGaps; };
  const Case cases[] = {
      {"an emptied substitute symbol becomes a blank", OptionsPage::Output,
       OutputControl::GapCharacter, "", gap, " "},
      {"a typed substitute symbol is kept", OptionsPage::Output, OutputControl::GapCharacter, "*",
       gap, "*"},
      {"invalid residues are upper-case letters", OptionsPage::Parsing,
       ParsingControl::InvalidResidues, "bj1Z", residues, "BJZ"},
      {"substituted linkers are gap symbols only", OptionsPage::Output,
       OutputControl::SubstitutedGaps, "- 9~", gaps, "-~"},
  };
  for (const Case& c : cases) {
    OptionGroups groups;
    PageControlValues controls(c.page);
    loadPage(c.page, groups, controls);
    controls.type(c.field, c.typed);
    ASSERT_TRUE(storePage(c.page, controls, groups).ok) << c.what;
    EXPECT_EQ(c.stored(groups), c.expected) << c.what;
  }
  // The default symbol shows as itself.
  PageControlValues output(OptionsPage::Output);
  loadPage(OptionsPage::Output, OptionGroups{}, output);
  EXPECT_EQ(output.text(OutputControl::GapCharacter), "-");
}

TEST(OptionsPageBinding, StyleButtonsStoreWhatTheirLabelsSay) {
  OptionGroups groups;
  PageControlValues html(OptionsPage::Html);
  loadPage(OptionsPage::Html, groups, html);
  // The default (0) writes in-line styles.
  EXPECT_TRUE(html.isChecked(HtmlControl::InlineStyles));
  EXPECT_FALSE(html.isChecked(HtmlControl::EmbeddedStyleSheet));
  html.click(HtmlControl::EmbeddedStyleSheet);
  ASSERT_TRUE(storePage(OptionsPage::Html, html, groups).ok);
  EXPECT_EQ(groups.html.styleMode, 1);  // the embedded style sheet
  html.click(HtmlControl::InlineStyles);
  ASSERT_TRUE(storePage(OptionsPage::Html, html, groups).ok);
  EXPECT_EQ(groups.html.styleMode, 0);
  EXPECT_NE(buildPageLayout(OptionsPage::Html, true)
                .find(HtmlControl::EmbeddedStyleSheet)
                ->text.find("Embedded"),
            std::string_view::npos);
}

TEST(OptionsPageBinding, RadioGroupsWithoutOneSelectedButtonGiveZero) {
  OptionGroups groups;
  groups.output.nameJustification = 2;
  PageControlValues output(OptionsPage::Output);
  loadPage(OptionsPage::Output, groups, output);
  EXPECT_TRUE(output.isChecked(OutputControl::JustifyRight));
  output.setChecked(OutputControl::JustifyLeft, true);  // two selected
  ASSERT_TRUE(storePage(OptionsPage::Output, output, groups).ok);
  EXPECT_EQ(groups.output.nameJustification, 0);
  groups.output.nameJustification = 1;
  for (OutputControl id :
       {OutputControl::JustifyLeft, OutputControl::JustifyCentre, OutputControl::JustifyRight}) {
    output.setChecked(id, false);
  }
  ASSERT_TRUE(storePage(OptionsPage::Output, output, groups).ok);
  EXPECT_EQ(groups.output.nameJustification, 0);

  PageControlValues general(OptionsPage::General);
  loadPage(OptionsPage::General, groups, general);
  general.click(GeneralControl::Terse);
  ASSERT_TRUE(storePage(OptionsPage::General, general, groups).ok);
  EXPECT_FALSE(groups.general.verboseDialogues);
  general.setChecked(GeneralControl::Terse, false);  // none selected: the first button, Verbose
  ASSERT_TRUE(storePage(OptionsPage::General, general, groups).ok);
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
  groups.output.gapCharacter = ' ';
  groups.html.styleMode = 1;
  groups.parse.restrictResidues = 1;
  groups.figure.ruler = true;
  groups.columnMarks.frames = "30-52";
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
