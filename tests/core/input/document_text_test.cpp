#include "input/document_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "support/test_files.h"

namespace hueset {
namespace {

namespace fs = std::filesystem;

const std::string kText = "# STOCKHOLM 1.0\na AC\nb AD\n//\n";

// An istream that hands out its bytes a few at a time, like a pipe.
class TrickleBuffer : public std::streambuf {
 public:
  TrickleBuffer(std::string bytes, std::size_t step) : m_bytes(std::move(bytes)), m_step(step) {}

 protected:
  int_type underflow() override {
    if (m_pos >= m_bytes.size()) return traits_type::eof();
    const std::size_t n = std::min(m_step, m_bytes.size() - m_pos);
    char* begin = m_bytes.data() + m_pos;
    setg(begin, begin, begin + n);
    m_pos += n;
    return traits_type::to_int_type(*begin);
  }

 private:
  std::string m_bytes;
  std::size_t m_step;
  std::size_t m_pos = 0;
};

TEST(DocumentText, GzipIsRecognisedByItsMagicBytesNotItsName) {
  const std::string dir = test::makeTempDir("document-text");
  struct Case {
    const char* what;
    const char* name;
    std::string bytes;
    bool compressed;
  };
  const Case cases[] = {
      {"compressed data under a plain name is inflated", "plain.sto", gzipCompress(kText), true},
      {"plain text under a .gz name is read as it is", "named.sto.gz", kText, false},
      {"plain text stays byte for byte, CR LF and all", "crlf.phy", "2 1\r\na A\r\nb A\r\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = (fs::path(dir) / c.name).string();
    test::writeFile(path, c.bytes);
    const DocumentText document = readDocumentFile(path);
    EXPECT_TRUE(document.ok());
    EXPECT_EQ(document.compressed, c.compressed);
    EXPECT_EQ(document.text, c.compressed ? kText : c.bytes);
    const DocumentText inMemory = decodeDocument(c.bytes);
    EXPECT_EQ(inMemory.text, document.text);
    EXPECT_EQ(inMemory.compressed, c.compressed);
  }
  fs::remove_all(dir);
}

TEST(DocumentText, ReadsAsGunzipDoes) {
  const std::string twoMembers = gzipCompress("first\n") + gzipCompress("second\n");
  const std::string compressed = gzipCompress(kText);
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;  // or, after "damaged: ", the reason in the message
  };
  const Case cases[] = {
      {"concatenated members are one text", twoMembers, "first\nsecond\n"},
      {"zero padding after the last member is ignored", compressed + std::string(700, '\0'), kText},
      {"a member cut short is damaged", compressed.substr(0, compressed.size() - 6),
       "damaged: the data end too early"},
      {"magic bytes without a gzip stream are damaged", std::string("\x1f\x8b\x01\x02\x03", 5),
       "damaged: "},
      {"the empty text is no gzip", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (std::size_t step : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
      TrickleBuffer buffer(c.bytes, step);
      std::istream in(&buffer);
      const DocumentText streamed = readDocument(in);
      const DocumentText whole = decodeDocument(c.bytes);
      if (c.text.starts_with("damaged: ")) {
        EXPECT_EQ(streamed.problem, DocumentText::Problem::Damaged);
        EXPECT_EQ(whole.problem, DocumentText::Problem::Damaged);
        EXPECT_EQ(whole.message.rfind("The file is gzip-compressed, but its data are damaged (", 0),
                  0u)
            << whole.message;
        EXPECT_NE(whole.message.find(c.text.substr(9)), std::string::npos) << whole.message;
      } else {
        EXPECT_TRUE(streamed.ok()) << streamed.message;
        EXPECT_EQ(streamed.text, c.text);
        EXPECT_EQ(whole.text, c.text);
      }
    }
  }
}

TEST(DocumentText, LargeDocumentsStreamThroughInChunks) {
  std::mt19937 random(3);
  std::string text;
  while (text.size() < 3'000'000)
    text += "seq" + std::to_string(random() % 1000) + " ACDEFGHIKLMNPQRSTVWY\n";
  std::istringstream in(gzipCompress(text));
  const DocumentText document = readDocument(in);
  ASSERT_TRUE(document.ok()) << document.message;
  EXPECT_TRUE(document.compressed);
  EXPECT_EQ(document.text, text);
}

// A small file that inflates without end stops at the limit, with the
// limit in its text.
TEST(DocumentText, InflatingStopsAtTheLimit) {
  const std::string bomb = gzipCompress(std::string(std::size_t{5} << 20, 'A'));
  const std::size_t limit = std::size_t{1} << 20;
  std::istringstream in(bomb);
  const DocumentText streamed = readDocument(in, limit);
  const DocumentText whole = decodeDocument(bomb, limit);
  for (const DocumentText* document : {&streamed, &whole}) {
    EXPECT_EQ(document->problem, DocumentText::Problem::TooLarge);
    EXPECT_NE(document->message.find("more than 1 MB"), std::string::npos) << document->message;
    EXPECT_NE(document->message.find("maxInflatedMegabytes"), std::string::npos);
  }
  EXPECT_TRUE(decodeDocument(bomb, 5 * limit).ok()) << "exactly at the limit is read";
}

TEST(DocumentText, MissingFileIsUnreadable) {
  EXPECT_EQ(readDocumentFile("/nonexistent/folder/x.sto.gz").problem,
            DocumentText::Problem::Unreadable);
}

}  // namespace
}  // namespace hueset
