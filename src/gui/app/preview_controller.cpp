#include "gui/app/preview_controller.h"

#include <QSplitter>

#include "gui/app/alignment_editor.h"
#include "gui/app/annotate_commands.h"
#include "gui/app/hueset_app.h"
#include "gui/groupings/groupings_commands.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_runner.h"

namespace hueset::gui {

PreviewController::PreviewController(HuesetApp& app, AlignmentEditor* editor,
                                     AnnotateCommands* annotate, GroupingsCommands* groupings,
                                     QSplitter* splitter)
    : QObject(splitter),
      m_app(app),
      m_editor(editor),
      m_annotate(annotate),
      m_pane(new PreviewPane(splitter)) {
  m_pane->setObjectName(QStringLiteral("PreviewPane"));
  splitter->addWidget(m_pane);
  // Each run gets copies taken here on the GUI thread, so the worker never
  // sees the editor, the options or the groupings change under it.
  m_runner = new PreviewRunner(
      [this] {
        PreviewInput input;
        input.text = m_editor->alignmentText().toStdString();
        input.options = m_app.options();
        input.groupings = m_liveGroupings ? *m_liveGroupings : m_app.configuration().set;
        input.remembered = m_annotate->rememberedSets();
        input.source = m_source;
        return input;
      },
      this);
  connect(m_runner, &PreviewRunner::outcomeReady, m_pane, &PreviewPane::showOutcome);
  connect(m_pane, &PreviewPane::messageClicked, m_editor, [this](int line) {
    m_editor->selectLine(line);
    m_editor->setFocus();
  });
  connect(m_pane, &PreviewPane::hoverTextChanged, this, &PreviewController::statusText);
  connect(m_pane, &PreviewPane::zoomChanged, this, [this](int zoom) { m_settings.zoom = zoom; });
  connect(groupings, &GroupingsCommands::stateChanged, this, &PreviewController::updateNow);
  connect(&m_app, &HuesetApp::configurationChanged, this, &PreviewController::updateNow);
  // A colour picked in the groupings editor shows before OK; when the editor
  // closes, the current groupings (changed by OK or not) take over again.
  groupings->setEditorLiveEdits([this](const GroupingSet* edited) {
    if (edited) {
      m_liveGroupings = *edited;
    } else {
      m_liveGroupings.reset();
    }
    updateNow();
  });
}

PreviewController::~PreviewController() = default;

PreviewSettings PreviewController::settings() const {
  PreviewSettings settings = m_settings;
  settings.zoom = m_pane->zoom();
  return settings;
}

void PreviewController::applySettings(const PreviewSettings& settings) {
  m_pane->setZoom(settings.zoom);
  setShown(settings.shown);
}

void PreviewController::setShown(bool shown) {
  const bool changed = shown != m_settings.shown;
  m_settings.shown = shown;
  m_pane->setVisible(shown);
  if (shown) updateNow();
  if (changed) emit shownChanged(shown);
}

// A hidden pane costs nothing: no runs until it is shown again.
void PreviewController::scheduleUpdate() {
  if (m_settings.shown) m_runner->scheduleUpdate();
}

void PreviewController::updateNow() {
  if (m_settings.shown) m_runner->updateNow();
}

}  // namespace hueset::gui
