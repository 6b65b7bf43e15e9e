#include "input/format_guess.h"

#include "util/text_format.h"

namespace hueset {

AlignmentFormat guessFormat(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::size_t start = 0;
  while (start < text.size() && isSpace(text[start])) ++start;
  std::string_view from = text.substr(start);

  if (!from.empty() && from.front() == '>') return AlignmentFormat::Fasta;
  if (from.size() > 7 && from.substr(0, 7) == "CLUSTAL") return AlignmentFormat::Clustal;
  if (from.size() > 3 && from.substr(0, 3) == "DSC") return AlignmentFormat::Dsc;

  std::string_view window = from.substr(0, 2000);
  std::size_t phd = window.find("PHDsec");
  if (phd != std::string_view::npos) {
    return window.find("# saf", phd + 6) != std::string_view::npos ? AlignmentFormat::PhdSaf
                                                                      : AlignmentFormat::PhdMsf;
  }
  return AlignmentFormat::Msf;
}

FormatChoice FormatChoice::forGuess(AlignmentFormat guess) {
  FormatChoice choice;
  const int position = static_cast<int>(guess);
  choice.selected = (position >= 0 && position < static_cast<int>(kFormatLabels.size())) ? position : -1;
  return choice;
}

AlignmentFormat FormatChoice::chosen() const {
  if (selected < 0 || selected >= static_cast<int>(kFormatLabels.size())) {
    return AlignmentFormat::Undetermined;
  }
  return static_cast<AlignmentFormat>(selected);
}

}  // namespace hueset
