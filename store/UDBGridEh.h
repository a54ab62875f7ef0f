#pragma once
// The data grid of the birthday lists: a read-only table over a query's
// in-memory snapshot, with titled columns of fixed widths and colours,
// title clicks that sort and cycle a three-state marker, the query's
// current row kept in step with the grid's, a right click that makes its
// row current before the context menu opens, and a find box (Ctrl+F).

#include "ADOQuery.h"
#include "GridColumn.h"

#include <QPointer>
#include <QTableView>
#include <QVector>

class QLineEdit;
class QMenu;

namespace qh {

class TSnapshotModel;
class TTitleHeader;

class TDBGridEh : public QTableView {
    Q_OBJECT
public:
    explicit TDBGridEh(QWidget* parent = nullptr);

    // The query whose rows the grid shows (not owned).
    void SetDataSource(TADOQuery* query);
    TADOQuery* DataSource() const { return FQuery; }

    void SetColumns(const QVector<TColumnEh>& columns);
    const QVector<TColumnEh>& Columns() const { return FColumns; }
    TColumnEh& Column(int index) { return FColumns[index]; }

    // The menu a right click opens (not owned).
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    QMenu* PopupMenu() const { return FPopupMenu; }

    // The tooltip of the grid, shown over every cell.
    void SetHint(const QString& hint);

    // A click on a title as the mouse gives it: first TitleBtnClick, then
    // the automatic marking. Does nothing for a column without title button.
    void TitleClick(int column, Qt::KeyboardModifiers modifiers);

    // Moves the current row to the next row, from the current one on (or
    // from the one after it with `next`), that shows `text` in a visible
    // column, letter case ignored, wrapping round at the end. False when no
    // row shows it.
    bool Find(const QString& text, bool next = false);
    // Opens the find box at the foot of the grid.
    void ShowFindBox();
    QLineEdit* FindBox() const { return FFindBox; }

    TTitleHeader* TitleHeader() const { return FHeader; }

signals:
    // The left mouse button was released over a data cell.
    void CellClick(int column);
    // A title with a title button was clicked; emitted before the marker moves.
    void TitleBtnClick(int ACol, qh::TColumnEh* Column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void QueryChanged();
    void QueryRowChanged(int row);
    void ApplyColumnWidths();
    int FirstVisibleColumn() const;
    void PlaceFindBox();

    QPointer<TADOQuery> FQuery;
    TSnapshotModel* FModel;
    TTitleHeader* FHeader;
    QVector<TColumnEh> FColumns;
    QMenu* FPopupMenu = nullptr;
    QLineEdit* FFindBox;
};

// The font of the lists: 宋体, 13 pixels.
QFont ListFont();

} // namespace qh
