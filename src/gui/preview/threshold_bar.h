#pragma once

#include <QWidget>

class QDoubleSpinBox;
class QSlider;

namespace hueset::gui {

// The consensus threshold at hand above the preview: a slider and a spin box
// in percent, over the option's own range (stored in tenths of a percent).
// Either control moves the other; the user's changes are announced.
class ThresholdBar : public QWidget {
  Q_OBJECT
 public:
  // `low` and `high` in tenths of a percent, as the option table has them.
  ThresholdBar(int low, int high, QWidget* parent = nullptr);

  int threshold() const { return m_threshold; }
  // Shows `tenths` without announcing it.
  void setThreshold(int tenths);

  QSlider* slider() const { return m_slider; }
  QDoubleSpinBox* spinBox() const { return m_spin; }

 signals:
  void thresholdChanged(int tenths);

 private:
  void take(int tenths);

  QSlider* m_slider;
  QDoubleSpinBox* m_spin;
  int m_threshold = 0;
  bool m_showing = false;  // set while setThreshold moves the controls
};

}  // namespace hueset::gui
