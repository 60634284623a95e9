#pragma once

#include <QObject>

#include <memory>

class QAction;
class QWidget;

namespace wuzi {

class Session;
class SessionBridge;
class Speaker;

// The game's sounds, switched with 选项 → 声音: a soft knock for each stone that reaches
// the main board, and a short tune when a game ends in a five or a draw (a game the
// player ends is left silent). The output is opened at the first sound; a machine with no
// sound device plays nothing and says nothing of it.
class Sounds : public QObject {
    Q_OBJECT
  public:
    enum class Cue { Stone, Won, Lost, Drawn };
    Q_ENUM(Cue)

    Sounds(const Session& session, SessionBridge& events, QWidget* window);
    ~Sounds() override;

    QAction* action() const { return action_; }
    bool on() const;
    void setOn(bool on);

  signals:
    // A sound was played, whether or not the machine can be heard.
    void played(Sounds::Cue cue);

  private:
    void play(Cue cue);

    const Session& session_;
    QAction* action_;
    std::unique_ptr<Speaker> speaker_;
};

} // namespace wuzi
