#include "app/ImageWidget.h"

#include <QMouseEvent>
#include <QPainter>

TImageWidget::TImageWidget(QWidget* parent) : QWidget(parent) {}

void TImageWidget::SetPicture(const QImage& picture)
{
    Image = picture;
    resize(Image.size());
    update();
}

void TImageWidget::paintEvent(QPaintEvent*)
{
    if (Image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, Image);
}

void TImageWidget::mousePressEvent(QMouseEvent* event)
{
    Pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    Pressed = false;
    if (click && OnClick)
        OnClick();
}
