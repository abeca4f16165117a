#include "LumCursors.h"

#include <QWidget>

#include <map>

namespace {

std::map<TCursor, QCursor>& Registered()
{
    static std::map<TCursor, QCursor> table;
    return table;
}

Qt::CursorShape StockShape(TCursor slot)
{
    switch (slot) {
    case crIBeam:
        return Qt::IBeamCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

void RegisterCursor(TCursor slot, const QCursor& cursor)
{
    Registered()[slot] = cursor;
}

QCursor CursorFor(TCursor slot)
{
    const auto& table = Registered();
    if (const auto found = table.find(slot); found != table.end())
        return found->second;
    return QCursor(StockShape(slot));
}

void ApplyCursor(QWidget& widget, TCursor slot)
{
    if (slot == crDefault)
        widget.unsetCursor();
    else
        widget.setCursor(CursorFor(slot));
}
