#include "desktop/frame/about_text.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

using Platform = WindowsVersion::Platform;

struct VersionCase {
  WindowsVersion version;
  const char* text;
};

class WindowsWording : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsWording, Exact) {
  EXPECT_EQ(windowsEnvironmentText(GetParam().version), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, WindowsWording,
    ::testing::Values(VersionCase{{Platform::WindowsNT, 5, 0, 2195, "", "WINNT"},
                                  "Microsoft Windows 2000 Workstation version 5.0  (Build 2195)\n"},
                      VersionCase{
                          {Platform::WindowsNT, 4, 0, 1381, "Service Pack 6", "ServerNT"},
                          "Microsoft Windows NT Server version 4.0 Service Pack 6 (Build 1381)\n"
                          "Service Pack 6"},
                      VersionCase{{Platform::WindowsNT, 5, 0, 2195, "", "LANMANNT"},
                                  "Microsoft Windows 2000 version 5.0  (Build 2195)\n"},
                      VersionCase{{Platform::Windows9x, 4, 10, 0x040A0AE2u, " A ", ""},
                                  "Microsoft Windows 98 version 4.10  A  (Build 2786)\n A "},
                      VersionCase{{Platform::Windows9x, 4, 0, 950, "", ""},
                                  "Microsoft Windows 95 version 4.0  (Build 950)\n"},
                      VersionCase{{Platform::Windows9x, 5, 0, 1, "", ""},
                                  "Microsoft Windows 98 version 5.0  (Build 1)\n"},
                      VersionCase{{Platform::Win32s, 3, 1, 0, "", ""},
                                  "Microsoft Windows Win32s Wow!! version 3.1  (Build 0)\n"}));

TEST(CreditStyles, LastCharacterPicksTheStyle) {
  EXPECT_EQ(creditStyleOf('\n'), CreditStyle::Title);
  EXPECT_EQ(creditStyleOf('\t'), CreditStyle::Heading);
  EXPECT_EQ(creditStyleOf('\r'), CreditStyle::SubHeading);
  EXPECT_EQ(creditStyleOf('\b'), CreditStyle::Bitmap);
  EXPECT_EQ(creditStyleOf('\f'), CreditStyle::Text);
  EXPECT_EQ(creditStyleOf('x'), CreditStyle::Text);

  const CreditFont title = creditFont(CreditStyle::Title);
  EXPECT_EQ(title.pixelHeight, 21);
  EXPECT_TRUE(title.italic);
  EXPECT_EQ(title.weight, 700);
  EXPECT_EQ(title.colour, 0x0000FFu);                             // red
  EXPECT_EQ(creditFont(CreditStyle::Heading).colour, 0xFFFF00u);  // cyan
  EXPECT_EQ(creditFont(CreditStyle::Heading).pixelHeight, 17);
  EXPECT_EQ(creditFont(CreditStyle::SubHeading).pixelHeight, 19);
  const CreditFont text = creditFont(CreditStyle::Text);
  EXPECT_EQ(text.pixelHeight, 15);
  EXPECT_EQ(text.weight, 100);
  EXPECT_EQ(text.colour, 0xFFFFFFu);
  EXPECT_EQ(text.family, "Arial");
}

TEST(CreditLines, TitleFirstAndTheSplashBitmap) {
  const auto& lines = creditLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "HUESET \n");
  const CreditLine first = parseCreditLine(lines.front());
  EXPECT_EQ(first.style, CreditStyle::Title);
  EXPECT_EQ(first.text, "HUESET ");
  int bitmaps = 0;
  for (const std::string& line : lines) {
    const CreditLine parsed = parseCreditLine(line);
    if (parsed.style == CreditStyle::Bitmap) {
      ++bitmaps;
      EXPECT_EQ(parsed.text, "IDB_SPLASH8");
    }
  }
  EXPECT_EQ(bitmaps, 1);
}

TEST(CreditScroller, TakesTheNextLineAfterTheCurrentLinesHeight) {
  CreditScroller scroller({"A\n", "B\f"});
  for (int i = 0; i < 14; ++i) EXPECT_FALSE(scroller.tick().newLine);
  CreditScroller::Tick t = scroller.tick();  // the 15th tick: the title comes in
  EXPECT_TRUE(t.newLine);
  EXPECT_EQ(t.line, 0);
  EXPECT_EQ(t.height, 21);
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(scroller.tick().newLine);
  t = scroller.tick();
  EXPECT_EQ(t.line, 1);
  for (int i = 0; i < 14; ++i) scroller.tick();
  t = scroller.tick();
  EXPECT_TRUE(t.newLine);
  EXPECT_EQ(t.line, 0);  // loops back to the first line
}

TEST(CreditScroller, BitmapLinesUseTheBitmapHeightAndStopWhenMissing) {
  CreditScroller scroller({"IDB_SPLASH8\b", "x\f"});
  auto heights = [](std::string_view name) -> std::optional<int> {
    if (name == "IDB_SPLASH8") return 40;
    return std::nullopt;
  };
  CreditScroller::Tick t;
  for (int i = 0; i < 15; ++i) t = scroller.tick(heights);
  EXPECT_EQ(t.height, 40);
  EXPECT_FALSE(t.missingBitmap);

  CreditScroller missing({"IDB_GONE\b"});
  for (int i = 0; i < 15; ++i) t = missing.tick(heights);
  EXPECT_TRUE(t.missingBitmap);
  EXPECT_EQ(missingBitmapMessage("IDB_GONE"),
            "Could not find bitmap resource \"IDB_GONE\". Be sure to assign the bitmap a QUOTED "
            "resource name");
}

TEST(Links, TargetsAndColours) {
  EXPECT_EQ(linkTarget("", "hueset@example.org"), "mailto:hueset@example.org");
  EXPECT_EQ(linkTarget("", "www.example.org"), "http://www.example.org");
  EXPECT_EQ(linkTarget("https://a.example/", "Home"), "https://a.example/");
  EXPECT_EQ(linkTarget("", " https://b.example "), "https://b.example");
  EXPECT_EQ(linkColour(false), 0xFF0000u);  // blue
  EXPECT_EQ(linkColour(true), 0x800080u);   // purple
}

TEST(Links, SplitsRunningTextAtWebAddresses) {
  const auto pieces = splitLinks("See https://www.gnu.org/licenses/. Or www.qt.io, or mail.");
  ASSERT_EQ(pieces.size(), 5u);
  EXPECT_EQ(pieces[0], (TextPiece{"See ", false}));
  EXPECT_EQ(pieces[1], (TextPiece{"https://www.gnu.org/licenses/", true}));
  EXPECT_EQ(pieces[2], (TextPiece{". Or ", false}));
  EXPECT_EQ(pieces[3], (TextPiece{"www.qt.io", true}));
  EXPECT_EQ(pieces[4], (TextPiece{", or mail.", false}));
  EXPECT_EQ(splitLinks("no links here").size(), 1u);
  EXPECT_TRUE(splitLinks("").empty());
}

TEST(AboutBox, FixedTexts) {
  EXPECT_EQ(aboutBuildText(), "(Build 1184)");
  EXPECT_EQ(aboutLinks().size(), 5u);
  EXPECT_NE(aboutLicenceText().find("GNU General Public License"), std::string_view::npos);
}

}  // namespace
}  // namespace hueset
