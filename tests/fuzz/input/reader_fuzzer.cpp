// Feeds arbitrary bytes to the document decoding (gzip), the format guess
// and every alignment reader, with the prediction reader after the MSF and
// CLUSTAL stages, and to the problem reports. Questions are answered
// alternately No and Yes, then all Yes, so both branches of every question
// are reached.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/document_text.h"
#include "input/format_guess.h"
#include "input/parse_reports.h"
#include "input/read_alignment.h"
#include "support/scripted_sink.h"

namespace {

using hueset::Alignment;
using hueset::AlignmentFormat;

void check(bool condition) {
  if (!condition) __builtin_trap();
}

void readOnce(const std::string& text, AlignmentFormat format, bool alternate,
              hueset::ReadSettings flags) {
  hueset::test::ScriptedSink sink;
  if (alternate) sink.alternateAnswers();
  Alignment a;
  const bool ok = hueset::readAlignment(text, format, sink, a, flags);
  for (const auto& m : sink.messages()) check(m.line >= 0);
  if (!ok) return;
  // What a successful read promises to the rest of the program.
  check(!a.names.empty());
  check(a.names.size() == a.residues.size());
  check(a.trackLabels.size() == a.tracks.size());
  check(a.hasEqualLengths());
  check(static_cast<std::size_t>(a.length) == a.residues.front().size());
  // A2M and A3M names may repeat, as in HH-suite's pairwise output.
  if (format == AlignmentFormat::Msf || format == AlignmentFormat::Fasta) {
    check(a.duplicateNameCount() == 0);
  }
  std::vector<hueset::CharacterProblem> problems;
  hueset::checkCharacters(a, problems, false, false, "BJOUZ");
  const auto report = hueset::makeCharacterReport(problems);
  check(report.rows.size() == problems.size());
  hueset::makeUnequalLengthsReport("heading", a);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  // Compressed input is read as the document it holds.
  hueset::DocumentText document = hueset::decodeDocument(text);
  check(document.ok() || document.compressed);
  if (document.compressed) {
    if (!document.ok()) return 0;
    text = std::move(document.text);
  }
  const AlignmentFormat guessed = hueset::guessFormat(text);
  check(guessed != AlignmentFormat::Undetermined && !hueset::formatLabel(guessed).empty());

  // The option flags come from the text's length, so one input always runs
  // the same way.
  const hueset::ReadSettings flags{(size & 1) != 0, (size & 2) != 0, (size & 4) != 0,
                                   (size & 8) != 0};
  for (const hueset::FormatDescriptor& entry : hueset::formatList()) {
    readOnce(text, entry.format, true, flags);
    readOnce(text, entry.format, false, flags);
  }
  hueset::residueDisplayForm(text);
  return 0;
}
