#pragma once

#include <QDialog>
#include <functional>
#include <string_view>
#include <vector>

#include "input/alignment.h"
#include "input/parse_reports.h"

class QLabel;
class QTreeWidget;

namespace hueset::gui {

// Column width of a report: the widest sizing text in `metrics`, plus the
// report padding.
int reportColumnWidth(const QFontMetrics& metrics, const ReportColumn& column);

// A dialog around one report of the input checks: a list with the report's
// columns, the texts about it, and a Help button.
class ReportDialog : public QDialog {
  Q_OBJECT
 public:
  QTreeWidget* report() const { return m_report; }

 protected:
  ReportDialog(std::string_view title, QWidget* parent);
  // Before the rows go in.
  void setColumns(std::vector<ReportColumn> columns);
  // Once the rows are in: the columns as wide as their texts, and the dialog
  // as wide as the columns within the given bounds.
  void fitToReport(int minimumWidth, int maximumWidth, int height);

 private:
  QTreeWidget* m_report;
  std::vector<ReportColumn> m_columns;
};

// "Invalid Characters": what the character check found, and whether to go on.
// Accepted means Yes.
class CharacterProblemsDialog : public ReportDialog {
  Q_OBJECT
 public:
  CharacterProblemsDialog(const std::vector<CharacterProblem>& problems,
                          std::function<void(int)> help, QWidget* parent = nullptr);

  QLabel* note() const { return m_note; }

 private:
  QLabel* m_note;
};

// "Parsing Error: Sequence Lengths Unequal": every row with its length, the
// rows of another length than most first and marked (in bold).
class UnequalLengthsDialog : public ReportDialog {
  Q_OBJECT
 public:
  UnequalLengthsDialog(const std::string& heading, const Alignment& alignment,
                       std::function<void(int)> help, QWidget* parent = nullptr);

  QLabel* heading() const { return m_heading; }

 private:
  QLabel* m_heading;
};

}  // namespace hueset::gui
