#include "windows/Image.h"

#include "controls/LumBitmap.h"
#include "resources/Bitmap.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
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

void TImage::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    if (FStretch)
        painter.drawImage(rect(), FPicture);
    else
        painter.drawImage(0, 0, FPicture);
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
