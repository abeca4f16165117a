#pragma once
// Panel1/Img1 and Panel2/Img2: a white panel of one cell's size, shaped as a
// card, laid over a face-up card, holding an image that plays the card's GIF
// face. The frames are composed on the player's thread and posted to the UI
// thread; a frame of an earlier face that arrives late is dropped.

#include "resources/GifImage.h"
#include "resources/GifPlayer.h"
#include "resources/Stream.h"

#include <QImage>
#include <QWidget>

#include <atomic>
#include <cstdint>

// The image control: draws its current frame stretched to its own bounds,
// inside the card outline of its panel.
class TFaceImage : public QWidget {
    Q_OBJECT
public:
    explicit TFaceImage(QWidget* parent = nullptr);
    void SetFrame(QImage frame);
    const QImage& Frame() const { return Current; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Current;
};

class TFaceOverlay : public QWidget {
    Q_OBJECT
public:
    explicit TFaceOverlay(QWidget* parent = nullptr);
    ~TFaceOverlay() override;

    // Decodes the face from the start of the stream, sizes and centres the
    // image inside the panel (never enlarged, scaled down keeping its aspect)
    // and starts playing it. A face drawn at pixelsPerUnit pixels per unit
    // takes the place its size in units gives, and shows all its pixels on a
    // screen that dense. Throws EResourceError when the face cannot be
    // decoded; the panel is then left hidden and empty.
    void LoadFace(TMemoryStream& face, int pixelsPerUnit = 1);
    // Hides the panel. Its animation stops too: nobody can see it, and the
    // next face shown here starts a play of its own anyway.
    void HidePanel();

    TFaceImage* Img() const { return Image; }

    // The image's size for a picture in a panel: the picture's own size, or
    // scaled down by the larger of the two ratios when it does not fit.
    static QSize FittedImageSize(int pictureWidth, int pictureHeight, int panelWidth, int panelHeight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnFrame(const TPixelBuffer& frame, int index);

    TFaceImage* Image = nullptr;
    TGIFImage Picture;
    TGifPlayer Player;
    // Bumped at every load; frames posted by an earlier play carry an older value.
    std::atomic<std::uint32_t> Generation {0};
};
