#include "LumFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

TKeyboardUse& TKeyboardUse::Instance()
{
    // Parented to the application, which frees it.
    static TKeyboardUse* instance = new TKeyboardUse;
    return *instance;
}

TKeyboardUse::TKeyboardUse() : QObject(QCoreApplication::instance())
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool TKeyboardUse::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        Set(true);
    else if (event->type() == QEvent::MouseButtonPress)
        Set(false);
    return false;
}

void TKeyboardUse::Set(bool active)
{
    if (active == FActive)
        return;
    FActive = active;
    emit Changed(active);
}

bool FocusFrameVisible(const QWidget& widget)
{
    return widget.hasFocus() && TKeyboardUse::Instance().Active();
}

void RepaintOnKeyboardUse(QWidget& widget)
{
    QObject::connect(&TKeyboardUse::Instance(), &TKeyboardUse::Changed, &widget,
                     [&widget]() {
                         if (widget.hasFocus())
                             widget.update();
                     });
}

void DrawFocusFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    const QRect outer = rect.adjusted(0, 0, -1, -1);
    for (int i = 0; i < FocusFrameWidth; ++i) {
        painter.setPen(FocusColour);
        painter.drawRect(outer.adjusted(i, i, -i, -i));
    }
    painter.setPen(QColor(0x0a, 0x0f, 0x22));
    painter.drawRect(outer.adjusted(FocusFrameWidth, FocusFrameWidth, -FocusFrameWidth, -FocusFrameWidth));
    painter.restore();
}

bool IsActivationKey(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const int key = event.key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}
