#pragma once

#include <string>
#include <vector>

#include "input/alignment_reader.h"

namespace hueset {

// Reads PHYLIP: a first line with the number of sequences and the number of
// columns, then the sequences, each starting with its name. Names are
// strict (the first ten characters of the line, blanks allowed) or relaxed
// (a word, then white space); the sequences come one after the other
// (sequential) or in blocks whose later lines carry no names (interleaved);
// blanks inside the residues are ignored. The text says neither, so every
// way is tried and the one that fits the counts of the first line is taken:
// strict before relaxed and interleaved before sequential when more than
// one fits, and the one that placed the most residues speaks when none does.
class PhylipReader : public AlignmentReader {
 public:
  explicit PhylipReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  struct Line {
    std::string_view text;
    int number;
  };
  struct Layout {
    bool interleaved;
    bool strictNames;
  };
  // What one way of reading made of the lines: the alignment, and the first
  // problem it met (none when it fits the counts).
  struct Attempt {
    Alignment alignment;
    StringId problem = 0;
    bool question = false;  // the problem leaves a usable alignment
    int number = 0;
    std::string text;
    std::size_t placed = 0;  // residues placed before the problem
  };

  Attempt attempt(const std::vector<Line>& lines, Layout layout) const;
  void readInterleaved(const std::vector<Line>& lines, bool strictNames, Attempt& a) const;
  void readSequential(const std::vector<Line>& lines, bool strictNames, Attempt& a) const;

  std::size_t m_sequences = 0;
  std::size_t m_columns = 0;
  std::size_t m_reserve = 0;  // residues to make room for in each row
};

}  // namespace hueset
