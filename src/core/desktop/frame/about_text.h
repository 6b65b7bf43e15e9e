#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hueset {

// The texts of the about box and its credits window.

inline constexpr std::string_view kAboutCaption = "About HUESET";
inline constexpr std::string_view kAboutVersionLine = "HUESET Version 1.0";
inline constexpr std::string_view kAboutRightsNotice =
    "Copyright (C) the Hueset developers. Hueset is free software under the GNU GPL, "
    "version 3 or later.";
inline constexpr int kAboutBuildNumber = 1184;
// "(Build 1184)"
std::string aboutBuildText();

// The licence terms and acknowledgements shown in the about box. Web
// addresses in it are shown as links.
std::string_view aboutLicenceText();

// A link of the about box: its label and the text it shows.
struct AboutLink {
  std::string_view label;
  std::string_view text;
};
// The web site, two e-mail addresses and two contact addresses.
const std::vector<AboutLink>& aboutLinks();

// Where the "Please install help system" dialog sends the user for the
// help pages.
inline constexpr std::string_view kHelpInstallerAddress = "https://hueset.example.org/help";

// A link control opens its target, which is its own text when no link is
// set. Bare e-mail addresses become "mailto:" links and addresses starting
// with "www." web links.
std::string linkTarget(std::string_view link, std::string_view text);
// A link's colour (red in the low byte): blue until first opened, then
// purple.
std::uint32_t linkColour(bool visited);

// Pieces of running text: plain text and web addresses.
struct TextPiece {
  std::string text;
  bool isLink = false;

  bool operator==(const TextPiece&) const = default;
};
// Splits `text` at web addresses ("http://", "https://", "www." up to the
// next blank or line break; a closing full stop, comma, or bracket stays
// outside the link).
std::vector<TextPiece> splitLinks(std::string_view text);

// The operating system as the Windows version query reports it.
struct WindowsVersion {
  enum class Platform { Win32s, Windows9x, WindowsNT };
  Platform platform = Platform::WindowsNT;
  int major = 0;
  int minor = 0;
  std::uint32_t build = 0;
  std::string servicePack;  // e.g. "Service Pack 1", empty without one
  std::string productType;  // "WINNT", "SERVERNT", ... (NT family only)
};
// "Microsoft Windows 2000 Workstation version 5.0  (Build 2195)\n" and so on.
std::string windowsEnvironmentText(const WindowsVersion& version);

// Credits: the last character of each line picks its style and is not
// shown.
enum class CreditStyle { Title, Heading, SubHeading, Bitmap, Text };

struct CreditFont {
  std::string_view family;
  int pixelHeight;
  int weight;  // 100 light ... 700 bold
  bool italic;
  std::uint32_t colour;  // red in the low byte
};

CreditStyle creditStyleOf(char last);
CreditFont creditFont(CreditStyle style);

struct CreditLine {
  CreditStyle style;
  std::string text;  // without the style character; a bitmap's name
};
CreditLine parseCreditLine(std::string_view line);

// The credit lines, style characters included. The first is the title
// "HUESET \n"; one line names the bitmap "IDB_SPLASH8".
const std::vector<std::string>& creditLines();

// "Could not find bitmap resource \"%s\". Be sure to assign the bitmap a
// QUOTED resource name"
std::string missingBitmapMessage(std::string_view name);

// The scrolling of the credits window: every tick moves the text up one
// pixel; after as many ticks as the current line is high, the next line
// (wrapping to the first after the last) comes in at the bottom.
class CreditScroller {
 public:
  // The height of a named bitmap, or none when it is missing.
  using BitmapHeight = std::function<std::optional<int>(std::string_view name)>;

  explicit CreditScroller(std::vector<std::string> lines);

  struct Tick {
    bool newLine = false;        // `line` comes in at the bottom now
    int line = -1;               // the line now coming in
    int height = 0;              // its height in pixels
    bool missingBitmap = false;  // it names a bitmap that is missing: stop
  };
  // One timer tick.
  Tick tick(const BitmapHeight& bitmapHeight = {});

  int currentLine() const { return m_line; }
  int ticksLeft() const { return m_ticksLeft; }
  int lineCount() const { return static_cast<int>(m_lines.size()); }
  const std::string& line(int index) const { return m_lines[static_cast<std::size_t>(index)]; }

 private:
  std::vector<std::string> m_lines;
  int m_line = -1;
  int m_ticksLeft = 15;  // the height of the text style before the first line
};

inline constexpr int kCreditsTimerId = 150;
inline constexpr int kCreditsTickMilliseconds = 16;
inline constexpr int kCreditsWidth = 515;
inline constexpr int kCreditsHeight = 300;

}  // namespace hueset
