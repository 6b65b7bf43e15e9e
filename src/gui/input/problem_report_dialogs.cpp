#include "gui/input/problem_report_dialogs.h"

#include <QColor>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "desktop/frame/help_topics.h"
#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

QTreeWidget* makeReport(QWidget* parent) {
  auto* report = new QTreeWidget(parent);
  report->setRootIsDecorated(false);
  report->setUniformRowHeights(true);
  report->setSelectionMode(QAbstractItemView::SingleSelection);
  report->setAllColumnsShowFocus(true);
  return report;
}

QDialogButtonBox* helpButtons(QDialog* dialog, const QString& accept, const QString& reject,
                              const QString& helpText, std::function<void(int)> help, int context) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton(accept, QDialogButtonBox::AcceptRole)->setDefault(true);
  if (!reject.isEmpty()) buttons->addButton(reject, QDialogButtonBox::RejectRole);
  QPushButton* helpButton = buttons->addButton(helpText, QDialogButtonBox::HelpRole);
  // Help leaves the dialog open with the focus on it; Return still means
  // the default button.
  helpButton->setAutoDefault(false);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QObject::connect(helpButton, &QPushButton::clicked, dialog, [help, context] {
    if (help) help(context);
  });
  return buttons;
}

// A row of the unequal-lengths report: the lengths sort as numbers.
class LengthRow final : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    if (column == 1) return text(1).toULongLong() < other.text(1).toULongLong();
    return QTreeWidgetItem::operator<(other);
  }
};

int totalWidth(const QTreeWidget* report) {
  int width = 0;
  for (int i = 0; i < report->columnCount(); ++i) width += report->columnWidth(i);
  return width;
}

}  // namespace

int reportColumnWidth(const QFontMetrics& metrics, const ReportColumn& column) {
  int widest = 0;
  for (const std::string& text : column.sizingTexts) {
    widest = std::max(widest, metrics.horizontalAdvance(toQString(text)));
  }
  return widest + kReportColumnPadding;
}

ReportDialog::ReportDialog(std::string_view title, QWidget* parent)
    : QDialog(parent), m_report(makeReport(this)) {
  setWindowTitle(toQString(title));
}

void ReportDialog::setColumns(std::vector<ReportColumn> columns) {
  m_columns = std::move(columns);
  m_report->setColumnCount(static_cast<int>(m_columns.size()));
  QStringList titles;
  for (const ReportColumn& c : m_columns) titles << toQString(c.title);
  m_report->setHeaderLabels(titles);
  m_report->header()->setStretchLastSection(false);
  m_report->header()->setSectionResizeMode(QHeaderView::Interactive);
}

void ReportDialog::fitToReport(int minimumWidth, int maximumWidth, int height) {
  QFontMetrics metrics(m_report->font());
  for (int i = 0; i < static_cast<int>(m_columns.size()); ++i) {
    m_report->setColumnWidth(i, reportColumnWidth(metrics, m_columns[static_cast<std::size_t>(i)]));
  }
  resize(std::clamp(totalWidth(m_report) + 40, minimumWidth, maximumWidth), height);
}

CharacterProblemsDialog::CharacterProblemsDialog(const std::vector<CharacterProblem>& problems,
                                                 std::function<void(int)> help, QWidget* parent)
    : ReportDialog(kCharacterReportTitle, parent) {
  CharacterReport model = makeCharacterReport(problems);
  setColumns(std::move(model.columns));
  for (const auto& row : model.rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << toQString(cell);
    report()->addTopLevelItem(new QTreeWidgetItem(cells));
  }

  m_note = wrappedLabel(toQString(kCharacterReportNote), this);
  m_note->setVisible(model.noteVisible);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(wrappedLabel(toQString(kCharacterReportPrompt), this));
  layout->addWidget(report(), 1);
  layout->addWidget(wrappedLabel(toQString(kCharacterReportFootnote), this));
  layout->addWidget(m_note);
  layout->addWidget(helpButtons(this, QStringLiteral("&Yes"), QStringLiteral("&No"),
                                QStringLiteral("&Help"), std::move(help),
                                kInvalidCharactersHelpContext));
  fitToReport(480, 900, 380);
}

UnequalLengthsDialog::UnequalLengthsDialog(const std::string& heading, const Alignment& alignment,
                                           std::function<void(int)> help, QWidget* parent)
    : ReportDialog(kUnequalLengthsTitle, parent) {
  UnequalLengthsReport model = makeUnequalLengthsReport(heading, alignment);
  m_heading = wrappedLabel(
      displayText(model.heading.empty() ? kUnequalLengthsDefaultHeading : model.heading), this);
  setColumns(std::move(model.columns));
  report()->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The rows of another length than most come first, marked; a click on a
  // title sorts by that column.
  QFont marked = report()->font();
  marked.setBold(true);
  for (const std::size_t i : model.differingFirst()) {
    const UnequalLengthsRow& row = model.rows[i];
    auto* item = new LengthRow(QStringList{toQString(row.name), toQString(row.length),
                                           toQString(row.residues), toQString(row.name)});
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    if (row.differs) {
      for (int column = 0; column < 4; ++column) {
        item->setFont(column, marked);
        item->setBackground(column, QColor(0xff, 0xf3, 0xcd));
      }
    }
    report()->addTopLevelItem(item);
  }
  report()->header()->setSortIndicator(-1, Qt::AscendingOrder);
  report()->setSortingEnabled(true);
  if (QTreeWidgetItem* first = report()->topLevelItem(0); first && first->font(0).bold()) {
    report()->setCurrentItem(first);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_heading);
  layout->addWidget(wrappedLabel(toQString(kUnequalLengthsExplanation), this));
  layout->addWidget(report(), 1);
  layout->addWidget(wrappedLabel(toQString(kUnequalLengthsBracketNote), this));
  layout->addWidget(helpButtons(this, QStringLiteral("OK"), QString(), QStringLiteral("Help"),
                                std::move(help), kUnequalLengthsHelpContext));
  fitToReport(520, 1000, 400);
}

}  // namespace hueset::gui
