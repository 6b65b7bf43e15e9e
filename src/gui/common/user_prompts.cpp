#include "gui/common/user_prompts.h"

#include "desktop/annotation/annotation_file.h"
#include "gui/common/qt_text.h"

namespace hueset::gui {

void showSaveFailure(UserPrompts& prompts, QWidget* parent, const std::string& path) {
  prompts.message(parent, QStringLiteral("HUESET"),
                  toQPath(saveErrorMessage(classifySaveFailure(path), path)),
                  PromptIcon::Exclamation, PromptButtons::Ok);
}

}  // namespace hueset::gui
