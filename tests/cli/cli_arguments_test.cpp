#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

TEST(CliArguments, AnnotateTakesEveryOption) {
  auto p = parseCliArguments({"annotate", "-o", "out.html", "-t", "html", "-f", "msf", "-c", "bw",
                              "--option", "wrapLength=80", "--option", "useElision=0",
                              "--no-profile", "--sets", "0,1;2", "--strict", "in.msf"});
  ASSERT_EQ(p.error, "");
  const auto& a = p.arguments;
  EXPECT_EQ(a.command, CliCommand::Annotate);
  EXPECT_EQ(a.output, "out.html");
  EXPECT_EQ(a.to, OutputKind::Html);
  EXPECT_EQ(a.format, "msf");
  EXPECT_EQ(a.config, "bw");
  ASSERT_EQ(a.optionAssignments.size(), 2u);
  EXPECT_EQ(a.optionAssignments[0], (std::pair<std::string, std::string>{"wrapLength", "80"}));
  EXPECT_TRUE(a.noProfile);
  EXPECT_EQ(a.sets, (std::vector<int>{-1, 0, 1, -1, 2}));
  EXPECT_TRUE(a.strict);
  EXPECT_EQ(a.input, "in.msf");
}

TEST(CliArguments, LongFormsAndStandardInput) {
  auto p = parseCliArguments({"annotate", "--output", "x.rtf", "--to", "rtf", "--format", "dsc",
                              "--config", "my.cft", "-"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.arguments.input, "-");
  EXPECT_EQ(p.arguments.config, "my.cft");
  EXPECT_EQ(p.arguments.format, "dsc");
}

struct BadCase {
  std::vector<std::string> args;
  const char* errorPart;
  friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.errorPart; }
};

class CliUsageErrors : public ::testing::TestWithParam<BadCase> {};

TEST_P(CliUsageErrors, AreRefusedWithAReason) {
  auto p = parseCliArguments(GetParam().args);
  EXPECT_NE(p.error.find(GetParam().errorPart), std::string::npos) << p.error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliUsageErrors,
    ::testing::Values(BadCase{{}, "no command"}, BadCase{{"paint"}, "unknown command"},
                      BadCase{{"annotate"}, "no input file"},
                      BadCase{{"annotate", "a", "b"}, "only one input"},
                      BadCase{{"annotate", "-t", "docx", "a"}, "not one of rtf"},
                      BadCase{{"annotate", "-f", "genbank", "a"}, "not one of auto"},
                      BadCase{{"annotate", "-o"}, "needs a value"},
                      BadCase{{"read", "--dpi", "72", "a"}, "'read' does not take --dpi"},
                      BadCase{{"config", "dump", "colour", "--as", "cft", "--strict"},
                              "'config dump' does not take --strict"},
                      BadCase{{"annotate", "--option", "wrapLength", "a"}, "NAME=VALUE"},
                      BadCase{{"annotate", "--sets", "0,,1", "a"}, "--sets"},
                      BadCase{{"annotate", "--sets", "0;;1", "a"}, "--sets"},
                      BadCase{{"annotate", "--sets", "-3", "a"}, "--sets"},
                      BadCase{{"annotate", "--bogus", "a"}, "unknown option"},
                      BadCase{{"annotate", "--page", "a5", "a"}, "--page takes"},
                      BadCase{{"annotate", "--page", "a4,portrait", "a"}, "--page takes"},
                      BadCase{{"config"}, "'config' takes 'dump'"},
                      BadCase{{"config", "dump", "colour"}, "--as"},
                      BadCase{{"config", "dump", "pink", "--as", "cft"}, "colour or bw"},
                      BadCase{{"config", "dump", "bw", "--as", "xml"}, "cft or cfb"}));

// --page and --dpi are spelled-out figure options, so the option table
// checks and clamps them like any other.
TEST(CliArguments, PageAndDpiBecomeFigureOptions) {
  auto p = parseCliArguments({"annotate", "--page", "a3,landscape", "--dpi", "600", "in.msf"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.arguments.optionAssignments,
            (std::vector<std::pair<std::string, std::string>>{
                {"paperSize", "3"}, {"landscape", "1"}, {"pngResolution", "600"}}));
  EXPECT_EQ(parsePaper("content"), (std::pair<int, bool>{0, false}));
  EXPECT_EQ(parsePaper("letter"), (std::pair<int, bool>{2, false}));
}

TEST(CliArguments, SetLayouts) {
  EXPECT_EQ(parseSetLayout("0,1;2,3"), (std::vector<int>{-1, 0, 1, -1, 2, 3}));
  EXPECT_EQ(parseSetLayout(" 2 , 0 "), (std::vector<int>{-1, 2, 0}));
  EXPECT_EQ(parseSetLayout("1;"), std::nullopt);
  EXPECT_EQ(parseSetLayout(""), std::nullopt);
  EXPECT_EQ(parseSetLayout("x"), std::nullopt);
  EXPECT_EQ(parseSetLayout("99999999999"), std::nullopt);
}

TEST(CliArguments, StyleSheetNeedsNoInput) {
  EXPECT_EQ(parseCliArguments({"annotate", "-t", "css"}).error, "");
}

}  // namespace
}  // namespace hueset
