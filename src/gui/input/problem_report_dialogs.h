#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "input/alignment.h"
#include "input/parse_reports.h"

class QLabel;
class QTreeWidget;

namespace hueset::gui {

// Column width of a report: the widest sizing text in `metrics`, plus the
// report padding.
int reportColumnWidth(const QFontMetrics& metrics, const ReportColumn& column);

// "Invalid Characters": what the character check found, and whether to go on.
// Accepted means Yes.
class CharacterProblemsDialog : public QDialog {
  Q_OBJECT
 public:
  CharacterProblemsDialog(const std::vector<CharacterProblem>& problems,
                          std::function<void(int)> help, QWidget* parent = nullptr);

  QTreeWidget* report() const { return m_report; }
  QLabel* note() const { return m_note; }

 private:
  QTreeWidget* m_report;
  QLabel* m_note;
};

// "Parsing Error: Sequence Lengths Unequal": every row with its length.
class UnequalLengthsDialog : public QDialog {
  Q_OBJECT
 public:
  UnequalLengthsDialog(const std::string& heading, const Alignment& alignment,
                       std::function<void(int)> help, QWidget* parent = nullptr);

  QTreeWidget* report() const { return m_report; }
  QLabel* heading() const { return m_heading; }

 private:
  QLabel* m_heading;
  QTreeWidget* m_report;
};

}  // namespace hueset::gui
