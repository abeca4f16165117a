#pragma once
// A plain picture control (TImage): shows its picture at its own size and
// reports a left click. CopyRightImage and OptionsBg are of this kind.

#include <QImage>
#include <QWidget>

#include <functional>

class TImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit TImageWidget(QWidget* parent = nullptr);

    // Takes a copy and sizes the control to the picture.
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return Image; }

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage Image;
    bool Pressed = false;
};
