#pragma once

#include <QString>

#include "desktop/frame/prompt_types.h"

class QWidget;

namespace hueset::gui {

// A modal message box with the given picture and buttons. Closing a Yes/No
// box counts as No, closing any other as Cancel.
PromptAnswer showMessageBox(QWidget* parent, const QString& title, const QString& text,
                            PromptIcon icon, PromptButtons buttons);

}  // namespace hueset::gui
