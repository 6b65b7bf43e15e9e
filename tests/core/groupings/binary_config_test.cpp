#include "groupings/binary_config.h"

#include <gtest/gtest.h>

#include <sstream>

#include "groupings/builtin_defaults.h"
#include "util/string_table.h"

namespace hueset {
namespace {

// Builds binary configurations field by field, so tests can break one.
class Image {
 public:
  Image& magic() { return bytes("RGFX"); }
  Image& u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) m_bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    return *this;
  }
  Image& str(const std::string& s) { return u32(static_cast<std::uint32_t>(s.size())).bytes(s); }
  Image& bytes(const std::string& s) {
    m_bytes += s;
    return *this;
  }
  Image& byte(char c) {
    m_bytes += c;
    return *this;
  }
  Image& record(const std::string& name, const std::string& residues, char bold = 1) {
    return str(name)
        .str(residues)
        .u32(0x00FF00FF)
        .u32(0x00000000)
        .byte(bold)
        .byte(0)
        .byte(1)
        .byte('m');
  }
  Image& head(std::uint32_t count) { return magic().u32(90).str("Courier New").u32(count); }
  const std::string& get() const { return m_bytes; }

 private:
  std::string m_bytes;
};

void expectCorrupt(const std::string& bytes, const std::string& what) {
  GroupingSet set = builtinDefault(BuiltinDefault::Colour);
  EXPECT_FALSE(readBinary(set, bytes)) << what;
  EXPECT_EQ(set.lineNumber, 1) << what;
  EXPECT_TRUE(set.groupings.empty()) << what;
  EXPECT_TRUE(set.fontName.empty()) << what;
  EXPECT_EQ(set.fontSize, 0) << what;
  EXPECT_EQ(set.lastError, loadString(2010)) << what;
}

TEST(BinaryConfig, WritingTheBuiltinDefaultsGivesTheirImages) {
  for (auto which : {BuiltinDefault::Colour, BuiltinDefault::BlackAndWhite}) {
    EXPECT_EQ(writeBinary(builtinDefault(which)), builtinDefaultImage(which));
  }
  EXPECT_EQ(writeBinary(builtinDefault(BuiltinDefault::Colour)).size(), 1041u);
}

TEST(BinaryConfig, ReadsWhatItWrote) {
  GroupingSet set = builtinDefault(BuiltinDefault::Colour);
  set.fontSize = -3;
  set.fontName = "Font \xE9 with, odd; bytes\r\n";
  set.groupings[7].marker = '\0';
  set.groupings[8].format.italic = true;
  set.groupings[9].active = false;
  GroupingSet back;
  ASSERT_TRUE(readBinary(back, writeBinary(set)));
  EXPECT_EQ(back.lineNumber, 1);
  back.lineNumber = set.lineNumber;
  EXPECT_EQ(back, set);
}

TEST(BinaryConfig, StreamFormsReportThroughTheStream) {
  std::stringstream stream;
  writeBinary(builtinDefault(BuiltinDefault::BlackAndWhite), stream);
  GroupingSet set;
  EXPECT_TRUE(readBinary(set, stream));
  EXPECT_FALSE(stream.fail());
  EXPECT_EQ(set.groupings.size(), 12u);

  std::istringstream text("120;Courier New\r\n");
  EXPECT_FALSE(readBinary(set, text));
  EXPECT_TRUE(text.fail());
  EXPECT_EQ(set.lineNumber, 0);

  std::string damaged(builtinDefaultImage(BuiltinDefault::Colour));
  damaged.back() = 'Y';
  std::istringstream in(damaged);
  EXPECT_FALSE(readBinary(set, in));
  EXPECT_TRUE(in.fail());
  EXPECT_EQ(set.lineNumber, 1);
  EXPECT_EQ(set.lastError, loadString(2010));
}

TEST(BinaryConfig, WrongLeadingMagicOnlyRemovesTheGroupings) {
  GroupingSet set = builtinDefault(BuiltinDefault::Colour);
  set.lastError = "earlier";
  for (const std::string& bytes : {std::string(), std::string("RGF"), std::string("rgfx"),
                                   std::string("90;Courier New\r\n")}) {
    EXPECT_FALSE(readBinary(set, bytes));
    EXPECT_EQ(set.lineNumber, 0);
    EXPECT_TRUE(set.groupings.empty());
    EXPECT_EQ(set.fontName, "Courier New");
    EXPECT_EQ(set.fontSize, 90);
    EXPECT_EQ(set.lastError, "earlier");
  }
}

TEST(BinaryConfig, DamagedTrailingMagicIsCorrupt) {
  std::string bytes(builtinDefaultImage(BuiltinDefault::Colour));
  bytes[bytes.size() - 1] = 'x';
  expectCorrupt(bytes, "damaged trailing magic");
  expectCorrupt(bytes.substr(0, bytes.size() - 4), "no trailing magic");
}

TEST(BinaryConfig, EveryShortenedImageIsCorrupt) {
  const std::string whole(builtinDefaultImage(BuiltinDefault::BlackAndWhite));
  for (std::size_t n = 4; n < whole.size(); ++n)
    expectCorrupt(whole.substr(0, n), std::to_string(n));
}

TEST(BinaryConfig, GroupingCountLimit) {
  Image ok = Image().head(256);
  for (int i = 0; i < 256; ++i) ok.record("G" + std::to_string(i), "A");
  GroupingSet set;
  EXPECT_TRUE(readBinary(set, ok.magic().get()));
  EXPECT_EQ(set.groupings.size(), 256u);

  Image tooMany = Image().head(257);
  for (int i = 0; i < 257; ++i) tooMany.record("G" + std::to_string(i), "A");
  expectCorrupt(tooMany.magic().get(), "257 groupings");
  expectCorrupt(Image().head(0xFFFFFFFFu).magic().get(), "count -1");
}

TEST(BinaryConfig, StringLengthLimit) {
  const std::string longest(1024, 'n');
  GroupingSet set;
  Image ok = Image().head(3).record("Default", "X").record("Single", "X").record(longest, longest);
  ASSERT_TRUE(readBinary(set, ok.magic().get()));
  EXPECT_EQ(set.groupings[2].name, longest);
  EXPECT_EQ(set.groupings[2].residues, longest);

  const std::string tooLong(1025, 'n');
  expectCorrupt(Image()
                    .head(3)
                    .record("Default", "X")
                    .record("Single", "X")
                    .record(tooLong, "A")
                    .magic()
                    .get(),
                "name of 1025");
  expectCorrupt(Image().head(1).record("Default", tooLong).magic().get(), "residues of 1025");
  expectCorrupt(Image().magic().u32(90).str(tooLong).u32(0).magic().get(), "font name of 1025");
  expectCorrupt(Image().magic().u32(90).u32(0xFFFFFFFFu).u32(0).magic().get(), "negative length");
  ASSERT_TRUE(readBinary(set, Image().magic().u32(90).str(longest).u32(0).magic().get()));
  EXPECT_EQ(set.fontName, longest);
}

TEST(BinaryConfig, SpecialGroupingsAreFixedUp) {
  GroupingSet set;
  Image image = Image().head(3);
  image.str("Anything").str("ABC").u32(1).u32(2).byte(0).byte(0).byte(0).byte('.');
  image.str("Else").str("").u32(3).u32(4).byte(0).byte(0).byte(0).byte(' ');
  image.record("Acid", "DE").magic();
  ASSERT_TRUE(readBinary(set, image.get()));
  EXPECT_EQ(set.groupings[0].name, "Default");
  EXPECT_EQ(set.groupings[0].residues, "X");
  EXPECT_TRUE(set.groupings[0].active);
  EXPECT_EQ(set.groupings[1].name, "Single");
  EXPECT_EQ(set.groupings[1].residues, "X");
  EXPECT_FALSE(set.groupings[1].active);  // honoured
  EXPECT_EQ(set.groupings[2].name, "Acid");
}

TEST(BinaryConfig, OneGroupingReadsWithoutFailure) {
  GroupingSet set;
  EXPECT_TRUE(readBinary(set, Image().head(1).record("First", "ABC").magic().get()));
  ASSERT_EQ(set.groupings.size(), 1u);
  EXPECT_EQ(set.groupings[0].name, "Default");
  EXPECT_TRUE(readBinary(set, Image().head(0).magic().get()));
  EXPECT_TRUE(set.groupings.empty());
}

TEST(BinaryConfig, FlagBytesAreNormalised) {
  GroupingSet set;
  ASSERT_TRUE(readBinary(set, Image()
                                  .head(3)
                                  .record("Default", "X")
                                  .record("Single", "X")
                                  .record("Acid", "DE", 2)
                                  .magic()
                                  .get()));
  EXPECT_TRUE(set.groupings[2].format.bold);
  const std::string written = writeBinary(set);
  // The last record's bold byte sits 8 bytes before the trailing magic.
  EXPECT_EQ(written[written.size() - 8], 1);
}

}  // namespace
}  // namespace hueset
