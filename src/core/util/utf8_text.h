#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hueset {

// Names and file contents are bytes: UTF-8 where they are valid UTF-8, each
// other byte taken as Latin-1, as files from older systems are.

// The length of the well-formed UTF-8 sequence at `i` (no overlong forms,
// no surrogates, nothing past U+10FFFF), 0 when there is none; its code
// point in `code` when one is given.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t i,
                               std::uint32_t* code = nullptr);
bool isValidUtf8(std::string_view bytes);
void appendUtf8(std::string& out, std::uint32_t code);
// The bytes as valid UTF-8: well-formed sequences kept, other bytes taken as
// Latin-1.
std::string asUtf8(std::string_view bytes);
// The bytes with every control character (C0, DEL, C1, raw or in UTF-8)
// shown as `\xNN`, so that a name quoted in a message cannot steer the
// terminal it is printed on. Other bytes stay as they are.
std::string escapedControls(std::string_view bytes);

}  // namespace hueset
