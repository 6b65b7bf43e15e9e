#pragma once

#include <string>
#include <utility>

#include "groupings/grouping_set.h"

// The colours, formats and groupings the writer and preview tests draw with.
// (Header only: the support library does not link the groupings.)
namespace hueset::test {

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kRed = rgb(255, 0, 0);
inline constexpr Colour kBlue = rgb(0, 0, 255);
inline constexpr Colour kYellow = rgb(255, 255, 0);
inline constexpr ResidueFormat kPlain{kBlack, kWhite, false, false};
inline constexpr ResidueFormat kRedBold{kRed, kWhite, false, true};

// An active, unmarked grouping.
inline ResidueGrouping grouping(std::string name, std::string residues, ResidueFormat format) {
  ResidueGrouping g;
  g.name = std::move(name);
  g.residues = std::move(residues);
  g.format = format;
  return g;
}

}  // namespace hueset::test
