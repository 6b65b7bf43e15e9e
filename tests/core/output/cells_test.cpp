#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "annotate/tee_writer.h"
#include "output/html_writer.h"
#include "output/plain_text_writer.h"
#include "output/rtf_writer.h"

namespace hueset {
namespace {

using MakeWriter = std::function<std::unique_ptr<AnnotationWriter>()>;

// Cells handed over a line at a time must give the bytes of the same cells
// set one by one: runs written straight into the output take a path of
// their own, and every way out of it is here.
struct CellsCase {
  const char* what;
  std::string cells;
  std::string formats;  // format index bytes; shorter means "Default" after
};

std::string cellByCell(AnnotationWriter& writer, const std::vector<CellsCase>& lines) {
  writer.begin();
  for (const CellsCase& line : lines) {
    writer.appendChar(' ');
    for (std::size_t i = 0; i < line.cells.size(); ++i) {
      writer.setFormat(i < line.formats.size() ? static_cast<unsigned char>(line.formats[i]) : 0);
      writer.appendChar(line.cells[i]);
    }
    writer.setFormat(0);
    writer.newLine();
  }
  writer.end();
  return writer.fileText();
}

std::string wholeLines(AnnotationWriter& writer, const std::vector<CellsCase>& lines) {
  writer.begin();
  for (const CellsCase& line : lines) {
    writer.appendChar(' ');
    writer.appendCells(line.cells, line.formats);
    writer.setFormat(0);
    writer.newLine();
  }
  writer.end();
  return writer.fileText();
}

void addFormats(AnnotationWriter& writer) {
  // Formats 1 and 3 look alike, so they share a style and one run; 2 looks
  // like "Default" and opens nothing in Rich Text.
  writer.addFormat({rgb(0, 0, 0), rgb(255, 255, 255), false, false});
  writer.addFormat({rgb(255, 0, 0), rgb(255, 255, 0), true, false});
  writer.addFormat({rgb(0, 0, 0), rgb(255, 255, 255), false, false});
  writer.addFormat({rgb(255, 0, 0), rgb(255, 255, 0), true, false});
  writer.addFormat({rgb(0, 0, 255), rgb(200, 200, 200), false, true});
}

TEST(Cells, WholeLinesGiveTheBytesOfCellByCell) {
  const std::vector<CellsCase> lines = {
      {"runs of every length", "AAGGGKLLLLMNP",
       "\x01\x01\x04\x04\x04\x00\x01\x01\x03\x03\x02\x04\x00"},
      {"formats sharing a style make one run", "ABCD", std::string("\x01\x03\x01\x03", 4)},
      {"bytes to escape inside complete runs", "A<B{C}&D\\E\"F\xe9G>",
       "\x01\x01\x04\x04\x01\x01\x04\x04\x01\x01\x04\x04\x01\x01\x04\x04\x01"},
      {"a format never added draws as Default", "ABCDEF", "\x01\x09\x09\x04\xff\x01"},
      {"cells past their formats are Default", "ABCDEFGH", "\x04\x01\x04"},
      {"one cell", "A", "\x04"},
      {"no formats at all", "ABC", ""},
  };
  const std::vector<std::pair<const char*, MakeWriter>> writers = {
      {"Rich Text", [] { return std::make_unique<RtfWriter>(90, "Courier New"); }},
      {"HTML, in-line styles",
       [] { return std::make_unique<HtmlWriter>(90, "Courier New", "hs", HtmlWriterSettings{}); }},
      {"HTML, style sheet",
       [] {
         HtmlWriterSettings settings;
         settings.styleMode = 1;
         return std::make_unique<HtmlWriter>(90, "Courier New", "hs", settings);
       }},
      {"plain text", [] { return std::make_unique<PlainTextWriter>(); }},
  };
  for (const auto& [name, make] : writers) {
    for (const CellsCase& line : lines) {
      SCOPED_TRACE(std::string(name) + ": " + line.what);
      // After a first line, so the output is never empty when the runs come.
      const std::vector<CellsCase> document = {lines.front(), line, line};
      auto expected = make();
      addFormats(*expected);
      auto actual = make();
      addFormats(*actual);
      EXPECT_EQ(wholeLines(*actual, document), cellByCell(*expected, document));
    }
  }
}

// A tee hands each writer the cells whole; every writer behind it must end
// with the bytes the tee would have given it run by run, also where the
// tee's format changed with nothing written in it.
TEST(Cells, WritersBehindATeeGetTheBytesOfCellByCell) {
  const auto feed = [](AnnotationWriter& tee, bool whole) {
    tee.begin();
    for (int line = 0; line < 3; ++line) {
      tee.setFormat(1);
      tee.appendChar('A');
      tee.setFormat(4);  // nothing written in it
      const std::string cells = "BC<{DE";
      const std::string formats("\x01\x01\x04\x02\x03", 5);  // the last cell past them
      if (whole) {
        tee.appendCells(cells, formats);
      } else {
        for (std::size_t i = 0; i < cells.size(); ++i) {
          tee.setFormat(i < formats.size() ? static_cast<unsigned char>(formats[i]) : 0);
          tee.appendChar(cells[i]);
        }
      }
      tee.newLine();
    }
    tee.end();
  };
  std::vector<std::string> texts[2];
  for (const bool whole : {false, true}) {
    RtfWriter rtf(90, "Courier New");
    HtmlWriter html(90, "Courier New", "hs", HtmlWriterSettings{});
    PlainTextWriter plain;
    TeeWriter tee({&rtf, &html, &plain});
    addFormats(tee);
    feed(tee, whole);
    texts[whole ? 1 : 0] = {rtf.fileText(), html.fileText(), plain.fileText()};
  }
  EXPECT_EQ(texts[1], texts[0]);
}

}  // namespace
}  // namespace hueset
