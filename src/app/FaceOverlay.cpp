#include "app/FaceOverlay.h"

#include "app/CardOutline.h"
#include "controls/LumBitmap.h"

#include <QPainter>
#include <QThread>

#include <algorithm>

TFaceImage::TFaceImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TFaceImage::SetFrame(QImage frame)
{
    Current = std::move(frame);
    update();
}

void TFaceImage::paintEvent(QPaintEvent*)
{
    if (Current.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A face as large as its panel keeps the panel's rounded corners.
    const QRectF card = parentWidget() ? QRectF(-QPointF(pos()), QSizeF(parentWidget()->size())) : QRectF(rect());
    DrawCardPicture(painter, card, rect(), Current);
}

TFaceOverlay::TFaceOverlay(QWidget* parent) : QWidget(parent), Image(new TFaceImage(this))
{
    // Clicks on a face-up card reach the board below (where they are ignored)
    // rather than being swallowed by the panel.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Player.SetOnFrame([this](const TPixelBuffer& frame, int index) { OnFrame(frame, index); });
    hide();
}

void TFaceOverlay::paintEvent(QPaintEvent*)
{
    // A white card: the board under the panel shows at its corners.
    QPainter painter(this);
    FillCard(painter, rect(), Qt::white);
}

TFaceOverlay::~TFaceOverlay()
{
    Player.Stop();
}

void TFaceOverlay::HidePanel()
{
    hide();
    Player.Stop();
}

QSize TFaceOverlay::FittedImageSize(int pictureWidth, int pictureHeight, int panelWidth, int panelHeight)
{
    double width = pictureWidth;
    double height = pictureHeight;
    if (panelWidth > 0 && panelHeight > 0 && (panelWidth < width || height > panelHeight)) {
        const double byHeight = height / panelHeight;
        const double byWidth = width / panelWidth;
        const double f = byHeight >= byWidth ? byHeight : byWidth;
        width = RoundHalfEven(width / f);
        height = RoundHalfEven(height / f);
    }
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

void TFaceOverlay::LoadFace(TMemoryStream& face, int pixelsPerUnit)
{
    Player.Stop();
    ++Generation;
    Image->SetFrame({});
    hide();
    face.SetPosition(0);
    Picture.LoadFromStream(face);

    const int ratio = std::max(pixelsPerUnit, 1);
    const QSize size = FittedImageSize(Picture.Width() / ratio, Picture.Height() / ratio, width(), height());
    Image->setGeometry((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
    Player.SetContent(Picture, 0xFFFFFFFFu);
    show();
    raise();
    Player.Start();
}

void TFaceOverlay::OnFrame(const TPixelBuffer& frame, int)
{
    QImage copy = ToQImage(frame);
    // The first frame arrives inside Start() on this thread and is shown at
    // once; later ones come from the player's thread by the event queue.
    if (QThread::currentThread() == thread()) {
        Image->SetFrame(std::move(copy));
        return;
    }
    const std::uint32_t generation = Generation.load();
    QMetaObject::invokeMethod(this, [this, copy = std::move(copy), generation]() mutable {
        if (generation != Generation.load())
            return;
        Image->SetFrame(std::move(copy));
    }, Qt::QueuedConnection);
}
