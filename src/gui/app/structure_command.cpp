#include "gui/app/structure_command.h"

#include <QFileInfo>

#include "desktop/structure/structure_choice.h"
#include "gui/app/alignment_document.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/hueset_app.h"
#include "gui/app/structure_dialog.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"

namespace hueset::gui {

void addStructure(HuesetApp& app, AlignmentDocument* document, AlignmentEditor* editor) {
  const QByteArray text = editor->alignmentText();
  DocumentSequences sequences = documentSequences(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())), app.options());
  if (!sequences.problem.empty()) {
    app.prompts().message(
        editor, QStringLiteral("HUESET"),
        QStringLiteral("No structure can be attached: the document's sequences cannot be read "
                       "(%1).")
            .arg(toQString(sequences.problem)),
        PromptIcon::Exclamation, PromptButtons::Ok);
    return;
  }
  RememberedPaths& paths = app.options().paths;
  QString folder = toQPath(paths.lastStructureDirectory);
  if (folder.isEmpty() && !document->path().isEmpty())
    folder = QFileInfo(document->path()).absolutePath();
  StructureDialog dialog(
      StructureChoice(std::move(sequences.alignment), document->structures()), folder,
      [document](const std::vector<AttachedStructure>& attached) {
        document->setStructures(attached);
      },
      editor->window());
  dialog.setObjectName(QStringLiteral("StructureDialog"));
  dialog.exec();
  if (dialog.folder() != folder) paths.lastStructureDirectory = toPathBytes(dialog.folder());
}

}  // namespace hueset::gui
