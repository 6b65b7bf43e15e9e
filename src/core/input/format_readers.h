#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input/alignment_reader.h"
#include "input/read_alignment.h"

namespace hueset {

class NameIndex;

// The readers of the formats, one class each on the common base. They are
// declared together because each adds little to the base: its constructor
// (the headings of its messages, and the parse options it looks at), its
// parse, and the steps that parse is made of.

// Reads A2M and A3M, the aligned FASTA of profile-HMM tools. Capital letters
// and "-" are match states, one column each in every sequence; lower-case
// letters are insert states, and "." fills the insert columns of the other
// sequences in A2M, while A3M leaves those gaps out. Both are expanded to
// one full matrix: the insert columns are kept (lower case, so the options
// on lower case apply), or dropped when only the match states are wanted.
// The name is the first word of the header, without the ">"; names may
// repeat. HH-suite's structure rows ("ss_pred", "ss_dssp", the confidences
// "ss_conf" and the accessibility "sa_dssp"), before the sequences or after
// them, become labelled rows like the PHD predictions.
class A2mReader : public AlignmentReader {
 public:
  explicit A2mReader(ParseMessageSink& sink, const ReadSettings& settings = {});

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool readLines(Alignment& alignment, std::vector<int>& firstLines);
  bool expand(Alignment& alignment, const std::vector<int>& firstLines);

  ReadSettings m_settings;
};

// Reads interleaved "name residues" lines: CLUSTAL (a header line starting
// with "CLUSTAL", blocks in which conservation lines and rulers start with
// blanks and a residue count may follow the residues), and the alignment
// part of a PHD prediction in SAF form (after a "# saf" line, with "#"
// comments, up to the line of 70 underscores). A sequence first named in a
// later block is added at the end. The alignment's format, set by the caller,
// chooses which of the two it is.
class ClustalReader : public AlignmentReader {
 public:
  explicit ClustalReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool findSafStart();
};

// Reads aligned FASTA: a header line starting with ">" opens each sequence
// (the whole printable header, ">" and description included, is its name,
// or only its first word when the settings ask), and the first word of every
// following line adds to its residues.
class FastaReader : public AlignmentReader {
 public:
  FastaReader(ParseMessageSink& sink, const ReadSettings& settings);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool m_firstWordNames;
};

// Reads MSF: a header line with "MSF:", the length and "Type: P"; a names
// section of "Name:" lines closed by "//"; then interleaved blocks of lines
// that start with a sequence name. It also reads the alignment part of a PHD
// prediction in MSF form (up to the line of 70 underscores) and of a DSC
// prediction, whose last four rows become prediction rows. The alignment's
// format, set by the caller, chooses which of these it is.
class MsfReader : public AlignmentReader {
 public:
  explicit MsfReader(ParseMessageSink& sink, const ReadSettings& settings = {});

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool readHeader(Alignment& alignment);
  bool readNames(Alignment& alignment);
  bool readData(Alignment& alignment);
  // readData for a large text, on every core.
  bool readDataInPieces(Alignment& alignment);
  // The end of readData: every sequence has residues, all as many.
  bool checkDataLengths(Alignment& alignment);
  bool readDscRows(Alignment& alignment);

  ReadSettings m_settings;
};

// Reads the prediction part of a PHD file, after the alignment part that
// the MSF or CLUSTAL reader took: lines "label |predictions|" from the first
// "AA" line on, up to the line of 70 underscores. Start it with readFrom()
// at the position the alignment reader left, so line numbers continue.
class PhdReader : public AlignmentReader {
 public:
  explicit PhdReader(ParseMessageSink& sink, const ReadSettings& settings = {});

 protected:
  bool parse(Alignment& alignment) override;

 private:
  void readPredictionLines(Alignment& alignment);
  bool tidyRows(Alignment& alignment);
  void applyOptions(Alignment& alignment) const;

  ReadSettings m_settings;
};

// Reads PHYLIP: a first line with the number of sequences and the number of
// columns, then the sequences, each starting with its name. Names are
// strict (the first ten characters of the line, blanks allowed) or relaxed
// (a word, then white space); the sequences come one after the other
// (sequential) or in blocks whose later lines carry no names (interleaved);
// blanks inside the residues are ignored. The text says neither, so every
// way is tried and one that fits the counts of the first line is taken
// (see chooseLayout), with a question that says which when the ways that
// fit read differently; the one that placed the most residues speaks when
// none fits. Of several data sets only the first is read, after a question
// that says how many are skipped.
class PhylipReader : public AlignmentReader {
 public:
  explicit PhylipReader(ParseMessageSink& sink);

  // The questions of the last read that only told what was done (the
  // layout taken, the data sets skipped): a read with no others is sound.
  int notes() const { return m_notes; }

 protected:
  bool parse(Alignment& alignment) override;

 private:
  struct Line {
    std::string_view text;
    int number;
    bool afterBlank;  // a blank line stands before it
  };
  struct Layout {
    bool interleaved;
    bool strictNames;
  };
  // What one way of reading made of the lines: the alignment, and the first
  // problem it met (none when it fits the counts).
  struct Attempt {
    Alignment alignment;
    std::optional<InputMessage> problem;
    bool question = false;  // the problem leaves a usable alignment
    bool atLine = true;     // `number` is the line to select, else a count
    int number = 0;
    std::string text;
    std::size_t placed = 0;  // residues placed before the problem
    Layout layout{};
    // Interleaved: every line of a block adds as many residues; sequential:
    // every sequence takes as many lines.
    bool even = true;
  };

  std::vector<Line> takeDataSet();
  std::size_t chooseLayout(const std::vector<Attempt>& fits, const std::vector<Line>& lines) const;
  static bool readsOtherwise(const std::vector<Attempt>& fits, std::size_t taken);
  Attempt attempt(const std::vector<Line>& lines, Layout layout) const;
  void readInterleaved(const std::vector<Line>& lines, bool strictNames, Attempt& a) const;
  void readSequential(const std::vector<Line>& lines, bool strictNames, Attempt& a) const;

  std::size_t m_sequences = 0;
  std::size_t m_columns = 0;
  std::size_t m_reserve = 0;  // residues to make room for in each row
  int m_furtherDataSets = 0;
  int m_furtherDataSetsLine = 0;  // where the first of them begins
  int m_notes = 0;
};

// Reads PIR/NBRF: each sequence opens with ">P1;name" (or another type of
// two characters before the ";", such as F1 or DL), the next line is a
// description, and the residue lines that follow end with "*". Blanks
// inside the residues are ignored, and so are comment lines ("C;") outside
// the residues.
class PirReader : public AlignmentReader {
 public:
  explicit PirReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;
};

// Reads Stockholm 1.0: the "# STOCKHOLM 1.0" header, blocks of "name
// residues" lines (interleaved blocks repeat the names), mark-up lines
// beginning "#=GF", "#=GS", "#=GR" and "#=GC", and "//" at the end. Names
// keep any "/start-end" suffix. The consensus secondary structure ("#=GC
// SS_cons") and per-sequence structures ("#=GR name SS") become labelled
// rows like the PHD and DSC predictions; other mark-up is passed over. Of
// several alignments in one text only the first is read, after a question
// that says how many are skipped.
class StockholmReader : public AlignmentReader {
 public:
  explicit StockholmReader(ParseMessageSink& sink);

 protected:
  bool parse(Alignment& alignment) override;

 private:
  bool readMarkup(std::string_view line, Alignment& alignment, NameIndex& tracks);
  bool skipFurtherAlignments();
};

}  // namespace hueset
