#pragma once
// The table model of a data grid: the rows of a query's in-memory snapshot
// shown through the grid's columns, read-only.

#include "GridColumn.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>

namespace qh {

class TADOQuery;

class TSnapshotModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TSnapshotModel(QObject* parent = nullptr);

    void SetQuery(TADOQuery* query);
    TADOQuery* Query() const { return FQuery; }
    void SetColumns(const QVector<TColumnEh>* columns);
    // The text every data cell shows as its tooltip.
    void SetCellHint(const QString& hint) { FCellHint = hint; }

    // The rows or columns changed as a whole.
    void Reload();

    // The text of a cell, as shown.
    QString CellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void MapFields();

    QPointer<TADOQuery> FQuery;
    const QVector<TColumnEh>* FColumns = nullptr;
    QVector<int> FFieldOfColumn; // the query's field index per column, -1 for none
    QString FCellHint;
};

} // namespace qh
