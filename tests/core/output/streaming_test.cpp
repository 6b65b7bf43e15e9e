#include <gtest/gtest.h>

#include <sstream>

#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "sample_annotation.h"

namespace hueset {
namespace {

// A streamed document must be the very bytes the writer builds in memory.
template <typename Writer, typename... Args>
void expectStreamedEqualsWhole(Args... args) {
  const GroupingSet groupings = test::globinGroupings();
  Writer whole(args...);
  test::writeGlobins(whole);

  // Enough copies of the sample that the writer drains several times.
  Writer streamed(args...);
  std::ostringstream sink;
  streamed.streamTo(&sink);
  test::writeGlobins(streamed);
  streamed.drainToStream();
  EXPECT_EQ(sink.str(), whole.fileText());
  EXPECT_TRUE(streamed.fileText().empty());
}

TEST(Streaming, RtfStreamsTheSameBytes) {
  expectStreamedEqualsWhole<RtfWriter>(90, std::string("Courier New"));
}

TEST(Streaming, HtmlStreamsTheSameBytes) {
  HtmlWriterSettings settings;
  expectStreamedEqualsWhole<HtmlWriter>(90, std::string("Courier New"), std::string(kHtmlIdPrefix),
                                        settings);
  settings.styleMode = 1;
  expectStreamedEqualsWhole<HtmlWriter>(90, std::string("Courier New"), std::string(kHtmlIdPrefix),
                                        settings);
}

TEST(Streaming, LargeDocumentsDrainAsTheyGo) {
  // Many lines of distinct formats: the writer must not hold the whole text.
  RtfWriter writer(90, "Courier New");
  for (int i = 0; i < 3; ++i)
    writer.addFormat(ResidueFormat{static_cast<Colour>(i * 40), 0xFFFFFF, i == 1, false});
  std::ostringstream sink;
  writer.streamTo(&sink);
  writer.begin();
  std::size_t largestHeld = 0;
  for (int line = 0; line < 10000; ++line) {
    for (int c = 0; c < 60; ++c) {
      writer.setFormat(c % 3);
      writer.appendChar('A');
    }
    writer.newLine();
    largestHeld = std::max(largestHeld, writer.fileText().size());
  }
  writer.end();
  writer.drainToStream();
  EXPECT_GT(sink.str().size(), 3u << 20);
  EXPECT_LT(largestHeld, 2u << 20);
  EXPECT_EQ(sink.str().back(), '}');
}

}  // namespace
}  // namespace hueset
