#pragma once

#include <QPointer>
#include <functional>
#include <optional>
#include <span>

#include "desktop/groupings/colour_palette.h"
#include "gui/controls/colour_well.h"
#include "gui/controls/drop_down_button.h"

namespace hueset::gui {

// A colour button: shows its colour ("None" and "Automatic" as text) and
// drops down a colour well to change it.
class ColourButton : public DropDownButton {
  Q_OBJECT
 public:
  // Asks the user for a colour, starting from `current`; none when
  // cancelled. The system colour dialog unless replaced (tests).
  using ColourDialog = std::function<std::optional<Colour>(QWidget* parent, Colour current)>;

  explicit ColourButton(QWidget* parent = nullptr);
  ~ColourButton() override;

  Colour colour() const { return m_colour; }
  // Notifies (colourChanged) only when the value changes.
  void setColour(Colour colour);

  ColourSet& colourSet() { return m_set; }
  const ColourSet& colourSet() const { return m_set; }
  // Gives the well another palette (an open well is laid out again).
  void setPalette(std::span<const PaletteEntry> entries, int columns);

  // Loading into the button sets the colour and selects it in
  // the well; storing gives the colour.
  void loadColour(Colour colour);
  Colour storeColour() const { return m_colour; }

  void setColourDialog(ColourDialog dialog) { m_colourDialog = std::move(dialog); }
  // The open well, or null.
  ColourWell* well() const { return m_well; }
  // Closes the well and runs "More Colours...".
  void chooseMoreColours();

  void dropDown() override;

 signals:
  // The colour changed (notification 1).
  void colourChanged(hueset::Colour colour);

 protected:
  void drawFace(QPainter& painter, const QRect& face) override;

 private:
  void wellChose(Colour colour);
  void wellCancelled();
  void closeWell();

  Colour m_colour = 0;
  ColourSet m_set;
  QPointer<ColourWell> m_well;
  ColourDialog m_colourDialog;
};

}  // namespace hueset::gui
