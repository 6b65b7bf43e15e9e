#pragma once

#include <QPlainTextEdit>

#include "pipeline/annotation_driver.h"

namespace hueset {
class AnnotationWriter;
}

namespace hueset::gui {

class AlignmentDocument;
class HuesetApp;

// The editor of the document: a plain-text edit that owns the commands of
// the "Annotate Alignment" menu, the plain-text paste and the forwarding of
// dropped files, and through which the readers talk to the user.
class AlignmentEditor : public QPlainTextEdit, public ParseMessageSink, public AnnotationInteraction {
  Q_OBJECT
 public:
  AlignmentEditor(HuesetApp& app, AlignmentDocument* document, QWidget* parent = nullptr);

  // The annotate commands need more than two characters of text.
  bool canAnnotate() const;

  // Runs the annotation of the editor text into `writer`; true when the
  // writer holds a complete annotation.
  bool annotateInto(AnnotationWriter& writer);
  // The web-safe colour check before the HTML commands: true to go on.
  bool webSafeCheck();

  // Selects 1-based `line` and scrolls it to the second visible line.
  void selectLine(int line);

  const RememberedSets& rememberedSets() const { return m_remembered; }

  // ParseMessageSink
  bool ask(const std::string& text, int line) override;
  void error(const std::string& text, int line) override;
  void unequalLengths(const std::string& text, const Alignment& alignment) override;

  // AnnotationInteraction
  ParseMessageSink& messageSink() override { return *this; }
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override;
  bool acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) override;
  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names,
                                             bool duplicateInSets,
                                             const std::vector<int>& startingChoice) override;

 public slots:
  void annotateToWord();
  void annotateToRtfClipboard();
  void annotateToHtmlClipboard();
  void copyStyleSheet();
  void annotateToFile();
  void pasteText();

 signals:
  // Local files dropped on the editor, for the main window to open.
  void filesDropped(const QStringList& paths);

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  HuesetApp& m_app;
  RememberedSets m_remembered;
};

}  // namespace hueset::gui
