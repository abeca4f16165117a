#include "LumAccessible.h"

#include "LumImageCtrl.h"
#include "LumImageMap.h"

#include <QAccessibleWidget>
#include <QTimer>

// --- Parts of a widget -------------------------------------------------------------

bool TAccessibleItem::isValid() const
{
    return Owner && Index < PartCount();
}

QAccessibleInterface* TAccessibleItem::parent() const
{
    return Owner ? QAccessible::queryAccessibleInterface(Owner.data()) : nullptr;
}

QRect TAccessibleItem::rect() const
{
    if (!isValid())
        return {};
    const QRect local = PartRect();
    return QRect(Owner->mapToGlobal(local.topLeft()), local.size());
}

void* TAccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList TAccessibleItem::actionNames() const
{
    return {pressAction()};
}

void TAccessibleItem::doAction(const QString& actionName)
{
    if (actionName == pressAction() && isValid() && !state().disabled)
        Press();
}

TAccessibleItems::~TAccessibleItems()
{
    for (const QAccessible::Id id : Ids)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TAccessibleItems::Item(int index) const
{
    if (index < 0)
        return nullptr;
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= Ids.size())
        Ids.resize(slot + 1, 0);
    if (!Ids[slot])
        Ids[slot] = QAccessible::registerAccessibleInterface(Make(index));
    QAccessibleInterface* item = QAccessible::accessibleInterface(Ids[slot]);
    return item && item->isValid() ? item : nullptr;
}

int TAccessibleItems::IndexOf(const QAccessibleInterface* item) const
{
    for (std::size_t i = 0; i < Ids.size(); ++i)
        if (Ids[i] && QAccessible::accessibleInterface(Ids[i]) == item)
            return static_cast<int>(i);
    return -1;
}

void NotifyAccessibleName(QWidget& widget, int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(&widget, QAccessible::NameChanged);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleFocus(QWidget& widget, int index)
{
    if (!QAccessible::isActive() || !widget.hasFocus())
        return;
    QAccessibleEvent event(&widget, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleFocusIn(QWidget& widget, std::function<int()> currentPart)
{
    if (!QAccessible::isActive())
        return;
    // Qt tells of the widget itself after its focus-in handler has run.
    QTimer::singleShot(0, &widget, [&widget, currentPart = std::move(currentPart)]() {
        const int index = currentPart();
        if (index >= 0)
            NotifyAccessibleFocus(widget, index);
    });
}

void NotifyAccessibleValue(QWidget& widget, int value)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(&widget, value);
    QAccessible::updateAccessibility(&event);
}

namespace {

// --- Image map: a group of buttons ---------------------------------------------------

class TAreaAccessible : public TAccessibleItem {
public:
    using TAccessibleItem::TAccessibleItem;

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? Map().Area(Index).AreaHint : QString();
    }
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override
    {
        QAccessible::State result;
        if (!isValid())
            return result;
        const TLumCustomImageMap& map = Map();
        result.disabled = map.Area(Index).AreaState == arsDisabled;
        result.invisible = !map.isVisible() || map.Area(Index).AreaRect.IsEmpty();
        result.focusable = !result.disabled;
        result.focused = map.hasFocus() && map.FocusArea() == Index;
        return result;
    }

protected:
    int PartCount() const override { return Map().AreaCount(); }
    QRect PartRect() const override { return Map().Area(Index).AreaRect.ToQRect(); }
    void Press() override { Map().SetAreaState(Index, arsOn); }

private:
    TLumCustomImageMap& Map() const { return static_cast<TLumCustomImageMap&>(*Owner); }
};

class TImageMapAccessible : public QAccessibleWidget {
public:
    explicit TImageMapAccessible(TLumCustomImageMap* map)
        : QAccessibleWidget(map, QAccessible::Grouping),
          Areas([map](int index) { return new TAreaAccessible(map, index); })
    {
    }

    int childCount() const override { return Map().AreaCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return index < childCount() ? Areas.Item(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* item) const override { return Areas.IndexOf(item); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = Map().mapFromGlobal(QPoint(x, y));
        return child(Map().AreaAt(local.x(), local.y()));
    }
    QAccessibleInterface* focusChild() const override
    {
        return Map().hasFocus() ? child(Map().FocusArea()) : nullptr;
    }

private:
    const TLumCustomImageMap& Map() const { return static_cast<const TLumCustomImageMap&>(*widget()); }

    TAccessibleItems Areas;
};

// --- Slider ------------------------------------------------------------------------------

class TSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TSliderAccessible(TLumImageSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(Slider().Position());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return Slider().Position(); }
    void setCurrentValue(const QVariant& value) override { Slider().SetPosition(value.toInt()); }
    QVariant maximumValue() const override { return Slider().Max(); }
    QVariant minimumValue() const override { return Slider().Min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TLumImageSlider& Slider() const { return static_cast<TLumImageSlider&>(*widget()); }
};

QAccessibleInterface* ControlAccessible(const QString&, QObject* object)
{
    if (auto* map = qobject_cast<TLumCustomImageMap*>(object))
        return new TImageMapAccessible(map);
    if (auto* slider = qobject_cast<TLumImageSlider*>(object))
        return new TSliderAccessible(slider);
    return nullptr;
}

} // namespace

void InstallControlAccessibility()
{
    static const bool installed = (QAccessible::installFactory(ControlAccessible), true);
    (void)installed;
}
