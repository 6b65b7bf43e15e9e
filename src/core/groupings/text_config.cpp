#include "groupings/text_config.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <sstream>

#include "groupings/groupings_messages.h"
#include "util/text_format.h"

namespace hueset {
namespace {

// Numbers end at blanks too; names, residues and markers may hold blanks.
constexpr std::string_view kNumberSeparators = " ;,\t\r";
constexpr std::string_view kTextSeparators = ";,\t\r";

bool isSeparator(char c, std::string_view separators) {
  return separators.find(c) != std::string_view::npos;
}

// The fields of one line (without its LF). Separators before a field are
// skipped, so several in a row count as one; the separator that ends a field
// is used up with it.
class FieldCursor {
 public:
  explicit FieldCursor(std::string_view line) : m_line(line) {}

  std::optional<std::string_view> next(std::string_view separators) {
    while (m_pos < m_line.size() && isSeparator(m_line[m_pos], separators)) ++m_pos;
    if (m_pos >= m_line.size()) return std::nullopt;
    const std::size_t start = m_pos;
    while (m_pos < m_line.size() && !isSeparator(m_line[m_pos], separators)) ++m_pos;
    std::string_view field = m_line.substr(start, m_pos - start);
    if (m_pos < m_line.size()) ++m_pos;  // the separator that ended the field
    return field;
  }

  // What follows the last field and its separator.
  std::string_view rest() const { return m_line.substr(m_pos); }

 private:
  std::string_view m_line;
  std::size_t m_pos = 0;
};

// An unsigned decimal number that must fill the whole field: leading white
// space skipped, an optional sign, a minus negating modulo 2^32. Values past
// 32 bits saturate, as the C library's conversion does.
std::optional<std::uint32_t> parseNumber(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && isSpace(field[i])) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  if (i >= field.size()) return std::nullopt;
  std::uint64_t value = 0;
  bool overflow = false;
  for (; i < field.size(); ++i) {
    const char c = field[i];
    if (c < '0' || c > '9') return std::nullopt;
    if (!overflow) {
      value = value * 10 + static_cast<std::uint64_t>(c - '0');
      if (value > 0xFFFFFFFFu) overflow = true;
    }
  }
  if (overflow) return 0xFFFFFFFFu;
  auto result = static_cast<std::uint32_t>(value);
  return negative ? static_cast<std::uint32_t>(0u - result) : result;
}

bool startsComment(std::string_view field) { return field.substr(0, 2) == "//"; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (toLowerAscii(a[i]) != toLowerAscii(b[i])) return false;
  }
  return true;
}

// The first field of a line; none, with `skipped`, for a blank or comment
// line, which the font line and grouping lines alike may be.
std::optional<std::string_view> firstField(FieldCursor& fields, std::string_view separators,
                                           bool& skipped) {
  auto field = fields.next(separators);
  skipped = !field || startsComment(*field);
  if (skipped) return std::nullopt;
  return field;
}

// Reads one grouping line; returns none and fills `grouping`, or the message.
// A blank or comment line gives `skipped`.
std::optional<GroupingsMessage> readGroupingLine(std::string_view line, ResidueGrouping& grouping,
                                                 bool& skipped) {
  FieldCursor fields(line);
  auto name = firstField(fields, kTextSeparators, skipped);
  if (!name) return std::nullopt;
  grouping.name = std::string(*name);

  auto residues = fields.next(kTextSeparators);
  if (!residues) return GroupingsMessage::NoResidues;
  std::string letters(*residues);
  if (!std::all_of(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
    return GroupingsMessage::ResidueNotUpper;
  }
  std::sort(letters.begin(), letters.end());
  if (std::adjacent_find(letters.begin(), letters.end()) != letters.end())
    return GroupingsMessage::ResidueRepeated;
  grouping.residues = std::move(letters);

  std::uint32_t numbers[9] = {};
  for (auto& number : numbers) {
    auto field = fields.next(kNumberSeparators);
    if (!field) return GroupingsMessage::BadFormat;
    auto value = parseNumber(*field);
    if (!value) return GroupingsMessage::BadFormat;
    number = *value;
  }
  auto marker = fields.next(kTextSeparators);
  if (!marker) return GroupingsMessage::BadFormat;

  grouping.format.textColour = rgb(numbers[0], numbers[1], numbers[2]);
  grouping.format.backColour = rgb(numbers[3], numbers[4], numbers[5]);
  grouping.format.bold = numbers[6] != 0;
  grouping.format.italic = numbers[7] != 0;
  grouping.active = numbers[8] != 0;
  grouping.marker = (*marker)[0];
  return std::nullopt;
}

// Reads the font line; returns none or the message. Sets `skipped` for a
// blank or comment line.
std::optional<GroupingsMessage> readFontLine(std::string_view line, GroupingSet& set,
                                             bool& skipped) {
  FieldCursor fields(line);
  auto size = firstField(fields, kNumberSeparators, skipped);
  if (!size) return std::nullopt;
  auto value = parseNumber(*size);
  if (!value) return GroupingsMessage::BadFontLine;
  // The name is everything after the one character that ended the size, up
  // to the next CR, blanks and commas included.
  std::string_view name = fields.rest();
  name = name.substr(0, name.find('\r'));
  if (name.empty()) return GroupingsMessage::BadFontLine;
  if (*value < static_cast<std::uint32_t>(GroupingSet::kSmallestFontSize) ||
      *value > static_cast<std::uint32_t>(GroupingSet::kLargestFontSize)) {
    return GroupingsMessage::FontSizeOutOfRange;
  }
  set.fontSize = static_cast<std::int32_t>(*value);
  set.fontName = std::string(name);
  return std::nullopt;
}

bool fail(GroupingSet& set, GroupingsMessage id) {
  set.groupings.clear();
  set.fontName.clear();
  set.fontSize = 0;
  set.lastError = std::string(loadString(id));
  return false;
}

}  // namespace

bool readText(GroupingSet& set, std::string_view text) {
  // The text is a zero-terminated string: a zero byte ends it.
  text = text.substr(0, text.find('\0'));
  set.groupings.clear();
  set.lineNumber = 0;

  std::size_t pos = 0;
  // The font line must end with an LF.
  for (;;) {
    const std::size_t lf = text.find('\n', pos);
    if (lf == std::string_view::npos) return fail(set, GroupingsMessage::NoData);
    ++set.lineNumber;
    std::string_view line = text.substr(pos, lf - pos);
    pos = lf + 1;
    bool skipped = false;
    if (auto error = readFontLine(line, set, skipped)) return fail(set, *error);
    if (!skipped) break;
  }

  // Grouping lines; the last need not end with an LF.
  while (pos < text.size()) {
    std::size_t lf = text.find('\n', pos);
    if (lf == std::string_view::npos) lf = text.size();
    ++set.lineNumber;
    std::string_view line = text.substr(pos, lf - pos);
    pos = lf + 1;

    ResidueGrouping grouping;
    bool skipped = false;
    if (auto error = readGroupingLine(line, grouping, skipped)) return fail(set, *error);
    if (skipped) continue;
    if (set.groupings.size() == GroupingSet::kDefault) {
      if (!equalsIgnoringCase(grouping.name, "Default"))
        return fail(set, GroupingsMessage::FirstNotDefault);
      grouping.residues = "X";
      grouping.active = true;
    } else if (set.groupings.size() == GroupingSet::kSingle) {
      if (!equalsIgnoringCase(grouping.name, "Single"))
        return fail(set, GroupingsMessage::SecondNotSingle);
      grouping.residues = "X";
    }
    set.groupings.push_back(std::move(grouping));
  }

  set.lineNumber = 0;
  set.lastError.clear();
  return true;
}

void writeText(const GroupingSet& set, std::ostream& out) {
  out << loadString(GroupingsMessage::TextFileHeader)
      << loadString(GroupingsMessage::TextFileLineHelp);
  out << set.fontSize << ';' << set.fontName << "\r\n";
  for (const ResidueGrouping& g : set.groupings) {
    const ResidueFormat& f = g.format;
    out << g.name << ';' << g.residues << ';';
    out << redOf(f.textColour) << ',' << greenOf(f.textColour) << ',' << blueOf(f.textColour)
        << ';';
    out << redOf(f.backColour) << ',' << greenOf(f.backColour) << ',' << blueOf(f.backColour)
        << ';';
    out << (f.bold ? 1 : 0) << ';' << (f.italic ? 1 : 0) << ';' << (g.active ? 1 : 0) << ';';
    out.put(g.marker);
    out << "\r\n";
  }
}

std::string writeText(const GroupingSet& set) {
  std::ostringstream out;
  writeText(set, out);
  return out.str();
}

}  // namespace hueset
