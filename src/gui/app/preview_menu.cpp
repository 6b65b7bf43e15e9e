#include "gui/app/preview_menu.h"

#include <QMenu>

#include "gui/app/annotate_commands.h"
#include "gui/app/hueset_app.h"
#include "gui/common/user_prompts.h"
#include "gui/preview/preview_pane.h"
#include "preview/column_selection.h"

namespace hueset::gui {

PreviewMenu::PreviewMenu(HuesetApp& app, AnnotateCommands* annotate, PreviewPane* pane)
    : QObject(pane), m_app(app), m_annotate(annotate), m_pane(pane) {}

std::string PreviewMenu::selectedColumns() const {
  const auto& document = m_pane->model().document();
  if (!document || m_pane->selection().empty()) return {};
  return selectionOptionText(*document, m_pane->selection());
}

bool PreviewMenu::copyAsPicture() { return m_annotate->copyAsPicture(); }

bool PreviewMenu::copySelectedColumns() {
  const std::string columns = selectedColumns();
  if (columns.empty()) return false;
  bool copied = false;
  m_annotate->onColumns(columns, [&] { copied = m_annotate->copyAsPicture(); });
  return copied;
}

// The same change the options sheet makes on OK: the options in place, then
// the preview again.
void PreviewMenu::markSelection(MarkSymbol symbol, char letter) {
  const std::string columns = selectedColumns();
  if (columns.empty()) return;
  ColumnMarkOptions& marks = m_app.options().columnMarks;
  marks.marks = marksWithSelection(marks.marks, columns, symbol, letter);
  emit optionsChanged();
}

void PreviewMenu::frameSelection() {
  const std::string columns = selectedColumns();
  if (columns.empty()) return;
  ColumnMarkOptions& marks = m_app.options().columnMarks;
  marks.frames = framesWithSelection(marks.frames, columns);
  emit optionsChanged();
}

void PreviewMenu::chooseLetterMark() {
  UserPrompts::ListChoice choice;
  choice.prompt = tr("Mark the selected columns with the letter or digit:");
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
  for (const QChar c : letters) choice.items << QString(c);
  const std::optional<int> chosen = m_app.prompts().chooseFromList(m_pane, choice);
  if (!chosen || *chosen < 0 || *chosen >= letters.size()) return;
  markSelection(MarkSymbol::Letter, letters.at(*chosen).toLatin1());
}

std::unique_ptr<QMenu> PreviewMenu::makeMenu(QWidget* parent) {
  auto menu = std::make_unique<QMenu>(parent);
  const bool document = m_pane->model().document() != nullptr;
  const bool chosen = document && !m_pane->selection().empty();
  const bool annotate = m_annotate->enabled();
  auto add = [&](QMenu* to, const QString& text, bool enabled, auto run) {
    QAction* action = to->addAction(text);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, run);
    return action;
  };
  add(menu.get(), tr("Copy as Picture"), document && annotate, [this] { copyAsPicture(); });
  add(menu.get(), tr("Copy Selected Columns"), chosen && annotate,
      [this] { copySelectedColumns(); });
  add(menu.get(), tr("Save As..."), annotate, [this] { m_annotate->toFile(); });
  menu->addSeparator();
  QMenu* mark = menu->addMenu(tr("Mark Selected Columns"));
  mark->setEnabled(chosen);
  add(mark, tr("Triangle"), chosen, [this] { markSelection(MarkSymbol::Triangle); });
  add(mark, tr("Star"), chosen, [this] { markSelection(MarkSymbol::Star); });
  add(mark, tr("Dot"), chosen, [this] { markSelection(MarkSymbol::Dot); });
  add(mark, tr("Letter..."), chosen, [this] { chooseLetterMark(); });
  add(menu.get(), tr("Frame Selected Columns"), chosen, [this] { frameSelection(); });
  menu->addSeparator();
  QMenu* on = menu->addMenu(tr("Annotate Selection"));
  on->setEnabled(chosen && annotate);
  const auto onSelection = [this](void (AnnotateCommands::*command)()) {
    return [this, command] {
      const std::string columns = selectedColumns();
      // By value: the command may run a local event loop that outlives this menu.
      AnnotateCommands* commands = m_annotate;
      if (!columns.empty())
        commands->onColumns(columns, [commands, command] { (commands->*command)(); });
    };
  };
  add(on, tr("To MS Word"), chosen && annotate, onSelection(&AnnotateCommands::toWord));
  add(on, tr("As RTF"), chosen && annotate, onSelection(&AnnotateCommands::toRtfClipboard));
  add(on, tr("As HTML"), chosen && annotate, onSelection(&AnnotateCommands::toHtmlClipboard));
  add(on, tr("To File..."), chosen && annotate, onSelection(&AnnotateCommands::toFile));
  add(menu.get(), tr("Clear Selection"), chosen, [this] { m_pane->clearSelection(); });
  return menu;
}

}  // namespace hueset::gui
