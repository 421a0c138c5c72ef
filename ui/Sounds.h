// The window's sounds: a move, a capture, a check, the end of a game and the player's last
// ten seconds on the clock, as the game session reports them. Silent where there is no sound
// device, without a word.
#pragma once

#include <QObject>
#include <array>
#include <optional>

#include "SoundCues.h"

class QSoundEffect;
class SessionSignals;

namespace ostrand::game {
class GameSession;
}

class Sounds : public QObject {
    Q_OBJECT

  public:
    Sounds(const ostrand::game::GameSession& session, SessionSignals& reports, QObject* parent);

    // Off, the cues are still followed, so that turning the sounds on plays no stale one.
    void SetOn(bool on) { on_ = on; }
    bool On() const { return on_; }

  signals:
    // A sound is due while they are on, heard or not.
    void Cued(sounds::Sound sound);

  private:
    void Play(std::optional<sounds::Sound> sound);
    // Makes the effects, once, when a sound device is there.
    bool Ready();

    const ostrand::game::GameSession& session_;
    sounds::Cues cues_;
    bool on_ = true;
    // Looked for at the first sound.
    std::optional<bool> device_;
    std::array<QSoundEffect*, 5> effects_{};
};
