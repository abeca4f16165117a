#include "windows/Label.h"

#include "windows/TextFit.h"

#include <QMouseEvent>

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void TLabel::SetFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLabel::SetTextWithin(const QString& text, int maxWidth)
{
    setText(ElideToWidth(text, font(), maxWidth));
    adjustSize();
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    Click.Press(*event);
    if (HasHooks()) {
        if (OnMouseDown)
            OnMouseDown(this, event);
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
    event->accept(); // keep the mouse, so the release comes back here
}

void TLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (HasHooks()) {
        if (OnMouseMove)
            OnMouseMove(this, event);
        event->accept();
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = Click.Release(*this, *event);
    if (HasHooks()) {
        if (OnMouseUp)
            OnMouseUp(this, event);
        event->accept();
    } else {
        QLabel::mouseReleaseEvent(event);
    }
    if (click && OnClick)
        OnClick(this);
}
