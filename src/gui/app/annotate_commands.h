#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "annotate/output_kind.h"
#include "desktop/annotation/background_annotation.h"
#include "pipeline/annotation_driver.h"

namespace hueset {
class AnnotationWriter;
}

namespace hueset::gui {

class AlignmentEditor;
class AnnotationRunner;
class HuesetApp;

// The commands of the "Annotate Alignment" menu over the editor's text:
// they run the annotation beside the window, with the program's dialogs for
// the driver's questions and the web-safe colour check, and deliver the
// result to the clipboard, the word processor or a file.
class AnnotateCommands : public QObject, public AnnotationInteraction {
  Q_OBJECT
 public:
  // What a command does on the worker once the driver has filled the
  // writer (drain it, write a file); false stops the command.
  using Finish = std::function<bool(BackgroundAnnotation& run)>;

  // `editor` holds the text, hears the readers' messages and parents the
  // dialogs; it also owns this object.
  AnnotateCommands(HuesetApp& app, AlignmentEditor* editor);

  // Where the document's file is (empty for one never saved), for the name
  // "To File" proposes.
  void setDocumentPath(std::function<QString()> path) { m_documentPath = std::move(path); }
  // What the document adds to the alignment read (its attached structures),
  // for every annotation and the preview.
  void setAfterReading(std::function<AfterReading()> afterReading) {
    m_afterReading = std::move(afterReading);
  }
  AfterReading afterReading() const { return m_afterReading ? m_afterReading() : AfterReading(); }

  // The commands need more than two characters of text.
  bool enabled() const;

  // Runs the annotation of the editor text into `writer` on a thread of its
  // own, then `finish` there, and returns when both are done, the window
  // serving its events meanwhile; true when the writer holds a complete
  // annotation and `finish` went through.
  bool annotateInto(AnnotationWriter& writer, const Finish& finish = {});
  // The web-safe colour check before the HTML commands: true to go on.
  bool webSafeCheck();

  const RememberedSets& rememberedSets() const { return m_remembered; }
  // Runs the annotations; busy while one runs.
  AnnotationRunner* runner() const { return m_runner; }
  // Runs `command` (one of the slots) on only `columns` ("30-52,60", as the
  // columns option takes them), leaving the option as it was.
  void onColumns(const std::string& columns, const std::function<void()>& command);

  // AnnotationInteraction
  void warn(const std::string& text) override { showWarning(text); }
  ParseMessageSink& messageSink() override;
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override;
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) override;
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names,
                                             bool duplicateInSets,
                                             const std::vector<int>& startingChoice) override;

 public slots:
  void toWord();
  void toRtfClipboard();
  void toHtmlClipboard();
  void copyStyleSheet();
  void toFile();
  // The figure as pictures (PNG and SVG) on the clipboard, alone; false,
  // after a warning, when none could be made.
  bool copyAsPicture();

 private:
  enum class FileWrite { Written, Stopped, Failed };
  // Streams the annotation into `path`, which is replaced only once the
  // annotation is complete.
  FileWrite writeFile(const std::string& path, OutputKind kind);
  // An exclamation box with `text`.
  void showWarning(std::string_view text);

  HuesetApp& m_app;
  AlignmentEditor* m_editor;
  AnnotationRunner* m_runner;
  RememberedSets m_remembered;
  std::function<QString()> m_documentPath;
  std::optional<std::string> m_columns;  // see onColumns
  std::function<AfterReading()> m_afterReading;
};

}  // namespace hueset::gui
