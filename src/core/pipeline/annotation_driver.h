#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "annotate/consensus.h"
#include "input/alignment.h"
#include "input/format_guess.h"
#include "input/parse_message_sink.h"
#include "input/read_alignment.h"

namespace hueset {

struct Options;
struct GroupingSet;
class AnnotationWriter;

// What the annotation asks of the user on its way. The desktop program
// answers with dialogs, the command-line tool by policy, tests from scripts.
// The stages of an annotation, for a progress display.
enum class AnnotationStage { Reading, Consensus, Layout };

class AnnotationInteraction {
 public:
  virtual ~AnnotationInteraction() = default;

  // Where a long annotation has got to: called on the thread that runs it,
  // at each stage and between the blocks of the layout, with the stage's
  // percentage done. False stops the annotation (the writer then holds no
  // complete annotation). The default goes on. From the consensus stage on
  // the document text is not read again, so its memory may be given back.
  virtual bool progress(AnnotationStage stage, int percent) {
    (void)stage;
    (void)percent;
    return true;
  }

  // A note on what the annotation did that the user may not expect; the
  // annotation goes on. By default it is not shown.
  virtual void warn(const std::string& text) { (void)text; }

  // Where the readers' messages go.
  virtual ParseMessageSink& messageSink() = 0;
  // The "File Formats" confirmation; none means cancelled.
  virtual std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) = 0;
  // The "Invalid Characters" report; true only when the user answers Yes.
  virtual bool acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) = 0;
  // The multiple sets dialog: the sequence names, whether a sequence may
  // appear in more than one set, and the remembered set list when it was made
  // for this many sequences (empty otherwise). None means cancelled.
  virtual std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names,
                                                     bool duplicateInSets,
                                                     const std::vector<int>& startingChoice) = 0;
};

// The set list of the last multiple-sets run and the number of sequences it
// was made for. Kept by the caller between runs.
struct RememberedSets {
  std::vector<int> setList;
  int sequenceCount = -1;
};

// The reader settings of the user's parse and input options.
ReadSettings readSettings(const Options& options);

// The consensus settings of the user's annotation and parse options.
ConsensusSettings consensusSettings(const Options& options);

// Runs the whole annotation of `text` into `writer`. Returns true when the
// writer received a complete annotation; on any stop it returns false and
// every message has already gone through `interaction`. The text is read
// only until the Consensus stage is reported: a caller short of memory may
// let it go then. A format given in `format` is read as it is; else the
// text is guessed once and the guess confirmed if the options say so.
// `afterReading`, when given, may add to the alignment just read (rows of
// structures attached to its sequences); false stops, its messages given.
using AfterReading = std::function<bool(Alignment& alignment, AnnotationInteraction& interaction)>;
bool annotate(std::string_view text, const Options& options, const GroupingSet& groupings,
              AnnotationWriter& writer, AnnotationInteraction& interaction,
              RememberedSets& remembered, const FormatRequest& format = {},
              const AfterReading& afterReading = {});

}  // namespace hueset
