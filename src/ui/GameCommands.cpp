#include "ui/GameCommands.h"

#include "rules/Psq.h"
#include "ui/Actions.h"
#include "ui/SessionBridge.h"
#include "ui/ViewMenu.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QSaveFile>
#include <QStatusBar>

namespace wuzi {

namespace {

QString openTitle() {
    return GameCommands::tr("打开棋谱");
}
QString saveTitle() {
    return GameCommands::tr("保存棋谱");
}
QString recordFilter() {
    return GameCommands::tr("五子棋棋谱 (*.psq);;所有文件 (*)");
}
// A record of 225 moves is a few kilobytes; anything far larger is no record.
constexpr qint64 kLargestRecord = 64 * 1024;
// Qt's own dialog, whose texts follow the language chosen; a desktop's dialog would speak
// the desktop's.
constexpr QFileDialog::Options kDialogOptions = QFileDialog::DontUseNativeDialog;
// How long the status bar says that a record was saved.
constexpr int kConfirmationMs = 5000;

} // namespace

GameCommands::GameCommands(Session& session, ViewMenu* view, SessionBridge& events,
                           QMainWindow* window)
    : QObject(window), session_(session), view_(view), events_(events), window_(window) {
    undo_ = MakeWindowAction(window, "undo", QT_TRANSLATE_NOOP("Menu", "悔棋(&U)"),
                             QKeySequence("Ctrl+Z"));
    hint_ =
        MakeWindowAction(window, "hint", QT_TRANSLATE_NOOP("Menu", "提示(&I)"), QKeySequence("F2"));
    masterHint_ = MakeWindowAction(window, "masterHint", QT_TRANSLATE_NOOP("Menu", "大师提示(&M)"),
                                   QKeySequence("Shift+F2"));
    open_ = MakeWindowAction(window, "openRecord", QT_TRANSLATE_NOOP("Menu", "打开棋谱(&O)..."),
                             QKeySequence("Ctrl+O"));
    save_ = MakeWindowAction(window, "saveRecord", QT_TRANSLATE_NOOP("Menu", "保存棋谱(&S)..."),
                             QKeySequence("Ctrl+S"));
    connect(undo_, &QAction::triggered, this, &GameCommands::undo);
    connect(hint_, &QAction::triggered, this, &GameCommands::hint);
    connect(masterHint_, &QAction::triggered, this, [this] { session_.masterHint(); });
    connect(open_, &QAction::triggered, this, &GameCommands::askAndOpen);
    connect(save_, &QAction::triggered, this, &GameCommands::askAndSave);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    actions_ = {undo_, hint_, masterHint_, separator, open_, save_};
    refresh();
}

void GameCommands::undo() {
    if (session_.undo()) emit gameChanged();
}

void GameCommands::hint() {
    session_.hint();
}

void GameCommands::refuse(const QString& title, const QString& text) {
    events_.critical(title.toStdString(), text.toStdString());
}

bool GameCommands::openRecord(const QString& path) {
    QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(openTitle(), tr("无法读取文件“%1”：%2").arg(name, file.errorString()));
        return false;
    }
    if (file.size() > kLargestRecord) {
        refuse(openTitle(), tr("文件“%1”太大，不是五子棋棋谱。").arg(name));
        return false;
    }
    QByteArray text = file.readAll();
    PsqResult read =
        ParsePsq(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!read.ok()) {
        refuse(
            openTitle(),
            tr("文件“%1”不是可以打开的棋谱。\n%2").arg(name, QString::fromStdString(read.error)));
        return false;
    }
    view_->review(std::move(read.record));
    return true;
}

bool GameCommands::saveRecord(const QString& path) {
    QByteArray text = QByteArray::fromStdString(WritePsq(session_.recordToSave()));
    // Written beside the file and put in its place only once whole: a failed write (a full
    // disk, say) leaves an earlier file as it was. Unbuffered, a write cut short says so
    // at once; a buffer's flush at commit would let it pass.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(text) != text.size() || !file.commit()) {
        refuse(saveTitle(), tr("无法保存棋谱到“%1”：%2").arg(path, file.errorString()));
        return false;
    }
    window_->statusBar()->showMessage(tr("棋谱已保存：%1").arg(QFileInfo(path).fileName()),
                                      kConfirmationMs);
    return true;
}

QString GameCommands::startFolder() const {
    return !folder_.isEmpty() && QFileInfo(folder_).isDir() ? folder_ : QDir::homePath();
}

void GameCommands::rememberFolderOf(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    if (folder == folder_) return;
    folder_ = folder;
    emit recordFolderChanged();
}

void GameCommands::askAndOpen() {
    QString path = QFileDialog::getOpenFileName(window_, openTitle(), startFolder(), recordFilter(),
                                                nullptr, kDialogOptions);
    if (!path.isEmpty()) {
        rememberFolderOf(path);
        openRecord(path);
    }
    refresh();
}

void GameCommands::askAndSave() {
    QString suggested = QDateTime::currentDateTime().toString("'wuzi-'yyyyMMdd-hhmm'.psq'");
    QString path =
        QFileDialog::getSaveFileName(window_, saveTitle(), QDir(startFolder()).filePath(suggested),
                                     recordFilter(), nullptr, kDialogOptions);
    if (path.isEmpty()) return;
    rememberFolderOf(path);
    saveRecord(path);
}

void GameCommands::refresh() {
    const GameView& game = session_.view();
    undo_->setEnabled(session_.canUndo());
    // The hints are the computer's opponents' and Vesk's advice to the player against them.
    bool versusComputer = game.mode() == Mode::VersusComputer;
    hint_->setEnabled(versusComputer && game.gameRunning());
    masterHint_->setEnabled(versusComputer && game.phase() == Phase::PlayerToMove);
    // A record opens between games; the one shown is saved, or the game's own moves.
    open_->setEnabled(!game.gameRunning());
    save_->setEnabled(view_->reviewing() || game.moveCount() > 0);
}

} // namespace wuzi
