#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_arguments.h"
#include "cli_fixture.h"
#include "figure/output_kinds.h"
#include "groupings/builtin_defaults.h"
#include "input/document_text.h"
#include "support/test_files.h"

namespace hueset::test {
namespace {

TEST_F(Cli, HelpAndVersion) {
  CliRun help = cli({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* word :
       {"annotate", "read", "config dump", "--output", "--to", "--format", "--config", "--option",
        "--no-profile", "--sets", "--strict", "consensusThreshold"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
  CliRun version = cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("hueset-cli ", 0), 0u);
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
  CliRun r = cli({"annotate"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Usage:"), std::string::npos);
  EXPECT_EQ(cli({"annotate", "--option", "noSuchOption=1", "-"}, kFasta).status, 2);
  EXPECT_EQ(cli({"annotate", "--option", "useElision=maybe", "-"}, kFasta).status, 2);
}

TEST_F(Cli, AnnotatesStandardInputToRtfOnStandardOutput) {
  CliRun r = cli({"annotate", "--no-profile", "-"}, kFasta);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(r.out.find("Consensus/80%"), std::string::npos);
  EXPECT_EQ(r.err, "");
}

TEST_F(Cli, OutputKindFollowsExtensionUnlessTold) {
  writeFile("in.fasta", kFasta);
  ASSERT_EQ(cli({"annotate", "--no-profile", "-o", path("a.html"), path("in.fasta")}).status, 0);
  EXPECT_NE(slurp(path("a.html")).find("<HTML>"), std::string::npos);
  ASSERT_EQ(
      cli({"annotate", "--no-profile", "-t", "rtf", "-o", path("b.out"), path("in.fasta")}).status,
      0);
  EXPECT_EQ(slurp(path("b.out")).rfind("{\\rtf1", 0), 0u);
  ASSERT_EQ(cli({"annotate", "--no-profile", "-o", path("c.rtf"), path("in.fasta")}).status, 0);
  EXPECT_EQ(slurp(path("c.rtf")).rfind("{\\rtf1", 0), 0u);
}

TEST_F(Cli, FiguresFollowTheKindOrTheExtension) {
  writeFile("in.fasta", kFasta);
  struct Case {
    const char* what;
    std::vector<std::string> words;  // before the input; "@name" is a file in the test folder
    const char* file;                // where the figure lands; empty: standard output
    std::string start;               // the form's signature
  };
  const Case cases[] = {
      {"the .pdf extension", {"-o", "@a.pdf"}, "a.pdf", "%PDF-"},
      {"the .svg extension", {"-o", "@a.svg"}, "a.svg", "<?xml"},
      {"-t png to standard output", {"-t", "png", "--dpi", "72"}, "", "\x89PNG\r\n"},
      {"-t decides for an extension of no kind; paper and options pass",
       {"-t", "pdf", "--page", "letter,landscape", "--option", "residueNumbers=1", "-o", "@b.fig"},
       "b.fig",
       "%PDF-"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"annotate", "--no-profile"};
    for (const std::string& w : c.words) args.push_back(w[0] == '@' ? path(w.substr(1)) : w);
    args.push_back(path("in.fasta"));
    const CliRun r = cli(args);
    if (!figuresAvailable()) {
      EXPECT_EQ(r.status, 2) << c.what;
      EXPECT_NE(r.err.find(kFiguresUnavailable), std::string::npos) << c.what;
      continue;
    }
    ASSERT_EQ(r.status, 0) << c.what << ": " << r.err;
    const std::string bytes = std::string(c.file).empty() ? r.out : slurp(path(c.file));
    EXPECT_EQ(bytes.rfind(c.start, 0), 0u) << c.what;
  }
}

TEST_F(Cli, NeverWritesOneKindIntoAFileNamedForAnother) {
  writeFile("in.fasta", kFasta);
  struct Case {
    const char* what;
    std::vector<std::string> words;  // before the input; "@name" is a file in the test folder
    const char* file;
    int status;
    std::string said;   // in the error output; for a refusal
    std::string start;  // the file's first bytes; for a file written
  };
  const Case cases[] = {
      {"a picture kind without a writer is refused, naming the kinds there are",
       {"-o", "@fig.jpg"},
       "fig.jpg",
       2,
       "fig.jpg': Hueset does not write JPEG; it writes rtf, html, css, pdf, svg, png, eps, tiff",
       ""},
      {"the extension is matched whatever its case",
       {"-o", "@FIG.Docx"},
       "FIG.Docx",
       2,
       "does not write DOCX",
       ""},
      {"a kind told that another extension contradicts",
       {"-t", "pdf", "-o", "@fig.png"},
       "fig.png",
       2,
       "'--to pdf' contradicts",
       ""},
      {"a text kind told against a figure's extension",
       {"-t", "rtf", "-o", "@fig.svg"},
       "fig.svg",
       2,
       "whose extension asks for svg",
       ""},
      {"a kind's second extension agrees with it",
       {"-t", "html", "-o", "@page.htm"},
       "page.htm",
       0,
       "",
       "<HTML>"},
      {"a name without an extension stays Rich Text", {"-o", "@fig"}, "fig", 0, "", "{\\rtf1"},
      {"an extension of no kind stays Rich Text", {"-o", "@fig.txt"}, "fig.txt", 0, "", "{\\rtf1"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"annotate", "--no-profile"};
    for (const std::string& w : c.words) args.push_back(w[0] == '@' ? path(w.substr(1)) : w);
    args.push_back(path("in.fasta"));
    const CliRun r = cli(args);
    EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
    if (c.status == 0) {
      EXPECT_EQ(slurp(path(c.file)).rfind(c.start, 0), 0u) << c.what;
    } else {
      EXPECT_NE(r.err.find(c.said), std::string::npos) << c.what << ": " << r.err;
      EXPECT_FALSE(fs::exists(path(c.file))) << c.what;
    }
  }
}

// Fitting the wrap to the page cannot make long names short: when they
// leave the residues a sliver of the line, the user is told.
TEST_F(Cli, FitToPageWarnsWhenNamesLeaveFewResidues) {
  if (!figuresAvailable()) return;  // no page without figures
  struct Case {
    const char* what;
    std::size_t nameLength;
    bool warned;
  };
  const Case cases[] = {
      {"short names leave most of the page", 8, false},
      {"names as wide as the page leave one residue a line", 92, true},
  };
  for (const Case& c : cases) {
    std::string fasta;
    for (const char* tail : {"a", "b", "c"}) {
      fasta += ">" + std::string(c.nameLength, 'n') + tail + "\n" + std::string(100, 'A') + "\n";
    }
    writeFile("long.fasta", fasta);
    const CliRun r = cli({"annotate", "--no-profile", "--page", "a4", "--option", "fitWrapToPage=1",
                          "-o", path("long.pdf"), path("long.fasta")});
    EXPECT_EQ(r.status, 0) << c.what << ": " << r.err;
    EXPECT_EQ(r.err.find("warning: only ") != std::string::npos, c.warned)
        << c.what << ": " << r.err;
  }
}

// A width is a figure's width, filled; where it cannot be, the command says
// why and what it would take.
TEST_F(Cli, AWidthIsFilledOrRefusedWithItsReason) {
  if (!figuresAvailable()) return;
  struct Case {
    const char* what;
    std::vector<std::string> words;
    int status;
    const char* said;  // in the messages; empty: nothing
  };
  const Case cases[] = {
      {"a single column at the smallest type that shows ten residues",
       {"--width", "single"},
       0,
       ""},
      {"names that leave no room at the minimum size",
       {"--width", "30mm"},
       1,
       "error: the names and residue numbers alone need a width of "},
      {"a width the paper's lines cannot hold",
       {"--page", "a4", "--width", "200mm"},
       1,
       "does not fit the paper"},
      {"a width that is no width is a usage error", {"--width", "wide"}, 2, "--width takes"},
      {"nor is a type size that is no number",
       {"--font-size", "large"},
       2,
       "--font-size takes a whole number of points"},
  };
  const std::string input = std::string(HUESET_SOURCE_DIR) + "/examples/fn3.aln";
  for (const Case& c : cases) {
    std::vector<std::string> words = {"annotate", "--no-profile", "-o", path("fig.pdf")};
    words.insert(words.end(), c.words.begin(), c.words.end());
    words.push_back(input);
    const CliRun r = cli(words);
    EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
    if (*c.said == '\0') {
      EXPECT_EQ(r.err, "") << c.what;
    } else {
      EXPECT_NE(r.err.find(c.said), std::string::npos) << c.what << ": " << r.err;
    }
  }
}

// On paper every kind gives pages: a PDF of them, or a PNG or SVG file a
// page, each the paper's size, which the command names as it writes them.
TEST_F(Cli, APaperSizeGivesAPngOrSvgFileAPage) {
  if (!figuresAvailable()) return;  // no page without figures
  struct Case {
    const char* what;
    const char* name;
    std::string size;  // what every page's header says
  };
  const Case cases[] = {
      {"PNG pages of A4 at 72 dpi", "fn3.png", "\x89PNG"},
      {"SVG pages of A4", "fn3.svg", "<?xml"},
  };
  const std::string example = std::string(HUESET_SOURCE_DIR) + "/examples/fn3.aln";
  for (const Case& c : cases) {
    const CliRun r = cli(
        {"annotate", "--no-profile", "--page", "a4", "--dpi", "72", "-o", path(c.name), example});
    ASSERT_EQ(r.status, 0) << c.what << ": " << r.err;
    EXPECT_FALSE(fs::exists(path(c.name))) << c.what;
    const std::string stem = std::string(c.name).substr(0, 3);
    const std::string extension = std::string(c.name).substr(3);
    std::string listed;
    // fn3 takes four A4 pages (see the PDF's).
    for (int page = 1; page <= 4; ++page) {
      const std::string file = path(stem + "-" + std::to_string(page) + extension);
      listed += "hueset-cli: wrote " + file + "\n";
      const std::string bytes = slurp(file);
      ASSERT_EQ(bytes.rfind(c.size, 0), 0u) << c.what << ", page " << page;
      if (extension == ".svg") {
        EXPECT_NE(bytes.find(R"(width="595.28pt" height="841.89pt")"), std::string::npos)
            << c.what << ", page " << page;
      } else {
        // The header's width and height, big-endian, after the signature.
        auto at = [&bytes](std::size_t k) {
          return (static_cast<unsigned char>(bytes[k]) << 24) |
                 (static_cast<unsigned char>(bytes[k + 1]) << 16) |
                 (static_cast<unsigned char>(bytes[k + 2]) << 8) |
                 static_cast<unsigned char>(bytes[k + 3]);
        };
        EXPECT_EQ(at(16), 596u) << c.what << ", page " << page;
        EXPECT_EQ(at(20), 842u) << c.what << ", page " << page;
      }
    }
    EXPECT_FALSE(fs::exists(path(stem + "-5" + extension))) << c.what;
    EXPECT_EQ(r.err, listed) << c.what;
  }
}

// A terminal is never sent the bytes of a PDF or PNG; a file, a pipe or a
// text figure is.
TEST_F(Cli, BinaryFiguresAreNotWrittenToATerminal) {
  writeFile("in.fasta", kFasta);
  struct Case {
    const char* what;
    std::vector<std::string> words;
    bool terminal;  // standard output is a terminal
    int status;
  };
  const Case cases[] = {
      {"-t png to a terminal", {"-t", "png"}, true, 2},
      {"-t pdf to a terminal named by -o -", {"-t", "pdf", "-o", "-"}, true, 2},
      {"-t png into a pipe", {"-t", "png", "--dpi", "72"}, false, 0},
      {"-t svg to a terminal is text", {"-t", "svg"}, true, 0},
      {"-t png into a file from a terminal", {"-t", "png", "--dpi", "72", "-o", "@a.png"}, true, 0},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"annotate", "--no-profile"};
    for (const std::string& w : c.words) args.push_back(w[0] == '@' ? path(w.substr(1)) : w);
    args.push_back(path("in.fasta"));
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err, c.terminal);
    EXPECT_EQ(status, figuresAvailable() ? c.status : 2) << c.what << ": " << err.str();
    if (c.status == 2) {
      EXPECT_EQ(out.str(), "") << c.what;
      EXPECT_NE(err.str().find("terminal"), std::string::npos) << c.what;
    }
  }
}

TEST(CliUsage, NamesEveryKindAndItsExtensions) {
  // The usage is written by hand: a kind added to the table must be added there too.
  for (const OutputKindInfo& info : outputKinds()) {
    if (info.name.empty()) continue;
    EXPECT_NE(std::string_view(cliUsage()).find(info.name), std::string_view::npos) << info.name;
    for (const std::string_view extension : info.extensions) {
      EXPECT_NE(std::string_view(cliUsage()).find("." + std::string(extension)),
                std::string_view::npos)
          << extension;
    }
  }
}

TEST_F(Cli, StyleSheetNeedsOnlyTheGroupings) {
  CliRun r = cli({"annotate", "--no-profile", "-t", "css"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("#hs0\t{", 0), 0u) << r.out;
  EXPECT_EQ(r.out.find("<STYLE>"), std::string::npos);
}

TEST_F(Cli, ForcedFormatRunsThatReader) {
  CliRun r = cli({"annotate", "--no-profile", "-f", "msf", "-"}, kFasta);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("error: This is not a valid MSF file."), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
}

TEST_F(Cli, ReaderMessagesNameFileAndLine) {
  writeFile("bad.fasta", "ACD\n>a\nAC\n");
  CliRun r = cli({"annotate", "--no-profile", "-f", "fasta", path("bad.fasta")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind(path("bad.fasta") + ":1: error: This is not a valid FASTA file. ", 0), 0u)
      << r.err;
}

TEST_F(Cli, QuestionsAreWarningsUnlessStrict) {
  // A data line with text after white space asks whether to go on.
  const std::string text = ">a\nACDEF extra\n>b\nACDEF\n";
  CliRun lenient = cli({"annotate", "--no-profile", "-"}, text);
  EXPECT_EQ(lenient.status, 0);
  EXPECT_NE(lenient.err.find("<stdin>:2: warning: There is an error in the FASTA file."),
            std::string::npos)
      << lenient.err;
  CliRun strict = cli({"annotate", "--no-profile", "--strict", "-"}, text);
  EXPECT_EQ(strict.status, 1);
  EXPECT_NE(strict.err.find("<stdin>:2: error:"), std::string::npos);
  EXPECT_EQ(strict.out, "");
}

TEST_F(Cli, InvalidCharactersAreListedPerSequence) {
  const std::string text = ">a\nAC1EF\n>b\nACdEF\n";
  CliRun lenient = cli({"annotate", "--no-profile", "-"}, text);
  EXPECT_EQ(lenient.status, 0);
  EXPECT_NE(lenient.err.find("warning: Invalid characters in 2 sequence(s)"), std::string::npos)
      << lenient.err;
  EXPECT_NE(lenient.err.find("  >a"), std::string::npos);
  EXPECT_NE(lenient.err.find("  >b"), std::string::npos);
  EXPECT_EQ(cli({"annotate", "--no-profile", "--strict", "-"}, text).status, 1);
}

TEST_F(Cli, UnequalLengthsListNamesAndLengths) {
  CliRun r = cli({"annotate", "--no-profile", "-"}, ">a\nACDEF\n>b\nAC\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("error: This is not a valid FASTA file."), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("  >a  5  ACDEF"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("  >b  2  AC"), std::string::npos) << r.err;
}

TEST_F(Cli, OneSequenceFailsWithAnExplanation) {
  CliRun r = cli({"annotate", "--no-profile", "-"}, ">a\nACDEF\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("at least two sequences"), std::string::npos);
}

TEST_F(Cli, OptionsChangeTheAnnotation) {
  CliRun r = cli({"annotate", "--no-profile", "--option", "consensusThreshold=600", "--option",
                  "showThreshold=1", "-"},
                 kFasta);
  EXPECT_NE(r.out.find("Consensus/60%"), std::string::npos);
  // Out-of-range values are clamped as the profile's are.
  r = cli({"annotate", "--no-profile", "--option", "consensusThreshold=100", "-"}, kFasta);
  EXPECT_NE(r.out.find("Consensus/50%"), std::string::npos);
  r = cli({"annotate", "--no-profile", "--option", "linkerCharacter=*", "--option",
           "substitutedLinkers=-", "-"},
          ">a\nAC-EF\n>b\nACDEF\n");
  // The substituted gap stands between two runs of coloured residues.
  EXPECT_NE(r.out.find("C}*{"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find('-'), std::string::npos) << r.out;
}

TEST_F(Cli, SetsSplitTheOutput) {
  CliRun r = cli({"annotate", "--no-profile", "-t", "html", "--sets", "2,0;1", "-"}, kFasta);
  EXPECT_EQ(r.status, 0) << r.err;
  auto c = r.out.find("&gt;c");
  auto a = r.out.find("&gt;a");
  auto b = r.out.find("&gt;b");
  EXPECT_LT(c, a);
  EXPECT_LT(a, b);
  EXPECT_NE(r.out.find("Consensus", r.out.find("Consensus") + 1), std::string::npos);
}

TEST_F(Cli, ConfigurationChoices) {
  CliRun bw = cli({"annotate", "--no-profile", "-c", "bw", "-t", "css"});
  CliRun colour = cli({"annotate", "--no-profile", "-c", "colour", "-t", "css"});
  EXPECT_EQ(bw.status, 0);
  EXPECT_NE(bw.out, colour.out);

  ASSERT_EQ(cli({"config", "dump", "bw", "--as", "cft", "-o", path("bw.cft")}).status, 0);
  ASSERT_EQ(cli({"config", "dump", "bw", "--as", "cfb", "-o", path("bw.cfb")}).status, 0);
  EXPECT_EQ(slurp(path("bw.cfb")).size(), 416u);
  EXPECT_EQ(cli({"annotate", "--no-profile", "-c", path("bw.cft"), "-t", "css"}).out, bw.out);
  EXPECT_EQ(cli({"annotate", "--no-profile", "-c", path("bw.cfb"), "-t", "css"}).out, bw.out);

  writeFile("broken.cft", "this is not a configuration\n");
  CliRun broken = cli({"annotate", "--no-profile", "-c", path("broken.cft"), "-t", "css"});
  EXPECT_NE(broken.status, 0);
  EXPECT_NE(broken.err.find(path("broken.cft") + ": error:"), std::string::npos) << broken.err;
}

// "safe" is a built-in name like the other two, for -c and for config dump,
// and the dump reads back to the same figure.
TEST_F(Cli, ColourBlindSafeIsABuiltInConfiguration) {
  CliRun safe = cli({"annotate", "--no-profile", "-c", "safe", "-t", "css"});
  CliRun colour = cli({"annotate", "--no-profile", "-c", "colour", "-t", "css"});
  ASSERT_EQ(safe.status, 0) << safe.err;
  EXPECT_NE(safe.out, colour.out);
  ASSERT_EQ(cli({"config", "dump", "safe", "--as", "cfb", "-o", path("safe.cfb")}).status, 0);
  EXPECT_EQ(slurp(path("safe.cfb")), builtinDefaultImage(BuiltinDefault::ColourBlindSafe));
  EXPECT_EQ(cli({"annotate", "--no-profile", "-c", path("safe.cfb"), "-t", "css"}).out, safe.out);
  // A file of that name is no built-in.
  EXPECT_NE(cli({"annotate", "--no-profile", "-c", "./safe", "-t", "css"}).status, 0);
}

TEST_F(Cli, ProfileIsReadUnlessIgnored) {
  std::ofstream(m_profile) << "[Annotation Settings]\nConsensus Threshold=700\n"
                              "[General Settings]\nLast Configuration File="
                           << path("missing.cfb") << "\n";
  CliRun withProfile = cli({"annotate", "-"}, kFasta);
  EXPECT_EQ(withProfile.status, 0) << withProfile.err;
  EXPECT_NE(withProfile.out.find("Consensus/70%"), std::string::npos);
  // The profile's last configuration file is gone: warned about, colour used.
  EXPECT_NE(withProfile.err.find("built-in colour groupings"), std::string::npos);
  CliRun without = cli({"annotate", "--no-profile", "-"}, kFasta);
  EXPECT_NE(without.out.find("Consensus/80%"), std::string::npos);
  EXPECT_EQ(without.err, "");
}

TEST_F(Cli, ReadPrintsJson) {
  CliRun r = cli({"read", "--no-profile", "-"}, ">a \"q\"\nAC\n>b\nA\x01\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"format\": \"FASTA\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\">a \\\"q\\\"\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"A\\u0001\""), std::string::npos) << r.out;

  CliRun bad = cli({"read", "--no-profile", "-f", "msf", "-"}, "nothing here\n");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("\"ok\": false"), std::string::npos);
  EXPECT_NE(bad.out.find("\"kind\": \"error\""), std::string::npos);
}

TEST_F(Cli, ReadsTheLaterFormatsCompressedOrNot) {
  const std::string stockholm =
      "# STOCKHOLM 1.0\nseq1/1-8 ACDEFGHI\nseq2/3-10 ACDEFGHL\nseq3/1-8 ACDQFGHI\n"
      "#=GC SS_cons <<....>>\n//\n";
  // Compressed under a name that does not say so: the bytes decide.
  writeFile("family.dat", gzipCompress(stockholm));
  CliRun read = cli({"read", "--no-profile", path("family.dat")});
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_NE(read.out.find("\"format\": \"Stockholm\""), std::string::npos) << read.out;
  EXPECT_NE(read.out.find("\"seq2/3-10\""), std::string::npos) << read.out;
  EXPECT_NE(read.out.find("\"SS_cons\""), std::string::npos) << read.out;
  // The structure row is laid out under the sequences.
  CliRun html = cli({"annotate", "--no-profile", "-t", "html", "-"}, gzipCompress(stockholm));
  EXPECT_EQ(html.status, 0) << html.err;
  EXPECT_NE(html.out.find("SS_cons"), std::string::npos);

  CliRun damaged = cli({"read", "--no-profile", "-"}, gzipCompress(stockholm).substr(0, 30));
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(
      damaged.err.find("<stdin>: error: The file is gzip-compressed, but its data are damaged"),
      std::string::npos)
      << damaged.err;

  // No keyword in the text: the extension names the reader, whose message
  // then says what is wrong.
  writeFile("short.phy", "3 4\na ACDE\nb ACDE\n");
  CliRun phylip = cli({"read", "--no-profile", path("short.phy")});
  EXPECT_EQ(phylip.status, 1);
  EXPECT_NE(phylip.err.find("This is not a valid PHYLIP file."), std::string::npos) << phylip.err;

  const std::string a3m = ">a\nACD\n>b\nAgtCD\n";
  CliRun inserts = cli({"read", "--no-profile", "-"}, a3m);
  EXPECT_NE(inserts.out.find("\"length\": 5"), std::string::npos) << inserts.out;
  CliRun matches = cli({"read", "--no-profile", "--option", "matchStatesOnly=1", "-"}, a3m);
  EXPECT_NE(matches.out.find("\"length\": 3"), std::string::npos) << matches.out;
}

// Real files through the document check and the character check, which the
// desktop program shares.
TEST_F(Cli, RealFilesMeetTheChecksBeforeTheFigure) {
  struct Case {
    const char* what;
    const char* file;  // under tests/data/input
    std::vector<std::string> options;
    int status;
    const char* errHas;    // empty: nothing asked
    const char* errLacks;  // empty: nothing asked
    const char* figureHas;
  };
  const Case cases[] = {
      {"a NUL in a text names its line, so the file can be mended",
       "nul_globins4.aln",
       {},
       1,
       "nul_globins4.aln:5: error: Line 5 of this file holds a NUL byte",
       "binary data",
       ""},
      {"A3M insert letters are residues, not invalid characters; upper case by default",
       "globins4.a3m",
       {},
       0,
       "",
       "nvalid characters",
       "KVGAHAGEY"},
      {"without upper case they are still no invalid characters",
       "globins4.a3m",
       {"--option", "enforceUpper=0"},
       0,
       "",
       "nvalid characters",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"annotate", "--no-profile", "-t",
                                     "html",     "-o",           path("figure.html")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(testDataPath(std::string("input/") + c.file));
    const CliRun r = cli(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (*c.errHas) {
      EXPECT_NE(r.err.find(c.errHas), std::string::npos) << r.err;
    }
    if (*c.errLacks) {
      EXPECT_EQ(r.err.find(c.errLacks), std::string::npos) << r.err;
    }
    if (*c.figureHas) {
      std::ifstream in(path("figure.html"));
      const std::string html((std::istreambuf_iterator<char>(in)), {});
      std::string text;  // the figure without its mark-up
      bool inTag = false;
      for (char ch : html) {
        if (ch == '<' || ch == '>') {
          inTag = ch == '<';
        } else if (!inTag) {
          text += ch;
        }
      }
      EXPECT_NE(text.find(c.figureHas), std::string::npos);
    }
  }
}

TEST_F(Cli, MissingInputAndUnwritableOutputFail) {
  CliRun missing = cli({"annotate", "--no-profile", path("nope.msf")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
  CliRun unwritable =
      cli({"annotate", "--no-profile", "-o", path("no/such/dir/x.rtf"), "-"}, kFasta);
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_FALSE(unwritable.err.empty());
}

TEST_F(Cli, BundledExamplesAnnotate) {
  for (const char* example :
       {"globins45.aln", "globins4.msf", "globins4.fasta", "fn3.aln", "globins4-dsc.msf"}) {
    const std::string file = std::string(HUESET_SOURCE_DIR) + "/examples/" + example;
    ASSERT_TRUE(fs::exists(file)) << file;
    CliRun r = cli({"annotate", "--no-profile", "-t", "html", file});
    EXPECT_EQ(r.status, 0) << example << ": " << r.err;
    EXPECT_EQ(r.err, "") << example;
  }
}

}  // namespace
}  // namespace hueset::test
