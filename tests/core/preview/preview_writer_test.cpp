#include "preview/preview_writer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "annotate/layout.h"
#include "annotate/tee_writer.h"
#include "core/annotate/recording_writer.h"

namespace hueset {
namespace {

using test::addDistinctFormats;
using test::RecordingWriter;

// Two sets and a prediction row, eight columns, with a stand-in for elided
// columns 3 to 8 in columns 2 to 4 (one sequence shows "(5)", its count).
AnnotatedAlignment sample() {
  AnnotatedAlignment a;
  Alignment first;
  first.length = 8;
  first.names = {"alpha/11-30   ", "beta          "};
  first.residues = {"AC(5)GHI", "AC-D-GHI"};
  ConsensusRows firstFormats;
  firstFormats.label = "Consensus     ";
  firstFormats.row = "**...*..";
  firstFormats.formats = {std::string("\1\1\0\0\0\2\2\3", 8), std::string("\1\1\0\0\0\2\2\0", 8)};
  Alignment second;
  second.length = 8;
  second.names = {"gamma         "};
  second.residues = {"ACDEFGHI"};
  ConsensusRows secondFormats;
  secondFormats.label = "Consensus     ";
  secondFormats.row = "........";
  secondFormats.formats = {std::string(8, '\2')};
  Alignment predictions;
  predictions.length = 8;
  predictions.trackLabels = {"Prediction    "};
  predictions.tracks = {"HHHEEE--"};
  a.sets = {first, second, predictions};
  a.results = {firstFormats, secondFormats, ConsensusRows{}};
  a.columnNumbers = {1, 2, 0, 0, 0, 9, 10, 11};
  return a;
}

PreviewWriter previewWriter() {
  GroupingSet groupings;
  groupings.fontName = "Courier New";
  groupings.fontSize = 100;
  return PreviewWriter(groupings, ConsensusSettings{}, "");
}

// The document the preview writer makes of `annotated`, four formats given.
PreviewDocument previewOf(const AnnotatedAlignment& annotated, int wrap, int group,
                          const LayoutMarks& marks = {}) {
  PreviewWriter writer = previewWriter();
  addDistinctFormats(writer, 4);
  writer.begin();
  layOut(annotated, wrap, group, writer, marks);
  writer.end();
  return *writer.takeDocument();
}

// The layout's runs, line by line, as the test writer writes them.
std::string transcriptOf(const PreviewDocument& d) {
  std::string out;
  for (std::size_t line = 0; line < d.lines.size(); ++line) {
    const std::string_view text = d.lineText(line);
    const std::vector<PreviewRun> runs = d.lineRuns(line);
    for (std::size_t r = 0; r < runs.size(); ++r) {
      const std::size_t end = r + 1 < runs.size() ? runs[r + 1].start : text.size();
      out += "{" + std::to_string(runs[r].style) + ":" +
             std::string(text.substr(runs[r].start, end - runs[r].start)) + "}";
    }
    out += "/N";
  }
  return out;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

TEST(PreviewWriter, RecordsTheRunsAndLinesTheLayoutGivesAWriter) {
  for (const LayoutMarks marks : {LayoutMarks{}, LayoutMarks{true, true, 5}}) {
    SCOPED_TRACE(marks.ruler ? "with numbers and ruler" : "plain");
    RecordingWriter recording;
    PreviewWriter preview = previewWriter();
    TeeWriter tee({&recording, &preview});
    addDistinctFormats(tee, 4);
    tee.begin();
    layOut(sample(), 5, 2, tee, marks);
    tee.end();
    // A block ends in two empty lines and a set gap ends its line, as in
    // Rich Text.
    std::string expected = replaced(replaced(recording.transcript, "/B", "/N/N"), "/S", "/N");
    EXPECT_EQ(transcriptOf(preview.document()), expected);
    // The tee passes on what the layout says about the alignment and lines.
    EXPECT_EQ(preview.document().names.size(), 3u);
    EXPECT_TRUE(preview.document().lines.front().hasContent);
  }
}

// The preview shows a figure's title above and legend below, in lines that
// show no alignment cells (hovering finds nothing there), and neither when
// they are off.
TEST(PreviewWriter, ShowsTheFiguresTitleAndLegend) {
  FigureLegend legend;
  legend.heading = "Consensus (80%):";
  legend.entries = {{"Hydrophobic", 1, 'h'}, {"Polar", 2, 'p'}};
  for (const bool shown : {true, false}) {
    SCOPED_TRACE(shown ? "shown" : "off");
    PreviewWriter writer = previewWriter();
    if (shown) writer.showTitleAndLegend("Four globins", legend);
    addDistinctFormats(writer, 4);
    writer.begin();
    layOut(sample(), 8, 8, writer, {});
    writer.end();
    const PreviewDocument& d = writer.document();
    const std::string transcript = transcriptOf(d);
    EXPECT_EQ(transcript.rfind("{0:Four globins}/N/N", 0) == 0, shown) << transcript;
    // As wide as the widest line: a swatch and its name stay together.
    const std::string legendLine =
        "{0:Consensus (80%):}/N{1: h }{0: Hydrophobic,}/N{2: p }{0: Polar}/N";
    EXPECT_EQ(transcript.size() >= legendLine.size() &&
                  transcript.compare(transcript.size() - legendLine.size(), legendLine.size(),
                                     legendLine) == 0,
              shown)
        << transcript;
    EXPECT_EQ(d.lines.front().hasContent, !shown);
    EXPECT_FALSE(d.lines.back().hasContent);
  }
}

TEST(PreviewWriter, SetGapsAreHalfALine) {
  const PreviewDocument d = previewOf(sample(), 8, 8);
  // alpha, beta, consensus | gamma, consensus | prediction, two blank lines.
  std::vector<std::uint32_t> tops;
  for (const PreviewLine& line : d.lines) tops.push_back(line.top);
  EXPECT_EQ(tops, (std::vector<std::uint32_t>{0, 2, 4, 7, 9, 12, 14, 16}));
  EXPECT_EQ(d.height, 18u);
}

// Every described line's cells, found from what the layout said, hold the
// characters of its row; with residue numbers, a ruler and column groups.
TEST(PreviewWriter, LinesSayWhereTheirCellsAre) {
  const AnnotatedAlignment annotated = sample();
  for (const int group : {1, 2, 8}) {
    SCOPED_TRACE(group);
    const PreviewDocument d = previewOf(annotated, 3, group, LayoutMarks{true, true, 1});
    int described = 0;
    std::vector<std::size_t> ticks;
    for (std::size_t i = 0; i < d.lines.size(); ++i) {
      const PreviewLine& line = d.lines[i];
      if (!line.hasContent) continue;
      ++described;
      const LineContent& c = line.content;
      EXPECT_EQ(c.groupWidth, static_cast<std::uint32_t>(group));
      const std::string_view text = d.lineText(i);
      for (std::uint32_t k = 0; k < c.columns; ++k) {
        const std::size_t at = c.firstCell + k + k / c.groupWidth;
        const std::size_t column = c.firstColumn + k;
        if (c.kind == LineContent::Kind::Ruler) {
          if (at < text.size() && text[at] == '|') ticks.push_back(column);
          continue;
        }
        const Alignment& set = annotated.sets[c.set];
        const std::string& row = c.kind == LineContent::Kind::Sequence
                                     ? set.residues[c.row]
                                     : extraRowCells(annotated, c.set, c.row);
        ASSERT_LT(at, text.size()) << "line " << i;
        EXPECT_EQ(text[at], row[column]) << "line " << i << " column " << column;
        EXPECT_EQ(text[at - 1], k % c.groupWidth == 0 ? ' ' : row[column - 1]);
      }
    }
    // Three blocks of two ruler lines and six rows; alignment column 10 is
    // the seventh shown, and its tick is over its cell.
    EXPECT_EQ(described, 3 * (2 + 6));
    EXPECT_EQ(ticks, std::vector<std::size_t>{6});
  }
}

// Numbers count across blocks, skip gaps and count what elision hid, from
// the start a name gives; every block has its own line of each sequence.
TEST(ResidueNumberAt, CountsAsResidueNumbersDo) {
  const PreviewDocument d = previewOf(sample(), 3, 3);
  EXPECT_EQ(d.names[0], (std::vector<std::string>{"alpha/11-30", "beta"}));
  // The line of sequence `row` of set 0 that shows `column`.
  auto lineOf = [&d](std::uint32_t row, std::size_t column) {
    for (std::size_t i = 0; i < d.lines.size(); ++i) {
      const LineContent& c = d.lines[i].content;
      if (d.lines[i].hasContent && c.kind == LineContent::Kind::Sequence && c.set == 0 &&
          c.row == row && column >= c.firstColumn && column < c.firstColumn + c.columns) {
        return i;
      }
    }
    return d.lines.size();
  };
  struct Case {
    const char* what;
    std::uint32_t row;
    std::size_t column;
    std::optional<std::int64_t> expected;
  };
  // alpha "AC(5)GHI" from 11, beta "AC-D-GHI" from 1; blocks of three columns.
  const Case cases[] = {
      {"the first residue takes the name's start", 0, 0, 11},
      {"after two residues and the five elided", 0, 5, 18},
      {"in the third block", 0, 7, 20},
      {"the stand-in itself is no residue", 0, 2, std::nullopt},
      {"a gap is no residue", 1, 2, std::nullopt},
      {"gaps are not counted", 1, 7, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(residueNumberAt(d, lineOf(c.row, c.column), c.column), c.expected);
  }
}

TEST(ResiduesInCells, LettersAndElidedCounts) {
  const ColumnNumbers elided = {1, 0, 0, 0, 0, 9};
  struct Case {
    const char* what;
    std::string cells;
    std::size_t from, to;
    ColumnNumbers numbers;
    std::int64_t expected;
  };
  const Case cases[] = {
      {"letters of either case, no gaps", "Ac-D.e", 0, 6, {}, 4},
      {"a stand-in's count where its bracket is", "A(12)B", 0, 6, elided, 14},
      {"the count read on past the end", "A(12)B", 0, 2, elided, 13},
      {"a bracket outside a stand-in is a gap", "A(12)B", 0, 6, {}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(residuesInCells(c.cells, c.from, c.to, 0, c.numbers), c.expected);
  }
}

}  // namespace
}  // namespace hueset
