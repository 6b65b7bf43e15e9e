#include "desktop/frame/about_text.h"

#include <algorithm>

#include "util/text_format.h"

namespace hueset {
namespace {

constexpr std::string_view kLicence =
    "Hueset is free software: you can redistribute it and/or modify it under the terms of the "
    "GNU General Public License as published by the Free Software Foundation, either version 3 "
    "of the License, or (at your option) any later version.\n"
    "\n"
    "Hueset is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without "
    "even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the "
    "GNU General Public License for more details.\n"
    "\n"
    "You should have received a copy of the GNU General Public License along with Hueset (the "
    "file LICENSE). If not, see https://www.gnu.org/licenses/.\n"
    "\n"
    "Acknowledgements\n"
    "\n"
    "The desktop program is built on the Qt toolkit (https://www.qt.io), used under the GNU "
    "Lesser General Public License, version 3. The tests use GoogleTest "
    "(https://github.com/google/googletest). The web-safe palette follows the 216 colours "
    "that browsers of the 256-colour era shared.\n";

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return toUpperAscii(x) == toUpperAscii(y);
         });
}

std::size_t linkStartAt(std::string_view text, std::size_t from) {
  std::size_t best = std::string_view::npos;
  for (std::string_view scheme : {"http://", "https://", "www."}) {
    std::size_t at = text.find(scheme, from);
    // "www." counts only at the start of a word.
    while (at != std::string_view::npos && scheme == "www." && at > 0 && !isSpace(text[at - 1]) &&
           text[at - 1] != '(') {
      at = text.find(scheme, at + 1);
    }
    best = std::min(best, at);
  }
  return best;
}

}  // namespace

std::string aboutBuildText() { return "(Build " + std::to_string(kAboutBuildNumber) + ")"; }

std::string_view aboutLicenceText() { return kLicence; }

const std::vector<AboutLink>& aboutLinks() {
  static const std::vector<AboutLink> links = {
      {"Web site:", "https://hueset.example.org"},
      {"E-mail:", "hueset@example.org"},
      {"Bug reports:", "bugs@hueset.example.org"},
      {"Source code:", "https://hueset.example.org/source"},
      {"Licence:", "https://www.gnu.org/licenses/gpl-3.0.html"},
  };
  return links;
}

std::string linkTarget(std::string_view link, std::string_view text) {
  std::string target(trim(link.empty() ? text : link));
  if (target.find("://") != std::string::npos || startsWith(target, "mailto:")) return target;
  if (startsWith(target, "www.")) return "http://" + target;
  const std::size_t at = target.find('@');
  if (at != std::string::npos && at > 0 && target.find(' ') == std::string::npos) {
    return "mailto:" + target;
  }
  return target;
}

std::uint32_t linkColour(bool visited) { return visited ? 0x800080u : 0xFF0000u; }

std::vector<TextPiece> splitLinks(std::string_view text) {
  std::vector<TextPiece> pieces;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = linkStartAt(text, pos);
    if (start == std::string_view::npos) break;
    std::size_t end = start;
    while (end < text.size() && !isSpace(text[end])) ++end;
    // Sentence punctuation after an address is not part of it.
    while (end > start &&
           std::string_view(".,;:)\"'").find(text[end - 1]) != std::string_view::npos) {
      --end;
    }
    if (end == start) {
      pos = start + 1;
      continue;
    }
    if (start > pos) pieces.push_back({std::string(text.substr(pos, start - pos)), false});
    pieces.push_back({std::string(text.substr(start, end - start)), true});
    pos = end;
  }
  if (pos < text.size()) {
    if (!pieces.empty() && !pieces.back().isLink) {
      pieces.back().text += text.substr(pos);
    } else {
      pieces.push_back({std::string(text.substr(pos)), false});
    }
  }
  return pieces;
}

std::string windowsEnvironmentText(const WindowsVersion& version) {
  std::string text = "Microsoft Windows ";
  switch (version.platform) {
    case WindowsVersion::Platform::Win32s: text += "Win32s Wow!! "; break;
    case WindowsVersion::Platform::Windows9x:
      text += (version.major > 4 || (version.major == 4 && version.minor != 0)) ? "98 " : "95 ";
      break;
    case WindowsVersion::Platform::WindowsNT:
      if (version.major <= 4) text += "NT ";
      if (version.major == 5) text += "2000 ";
      if (equalsIgnoringCase(version.productType, "WINNT")) text += "Workstation ";
      if (equalsIgnoringCase(version.productType, "SERVERNT")) text += "Server ";
      break;
  }
  text += "version " + std::to_string(version.major) + "." + std::to_string(version.minor) + " " +
          version.servicePack + " (Build " + std::to_string(version.build & 0xFFFFu) + ")\n";
  text += version.servicePack;
  return text;
}

// Credits

CreditStyle creditStyleOf(char last) {
  switch (last) {
    case '\n': return CreditStyle::Title;
    case '\t': return CreditStyle::Heading;
    case '\r': return CreditStyle::SubHeading;
    case '\b': return CreditStyle::Bitmap;
    default: return CreditStyle::Text;
  }
}

CreditFont creditFont(CreditStyle style) {
  switch (style) {
    case CreditStyle::Title: return {"Arial", 21, 700, true, 0x0000FFu};        // red
    case CreditStyle::Heading: return {"Arial", 17, 700, false, 0xFFFF00u};     // cyan
    case CreditStyle::SubHeading: return {"Arial", 19, 700, false, 0x00FFFFu};  // yellow
    case CreditStyle::Bitmap:
    case CreditStyle::Text: break;
  }
  return {"Arial", 15, 100, false, 0xFFFFFFu};  // white
}

CreditLine parseCreditLine(std::string_view line) {
  if (line.empty()) return {CreditStyle::Text, {}};
  return {creditStyleOf(line.back()), std::string(line.substr(0, line.size() - 1))};
}

const std::vector<std::string>& creditLines() {
  static const std::vector<std::string> lines = {
      "HUESET \n",
      "\f",
      "Colour-annotated protein sequence alignments\f",
      "\f",
      "IDB_SPLASH8\b",
      "\f",
      "\f",
      "Design and Programming\t",
      "The Hueset developers\f",
      "\f",
      "Built With\t",
      "Qt 6 Widgets\f",
      "GoogleTest\f",
      "CMake and Ninja\f",
      "\f",
      "Thanks To\t",
      "Everyone who sent in alignments\r",
      "that broke the readers\f",
      "Everyone who asked for one more palette\r",
      "\f",
      "Free Software\t",
      "GNU General Public License,\f",
      "version 3 or later\f",
      "\f",
      "\f",
      "\f",
  };
  return lines;
}

std::string missingBitmapMessage(std::string_view name) {
  return "Could not find bitmap resource \"" + std::string(name) +
         "\". Be sure to assign the bitmap a QUOTED resource name";
}

CreditScroller::CreditScroller(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

CreditScroller::Tick CreditScroller::tick(const BitmapHeight& bitmapHeight) {
  Tick result;
  if (m_lines.empty()) return result;
  if (--m_ticksLeft > 0) return result;
  m_line = (m_line + 1) % static_cast<int>(m_lines.size());
  const CreditLine line = parseCreditLine(m_lines[static_cast<std::size_t>(m_line)]);
  result.newLine = true;
  result.line = m_line;
  if (line.style == CreditStyle::Bitmap) {
    const std::optional<int> height = bitmapHeight ? bitmapHeight(line.text) : std::nullopt;
    if (!height) {
      result.missingBitmap = true;
      m_ticksLeft = 1;
      return result;
    }
    result.height = std::max(*height, 1);
  } else {
    result.height = creditFont(line.style).pixelHeight;
  }
  m_ticksLeft = result.height;
  return result;
}

}  // namespace hueset
