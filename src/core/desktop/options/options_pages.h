#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "desktop/frame/command_ids.h"
#include "desktop/options/field_validation.h"
#include "settings/options.h"

namespace hueset {

// The options sheet: tabbed pages, one per option group, each in a
// verbose layout (with explanations) or a terse one. Everything the pages
// decide lives here: which controls and texts a layout holds, the limits and
// names of its number fields, how option groups are loaded into the
// controls and stored back, which page opens first. The widgets only show this.

// The five pages of the option groups, a sixth for the figure options
// (residue numbers, the ruler, PDF, SVG and PNG), which are not among them,
// and a seventh for the rows a figure carries beside the alignment.
enum class OptionsPage : int { Annotate = 0, Parsing, Output, Html, General, Figure, FigureRows };
inline constexpr int kOptionsPageCount = 7;
// No page remembered yet: the sheet opens on the first one.
inline constexpr int kNoOptionsPage = -1;

inline constexpr std::string_view kOptionsSheetCaption = "Options";

struct OptionsPageInfo {
  std::string_view className;  // the page's class name
  std::string_view caption;    // tab caption
  int verboseLayout;
  int terseLayout;
};

const OptionsPageInfo& optionsPageInfo(OptionsPage page);
OptionsPage optionsPageAt(int index);  // index 0..6, in tab order
int optionsPageIndex(OptionsPage page);
int optionsPageLayout(OptionsPage page, bool verbose);

// The controls of each page, by their dialog control ids (several ids occur
// on more than one page).
enum class AnnotateControl : int {
  ConsensusThreshold = 1000,
  ConsensusThresholdSpin = 1027,
  IncludeBlanks = 1049,
  IgnoreX = 1047,
  UseElision = 1021,
  MinimumElisionLength = 1023,
  MinimumElisionLengthSpin = 1025,
  ElisionThreshold = 1022,
  ElisionThresholdSpin = 1024,
};

enum class ParsingControl : int {
  ConfirmFormats = 1040,
  AnyLetter = 1050,
  StandardResidues = 1044,
  ListedInvalidResidues = 1045,
  InvalidResidues = 1046,
  StrangeGaps = 1052,
  LowerCase = 1042,
  IgnoreCoil = 1041,
  DiscardConfidences = 1053,
  MergePhd = 1039,
};

enum class OutputControl : int {
  JustifyLeft = 1034,
  JustifyCentre = 1036,
  JustifyRight = 1035,
  WrapOutput = 1018,
  WrapLength = 1019,
  WrapLengthSpin = 1020,
  SeparateColumns = 1054,
  ColumnWidth = 1021,
  ColumnWidthSpin = 1022,
  ShowThreshold = 1048,
  EnforceUpper = 1032,
  EnforceGap = 1037,
  GapCharacter = 1038,
  SubstitutedGaps = 1033,
  MultipleSets = 1062,
  DuplicateInSets = 1061,
};

enum class HtmlControl : int {
  EmbeddedStyleSheet = 1066,
  InlineStyles = 1067,
  WebSafeWarning = 1061,
  OfficePalette = 1058,
  WebSafePalette = 1059,
  SampleFont = 1062,
  BrowserFontSize = 1113,
};

enum class GeneralControl : int {
  MruDocuments = 1028,
  MruDocumentsSpin = 1029,
  MruConfigurations = 1030,
  MruConfigurationsSpin = 1031,
  EditorFont = 1043,
  Verbose = 1058,
  Terse = 1059,
  LargeButtons = 1108,
};

enum class FigureControl : int {
  ResidueNumbers = 1120,
  Ruler = 1121,
  RulerInterval = 1122,
  RulerIntervalSpin = 1123,
  PaperContent = 1124,
  PaperA4 = 1125,
  PaperLetter = 1126,
  PaperA3 = 1127,
  Landscape = 1128,
  FitWrapToPage = 1129,
  PngResolution = 1130,
  PngResolutionSpin = 1131,
  TransparentPng = 1132,
  FigureWidth = 1133,
  FigureFontSize = 1134,
  FigureFontSizeSpin = 1135,
  MinimumFontSize = 1136,
  MinimumFontSizeSpin = 1137,
  Legend = 1138,
  Title = 1139,
  TiffCmyk = 1140,
};

enum class FigureRowsControl : int {
  ConservationBar = 1141,
  SequenceLogo = 1142,
  Marks = 1143,
  Frames = 1144,
  Reference = 1145,
  ShadeIdentical = 1146,
  Columns = 1147,
  StructureLetters = 1148,
  StructureCoils = 1149,
  StructureCylinders = 1150,
  StructureLabels = 1151,
  StructureAccessibility = 1152,
  StructureNumbering = 1153,
};

template <typename Control>
concept PageControl = std::is_same_v<Control, AnnotateControl> ||
    std::is_same_v<Control, ParsingControl> || std::is_same_v<Control, OutputControl> ||
    std::is_same_v<Control, HtmlControl> || std::is_same_v<Control, GeneralControl> ||
    std::is_same_v<Control, FigureControl> || std::is_same_v<Control, FigureRowsControl>;

// A control of any page as the machinery that serves every page alike (the
// layouts, the number fields, loading and storing) keeps it: its control id.
// A page's enum turns into it; 0 stands for no control (static texts).
class ControlId {
 public:
  constexpr ControlId() = default;
  template <PageControl Control>
  constexpr ControlId(Control control) : m_value(static_cast<int>(control)) {}

  constexpr int value() const { return m_value; }
  constexpr bool isNone() const { return m_value == 0; }
  // The comparison is defaulted; the check takes its 0 for a pointer.
  auto operator<=>(const ControlId&) const = default;  // NOLINT(modernize-use-nullptr)

 private:
  int m_value = 0;
};

// The text a layout shows for an item (see strings_settings.inc for the
// numbering); a terse layout falls back on its verbose layout's text.
std::string_view optionsPageText(OptionsPage page, bool verbose, int item);

// What a page shows, top to bottom.
enum class PageItemKind {
  Label,        // a short text in a row; its accelerator goes to the next control
  Explanation,  // a paragraph of the verbose layouts, wrapped to the page
  CheckBox,
  RadioButton,
  IntegerField,
  PercentField,  // a scaled number field in the "%" unit (tenths of a percent stored)
  LetterSetField,
  CharacterEdit,  // one character
  TextField,      // a line of free text; its text is the hint shown while it is empty
  PushButton,
};

struct PageItem {
  PageItemKind kind = PageItemKind::Label;
  ControlId id;           // none for static texts
  std::string_view text;  // empty for edits
  ControlId spinId;       // the up-down buttons of a number field, or none

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
  const PageItem* find(ControlId id) const;
};

PageLayout buildPageLayout(OptionsPage page, bool verbose);

// A number field of a page: its name in the messages and its limits, in the
// units it shows (percent for percentage fields).
struct NumberFieldSpec {
  ControlId id;
  ControlId spinId;
  FieldKind kind = FieldKind::Integer;  // ScaledNumber: a percentage field
  std::string_view name;
  FieldBound lower;
  FieldBound upper;
};

std::vector<NumberFieldSpec> numberFieldSpecs(OptionsPage page);
std::optional<NumberFieldSpec> findNumberField(OptionsPage page, ControlId id);
// What a text field of a page says when it refuses its text: its name and
// what is wrong with the text.
FieldMessage textFieldMessage(OptionsPage page, ControlId id, std::string_view problem);
// A field model set up as the page sets up its field.
NumberFieldModel makeFieldModel(const NumberFieldSpec& spec);

// The mode of a page's letter-set field: upper-case letters for the invalid
// residues, anything but letters for the substituted gap symbols.
int letterSetMode(ControlId id);

// A radio group: its buttons in the order shown, each with the value it
// stands for. A group read with no button, or more than one, selected gives 0.
struct RadioChoice {
  ControlId id;
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
  FigureLayoutOptions figureLayout;  // on the figure page too
  ColumnMarkOptions columnMarks;

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

// A page's controls as loading and storing see them (the widgets, or a plain
// stand-in for tests).
class PageControls {
 public:
  virtual ~PageControls() = default;
  virtual void setChecked(ControlId id, bool checked) = 0;
  virtual bool isChecked(ControlId id) const = 0;
  // Number fields: the stored value in, and out with the field's checks.
  // None when the field refuses its text; it has then shown its message and
  // taken the focus.
  virtual void setNumber(ControlId id, int storedValue) = 0;
  virtual std::optional<int> number(ControlId id) = 0;
  // Letter-set fields and the one-character edit.
  virtual void setText(ControlId id, const std::string& text) = 0;
  virtual std::string text(ControlId id) const = 0;
  // A text field whose text cannot be read: shows `message` and takes the
  // focus there.
  virtual void refuseText(ControlId id, const FieldMessage& message) = 0;
};

// Shows the groups' values in the controls of `page`.
void loadPage(OptionsPage page, const OptionGroups& groups, PageControls& controls);

struct PageStoreOutcome {
  bool ok = true;
  ControlId refusedControl;  // the first field that refused its text

  bool operator==(const PageStoreOutcome&) const = default;
};

// Reads the controls of `page` into `groups`, in the order of the page's
// controls. At the first field that refuses its text the reading stops and
// `groups` stays as it was. Done when the user leaves the page and, for the
// active page, at OK.
PageStoreOutcome storePage(OptionsPage page, PageControls& controls, OptionGroups& groups);

// The one-character edit: the character as text (a zero byte shows as an
// empty edit), and back: the first character, or a blank when it is empty.
std::string gapCharacterText(char character);
char gapCharacterFrom(std::string_view text);

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

  void setChecked(ControlId id, bool checked) override { m_checked[id] = checked; }
  bool isChecked(ControlId id) const override;
  void setNumber(ControlId id, int storedValue) override;
  std::optional<int> number(ControlId id) override;
  void setText(ControlId id, const std::string& text) override { m_texts[id] = text; }
  std::string text(ControlId id) const override;
  void refuseText(ControlId id, const FieldMessage& message) override;

  // What the user types into a field (replaces its text).
  void type(ControlId id, const std::string& text) { m_texts[id] = text; }
  // Selects one radio button alone, as a click does.
  void click(ControlId radio);

  // The last message a field showed, and the control that took the focus.
  const std::optional<FieldMessage>& lastMessage() const { return m_lastMessage; }
  ControlId focus() const { return m_focus; }

 private:
  OptionsPage m_page;
  std::map<ControlId, bool> m_checked;
  std::map<ControlId, std::string> m_texts;
  std::map<ControlId, NumberFieldModel> m_fields;
  std::optional<FieldMessage> m_lastMessage;
  ControlId m_focus;
};

}  // namespace hueset
