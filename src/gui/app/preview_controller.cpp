#include "gui/app/preview_controller.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/alignment_editor.h"
#include "gui/app/annotate_commands.h"
#include "gui/app/hueset_app.h"
#include "gui/app/preview_menu.h"
#include "gui/groupings/groupings_commands.h"
#include "gui/preview/overview_strip.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_runner.h"
#include "gui/preview/threshold_bar.h"
#include "settings/option_table.h"

namespace hueset::gui {
namespace {

// The threshold bar takes the option's own range.
ThresholdBar* makeThresholdBar(QWidget* parent) {
  const std::vector<OptionInfo> options = optionList();
  const auto threshold = std::find_if(options.begin(), options.end(), [](const OptionInfo& o) {
    return o.name == "consensusThreshold";
  });
  return new ThresholdBar(static_cast<int>(threshold->low), static_cast<int>(threshold->high),
                          parent);
}

}  // namespace

PreviewController::PreviewController(HuesetApp& app, AlignmentEditor* editor,
                                     AnnotateCommands* annotate, GroupingsCommands* groupings,
                                     QSplitter* splitter)
    : QObject(splitter),
      m_app(app),
      m_editor(editor),
      m_annotate(annotate),
      m_box(new QWidget(splitter)),
      m_threshold(makeThresholdBar(m_box)),
      m_goTo(new QLineEdit(m_box)),
      m_pane(new PreviewPane(m_box)),
      m_overview(new OverviewStrip(m_box)) {
  m_pane->setObjectName(QStringLiteral("PreviewPane"));
  m_goTo->setObjectName(QStringLiteral("GoToField"));
  m_goTo->setPlaceholderText(QStringLiteral("Go to column or sequence"));
  m_goTo->setToolTip(
      QStringLiteral("A column number (Ctrl+G) or part of a sequence name (Ctrl+F)"));
  m_goTo->setClearButtonEnabled(true);
  auto* tools = new QHBoxLayout;
  tools->setContentsMargins(0, 0, 4, 0);
  tools->addWidget(m_threshold, 1);
  tools->addWidget(m_goTo);
  auto* column = new QVBoxLayout(m_box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addLayout(tools);
  column->addWidget(m_overview);
  column->addWidget(m_pane, 1);
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::Key_G), QKeySequence(QKeySequence::Find)}) {
    connect(new QShortcut(keys, splitter), &QShortcut::activated, this, [this] {
      if (!m_settings.shown) return;
      m_goTo->setFocus();
      m_goTo->selectAll();
    });
  }
  connect(m_goTo, &QLineEdit::returnPressed, this, [this] {
    if (!m_pane->goTo(m_goTo->text()) && !m_goTo->text().trimmed().isEmpty()) {
      emit statusText(QStringLiteral("No column or sequence of the preview matches \"%1\"")
                          .arg(m_goTo->text().trimmed()));
    }
  });
  splitter->addWidget(m_box);
  m_threshold->setThreshold(m_app.options().annotation.consensusThreshold);
  // Dragging runs the preview as typing does: the last position after a pause.
  connect(m_threshold, &ThresholdBar::thresholdChanged, this, [this](int tenths) {
    m_app.options().annotation.consensusThreshold = tenths;
    emit thresholdChanged();
    scheduleUpdate();
  });
  // Each run gets copies taken here on the GUI thread, so the worker never
  // sees the editor, the options or the groupings change under it.
  m_runner = new PreviewRunner(
      [this] {
        PreviewInput input;
        input.text = m_editor->alignmentText().toStdString();
        input.options = m_app.options();
        input.groupings = m_liveGroupings ? *m_liveGroupings : m_app.configuration().set;
        input.remembered = m_annotate->rememberedSets();
        input.afterReading = m_annotate->afterReading();
        input.source = m_source;
        return input;
      },
      this);
  connect(m_runner, &PreviewRunner::outcomeReady, m_pane, &PreviewPane::showOutcome);
  // After the pane: the strip follows the document the pane kept.
  connect(m_runner, &PreviewRunner::outcomeReady, this, &PreviewController::showOverview);
  connect(m_overview, &OverviewStrip::columnChosen, m_pane,
          [this](std::int32_t column) { m_pane->goTo(QString::number(column)); });
  for (QScrollBar* bar : {m_pane->horizontalScrollBar(), m_pane->verticalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, this, &PreviewController::updateOverviewView);
    connect(bar, &QScrollBar::rangeChanged, this, &PreviewController::updateOverviewView);
  }
  connect(m_pane, &PreviewPane::zoomChanged, this, &PreviewController::updateOverviewView);
  connect(m_pane, &PreviewPane::messageClicked, m_editor, [this](int line) {
    m_editor->selectLine(line);
    m_editor->setFocus();
  });
  connect(m_pane, &PreviewPane::hoverTextChanged, this, &PreviewController::statusText);
  m_menu = new PreviewMenu(m_app, m_annotate, m_pane);
  connect(m_pane, &PreviewPane::menuRequested, m_menu, [this](const QPoint& at) {
    const std::unique_ptr<QMenu> menu = m_menu->makeMenu(m_pane);
    menu->exec(at);
  });
  connect(m_menu, &PreviewMenu::optionsChanged, this, &PreviewController::updateNow);
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
  m_box->setVisible(shown);
  if (shown) updateNow();
  if (changed) emit shownChanged(shown);
}

// A hidden pane costs nothing: no runs until it is shown again.
void PreviewController::scheduleUpdate() {
  if (m_settings.shown) m_runner->scheduleUpdate();
}

void PreviewController::showOverview(const std::shared_ptr<const PreviewOutcome>& outcome) {
  if (!outcome || outcome->stopped) return;
  // A greyed pane keeps the last document, and the strip its overview.
  if (outcome->document && m_pane->model().document() == outcome->document) {
    m_overview->setOverview(outcome->overview);
  } else if (!m_pane->model().document()) {
    m_overview->setOverview(nullptr);
  }
  updateOverviewView();
}

void PreviewController::updateOverviewView() {
  const QPointF topLeft = m_pane->toDocument(QPointF(0, 0));
  const QSize view = m_pane->viewport()->size();
  m_overview->setView(
      columnsInView(m_pane->model(), topLeft.x(), topLeft.y(), view.width(), view.height()));
}

void PreviewController::updateNow() {
  // The options sheet may have moved the threshold.
  m_threshold->setThreshold(m_app.options().annotation.consensusThreshold);
  if (m_settings.shown) m_runner->updateNow();
}

}  // namespace hueset::gui
