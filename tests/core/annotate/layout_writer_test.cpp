#include <gtest/gtest.h>

#include "annotate/annotation_writer.h"
#include "figure/output_kinds.h"
#include "recording_writer.h"
#include "support/writer_formats.h"

namespace hueset {
namespace {

using namespace test;

constexpr ResidueFormat kBlueItalic{rgb(0, 0, 255), rgb(255, 255, 255), true, false};

TEST(AnnotationWriter, EqualFormatsShareOneStyle) {
  RecordingWriter writer;
  for (const auto& f : {kPlain, kRedBold, kBlueItalic, kRedBold, kPlain}) writer.addFormat(f);
  EXPECT_EQ(writer.formatCount(), 5);
  ASSERT_EQ(writer.styles().size(), 3u);
  EXPECT_EQ(writer.styles()[1], kRedBold);
  EXPECT_EQ(writer.styleOf(0), 0);
  EXPECT_EQ(writer.styleOf(1), 1);
  EXPECT_EQ(writer.styleOf(2), 2);
  EXPECT_EQ(writer.styleOf(3), 1);
  EXPECT_EQ(writer.styleOf(4), 0);
  // An index that was never added is drawn as "Default".
  EXPECT_EQ(writer.styleOf(200), 0);
}

TEST(AnnotationWriter, FormatsDifferingInOneFlagAreDifferentStyles) {
  RecordingWriter writer;
  writer.addFormat(kPlain);
  ResidueFormat italic = kPlain;
  italic.italic = true;
  writer.addFormat(italic);
  ResidueFormat otherBack = kPlain;
  otherBack.backColour = rgb(255, 255, 254);
  writer.addFormat(otherBack);
  EXPECT_EQ(writer.styles().size(), 3u);
}

TEST(AnnotationWriter, SetFormatOfTheSameStyleContinuesTheRun) {
  RecordingWriter writer;
  for (const auto& f : {kPlain, kRedBold, kRedBold, kPlain}) writer.addFormat(f);
  writer.begin();
  writer.appendText("ab");
  writer.setFormat(3);  // looks like "Default"
  EXPECT_EQ(writer.currentFormat(), 0);
  writer.appendText("c");
  writer.setFormat(1);
  EXPECT_EQ(writer.currentFormat(), 1);
  writer.appendText("D");
  writer.setFormat(2);
  EXPECT_EQ(writer.currentFormat(), 1);
  writer.appendText("E");
  writer.end();
  EXPECT_EQ(writer.transcript, "{0:abc}{1:DE}");
}

TEST(AnnotationWriter, BeginAndEndFrameTheDocument) {
  RecordingWriter writer;
  writer.addFormat(kPlain);
  writer.addFormat(kRedBold);
  EXPECT_FALSE(writer.started());
  writer.appendText("left over");
  writer.begin();
  EXPECT_TRUE(writer.started());
  EXPECT_EQ(writer.currentFormat(), 0);
  EXPECT_EQ(writer.beginCount, 1);
  writer.setFormat(1);
  writer.appendText("X");
  writer.end();
  EXPECT_FALSE(writer.started());
  EXPECT_EQ(writer.endCount, 1);
  // Text from before begin is dropped; the last run is flushed by end.
  EXPECT_EQ(writer.transcript, "{1:X}");
}

TEST(AnnotationWriter, AWriterWithoutFormatsGetsAPlainDefault) {
  RecordingWriter writer;
  writer.begin();
  writer.setFormat(5);
  writer.appendText("x");
  writer.end();
  ASSERT_EQ(writer.styles().size(), 1u);
  EXPECT_EQ(writer.styles()[0], kPlain);
  EXPECT_EQ(writer.transcript, "{0:x}");
}

TEST(ClipboardFormat, RegisteredNames) {
  EXPECT_EQ(registeredClipboardName(OutputKind::Rtf), "Rich Text Format");
  EXPECT_EQ(registeredClipboardName(OutputKind::Html), "HTML Format");
  EXPECT_EQ(registeredClipboardName(OutputKind::PlainText), "");
}

}  // namespace
}  // namespace hueset
