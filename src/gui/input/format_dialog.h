#pragma once

#include <QDialog>
#include <functional>

#include "gui/common/user_prompts.h"

class QLabel;
class QListWidget;

namespace hueset::gui {

// The "File Formats" dialog: a prompt, a single-selection list and a note.
// It confirms the guessed alignment format, and the web-safe colour check
// lists its findings in it too.
class FormatDialog : public QDialog {
  Q_OBJECT
 public:
  FormatDialog(const UserPrompts::ListChoice& choice, std::function<void(int)> help,
               QWidget* parent = nullptr);

  // The selected position, -1 for none.
  int selectedRow() const;

  QListWidget* list() const { return m_list; }
  QLabel* promptLabel() const { return m_prompt; }
  QLabel* noteLabel() const { return m_note; }

 private:
  QLabel* m_prompt;
  QListWidget* m_list;
  QLabel* m_note;
};

}  // namespace hueset::gui
