// The manual page of hueset-cli must name every option --help names.
#include <regex>
#include <set>

#include "cli/cli_arguments.h"
#include "cli_fixture.h"

namespace hueset::test {
namespace {

TEST(CliManual, NamesEveryOptionTheHelpNames) {
  std::string manual = test::readFile(std::string(HUESET_SOURCE_DIR) + "/packaging/hueset-cli.1");
  ASSERT_FALSE(manual.empty()) << "packaging/hueset-cli.1 is missing";
  // Roff writes a hyphen as "\-".
  manual = std::regex_replace(manual, std::regex(R"(\\-)"), "-");

  const std::string help = cli({"--help"}).out;
  std::set<std::string> named;
  const std::regex longOption("--[a-z][a-z-]*");
  for (auto it = std::sregex_iterator(help.begin(), help.end(), longOption);
       it != std::sregex_iterator(); ++it) {
    named.insert(it->str());
  }
  const std::string marker = "Option names for --option: ";
  const std::size_t list = help.find(marker);
  ASSERT_NE(list, std::string::npos);
  const std::regex word("[A-Za-z]+");
  const std::string names = help.substr(list + marker.size());
  for (auto it = std::sregex_iterator(names.begin(), names.end(), word);
       it != std::sregex_iterator(); ++it) {
    named.insert(it->str());
  }
  EXPECT_GT(named.size(), 40u);
  for (const std::string& option : named) {
    EXPECT_NE(manual.find(option), std::string::npos) << option << " is not in the manual page";
  }
}

// Each command's completion offers exactly the options that command takes.
TEST(CliManual, CompletionOffersEachCommandsOptions) {
  const std::string completion =
      test::readFile(std::string(HUESET_SOURCE_DIR) + "/packaging/hueset-cli.bash-completion");
  ASSERT_FALSE(completion.empty()) << "packaging/hueset-cli.bash-completion is missing";
  const struct {
    CliCommand command;
    const char* caseLine;  // the completion's case for the command
  } cases[] = {{CliCommand::Annotate, "    *)"},
               {CliCommand::Read, "    read)"},
               {CliCommand::ConfigDump, "    config)"}};
  for (const auto& c : cases) {
    const std::size_t at = completion.find(c.caseLine);
    ASSERT_NE(at, std::string::npos) << c.caseLine;
    const std::size_t open = completion.find("-W \"", at) + 4;
    std::string expected;
    for (std::string_view word : cliOptionWords(c.command)) {
      expected += (expected.empty() ? "" : " ") + std::string(word);
    }
    std::string offered = completion.substr(open, completion.find('"', open) - open);
    if (c.command == CliCommand::ConfigDump) offered.erase(0, offered.find(" -"));
    EXPECT_EQ(" " + expected, " " + offered.substr(offered.find_first_not_of(' '))) << c.caseLine;
  }
}

}  // namespace
}  // namespace hueset::test
