#pragma once
// Tells a screen reader what happens away from the keyboard focus. Qt 6.4
// has no announcement event, and Orca speaks a changed name only of the
// object it stands on; what it speaks wherever it happens is a notification
// coming into view. So each announcement is a new notification object, named
// by its text, shown in the window without size, focus or clicks; being new,
// no reader holds an older name of it. It goes away after a while.

#include <QString>
#include <QStringList>
#include <QWidget>

// One announcement; a class of its own so that Accessibility.cpp can give it
// the notification role.
class TAnnouncement : public QWidget {
    Q_OBJECT
public:
    TAnnouncement(const QString& text, QWidget* window);
};

class TAnnouncer {
public:
    // The announcements appear in window, which outlives the announcer.
    explicit TAnnouncer(QWidget& window) : Window(window) {}

    // Adds a sentence to what is announced once the event being handled is
    // done, so what one event brings about is told at once.
    void Say(const QString& sentence);
    // The last announcement (also while no reader listens), empty before the first.
    const QString& Last() const { return LastText; }

private:
    void Publish();

    QWidget& Window;
    QStringList Pending;
    QString LastText;
};
