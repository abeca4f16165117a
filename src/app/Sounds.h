#pragma once
// The two sounds of a turn: "good.wav" for a found pair, "bad.wav" for a
// miss. Playing never blocks and always starts the sound from its beginning,
// also while the last play still sounds. Without an audio device the plays
// are silent; nothing else changes.

#include <QObject>

#include <memory>
#include <string>

class QSoundEffect;

class TSounds : public QObject {
    Q_OBJECT
public:
    explicit TSounds(QObject* parent = nullptr);
    ~TSounds() override;

    // Opens both files of the folder (which ends with a path delimiter).
    // Available() is true only when both exist and both load; a missing file
    // makes it false at once, an undecodable one as soon as its background
    // load fails. While it is false no sound is played.
    void Open(const std::string& folder);

    bool Available() const { return SoundAvailable; }

    void PlayGood();
    void PlayBad();

private:
    static void Play(QSoundEffect* effect);

    QSoundEffect* MediaPlayer1 = nullptr;
    QSoundEffect* MediaPlayer2 = nullptr;
    bool SoundAvailable = false;
};
