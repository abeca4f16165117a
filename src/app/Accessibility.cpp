#include "app/Accessibility.h"

#include "app/BoardGrid.h"
#include "app/StatusLine.h"
#include "controls/LumAccessible.h"
#include "windows/Image.h"

#include <QAccessibleWidget>

namespace {

class TCellAccessible : public TAccessibleItem {
public:
    using TAccessibleItem::TAccessibleItem;

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

protected:
    int PartCount() const override { return Grid().ColCount() * Grid().RowCount(); }
    QRect PartRect() const override { return Grid().CellRect(Index % Grid().ColCount(), Index / Grid().ColCount()); }
    void Press() override { Grid().PressCell(Index % Grid().ColCount(), Index / Grid().ColCount()); }

private:
    TBoardGrid& Grid() const { return static_cast<TBoardGrid&>(*Owner); }
};

class TBoardAccessible : public QAccessibleWidget {
public:
    explicit TBoardAccessible(TBoardGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Table),
          Cells([grid](int index) { return new TCellAccessible(grid, index); })
    {
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
