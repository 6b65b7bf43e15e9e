#include "pipeline/synthetic_msf.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

namespace hueset::bench {
namespace {

constexpr std::string_view kResidues = "ACDEFGHIKLMNPQRSTVWY";
constexpr std::string_view kClasses[] = {"ILVM", "FWY", "KRH", "DE", "ST", "NQ", "AG", "C", "P"};

std::string_view classOf(char residue) {
  for (auto c : kClasses) {
    if (c.find(residue) != std::string_view::npos) return c;
  }
  return kResidues;
}

template <typename... Args>
void appendFormatted(std::string& out, const char* format, Args... args) {
  char buffer[128];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  if (n > 0) out.append(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
}

}  // namespace

std::string syntheticMsf(long sequences, long columns, unsigned seed, bool fasta) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  auto pick = [&](std::string_view from) {
    return from[static_cast<std::size_t>(chance(random) * static_cast<double>(from.size())) %
                from.size()];
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

  std::string out;
  out.reserve(width * static_cast<std::size_t>(sequences) * 13 / 10 +
              64 * static_cast<std::size_t>(sequences));
  if (fasta) {
    for (long s = 0; s < sequences; ++s) {
      std::string& row = rows[static_cast<std::size_t>(s)];
      std::replace(row.begin(), row.end(), '.', '-');
      appendFormatted(out, ">SEQ%ld synthetic family member\n", s);
      for (std::size_t c = 0; c < width; c += 60) {
        out.append(row, c, std::min<std::size_t>(60, width - c));
        out += '\n';
      }
    }
    return out;
  }
  appendFormatted(out, "synthetic.msf  MSF: %ld  Type: P  Check: 0  ..\n\n", columns);
  for (long s = 0; s < sequences; ++s) {
    appendFormatted(out, " Name: SEQ%-9ld Len: %ld  Check: 0  Weight: 1.00\n", s, columns);
  }
  out += "\n//\n\n";
  for (std::size_t start = 0; start < width; start += 50) {
    for (long s = 0; s < sequences; ++s) {
      appendFormatted(out, "SEQ%-9ld", s);
      const std::string& row = rows[static_cast<std::size_t>(s)];
      for (std::size_t c = start; c < start + 50 && c < width; c += 10) {
        const std::size_t end = std::min({c + 10, start + 50, width});
        out += ' ';
        out.append(row, c, end - c);
      }
      out += '\n';
    }
    out += '\n';
  }
  return out;
}

}  // namespace hueset::bench
