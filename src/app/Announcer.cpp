#include "app/Announcer.h"

#include <QAccessible>
#include <QTimer>

namespace {

// Long enough for a reader that heard of one to ask for its name.
constexpr int AnnouncementLifeMs = 10000;

} // namespace

TAnnouncement::TAnnouncement(const QString& text, QWidget* window) : QWidget(window)
{
    setAccessibleName(text);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    QTimer::singleShot(AnnouncementLifeMs, this, &QObject::deleteLater);
}

void TAnnouncer::Say(const QString& sentence)
{
    if (Pending.isEmpty())
        QTimer::singleShot(0, &Window, [this]() { Publish(); });
    Pending.append(sentence);
}

void TAnnouncer::Publish()
{
    LastText = Pending.join(QStringLiteral(". "));
    Pending.clear();
    // Showing it is what the reader hears of; with no reader nothing is made.
    if (QAccessible::isActive())
        (new TAnnouncement(LastText, &Window))->show();
}
