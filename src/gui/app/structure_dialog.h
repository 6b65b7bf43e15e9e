#pragma once

#include <QDialog>
#include <functional>
#include <thread>
#include <vector>

#include "desktop/structure/structure_choice.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace hueset::gui {

// "Add Structure": a structure file chosen and read, one of its chains, a
// sequence of the document, Attach; and the structures attached, with
// Remove. Each change goes to the document at once (`apply`), so the
// preview follows. A file is read and its DSSP computed on a thread of its
// own, the dialog showing that it is busy; it shows StructureChoice alone.
class StructureDialog : public QDialog {
  Q_OBJECT
 public:
  using Apply = std::function<void(const std::vector<AttachedStructure>&)>;

  StructureDialog(StructureChoice choice, QString folder, Apply apply, QWidget* parent = nullptr);
  // Waits for a file being read.
  ~StructureDialog() override;

  // Reads `path` as the chosen file, away from the GUI thread.
  void readFile(const QString& path);
  bool reading() const { return m_reading; }
  // The folder the file dialog ended in.
  const QString& folder() const { return m_folder; }
  const StructureChoice& choice() const { return m_choice; }

  QComboBox* chainBox() const { return m_chains; }
  QComboBox* sequenceBox() const { return m_sequences; }
  QLabel* messageLabel() const { return m_message; }
  QPushButton* attachButton() const { return m_attach; }
  QPushButton* removeButton() const { return m_remove; }
  QListWidget* attachedList() const { return m_attached; }

 signals:
  // A file has been read, whatever it held.
  void fileRead();

 public slots:
  void reject() override;

 private:
  void browse();
  void showFile(const QString& path, StructureFile file);
  void showChoice();
  void showAttached();
  void attach();
  void remove();

  StructureChoice m_choice;
  QString m_folder;
  Apply m_apply;
  QLineEdit* m_file;
  QPushButton* m_browse;
  QComboBox* m_chains;
  QComboBox* m_sequences;
  QLabel* m_message;
  QPushButton* m_attach;
  QListWidget* m_attached;
  QPushButton* m_remove;
  QPushButton* m_close;
  bool m_reading = false;
  bool m_filling = false;  // the boxes being filled: their signals are no choice
  std::jthread m_reader;
};

}  // namespace hueset::gui
