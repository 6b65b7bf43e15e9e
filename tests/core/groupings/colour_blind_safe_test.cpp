// The colour-blind safe default is only worth its name while three things
// hold for every grouping: the letters read on their background, the
// groupings stay apart for readers with a colour-vision deficiency, and a
// journal's CMYK press can print the colours. Each is measured here and the
// figures printed, so a palette change shows what it costs.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "groupings/builtin_defaults.h"
#include "support/test_files.h"

namespace hueset {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

struct Lab {
  double l, a, b;
};

constexpr double kPi = 3.14159265358979323846;

double radians(double degrees) { return degrees * kPi / 180.0; }
double degrees(double radians) { return radians * 180.0 / kPi; }

double linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector linearRgb(Colour c) { return {linear(redOf(c)), linear(greenOf(c)), linear(blueOf(c))}; }

Vector times(const Matrix& m, const Vector& v) {
  Vector out{};
  for (int i = 0; i < 3; ++i) {
    out[i] = std::clamp(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2], 0.0, 1.0);
  }
  return out;
}

// WCAG 2 relative luminance and contrast ratio.
double luminance(Colour c) {
  const Vector v = linearRgb(c);
  return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2];
}

double contrastRatio(Colour a, Colour b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Linear sRGB to CIELAB, D65 white.
Lab labOf(const Vector& v) {
  const double x = (0.4124564 * v[0] + 0.3575761 * v[1] + 0.1804375 * v[2]) / 0.95047;
  const double y = 0.2126729 * v[0] + 0.7151522 * v[1] + 0.0721750 * v[2];
  const double z = (0.0193339 * v[0] + 0.1191920 * v[1] + 0.9503041 * v[2]) / 1.08883;
  const auto f = [](double t) {
    return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
  };
  return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

double hueAngle(double b, double a) {
  if (a == 0 && b == 0) return 0;
  const double h = degrees(std::atan2(b, a));
  return h < 0 ? h + 360.0 : h;
}

// CIEDE2000 (Sharma, Wu and Dalal's formulation), kL = kC = kH = 1.
double deltaE2000(const Lab& one, const Lab& two) {
  const double cBar = (std::hypot(one.a, one.b) + std::hypot(two.a, two.b)) / 2;
  const double c7 = std::pow(cBar, 7);
  const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
  const double a1 = (1 + g) * one.a;
  const double a2 = (1 + g) * two.a;
  const double c1 = std::hypot(a1, one.b);
  const double c2 = std::hypot(a2, two.b);
  const double h1 = hueAngle(one.b, a1);
  const double h2 = hueAngle(two.b, a2);
  double dh = 0;
  double hBar = h1 + h2;
  if (c1 * c2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
    hBar = std::abs(h1 - h2) <= 180 ? (h1 + h2) / 2
           : h1 + h2 < 360          ? (h1 + h2 + 360) / 2
                                    : (h1 + h2 - 360) / 2;
  }
  const double dL = two.l - one.l;
  const double dC = c2 - c1;
  const double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));
  const double lBar = (one.l + two.l) / 2;
  const double cBarPrime = (c1 + c2) / 2;
  const double t = 1 - 0.17 * std::cos(radians(hBar - 30)) + 0.24 * std::cos(radians(2 * hBar)) +
                   0.32 * std::cos(radians(3 * hBar + 6)) - 0.20 * std::cos(radians(4 * hBar - 63));
  const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
  const double cp7 = std::pow(cBarPrime, 7);
  const double rC = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
  const double sL = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
  const double sC = 1 + 0.045 * cBarPrime;
  const double sH = 1 + 0.015 * cBarPrime * t;
  const double rT = -std::sin(radians(2 * dTheta)) * rC;
  return std::sqrt(std::pow(dL / sL, 2) + std::pow(dC / sC, 2) + std::pow(dH / sH, 2) +
                   rT * (dC / sC) * (dH / sH));
}

TEST(ColourBlindSafeMeasures, DeltaE2000MatchesPublishedPairs) {
  // Pairs from Sharma, Wu and Dalal (2005), table 1: if the formula is off,
  // every distance below means nothing.
  const struct {
    const char* what;
    Lab one, two;
    double expected;
  } cases[] = {
      {"pair 1, blue hue rotation", {50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
      {"pair 7, one colour neutral", {50, 0, 0}, {50, -1, 2}, 2.3669},
      {"pair 17, large difference", {50, 2.5, 0}, {73, 25, -18}, 27.1492},
      {"pair 22, mean hue across 0 degrees", {50, 2.5, 0}, {50, 3.2972, 0}, 1.0},
      {"pair 25, greens", {60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(deltaE2000(c.one, c.two), c.expected, 1e-4) << c.what;
    EXPECT_NEAR(deltaE2000(c.two, c.one), c.expected, 1e-4) << c.what << ", reversed";
  }
}

// The figure's letters sit on their grouping's background at 9 pt, so the
// WCAG 2 AA level for normal text applies.
constexpr double kLeastContrast = 4.5;

TEST(ColourBlindSafeDefault, EveryGroupingsTextReadsOnItsBackground) {
  const GroupingSet set = builtinDefault(BuiltinDefault::ColourBlindSafe);
  ASSERT_FALSE(set.groupings.empty());
  double least = 100;
  for (const ResidueGrouping& g : set.groupings) {
    const double ratio = contrastRatio(g.format.textColour, g.format.backColour);
    std::cout << std::left << std::setw(14) << g.name << " contrast " << std::fixed
              << std::setprecision(2) << ratio << ":1\n";
    EXPECT_GE(ratio, kLeastContrast) << g.name;
    least = std::min(least, ratio);
  }
  ::testing::Test::RecordProperty("leastContrast", std::to_string(least));
}

// Machado, Oliveira and Fernandes (2009) simulation matrices at severity
// 1.0, applied to linear RGB. Normal vision is checked as well: a palette
// that only holds for the deficiencies is no use to anyone else.
const struct Vision {
  const char* what;
  const char* name;
  Matrix simulation;
} kVisions[] = {
    {"readers without a deficiency", "normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"green-weak, the commonest deficiency (about 6% of men)",
     "deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"red-blind: reds darken as well as shift",
     "protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {"blue-yellow confusion, which palettes built for red-green often miss",
     "tritanopia",
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}}}},
};

// About four times the just-noticeable difference of side-by-side patches
// (about 2.3): the consensus cells are small and often far apart in a
// figure, so two groupings must differ at a glance, not on comparison.
constexpr double kLeastDistance = 10.0;

class ColourBlindSafeVision : public ::testing::TestWithParam<Vision> {};

TEST_P(ColourBlindSafeVision, GroupingsOfDifferentFormatsStayApart) {
  const Vision& vision = GetParam();
  const GroupingSet set = builtinDefault(BuiltinDefault::ColourBlindSafe);
  ASSERT_FALSE(set.groupings.empty());
  // The background is what tells a grouping at a glance; the text is black
  // or white for contrast. Only the single residues of one kind share a
  // format, on purpose; any other pair must differ.
  double least = 1000;
  std::string closest;
  for (std::size_t i = 0; i < set.groupings.size(); ++i) {
    for (std::size_t j = i + 1; j < set.groupings.size(); ++j) {
      const ResidueGrouping& one = set.groupings[i];
      const ResidueGrouping& two = set.groupings[j];
      if (one.format == two.format) {
        const bool bothSingleResidues = i >= GroupingSet::kFirstOrdinary &&
                                        one.residues.size() == 1 && two.residues.size() == 1;
        EXPECT_TRUE(bothSingleResidues) << one.name << " and " << two.name << " look the same";
        continue;
      }
      const double distance =
          deltaE2000(labOf(times(vision.simulation, linearRgb(one.format.backColour))),
                     labOf(times(vision.simulation, linearRgb(two.format.backColour))));
      EXPECT_GE(distance, kLeastDistance) << vision.name << ": " << one.name << " / " << two.name;
      if (distance < least) {
        least = distance;
        closest = one.name + " / " + two.name;
      }
    }
  }
  std::cout << vision.name << ": least CIEDE2000 " << std::fixed << std::setprecision(2) << least
            << " (" << closest << ")\n";
  ::testing::Test::RecordProperty("leastDeltaE2000", std::to_string(least));
  ::testing::Test::RecordProperty("closestPair", closest);
}

void PrintTo(const Vision& vision, std::ostream* out) { *out << vision.name; }

INSTANTIATE_TEST_SUITE_P(Visions, ColourBlindSafeVision, ::testing::ValuesIn(kVisions),
                         [](const auto& info) { return std::string(info.param.name); });

// The CMYK press is Ghostscript's SWOP characterisation (Debian ships it
// with Ghostscript, which the figure tests use already).
constexpr const char* kPressProfile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
// Below about 2 a proof and the screen look alike side by side; a colour
// the press cannot reach moves by far more (pure sRGB blue by about 20).
constexpr double kMostPrintShift = 2.0;

std::vector<Colour> colourList(const GroupingSet& set) {
  std::vector<Colour> colours;
  for (const ResidueGrouping& g : set.groupings) {
    for (Colour c : {g.format.textColour, g.format.backColour}) {
      if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
  }
  return colours;
}

// Soft-proofs one-pixel patches through the press profile: Ghostscript
// converts each sRGB patch to the press's CMYK and back to sRGB (lcms2,
// relative colorimetric), which is what the printed page will look like.
std::vector<Colour> printedAs(const std::vector<Colour>& colours, const std::string& dir) {
  std::ostringstream ps;
  ps << "%!PS\n<< /PageSize [" << colours.size() << " 1] >> setpagedevice\n";
  for (std::size_t i = 0; i < colours.size(); ++i) {
    ps << redOf(colours[i]) / 255.0 << ' ' << greenOf(colours[i]) / 255.0 << ' '
       << blueOf(colours[i]) / 255.0 << " setrgbcolor " << i << " 0 1 1 rectfill\n";
  }
  ps << "showpage\n";
  test::writeFile(dir + "/patches.ps", ps.str());
  const std::string command = std::string("gs -q -dNOPAUSE -dBATCH -dSAFER -r72 -sDEVICE=ppmraw ") +
                              "-sProofProfile=" + kPressProfile + " -sOutputFile=" + dir +
                              "/proof.ppm " + dir + "/patches.ps 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(status, 0) << command;
  const std::string ppm = test::readFile(dir + "/proof.ppm");
  std::vector<Colour> printed;
  if (ppm.size() < 3 * colours.size()) return printed;
  const std::size_t pixels = ppm.size() - 3 * colours.size();  // after the header
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const auto byte = [&](std::size_t k) {
      return static_cast<unsigned char>(ppm[pixels + 3 * i + k]);
    };
    printed.push_back(rgb(byte(0), byte(1), byte(2)));
  }
  return printed;
}

TEST(ColourBlindSafeDefault, EveryColourPrintsInCmyk) {
  ASSERT_TRUE(std::filesystem::exists(kPressProfile))
      << kPressProfile << " is missing (Debian's libgs-common)";
  const std::vector<Colour> colours = colourList(builtinDefault(BuiltinDefault::ColourBlindSafe));
  ASSERT_FALSE(colours.empty());
  // Out-of-gamut sRGB primaries prove the check can fail.
  std::vector<Colour> patches = colours;
  patches.push_back(rgb(0, 0, 255));
  patches.push_back(rgb(0, 255, 0));
  const std::vector<Colour> printed = printedAs(patches, test::makeTempDir("cmyk_proof"));
  ASSERT_EQ(printed.size(), patches.size());
  const auto shift = [&](std::size_t i) {
    return deltaE2000(labOf(linearRgb(patches[i])), labOf(linearRgb(printed[i])));
  };
  double most = 0;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", redOf(colours[i]), greenOf(colours[i]),
                  blueOf(colours[i]));
    std::cout << hex << " printed shift " << std::fixed << std::setprecision(2) << shift(i) << "\n";
    EXPECT_LE(shift(i), kMostPrintShift) << hex;
    most = std::max(most, shift(i));
  }
  EXPECT_GT(shift(colours.size()), 3 * kMostPrintShift) << "pure blue seemed printable";
  EXPECT_GT(shift(colours.size() + 1), 3 * kMostPrintShift) << "pure green seemed printable";
  ::testing::Test::RecordProperty("largestPrintShift", std::to_string(most));
}

}  // namespace
}  // namespace hueset
