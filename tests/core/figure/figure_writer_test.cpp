#include "figure/figure_writer.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>

#include "annotate/layout.h"
#include "figure/figure_painter.h"
#include "figure/output_kinds.h"
#include "groupings/builtin_defaults.h"
#include "input/format_guess.h"
#include "input/read_alignment.h"
#include "pipeline/annotation_driver.h"
#include "support/accepting_interaction.h"
#include "support/scripted_sink.h"
#include "support/test_files.h"

namespace hueset {
namespace {

namespace fs = std::filesystem;

struct CommandResult {
  int status = -1;
  std::string output;
};

// Runs a shell command and takes its standard output. A missing tool fails
// the test through its exit status: these checks are never skipped.
CommandResult run(const std::string& command) {
  CommandResult result;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
  if (!pipe) return result;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
    result.output.append(buffer.data(), n);
  const int status = pclose(pipe.release());
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string exampleText(const std::string& name) {
  return test::readFile(std::string(HUESET_SOURCE_DIR) + "/examples/" + name);
}

std::vector<std::string> sequenceNames(const std::string& text) {
  test::ScriptedSink sink;
  Alignment alignment;
  readAlignment(text, guessFormat(text), sink, alignment, ReadSettings{});
  return alignment.names;
}

// The whole pipeline into a figure of `kind`; the file's bytes.
std::string annotated(const std::string& text, OutputKind kind, const Options& options) {
  const GroupingSet groupings = builtinDefault(BuiltinDefault::Colour);
  auto writer = makeWriter(kind, options, groupings);
  test::AcceptingInteraction interaction;
  RememberedSets remembered;
  EXPECT_TRUE(annotate(text, options, groupings, *writer, interaction, remembered));
  EXPECT_EQ(writer->problem(), "");
  return writer->fileText();
}

Options numberedOptions() {
  Options options;
  options.figure.residueNumbers = true;
  options.figure.ruler = true;
  return options;
}

class FigureFiles : public ::testing::Test {
 protected:
  void SetUp() override { m_dir = test::makeTempDir("figures"); }
  void TearDown() override { fs::remove_all(m_dir); }
  std::string save(const std::string& name, const std::string& bytes) {
    const std::string path = (fs::path(m_dir) / name).string();
    test::writeFile(path, bytes);
    return path;
  }
  std::string m_dir;
};

TEST_F(FigureFiles, ExampleAlignmentsPassTheToolsAJournalUses) {
  // A gap-rich family with Pfam suffixes, a large colourful one, and one
  // with a prediction row.
  for (const char* example : {"fn3.aln", "globins45.aln", "globins4-dsc.msf"}) {
    SCOPED_TRACE(example);
    const std::string text = exampleText(example);
    ASSERT_FALSE(text.empty());
    const std::string pdf = save("figure.pdf", annotated(text, OutputKind::Pdf, numberedOptions()));
    const std::string svg = save("figure.svg", annotated(text, OutputKind::Svg, numberedOptions()));

    const CommandResult check = run("qpdf --check " + pdf);
    EXPECT_EQ(check.status, 0) << check.output;
    const CommandResult words = run("pdftotext " + pdf + " -");
    ASSERT_EQ(words.status, 0) << words.output;
    for (const std::string& name : sequenceNames(text)) {
      EXPECT_NE(words.output.find(name), std::string::npos) << "pdftotext lost " << name;
    }
    // Every font listed (after the two heading lines) is embedded.
    const CommandResult fonts = run("pdffonts " + pdf);
    ASSERT_EQ(fonts.status, 0) << fonts.output;
    std::istringstream lines(fonts.output);
    std::string line;
    int listed = 0;
    for (int n = 0; std::getline(lines, line); ++n) {
      if (n < 2) continue;
      ++listed;
      EXPECT_NE(line.find(" yes "), std::string::npos) << "not embedded: " << line;
    }
    EXPECT_GT(listed, 0);
    // The EPS reads in Ghostscript, and its bounding box is the PDF's page.
    const std::string eps = save("figure.eps", annotated(text, OutputKind::Eps, numberedOptions()));
    const CommandResult ghost = run("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=nullpage " + eps);
    EXPECT_EQ(ghost.status, 0) << ghost.output;
    const CommandResult info = run("pdfinfo " + pdf);
    double pdfWidth = 0;
    double pdfHeight = 0;
    const std::size_t size = info.output.find("Page size:");
    ASSERT_NE(size, std::string::npos) << info.output;
    std::sscanf(info.output.c_str() + size, "Page size: %lf x %lf", &pdfWidth, &pdfHeight);
    const std::string epsText = test::readFile(eps);
    EXPECT_EQ(epsText.rfind("%!PS-Adobe-3.0 EPSF-3.0", 0), 0u);
    EXPECT_NE(epsText.find("%%BoundingBox: 0 0 " + std::to_string(int(std::ceil(pdfWidth))) + " " +
                           std::to_string(int(std::ceil(pdfHeight)))),
              std::string::npos)
        << pdfWidth << " x " << pdfHeight;
    // The TIFF carries its resolution and is LZW-compressed, as publishers ask.
    const std::string tif =
        save("figure.tif", annotated(text, OutputKind::Tiff, numberedOptions()));
    const CommandResult tags = run("tiffinfo " + tif);
    EXPECT_EQ(tags.status, 0) << tags.output;
    EXPECT_NE(tags.output.find("Resolution: 300, 300 pixels/inch"), std::string::npos)
        << tags.output;
    EXPECT_NE(tags.output.find("LZW"), std::string::npos) << tags.output;
    const CommandResult xml = run("xmllint --noout " + svg);
    EXPECT_EQ(xml.status, 0) << xml.output;
    // Text stays text in the SVG too: every name starts a <tspan>.
    const std::string svgText = test::readFile(svg);
    for (const std::string& name : sequenceNames(text)) {
      EXPECT_NE(svgText.find(">" + name), std::string::npos) << "no <text> for " << name;
    }
  }
}

struct SvgGoldenCase {
  const char* what;
  const char* example;
  BuiltinDefault groupings;
  bool numbered;
  const char* golden;
};

// The SVG is written line by line through temporary files; what comes out,
// kept whole or streamed to a file, is the document made of the whole page.
TEST(FigureSvg, StreamedLinesGiveTheWholePagesDocument) {
  const SvgGoldenCase cases[] = {
      {"vertical bands joined down a block, numbers and a ruler", "globins4.msf",
       BuiltinDefault::Colour, true, "globins4_numbered.svg"},
      {"bold and italic styles, a prediction row", "globins4-dsc.msf",
       BuiltinDefault::BlackAndWhite, false, "globins4_dsc_black_and_white.svg"},
  };
  for (const SvgGoldenCase& c : cases) {
    const std::string golden = test::readFile(test::testDataPath("output/") + c.golden);
    ASSERT_FALSE(golden.empty()) << c.golden;
    const std::string text = exampleText(c.example);
    Options options = c.numbered ? numberedOptions() : Options{};
    // The golden figures are the alignment alone, a prediction row in letters.
    options.figureLayout.legend = false;
    options.figureLayout.structureShapes = 0;
    const GroupingSet groupings = builtinDefault(c.groupings);
    for (const bool streamed : {false, true}) {
      auto writer = makeWriter(OutputKind::Svg, options, groupings);
      std::ostringstream sink;
      if (streamed) writer->streamTo(&sink);
      test::AcceptingInteraction interaction;
      RememberedSets remembered;
      ASSERT_TRUE(annotate(text, options, groupings, *writer, interaction, remembered));
      EXPECT_EQ(writer->problem(), "") << c.what;
      writer->drainToStream();
      const std::string svg = streamed ? sink.str() : writer->fileText();
      EXPECT_TRUE(svg == golden) << c.what << (streamed ? " (streamed)" : "");
    }
  }
}

TEST_F(FigureFiles, ThePdfNamesTheFontItEmbedded) {
  const std::string pdf =
      save("figure.pdf", annotated(exampleText("globins4.msf"), OutputKind::Pdf, Options{}));
  const CommandResult info = run("pdfinfo " + pdf);
  // The colour groupings ask for Courier New, which Debian does not have.
  EXPECT_NE(info.output.find("Subject:         Font: Liberation Mono (in place of Courier New)"),
            std::string::npos)
      << info.output;
  EXPECT_NE(run("pdffonts " + pdf).output.find("LiberationMono"), std::string::npos);
}

struct PaperCase {
  const char* what;
  const char* example;
  int paper;
  bool landscape;
  int pages;
  const char* size;  // pdfinfo's words for every page
};

TEST_F(FigureFiles, PdfPagesFollowThePaper) {
  // At the colour groupings' 9 points a line is about 10.2 points high:
  // globins45 is three blocks of 46 lines, fn3 two blocks of 99.
  const PaperCase cases[] = {
      {"without paper, one page as large as the content", "globins45.aln", 0, false, 1, " pts\n"},
      {"a block that fits is never split: one block a page", "globins45.aln", 1, false, 3,
       "595.28 x 841.89 pts (A4)"},
      {"blocks share a page when both fit", "globins45.aln", 3, false, 2,
       "841.89 x 1190.55 pts (A3)"},
      {"a block taller than the page is split, the next starts a new page", "fn3.aln", 1, true, 4,
       "841.89 x 595.28 pts (A4)"},
  };
  for (const PaperCase& c : cases) {
    Options options;
    options.figure.paperSize = c.paper;
    options.figure.landscape = c.landscape;
    // The pages counted are the blocks' alone.
    options.figureLayout.legend = false;
    const std::string pdf =
        save("paper.pdf", annotated(exampleText(c.example), OutputKind::Pdf, options));
    const CommandResult info = run("pdfinfo -f 1 -l 99 " + pdf);
    EXPECT_NE(info.output.find("Pages:           " + std::to_string(c.pages) + "\n"),
              std::string::npos)
        << c.what << "\n"
        << info.output;
    std::istringstream lines(info.output);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("Page ", 0) != 0 || line.find(" size: ") == std::string::npos) continue;
      EXPECT_NE((line + "\n").find(c.size), std::string::npos) << c.what << ": " << line;
    }
  }
}

// fn3's blocks are taller than an A4 page turned: the page each goes on to
// starts with its ruler again, so every page tells its columns.
TEST_F(FigureFiles, ABlockGoingOnToANewPageRepeatsItsRuler) {
  Options options;
  options.figure.paperSize = static_cast<int>(FigurePaper::A4);
  options.figure.landscape = true;
  options.figure.ruler = true;
  options.figureLayout.legend = false;
  const std::string pdf =
      save("ruled.pdf", annotated(exampleText("fn3.aln"), OutputKind::Pdf, options));
  for (int page = 1; page <= 4; ++page) {
    const CommandResult text = run("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                   std::to_string(page) + " " + pdf + " -");
    std::istringstream lines(text.output);
    std::string first;
    while (std::getline(lines, first) && first.find_first_not_of(" \f") == std::string::npos) {
    }
    EXPECT_EQ(first.find_first_not_of(" 0123456789\f"), std::string::npos)
        << "page " << page << " starts with " << first;
    EXPECT_NE(first.find("10"), std::string::npos) << "page " << page;
  }
}

// Three formats unlike "Default" and each other, and residues whose glyphs
// leave the middle of their cell empty, so the centre shows the background.
struct PixelCase {
  const char* what;
  std::size_t line;
  std::size_t residue;
  std::uint32_t argb;
};

TEST(FigurePng, CellCentresShowTheirGroupingsBackground) {
  const std::vector<ResidueFormat> formats = {
      {rgb(0, 0, 0), rgb(255, 255, 255), false, false},
      {rgb(0, 0, 255), rgb(255, 255, 0), false, true},
      {rgb(255, 255, 255), rgb(0, 128, 0), true, false},
      {rgb(0, 0, 0), rgb(200, 0, 200), false, false},
  };
  AnnotatedAlignment annotated;
  Alignment set;
  set.names = {"s1", "s2"};
  set.residues = {"COUCO", "OCUOC"};
  set.length = 5;
  ConsensusRows result;
  result.formats = {std::string("\1\1\2\0\0", 5), std::string("\0\0\0\3\3", 5)};
  annotated.sets = {set};
  annotated.results = {result};

  for (const bool transparent : {false, true}) {
    FigureSettings settings;
    settings.dpi = 150;
    settings.transparentBackground = transparent;
    FigureWriter writer(OutputKind::Png, 100, "Courier New", settings);
    for (const ResidueFormat& f : formats) writer.addFormat(f);
    writer.begin();
    layOut(annotated, 5, 5, writer);
    writer.end();
    ASSERT_EQ(writer.problem(), "");

    std::string png = writer.fileText();
    std::size_t at = 0;
    CairoSurface image(cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* data, unsigned int length) {
          auto* source = static_cast<std::pair<std::string*, std::size_t*>*>(closure);
          if (*source->second + length > source->first->size()) return CAIRO_STATUS_READ_ERROR;
          std::copy_n(source->first->data() + *source->second, length, data);
          *source->second += length;
          return CAIRO_STATUS_SUCCESS;
        },
        std::make_unique<std::pair<std::string*, std::size_t*>>(&png, &at).get()));
    ASSERT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
    const unsigned char* pixels = cairo_image_surface_get_data(image.get());
    const int stride = cairo_image_surface_get_stride(image.get());

    const PixelCase cases[] = {
        {"a residue of the first grouping", 0, 0, 0xFFFFFF00},
        {"the next residue, same grouping", 0, 1, 0xFFFFFF00},
        {"a bold grouping's residue", 0, 2, 0xFF008000},
        {"the second line's grouping", 1, 4, 0xFFC800C8},
        {"a residue in \"Default\": the ground, or nothing when transparent", 1, 0,
         transparent ? 0x00000000u : 0xFFFFFFFFu},
    };
    const FigureMetrics& m = writer.metrics();
    for (const PixelCase& c : cases) {
      // Name, its blank, the block's blank, then the residues.
      const double cell = static_cast<double>(set.names[0].size() + 2 + c.residue);
      const int x = static_cast<int>(writer.margin() + (cell + 0.5) * m.cellWidth);
      const int y =
          static_cast<int>(writer.margin() + (static_cast<double>(c.line) + 0.5) * m.lineHeight);
      std::uint32_t pixel = 0;
      std::memcpy(&pixel, pixels + y * stride + x * 4, 4);
      EXPECT_EQ(pixel, c.argb) << c.what << (transparent ? " (transparent)" : "") << std::hex
                               << " got " << pixel;
    }
  }
}

// `lines` lines of `text` in black on white.
void writeLines(FigureWriter& writer, int lines, std::string_view text) {
  writer.addFormat({0, 0xFFFFFF, false, false});
  writer.begin();
  for (int line = 0; line < lines; ++line) {
    writer.appendText(text);
    writer.newLine();
  }
  writer.end();
}

// One writer's figure of `lines`, each a line of its own.
std::string figureOf(OutputKind form, const std::vector<std::string>& lines) {
  FigureWriter writer(form, 100, "Courier New", FigureSettings{});
  writer.addFormat({0, 0xFFFFFF, false, false});
  writer.begin();
  for (const std::string& line : lines) {
    writer.appendText(line);
    writer.newLine();
  }
  writer.end();
  EXPECT_EQ(writer.problem(), "");
  return writer.fileText();
}

// The x position of every character of each <text>, in order, as every
// viewer reads them: a <tspan>'s x places its first character (librsvg reads
// no more of a list), the others follow a cell apart.
std::vector<std::vector<double>> characterPositions(const std::string& svg, double cell) {
  std::vector<std::vector<double>> all;
  for (std::size_t line = svg.find("<text"); line != std::string::npos;
       line = svg.find("<text", line + 1)) {
    all.emplace_back();
    const std::size_t end = svg.find("</text>", line);
    for (std::size_t at = svg.find("<tspan x=\"", line); at < end;
         at = svg.find("<tspan x=\"", at + 1)) {
      const double x = std::stod(svg.substr(at + 10));
      const std::size_t first = svg.find('>', at) + 1;
      const std::string text = svg.substr(first, svg.find("</tspan>", first) - first);
      std::size_t characters = 0;
      for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      for (std::size_t k = 0; k < characters; ++k)
        all.back().push_back(x + static_cast<double>(k) * cell);
    }
  }
  return all;
}

// Names are UTF-8 where they are valid UTF-8 and Latin-1 elsewhere; a
// figure shows them as written, one character a cell, and what follows a
// name keeps its column.
TEST_F(FigureFiles, NamesShowAsWrittenInUtf8OrLatin1) {
  const std::string utf8 =
      "Gr\xC3\xB6\xC3\x9F"
      "e ACDE";  // 7 bytes of name
  const std::string latin1 =
      "Gr\xF6\xDF"
      "e   ACDE";  // 5 bytes, padded to 7
  const std::string ascii = "Grosses ACDE";
  const std::string shown =
      "Gr\xC3\xB6\xC3\x9F"
      "e";
  const std::string svg = figureOf(OutputKind::Svg, {utf8, latin1, ascii});
  EXPECT_NE(svg.find(">" + shown + "</tspan>"), std::string::npos) << svg;
  const double cell = measureFigureFont(findFigureFont("Courier New"), 10).cellWidth;
  const auto positions = characterPositions(svg, cell);
  ASSERT_EQ(positions.size(), 3u) << svg;
  ASSERT_EQ(positions[0].size(), 9u);
  ASSERT_EQ(positions[1].size(), 9u);
  for (std::size_t i = 0; i < 9; ++i) {
    const std::size_t inAscii = i < 5 ? i : i + 2;  // after the name: the same columns
    EXPECT_NEAR(positions[0][i], positions[2][inAscii], 0.01) << "UTF-8, character " << i;
    EXPECT_NEAR(positions[1][i], positions[2][inAscii], 0.01) << "Latin-1, character " << i;
  }
  const std::string svgPath = save("names.svg", svg);
  const CommandResult xml = run("xmllint --noout " + svgPath);
  EXPECT_EQ(xml.status, 0) << xml.output;

  const std::string pdf = save("names.pdf", figureOf(OutputKind::Pdf, {utf8, latin1}));
  const CommandResult words = run("pdftotext " + pdf + " -");
  ASSERT_EQ(words.status, 0) << words.output;
  const std::size_t first = words.output.find(shown);
  ASSERT_NE(first, std::string::npos) << words.output;
  EXPECT_NE(words.output.find(shown, first + 1), std::string::npos) << words.output;
  EXPECT_EQ(words.output.find("\xC3\x83"), std::string::npos) << "bytes taken as Latin-1";
}

// The message is a sentence of its own and names a way out that works: a
// resolution at which the picture fits, or, for a figure too tall at any
// resolution, the forms without a size limit.
TEST(FigurePng, TooLargeSaysWhatWouldWork) {
  struct Case {
    const char* what;
    double width, height;
    int dpi;
    std::string advice;  // empty: it fits
  };
  const Case cases[] = {
      {"fits", 2000, 3000, 300, ""},
      {"a side too long at 300 dpi fits at 147", 1000, 66000, 300, "to 147 dpi or less"},
      {"too many pixels in all", 20000, 20000, 600, "dpi or less"},
      {"taller than the limit even at the lowest resolution", 500, 40000, 30,
       "at any resolution: write a PDF instead, which can lay it out on pages"},
  };
  for (const Case& c : cases) {
    const std::string problem = pngSizeProblem(c.width, c.height, c.dpi, 30);
    if (c.advice.empty()) {
      EXPECT_EQ(problem, "") << c.what;
      continue;
    }
    EXPECT_EQ(problem.rfind("The picture would be ", 0), 0u) << c.what << ": " << problem;
    EXPECT_NE(problem.find(c.advice), std::string::npos) << c.what << ": " << problem;
  }
  // The resolution named is one at which the picture fits.
  const std::string advice = pngSizeProblem(20000, 20000, 600, 30);
  const int named = std::stoi(advice.substr(advice.find("to ") + 3));
  EXPECT_EQ(pngSizeProblem(20000.0 * named / 600, 20000.0 * named / 600, named, 30), "");
}

TEST(FigurePng, ARefusedSizeIsAProblemNotACrash) {
  FigureSettings settings;
  settings.dpi = 2400;
  FigureWriter writer(OutputKind::Png, 100, "Courier New", settings);
  writeLines(writer, 2000, "a line of text");
  EXPECT_NE(writer.problem().find("pixels"), std::string::npos) << writer.problem();
}

// A PNG whose residues alone pass its largest area is refused when the
// layout starts, before a line of it is gathered.
TEST(FigurePng, ATooLargePictureIsRefusedBeforeItsLayout) {
  struct Case {
    const char* what;
    int sequences;
    int length;
    bool refused;
    OutputKind kind = OutputKind::Png;
    FigurePaper paper = FigurePaper::Content;
  };
  const Case cases[] = {
      {"a small alignment is drawn", 4, 50, false},
      {"2000 x 2000 residues at 300 dpi cannot fit 250 million pixels", 2000, 2000, true},
      {"nor as a TIFF", 2000, 2000, true, OutputKind::Tiff},
      {"on paper each page is a picture of its own", 2000, 2000, false, OutputKind::Tiff,
       FigurePaper::A4},
  };
  for (const Case& c : cases) {
    FigureSettings settings;
    settings.paper = c.paper;
    FigureWriter writer(c.kind, 100, "Courier New", settings);
    writer.addFormat({0, 0xFFFFFF, false, false});
    writer.begin();
    AnnotatedAlignment annotated;
    annotated.sets.resize(1);
    annotated.sets[0].length = c.length;
    annotated.sets[0].residues.assign(static_cast<std::size_t>(c.sequences),
                                      std::string(static_cast<std::size_t>(c.length), 'A'));
    writer.layoutStarting(annotated);
    EXPECT_EQ(writer.takesMore(), !c.refused) << c.what;
    writer.appendText("ACDEF");
    writer.newLine();
    writer.end();
    EXPECT_EQ(writer.problem().find("million pixels") != std::string::npos, c.refused)
        << c.what << ": " << writer.problem();
    EXPECT_EQ(writer.fileText().empty(), c.refused) << c.what;
  }
}

// A PDF page is at most 14400 points across: a wider line refuses the
// figure with a reason instead of making a page readers reject.
TEST(FigurePdf, ALineWiderThanAPdfPageIsRefused) {
  struct Case {
    const char* what;
    std::size_t cells;
    bool refused;
  };
  const Case cases[] = {
      {"2000 cells of 6 points fit", 2000, false},
      {"3000 cells of 6 points do not", 3000, true},
  };
  for (const Case& c : cases) {
    FigureWriter writer(OutputKind::Pdf, 100, "Courier New", FigureSettings{});
    writeLines(writer, 3, std::string(c.cells, 'A'));
    EXPECT_EQ(writer.problem().find("14400") != std::string::npos, c.refused)
        << c.what << ": " << writer.problem();
    EXPECT_EQ(writer.fileText().empty(), c.refused) << c.what;
  }
}

// Pictures made on the side (the clipboard's) give up past their cell limit
// instead of drawing a picture nobody could paste.
TEST(FigureWriter, ACellLimitRefusesTheFigureAndKeepsNothing) {
  for (const std::size_t limit : {std::size_t{0}, std::size_t{100}, std::size_t{99}}) {
    FigureSettings settings;
    settings.cellLimit = limit;
    FigureWriter writer(OutputKind::Svg, 100, "Courier New", settings);
    writeLines(writer, 10, "0123456789");
    const bool refused = limit == 99;
    EXPECT_EQ(writer.problem().empty(), !refused) << limit << ": " << writer.problem();
    EXPECT_EQ(writer.fileText().empty(), refused) << limit;
  }
}

// A PNG's pixels, decoded by cairo.
CairoSurface decodedPng(const std::string& png) {
  std::pair<const std::string*, std::size_t> source{&png, 0};
  return CairoSurface(cairo_image_surface_create_from_png_stream(
      [](void* closure, unsigned char* data, unsigned int length) {
        auto* from = static_cast<std::pair<const std::string*, std::size_t>*>(closure);
        if (from->second + length > from->first->size()) return CAIRO_STATUS_READ_ERROR;
        std::copy_n(from->first->data() + from->second, length, data);
        from->second += length;
        return CAIRO_STATUS_SUCCESS;
      },
      &source));
}

// Where elision hid columns, a mark crosses every line of the block, the
// ruler's too, so the ruler's numbers after it are read as a jump.
TEST(FigurePng, ElidedColumnsAreMarkedOnEveryLine) {
  AnnotatedAlignment annotated;
  Alignment set;
  set.names = {"s1", "s2"};
  set.residues = {"........", "........"};
  set.length = 8;
  annotated.sets = {set};
  annotated.results.resize(1);
  annotated.results[0].formats = {std::string(8, '\0'), std::string(8, '\0')};
  // Columns 3-8 stand in for by three columns, then 11 is gone.
  annotated.columnNumbers = {1, 2, 0, 0, 0, 9, 10, 12};
  FigureSettings settings;
  settings.dpi = 144;
  FigureWriter writer(OutputKind::Png, 100, "Courier New", settings);
  writer.addFormat({0, 0xFFFFFF, false, false});
  writer.begin();
  layOut(annotated, 8, 0, writer, LayoutMarks{false, true, 10, true});
  writer.end();
  ASSERT_EQ(writer.problem(), "");
  CairoSurface image = decodedPng(writer.fileText());
  ASSERT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
  const unsigned char* pixels = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());

  struct Case {
    const char* what;
    std::size_t column;  // the edge before it
    bool marked;
  };
  const Case cases[] = {
      {"two columns shown in turn", 1, false},
      {"a stand-in starts", 2, true},
      {"a stand-in ends", 5, true},
      {"a column removed without a stand-in", 7, true},
  };
  const FigureMetrics& m = writer.metrics();
  // The ruler's two lines and the two sequences.
  for (int line = 0; line < 4; ++line) {
    for (const Case& c : cases) {
      // Name, its blank, the block's blank, then the columns.
      const double cell = static_cast<double>(set.names[0].size() + 2 + c.column);
      const int x = static_cast<int>(std::lround(writer.margin() + cell * m.cellWidth));
      const int y = static_cast<int>(writer.margin() + (line + 0.5) * m.lineHeight);
      std::uint32_t pixel = 0;
      std::memcpy(&pixel, pixels + y * stride + x * 4, 4);
      EXPECT_EQ((pixel & 0xFF) < 0x80, c.marked)
          << c.what << ", line " << line << std::hex << ": " << pixel;
    }
  }
}

// Every kind measures its text alike: a PNG is the PDF's size at its
// resolution, and a page takes as many columns in either.
TEST_F(FigureFiles, APngIsItsPdfsSizeAtItsResolution) {
  const std::string text = exampleText("globins45.aln");
  ASSERT_FALSE(text.empty());
  Options options;
  const std::string pdf = save("size.pdf", annotated(text, OutputKind::Pdf, options));
  const CommandResult info = run("pdfinfo " + pdf);
  const std::size_t at = info.output.find("Page size:");
  ASSERT_NE(at, std::string::npos) << info.output;
  double width = 0;
  double height = 0;
  ASSERT_EQ(std::sscanf(info.output.c_str() + at, "Page size: %lf x %lf", &width, &height), 2);
  for (const int dpi : {72, 150, 300}) {
    options.figure.pngResolution = dpi;
    CairoSurface image = decodedPng(annotated(text, OutputKind::Png, options));
    ASSERT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
    EXPECT_NEAR(cairo_image_surface_get_width(image.get()), width * dpi / 72, 1) << dpi << " dpi";
    EXPECT_NEAR(cairo_image_surface_get_height(image.get()), height * dpi / 72, 1) << dpi << " dpi";
  }
  FigureSettings a4;
  a4.paper = FigurePaper::A4;
  a4.landscape = true;
  const int pdfColumns = FigureWriter(OutputKind::Pdf, 90, "Courier New", a4).pageLineCharacters();
  for (const int dpi : {96, 300, 600}) {
    a4.dpi = dpi;
    EXPECT_EQ(FigureWriter(OutputKind::Png, 90, "Courier New", a4).pageLineCharacters(), pdfColumns)
        << dpi << " dpi";
  }
}

struct FontCase {
  const char* what;
  std::string asked;
  std::string drawn;
  bool substituted;
};

// The family fontconfig gives for "monospace" on this machine.
std::string systemMonospace() {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("monospace"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string family;
  FcChar8* name = nullptr;
  if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) {
    family = reinterpret_cast<const char*>(name);
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return family;
}

TEST(FigureFont, AMissingFontGetsAMetricCompatibleOne) {
  const FontCase cases[] = {
      {"the groupings' usual font is not on Debian: its metric twin stands in", "Courier New",
       "Liberation Mono", true},
      {"an installed font is used as it is, whatever its case", "liberation mono",
       "Liberation Mono", false},
      {"an unknown font falls back on a monospaced one, never a proportional one",
       "No Such Font 123", systemMonospace(), true},
  };
  for (const FontCase& c : cases) {
    const FigureFont font = findFigureFont(c.asked);
    EXPECT_EQ(font.family, c.drawn) << c.what;
    EXPECT_EQ(font.substituted(), c.substituted) << c.what;
  }
}

}  // namespace
}  // namespace hueset

namespace hueset {
namespace {

// Where the drawn text of an SVG figure ends furthest right, in points:
// each line's last run starts at its x and takes a cell a character.
double rightmostText(const std::string& svg, double cellWidth) {
  double rightmost = 0;
  for (std::size_t at = svg.find("<text "); at != std::string::npos;
       at = svg.find("<text ", at + 1)) {
    const std::size_t end = svg.find("</text>", at);
    const std::size_t last = svg.rfind("<tspan x=\"", end);
    double x = 0;
    std::sscanf(svg.c_str() + last, "<tspan x=\"%lf\"", &x);
    const std::size_t open = svg.find('>', last) + 1;
    const std::size_t close = svg.find("</tspan>", open);
    rightmost = std::max(rightmost, x + static_cast<double>(close - open) * cellWidth);
  }
  return rightmost;
}

// An annotation that keeps what it was told.
class ListeningInteraction : public test::AcceptingInteraction {
 public:
  ParseMessageSink& messageSink() override { return sink; }
  std::string firstError() const {
    return sink.messages().empty() ? std::string() : sink.messages().front().text;
  }
  test::ScriptedSink sink;
};

// A set width is the figure's width; the wrap fills it, in the largest type
// (at most the figure's size) at which ten residues fit, never smaller than
// the minimum; names too long to leave any room at all are said to be.
TEST(FigureWidth, TheWrapFillsTheWidthInTheTypeThatFits) {
  struct Case {
    const char* what;
    const char* width;
    int fontSize;  // points; 0 the groupings' 9
    int minimumFontSize;
    double drawnSize;     // points; 0: refused
    const char* refusal;  // what the refusal says
  };
  const Case cases[] = {
      {"a single column at the groupings' size", "85mm", 0, 6, 9, ""},
      // Ten residues beside the numbered names take 42 cells: 9 points fill 85 mm.
      {"a type too large for ten residues shrinks until they fit", "single", 12, 6, 9, ""},
      {"and the same from a larger type", "single", 20, 6, 9, ""},
      {"but no further than the minimum", "85mm", 12, 11, 11, ""},
      {"a double column takes the figure's size", "double", 12, 6, 12, ""},
      {"names that leave no room at the minimum size", "30mm", 0, 6, 0,
       "the names and residue numbers alone need"},
  };
  const std::string text = exampleText("fn3.aln");
  ASSERT_FALSE(text.empty());
  const GroupingSet groupings = builtinDefault(BuiltinDefault::Colour);
  for (const Case& c : cases) {
    Options options;
    options.figure.residueNumbers = true;
    options.figureLayout.width = c.width;
    options.figureLayout.fontSize = c.fontSize;
    options.figureLayout.minimumFontSize = c.minimumFontSize;
    options.figureLayout.legend = false;
    auto writer = makeWriter(OutputKind::Svg, options, groupings);
    ListeningInteraction interaction;
    RememberedSets remembered;
    const bool made = annotate(text, options, groupings, *writer, interaction, remembered);
    EXPECT_EQ(made, c.drawnSize != 0) << c.what;
    if (!made) {
      const std::string error = interaction.firstError();
      EXPECT_NE(error.find(c.refusal), std::string::npos) << c.what << ": " << error;
      EXPECT_NE(error.find("the 30.0 mm (85.0 pt) asked for"), std::string::npos)
          << c.what << ": " << error;
      continue;
    }
    const auto& figure = dynamic_cast<const FigureWriter&>(*writer);
    EXPECT_NEAR(figure.fontPoints(), c.drawnSize, 0.05) << c.what;
    const double width = *figureWidthPoints(c.width);
    const std::string svg = writer->fileText();
    double drawnWidth = 0;
    std::sscanf(svg.c_str() + svg.find(" width=\""), " width=\"%lfpt\"", &drawnWidth);
    EXPECT_NEAR(drawnWidth, width, 0.01) << c.what;
    // The lines fit inside the margins, and one more cell would not.
    const double room = width - 2 * kContentMargin;
    const double rightmost = rightmostText(svg, figure.metrics().cellWidth) - kContentMargin;
    EXPECT_LE(rightmost, room + 0.01) << c.what;
    EXPECT_GT(rightmost + figure.metrics().cellWidth, room) << c.what;
  }
}

// The legend is under every kind of figure when on, in none when off; the
// figure's size in points is the same whichever kind draws it.
TEST_F(FigureFiles, EveryKindHasTheLegendAndTheSameSize) {
  const std::string text = exampleText("globins4-dsc.msf");
  ASSERT_FALSE(text.empty());
  for (const bool legend : {true, false}) {
    SCOPED_TRACE(legend ? "legend" : "no legend");
    Options options;
    options.figureLayout.width = "85mm";
    options.figureLayout.legend = legend;
    options.figureLayout.title = "Four globins";
    options.figure.pngResolution = 144;
    const std::string svg = annotated(text, OutputKind::Svg, options);
    for (const char* words : {">Consensus</tspan>", "Hydrophobic", "(80%):"}) {
      EXPECT_EQ(svg.find(words) != std::string::npos, legend) << words;
    }
    EXPECT_NE(svg.find("Four"), std::string::npos);
    double width = 0;
    double height = 0;
    std::sscanf(svg.c_str() + svg.find(" width=\""), " width=\"%lfpt\" height=\"%lfpt\"", &width,
                &height);
    const std::string pdf = save("legend.pdf", annotated(text, OutputKind::Pdf, options));
    const CommandResult words = run("pdftotext " + pdf + " -");
    EXPECT_EQ(words.output.find("Hydrophobic") != std::string::npos, legend) << words.output;
    const CommandResult info = run("pdfinfo " + pdf);
    double pdfWidth = 0;
    double pdfHeight = 0;
    std::sscanf(info.output.c_str() + info.output.find("Page size:"), "Page size: %lf x %lf",
                &pdfWidth, &pdfHeight);
    EXPECT_NEAR(pdfWidth, width, 0.01);
    EXPECT_NEAR(pdfHeight, height, 0.01);
    CairoSurface png = decodedPng(annotated(text, OutputKind::Png, options));
    EXPECT_NEAR(cairo_image_surface_get_width(png.get()), width * 2, 1);
    EXPECT_NEAR(cairo_image_surface_get_height(png.get()), height * 2, 1);
    const std::string tif = save("legend.tif", annotated(text, OutputKind::Tiff, options));
    const CommandResult tags = run("tiffinfo " + tif);
    int tiffWidth = 0;
    int tiffHeight = 0;
    std::sscanf(tags.output.c_str() + tags.output.find("Image Width:"),
                "Image Width: %d Image Length: %d", &tiffWidth, &tiffHeight);
    EXPECT_NEAR(tiffWidth, width * 2, 1) << tags.output;
    EXPECT_NEAR(tiffHeight, height * 2, 1) << tags.output;
    const std::string eps =
        test::readFile(save("legend.eps", annotated(text, OutputKind::Eps, options)));
    EXPECT_NE(eps.find("%%BoundingBox: 0 0 " + std::to_string(int(std::ceil(width))) + " " +
                       std::to_string(int(std::ceil(height)))),
              std::string::npos)
        << width << " x " << height;
  }
}

TEST_F(FigureFiles, TheCmykOptionMakesACmykTiff) {
  for (const bool cmyk : {false, true}) {
    Options options;
    options.figureLayout.tiffCmyk = cmyk;
    const std::string tif =
        save("colours.tif", annotated(exampleText("globins4.msf"), OutputKind::Tiff, options));
    const CommandResult tags = run("tiffinfo " + tif);
    EXPECT_EQ(tags.output.find("separated") != std::string::npos, cmyk) << tags.output;
  }
}

}  // namespace
}  // namespace hueset
