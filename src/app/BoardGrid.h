#pragma once
// MGrid: the game board, a grid of equal cells with 1-pixel lines between
// them, no border, no scroll bars and no drawing of its own. The owner paints
// every cell (OnDrawCell) and hears of every selection (OnSelectCell).
//
// A selection is raised for a left press on a cell (also the current one),
// for each further cell the pointer enters while the left button is held, and
// for Enter or Space on the current cell. The owner decides what a selection
// means; the grid only tracks its current cell.
//
// Keyboard moves (arrows; Home and End along the row; PageUp and PageDown to
// the first and last row, the whole board being one page; Ctrl+Home and
// Ctrl+End to the first and last cell) only move the current cell: a player
// on the keyboard must reach a card without turning every card on the way.
// While the keyboard is in use the current cell wears the focus frame
// (controls/LumFocus.h), a sibling widget laid over the cell so it shows also
// over whatever the owner lays there.
//
// To a screen reader the grid is a table of cells, row by row, each named by
// the owner (OnCellName) and pressed as Enter presses the current cell; a
// repainted cell is announced as renamed, and when the grid takes the focus
// the reader is told that the current cell has it (TBoardAccessible,
// app/Accessibility.cpp).

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

    // Places the focus frame on the current cell and above its siblings (call
    // after raising a widget over a cell), or hides it.
    void SyncFocusFrame();
    bool FocusFrameShown() const;

    // Makes the cell current and selects it, as a click on it does.
    void PressCell(int col, int row);

    // Schedules a repaint of one cell (it reaches OnDrawCell from paintEvent).
    void InvalidateCell(int col, int row);

    // Filled behind every cell and in the lines between cells.
    void SetBoardBrush(const QBrush& brush);
    const QBrush& BoardBrush() const { return Brush; }

    std::function<void(int col, int row, QPainter& painter, const QRect& rect)> OnDrawCell;
    std::function<void(int col, int row)> OnSelectCell;
    std::function<QString(int col, int row)> OnCellName;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Select(int col, int row);
    void MoveTo(int col, int row);

    int Cols = 4;
    int Rows = 4;
    int ColWidth = 120;
    int RowHeight = 90;
    int CurCol = 0;
    int CurRow = 0;
    bool Tracking = false;
    QBrush Brush;
    QWidget* FocusFrame = nullptr;
};
