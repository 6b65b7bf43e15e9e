#pragma once

#include "groupings/grouping_set.h"

// The colours and formats the writer tests draw with. (Header only: the
// support library does not link the groupings.)
namespace hueset::testing {

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kRed = rgb(255, 0, 0);
inline constexpr ResidueFormat kPlain{kBlack, kWhite, false, false};
inline constexpr ResidueFormat kRedBold{kRed, kWhite, false, true};

}  // namespace hueset::testing
