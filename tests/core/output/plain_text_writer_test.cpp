#include "output/plain_text_writer.h"

#include <gtest/gtest.h>

#include "output/html_writer.h"
#include "sample_annotation.h"

namespace hueset {
namespace {

// The text a browser shows of the page's preformatted block: the tags
// dropped, the character references read.
std::string shownText(const std::string& page) {
  const std::size_t from = page.find("<PRE>") + 5;
  const std::size_t to = page.find("</SPAN>");
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    if (page[i] == '<') {
      i = page.find('>', i);
      continue;
    }
    if (page[i] == '&') {
      const std::size_t semicolon = page.find(';', i);
      const std::string name = page.substr(i + 1, semicolon - i - 1);
      text.push_back(name == "lt" ? '<' : name == "gt" ? '>' : name == "amp" ? '&' : '"');
      i = semicolon;
      continue;
    }
    text.push_back(page[i]);
  }
  return text;
}

TEST(PlainTextWriter, ReadsAsTheHtmlPageShowsTheAnnotation) {
  const LayoutMarks marks{true, true, 10};
  PlainTextWriter plain;
  test::writeGlobins(plain, marks);
  HtmlWriter html(100, "Courier New", "hs", HtmlWriterSettings{});
  test::writeGlobins(html, marks);

  // The page ends its last line in the block; the text leaves it to the reader.
  EXPECT_EQ(plain.fileText() + "\n", shownText(html.fileText()));
  EXPECT_EQ(plain.clipboardFormat(0), OutputKind::PlainText);
  EXPECT_EQ(plain.clipboardText(0), plain.fileText());
}

}  // namespace
}  // namespace hueset
