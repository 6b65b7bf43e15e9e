#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/recent_file_list.h"
#include "settings/standard_folders.h"
#include "util/file_write.h"

namespace hueset {

class ProfileStore;

// Sections of the profile store.
inline constexpr std::string_view kHtmlSection = "HTML Settings";
inline constexpr std::string_view kAnnotationSection = "Annotation Settings";
inline constexpr std::string_view kParseSection = "Parse Settings";
inline constexpr std::string_view kOutputSection = "Output Settings";
inline constexpr std::string_view kGeneralSection = "General Settings";
inline constexpr std::string_view kFigureSection = "Figure";
inline constexpr std::string_view kRecentFileSection = "Recent File List";
inline constexpr std::string_view kRecentConfigurationSection = "Recent Configuration Files";
inline constexpr std::string_view kInputSection = "Input";
inline constexpr std::string_view kFigureLayoutSection = "Figure Layout";
inline constexpr std::string_view kColumnMarkSection = "Figure Rows";

// The residues outside the standard 20 amino acids.
inline constexpr std::string_view kNonStandardResidues = "BJOUZ";

// The five option groups. Their keys, defaults and stored ranges are
// described once, in the option table (settings/option_table.h): a group
// starts at its defaults, reads its keys clamping stored values that are out
// of range (never rejecting them), and writes every key back.

// Reading and writing a group's keys, the same for every group.
template <typename Group>
struct OptionGroup {
  void load(const ProfileStore& profile);
  void save(ProfileStore& profile) const;
  bool operator==(const OptionGroup&) const = default;
};

struct HtmlOptions : OptionGroup<HtmlOptions> {
  bool useSampleFont;
  bool useBrowserFontSize;
  bool checkWebSafe;
  int styleMode;      // 1 builds an embedded style sheet, 0 in-line styles
  int colourPalette;  // 0 the 40-colour palette, 1 the 216 web-safe colours

  HtmlOptions();
  bool operator==(const HtmlOptions&) const = default;
};

struct AnnotationOptions : OptionGroup<AnnotationOptions> {
  bool xIsUnknown;
  bool includeBlanks;
  bool useElision;
  int consensusThreshold;    // tenths of a percent
  int minimumElisionLength;  // columns
  int elisionThreshold;      // tenths of a percent

  AnnotationOptions();
  bool operator==(const AnnotationOptions&) const = default;
};

struct ParseOptions : OptionGroup<ParseOptions> {
  bool confirmFormats;
  bool mergePhdPredictions;
  bool ignoreConfidences;
  bool dscIgnoreCoil;
  bool allowLowerCase;
  bool allowStrangeGaps;
  int restrictResidues;  // 0 any letter, 1 the standard 20, 2 `invalidResidues`
  std::string invalidResidues;

  ParseOptions();
  bool operator==(const ParseOptions&) const = default;
};

struct OutputOptions : OptionGroup<OutputOptions> {
  int columnWidth;
  int wrapLength;  // 0 is no limit
  std::string substitutedGaps;
  bool wrapOutput;
  bool showThreshold;
  bool enforceUpper;
  bool enforceGap;
  bool separateColumns;
  bool duplicateInSets;
  bool multipleSets;
  char gapCharacter;      // any byte
  int nameJustification;  // 0 left, 1 centre, 2 right

  OutputOptions();
  bool operator==(const OutputOptions&) const = default;
};

struct GeneralOptions : OptionGroup<GeneralOptions> {
  int mruDocuments;       // takes effect at the next start
  int mruConfigurations;  // takes effect at the next start
  bool largeToolbarButtons;
  bool verboseDialogues;

  GeneralOptions();
  bool operator==(const GeneralOptions&) const = default;
};

// Reader options of the formats read beyond the first six ("Input"). The
// section is kept in the profile only while a value differs from its
// default, so a profile that never used them stays as it was.
struct InputOptions : OptionGroup<InputOptions> {
  bool matchStatesOnly;  // A2M/A3M: drop the insert columns
  // How large a gzip-compressed document may inflate, in MiB: a small file
  // that inflates without end is refused before it fills the memory.
  int maxInflatedMegabytes;
  bool fastaNameFirstWord;  // FASTA: a name is its header's first word

  InputOptions();
  // Writes nothing while every value is at its default.
  void save(ProfileStore& profile) const;
  bool operator==(const InputOptions&) const = default;
};

// Residue numbers, the ruler and the figure writers (PDF, SVG, PNG). Every
// setting is off by default, so Rich Text and HTML stay as they always were.
struct FigureOptions : OptionGroup<FigureOptions> {
  bool residueNumbers;  // each line's first and last residue number
  bool ruler;           // a ruler above every block
  int rulerInterval;    // columns between the ruler's numbers
  int paperSize;        // FigurePaper: 0 the content's own size, else a paper size
  bool landscape;
  bool fitWrapToPage;          // with wrapping on, the wrap length that fills the paper's width
  int pngResolution;           // dots per inch
  bool transparentBackground;  // PNG and TIFF: leave the ground unpainted
  bool keepBlocksTogether;     // Rich Text: no page break inside a block

  FigureOptions();
  bool operator==(const FigureOptions&) const = default;
};

// A figure's width and type size for a journal, its legend and title, and
// the TIFF's colour model ("Figure Layout"). None of them touches Rich Text
// or HTML. Like "Input", the section is kept in the profile only while a
// value differs from its default.
struct FigureLayoutOptions : OptionGroup<FigureLayoutOptions> {
  // "85mm", "3.5in", "single" (85 mm), "double" (180 mm)...; empty: as wide
  // as the content. See figureWidthPoints.
  std::string width;
  int fontSize;         // points; 0 is the groupings' font size
  int minimumFontSize;  // points: how far a set width may shrink the type
  bool legend;          // the groupings' swatches and the threshold under the figure
  std::string title;    // above the figure; empty: none
  bool tiffCmyk;        // a TIFF in CMYK rather than RGB
  // Secondary-structure rows: 0 as letters, 1 as shapes with helices as
  // coils, 2 with helices as cylinders.
  int structureShapes;
  bool structureLabels;         // the shapes' helices and strands numbered
  bool structureAccessibility;  // an attached structure's accessibility as a bar row
  // The residue numbers of a sequence with a structure attached (and the
  // ruler, when it is the reference) are the structure's author numbers.
  bool structureNumbering;

  FigureLayoutOptions();
  // Writes nothing while every value is at its default.
  void save(ProfileStore& profile) const;
  bool operator==(const FigureLayoutOptions&) const = default;
};

// The rows beside the alignment that a published figure carries: the
// conservation bar, marks over columns and frames around them. All off by
// default; the section is kept in the profile only while a value differs
// from its default.
struct ColumnMarkOptions : OptionGroup<ColumnMarkOptions> {
  bool conservationBar;  // a bar per column (digits in Rich Text and HTML)
  bool sequenceLogo;     // a logo per column, in figures only
  std::string marks;     // "45,67,120-122:star; 30:K" (see parseColumnMarks)
  std::string frames;    // "30-52,60-64" (see parseColumnRanges)
  // A sequence's name (or its number from 1): the ruler, marks and frames
  // then count its residues. Empty: the alignment's columns.
  std::string reference;
  // Residues identical to the reference's in their column shaded, before
  // the groupings colour the rest.
  bool shadeIdentical;
  // "30-120,200-260": only these columns are shown (in the reference's
  // numbering when it has one); empty: all.
  std::string columns;

  ColumnMarkOptions();
  // Writes nothing while every value is at its default.
  void save(ProfileStore& profile) const;
  bool operator==(const ColumnMarkOptions&) const = default;
};

// Mark and frame texts as stored: on one line, without blanks; whether
// they read as columns is told where they are used.
std::string cleanColumnMarks(std::string_view text);
std::string cleanColumnRanges(std::string_view text);

// Journal column widths.
inline constexpr double kSingleColumnMillimetres = 85;
inline constexpr double kDoubleColumnMillimetres = 180;

// A figure width as text in points: a number with mm, cm, in or pt ("85mm",
// "8.5 cm"; a bare number is millimetres), "single" or "double". 0 for an
// empty text or a width of 0; none for anything else, or more than a PDF
// page can be.
std::optional<double> figureWidthPoints(std::string_view text);
// The width text as stored: lower case without blanks, empty when
// figureWidthPoints does not take it.
std::string cleanFigureWidth(std::string_view text);
// A title keeps its printable characters on one line.
std::string cleanFigureTitle(std::string_view text);

// The paper sizes of FigureOptions::paperSize.
enum class FigurePaper : int { Content = 0, A4 = 1, Letter = 2, A3 = 3 };

// Folders remembered from one run to the next ("General Settings").
struct RememberedPaths {
  std::string lastDocumentDirectory;   // the current directory at the last exit
  std::string lastConfigDirectory;     // where the configuration file dialogs open
  std::string lastAnnotateDirectory;   // where the annotation file dialog opens
  std::string lastConfigurationFile;   // the configuration reloaded at start-up; may be empty
  std::string lastStructureDirectory;  // where Add Structure's file dialog opens; empty: none yet

  bool operator==(const RememberedPaths&) const = default;
};

// Every user option, with the remembered folders and the two recent-file
// lists. A list exists only when its count was non-zero at start-up.
struct Options {
  HtmlOptions html;
  AnnotationOptions annotation;
  ParseOptions parse;
  OutputOptions output;
  GeneralOptions general;
  InputOptions input;
  FigureOptions figure;
  FigureLayoutOptions figureLayout;
  ColumnMarkOptions columnMarks;
  RememberedPaths paths;
  std::optional<RecentFileList> recentDocuments =
      RecentFileList(std::string(kRecentFileSection), 9);
  std::optional<RecentFileList> recentConfigurations =
      RecentFileList(std::string(kRecentConfigurationSection), 9);

  // Start-up: the five groups, then the remembered folders and the recent
  // lists. Never fails; whatever is missing or unreadable takes its default.
  // The caller makes `paths.lastDocumentDirectory` the current directory
  // (see enterDocumentDirectory).
  void load(const ProfileStore& profile, const PathDefaults& defaults);
  void load(const ProfileStore& profile) { load(profile, systemPathDefaults()); }

  // Exit: the recent configuration list, the groups (HTML, Output, Parse,
  // General, Annotation), `currentDirectory` as the last document folder
  // (kept as it was when empty), the remembered folders and the recent
  // document list; the store is then flushed and the options file written
  // into `currentDirectory` (silently skipped when that fails or the folder
  // is unknown). Returns the
  // result of flushing the store.
  WriteResult save(ProfileStore& profile, const std::string& currentDirectory);
  // The same with the process's current directory.
  WriteResult save(ProfileStore& profile);

  // Makes the last document folder the process's current directory; false
  // when it no longer exists.
  bool enterDocumentDirectory() const;
};

// The residue letters the parse options declare invalid: none for
// `restrictResidues` 0, "BJOUZ" for 1, the user's list for 2.
std::string invalidResidueList(const ParseOptions& parse);

// The user's invalid-residue list as stored text is cleaned on loading:
// letters are upper-cased, anything else is dropped, and a run of one letter
// is reduced to one.
std::string cleanInvalidResidues(std::string_view text);
// The same for the substituted gap symbols, which keep only ASCII
// punctuation characters.
std::string cleanSubstitutedGaps(std::string_view text);

}  // namespace hueset
