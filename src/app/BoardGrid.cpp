#include "app/BoardGrid.h"

#include "controls/LumAccessible.h"
#include "controls/LumFocus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

namespace {

// The focus frame alone; the cell under it shows through.
class TCellFrame : public QWidget {
public:
    explicit TCellFrame(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        DrawFocusFrame(painter, rect());
    }
};

} // namespace

TBoardGrid::TBoardGrid(QWidget* parent) : QWidget(parent), Brush(Qt::black)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FocusFrame = new TCellFrame(parent ? parent : this);
    connect(&TKeyboardUse::Instance(), &TKeyboardUse::Changed, this, [this]() { SyncFocusFrame(); });
    SetGeometryCells(Cols, Rows, ColWidth, RowHeight);
}

bool TBoardGrid::FocusFrameShown() const
{
    return FocusFrame->isVisibleTo(FocusFrame->parentWidget());
}

void TBoardGrid::SyncFocusFrame()
{
    if (!isVisible() || !FocusFrameVisible(*this)) {
        FocusFrame->hide();
        return;
    }
    const QPoint origin = FocusFrame->parentWidget() == this ? QPoint() : pos();
    FocusFrame->setGeometry(CellRect(CurCol, CurRow).translated(origin));
    FocusFrame->show();
    FocusFrame->raise();
}

void TBoardGrid::SetGeometryCells(int colCount, int rowCount, int colWidth, int rowHeight)
{
    Cols = std::max(colCount, 1);
    Rows = std::max(rowCount, 1);
    ColWidth = std::max(colWidth, 1);
    RowHeight = std::max(rowHeight, 1);
    CurCol = std::min(CurCol, Cols - 1);
    CurRow = std::min(CurRow, Rows - 1);
    resize(Cols * (ColWidth + 1), Rows * (RowHeight + 1));
    update();
    SyncFocusFrame();
}

QRect TBoardGrid::CellRect(int col, int row) const
{
    return QRect(col * (ColWidth + 1), row * (RowHeight + 1), ColWidth, RowHeight);
}

bool TBoardGrid::CellAt(QPoint point, int& col, int& row) const
{
    if (point.x() < 0 || point.y() < 0)
        return false;
    const int c = point.x() / (ColWidth + 1);
    const int r = point.y() / (RowHeight + 1);
    if (c >= Cols || r >= Rows || !CellRect(c, r).contains(point))
        return false;
    col = c;
    row = r;
    return true;
}

void TBoardGrid::InvalidateCell(int col, int row)
{
    update(CellRect(col, row));
    NotifyAccessibleName(*this, row * Cols + col);
}

void TBoardGrid::PressCell(int col, int row)
{
    if (col >= 0 && col < Cols && row >= 0 && row < Rows)
        Select(col, row);
}

void TBoardGrid::SetBoardBrush(const QBrush& brush)
{
    Brush = brush;
    update();
}

void TBoardGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    // The brush pattern is anchored at the grid's top-left corner, so a cell
    // repainted alone matches the same cell of a full repaint.
    painter.setBrushOrigin(0, 0);
    painter.fillRect(dirty, Brush);
    const int firstCol = std::max(dirty.left() / (ColWidth + 1), 0);
    const int lastCol = std::min(dirty.right() / (ColWidth + 1), Cols - 1);
    const int firstRow = std::max(dirty.top() / (RowHeight + 1), 0);
    const int lastRow = std::min(dirty.bottom() / (RowHeight + 1), Rows - 1);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col) {
            const QRect rect = CellRect(col, row);
            if (OnDrawCell && rect.intersects(dirty))
                OnDrawCell(col, row, painter, rect);
        }
}

void TBoardGrid::Select(int col, int row)
{
    MoveTo(col, row);
    if (OnSelectCell)
        OnSelectCell(col, row);
}

void TBoardGrid::MoveTo(int col, int row)
{
    const bool moved = col != CurCol || row != CurRow;
    CurCol = col;
    CurRow = row;
    SyncFocusFrame();
    if (moved)
        NotifyAccessibleFocus(*this, row * Cols + col);
}

void TBoardGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    int col = 0;
    int row = 0;
    Tracking = true;
    if (CellAt(event->position().toPoint(), col, row))
        Select(col, row);
}

void TBoardGrid::mouseMoveEvent(QMouseEvent* event)
{
    int col = 0;
    int row = 0;
    if (!Tracking || !(event->buttons() & Qt::LeftButton))
        return;
    if (CellAt(event->position().toPoint(), col, row) && (col != CurCol || row != CurRow))
        Select(col, row);
}

void TBoardGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Tracking = false;
    QWidget::mouseReleaseEvent(event);
}

void TBoardGrid::keyPressEvent(QKeyEvent* event)
{
    if (IsActivationKey(*event)) {
        Select(CurCol, CurRow);
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int col = CurCol;
    int row = CurRow;
    switch (event->key()) {
    case Qt::Key_Left: col = std::max(col - 1, 0); break;
    case Qt::Key_Right: col = std::min(col + 1, Cols - 1); break;
    case Qt::Key_Up: row = std::max(row - 1, 0); break;
    case Qt::Key_Down: row = std::min(row + 1, Rows - 1); break;
    case Qt::Key_Home: col = 0; row = ctrl ? 0 : row; break;
    case Qt::Key_End: col = Cols - 1; row = ctrl ? Rows - 1 : row; break;
    case Qt::Key_PageUp: row = 0; break;
    case Qt::Key_PageDown: row = Rows - 1; break;
    default: QWidget::keyPressEvent(event); return;
    }
    MoveTo(col, row);
}

void TBoardGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    SyncFocusFrame();
    NotifyAccessibleFocusIn(*this, [this]() { return CurRow * Cols + CurCol; });
}

void TBoardGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    SyncFocusFrame();
}

void TBoardGrid::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    SyncFocusFrame();
}

void TBoardGrid::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    SyncFocusFrame();
}

void TBoardGrid::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    FocusFrame->hide();
}
