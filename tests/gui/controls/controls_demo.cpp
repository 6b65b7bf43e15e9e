// Shows one of the reusable controls as a user would see it, for the
// screenshots of scripts/screenshots-controls:
//   controls_demo well | well-websafe | sets | about | credits | fields
#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/controls/about_box.h"
#include "gui/controls/colour_button.h"
#include "gui/controls/sets_dialog.h"
#include "gui/controls/validating_field.h"

using namespace hueset;
using namespace hueset::gui;

namespace {

QWidget* colourWindow(bool webSafe) {
  auto* window = new QWidget;
  window->setWindowTitle(QStringLiteral("Colour buttons"));
  auto* layout = new QFormLayout(window);
  auto* text = new ColourButton(window);
  auto* back = new ColourButton(window);
  for (ColourButton* b : {text, back}) {
    if (webSafe) {
      b->colourSet().setPalette(webSafePalette());
      b->colourSet().setColumns(kWebSafePaletteColumns);
    } else {
      // The groupings editor adds the colours its groupings already use.
      b->colourSet().addCustomColour(rgb(0x12, 0x34, 0x56));
      b->colourSet().addCustomColour(rgb(0xE0, 0x70, 0x10));
    }
    b->colourSet().setSpecialCells(2);
  }
  text->setColour(webSafe ? rgb(0x33, 0x99, 0x66) : rgb(0xFF, 0x66, 0x00));
  back->setColour(kColourAutomatic);
  layout->addRow(QStringLiteral("Text colour:"), text);
  layout->addRow(QStringLiteral("Background:"), back);
  window->resize(220, 70);
  QTimer::singleShot(300, text, [text] { text->dropDown(); });
  QTimer::singleShot(600, text, [text] {
    if (ColourWell* well = text->well()) {
      QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
      QApplication::sendEvent(well, &down);
    }
  });
  return window;
}

QWidget* fieldsWindow(FieldSupport& support) {
  auto* window = new QWidget;
  window->setWindowTitle(QStringLiteral("Fields"));
  auto* layout = new QFormLayout(window);
  const int percent = support.units().registerUnit(percentUnit());
  auto* consensus = new ScaledNumberField(support, window);
  consensus->setUnit(percent);
  consensus->setName(QStringLiteral("Consensus"));
  consensus->setLowerBound(BoundMode::Strict, 50);
  consensus->setUpperBound(BoundMode::Inclusive, 100);
  consensus->loadValue(805);
  auto* spin = new FieldSpinButton(window);
  consensus->setSpinButton(spin);
  auto* row = new QHBoxLayout;
  row->addWidget(consensus);
  row->addWidget(spin);
  layout->addRow(QStringLiteral("Identity Threshold:"), row);
  auto* length = new IntegerField(support, window);
  length->setName(QStringLiteral("Minimum Length of the Elided Region "));
  length->setLowerBound(BoundMode::Strict, 3);
  length->setUpperBound(BoundMode::Inclusive, 999);
  length->setFeedback(ValidatingField::ColourFeedback | ValidatingField::BoldFeedback);
  length->setFieldText(QStringLiteral("1000"));
  layout->addRow(QStringLiteral("which are longer than"), length);
  auto* letters = new LetterSetField(window);
  letters->setText(QStringLiteral("BJOUZ"));
  layout->addRow(QStringLiteral("Check for the following invalid residues:"), letters);
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("about");
  FieldSupport support;
  QWidget* window = nullptr;
  if (what == QLatin1String("well") || what == QLatin1String("well-websafe")) {
    window = colourWindow(what == QLatin1String("well-websafe"));
  } else if (what == QLatin1String("sets")) {
    const std::vector<std::string> names = {"HBA_HUMAN", "HBA_HORSE", "HBB_HUMAN",
                                            "HBB_HORSE", "MYG_PHYCA", "GLB5_PETMA"};
    window = new SetsDialog(names, false, {-1, 0, 1, -1, 2, 3});
  } else if (what == QLatin1String("credits")) {
    window = new CreditsDialog;
  } else if (what == QLatin1String("fields")) {
    window = fieldsWindow(support);
  } else {
    window = new AboutBox;
  }
  window->show();
  const int result = app.exec();
  delete window;
  return result;
}
