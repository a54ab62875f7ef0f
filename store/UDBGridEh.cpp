#include "UDBGridEh.h"

#include "ADOQuery.h"
#include "GridTitleHeader.h"
#include "SnapshotModel.h"
#include "UGlobal.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace qh {

QFont ListFont()
{
    return SongTi(13);
}

TDBGridEh::TDBGridEh(QWidget* parent)
    : QTableView(parent), FModel(new TSnapshotModel(this)), FHeader(new TTitleHeader(this)),
      FFindBox(new QLineEdit(this))
{
    setFont(ListFont());
    FHeader->setFont(ListFont());
    setHorizontalHeader(FHeader);
    FHeader->SetColumns(&FColumns);
    FModel->SetColumns(&FColumns);
    setModel(FModel);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setFrameShape(QFrame::Box);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(ListFont()).height() + 4);
    FHeader->setMinimumSectionSize(1);
    FHeader->setFixedHeight(QFontMetrics(ListFont()).height() + 6);
    FHeader->setStretchLastSection(false);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);

    connect(FHeader, &QHeaderView::sectionClicked, this,
            [this](int column) { TitleClick(column, FHeader->ClickModifiers()); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit CellClick(index.column());
    });

    FFindBox->setPlaceholderText(QStringLiteral("查找（回车找下一个，Esc 关闭）"));
    FFindBox->setFont(ListFont());
    FFindBox->setClearButtonEnabled(true);
    FFindBox->hide();
    FFindBox->installEventFilter(this);
    connect(FFindBox, &QLineEdit::textEdited, this, [this](const QString& text) { Find(text, false); });
}

void TDBGridEh::SetDataSource(TADOQuery* query)
{
    if (FQuery)
        disconnect(FQuery, nullptr, this, nullptr);
    FQuery = query;
    FModel->SetQuery(query);
    if (FQuery) {
        connect(FQuery, &TADOQuery::Changed, this, &TDBGridEh::QueryChanged);
        connect(FQuery, &TADOQuery::RecNoChanged, this, &TDBGridEh::QueryRowChanged);
        // A query that goes first leaves an empty grid, not a dangling one.
        connect(FQuery, &QObject::destroyed, this, &TDBGridEh::QueryChanged);
    }
    QueryChanged();
}

void TDBGridEh::SetColumns(const QVector<TColumnEh>& columns)
{
    FColumns = columns;
    FModel->Reload();
    ApplyColumnWidths();
}

void TDBGridEh::SetHint(const QString& hint)
{
    setToolTip(hint);
    FModel->SetCellHint(hint);
}

void TDBGridEh::ApplyColumnWidths()
{
    for (int i = 0; i < FColumns.size(); ++i) {
        setColumnHidden(i, FColumns[i].Width <= 0);
        if (FColumns[i].Width > 0)
            setColumnWidth(i, FColumns[i].Width);
    }
}

int TDBGridEh::FirstVisibleColumn() const
{
    for (int i = 0; i < FColumns.size(); ++i)
        if (!isColumnHidden(i))
            return i;
    return 0;
}

void TDBGridEh::QueryChanged()
{
    FModel->Reload();
    ApplyColumnWidths();
    QueryRowChanged(FQuery ? FQuery->RecNo() : -1);
}

void TDBGridEh::QueryRowChanged(int row)
{
    if (row < 0) {
        if (currentIndex().isValid())
            setCurrentIndex(QModelIndex());
        return;
    }
    if (currentIndex().row() == row)
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : FirstVisibleColumn();
    setCurrentIndex(FModel->index(row, column));
}

void TDBGridEh::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (FQuery && current.isValid())
        FQuery->SetRecNo(current.row());
}

void TDBGridEh::TitleClick(int column, Qt::KeyboardModifiers modifiers)
{
    if (column < 0 || column >= FColumns.size() || !FColumns[column].TitleButton)
        return;
    emit TitleBtnClick(column, &FColumns[column]);

    // The automatic marking: none and down move to up, up to down, or
    // with Ctrl held to none; without Ctrl every other title loses its marker.
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    TSortMarker& marker = FColumns[column].SortMarker;
    if (marker == TSortMarker::Up)
        marker = control ? TSortMarker::None : TSortMarker::Down;
    else
        marker = TSortMarker::Up;
    if (!control)
        for (int i = 0; i < FColumns.size(); ++i)
            if (i != column)
                FColumns[i].SortMarker = TSortMarker::None;
    FHeader->viewport()->update();
}

bool TDBGridEh::Find(const QString& text, bool next)
{
    const int rows = FModel->rowCount();
    bool found = false;
    if (!text.isEmpty() && rows > 0) {
        const int start = std::max(0, currentIndex().row()) + (next ? 1 : 0);
        for (int step = 0; step < rows && !found; ++step) {
            const int row = (start + step) % rows;
            for (int column = 0; column < FColumns.size(); ++column) {
                if (isColumnHidden(column) || !FModel->CellText(row, column).contains(text, Qt::CaseInsensitive))
                    continue;
                setCurrentIndex(FModel->index(row, column));
                scrollTo(currentIndex());
                found = true;
                break;
            }
        }
    }
    // A pale red box tells that nothing shows the text.
    FFindBox->setStyleSheet(found || text.isEmpty() ? QString()
                                                     : QStringLiteral("QLineEdit { background: #FFD0D0; }"));
    return found;
}

void TDBGridEh::ShowFindBox()
{
    PlaceFindBox();
    FFindBox->show();
    FFindBox->raise();
    FFindBox->setFocus();
    FFindBox->selectAll();
}

void TDBGridEh::PlaceFindBox()
{
    const int height = FFindBox->sizeHint().height();
    const QRect area = viewport()->geometry();
    FFindBox->setGeometry(area.left(), area.bottom() - height + 1, area.width(), height);
}

void TDBGridEh::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (FFindBox->isVisible())
        PlaceFindBox();
}

bool TDBGridEh::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FFindBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Find(FFindBox->text(), true);
            return true;
        }
        if (key == Qt::Key_Escape) {
            FFindBox->hide();
            setFocus();
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void TDBGridEh::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Find)) {
        ShowFindBox();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        // Enter moves to the next cell, on to the next row after the last.
        int row = currentIndex().row();
        int column = currentIndex().column();
        do {
            if (++column >= FColumns.size()) {
                column = 0;
                ++row;
            }
        } while (column < FColumns.size() && isColumnHidden(column));
        if (row < FModel->rowCount())
            setCurrentIndex(FModel->index(row, column));
        return;
    }
    QTableView::keyPressEvent(event);
}

void TDBGridEh::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // The row under the mouse becomes current before the menu opens,
        // so that the menu acts on the row that was right-clicked.
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid())
            setCurrentIndex(index);
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void TDBGridEh::contextMenuEvent(QContextMenuEvent* event)
{
    if (!FPopupMenu)
        return;
    QPoint at = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse && currentIndex().isValid())
        at = viewport()->mapToGlobal(visualRect(currentIndex()).center());
    FPopupMenu->popup(at);
    event->accept();
}

} // namespace qh
