#pragma once
// Pictures and mouse events for the controls' tests.

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

inline QImage Solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Every pixel distinct within a picture and between seeds: catches a copy
// taken from the wrong place.
inline QImage Pattern(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(seed * 37 % 256, x * 5 % 256, y * 7 % 256));
    return image;
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void Press(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonPress, p, b, b);
}
inline void Release(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
}
inline void Move(QWidget* w, QPoint p, Qt::MouseButtons held = Qt::NoButton)
{
    SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, held);
}

inline QImage Grab(QWidget& widget, const QRect& rect = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    return widget.grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
}
