// The controls gallery: one window showing each skinned control, with the
// default skin's pictures when kobalind.dat is found and pictures drawn here
// otherwise. Not installed; it is what one looks at (or screenshots) to see
// the controls as a user would.
//
//   gallery [--skin FILE] [--screenshot FILE.png]

#include "controls/LumBitmap.h"
#include "controls/LumImageCtrl.h"
#include "controls/LumImageMap.h"

#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

// Drawn stand-ins for the skin.
QImage Filled(int w, int h, QColor colour, QColor border)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    QPainter p(&image);
    p.setPen(border);
    p.drawRect(0, 0, w - 1, h - 1);
    return image;
}

QImage CentreTile()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(40, 70, 110));
    QPainter p(&image);
    p.fillRect(0, 0, 8, 8, QColor(50, 84, 130));
    p.fillRect(8, 8, 8, 8, QColor(50, 84, 130));
    return image;
}

QImage ButtonFrame(int frame)
{
    static const QColor colours[5] = {QColor(90, 90, 100), QColor(40, 150, 60), QColor(70, 110, 200),
                                      QColor(60, 60, 60), QColor(200, 90, 40)};
    static const char* names[5] = {"OFF", "ON", "OVER", "DISABLED", "CLICKED"};
    QImage image(300, 60, QImage::Format_ARGB32);
    image.fill(QColor(30, 30, 36));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const QRect button(10 + i * 95, 10, 85, 40);
        p.setBrush(colours[frame]);
        p.setPen(QPen(Qt::white, 1));
        p.drawRoundedRect(button, 8, 8);
        p.drawText(button, Qt::AlignCenter, QString("%1\n%2").arg(i + 1).arg(names[frame]));
    }
    return image;
}

QImage SliderTrack()
{
    QImage image(177, 18, QImage::Format_ARGB32);
    image.fill(QColor(30, 30, 36));
    QPainter p(&image);
    p.fillRect(5, 8, 167, 3, QColor(160, 160, 170));
    for (int i = 0; i <= 10; ++i)
        p.fillRect(5 + i * 167 / 10, 13, 1, 4, QColor(160, 160, 170));
    return image;
}

// A picture from the skin archive, none when it cannot be read.
std::optional<TBitmap> SkinPicture(TLumResReader& skin, int entry)
{
    try {
        TMemoryStream stream;
        skin.LoadEntry(entry, stream);
        TBitmap bitmap;
        bitmap.LoadFromStream(stream);
        return bitmap;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

class TGallery : public QWidget {
public:
    explicit TGallery(TLumResReader* skin)
    {
        setWindowFlag(Qt::FramelessWindowHint);
        resize(640, 460);

        Background = new TLumImageBevel(this);
        Popup = new TLumImageBevel(this);
        Popup->SetStretch(false);
        Buttons = new TLumImageMap(this);
        Slider = new TLumImageSlider(this);
        Fitted = new QLabel(this);
        Status = new QLabel("Drag the background to move the window", this);
        Status->setStyleSheet("color: white");
        Status->setGeometry(40, 60, 560, 20);

        const bool fromSkin = skin && LoadSkin(*skin);
        if (!fromSkin)
            LoadDrawn();
        Slider->SetStartPos(5);
        Slider->move(40, 190);
        Slider->SetCursor(crHandPoint);
        Buttons->move(40, 100);
        Popup->setGeometry(330, 180, 270, 200);

        TLumBitmap fitted;
        const QImage big = ButtonFrame(2);
        fitted.DrawFitted(&big, 120, 120);
        Fitted->setPixmap(QPixmap::fromImage(fitted.Image));
        Fitted->setGeometry(40, 240, 120, 120);

        Buttons->SetMapCursor(crDefault);
        for (int i = 0; i < 3; ++i)
            Buttons->AddArea(QString("button %1").arg(i + 1), {10 + i * 95, 10, 95 + i * 95, 50}, crHandPoint,
                             QString("Button %1").arg(i + 1));
        Buttons->OnMapClick = [this](QObject*, const QString& name) { Status->setText("OnMapClick: " + name); };
        Slider->OnChange = [this](QObject*) { Status->setText(QString("Position %1").arg(Slider->Position())); };
        Surfaces.insert(Surfaces.end(), {Background, Popup, Buttons});
        for (TLumCustomImageList* surface : Surfaces) {
            surface->OnMouseDown = [this](QWidget*, QMouseEvent* e) { DragFrom = e->globalPosition().toPoint() - pos(); };
            surface->OnMouseMove = [this](QWidget*, QMouseEvent* e) {
                if (DragFrom)
                    move(e->globalPosition().toPoint() - *DragFrom);
            };
            surface->OnMouseUp = [this](QWidget*, QMouseEvent*) { DragFrom.reset(); };
        }
        Status->raise();
    }

protected:
    void resizeEvent(QResizeEvent*) override { Background->setGeometry(rect()); }

private:
    bool LoadSkin(TLumResReader& skin)
    {
        for (int entry = 2; entry <= 10; ++entry) {
            const auto picture = SkinPicture(skin, entry);
            if (!picture)
                return false;
            Background->AddImage(*picture);
        }
        for (int entry : {19, 20, 21})
            if (const auto picture = SkinPicture(skin, entry))
                PopupPictures.push_back(*picture);
        if (PopupPictures.size() != 3)
            return false;
        const auto centre = SkinPicture(skin, 10);
        const auto track = SkinPicture(skin, 12);
        const auto thumb = SkinPicture(skin, 13);
        if (!centre || !track || !thumb)
            return false;
        for (int slot = 0; slot < 9; ++slot) {
            if (slot >= 3 && slot <= 5)
                Popup->AddImage(PopupPictures[static_cast<std::size_t>(slot - 3)]);
            else if (slot == 8)
                Popup->AddImage(*centre);
            else
                Popup->AddImage(QImage());
        }
        Slider->AddImage(*track);
        Slider->AddImage(*thumb);
        AddButtonFrames();
        if (const auto bar = SkinPicture(skin, 11))
            AddButtonBar(*bar);
        return true;
    }

    void LoadDrawn()
    {
        const QColor corner(200, 170, 60), edge(120, 100, 40), line(240, 220, 120);
        for (int slot = 0; slot < 8; ++slot) {
            const bool isCorner = slot == 0 || slot == 2 || slot == 5 || slot == 7;
            const bool horizontal = slot == 1 || slot == 6;
            Background->AddImage(isCorner     ? Filled(24, 24, corner, line)
                                 : horizontal ? Filled(8, 12, edge, line)
                                              : Filled(12, 8, edge, line));
        }
        Background->AddImage(CentreTile());
        for (int slot = 0; slot < 9; ++slot)
            Popup->AddImage(slot == 3 || slot == 4 ? Filled(10, 30, edge, line)
                            : slot == 5            ? Filled(40, 40, corner, line)
                            : slot == 8            ? CentreTile().mirrored(true, false)
                                                   : QImage());
        Slider->AddImage(SliderTrack());
        Slider->AddImage(Filled(9, 18, QColor(220, 220, 230), QColor(90, 90, 100)));
        AddButtonFrames();
    }

    // The main window's bottom button bar, one frame, its four areas.
    void AddButtonBar(const TBitmap& picture)
    {
        auto* bar = new TLumImageMap(this);
        bar->AddImage(picture);
        bar->move((width() - bar->width()) / 2, height() - bar->height());
        bar->SetMapCursor(crDefault);
        const struct {
            const char* Name;
            TRect Rect;
            const char* Hint;
        } areas[] = {{"exit", {8, 32, 65, 60}, "Exit"},
                     {"play", {392, 32, 457, 60}, "Play"},
                     {"reg", {7, 8, 67, 24}, "About"},
                     {"options", {398, 8, 458, 24}, "Options"}};
        for (const auto& area : areas)
            bar->AddArea(area.Name, area.Rect, crHandPoint, area.Hint);
        bar->OnMapClick = [this](QObject*, const QString& name) { Status->setText("Button bar: " + name); };
        Surfaces.push_back(bar);
    }

    void AddButtonFrames()
    {
        for (int frame = 0; frame < 5; ++frame)
            Buttons->AddImage(ButtonFrame(frame));
    }

    TLumImageBevel* Background;
    TLumImageBevel* Popup;
    TLumImageMap* Buttons;
    TLumImageSlider* Slider;
    QLabel* Fitted;
    QLabel* Status;
    std::vector<TBitmap> PopupPictures;
    std::vector<TLumCustomImageList*> Surfaces; // the window is dragged by these
    std::optional<QPoint> DragFrom;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({"skin", "Skin archive to take the pictures from.", "file", KOBALIND_DEFAULT_SKIN});
    options.addOption({"screenshot", "Save the window as a PNG file and quit.", "file"});
    options.process(app);

    std::unique_ptr<TLumResFileReader> skin;
    if (QFileInfo::exists(options.value("skin"))) {
        try {
            skin = std::make_unique<TLumResFileReader>(options.value("skin").toStdString());
        } catch (const std::exception&) {
            skin.reset(); // drawn pictures instead
        }
    }
    TGallery gallery(skin.get());
    skin.reset(); // as in the program, nothing reads the skin after the controls are filled
    gallery.show();
    if (options.isSet("screenshot")) {
        const QString file = options.value("screenshot");
        QTimer::singleShot(200, &gallery, [&gallery, file] {
            gallery.grab().save(file);
            QApplication::quit();
        });
    }
    return app.exec();
}
