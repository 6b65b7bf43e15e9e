#include "input/document_text.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <memory>

#include "input/input_messages.h"
#include "util/text_format.h"

namespace hueset {

namespace {

constexpr std::size_t kChunk = 256 * 1024;
// zlib's window bits plus 16: gzip wrapping only, no raw or zlib streams.
constexpr int kGzipOnly = 15 + 16;

// Runs one zlib step (inflate or deflate) straight onto the end of `out`,
// with a chunk of room: no copy. Returns the step's status. The text grows
// by doubling, as a string does, but the step that would pass `mostKept`
// goes straight to it (and a chunk), so a text about to be refused for its
// size is never copied into a larger one first.
int stepOnto(std::string& out, z_stream& stream, int (*step)(z_streamp, int), int flush,
             std::size_t mostKept = std::numeric_limits<std::size_t>::max() - kChunk) {
  const std::size_t before = out.size();
  if (out.capacity() < before + kChunk) {
    const std::size_t doubled = out.capacity() * 2;
    out.reserve(std::max(doubled >= mostKept ? mostKept + kChunk : doubled, before + kChunk));
  }
  out.resize(before + kChunk);
  stream.next_out = reinterpret_cast<Bytef*>(out.data() + before);
  stream.avail_out = static_cast<uInt>(kChunk);
  const int status = step(&stream, flush);
  out.resize(before + kChunk - stream.avail_out);
  return status;
}

// Inflates gzip members fed to it in chunks of any size.
class GzipInflater {
 public:
  explicit GzipInflater(std::size_t limit) : m_limit(limit) {
    m_ready = inflateInit2(&m_stream, kGzipOnly) == Z_OK;
  }
  ~GzipInflater() {
    if (m_ready) inflateEnd(&m_stream);
  }
  GzipInflater(const GzipInflater&) = delete;
  GzipInflater& operator=(const GzipInflater&) = delete;

  // Inflates `input` onto `out`. False (with a reason) when the data are
  // damaged.
  bool feed(std::string_view input, std::string& out) {
    if (!m_ready) return failed("out of memory");
    while (!input.empty()) {
      if (m_betweenMembers) {
        // gunzip's rule: after a complete member, more gzip data are another
        // member, and anything else is trailing padding to ignore.
        if (m_ignoreRest) return true;
        if (!startsAnotherMember(input)) {
          m_ignoreRest = true;
          return true;
        }
        inflateReset(&m_stream);
        m_betweenMembers = false;
      }
      m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
      m_stream.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), 1u << 30));
      const std::size_t offered = m_stream.avail_in;
      int status = Z_OK;
      do {
        status = stepOnto(out, m_stream, inflate, Z_NO_FLUSH, m_limit);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
          return failed(m_stream.msg ? m_stream.msg : "not gzip data");
        }
        if (out.size() > m_limit) {
          m_tooLarge = true;
          return false;
        }
      } while (status == Z_OK && (m_stream.avail_in > 0 || m_stream.avail_out == 0));
      input.remove_prefix(offered - m_stream.avail_in);
      if (status == Z_STREAM_END) m_betweenMembers = true;
    }
    return true;
  }

  // True once the data ended at the end of a member.
  bool finish() { return m_betweenMembers || failed("the data end too early"); }

  const std::string& reason() const { return m_reason; }
  // The data inflated beyond the limit (rather than being damaged).
  bool tooLarge() const { return m_tooLarge; }
  std::size_t limit() const { return m_limit; }

 private:
  bool startsAnotherMember(std::string_view input) {
    // A magic byte split across two chunks counts as a member start.
    if (input.size() == 1) return static_cast<unsigned char>(input[0]) == 0x1f;
    return isGzip(input);
  }
  bool failed(std::string reason) {
    m_reason = std::move(reason);
    return false;
  }

  z_stream m_stream{};
  std::size_t m_limit;
  bool m_tooLarge = false;
  bool m_ready = false;
  bool m_betweenMembers = false;
  bool m_ignoreRest = false;
  std::string m_reason;
};

// Why the inflater stopped, as the document's problem.
DocumentText failedInflating(const GzipInflater& inflater) {
  DocumentText document;
  document.compressed = true;
  if (inflater.tooLarge()) {
    document.problem = DocumentText::Problem::TooLarge;
    document.message = fillTemplate(loadString(InputMessage::GzipTooLarge),
                                    static_cast<long long>(inflater.limit() >> 20));
  } else {
    document.problem = DocumentText::Problem::Damaged;
    document.message = fillTemplate(loadString(InputMessage::GzipDamaged), 0, inflater.reason());
  }
  return document;
}

}  // namespace

bool isGzip(std::string_view bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
         static_cast<unsigned char>(bytes[1]) == 0x8b;
}

DocumentText readDocument(std::istream& in, std::size_t inflateLimit) {
  DocumentText document;
  auto buffer = std::make_unique<char[]>(kChunk);
  std::unique_ptr<GzipInflater> inflater;
  bool first = true;
  while (in) {
    in.read(buffer.get(), static_cast<std::streamsize>(kChunk));
    const std::string_view chunk(buffer.get(), static_cast<std::size_t>(in.gcount()));
    if (chunk.empty()) break;
    if (first) {
      first = false;
      // The magic bytes decide, never the name. (A first chunk of a single
      // byte only comes from a one-byte document.)
      if (isGzip(chunk)) inflater = std::make_unique<GzipInflater>(inflateLimit);
    }
    if (!inflater) {
      document.text.append(chunk);
    } else if (!inflater->feed(chunk, document.text)) {
      return failedInflating(*inflater);
    }
  }
  if (in.bad()) {
    DocumentText unreadable;
    unreadable.problem = DocumentText::Problem::Unreadable;
    return unreadable;
  }
  if (inflater) {
    if (!inflater->finish()) return failedInflating(*inflater);
    document.compressed = true;
  }
  return document;
}

DocumentText readDocumentFile(const std::string& path, std::size_t inflateLimit) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    DocumentText unreadable;
    unreadable.problem = DocumentText::Problem::Unreadable;
    return unreadable;
  }
  return readDocument(file, inflateLimit);
}

DocumentText decodeDocument(std::string bytes, std::size_t inflateLimit) {
  DocumentText document;
  if (!isGzip(bytes)) {
    document.text = std::move(bytes);
    return document;
  }
  GzipInflater inflater(inflateLimit);
  if (!inflater.feed(bytes, document.text) || !inflater.finish()) return failedInflating(inflater);
  document.compressed = true;
  return document;
}

std::string gzipCompress(std::string_view text) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipOnly, 8, Z_DEFAULT_STRATEGY) !=
      Z_OK) {
    return {};
  }
  std::string out;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  int status = Z_OK;
  while (status == Z_OK) status = stepOnto(out, stream, deflate, Z_FINISH);
  deflateEnd(&stream);
  return out;
}

}  // namespace hueset
