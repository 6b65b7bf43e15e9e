#include "output/cf_html.h"

#include <array>
#include <cstring>

#include "util/text_format.h"

namespace hueset {
namespace {

constexpr std::string_view kStartMarker = "<!--StartFragment-->";
constexpr std::string_view kEndMarker = "<!--EndFragment-->";
constexpr std::array<std::string_view, 4> kKeys = {
    "StartHTML:", "EndHTML:", "StartFragment:", "EndFragment:"};
constexpr std::string_view kVersionLine = "Version:1.0\n";

std::string zeroPadded(std::size_t value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Where the markers go and how long the description lines are. The start
// marker follows the first "<HTML>" (or opens the page), the end marker
// stands before the last "</HTML>" after it (or at the end of the page),
// and a line break closes the text. Both are found without reading the
// whole page, which may be hundreds of megabytes.
struct CfHtmlLayout {
  std::size_t htmlAt = 0;   // "<HTML>" in the page; 0 without one
  std::size_t startAt = 0;  // the page's bytes before the start marker
  std::size_t endAt = 0;    // and before the end marker
  std::size_t width = 8;    // digits of each offset
  std::size_t header = 0;   // bytes of the description lines
  std::size_t total = 0;
};

constexpr std::size_t fixedHeaderSize() {
  std::size_t size = kVersionLine.size();
  for (const std::string_view key : kKeys) size += key.size() + 1;
  return size;
}

// The widest offsets a text can need: twenty digits.
static_assert(kCfHtmlRoomBefore >= fixedHeaderSize() + 4 * 20 + kStartMarker.size());
static_assert(kCfHtmlRoomAfter == kEndMarker.size() + 1);

CfHtmlLayout cfHtmlLayout(std::string_view page) {
  CfHtmlLayout layout;
  const std::size_t htmlAt = page.find("<HTML>");
  layout.htmlAt = htmlAt == std::string_view::npos ? 0 : htmlAt;
  layout.startAt = htmlAt == std::string_view::npos ? 0 : htmlAt + 6;
  const std::size_t closeAt = page.rfind("</HTML>");
  layout.endAt =
      closeAt == std::string_view::npos || closeAt < layout.startAt ? page.size() : closeAt;
  const std::size_t body = page.size() + kStartMarker.size() + kEndMarker.size() + 1;

  // Every offset counts the description lines in front of it; their length
  // depends on the width of the numbers, which is 8 unless the page is huge.
  while (decimalDigits(fixedHeaderSize() + 4 * layout.width + body) > layout.width) ++layout.width;
  layout.header = fixedHeaderSize() + 4 * layout.width;
  layout.total = layout.header + body;
  return layout;
}

}  // namespace

std::size_t wrapCfHtmlAround(std::span<char> buffer, std::size_t pageAt, std::size_t pageSize) {
  char* page = buffer.data() + pageAt;
  const CfHtmlLayout layout = cfHtmlLayout(std::string_view(page, pageSize));
  // The page between the markers stays where it is; what comes before the
  // start marker moves back to make room for it, what follows the end
  // marker forward.
  char* start = page + layout.startAt - kStartMarker.size();
  std::memmove(start - layout.startAt, page, layout.startAt);
  std::memcpy(start, kStartMarker.data(), kStartMarker.size());
  char* end = page + layout.endAt;
  std::memmove(end + kEndMarker.size(), end, pageSize - layout.endAt);
  std::memcpy(end, kEndMarker.data(), kEndMarker.size());
  page[pageSize + kEndMarker.size()] = '\n';

  char* text = start - layout.startAt - layout.header;
  const std::array<std::size_t, 4> offsets = {layout.header + layout.htmlAt, layout.total,
                                              layout.header + layout.startAt,
                                              layout.header + layout.endAt + kStartMarker.size()};
  std::string header(kVersionLine);
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    header.append(kKeys[i]).append(zeroPadded(offsets[i], layout.width)).push_back('\n');
  }
  // The header fills the room left before the page; no terminator belongs there.
  std::memcpy(text, header.data(), header.size());  // NOLINT(bugprone-not-null-terminated-result)
  return static_cast<std::size_t>(text - buffer.data());
}

std::string wrapCfHtml(std::string_view page) {
  std::string text(kCfHtmlRoomBefore + page.size() + kCfHtmlRoomAfter, '\0');
  std::memcpy(text.data() + kCfHtmlRoomBefore, page.data(), page.size());
  const std::size_t at = wrapCfHtmlAround(text, kCfHtmlRoomBefore, page.size());
  text.resize(kCfHtmlRoomBefore + page.size() + kCfHtmlRoomAfter);
  text.erase(0, at);
  return text;
}

std::optional<CfHtmlOffsets> readCfHtmlOffsets(std::string_view text) {
  if (text.substr(0, kVersionLine.size()) != kVersionLine) return std::nullopt;
  std::size_t at = kVersionLine.size();
  std::array<std::size_t, 4> values{};
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (text.substr(at, kKeys[i].size()) != kKeys[i]) return std::nullopt;
    at += kKeys[i].size();
    std::size_t value = 0;
    std::size_t digits = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 18) {
      value = value * 10 + static_cast<std::size_t>(text[at] - '0');
      ++at;
      ++digits;
    }
    if (digits == 0 || at >= text.size() || text[at] != '\n') return std::nullopt;
    ++at;
    values[i] = value;
  }
  const CfHtmlOffsets offsets{values[0], values[1], values[2], values[3]};
  if (offsets.startHtml > offsets.endHtml || offsets.endHtml > text.size() ||
      offsets.startFragment > offsets.endFragment || offsets.endFragment > text.size()) {
    return std::nullopt;
  }
  return offsets;
}

std::string_view cfHtmlPage(std::string_view text) {
  const auto offsets = readCfHtmlOffsets(text);
  if (!offsets) return text;
  return text.substr(offsets->startHtml, offsets->endHtml - offsets->startHtml);
}

}  // namespace hueset
