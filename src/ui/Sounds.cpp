#include "ui/Sounds.h"

#include "session/Session.h"
#include "ui/Actions.h"
#include "ui/SessionBridge.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QWidget>

#include <array>
#include <optional>

namespace wuzi {

namespace {

// The tune for a game that ended as the view says: a win for the player, or for either
// side in a game of two; none for a game the player ended.
std::optional<Sounds::Cue> EndingCue(Outcome outcome) {
    switch (outcome) {
    case Outcome::PlayerWon:
    case Outcome::BlackWon:
    case Outcome::WhiteWon:
        return Sounds::Cue::Won;
    case Outcome::ComputerWon:
        return Sounds::Cue::Lost;
    case Outcome::Draw:
        return Sounds::Cue::Drawn;
    case Outcome::None:
    case Outcome::Ended:
        break;
    }
    return std::nullopt;
}

// Qt's messages dropped while it lives. Qt's sound service, started on a machine with no
// sound server, warns of it (and of the missing XDG_RUNTIME_DIR such machines have); a
// game without sound is no fault worth a word.
class QuietMessages {
  public:
    QuietMessages()
        : previous_(
              qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})) {
    }
    ~QuietMessages() { qInstallMessageHandler(previous_); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

  private:
    QtMessageHandler previous_;
};

bool HasOutput() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

} // namespace

// The sounds, built into the program (assets/sounds, made by tools/soundgen), on the
// machine's default output; none where it has no output.
class Speaker {
  public:
    Speaker() {
        QuietMessages quiet;
        if (!HasOutput()) return;
        const char* const files[] = {"stone.wav", "won.wav", "lost.wav", "drawn.wav"};
        for (std::size_t k = 0; k < effects_.size(); ++k) {
            effects_[k] = std::make_unique<QSoundEffect>();
            effects_[k]->setSource(QUrl(QString("qrc:/sounds/") + files[k]));
        }
    }

    void play(Sounds::Cue cue) {
        auto& effect = effects_[static_cast<std::size_t>(cue)];
        // An output that went away since is not asked to play (Qt would warn).
        if (effect && HasOutput()) effect->play();
    }

  private:
    std::array<std::unique_ptr<QSoundEffect>, 4> effects_;
};

Sounds::Sounds(const Session& session, SessionBridge& events, QWidget* window)
    : QObject(window), session_(session),
      action_(MakeAction(this, "sound", QT_TRANSLATE_NOOP("Menu", "声音(&S)"))) {
    action_->setCheckable(true);
    action_->setChecked(true);
    connect(&events, &SessionBridge::stoneAdded, this, [this] { play(Cue::Stone); });
    connect(&events, &SessionBridge::gameEnded, this, [this] {
        if (std::optional<Cue> cue = EndingCue(session_.view().outcome())) play(*cue);
    });
}

Sounds::~Sounds() = default;

bool Sounds::on() const {
    return action_->isChecked();
}

void Sounds::setOn(bool on) {
    action_->setChecked(on);
}

void Sounds::play(Cue cue) {
    if (!on()) return;
    if (!speaker_) speaker_ = std::make_unique<Speaker>();
    speaker_->play(cue);
    emit played(cue);
}

} // namespace wuzi
