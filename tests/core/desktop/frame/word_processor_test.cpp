#include "desktop/frame/word_processor.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

TEST(WordProcessor, PrefersSofficeThenLibreoffice) {
  std::vector<std::string> asked;
  auto none = [&](std::string_view name) {
    asked.emplace_back(name);
    return std::string();
  };
  EXPECT_EQ(findWriterProgram(none), "");
  EXPECT_EQ(asked, (std::vector<std::string>{"soffice", "libreoffice"}));

  auto onlyLibreoffice = [](std::string_view name) {
    return name == "libreoffice" ? std::string("/usr/bin/libreoffice") : std::string();
  };
  EXPECT_EQ(findWriterProgram(onlyLibreoffice), "/usr/bin/libreoffice");
}

TEST(WordProcessor, WriterOpensANewDocumentFromTheFile) {
  WordProcessorLaunch launch = writerLaunch("/usr/bin/soffice", "/tmp/a b.rtf");
  EXPECT_EQ(launch.program, "/usr/bin/soffice");
  EXPECT_EQ(launch.arguments, (std::vector<std::string>{"--writer", "-n", "/tmp/a b.rtf"}));
}

TEST(WordProcessor, Messages) {
  EXPECT_EQ(wordProcessorMissingMessage(),
            "No compatible version of Word for Windows could be found.\r\n"
            "Please copy and paste the annotation using the Windows Clipboard.");
  EXPECT_EQ(wordProcessorErrorMessage("it broke"),
            "Word for Windows reported the following error in receiving the annotated "
            "sequences.\r\n\"it broke\"\r\nIt might be easier to paste in the results using the "
            "clipboard. ");
  EXPECT_EQ(kWordProcessorErrorCaption, "errorError");
}

}  // namespace
}  // namespace hueset
