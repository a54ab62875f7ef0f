#pragma once
// One column of a data grid: the field it shows and how its title looks.

#include <QColor>
#include <QString>

namespace qh {

// The title's sort marker; it moves on with every click on the title.
enum class TSortMarker { None, Down, Up };

struct TColumnEh {
    QString FieldName;
    QString Title;
    int Width = 64; // 0 hides the column
    Qt::Alignment TitleAlignment = Qt::AlignLeft;
    QColor TextColor = Qt::black;
    bool TitleButton = true; // a click on the title sorts
    TSortMarker SortMarker = TSortMarker::None;
};

} // namespace qh
