#include "gui/settings/options_command.h"

#include <QWidget>

#include "gui/common/qt_text.h"
#include "gui/common/remembered_place.h"
#include "gui/settings/general_page.h"
#include "gui/settings/options_dialog.h"
#include "gui/settings/options_page_widget.h"
#include "gui/settings/output_page.h"

namespace hueset::gui {

OptionsCommand::OptionsCommand(Options& options, QWidget* window, FieldSupport* support)
    : QObject(window),
      m_options(options),
      m_window(window),
      m_support(support ? support : &m_ownSupport) {
  setObjectName(QStringLiteral("OptionsCommand"));
}

bool OptionsCommand::showOptions(const QFont& editorFont) {
  OptionGroups copies = OptionGroups::copyOf(m_options);
  const bool verbose = m_options.general.verboseDialogues;

  OptionsDialog sheet(toQString(kOptionsSheetCaption), m_window);
  // About as wide as the layouts were drawn (374 dialog units).
  sheet.setPageWidth(verbose ? 600 : 540);
  const PageSetup setup{verbose, copies, *m_support};
  auto caption = [](OptionsPage page) { return toQString(optionsPageInfo(page).caption); };
  sheet.addPage(new AnnotatePage(setup), caption(OptionsPage::Annotate));
  sheet.addPage(new ParsingPage(setup), caption(OptionsPage::Parsing));
  sheet.addPage(new OutputPage(setup), caption(OptionsPage::Output));
  sheet.addPage(new HtmlPage(setup), caption(OptionsPage::Html));
  auto* general = new GeneralPage(setup);
  general->setEditorFont(editorFont);
  sheet.addPage(general, caption(OptionsPage::General));
  sheet.addPage(new FigurePage(setup), caption(OptionsPage::Figure));
  sheet.addPage(new FigureRowsPage(setup), caption(OptionsPage::FigureRows));
  if (m_memory.remembered() != kNoOptionsPage) sheet.setActivePage(m_memory.remembered());
  applyRememberedPlace(&sheet, m_place);

  const int result = m_runner ? m_runner(sheet) : sheet.exec();
  m_place = placeOf(&sheet);
  if (result != QDialog::Accepted) return false;  // Cancel changes nothing

  m_memory.sheetClosed(true, sheet.lastActivePage());
  const AppliedOptions changes = applyOptionGroups(copies, m_options);
  emit applied(changes.toolbarSizeChanged, general->editorFont());
  return true;
}

}  // namespace hueset::gui
