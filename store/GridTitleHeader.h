#pragma once
// The title row of a data grid: raised sky-blue titles, each with its
// sort marker drawn at the right, and the keyboard modifiers of the click
// that released over a title.

#include "GridColumn.h"

#include <QHeaderView>
#include <QVector>

namespace qh {

class TTitleHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TTitleHeader(QWidget* parent = nullptr);

    void SetColumns(const QVector<TColumnEh>* columns) { FColumns = columns; }
    // The modifiers held when the last click on a title was released.
    Qt::KeyboardModifiers ClickModifiers() const { return FClickModifiers; }

    static QColor TitleColor();

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QVector<TColumnEh>* FColumns = nullptr;
    Qt::KeyboardModifiers FClickModifiers;
};

} // namespace qh
