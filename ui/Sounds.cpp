#include "Sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "GameSession.h"
#include "SessionSignals.h"

namespace game = ostrand::game;

namespace {

// The files of the sounds, in the order of sounds::Sound.
constexpr const char* Files[] = {"move", "capture", "check", "end", "tick"};

// Where no sound device is, the audio system says so among the program's messages; that is
// no fault of the program, and the player is told nothing.
bool HasSoundDevice() {
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(before);
    return found;
}

}  // namespace

Sounds::Sounds(const game::GameSession& session, SessionSignals& reports, QObject* parent)
    : QObject(parent), session_(session) {
    Q_INIT_RESOURCE(sounds);
    connect(&reports, &SessionSignals::gameChanged, this,
            [this] { Play(cues_.MovesListed(session_.Moves())); });
    connect(&reports, &SessionSignals::gameEnded, this, [this] { Play(sounds::Sound::End); });
    connect(&reports, &SessionSignals::clocksChanged, this, [this] {
        const bool running = session_.ClockRunning() == game::Side::Player;
        Play(cues_.PlayerClock(running ? std::optional(session_.Remaining(game::Side::Player))
                                       : std::nullopt));
    });
}

void Sounds::Play(std::optional<sounds::Sound> sound) {
    if (!sound || !on_) return;
    emit Cued(*sound);
    if (Ready()) effects_[static_cast<size_t>(*sound)]->play();
}

bool Sounds::Ready() {
    if (!device_) {
        device_ = HasSoundDevice();
        if (!*device_) return false;
        for (size_t i = 0; i < effects_.size(); ++i) {
            effects_[i] = new QSoundEffect(this);
            effects_[i]->setSource(QUrl(QString("qrc:/sounds/%1.wav").arg(Files[i])));
        }
    }
    return *device_;
}
