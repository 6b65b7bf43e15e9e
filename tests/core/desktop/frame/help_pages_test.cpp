// The help pages keep up with the tables: a format, output kind, options
// page or option added there and forgotten in the help fails here.
#include <gtest/gtest.h>

#include <string>

#include "desktop/options/options_pages.h"
#include "figure/output_kinds.h"
#include "input/format_table.h"
#include "settings/option_table.h"
#include "support/test_files.h"

namespace hueset {
namespace {

std::string helpPage(const std::string& name) {
  const std::string text =
      test::readFile(std::string(HUESET_SOURCE_DIR) + "/src/gui/resources/help/" + name);
  EXPECT_FALSE(text.empty()) << name << " is missing";
  return text;
}

TEST(HelpPages, FormatsPageNamesEveryFormatAndExtension) {
  const std::string page = helpPage("formats.html");
  for (const FormatDescriptor& row : formatTable()) {
    EXPECT_NE(page.find(std::string(row.family)), std::string::npos) << row.family;
    for (std::string_view extension : extensionsOf(row)) {
      EXPECT_NE(page.find("." + std::string(extension)), std::string::npos) << extension;
    }
  }
}

TEST(HelpPages, FiguresPageNamesEveryKindWithItsExtensions) {
  const std::string page = helpPage("figures.html");
  for (const OutputKindInfo& info : outputKinds()) {
    // The first extension opens the kind's cell, the others follow it.
    for (std::size_t e = 0; e < info.extensions.size(); ++e) {
      const std::string written = (e == 0 ? "<td>." : ", .") + std::string(info.extensions[e]);
      EXPECT_NE(page.find(written), std::string::npos) << info.name << " " << written;
    }
  }
}

// Every options page has its heading, and every option is named, so a
// reader of the command line's --option finds what each name does.
TEST(HelpPages, OptionsPageHasEveryPageAndNamesEveryOption) {
  const std::string page = helpPage("options.html");
  for (int index = 0; index < kOptionsPageCount; ++index) {
    const std::string caption(optionsPageInfo(optionsPageAt(index)).caption);
    EXPECT_NE(page.find("<h2>" + caption + "</h2>"), std::string::npos) << caption;
  }
  for (const OptionInfo& option : optionList()) {
    EXPECT_NE(page.find("<tt>" + std::string(option.name) + "</tt>"), std::string::npos)
        << option.name;
  }
}

}  // namespace
}  // namespace hueset
