#include "gui/controls/progress_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"

namespace hueset::gui {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent),
      m_stage(new QLabel(this)),
      m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QStringLiteral("HUESET"));
  m_bar->setRange(0, 100);
  m_bar->setMinimumWidth(320);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
  connect(m_cancel, &QPushButton::clicked, this, &ProgressDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_stage);
  layout->addWidget(m_bar);
  layout->addWidget(buttons);
  setProgress(RunProgress{});
}

void ProgressDialog::setProgress(const RunProgress& progress) {
  if (!m_cancel->isEnabled()) return;
  m_stage->setText(toQString(runStageText(progress.stage)) + QStringLiteral("..."));
  if (runStageCounts(progress.stage)) {
    m_bar->setRange(0, 100);
    m_bar->setValue(progress.percent);
  } else {
    m_bar->setRange(0, 0);
  }
}

void ProgressDialog::setStopping() {
  m_cancel->setEnabled(false);
  m_stage->setText(toQString(kRunStoppingText) + QStringLiteral("..."));
}

void ProgressDialog::reject() {
  // The dialog stays until the work has stopped; the owner closes it.
  if (m_cancel->isEnabled()) emit cancelRequested();
}

}  // namespace hueset::gui
