#include "output/cf_html.h"

#include "util/text_format.h"

#include <array>
#include <cstring>

namespace hueset {
namespace {

constexpr std::string_view kStartMarker = "<!--StartFragment-->";
constexpr std::string_view kEndMarker = "<!--EndFragment-->";
constexpr std::array<std::string_view, 4> kKeys = {"StartHTML:", "EndHTML:", "StartFragment:",
                                                   "EndFragment:"};
constexpr std::string_view kVersionLine = "Version:1.0\n";


std::string zeroPadded(std::size_t value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Where the markers go and how long the description lines are. The start
// marker follows the first "<HTML>" (or opens the page), the end marker
// stands before the first "</HTML>" after it (or at the end of the page),
// and a line break closes the text.
struct CfHtmlLayout {
  std::size_t htmlAt = 0;   // "<HTML>" in the page; 0 without one
  std::size_t startAt = 0;  // the page's bytes before the start marker
  std::size_t endAt = 0;    // and before the end marker
  std::size_t width = 8;    // digits of each offset
  std::size_t header = 0;   // bytes of the description lines
  std::size_t total = 0;
};

CfHtmlLayout cfHtmlLayout(std::string_view page) {
  CfHtmlLayout layout;
  const std::size_t htmlAt = page.find("<HTML>");
  layout.htmlAt = htmlAt == std::string_view::npos ? 0 : htmlAt;
  layout.startAt = htmlAt == std::string_view::npos ? 0 : htmlAt + 6;
  const std::size_t closeAt = page.find("</HTML>", layout.startAt);
  layout.endAt = closeAt == std::string_view::npos ? page.size() : closeAt;
  const std::size_t body = page.size() + kStartMarker.size() + kEndMarker.size() + 1;

  // Every offset counts the description lines in front of it; their length
  // depends on the width of the numbers, which is 8 unless the page is huge.
  std::size_t fixedHeader = kVersionLine.size();
  for (const std::string_view key : kKeys) fixedHeader += key.size() + 1;
  while (decimalDigits(fixedHeader + 4 * layout.width + body) > layout.width) ++layout.width;
  layout.header = fixedHeader + 4 * layout.width;
  layout.total = layout.header + body;
  return layout;
}

}  // namespace

std::size_t cfHtmlSize(std::string_view page) { return cfHtmlLayout(page).total; }

void wrapCfHtmlInPlace(std::span<char> buffer, std::size_t pageSize) {
  const CfHtmlLayout layout = cfHtmlLayout(std::string_view(buffer.data(), pageSize));
  char* text = buffer.data();
  const std::size_t start = layout.header + layout.startAt;  // where the markers land
  const std::size_t end = layout.header + layout.endAt + kStartMarker.size();
  // From the back, so nothing is overwritten before it has moved.
  text[layout.total - 1] = '\n';
  std::memmove(text + end + kEndMarker.size(), text + layout.endAt, pageSize - layout.endAt);
  std::memcpy(text + end, kEndMarker.data(), kEndMarker.size());
  std::memmove(text + start + kStartMarker.size(), text + layout.startAt,
               layout.endAt - layout.startAt);
  std::memcpy(text + start, kStartMarker.data(), kStartMarker.size());
  std::memmove(text + layout.header, text, layout.startAt);

  const std::array<std::size_t, 4> offsets = {layout.header + layout.htmlAt, layout.total, start, end};
  std::string header(kVersionLine);
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    header.append(kKeys[i]).append(zeroPadded(offsets[i], layout.width)).push_back('\n');
  }
  std::memcpy(text, header.data(), header.size());
}

std::string wrapCfHtml(std::string_view page) {
  std::string text(page);
  text.resize(cfHtmlSize(page));
  wrapCfHtmlInPlace(text, page.size());
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
