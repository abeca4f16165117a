#include "app/Sounds.h"

#include <QSoundEffect>
#include <QUrl>

#include <filesystem>


TSounds::TSounds(QObject* parent) : QObject(parent) {}

TSounds::~TSounds() = default;

void TSounds::Open(const std::string& folder)
{
    SoundAvailable = false;
    const std::string good = folder + "good.wav";
    const std::string bad = folder + "bad.wav";
    std::error_code error;
    if (!std::filesystem::is_regular_file(good, error) || !std::filesystem::is_regular_file(bad, error))
        return;
    MediaPlayer1 = new QSoundEffect(this);
    MediaPlayer2 = new QSoundEffect(this);
    // The files decode in the background so that start-up never waits for
    // them; one that turns out unloadable silences both.
    for (QSoundEffect* effect : {MediaPlayer1, MediaPlayer2})
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect]() {
            if (effect->status() == QSoundEffect::Error)
                SoundAvailable = false;
        });
    MediaPlayer1->setSource(QUrl::fromLocalFile(QString::fromStdString(good)));
    MediaPlayer2->setSource(QUrl::fromLocalFile(QString::fromStdString(bad)));
    SoundAvailable = MediaPlayer1->status() != QSoundEffect::Error
        && MediaPlayer2->status() != QSoundEffect::Error;
}

void TSounds::PlayGood()
{
    if (SoundAvailable)
        Play(MediaPlayer1);
}

void TSounds::PlayBad()
{
    if (SoundAvailable)
        Play(MediaPlayer2);
}

void TSounds::Play(QSoundEffect* effect)
{
    // Restarts a sound that still plays instead of letting it run on.
    effect->stop();
    effect->play();
}
