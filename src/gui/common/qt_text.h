#pragma once

#include <string>
#include <string_view>

#include <QColor>
#include <QString>

#include "groupings/grouping_set.h"

namespace hueset::gui {

// The core keeps texts as bytes; the controls show them as Latin-1, which
// never fails on any byte.
inline QString toQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Colours of the core (red in the low byte) and of Qt.
inline QColor toQColor(Colour colour) {
  return QColor(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)),
                static_cast<int>(blueOf(colour)));
}

inline Colour fromQColor(const QColor& colour) {
  return rgb(static_cast<unsigned>(colour.red()), static_cast<unsigned>(colour.green()),
             static_cast<unsigned>(colour.blue()));
}

}  // namespace hueset::gui
