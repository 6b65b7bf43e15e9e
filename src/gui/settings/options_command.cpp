#include "gui/settings/options_command.h"

#include <QWidget>

#include "gui/controls/qt_text.h"
#include "gui/settings/options_page_widgets.h"
#include "gui/settings/prop_sheet_last_active_page.h"

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

  CPropSheetLastActivePage sheet(toQString(kOptionsSheetCaption), m_window);
  // About as wide as the layouts were drawn (374 dialog units).
  sheet.setPageWidth(verbose ? 600 : 540);
  FieldSupport& support = *m_support;
  auto caption = [](OptionsPage page) { return toQString(optionsPageInfo(page).caption); };
  sheet.addPage(new CDialOptionsAnnotate(verbose, copies, support), caption(OptionsPage::Annotate));
  sheet.addPage(new CDialOptionsParsing(verbose, copies, support), caption(OptionsPage::Parsing));
  sheet.addPage(new CDialOptionsOutput(verbose, copies, support), caption(OptionsPage::Output));
  sheet.addPage(new CDialOptionsHTML(verbose, copies, support), caption(OptionsPage::Html));
  auto* general = new CDialOptionsGeneral(verbose, copies, support);
  general->setEditorFont(editorFont);
  sheet.addPage(general, caption(OptionsPage::General));
  sheet.addPage(new OptionsPageWidget(OptionsPage::Figure, verbose, copies, support),
                caption(OptionsPage::Figure));
  if (m_memory.remembered() != kNoOptionsPage) sheet.setActivePage(m_memory.remembered());

  const int result = m_runner ? m_runner(sheet) : sheet.exec();
  if (result != QDialog::Accepted) return false;  // Cancel changes nothing

  m_memory.sheetClosed(true, sheet.lastActivePage());
  const AppliedOptions changes = applyOptionGroups(copies, m_options);
  emit applied(changes.toolbarSizeChanged, general->editorFont());
  return true;
}

}  // namespace hueset::gui
