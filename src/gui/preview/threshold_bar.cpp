#include "gui/preview/threshold_bar.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <cmath>

namespace hueset::gui {

ThresholdBar::ThresholdBar(int low, int high, QWidget* parent)
    : QWidget(parent),
      m_slider(new QSlider(Qt::Horizontal, this)),
      m_spin(new QDoubleSpinBox(this)) {
  auto* label = new QLabel(QStringLiteral("Consensus &threshold:"), this);
  label->setBuddy(m_slider);
  m_slider->setObjectName(QStringLiteral("ThresholdSlider"));
  m_slider->setRange(low, high);
  // Whole percents by the arrow keys, tens by the page keys.
  m_slider->setSingleStep(10);
  m_slider->setPageStep(100);
  m_slider->setToolTip(QStringLiteral("The share of sequences a grouping needs in a column"));
  m_spin->setObjectName(QStringLiteral("ThresholdSpin"));
  m_spin->setRange(low / 10.0, high / 10.0);
  m_spin->setDecimals(1);
  m_spin->setSingleStep(1.0);
  m_spin->setSuffix(QStringLiteral("%"));
  m_spin->setKeyboardTracking(false);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(label);
  layout->addWidget(m_slider, 1);
  layout->addWidget(m_spin);

  connect(m_slider, &QSlider::valueChanged, this, [this](int value) { take(value); });
  connect(m_spin, &QDoubleSpinBox::valueChanged, this,
          [this](double percent) { take(static_cast<int>(std::lround(percent * 10))); });
}

void ThresholdBar::setThreshold(int tenths) {
  m_showing = true;
  m_threshold = tenths;
  m_slider->setValue(tenths);
  m_spin->setValue(tenths / 10.0);
  m_showing = false;
}

void ThresholdBar::take(int tenths) {
  if (m_showing || tenths == m_threshold) return;
  setThreshold(tenths);
  emit thresholdChanged(tenths);
}

}  // namespace hueset::gui
