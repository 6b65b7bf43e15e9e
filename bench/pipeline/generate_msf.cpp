// Writes a synthetic MSF alignment of SEQUENCES x COLUMNS to standard output:
// related sequences (a common ancestor with mutations and gap runs), so the
// consensus and elision have real work to do. Deterministic for a seed.
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SEQUENCES COLUMNS [SEED]\n", argv[0]);
    return 2;
  }
  const long sequences = std::strtol(argv[1], nullptr, 10);
  const long columns = std::strtol(argv[2], nullptr, 10);
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1u;
  if (sequences < 1 || columns < 1 || columns > 32000) {
    std::fprintf(stderr, "sequences must be positive and columns 1 to 32000\n");
    return 2;
  }
  static const char kResidues[] = "ACDEFGHIKLMNPQRSTVWY";
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> residue(0, 19);
  std::uniform_int_distribution<int> percent(0, 99);

  std::string ancestor(static_cast<std::size_t>(columns), 'A');
  for (auto& c : ancestor) c = kResidues[residue(random)];

  std::vector<std::string> names;
  std::vector<std::string> rows;
  for (long s = 0; s < sequences; ++s) {
    names.push_back("SEQ" + std::to_string(s));
    std::string row = ancestor;
    for (long c = 0; c < columns; ++c) {
      int p = percent(random);
      if (p < 20) row[static_cast<std::size_t>(c)] = kResidues[residue(random)];
      else if (p < 25) row[static_cast<std::size_t>(c)] = '.';
    }
    rows.push_back(std::move(row));
  }

  std::printf("synthetic.msf  MSF: %ld  Type: P  Check: 0  ..\n\n", columns);
  for (const auto& name : names) {
    std::printf(" Name: %-12s Len: %ld  Check: 0  Weight: 1.00\n", name.c_str(), columns);
  }
  std::printf("\n//\n\n");
  for (long start = 0; start < columns; start += 50) {
    for (std::size_t s = 0; s < rows.size(); ++s) {
      std::printf("%-12s", names[s].c_str());
      for (long c = start; c < start + 50 && c < columns; c += 10) {
        long end = std::min(c + 10, std::min(start + 50, columns));
        std::printf(" %.*s", static_cast<int>(end - c), rows[s].c_str() + c);
      }
      std::printf("\n");
    }
    std::printf("\n");
  }
  return 0;
}
