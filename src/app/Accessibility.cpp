#include "app/Accessibility.h"

#include "app/Announcer.h"
#include "app/BoardGrid.h"
#include "app/StatusLine.h"
#include "controls/LumAccessible.h"
#include "windows/Image.h"

#include <QAccessibleWidget>

namespace {

class TCellAccessible : public TAccessibleItem, public QAccessibleTableCellInterface {
public:
    using TAccessibleItem::TAccessibleItem;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return TAccessibleItem::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid() || !Grid().OnCellName)
            return {};
        return Grid().OnCellName(Index % Grid().ColCount(), Index / Grid().ColCount());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State result;
        if (!isValid())
            return result;
        const TBoardGrid& grid = Grid();
        result.invisible = !grid.isVisible();
        result.focusable = true;
        result.focused = grid.hasFocus() && Index == grid.CurrentRow() * grid.ColCount() + grid.CurrentCol();
        return result;
    }

    // The board is a table of cells that are never selected and have no headers.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? Index % Grid().ColCount() : -1; }
    int rowIndex() const override { return isValid() ? Index / Grid().ColCount() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

protected:
    int PartCount() const override { return Grid().ColCount() * Grid().RowCount(); }
    QRect PartRect() const override { return Grid().CellRect(Index % Grid().ColCount(), Index / Grid().ColCount()); }
    void Press() override { Grid().PressCell(Index % Grid().ColCount(), Index / Grid().ColCount()); }

private:
    TBoardGrid& Grid() const { return static_cast<TBoardGrid&>(*Owner); }
};

class TBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TBoardAccessible(TBoardGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Table),
          Cells([grid](int index) { return new TCellAccessible(grid, index); })
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return Grid().ColCount() * Grid().RowCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return index < childCount() ? Cells.Item(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* item) const override { return Cells.IndexOf(item); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        int col = 0;
        int row = 0;
        if (!Grid().CellAt(Grid().mapFromGlobal(QPoint(x, y)), col, row))
            return nullptr;
        return child(row * Grid().ColCount() + col);
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!Grid().hasFocus())
            return nullptr;
        return child(Grid().CurrentRow() * Grid().ColCount() + Grid().CurrentCol());
    }

    // The table a reader walks: rows and columns of cells, nothing selectable.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(row * columnCount() + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Grid().ColCount(); }
    int rowCount() const override { return Grid().RowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const TBoardGrid& Grid() const { return static_cast<const TBoardGrid&>(*widget()); }

    TAccessibleItems Cells;
};

class TStatusLineAccessible : public QAccessibleWidget {
public:
    explicit TStatusLineAccessible(TStatusLine* line) : QAccessibleWidget(line, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const TStatusLine&>(*widget()).text();
        return QAccessibleWidget::text(t);
    }
    // Pressed, the cover's resume choice resumes the saved game; only while it stands.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (static_cast<const TStatusLine&>(*widget()).IsPressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<TStatusLine&>(*widget()).Press();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* AppAccessible(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<TBoardGrid*>(object))
        return new TBoardAccessible(grid);
    if (auto* line = qobject_cast<TStatusLine*>(object))
        return new TStatusLineAccessible(line);
    if (auto* note = qobject_cast<TAnnouncement*>(object))
        return new QAccessibleWidget(note, QAccessible::Notification);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        InstallControlAccessibility();
        InstallImageAccessibility();
        QAccessible::installFactory(AppAccessible);
        return true;
    }();
    (void)installed;
}
