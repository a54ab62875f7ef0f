#include "SnapshotModel.h"

#include "ADOQuery.h"

namespace qh {

TSnapshotModel::TSnapshotModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void TSnapshotModel::SetQuery(TADOQuery* query)
{
    FQuery = query;
    Reload();
}

void TSnapshotModel::SetColumns(const QVector<TColumnEh>* columns)
{
    FColumns = columns;
    Reload();
}

void TSnapshotModel::Reload()
{
    beginResetModel();
    MapFields();
    endResetModel();
}

void TSnapshotModel::MapFields()
{
    FFieldOfColumn.clear();
    if (!FColumns)
        return;
    for (const TColumnEh& column : *FColumns)
        FFieldOfColumn.append(FQuery && !column.FieldName.isEmpty() ? FQuery->FieldIndex(column.FieldName) : -1);
}

QString TSnapshotModel::CellText(int row, int column) const
{
    if (!FQuery || column < 0 || column >= FFieldOfColumn.size())
        return {};
    const QVariant value = FQuery->Value(row, FFieldOfColumn[column]);
    return value.isNull() ? QString() : value.toString();
}

int TSnapshotModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !FQuery ? 0 : FQuery->RecordCount();
}

int TSnapshotModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !FColumns ? 0 : int(FColumns->size());
}

QVariant TSnapshotModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return CellText(index.row(), index.column());
    case Qt::ForegroundRole:
        return (*FColumns)[index.column()].TextColor;
    case Qt::ToolTipRole:
        return FCellHint.isEmpty() ? QVariant() : QVariant(FCellHint);
    default:
        return {};
    }
}

QVariant TSnapshotModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !FColumns || section < 0 || section >= FColumns->size())
        return {};
    const TColumnEh& column = (*FColumns)[section];
    switch (role) {
    case Qt::DisplayRole:
        return column.Title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.TitleAlignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags TSnapshotModel::flags(const QModelIndex& index) const
{
    // Shown, chosen, never edited in place: a name changed here would
    // change one table only and cut the person off their dates.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace qh
