#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "output/writer_factory.h"
#include "pipeline/annotation_driver.h"

namespace hueset {
class AnnotationWriter;
}

namespace hueset::gui {

class AlignmentEditor;
class HuesetApp;

// The commands of the "Annotate Alignment" menu over the editor's text:
// they run the annotation with the program's dialogs (the driver's
// questions, the web-safe colour check) and deliver the result to the
// clipboard, the word processor or a file.
class AnnotateCommands : public QObject, public AnnotationInteraction {
  Q_OBJECT
 public:
  // `editor` holds the text, hears the readers' messages and parents the
  // dialogs; it also owns this object.
  AnnotateCommands(HuesetApp& app, AlignmentEditor* editor);

  // The commands need more than two characters of text.
  bool enabled() const;

  // Runs the annotation of the editor text into `writer`; true when the
  // writer holds a complete annotation.
  bool annotateInto(AnnotationWriter& writer);
  // The web-safe colour check before the HTML commands: true to go on.
  bool webSafeCheck();

  const RememberedSets& rememberedSets() const { return m_remembered; }

  // AnnotationInteraction
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

 private:
  // The editor text annotated in `kind`; null when the user stopped it or
  // there was nothing to annotate.
  std::unique_ptr<AnnotationWriter> annotated(OutputKind kind);
  void toClipboard(OutputKind kind);
  enum class FileWrite { Written, Stopped, Failed };
  // Streams the annotation into `path`, which is replaced only once the
  // annotation is complete.
  FileWrite writeFile(const std::string& path, OutputKind kind);
  // An exclamation box with `text`.
  void warn(std::string_view text);

  HuesetApp& m_app;
  AlignmentEditor* m_editor;
  RememberedSets m_remembered;
};

}  // namespace hueset::gui
