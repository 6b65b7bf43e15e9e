#include "gui/app/annotate_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "annotate/tee_writer.h"
#include "desktop/annotation/annotation_file.h"
#include "desktop/frame/command_ids.h"
#include "desktop/frame/frame_texts.h"
#include "desktop/frame/help_topics.h"
#include "desktop/groupings/web_safe_check.h"
#include "figure/output_kinds.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/annotation_runner.h"
#include "gui/app/hueset_app.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"
#include "gui/controls/sets_dialog.h"
#include "gui/output/clipboard_transfer.h"
#include "gui/output/word_processor_handoff.h"
#include "input/format_guess.h"
#include "output/cf_html.h"
#include "output/plain_text_writer.h"
#include "output/writer_factory.h"
#include "pipeline/annotation_files.h"
#include "util/file_write.h"

namespace hueset::gui {

namespace {

std::string_view view(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The Rich Text of an annotation and its plain text, each written straight
// into the buffer the clipboard takes over.
class RichTextOutput {
 public:
  RichTextOutput(const Options& options, const GroupingSet& groupings)
      : m_rtf(makeWriter(OutputKind::Rtf, options, groupings)),
        m_rtfSink(m_rtfBytes),
        m_plainSink(m_plainBytes) {
    m_rtf->streamTo(&m_rtfSink.stream());
    m_plain.streamTo(&m_plainSink.stream());
  }

  std::vector<AnnotationWriter*> writers() { return {m_rtf.get(), &m_plain}; }
  // On the worker, once the annotation is complete: what the writers still
  // hold goes into the buffers.
  void drain() {
    m_rtf->drainToStream();
    m_plain.drainToStream();
  }
  const QByteArray& rtf() const { return m_rtfBytes; }
  std::unique_ptr<QMimeData> takeClipboardData() {
    return richTextClipboardData(std::move(m_rtfBytes), std::move(m_plainBytes));
  }

 private:
  QByteArray m_rtfBytes;
  QByteArray m_plainBytes;
  std::unique_ptr<AnnotationWriter> m_rtf;
  PlainTextWriter m_plain;
  ByteArraySink m_rtfSink;
  ByteArraySink m_plainSink;
};

}  // namespace

AnnotateCommands::AnnotateCommands(HuesetApp& app, AlignmentEditor* editor)
    : QObject(editor),
      m_app(app),
      m_editor(editor),
      m_runner(new AnnotationRunner(*this, app.prompts(), editor->window())) {}

bool AnnotateCommands::enabled() const {
  return annotateCommandsEnabled(static_cast<std::size_t>(m_editor->characterCount()));
}

bool AnnotateCommands::annotateInto(AnnotationWriter& writer, const Finish& finish) {
  // The worker reads copies taken now, so nothing the windows do meanwhile
  // reaches it; the text is the one copy of the document it gets, and goes
  // as soon as it has been read.
  QByteArray text = m_editor->alignmentText();
  Options options = m_app.options();
  if (m_columns) options.columnMarks.columns = *m_columns;
  const GroupingSet groupings = m_app.configuration().set;
  RememberedSets remembered = m_remembered;
  const AfterReading afterReading = this->afterReading();
  const bool completed = m_runner->run([&](BackgroundAnnotation& run) {
    const std::string_view document = view(text);
    run.whenRead([&text] { text = QByteArray(); });
    if (!annotate(document, options, groupings, writer, run.interaction(), remembered, {},
                  afterReading)) {
      return false;
    }
    return !finish || finish(run);
  });
  // A set list chosen is kept for the next run, however this one ended.
  m_remembered = remembered;
  return completed;
}

bool AnnotateCommands::webSafeCheck() {
  if (!m_app.options().html.checkWebSafe) return true;
  std::vector<std::string> problems = webSafeProblems(m_app.configuration().set);
  if (problems.empty()) return true;
  UserPrompts::ListChoice choice;
  choice.prompt = toQString(kWebSafePrompt);
  for (const std::string& line : problems) choice.items << QString::fromStdString(line);
  choice.note = toQString(kWebSafeQuestion);
  choice.helpContext = commandHelpContext(Command::AnnotateToHtmlClipboard);
  return m_app.prompts().chooseFromList(m_editor, choice).has_value();
}

ParseMessageSink& AnnotateCommands::messageSink() { return *m_editor; }

std::optional<AlignmentFormat> AnnotateCommands::confirmFormat(AlignmentFormat guess) {
  FormatChoice model = FormatChoice::forGuess(guess);
  UserPrompts::ListChoice choice;
  choice.prompt = toQString(model.prompt);
  for (const FormatDescriptor& entry : formatList()) choice.items << toQString(entry.label);
  choice.note = toQString(model.note);
  choice.selected = model.selected;
  choice.helpContext = kFileFormatsHelpContext;
  std::optional<int> chosen = m_app.prompts().chooseFromList(m_editor, choice);
  if (!chosen) return std::nullopt;
  model.selected = *chosen;
  return model.chosen();
}

bool AnnotateCommands::acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) {
  return m_app.prompts().acceptCharacterProblems(m_editor, problems);
}

std::optional<std::vector<int>> AnnotateCommands::chooseSets(
    const std::vector<std::string>& names, bool duplicateInSets,
    const std::vector<int>& startingChoice) {
  return runSetsDialog(m_editor, names, duplicateInSets, startingChoice);
}

void AnnotateCommands::toWord() {
  RichTextOutput output(m_app.options(), m_app.configuration().set);
  TeeWriter tee(output.writers());
  QString writeError;
  const QString file = m_app.wordProcessor().newFile(&writeError);
  const bool completed = annotateInto(tee, [&](BackgroundAnnotation& run) {
    output.drain();
    if (!run.advance(RunStage::Writing, 0)) return false;
    if (writeError.isEmpty()) {
      const WriteResult written = writeFileAtomically(toPathBytes(file), view(output.rtf()));
      if (!written.ok) writeError = toQPath(written.error);
    }
    return run.advance(RunStage::Clipboard, 0);
  });
  if (!completed) return;
  m_app.wordProcessor().send(output.takeClipboardData(), file, writeError,
                             QGuiApplication::clipboard(), m_editor, m_app.prompts());
}

void AnnotateCommands::toRtfClipboard() {
  const GroupingSet& groupings = m_app.configuration().set;
  RichTextOutput output(m_app.options(), groupings);
  // The same annotation as pictures, for drawing programs and slides; one
  // run of the driver feeds them all, so every question is asked once.
  const auto pictures = makeClipboardPictureWriters(groupings);
  std::vector<AnnotationWriter*> writers = output.writers();
  for (const auto& picture : pictures) writers.push_back(picture.get());
  TeeWriter tee(writers);
  const bool completed = annotateInto(tee, [&](BackgroundAnnotation& run) {
    output.drain();
    return run.advance(RunStage::Clipboard, 0);
  });
  if (!completed) return;
  std::unique_ptr<QMimeData> data = output.takeClipboardData();
  for (const auto& picture : pictures) {
    // A figure too large for a picture goes as Rich Text alone.
    if (!picture->problem().empty()) continue;
    const std::unique_ptr<QMimeData> more = clipboardData(*picture);
    for (const QString& format : more->formats()) data->setData(format, more->data(format));
  }
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setMimeData(data.release());
}

void AnnotateCommands::toHtmlClipboard() {
  if (!webSafeCheck()) return;
  const auto html = makeWriter(OutputKind::Html, m_app.options(), m_app.configuration().set);
  // The page is built in the clipboard's buffer, behind room for the
  // description lines, and wrapped where it lies.
  QByteArray text(kCfHtmlRoomBefore, ' ');
  ByteArraySink sink(text);
  html->streamTo(&sink.stream());
  // Plain-text readers get the annotation's text, as from Rich Text.
  QByteArray plainText;
  ByteArraySink plainSink(plainText);
  PlainTextWriter plain;
  plain.streamTo(&plainSink.stream());
  TeeWriter tee({html.get(), &plain});
  const bool completed = annotateInto(tee, [&](BackgroundAnnotation& run) {
    if (!run.advance(RunStage::Clipboard, 0)) return false;
    html->drainToStream();
    plain.drainToStream();
    const std::size_t pageSize = static_cast<std::size_t>(text.size()) - kCfHtmlRoomBefore;
    const std::string roomAfter(kCfHtmlRoomAfter, ' ');
    sink.stream().write(roomAfter.data(), static_cast<std::streamsize>(roomAfter.size()));
    const std::size_t at =
        wrapCfHtmlAround(std::span<char>(text.data(), static_cast<std::size_t>(text.size())),
                         kCfHtmlRoomBefore, pageSize);
    // Dropping the room in front moves nothing.
    text.remove(0, static_cast<qsizetype>(at));
    return true;
  });
  if (!completed) return;
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setMimeData(htmlClipboardData(std::move(text), std::move(plainText)).release());
  }
}

void AnnotateCommands::onColumns(const std::string& columns, const std::function<void()>& command) {
  m_columns = columns;
  // For this command alone, however it ends.
  struct Reset {
    std::optional<std::string>& columns;
    ~Reset() { columns.reset(); }
  } reset{m_columns};
  command();
}

bool AnnotateCommands::copyAsPicture() {
  const auto pictures = makeClipboardPictureWriters(m_app.configuration().set);
  if (pictures.empty()) {
    showWarning(kFiguresUnavailable);
    return false;
  }
  std::vector<AnnotationWriter*> writers;
  for (const auto& picture : pictures) writers.push_back(picture.get());
  TeeWriter tee(writers);
  // Drawn beside the window, under the runner's busy cursor and progress.
  const bool completed = annotateInto(
      tee, [](BackgroundAnnotation& run) { return run.advance(RunStage::Clipboard, 0); });
  if (!completed) return false;
  auto data = std::make_unique<QMimeData>();
  std::string problem;
  for (const auto& picture : pictures) {
    if (!picture->problem().empty()) {
      problem = picture->problem();
      continue;
    }
    const std::unique_ptr<QMimeData> more = clipboardData(*picture);
    for (const QString& format : more->formats()) data->setData(format, more->data(format));
  }
  if (data->formats().isEmpty()) {
    showWarning(problem);
    return false;
  }
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setMimeData(data.release());
  return true;
}

void AnnotateCommands::copyStyleSheet() {
  if (!webSafeCheck()) return;
  const GroupingSet& groupings = m_app.configuration().set;
  const auto writer = makeWriter(OutputKind::Css, m_app.options(), groupings);
  writeStyleSheet(*writer, groupings);
  transferToClipboard(*writer, QGuiApplication::clipboard());
}

void AnnotateCommands::toFile() {
  Options& options = m_app.options();
  const std::optional<UserPrompts::FileChoice> choice = m_app.prompts().chooseAnnotationFile(
      m_editor, toQPath(options.paths.lastAnnotateDirectory),
      toQPath(proposedAnnotationFileName(toPathBytes(m_documentPath ? m_documentPath() : QString()),
                                         0)));
  if (!choice) return;
  // A folder that does not exist is refused before anything else is asked,
  // and not remembered.
  // The typed extension decides what is written, else the chosen type does.
  const auto [path, kind] = annotationFileTarget(toPathBytes(choice->path), choice->filterIndex);
  if (const auto problem = chosenFileProblem(path)) {
    m_app.prompts().message(m_editor, QStringLiteral("HUESET"), toQPath(*problem),
                            PromptIcon::Exclamation, PromptButtons::Ok);
    return;
  }
  options.paths.lastAnnotateDirectory = toPathBytes(choice->folder);

  if (kind == OutputKind::Html && !webSafeCheck()) return;
  if (writeFile(path, kind) == FileWrite::Failed) showSaveFailure(m_app.prompts(), m_editor, path);
}

AnnotateCommands::FileWrite AnnotateCommands::writeFile(const std::string& path, OutputKind kind) {
  const auto writer = makeWriter(kind, m_app.options(), m_app.configuration().set);
  if (!writer) {
    showWarning(kFiguresUnavailable);
    return FileWrite::Stopped;
  }
  // The annotation streams into the file as it is laid out, so a figure of
  // any size is written in bounded memory, as the command line does; a PNG
  // or SVG on paper goes into a file a page beside it.
  AnnotationFiles file(path, *writer);
  if (!file.isOpen()) return FileWrite::Failed;
  std::string problem;
  FileWrite outcome = FileWrite::Stopped;
  annotateInto(*writer, [&](BackgroundAnnotation& run) {
    problem = writer->problem();
    if (!problem.empty() || !run.advance(RunStage::Writing, 0)) return false;
    outcome = file.commit().ok ? FileWrite::Written : FileWrite::Failed;
    return true;
  });
  // A stopped annotation abandons the file: one that was there stays whole.
  if (!problem.empty()) showWarning(problem);
  return outcome;
}

void AnnotateCommands::showWarning(std::string_view text) {
  m_app.prompts().message(m_editor, QStringLiteral("HUESET"), toQString(text),
                          PromptIcon::Exclamation, PromptButtons::Ok);
}

}  // namespace hueset::gui
