#include "structure/dssp_text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace hueset {
namespace {

constexpr std::string_view kTableStart = "  #  RESIDUE";

int numberIn(std::string_view field, bool& ok) {
  const auto first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    ok = false;
    return 0;
  }
  field.remove_prefix(first);
  int value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  ok = ec == std::errc{} && (end == field.data() + field.size() || *end == ' ');
  return value;
}

}  // namespace

std::string structureFileProblem(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return path + ": cannot be read (" + error.message() + ")";
  if (static_cast<long long>(size) > kLargestStructureBytes) {
    return path + ": " + std::to_string(size >> 20) + " MB, larger than a structure is read (" +
           std::to_string(kLargestStructureBytes >> 20) + " MB)";
  }
  return {};
}

std::string textProblem(std::string_view text, const std::string& path) {
  for (std::size_t p = 0; p < text.size(); ++p) {
    const auto c = static_cast<unsigned char>(text[p]);
    if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c >= 0x7F) {
      return path + ": not a structure (a byte that is no printable ASCII at " +
             std::to_string(p + 1) + ")";
    }
  }
  return {};
}

bool isDsspText(std::string_view head) {
  return head.starts_with("==== Secondary Structure Definition by the program DSSP");
}

StructureFile readDsspChains(std::string_view text, const std::string& path) {
  const auto start = text.find(kTableStart);
  if (start == std::string_view::npos)
    return {{}, path + ": a DSSP file without its residue table"};
  std::size_t at = text.find('\n', start);
  StructureFile out;
  int lineNumber = 0;
  while (at != std::string_view::npos && at + 1 < text.size()) {
    const std::size_t end = text.find('\n', at + 1);
    std::string_view line = text.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
    at = end;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() < 38) continue;
    if (line[13] == '!') continue;  // a break
    const std::string name(1, line[11]);
    bool numberOk = false;
    bool accOk = false;
    const int number = numberIn(line.substr(5, 5), numberOk);
    const int acc = numberIn(line.substr(34, 4), accOk);
    if (!numberOk || !accOk) {
      return {{},
              path + ": residue line " + std::to_string(lineNumber) +
                  " of the DSSP table is malformed"};
    }
    char letter = line[13];
    // Half-cystines are lower case, paired by letter.
    if (letter >= 'a' && letter <= 'z') letter = 'C';
    const char state = line[16] == ' ' ? '-' : line[16];
    // A chain met again after another goes on where it was.
    auto into = std::find_if(out.chains.begin(), out.chains.end(),
                             [&name](const StructureChain& c) { return c.chain == name; });
    if (into == out.chains.end()) into = out.chains.insert(into, {path, name, {}});
    into->residues.push_back({letter, state, number,
                              line[10] == ' ' ? std::string() : std::string(1, line[10]),
                              double(acc)});
  }
  if (out.chains.empty()) out.problem = path + ": no chain with amino acids";
  return out;
}

StructureRead readDsspText(std::string_view text, const std::string& path,
                           const std::string& chain) {
  return chainOf(readDsspChains(text, path), path, chain);
}

StructureRead chainOf(const StructureFile& file, const std::string& path,
                      const std::string& chain) {
  if (!file.problem.empty()) return {std::nullopt, file.problem};
  for (const StructureChain& c : file.chains) {
    if (chain.empty() || c.chain == chain) return {c, {}};
  }
  return {std::nullopt, chain.empty() ? path + ": no chain with amino acids"
                                      : path + ": no chain " + chain + " with amino acids"};
}

}  // namespace hueset
