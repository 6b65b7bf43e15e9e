#include "output/cf_html.h"

#include "util/text_format.h"

#include <array>

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

}  // namespace

std::string wrapCfHtml(std::string_view page) {
  std::string body(page);
  body.push_back('\n');

  std::size_t htmlAt = body.find("<HTML>");
  if (htmlAt == std::string::npos) {
    htmlAt = 0;
    body.insert(0, kStartMarker);
  } else {
    body.insert(htmlAt + 6, kStartMarker);
  }
  const std::size_t startFragment = body.find(kStartMarker);
  std::size_t closeAt = body.find("</HTML>");
  if (closeAt == std::string::npos) closeAt = body.size() - 1;
  body.insert(closeAt, kEndMarker);
  const std::size_t endFragment = body.find(kEndMarker);

  // Every offset counts the description lines in front of it; their length
  // depends on the width of the numbers, which is 8 unless the page is huge.
  std::size_t fixedHeader = kVersionLine.size();
  for (const std::string_view key : kKeys) fixedHeader += key.size() + 1;
  std::size_t width = 8;
  while (decimalDigits(fixedHeader + 4 * width + body.size()) > width) ++width;
  const std::size_t header = fixedHeader + 4 * width;

  const std::array<std::size_t, 4> offsets = {header + htmlAt, header + body.size(),
                                              header + startFragment, header + endFragment};
  std::string text(kVersionLine);
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    text.append(kKeys[i]).append(zeroPadded(offsets[i], width)).push_back('\n');
  }
  text.append(body);
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
