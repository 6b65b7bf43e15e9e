// Writes a synthetic MSF alignment of SEQUENCES x COLUMNS to standard output
// (FASTA with --fasta, lines of 60 residues, gaps as "-"),
// shaped like a large protein family: a common ancestor; a few columns
// strongly conserved, some conserved in kind (substitutions within a residue
// class), most variable; and runs of gaps where sequences lack a loop. The
// consensus, elision and writers thus do the work a real family gives them.
// Deterministic for a seed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kResidues = "ACDEFGHIKLMNPQRSTVWY";
constexpr std::string_view kClasses[] = {"ILVM", "FWY", "KRH", "DE", "ST", "NQ", "AG", "C", "P"};

std::string_view classOf(char residue) {
  for (auto c : kClasses) {
    if (c.find(residue) != std::string_view::npos) return c;
  }
  return kResidues;
}

}  // namespace

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
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  auto pick = [&](std::string_view from) {
    return from[static_cast<std::size_t>(chance(random) * static_cast<double>(from.size())) % from.size()];
  };

  const auto width = static_cast<std::size_t>(columns);
  std::string ancestor(width, 'A');
  std::vector<double> keepsAncestor(width);
  for (std::size_t c = 0; c < width; ++c) {
    ancestor[c] = pick(kResidues);
    const double kind = chance(random);
    keepsAncestor[c] = kind < 0.15 ? 0.92 : kind < 0.40 ? 0.65 : 0.15;
  }

  std::vector<std::string> rows(static_cast<std::size_t>(sequences), std::string(width, '.'));
  for (auto& row : rows) {
    for (std::size_t c = 0; c < width; ++c) {
      const double p = chance(random);
      if (p < keepsAncestor[c]) {
        row[c] = ancestor[c];
      } else if (p < keepsAncestor[c] + (1.0 - keepsAncestor[c]) * 0.5) {
        row[c] = pick(classOf(ancestor[c]));  // a like-for-like substitution
      } else {
        row[c] = pick(kResidues);
      }
    }
    // Missing loops: about one gap run per hundred columns, six long on average.
    for (std::size_t c = 0; c < width; ++c) {
      if (chance(random) < 0.01) {
        std::size_t length = 1 + static_cast<std::size_t>(-6.0 * std::log(1.0 - chance(random)));
        for (std::size_t k = c; k < std::min(width, c + length); ++k) row[k] = '.';
        c += length;
      }
    }
  }

  if (fasta) {
    for (long s = 0; s < sequences; ++s) {
      std::string row = rows[static_cast<std::size_t>(s)];
      std::replace(row.begin(), row.end(), '.', '-');
      std::printf(">SEQ%ld synthetic family member\n", s);
      for (std::size_t c = 0; c < width; c += 60) {
        const auto count = static_cast<int>(std::min<std::size_t>(60, width - c));
        std::printf("%.*s\n", count, row.c_str() + c);
      }
    }
    return 0;
  }

  std::printf("synthetic.msf  MSF: %ld  Type: P  Check: 0  ..\n\n", columns);
  for (long s = 0; s < sequences; ++s) {
    std::printf(" Name: SEQ%-9ld Len: %ld  Check: 0  Weight: 1.00\n", s, columns);
  }
  std::printf("\n//\n\n");
  for (std::size_t start = 0; start < width; start += 50) {
    for (long s = 0; s < sequences; ++s) {
      std::printf("SEQ%-9ld", s);
      const std::string& row = rows[static_cast<std::size_t>(s)];
      for (std::size_t c = start; c < start + 50 && c < width; c += 10) {
        const std::size_t end = std::min({c + 10, start + 50, width});
        std::printf(" %.*s", static_cast<int>(end - c), row.c_str() + c);
      }
      std::printf("\n");
    }
    std::printf("\n");
  }
  return 0;
}
