#include "windows/Image.h"

#include "controls/LumBitmap.h"
#include "controls/LumFocus.h"
#include "controls/LumSharpSkin.h"
#include "resources/Bitmap.h"

#include <QAccessibleWidget>
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
    FSharp = TSharpPicture();
    if (!FStretch)
        resize(FPicture.size());
    update();
}

void TImage::SetSharpPicture(const TSharpPicture& sharp)
{
    FSharp = sharp;
    update();
}

void TImage::LoadSkinEntry(TStream& stream, std::int32_t entry)
{
    LoadFromStream(stream);
    SetSharpPicture(SharpSkinPicture(entry, FPicture.size()));
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
    // A picture without a sharp version is blown up smoothly on a dense screen.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() > 1);
    if (FStretch)
        painter.drawImage(rect(), FPicture);
    else if (devicePixelRatioF() >= 1.5 && FSharp.Image().size() == FPicture.size() * 2)
        painter.drawImage(0, 0, FSharp.Image());
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

namespace {

// A picture that answers clicks is a button to a screen reader, named by its
// accessible name or else its hint; any other is a graphic.
class TImageAccessible : public QAccessibleWidget {
public:
    explicit TImageAccessible(TImage* image) : QAccessibleWidget(image) {}

    QAccessible::Role role() const override
    {
        return Image().OnClick ? QAccessible::Button : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Image().Hint();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (Image().OnClick)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && Image().OnClick && Image().isEnabled())
            Image().OnClick(&Image());
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    TImage& Image() const { return static_cast<TImage&>(*widget()); }
};

QAccessibleInterface* ImageAccessible(const QString&, QObject* object)
{
    if (auto* image = qobject_cast<TImage*>(object))
        return new TImageAccessible(image);
    return nullptr;
}

} // namespace

void InstallImageAccessibility()
{
    static const bool installed = (QAccessible::installFactory(ImageAccessible), true);
    (void)installed;
}
