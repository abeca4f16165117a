// The image map's keyboard: the focus walks through the enabled areas and
// Enter or Space clicks the focused one.
#include "LumImageMap.h"

#include "LumAccessible.h"
#include "LumFocus.h"

#include <QFocusEvent>
#include <QKeyEvent>

int TLumCustomImageMap::NextFocusArea(int from, bool forward) const
{
    const int step = forward ? 1 : -1;
    for (int i = from + step; i >= 0 && i < AreaCount(); i += step)
        if (Area(i).AreaState != arsDisabled && !Area(i).AreaRect.IsEmpty())
            return i;
    return -1;
}

void TLumCustomImageMap::SetFocusArea(int index)
{
    if (index == FFocusArea)
        return;
    if (FFocusArea >= 0 && FFocusArea < AreaCount())
        update(Area(FFocusArea).AreaRect.ToQRect());
    FFocusArea = index;
    if (index >= 0) {
        update(Area(index).AreaRect.ToQRect());
        NotifyAccessibleFocus(*this, index);
    }
}

void TLumCustomImageMap::focusInEvent(QFocusEvent* event)
{
    // Coming in backwards starts at the last area, otherwise at the first.
    if (event->reason() == Qt::BacktabFocusReason)
        SetFocusArea(NextFocusArea(AreaCount(), false));
    else if (event->reason() == Qt::TabFocusReason || FFocusArea < 0)
        SetFocusArea(NextFocusArea(-1, true));
    TLumCustomImageList::focusInEvent(event);
    NotifyAccessibleFocusIn(*this, [this]() { return FFocusArea; });
}

bool TLumCustomImageMap::focusNextPrevChild(bool next)
{
    const int index = NextFocusArea(FFocusArea, next);
    if (index < 0)
        return TLumCustomImageList::focusNextPrevChild(next);
    SetFocusArea(index);
    return true;
}

void TLumCustomImageMap::keyPressEvent(QKeyEvent* event)
{
    if (!IsActivationKey(*event) || FFocusArea < 0 || FFocusArea >= AreaCount()
        || Area(FFocusArea).AreaState == arsDisabled) {
        TLumCustomImageList::keyPressEvent(event);
        return;
    }
    SetAreaState(FFocusArea, arsOn);
}
