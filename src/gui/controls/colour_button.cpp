#include "gui/controls/colour_button.h"

#include <QColorDialog>
#include <QPainter>

#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

std::optional<Colour> systemColourDialog(QWidget* parent, Colour current) {
  const QColor start = current > 0xFFFFFFu ? QColor(Qt::white) : toQColor(current);
  const QColor chosen = QColorDialog::getColor(start, parent, QStringLiteral("Colour"));
  if (!chosen.isValid()) return std::nullopt;
  return fromQColor(chosen);
}

}  // namespace

ColourButton::ColourButton(QWidget* parent)
    : DropDownButton(parent), m_colourDialog(systemColourDialog) {}

ColourButton::~ColourButton() {
  // The well refers to this button's colour set.
  if (m_well) delete m_well.data();
}

void ColourButton::setColour(Colour colour) {
  if (colour == m_colour) return;
  m_colour = colour;
  emit colourChanged(colour);
  update();
}

void ColourButton::loadColour(Colour colour) {
  setColour(colour);
  m_set.selectValue(colour);
}

void ColourButton::setPalette(std::span<const PaletteEntry> entries, int columns) {
  m_set.setPalette(entries);
  m_set.setColumns(columns);
  if (m_well) {
    m_set.selectValue(m_colour);
    m_well->relayout();
  }
}

void ColourButton::drawFace(QPainter& p, const QRect& face) {
  if (m_colour == kColourNone || m_colour == kColourAutomatic) {
    p.fillRect(face, palette().color(QPalette::Base));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.drawText(face, Qt::AlignCenter, toQString(ColourSet::specialText(m_colour)));
    return;
  }
  const QRect frame = face.adjusted(2, 2, -3, -3);
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
  const Colour shown = isEnabled() ? m_colour : washedOut(m_colour);
  p.fillRect(frame.adjusted(1, 1, 0, 0), toQColor(shown));
}

void ColourButton::dropDown() {
  if (m_well) return;
  emit aboutToDropDown();
  m_set.selectValue(m_colour);
  QWidget* owner = parentWidget() ? parentWidget() : this;
  m_well = new ColourWell(m_set, owner);
  connect(m_well, &ColourWell::colourChosen, this, &ColourButton::wellChose);
  connect(m_well, &ColourWell::moreColoursRequested, this, &ColourButton::chooseMoreColours);
  connect(m_well, &ColourWell::cancelled, this, &ColourButton::wellCancelled);
  setDroppedDown(true);
  m_well->popUp(this);
}

void ColourButton::closeWell() {
  if (m_well) {
    ColourWell* well = m_well;
    m_well = nullptr;
    disconnect(well, nullptr, this, nullptr);
    well->close();
  }
  setDroppedDown(false);
}

void ColourButton::wellChose(Colour colour) {
  closeWell();
  setColour(colour);
}

void ColourButton::wellCancelled() {
  m_well = nullptr;
  setDroppedDown(false);
  emit closedWithoutChoice();
}

void ColourButton::chooseMoreColours() {
  closeWell();
  if (!m_colourDialog) return;
  const std::optional<Colour> chosen = m_colourDialog(this, m_colour);
  if (!chosen) return;  // cancelled: nothing changes
  setColour(*chosen);
  m_set.selectValue(*chosen);
  update();
}

}  // namespace hueset::gui
