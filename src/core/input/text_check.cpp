#include "input/text_check.h"

#include <algorithm>

#include "input/input_messages.h"
#include "util/text_format.h"

namespace hueset {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isControl(unsigned char c) {
  return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v') || c == 0x7F;
}

// Text in UTF-16 has a zero in every other byte wherever it is plain ASCII.
bool looksLikeUtf16(std::string_view head) {
  if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) return true;
  if (head.size() < 16) return false;
  std::size_t evenZeros = 0, oddZeros = 0;
  for (std::size_t i = 0; i < head.size(); ++i) (i % 2 ? oddZeros : evenZeros) += head[i] == '\0';
  const std::size_t half = head.size() / 2;
  return std::max(evenZeros, oddZeros) * 10 >= half * 9 &&
         std::min(evenZeros, oddZeros) * 10 < half;
}

// Control characters, or NULs, in more than a tenth of the bytes.
bool looksBinary(std::string_view head) {
  std::size_t controls = 0;
  std::size_t nuls = 0;
  for (char c : head) {
    nuls += c == '\0';
    controls += c != '\0' && isControl(static_cast<unsigned char>(c));
  }
  return controls * 10 > head.size() || nuls * 10 > head.size();
}

// The first run of carriage returns followed by neither a newline (a
// Windows line end, or one converted twice) nor the text's end; npos when
// there is none.
std::size_t loneCarriageReturn(std::string_view text) {
  for (std::size_t at = text.find('\r'); at != std::string_view::npos;) {
    const std::size_t after = text.find_first_not_of('\r', at);
    if (after == std::string_view::npos) break;
    if (text[after] != '\n') return at;
    at = text.find('\r', after);
  }
  return std::string_view::npos;
}

}  // namespace

CheckedText checkDocumentText(std::string_view bytes) {
  CheckedText document;
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  const std::string_view head = bytes.substr(0, 4096);
  if (looksLikeUtf16(head)) {
    document.problem = std::string(loadString(InputMessage::Utf16Text));
  } else if (looksBinary(head)) {
    document.problem = std::string(loadString(InputMessage::BinaryData));
  } else if (const std::size_t nul = head.find('\0'); nul != std::string_view::npos) {
    // A stray NUL in a text: the user can mend the file at that line.
    document.line = static_cast<int>(std::count(head.begin(), head.begin() + nul, '\n')) + 1;
    document.problem = fillTemplate(loadString(InputMessage::NulByte), document.line);
  }
  document.text = AlignmentText::upToNul(bytes);
  const std::string_view text = document.text;
  if (!document.problem && text.find('\n') == std::string_view::npos &&
      std::count(text.begin(), text.end(), '\r') > 1) {
    document.problem = std::string(loadString(InputMessage::CarriageReturnsOnly));
  } else if (!document.problem) {
    // A line ended by a carriage return alone among other line ends reads
    // joined to the next, and each reader would blame the joined line.
    if (const std::size_t lone = loneCarriageReturn(text); lone != std::string_view::npos) {
      document.line = static_cast<int>(std::count(text.begin(), text.begin() + lone, '\n')) + 1;
      document.problem = fillTemplate(loadString(InputMessage::MixedLineEnds), document.line);
    }
  }
  return document;
}

}  // namespace hueset
