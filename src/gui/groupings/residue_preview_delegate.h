#pragma once

#include <QFont>
#include <QString>
#include <QStyledItemDelegate>

#include "desktop/groupings/grouping_editor_model.h"

namespace hueset::gui {

// Draws a grouping's residues in the grouping's own format.
class ResiduePreviewDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  ResiduePreviewDelegate(const GroupingEditorModel& model, QObject* parent);
  void setFace(const QString& face) { m_face = face; }
  // The font a preview of `format` is drawn in, based on `base`.
  QFont previewFont(const QFont& base, const ResidueFormat& format) const;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const GroupingEditorModel& m_model;
  QString m_face;
};

}  // namespace hueset::gui
