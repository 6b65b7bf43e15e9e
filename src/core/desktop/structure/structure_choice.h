#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/structure/attached_structure.h"
#include "input/alignment.h"
#include "structure/structure_reader.h"

namespace hueset {

struct Options;

// The sequences of the document's text as the annotation would read them
// (the format guessed, no question asked), or why the text gives none.
struct DocumentSequences {
  Alignment alignment;
  std::string problem;
};
DocumentSequences documentSequences(std::string_view text, const Options& options);

// The rules of the "Add Structure" dialog: a file read, one of its chains
// with amino acids, a sequence of the document for it (at first the first
// whose match passes), and the list of the structures attached, which
// Attach adds to and Remove takes from. The dialog only shows this.
class StructureChoice {
 public:
  StructureChoice(Alignment sequences, std::vector<AttachedStructure> attached);

  // The file read (off the GUI thread): its chains, or why it has none.
  void setFile(const std::string& path, StructureFile file);
  const std::string& path() const { return m_path; }
  // Why the file gives no chain, naming it; empty once chains are listed.
  const std::string& fileProblem() const { return m_file.problem; }
  // "A (137 residues)" for each chain with amino acids.
  std::vector<std::string> chainItems() const;
  int chain() const { return m_chain; }
  // Also chooses the first sequence the chain matches, or the first.
  void setChain(int index);

  std::vector<std::string> sequenceItems() const;
  int sequence() const { return m_sequence; }
  void setSequence(int index);

  // What the chosen chain and sequence make: the identity, or why they do
  // not go together.
  const std::string& matchText() const { return m_matchText; }
  bool canAttach() const { return m_matches; }
  // Adds the chosen chain on the chosen sequence; empty, or why not.
  std::string attach();

  std::vector<std::string> attachedItems() const;
  void remove(int index);
  const std::vector<AttachedStructure>& attached() const { return m_attached; }

 private:
  void match();
  // The chosen chain's problem with sequence `s`; empty when it fits.
  std::string problemWith(std::size_t s) const;

  Alignment m_sequences;
  std::vector<std::string> m_names;  // trimmed
  std::vector<AttachedStructure> m_attached;
  std::string m_path;
  StructureFile m_file;
  int m_chain = -1;
  int m_sequence = -1;
  std::string m_matchText;
  bool m_matches = false;
};

}  // namespace hueset
