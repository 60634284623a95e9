#include "ui/GameKeeper.h"

#include "opponents/Roster.h"
#include "rules/GameRecord.h"
#include "rules/WinningLine.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace wuzi {

namespace {

constexpr const char* kFileName = "unfinished-game.txt";
constexpr const char* kFirstLine = "wuzi unfinished game";
// A whole game is 225 moves of a few bytes; anything far larger is no saved game.
constexpr qint64 kLargestFile = 16 * 1024;

std::optional<int> numberIn(const QString& text, int low, int high) {
    bool ok = false;
    int n = text.toInt(&ok);
    if (!ok || n < low || n > high) return std::nullopt;
    return n;
}

std::optional<Cell> cellIn(const QString& text) {
    QStringList xy = text.split(',');
    if (xy.size() != 2) return std::nullopt;
    std::optional<int> x = numberIn(xy[0], 1, kBoardSize), y = numberIn(xy[1], 1, kBoardSize);
    if (!x || !y) return std::nullopt;
    return Cell{*x, *y};
}

// Moves a game can go on from: each on a cell of its own, no five among them, and a cell
// left to play. A finished game is none to carry on.
bool goesOn(const std::vector<Cell>& moves) {
    if (moves.size() >= static_cast<std::size_t>(kCellCount)) return false;
    ColourBoard board{};
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (at(board, moves[i]) != 0) return false;
        at(board, moves[i]) = isBlackMove(i) ? kBlackStone : kWhiteStone;
        if (!WinningLine(board, moves[i]).empty()) return false;
    }
    return true;
}

} // namespace

GameKeeper::GameKeeper(Session& session, MessageSink& boxes, QString directory)
    : session_(session), boxes_(boxes), directory_(std::move(directory)) {}

QString GameKeeper::path() const {
    return QDir(directory_).filePath(kFileName);
}

bool GameKeeper::mayLeaveGame(const QString& title, const QString& question) {
    if (!session_.view().gameRunning()) return true;
    return boxes_.confirm(title.toStdString(), question.toStdString());
}

void GameKeeper::keep() {
    const GameView& game = session_.view();
    if (!game.gameRunning()) {
        // A game this run kept has ended: there is nothing left to carry on.
        if (kept_) forget();
        return;
    }
    UnfinishedGame now{game.match(), game.moves()};
    if (now != kept_) save(now);
}

void GameKeeper::save(const UnfinishedGame& game) {
    QDir().mkpath(directory_);
    QSaveFile file(path());
    QByteArray text = TextOf(game).toUtf8();
    // Unbuffered, a write cut short says so at once; the earlier save then stays whole.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(text) == text.size() && file.commit())
        kept_ = game;
}

void GameKeeper::forget() {
    QFile::remove(path());
    kept_.reset();
}

std::optional<UnfinishedGame> GameKeeper::unfinished() const {
    QFile file(path());
    if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    return Read(QString::fromUtf8(file.readAll()));
}

bool GameKeeper::resume() {
    std::optional<UnfinishedGame> game = unfinished();
    if (!game || !session_.resume(game->moves, game->match)) return false;
    kept_ = game;
    return true;
}

QString GameKeeper::TextOf(const UnfinishedGame& game) {
    QStringList moves;
    for (Cell c : game.moves)
        moves << QString("%1,%2").arg(c.x).arg(c.y);
    return QString("%1\nopponent %2\ndifficulty %3\nplayer-first %4\ntwo-players %5\nmoves %6\n")
        .arg(kFirstLine)
        .arg(game.match.opponent)
        .arg(game.match.difficulty)
        .arg(game.match.playerFirst ? 1 : 0)
        .arg(game.match.mode == Mode::TwoPlayers ? 1 : 0)
        .arg(moves.join(' '));
}

std::optional<UnfinishedGame> GameKeeper::Read(const QString& text) {
    QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    if (lines.size() < 5 || lines[0] != kFirstLine) return std::nullopt;
    auto value = [&](int line, const char* key) {
        QString prefix = QString(key) + ' ';
        return lines[line].startsWith(prefix) ? lines[line].mid(prefix.size()) : QString();
    };
    std::optional<int> opponent = numberIn(value(1, "opponent"), 0, kOpponentCount - 1);
    std::optional<int> difficulty = numberIn(value(2, "difficulty"), 0, 2);
    std::optional<int> playerFirst = numberIn(value(3, "player-first"), 0, 1);
    std::optional<int> twoPlayers = numberIn(value(4, "two-players"), 0, 1);
    if (!opponent || !difficulty || !playerFirst || !twoPlayers) return std::nullopt;
    Mode mode = *twoPlayers == 1 ? Mode::TwoPlayers : Mode::VersusComputer;
    UnfinishedGame game{{*opponent, *playerFirst == 1, *difficulty, mode}, {}};
    if (lines.size() > 5) {
        if (!lines[5].startsWith("moves")) return std::nullopt;
        for (const QString& move : lines[5].mid(5).split(' ', Qt::SkipEmptyParts)) {
            std::optional<Cell> c = cellIn(move);
            if (!c) return std::nullopt;
            game.moves.push_back(*c);
        }
    }
    if (!goesOn(game.moves)) return std::nullopt;
    return game;
}

} // namespace wuzi
