#pragma once
// MGrid: the game board, a grid of equal cells with 1-pixel lines between
// them, no border, no scroll bars and no drawing of its own. The owner paints
// every cell (OnDrawCell) and hears of every selection (OnSelectCell).
//
// A selection is raised for a left press on a cell (also the current one),
// for each further cell the pointer enters while the left button is held, and
// for keyboard moves of the current cell. The owner decides what a selection
// means; the grid only tracks its current cell.

#include <QWidget>

#include <functional>

class TBoardGrid : public QWidget {
    Q_OBJECT
public:
    explicit TBoardGrid(QWidget* parent = nullptr);

    // Sets the cell counts and sizes; the widget takes the size they need
    // (ColCount x (width + 1) by RowCount x (height + 1)).
    void SetGeometryCells(int colCount, int rowCount, int colWidth, int rowHeight);

    int ColCount() const { return Cols; }
    int RowCount() const { return Rows; }
    int DefaultColWidth() const { return ColWidth; }
    int DefaultRowHeight() const { return RowHeight; }

    // The cell's rectangle in grid coordinates, without the line after it.
    QRect CellRect(int col, int row) const;
    // The cell under a point, or false when the point is on a line or outside.
    bool CellAt(QPoint point, int& col, int& row) const;

    int CurrentCol() const { return CurCol; }
    int CurrentRow() const { return CurRow; }

    // Schedules a repaint of one cell (it reaches OnDrawCell from paintEvent).
    void InvalidateCell(int col, int row);

    // Filled behind every cell and in the lines between cells.
    void SetBoardBrush(const QBrush& brush);
    const QBrush& BoardBrush() const { return Brush; }

    std::function<void(int col, int row, QPainter& painter, const QRect& rect)> OnDrawCell;
    std::function<void(int col, int row)> OnSelectCell;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Select(int col, int row);

    int Cols = 4;
    int Rows = 4;
    int ColWidth = 120;
    int RowHeight = 90;
    int CurCol = 0;
    int CurRow = 0;
    bool Tracking = false;
    QBrush Brush;
};
