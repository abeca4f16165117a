#include "windows/Image.h"

#include "controls/LumBitmap.h"
#include "controls/LumFocus.h"
#include "resources/Bitmap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    RepaintOnKeyboardUse(*this);
}

void TImage::LoadFromStream(TStream& stream)
{
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    SetPicture(bitmap);
}

void TImage::SetPicture(const TGraphic& graphic)
{
    SetPicture(ToQImage(graphic.Pixels()));
}

void TImage::SetPicture(const QImage& picture)
{
    FPicture = picture.copy();
    if (!FStretch)
        resize(FPicture.size());
    update();
}

void TImage::SetStretch(bool value)
{
    FStretch = value;
    update();
}

void TImage::SetTabStop(bool value)
{
    // Tab only: a click must not move the focus, so the mouse path stays as it was.
    setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FStretch)
        painter.drawImage(rect(), FPicture);
    else if (!FPicture.isNull())
        painter.drawImage(0, 0, FPicture);
    if (FocusFrameVisible(*this))
        DrawFocusFrame(painter, rect());
}

void TImage::keyPressEvent(QKeyEvent* event)
{
    if (!IsActivationKey(*event) || !OnClick) {
        QWidget::keyPressEvent(event);
        return;
    }
    OnClick(this);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    Click.Press(*event);
    if (OnMouseDown)
        OnMouseDown(this, event);
    event->accept();
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(this, event);
    event->accept();
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = Click.Release(*this, *event);
    if (OnMouseUp)
        OnMouseUp(this, event);
    event->accept();
    if (click && OnClick)
        OnClick(this);
}
