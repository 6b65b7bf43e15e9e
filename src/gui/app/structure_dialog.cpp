#include "gui/app/structure_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"
#include "util/current_failure.h"

namespace hueset::gui {
namespace {

QStringList qtItems(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << toQString(item);
  return list;
}

// The file, its chains and DSSP, or why not: never an exception on the worker.
StructureFile readQuietly(const std::string& path) {
  try {
    return readStructureFile(path);
  } catch (...) {
    return {{}, path + ": cannot be read (" + currentFailure() + ")"};
  }
}

}  // namespace

StructureDialog::StructureDialog(StructureChoice choice, QString folder, Apply apply,
                                 QWidget* parent)
    : QDialog(parent),
      m_choice(std::move(choice)),
      m_folder(std::move(folder)),
      m_apply(std::move(apply)),
      m_file(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("&Browse..."), this)),
      m_chains(new QComboBox(this)),
      m_sequences(new QComboBox(this)),
      m_message(new QLabel(this)),
      m_attach(new QPushButton(QStringLiteral("&Attach"), this)),
      m_attached(new QListWidget(this)),
      m_remove(new QPushButton(QStringLiteral("&Remove"), this)),
      m_close(new QPushButton(QStringLiteral("Close"), this)) {
  setWindowTitle(QStringLiteral("Add Structure"));
  m_file->setReadOnly(true);
  m_file->setPlaceholderText(QStringLiteral("A PDB, mmCIF (also .gz) or DSSP file"));
  m_file->setMinimumWidth(320);
  m_message->setWordWrap(true);
  m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(m_file, 1);
  fileRow->addWidget(m_browse);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("File:"), fileRow);
  form->addRow(QStringLiteral("&Chain:"), m_chains);
  form->addRow(QStringLiteral("&Sequence:"), m_sequences);
  auto* attachRow = new QHBoxLayout;
  attachRow->addWidget(m_message, 1);
  attachRow->addWidget(m_attach, 0, Qt::AlignTop);
  auto* removeRow = new QHBoxLayout;
  removeRow->addStretch(1);
  removeRow->addWidget(m_remove);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(m_close, QDialogButtonBox::RejectRole);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addLayout(attachRow);
  column->addWidget(new QLabel(QStringLiteral("Structures attached to the document:"), this));
  column->addWidget(m_attached, 1);
  column->addLayout(removeRow);
  column->addWidget(buttons);

  connect(m_browse, &QPushButton::clicked, this, &StructureDialog::browse);
  connect(m_attach, &QPushButton::clicked, this, &StructureDialog::attach);
  connect(m_remove, &QPushButton::clicked, this, &StructureDialog::remove);
  connect(m_close, &QPushButton::clicked, this, &StructureDialog::reject);
  connect(m_chains, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_filling) return;
    m_choice.setChain(index);
    showChoice();
  });
  connect(m_sequences, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_filling) return;
    m_choice.setSequence(index);
    showChoice();
  });
  connect(m_attached, &QListWidget::currentRowChanged, this,
          [this](int row) { m_remove->setEnabled(row >= 0 && !m_reading); });
  showChoice();
  showAttached();
}

StructureDialog::~StructureDialog() {
  if (m_reading) QApplication::restoreOverrideCursor();
}

void StructureDialog::reject() {
  // A file being read is waited for: Close comes back once it is.
  if (!m_reading) QDialog::reject();
}

void StructureDialog::browse() {
  const QString path = QFileDialog::getOpenFileName(
      this, QStringLiteral("Add Structure"), m_folder,
      QStringLiteral("Structures (*.cif *.mmcif *.pdb *.ent *.cif.gz *.pdb.gz *.ent.gz *.dssp "
                     "*.gz);;All files (*)"),
      nullptr, QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return;
  m_folder = QFileInfo(path).absolutePath();
  readFile(path);
}

void StructureDialog::readFile(const QString& path) {
  if (m_reading) return;
  m_reading = true;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  m_file->setText(QDir::toNativeSeparators(path));
  m_message->setText(QStringLiteral("Reading %1 and computing its secondary structure...")
                         .arg(QFileInfo(path).fileName()));
  for (QWidget* w : std::initializer_list<QWidget*>{m_browse, m_chains, m_sequences, m_attach,
                                                    m_remove, m_close})
    w->setEnabled(false);
  const std::string bytes = toPathBytes(path);
  if (m_reader.joinable()) m_reader.join();
  m_reader = std::jthread([this, bytes, path] {
    StructureFile file = readQuietly(bytes);
    QMetaObject::invokeMethod(
        this, [this, path, file = std::move(file)]() mutable { showFile(path, std::move(file)); },
        Qt::QueuedConnection);
  });
}

void StructureDialog::showFile(const QString& path, StructureFile file) {
  m_reading = false;
  QApplication::restoreOverrideCursor();
  m_choice.setFile(toPathBytes(path), std::move(file));
  m_browse->setEnabled(true);
  m_close->setEnabled(true);
  showChoice();
  showAttached();
  emit fileRead();
}

void StructureDialog::showChoice() {
  m_filling = true;
  m_chains->clear();
  m_chains->addItems(qtItems(m_choice.chainItems()));
  m_chains->setCurrentIndex(m_choice.chain());
  m_sequences->clear();
  if (m_choice.chain() >= 0) m_sequences->addItems(qtItems(m_choice.sequenceItems()));
  m_sequences->setCurrentIndex(m_choice.sequence());
  m_filling = false;
  m_chains->setEnabled(!m_reading && m_chains->count() > 0);
  m_sequences->setEnabled(!m_reading && m_sequences->count() > 0);
  m_attach->setEnabled(!m_reading && m_choice.canAttach());
  if (m_reading) return;
  const bool bad = !m_choice.fileProblem().empty();
  const std::string& text = bad ? m_choice.fileProblem() : m_choice.matchText();
  m_message->setText(toQPath(text));
  m_message->setStyleSheet(bad || (!m_choice.canAttach() && !text.empty())
                               ? QStringLiteral("color: #b00000")
                               : QString());
}

void StructureDialog::showAttached() {
  m_attached->clear();
  m_attached->addItems(qtItems(m_choice.attachedItems()));
  m_remove->setEnabled(false);
}

void StructureDialog::attach() {
  if (const std::string why = m_choice.attach(); !why.empty()) {
    m_message->setText(toQPath(why));
    m_message->setStyleSheet(QStringLiteral("color: #b00000"));
    return;
  }
  showAttached();
  m_attached->setCurrentRow(m_attached->count() - 1);
  if (m_apply) m_apply(m_choice.attached());
}

void StructureDialog::remove() {
  const int row = m_attached->currentRow();
  if (row < 0) return;
  m_choice.remove(row);
  showAttached();
  if (m_apply) m_apply(m_choice.attached());
}

}  // namespace hueset::gui
