#pragma once
// Keyboard focus as the skinned controls show it. The skin has no focus look
// of its own, so a focused control draws a frame in the skin's highlight
// colour around the part that has the focus, and only while the keyboard is
// in use: from a key press until the next mouse press. A mouse player thus
// sees the skin exactly as it was drawn.

#include <QColor>
#include <QObject>

class QKeyEvent;
class QPainter;
class QRect;
class QWidget;

// The gold of the skin's titles.
inline const QColor FocusColour {0xf5, 0xc0, 0x4a};
constexpr int FocusFrameWidth = 2;

// Follows the application's key and mouse presses. Created on first use;
// lives as long as the application.
class TKeyboardUse : public QObject {
    Q_OBJECT
public:
    static TKeyboardUse& Instance();
    bool Active() const { return FActive; }

signals:
    // The focus frames appear (true) or go (false).
    void Changed(bool active);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TKeyboardUse();
    void Set(bool active);

    bool FActive = false;
};

// The widget has the focus and the keyboard is in use.
bool FocusFrameVisible(const QWidget& widget);
// Repaints the widget whenever the frames appear or go.
void RepaintOnKeyboardUse(QWidget& widget);
// A frame of FocusFrameWidth pixels in FocusColour just inside rect, with a
// dark line inside it so it shows on light and dark pictures alike.
void DrawFocusFrame(QPainter& painter, const QRect& rect);
// Enter, Return or Space without Ctrl or Alt: what presses a focused button.
bool IsActivationKey(const QKeyEvent& event);
