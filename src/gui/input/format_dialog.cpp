#include "gui/input/format_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace hueset::gui {

FormatDialog::FormatDialog(const UserPrompts::ListChoice& choice, std::function<void(int)> help,
                           QWidget* parent)
    : QDialog(parent),
      m_prompt(new QLabel(choice.prompt, this)),
      m_list(new QListWidget(this)),
      m_note(new QLabel(choice.note, this)) {
  setWindowTitle(QStringLiteral("File Formats"));
  m_prompt->setWordWrap(true);
  m_note->setWordWrap(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->addItems(choice.items);
  if (choice.selected >= 0 && choice.selected < m_list->count()) {
    m_list->setCurrentRow(choice.selected);
  } else {
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
  }

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  QPushButton* helpButton = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
  // Help leaves the dialog open with the focus on it; Return still means OK.
  helpButton->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  int context = choice.helpContext;
  connect(helpButton, &QPushButton::clicked, this, [help, context] {
    if (help) help(context);
  });
  connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_prompt);
  layout->addWidget(m_list, 1);
  layout->addWidget(m_note);
  layout->addWidget(buttons);
  // An empty note takes no room.
  m_note->setVisible(!choice.note.isEmpty());
  resize(340, 260);
}

int FormatDialog::selectedRow() const {
  const auto selected = m_list->selectedItems();
  return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

}  // namespace hueset::gui
