// "Add Structure...": the dialog reads a file away from the window, offers
// the chain and the sequence, and what it attaches reaches the preview.
#include "gui/app/structure_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include "app_fixture.h"
#include "desktop/structure/structure_choice.h"
#include "gui/app/alignment_document.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/main_window.h"
#include "gui/app/preview_controller.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_runner.h"

namespace hueset::gui::test {
namespace {

class StructureDialogTest : public AppFixture {
 protected:
  MainWindow& window() { return *m_app->mainWindow(); }
  // The preview's runs settled.
  bool settle(QSignalSpy& outcomes) {
    if (!outcomes.wait(10000)) return false;
    while (outcomes.wait(300)) {
    }
    return true;
  }
};

QString structureFile(const char* name) {
  return QStringLiteral(HUESET_TEST_DATA "/structure/") + QString::fromLatin1(name);
}

TEST_F(StructureDialogTest, AttachedStructuresReachThePreviewAndLeaveWithTheDocument) {
  start({QStringLiteral(HUESET_TEST_DATA "/structure/crabp2.sto")});
  AlignmentDocument* document = window().document();
  PreviewController* preview = window().preview();
  preview->runner()->setPause(std::chrono::milliseconds(0));
  QSignalSpy outcomes(preview->runner(), &PreviewRunner::outcomeReady);
  const QByteArray text = window().editor()->alignmentText();
  DocumentSequences sequences = documentSequences(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())), m_app->options());
  ASSERT_EQ(sequences.problem, "");
  StructureDialog dialog(StructureChoice(std::move(sequences.alignment), document->structures()),
                         QString(), [document](const std::vector<AttachedStructure>& attached) {
                           document->setStructures(attached);
                         });

  QSignalSpy read(&dialog, &StructureDialog::fileRead);
  dialog.readFile(structureFile("1cbs.dssp"));
  EXPECT_TRUE(dialog.reading());
  EXPECT_FALSE(dialog.attachButton()->isEnabled()) << "nothing to attach while reading";
  ASSERT_TRUE(read.wait(10000));
  EXPECT_EQ(dialog.chainBox()->currentText(), QStringLiteral("A (137 residues)"));
  EXPECT_EQ(dialog.sequenceBox()->currentText(), QStringLiteral("CRABP2_1cbs"));
  ASSERT_TRUE(dialog.attachButton()->isEnabled()) << dialog.messageLabel()->text().toStdString();
  dialog.attachButton()->click();
  ASSERT_EQ(document->structures().size(), 1u);
  EXPECT_EQ(dialog.attachedList()->count(), 1);
  ASSERT_TRUE(settle(outcomes));
  const auto shown = preview->pane()->model().document();
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(shown->structureRows.empty()) << "the structure is drawn in the preview";

  // A file that is no structure: named, nothing offered.
  read.clear();
  dialog.readFile(structureFile("README.md"));
  ASSERT_TRUE(read.wait(10000));
  EXPECT_TRUE(dialog.messageLabel()->text().contains(QStringLiteral("README.md")))
      << dialog.messageLabel()->text().toStdString();
  EXPECT_FALSE(dialog.attachButton()->isEnabled());

  dialog.attachedList()->setCurrentRow(0);
  dialog.removeButton()->click();
  EXPECT_TRUE(document->structures().empty());
  ASSERT_TRUE(settle(outcomes));
  EXPECT_TRUE(preview->pane()->model().document()->structureRows.empty());

  document->setStructures(dialog.choice().attached());
  window().fileNew();
  EXPECT_TRUE(document->structures().empty()) << "a new document starts without structures";
}

}  // namespace
}  // namespace hueset::gui::test
