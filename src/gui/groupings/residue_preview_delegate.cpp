#include "gui/groupings/residue_preview_delegate.h"

#include <QPainter>

#include "gui/common/qt_text.h"

namespace hueset::gui {

ResiduePreviewDelegate::ResiduePreviewDelegate(const GroupingEditorModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model) {}

QFont ResiduePreviewDelegate::previewFont(const QFont& base, const ResidueFormat& format) const {
  QFont font = base;
  if (!m_face.isEmpty()) font.setFamily(m_face);
  font.setWeight(format.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(format.italic);
  return font;
}

void ResiduePreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  const int row = index.row();
  if (row < 0 || row >= m_model.rowCount()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const ResidueFormat& format = m_model.rows()[static_cast<std::size_t>(row)].format;
  painter->save();
  painter->fillRect(option.rect, toQColor(format.backColour));
  painter->setFont(previewFont(option.font, format));
  painter->setPen(toQColor(format.textColour));
  const QRect text = option.rect.adjusted(3, 0, -3, 0);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, toQString(m_model.previewText(row)));
  painter->restore();
}

}  // namespace hueset::gui
