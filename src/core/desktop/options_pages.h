#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/field_validation.h"
#include "settings/options.h"

namespace hueset {

// The options sheet: five tabbed pages, one per option group, each in a
// verbose layout (with explanations) or a terse one. Everything the pages
// decide lives here: which controls and texts a layout holds, the limits and
// names of its number fields, how control values and option groups are
// exchanged, and which page opens first. The widgets only show this.

// The five pages of the option groups, and a sixth for the figure options
// (residue numbers, the ruler, PDF, SVG and PNG), which are not among them.
enum class OptionsPage : int { Annotate = 0, Parsing, Output, Html, General, Figure };
inline constexpr int kOptionsPageCount = 6;
// No page remembered yet: the sheet opens on the first one.
inline constexpr int kNoOptionsPage = -1;

inline constexpr int kOptionsCommandId = 32778;
inline constexpr std::string_view kOptionsSheetCaption = "Options";
// The sheet's buttons; the Cancel button may be pressed while a field is wrong.
inline constexpr int kOkControlId = 1;
inline constexpr int kCancelControlId = 2;

struct OptionsPageInfo {
  std::string_view className;  // the page's class name
  std::string_view caption;    // tab caption
  int verboseLayout;
  int terseLayout;
};

const OptionsPageInfo& optionsPageInfo(OptionsPage page);
OptionsPage optionsPageAt(int index);  // index 0..4, in tab order
int optionsPageIndex(OptionsPage page);
int optionsPageLayout(OptionsPage page, bool verbose);

// Control ids of the pages (several ids occur on more than one page).
namespace optionctl {
// Sequence Annotation
inline constexpr int kConsensusThreshold = 1000;
inline constexpr int kConsensusThresholdSpin = 1027;
inline constexpr int kIncludeBlanks = 1049;
inline constexpr int kIgnoreX = 1047;
inline constexpr int kUseElision = 1021;
inline constexpr int kMinimumElisionLength = 1023;
inline constexpr int kMinimumElisionLengthSpin = 1025;
inline constexpr int kElisionThreshold = 1022;
inline constexpr int kElisionThresholdSpin = 1024;
// Data Parsing
inline constexpr int kConfirmFormats = 1040;
inline constexpr int kAnyLetter = 1050;
inline constexpr int kStandardResidues = 1044;
inline constexpr int kListedInvalidResidues = 1045;
inline constexpr int kInvalidResidues = 1046;
inline constexpr int kStrangeLinkers = 1052;
inline constexpr int kLowerCase = 1042;
inline constexpr int kIgnoreCoil = 1041;
inline constexpr int kDiscardConfidences = 1053;
inline constexpr int kMergePhd = 1039;
// Formatted Output
inline constexpr int kJustifyLeft = 1034;
inline constexpr int kJustifyCentre = 1036;
inline constexpr int kJustifyRight = 1035;
inline constexpr int kWrapOutput = 1018;
inline constexpr int kWrapLength = 1019;
inline constexpr int kWrapLengthSpin = 1020;
inline constexpr int kSeparateColumns = 1054;
inline constexpr int kColumnWidth = 1021;
inline constexpr int kColumnWidthSpin = 1022;
inline constexpr int kShowThreshold = 1048;
inline constexpr int kEnforceUpper = 1032;
inline constexpr int kEnforceLinker = 1037;
inline constexpr int kLinkerCharacter = 1038;
inline constexpr int kSubstitutedLinkers = 1033;
inline constexpr int kMultipleSets = 1062;
inline constexpr int kDuplicateInSets = 1061;
// HTML
inline constexpr int kEmbeddedStyleSheet = 1066;
inline constexpr int kInlineStyles = 1067;
inline constexpr int kWebSafeWarning = 1061;
inline constexpr int kOfficePalette = 1058;
inline constexpr int kWebSafePalette = 1059;
inline constexpr int kSampleFont = 1062;
inline constexpr int kBrowserFontSize = 1113;
// General
inline constexpr int kMruDocuments = 1028;
inline constexpr int kMruDocumentsSpin = 1029;
inline constexpr int kMruConfigurations = 1030;
inline constexpr int kMruConfigurationsSpin = 1031;
inline constexpr int kEditorFont = 1043;
inline constexpr int kVerbose = 1058;
inline constexpr int kTerse = 1059;
inline constexpr int kLargeButtons = 1108;
// Figures
inline constexpr int kResidueNumbers = 1120;
inline constexpr int kRuler = 1121;
inline constexpr int kRulerInterval = 1122;
inline constexpr int kRulerIntervalSpin = 1123;
inline constexpr int kPaperContent = 1124;
inline constexpr int kPaperA4 = 1125;
inline constexpr int kPaperLetter = 1126;
inline constexpr int kPaperA3 = 1127;
inline constexpr int kLandscape = 1128;
inline constexpr int kFitWrapToPage = 1129;
inline constexpr int kPngResolution = 1130;
inline constexpr int kPngResolutionSpin = 1131;
inline constexpr int kTransparentPng = 1132;
}  // namespace optionctl

// The text a layout shows for an item (see strings_settings.inc for the
// numbering); a terse layout falls back on its verbose layout's text.
std::string_view optionsPageText(OptionsPage page, bool verbose, int item);

// What a page shows, top to bottom.
enum class PageItemKind {
  Label,           // a short text in a row; its accelerator goes to the next control
  Explanation,     // a paragraph of the verbose layouts, wrapped to the page
  CheckBox,
  RadioButton,
  IntegerField,
  PercentField,    // a scaled number field in the "%" unit (tenths of a percent stored)
  LetterSetField,
  CharacterEdit,   // one character
  PushButton,
};

struct PageItem {
  PageItemKind kind = PageItemKind::Label;
  int id = 0;                // control id; 0 for static texts
  std::string_view text;     // empty for edits
  int spinId = 0;            // the up-down buttons of a number field, or 0

  bool operator==(const PageItem&) const = default;
};

// Items side by side; `indent` steps mark controls that depend on the one above.
struct PageRow {
  std::vector<PageItem> items;
  int indent = 0;

  bool operator==(const PageRow&) const = default;
};

// A framed group of rows; an empty title stands for rows without a frame.
struct PageGroup {
  std::string_view title;
  std::vector<PageRow> rows;

  bool operator==(const PageGroup&) const = default;
};

struct PageLayout {
  OptionsPage page = OptionsPage::Annotate;
  int number = 0;  // the layout's number
  bool verbose = true;
  std::vector<PageGroup> groups;

  // Every item with a control id, in the order shown.
  std::vector<PageItem> controls() const;
  const PageItem* find(int id) const;
};

PageLayout buildPageLayout(OptionsPage page, bool verbose);

// A number field of a page: its name in the messages and its limits, in the
// units it shows (percent for percentage fields).
struct NumberFieldSpec {
  int id = 0;
  int spinId = 0;
  FieldKind kind = FieldKind::Integer;  // ScaledNumber: a percentage field
  std::string_view name;
  FieldBound lower;
  FieldBound upper;
};

std::vector<NumberFieldSpec> numberFieldSpecs(OptionsPage page);
std::optional<NumberFieldSpec> findNumberField(OptionsPage page, int id);
// A field model set up as the page sets up its field.
NumberFieldModel makeFieldModel(const NumberFieldSpec& spec);

// The mode of a page's letter-set field: upper-case letters for the invalid
// residues, anything but letters for the substituted gap symbols.
int letterSetMode(int id);

// A radio group: its buttons in the order shown, each with the value it
// stands for. A group read with no button, or more than one, selected gives 0.
struct RadioChoice {
  int id;
  int value;
};
struct RadioGroupSpec {
  std::vector<RadioChoice> choices;
};
std::vector<RadioGroupSpec> radioGroupSpecs(OptionsPage page);

// What constructing a page registers with the fields' shared environment:
// the "%" unit (Sequence Annotation) or the "Percentage" unit (General), and
// the Cancel button among the exempt controls (both).
void registerPageEnvironment(OptionsPage page, FieldEnvironment& environment);

// The copies of the option groups that the pages edit; only OK copies them back.
struct OptionGroups {
  HtmlOptions html;
  AnnotationOptions annotation;
  ParseOptions parse;
  OutputOptions output;
  GeneralOptions general;
  FigureOptions figure;

  static OptionGroups copyOf(const Options& options);
  bool operator==(const OptionGroups&) const = default;
};

// What OK changed that the main window shows at once.
struct AppliedOptions {
  bool toolbarSizeChanged = false;  // reload the toolbar with the other buttons
  bool annotationChanged = false;   // the idle status text shows the thresholds
};

// Copies every group back into `options`.
AppliedOptions applyOptionGroups(const OptionGroups& groups, Options& options);

// A page's controls as the data exchange sees them (the widgets, or a plain
// stand-in for tests).
class PageControls {
 public:
  virtual ~PageControls() = default;
  virtual void setChecked(int id, bool checked) = 0;
  virtual bool isChecked(int id) const = 0;
  // Number fields: the stored value in, and out with the field's checks.
  // None when the field refuses its text; it has then shown its message and
  // taken the focus.
  virtual void setNumber(int id, int storedValue) = 0;
  virtual std::optional<int> number(int id) = 0;
  // Letter-set fields and the one-character edit.
  virtual void setText(int id, const std::string& text) = 0;
  virtual std::string text(int id) const = 0;
};

// Shows the groups' values in the controls of `page`.
void exchangeIn(OptionsPage page, const OptionGroups& groups, PageControls& controls);

struct ExchangeOutcome {
  bool ok = true;
  int refusedControl = 0;  // the first field that refused its text

  bool operator==(const ExchangeOutcome&) const = default;
};

// Reads the controls of `page` into `groups`, in the order of the page's
// controls. At the first field that refuses its text the reading stops and
// `groups` stays as it was. Done when the user leaves the page and, for the
// active page, at OK.
ExchangeOutcome exchangeOut(OptionsPage page, PageControls& controls, OptionGroups& groups);

// The one-character edit: the character as text (a zero byte shows as an
// empty edit), and back: the first character, or a blank when it is empty.
std::string linkerCharacterText(char character);
char linkerCharacterFrom(std::string_view text);

// The page the sheet opens on, remembered for the run (not stored).
class OptionsPageMemory {
 public:
  int remembered() const { return m_page; }
  // The remembered page, else the first one.
  int pageToOpen() const { return m_page == kNoOptionsPage ? 0 : m_page; }
  // OK remembers the page that was active; Cancel changes nothing.
  void sheetClosed(bool accepted, int activePage);

 private:
  int m_page = kNoOptionsPage;
};

// A page's controls without any window: the values are kept in maps and
// number fields are checked by field models set up like the page's own.
class PageControlValues final : public PageControls {
 public:
  explicit PageControlValues(OptionsPage page);

  void setChecked(int id, bool checked) override { m_checked[id] = checked; }
  bool isChecked(int id) const override;
  void setNumber(int id, int storedValue) override;
  std::optional<int> number(int id) override;
  void setText(int id, const std::string& text) override { m_texts[id] = text; }
  std::string text(int id) const override;

  // What the user types into a field (replaces its text).
  void type(int id, const std::string& text) { m_texts[id] = text; }
  // Selects one radio button alone, as a click does.
  void click(int radioId);

  // The last message a field showed, and the control that took the focus.
  const std::optional<FieldMessage>& lastMessage() const { return m_lastMessage; }
  int focus() const { return m_focus; }

 private:
  OptionsPage m_page;
  std::map<int, bool> m_checked;
  std::map<int, std::string> m_texts;
  std::map<int, NumberFieldModel> m_fields;
  std::optional<FieldMessage> m_lastMessage;
  int m_focus = 0;
};

}  // namespace hueset
