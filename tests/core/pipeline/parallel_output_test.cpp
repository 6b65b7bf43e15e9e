// Consensus and layout run on every core; the bytes must not depend on how
// many there are. Big enough that the layout is cut into several pieces.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>

#include "annotate/tee_writer.h"
#include "figure/output_kinds.h"
#include "groupings/builtin_defaults.h"
#include "output/plain_text_writer.h"
#include "pipeline/annotation_driver.h"
#include "settings/options.h"
#include "support/accepting_interaction.h"

namespace hueset {
namespace {

std::string familyFasta(int sequences, int columns) {
  std::mt19937 random(11);
  const std::string letters = "ACDEFGHIKLMNPQRSTVWY";
  std::string ancestor(static_cast<std::size_t>(columns), 'A');
  for (char& c : ancestor) c = letters[random() % letters.size()];
  std::ostringstream text;
  for (int s = 0; s < sequences; ++s) {
    std::string row = ancestor;
    for (char& c : row) {
      const unsigned roll = random() % 10;
      if (roll < 2) c = letters[random() % letters.size()];
      if (roll == 2) c = '-';
    }
    text << ">s" << s << "\n" << row << "\n";
  }
  return text.str();
}

std::string annotated(const std::string& text, OutputKind kind, int styleMode,
                      const char* threads) {
  setenv("HUESET_THREADS", threads, 1);
  Options options;
  options.parse.confirmFormats = false;
  options.html.styleMode = styleMode;
  options.output.separateColumns = true;
  const GroupingSet groupings = builtinDefault(BuiltinDefault::Colour);
  auto writer = makeWriter(kind, options, groupings);
  std::ostringstream streamed;
  writer->streamTo(&streamed);
  test::AcceptingInteraction quiet;
  RememberedSets remembered;
  EXPECT_TRUE(annotate(text, options, groupings, *writer, quiet, remembered));
  writer->drainToStream();
  unsetenv("HUESET_THREADS");
  return streamed.str();
}

TEST(ParallelOutput, OneThreadGivesTheSameBytesAsMany) {
  const std::string text = familyFasta(60, 50'000);
  struct Case {
    const char* what;
    OutputKind kind;
    int styleMode;
  };
  for (const Case& c :
       {Case{"Rich Text", OutputKind::Rtf, 0}, Case{"HTML, in-line styles", OutputKind::Html, 0},
        Case{"HTML, style sheet", OutputKind::Html, 1}}) {
    const std::string one = annotated(text, c.kind, c.styleMode, "1");
    EXPECT_GT(one.size(), 3'000'000u) << c.what;
    EXPECT_TRUE(one == annotated(text, c.kind, c.styleMode, "3")) << c.what;
  }
}

// The Rich Text clipboard command writes through a tee; forked on every core,
// each writer behind it must still write what it writes alone on one.
TEST(ParallelOutput, WritersBehindATeeGiveTheirOwnBytesOnEveryCore) {
  const std::string text = familyFasta(60, 50'000);
  Options options;
  options.parse.confirmFormats = false;
  options.output.separateColumns = true;
  const GroupingSet groupings = builtinDefault(BuiltinDefault::Colour);
  auto rtf = makeWriter(OutputKind::Rtf, options, groupings);
  auto html = makeWriter(OutputKind::Html, options, groupings);
  PlainTextWriter plain;
  std::ostringstream rtfBytes, htmlBytes, plainBytes;
  rtf->streamTo(&rtfBytes);
  html->streamTo(&htmlBytes);
  plain.streamTo(&plainBytes);
  TeeWriter tee({rtf.get(), html.get(), &plain});
  setenv("HUESET_THREADS", "3", 1);
  test::AcceptingInteraction quiet;
  RememberedSets remembered;
  EXPECT_TRUE(annotate(text, options, groupings, tee, quiet, remembered));
  unsetenv("HUESET_THREADS");
  for (AnnotationWriter* writer : {rtf.get(), html.get(), static_cast<AnnotationWriter*>(&plain)}) {
    writer->drainToStream();
  }
  EXPECT_TRUE(rtfBytes.str() == annotated(text, OutputKind::Rtf, 0, "1"));
  EXPECT_TRUE(htmlBytes.str() == annotated(text, OutputKind::Html, 0, "1"));
  PlainTextWriter alone;
  std::ostringstream aloneBytes;
  alone.streamTo(&aloneBytes);
  setenv("HUESET_THREADS", "1", 1);
  EXPECT_TRUE(annotate(text, options, groupings, alone, quiet, remembered));
  unsetenv("HUESET_THREADS");
  alone.drainToStream();
  EXPECT_GT(plainBytes.str().size(), 3'000'000u);
  EXPECT_TRUE(plainBytes.str() == aloneBytes.str());
}

}  // namespace
}  // namespace hueset
