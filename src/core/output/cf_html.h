#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hueset {

// The byte offsets a CF_HTML description gives, from the start of the text.
struct CfHtmlOffsets {
  std::size_t startHtml = 0;
  std::size_t endHtml = 0;
  std::size_t startFragment = 0;
  std::size_t endFragment = 0;

  bool operator==(const CfHtmlOffsets&) const = default;
};

// Wraps an HTML page for the "HTML Format" clipboard: the description lines
// with eight-digit offsets, the page with fragment markers after its first
// "<HTML>" and before its last "</HTML>", and a closing line break. The fragment starts at its
// marker comment. StartHTML is 92 for every page of less than 100 MB; a
// larger page gets wider numbers so that the offsets stay right.
std::string wrapCfHtml(std::string_view page);

// The same for a page too large to copy or move (hundreds of megabytes): the
// caller builds the page in `buffer` at `pageAt`, leaving at least
// kCfHtmlRoomBefore bytes before it and kCfHtmlRoomAfter after it; only the
// bytes before the start marker and after the end marker move. Returns
// where the CF_HTML text begins; it ends kCfHtmlRoomAfter bytes after the
// page did.
inline constexpr std::size_t kCfHtmlRoomBefore = 160;
inline constexpr std::size_t kCfHtmlRoomAfter = 19;
std::size_t wrapCfHtmlAround(std::span<char> buffer, std::size_t pageAt, std::size_t pageSize);

// Reads the offsets back from the description lines; none when a line is
// missing or an offset lies outside the text.
std::optional<CfHtmlOffsets> readCfHtmlOffsets(std::string_view text);

// The page inside a CF_HTML text (StartHTML up to EndHTML), or the whole
// text when it has no valid description.
std::string_view cfHtmlPage(std::string_view text);

}  // namespace hueset
