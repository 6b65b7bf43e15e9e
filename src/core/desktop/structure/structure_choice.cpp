#include "desktop/structure/structure_choice.h"

#include <algorithm>
#include <cstdio>

#include "input/format_guess.h"
#include "input/read_alignment.h"
#include "pipeline/annotation_driver.h"
#include "settings/options.h"
#include "structure/chain_match.h"
#include "structure/structure_attachment.h"

namespace hueset {
namespace {

std::string trimmed(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') + 1 - first);
}

// The readers' first error is the reason; their questions go unasked.
class QuietSink : public ParseMessageSink {
 public:
  std::string first;
  bool ask(const std::string&, int) override { return false; }
  void error(const std::string& text, int line) override {
    if (!first.empty()) return;
    first = line > 0 ? "line " + std::to_string(line) + ": " + text : text;
  }
  void unequalLengths(const std::string& text, const Alignment&) override { error(text, 0); }
};

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

DocumentSequences documentSequences(std::string_view text, const Options& options) {
  DocumentSequences out;
  const CheckedText checked = checkDocumentText(text);
  if (checked.problem) {
    out.problem = *checked.problem;
    return out;
  }
  QuietSink sink;
  const AlignmentFormat format = settleFormat(checked.text, FormatRequest{});
  if (!readAlignment(checked.text, format, sink, out.alignment, readSettings(options))) {
    out.problem = sink.first.empty() ? "the text is no alignment that can be read" : sink.first;
    out.alignment = {};
    return out;
  }
  if (out.alignment.residues.empty()) out.problem = "the alignment has no sequences";
  return out;
}

StructureChoice::StructureChoice(Alignment sequences, std::vector<AttachedStructure> attached)
    : m_sequences(std::move(sequences)), m_attached(std::move(attached)) {
  for (const std::string& name : m_sequences.names) m_names.push_back(trimmed(name));
  m_names.resize(m_sequences.residues.size());
}

void StructureChoice::setFile(const std::string& path, StructureFile file) {
  m_path = path;
  m_file = std::move(file);
  m_chain = -1;
  m_sequence = -1;
  m_matchText.clear();
  m_matches = false;
  if (m_file.problem.empty() && m_file.chains.empty())
    m_file.problem = path + ": no chain with amino acids";
  if (m_file.problem.empty()) setChain(0);
}

std::vector<std::string> StructureChoice::chainItems() const {
  std::vector<std::string> items;
  for (const StructureChain& c : m_file.chains)
    items.push_back(c.chain + " (" + std::to_string(c.residues.size()) + " residues)");
  return items;
}

void StructureChoice::setChain(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_file.chains.size()) return;
  m_chain = index;
  int first = m_names.empty() ? -1 : 0;
  for (std::size_t s = 0; s < m_names.size(); ++s) {
    if (problemWith(s).empty()) {
      first = static_cast<int>(s);
      break;
    }
  }
  m_sequence = first;
  match();
}

std::vector<std::string> StructureChoice::sequenceItems() const { return m_names; }

void StructureChoice::setSequence(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_names.size()) return;
  m_sequence = index;
  match();
}

std::string StructureChoice::problemWith(std::size_t s) const {
  Alignment one;
  one.names = {m_names[s]};
  one.residues = {m_sequences.residues[s]};
  one.length = static_cast<std::int32_t>(one.residues[0].size());
  return attachStructure(one, m_file.chains[static_cast<std::size_t>(m_chain)], m_names[s]);
}

void StructureChoice::match() {
  m_matches = false;
  if (m_chain < 0 || m_sequence < 0) {
    m_matchText =
        m_names.empty() ? "The document has no sequence to attach a structure to." : std::string();
    return;
  }
  const auto s = static_cast<std::size_t>(m_sequence);
  if (std::string problem = problemWith(s); !problem.empty()) {
    m_matchText = std::move(problem);
    return;
  }
  std::string letters;
  for (const char c : m_sequences.residues[s]) {
    if (isLetter(c)) letters += static_cast<char>(c & ~0x20);
  }
  const StructureChain& chain = m_file.chains[static_cast<std::size_t>(m_chain)];
  const ChainMatch found = matchChain(letters, chain.letters());
  char percent[16];
  std::snprintf(percent, sizeof percent, "%.1f%%", found.identity() * 100);
  m_matchText = std::string(percent) + " identical over " + std::to_string(found.pairs) +
                " paired residues of " + std::to_string(letters.size());
  m_matches = true;
}

std::string StructureChoice::attach() {
  if (!m_matches) return m_matchText.empty() ? "Choose a structure file first." : m_matchText;
  AttachedStructure added{m_file.chains[static_cast<std::size_t>(m_chain)],
                          m_names[static_cast<std::size_t>(m_sequence)]};
  const bool twice = std::any_of(m_attached.begin(), m_attached.end(), [&added](const auto& a) {
    return a.chain.file == added.chain.file && a.chain.chain == added.chain.chain &&
           a.sequence == added.sequence;
  });
  if (twice) return attachedStructureText(added) + " is attached already.";
  m_attached.push_back(std::move(added));
  return {};
}

std::vector<std::string> StructureChoice::attachedItems() const {
  std::vector<std::string> items;
  for (const AttachedStructure& a : m_attached) items.push_back(attachedStructureText(a));
  return items;
}

void StructureChoice::remove(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_attached.size()) return;
  m_attached.erase(m_attached.begin() + index);
}

}  // namespace hueset
