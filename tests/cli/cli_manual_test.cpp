// The manual page of hueset-cli must name every option --help names.
#include <regex>
#include <set>

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

}  // namespace
}  // namespace hueset::test
