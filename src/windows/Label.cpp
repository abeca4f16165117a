#include "windows/Label.h"

#include "windows/TextFit.h"

#include "controls/LumFocus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    RepaintOnKeyboardUse(*this);
}

void TLabel::SetFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLabel::SetTextWithin(const QString& text, int maxWidth)
{
    setText(ElideName(text, font(), maxWidth));
    adjustSize();
}

void TLabel::SetTabStop(bool value)
{
    setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
    // Room for the frame around the text.
    const int margin = value ? FocusFrameWidth + 2 : 0;
    setContentsMargins(margin, margin, margin, margin);
    adjustSize();
}

void TLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (FocusFrameVisible(*this)) {
        QPainter painter(this);
        DrawFocusFrame(painter, rect());
    }
}

void TLabel::keyPressEvent(QKeyEvent* event)
{
    if (!IsActivationKey(*event) || !OnClick) {
        QLabel::keyPressEvent(event);
        return;
    }
    OnClick(this);
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
