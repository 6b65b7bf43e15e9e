#pragma once

#include <QDialog>

#include "desktop/annotation/background_annotation.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace hueset::gui {

// Shows how far a long annotation has got: the stage, a bar with its
// percentage (a busy bar for stages that cannot tell), and Cancel. Esc and
// closing the window are Cancel too; the owner decides when it goes away.
class ProgressDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ProgressDialog(QWidget* parent = nullptr);

  void setProgress(const RunProgress& progress);
  // After Cancel: the work is stopping.
  void setStopping();

  QLabel* stageLabel() const { return m_stage; }
  QProgressBar* bar() const { return m_bar; }
  QPushButton* cancelButton() const { return m_cancel; }

  void reject() override;

 signals:
  void cancelRequested();

 private:
  QLabel* m_stage;
  QProgressBar* m_bar;
  QPushButton* m_cancel;
};

}  // namespace hueset::gui
