// Writes a synthetic MSF alignment of SEQUENCES x COLUMNS to standard output
// (FASTA with --fasta; see syntheticMsf). Deterministic for a seed.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pipeline/synthetic_msf.h"

int main(int argc, char** argv) {
  bool fasta = false;
  if (argc > 1 && std::string_view(argv[1]) == "--fasta") {
    fasta = true;
    --argc;
    ++argv;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s [--fasta] SEQUENCES COLUMNS [SEED]\n", argv[0]);
    return 2;
  }
  const long sequences = std::strtol(argv[1], nullptr, 10);
  const long columns = std::strtol(argv[2], nullptr, 10);
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1u;
  if (sequences < 1 || columns < 1 || columns > 32000) {
    std::fprintf(stderr, "sequences must be positive and columns 1 to 32000\n");
    return 2;
  }
  const std::string text = hueset::bench::syntheticMsf(sequences, columns, seed, fasta);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
