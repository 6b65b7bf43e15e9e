#include "groupings/binary_config.h"

#include <array>
#include <istream>
#include <ostream>
#include <sstream>

#include "groupings/groupings_messages.h"

namespace hueset {
namespace {

// Byte sources the reader works over. Once a read comes up short the source
// stays failed and every later read delivers nothing.
class StreamSource {
 public:
  explicit StreamSource(std::istream& in) : m_in(in) {}
  bool take(char* dst, std::size_t n) {
    if (m_in.fail()) return false;
    m_in.read(dst, static_cast<std::streamsize>(n));
    return !m_in.fail();
  }
  void setFailed() { m_in.setstate(std::ios::failbit); }
  bool failed() const { return m_in.fail(); }

 private:
  std::istream& m_in;
};

class MemorySource {
 public:
  explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
  bool take(char* dst, std::size_t n) {
    if (m_failed) return false;
    if (m_bytes.size() - m_pos < n) {
      m_pos = m_bytes.size();
      m_failed = true;
      return false;
    }
    m_bytes.copy(dst, n, m_pos);
    m_pos += n;
    return true;
  }
  void setFailed() { m_failed = true; }
  bool failed() const { return m_failed; }

 private:
  std::string_view m_bytes;
  std::size_t m_pos = 0;
  bool m_failed = false;
};

template <typename Source>
std::uint32_t takeUint32(Source& source) {
  std::array<char, 4> b{};
  if (!source.take(b.data(), b.size())) return 0;
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[0])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[3])) << 24;
}

template <typename Source>
char takeByte(Source& source) {
  char c = 0;
  source.take(&c, 1);
  return c;
}

// A length-prefixed string; a length outside 0-1024 fails the source
// without reading the bytes.
template <typename Source>
std::string takeString(Source& source) {
  const auto length = static_cast<std::int32_t>(takeUint32(source));
  if (source.failed()) return {};
  if (length < 0 || length > kBinaryConfigMaxString) {
    source.setFailed();
    return {};
  }
  std::string s(static_cast<std::size_t>(length), '\0');
  if (!source.take(s.data(), s.size())) return {};
  return s;
}

template <typename Source>
bool takeMagic(Source& source) {
  std::array<char, 4> b{};
  return source.take(b.data(), b.size()) &&
         std::string_view(b.data(), b.size()) == kBinaryConfigMagic;
}

template <typename Source>
bool readFrom(GroupingSet& set, Source& source) {
  set.lineNumber = 0;
  set.groupings.clear();
  if (!takeMagic(source)) {
    // Not a binary configuration: the caller may try the text form.
    source.setFailed();
    return false;
  }
  set.lineNumber = 1;
  set.fontSize = static_cast<std::int32_t>(takeUint32(source));
  set.fontName = takeString(source);

  std::uint32_t count = takeUint32(source);
  if (count > kBinaryConfigMaxGroupings) {
    source.setFailed();
    count = kBinaryConfigMaxGroupings;
  }
  // Once the source has failed nothing more can be read and the set is
  // emptied below, so the remaining records need not be walked.
  for (std::uint32_t i = 0; i < count && !source.failed(); ++i) {
    ResidueGrouping g;
    g.name = takeString(source);
    g.residues = takeString(source);
    g.format.textColour = takeUint32(source);
    g.format.backColour = takeUint32(source);
    g.format.bold = takeByte(source) != 0;
    g.format.italic = takeByte(source) != 0;
    g.active = takeByte(source) != 0;
    g.marker = takeByte(source);
    set.groupings.push_back(std::move(g));
  }

  // The special groupings are what the program relies on, whatever the file
  // says.
  if (set.groupings.size() > GroupingSet::kDefault) {
    ResidueGrouping& d = set.groupings[GroupingSet::kDefault];
    d.name = "Default";
    d.residues = "X";
    d.active = true;
  }
  if (set.groupings.size() > GroupingSet::kSingle) {
    ResidueGrouping& s = set.groupings[GroupingSet::kSingle];
    s.name = "Single";
    s.residues = "X";
  }

  if (!takeMagic(source)) source.setFailed();
  if (source.failed()) {
    set.groupings.clear();
    set.fontName.clear();
    set.fontSize = 0;
    set.lastError = std::string(loadString(GroupingsMessage::BinaryCorrupt));
    return false;
  }
  return true;
}

void putUint32(std::ostream& out, std::uint32_t v) {
  const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                     static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
  out.write(b, 4);
}

void putString(std::ostream& out, const std::string& s) {
  putUint32(out, static_cast<std::uint32_t>(s.size()));
  out.write(s.data(), static_cast<std::streamsize>(s.size()));
}

}  // namespace

bool readBinary(GroupingSet& set, std::istream& in) {
  StreamSource source(in);
  return readFrom(set, source);
}

bool readBinary(GroupingSet& set, std::string_view bytes) {
  MemorySource source(bytes);
  return readFrom(set, source);
}

void writeBinary(const GroupingSet& set, std::ostream& out) {
  out.write(kBinaryConfigMagic.data(), static_cast<std::streamsize>(kBinaryConfigMagic.size()));
  putUint32(out, static_cast<std::uint32_t>(set.fontSize));
  putString(out, set.fontName);
  putUint32(out, static_cast<std::uint32_t>(set.groupings.size()));
  for (const ResidueGrouping& g : set.groupings) {
    putString(out, g.name);
    putString(out, g.residues);
    putUint32(out, g.format.textColour);
    putUint32(out, g.format.backColour);
    out.put(g.format.bold ? 1 : 0);
    out.put(g.format.italic ? 1 : 0);
    out.put(g.active ? 1 : 0);
    out.put(g.marker);
  }
  out.write(kBinaryConfigMagic.data(), static_cast<std::streamsize>(kBinaryConfigMagic.size()));
}

std::string writeBinary(const GroupingSet& set) {
  std::ostringstream out;
  writeBinary(set, out);
  return out.str();
}

}  // namespace hueset
