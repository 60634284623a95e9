// The real program on a real X server (run under xvfb-run): it starts as the program
// does, and is driven only by mouse clicks and keys through the window system's event
// queue. It passes the splash, plays a short game from the menus, opens 习题, 摆棋 and
// 观战, opens a lesson, plays a demonstration in it, opens one of its pages, the routines
// window and the help page, and checks on screenshots of the X screen that the stones
// stand where the game put them and that the Chinese text is drawn with real glyphs, not
// empty boxes. Every window must fit the screen with all its buttons; ctest runs it once
// more on a 1024 × 700 screen and on a 1920 × 1080 screen at a scale of 2. The run at
// scale 1 on the large screen saves the README's screenshots.
#include "ScreenChecks.h"
#include "lessons/LessonButtons.h"
#include "ui/BoardMapping.h"
#include "ui/BoardView.h"
#include "ui/GameKeeper.h"
#include "ui/KilledRun.h"
#include "ui/PositionBoard.h"
#include "ui/Program.h"
#include "ui/PuzzleWindow.h"
#include "ui/ReviewRunner.h"
#include "ui/SetUpWindow.h"
#include "ui/WatchWindow.h"

#include "ui/lessons/LessonWindow.h"
#include "ui/lessons/PageViewer.h"
#include "ui/lessons/RoutinesWindow.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>

using namespace wuzi;
using namespace wuzi::smoke;

namespace {

// The font the program asks for, from the file fonts-noto-cjk installs: the reference
// the menu captions on screen are compared with.
constexpr const char* kReferenceFontFile = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
constexpr const char* kReferenceFamily = "Noto Sans CJK SC";

QPoint centreOf(QWidget* w, const QRect& local) {
    return w->mapTo(w->window(), local.center());
}

// A click where the player would click: through the window system, onto the top-level
// window, which finds the widget under the pointer itself.
void clickAt(QWidget* w, const QRect& local) {
    QWindow* window = w->window()->windowHandle();
    QPoint at = centreOf(w, local);
    QTest::mouseMove(window, at);
    QTest::mouseClick(window, Qt::LeftButton, {}, at);
}

void press(QWidget* w, Qt::Key key) {
    QTest::keyClick(w->window()->windowHandle(), key);
}

bool exposed(QWidget* w) {
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

// At a scale of 2 the screen's glyphs are drawn at twice the resolution the reference
// glyphs are; the captions are compared in the run at scale 1.
bool scaled() {
    return QGuiApplication::primaryScreen()->devicePixelRatio() != 1;
}

// The run that saves the README's screenshots: the first, on the large screen unscaled.
bool readmeRun() {
    return !scaled() && QGuiApplication::primaryScreen()->size().width() >= 1280;
}

// A screenshot's name for this run's screen: "small-" on the small one (the scaled run's
// own prefix is GrabScreen's).
QString shotName(const QString& name) {
    bool small = QGuiApplication::primaryScreen()->size().width() < 1280;
    return (scaled() ? "scale2-" : small ? "small-" : "") + name;
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer) || __has_feature(thread_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

// The process's peak resident memory so far, from /proc.
long PeakResidentMegabytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong() / 1024;
    return -1;
}

// The first demonstration button a lesson window shows.
QPushButton* firstDemoButton(QWidget* lesson, int lessonNo) {
    for (const LessonButton& button : LessonButtons()) {
        auto* pushButton = lesson->findChild<QPushButton*>(button.name);
        if (pushButton && pushButton->isVisible() &&
            ActionIn(button, lessonNo).kind == ButtonKind::Demo)
            return pushButton;
    }
    return nullptr;
}

} // namespace

class GuiSmokeTest : public QObject {
    Q_OBJECT

    Program* program_ = nullptr;
    QStringList problems_;

    void problem(const QString& text) { problems_ << text; }

    MainWindow& window() { return program_->window(); }
    QAction* action(const char* name) { return window().findChild<QAction*>(name); }

    // Opens a menu of the menu bar by its title, then its submenus on the way, and
    // clicks the item: {"optionsMenu", "opponentMenu", "opponent3"} is 选项, 棋手, Peddrin.
    void chooseFromMenu(std::initializer_list<const char*> path) {
        QWidget* from = window().menuBar();
        for (const char* name : path) {
            auto* menu = window().findChild<QMenu*>(name);
            QAction* item = menu ? menu->menuAction() : action(name);
            QVERIFY2(item, name);
            auto* bar = qobject_cast<QMenuBar*>(from);
            clickAt(from, bar ? bar->actionGeometry(item)
                              : static_cast<QMenu*>(from)->actionGeometry(item));
            if (!menu) return;
            QTRY_VERIFY2(exposed(menu), name);
            from = menu;
        }
    }

    // Runs `step` on the next modal window of type T, from inside the event loop that
    // shows it (a message box, a lesson window, the page viewer). Every step ends by
    // closing its window, so a failed check never leaves the test waiting.
    template <class T> void whenModal(const char* what, std::function<void(T*)> step) {
        auto* poll = new QTimer(this);
        QDeadlineTimer deadline(20000);
        connect(poll, &QTimer::timeout, this, [=, this] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!exposed(modal)) {
                if (deadline.hasExpired()) {
                    problem(QString("%1 never appeared").arg(what));
                    poll->deleteLater();
                }
                return;
            }
            poll->stop();
            poll->deleteLater();
            QTest::qWait(150); // let it paint
            step(modal);
        });
        poll->start(20);
    }

    void acknowledge(QMessageBox* box) {
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        clickAt(ok, ok->rect());
    }

    // A window, its frame and every button it shows lie on the screen's available area.
    void checkFits(QWidget* window, const QString& what) {
        QRect area = window->screen()->availableGeometry();
        if (!area.contains(window->frameGeometry()))
            problem(QString("%1 (%2 × %3) does not fit the screen (%4 × %5)")
                        .arg(what)
                        .arg(window->frameGeometry().width())
                        .arg(window->frameGeometry().height())
                        .arg(area.width())
                        .arg(area.height()));
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisible()) continue;
            QRect shown(button->mapToGlobal(QPoint()), button->size());
            if (!area.contains(shown))
                problem(QString("%1: button %2 is off the screen").arg(what, button->text()));
        }
        checkLabelsWhole(window, what);
    }

    // A text in a part that scrolls is whole by scrolling.
    static bool insideScrollingArea(QWidget* w) {
        for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
            if (auto* area = qobject_cast<QAbstractScrollArea*>(up);
                area && (area->verticalScrollBar()->isVisible() ||
                         area->horizontalScrollBar()->isVisible()))
                return true;
        return false;
    }

    // A word of Latin letters wider than its label, which wrapping cannot keep whole.
    static bool wordTooWide(const QLabel* label) {
        for (const QString& word : label->text().split(QRegularExpression("\\s+"))) {
            bool latin =
                std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x2E80; });
            if (latin && label->fontMetrics().horizontalAdvance(word) > label->width()) return true;
        }
        return false;
    }

    // Every text shown whole: a line as wide as its label at most, wrapped text no taller
    // and no word of it broken, and each label inside its window.
    void checkLabelsWhole(QWidget* window, const QString& what) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty() || !label->pixmap().isNull() ||
                insideScrollingArea(label))
                continue;
            QRect inWindow(label->mapTo(window, QPoint()), label->size());
            bool clipped = !window->rect().contains(inWindow);
            if (label->wordWrap())
                clipped |=
                    label->heightForWidth(label->width()) > label->height() || wordTooWide(label);
            else
                clipped |= label->fontMetrics().horizontalAdvance(label->text()) > label->width();
            if (clipped)
                problem(QString("%1: the text \"%2\" is clipped").arg(what, label->text()));
        }
    }

    // The commentary boxes of a demonstration, acknowledged as the reader would.
    QTimer* acknowledgeCommentary() {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (exposed(box)) acknowledge(box);
        });
        poll->start(50);
        return poll;
    }

    // A few stones of a demonstration, then Space: the replay waits for the screenshot.
    void playDemonstration(LessonWindow* lesson, int lessonNo) {
        QPushButton* demo = firstDemoButton(lesson, lessonNo);
        if (!demo) return problem("the lesson shows no demonstration button");
        QTimer* commentary = acknowledgeCommentary();
        clickAt(demo, demo->rect());
        QDeadlineTimer deadline(20000);
        while (lesson->replay().laid().size() < 7 && lesson->replay().running() &&
               !deadline.hasExpired())
            QTest::qWait(50);
        commentary->stop();
        commentary->deleteLater();
        press(lesson, Qt::Key_Space);
        if (lesson->replay().running() && !lesson->paused())
            problem("Space does not pause the demonstration");
        QTest::qWait(150);
        if (readmeRun()) SaveWindowShot(lesson, "readme-lesson.png");
    }

    // The Chinese text of a widget must not be drawn with boxes.
    void checkGlyphs(const QString& where, const QFont& font, const QString& text) {
        if (QString boxes = CharactersDrawnAsBoxes(font, text); !boxes.isEmpty())
            problem(QString("%1 draws empty boxes for: %2").arg(where, boxes));
    }

    // Where a logical pixel of the board picture lies on the board widget.
    QPoint onBoard(QPointF logical) {
        BoardGeometry::Mapping map(window().board()->size());
        return map.toWidget(logical).toPoint();
    }
    QPoint onScreen(QPointF logical) { return window().board()->mapToGlobal(onBoard(logical)); }

    // Each intersection shows what the game holds there: the player's stones in the
    // player's colour, the computer's in the other, and bare wood where it is empty. The
    // point looked at lies inside a stone, off the grid lines and the last-move marker.
    void checkStones(const QImage& screen) {
        std::map<std::pair<int, int>, bool> blackAt;
        for (const SceneStone& stone : program_->session().view().scene().stones)
            blackAt[{stone.cell.x, stone.cell.y}] = stone.black;
        const double offset = 0.45 * BoardGeometry::kStoneRadius;
        for (int y = 1; y <= kBoardSize; ++y)
            for (int x = 1; x <= kBoardSize; ++x) {
                auto stone = blackAt.find({x, y});
                Look expected = stone == blackAt.end() ? Look::Wood
                                : stone->second        ? Look::Black
                                                       : Look::White;
                QPointF at = BoardGeometry::intersectionPoint(x, y) + QPointF(offset, offset);
                Look seen = LookAt(screen, onScreen(at));
                if (seen != expected)
                    problem(QString("(%1, %2) shows %3 instead of %4")
                                .arg(x)
                                .arg(y)
                                .arg(LookName(seen), LookName(expected)));
            }
    }

    // The menu captions on screen against the same captions drawn by the menu bar's own
    // style in the reference font: the same glyph shapes, not boxes or another font.
    void checkMenuCaptions(const QImage& screen) {
        QMenuBar* bar = window().menuBar();
        QFont reference(kReferenceFamily);
        reference.setPointSizeF(bar->font().pointSizeF());
        for (QAction* title : bar->actions()) {
            if (!title->isEnabled()) continue;
            checkGlyphs("menu " + title->text(), bar->font(), title->text());
            if (QString missing = CharactersMissingFrom(bar->font(), title->text());
                !missing.isEmpty())
                problem(QString("the menu font lacks %1").arg(missing));
            QRect local = bar->actionGeometry(title);
            QImage shown = screen.copy(QRect(bar->mapToGlobal(local.topLeft()), local.size()));
            QImage expected(local.size(), QImage::Format_RGB32);
            expected.fill(shown.pixel(0, 0));
            QPainter p(&expected);
            p.setFont(reference);
            bar->style()->drawItemText(&p, expected.rect(), Qt::AlignCenter | Qt::TextShowMnemonic,
                                       bar->palette(), true, title->text(), QPalette::ButtonText);
            p.end();
            double overlap = InkOverlap(shown, expected);
            if (overlap < 0.8)
                problem(QString("menu caption %1 on screen matches the reference glyphs only "
                                "%2")
                            .arg(title->text())
                            .arg(overlap));
        }
    }

    void checkLesson(LessonWindow* lesson) {
        QImage screen = GrabScreen("gui-smoke-lesson.png");
        for (QLabel* label : lesson->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty()) continue;
            QString text = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
            checkGlyphs("lesson text " + label->objectName(), label->font(), text);
            QRect shown(label->mapToGlobal(QPoint()), label->size());
            if (InkIn(screen, shown) < text.size())
                problem("the lesson text " + label->objectName() + " is not on the screen");
        }
    }

    void checkPage(PageViewer* viewer) {
        QImage screen = GrabScreen("gui-smoke-page.png");
        QTextBrowser* browser = viewer->browser();
        QString text = browser->document()->toPlainText();
        if (!text.contains("花月定式")) problem("the page viewer shows no page: " + text.left(80));
        checkGlyphs("the page", browser->document()->defaultFont(), text);
        QWidget* view = browser->viewport();
        if (InkIn(screen, QRect(view->mapToGlobal(QPoint()), view->size())) < 2000)
            problem("the page is not on the screen");
    }

    QString statusLine() { return window().findChild<QLabel*>("statusLine")->text(); }

    // The killed run: a game lost to Marrowick by mouse, killed while "计算机胜!" stands.
    void loseAndWaitToBeKilled() {
        splashOpensTheMainWindow();
        if (QTest::currentTestFailed()) return;
        whenModal<QMessageBox>("the computer's win", [this](QMessageBox* box) {
            test::TellAndWaitToBeKilled({"box: " + box->text(), "status: " + statusLine(),
                                         "kept: " + window().keeper().path()});
        });
        const GameView& game = program_->session().view();
        chooseFromMenu({"fileMenu", "newGame"});
        QTRY_VERIFY(game.gameRunning());
        // The centre, then every other cell of the edges, where no five of the player's grows.
        std::vector<Cell> tries = {kCentre};
        for (int i = 1; i <= kBoardSize; i += 2)
            for (Cell c : {Cell{1, i}, Cell{kBoardSize, i}, Cell{i, 1}, Cell{i, kBoardSize}})
                tries.push_back(c);
        for (Cell c : tries) {
            if (!game.gameRunning()) break;
            if (game.canPlay(c) != PlayResult::Placed) continue;
            BoardView* board = window().board();
            clickAt(board, QRect(board->pointOf(c), QSize(1, 1)));
            QTRY_VERIFY(game.phase() != Phase::ComputerThinking);
        }
        problem("the computer never won");
    }

  private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == "xcb", "run under xvfb-run, on X");
        QVERIFY2(QFontDatabase::addApplicationFont(kReferenceFontFile) >= 0,
                 "the Noto CJK fonts are not installed");
        SetUpApplication();
        // Settings and data of a run of its own, from the defaults: no game left unfinished.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(QSettings().fileName());
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        // The box detector itself: a code point that no font has is drawn as a box.
        const char32_t unassigned = 0x0378;
        QVERIFY(!CharactersDrawnAsBoxes(QApplication::font(), QString::fromUcs4(&unassigned, 1))
                     .isEmpty());
        program_ = new Program;
        program_->start();
        if (test::IsKilledRun()) {
            loseAndWaitToBeKilled();
            qFatal("the killed run stopped before it was killed: %s",
                   qPrintable(problems_.join("\n")));
        }
    }

    void splashOpensTheMainWindow() {
        SplashWindow& splash = program_->splash();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::qWait(100);
        QImage screen = GrabScreen("gui-smoke-splash.png");
        QVERIFY2(InkIn(screen, QRect(splash.mapToGlobal(QPoint()), splash.size())) > 1000,
                 "the splash is not on the screen");
        clickAt(&splash, splash.rect());
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QTRY_VERIFY(!splash.isVisible());
    }

    // Against Peddrin, whose look-ahead search answers from another thread.
    void shortGameByMouse() {
        const GameView& game = program_->session().view();
        chooseFromMenu({"optionsMenu", "opponentMenu", "opponent3"});
        QTRY_COMPARE(game.match().opponent, 3);
        chooseFromMenu({"fileMenu", "newGame"});
        QTRY_VERIFY(game.gameRunning());
        QCOMPARE(game.match().playerFirst, true);
        QVERIFY(!window().optionsMenu()->isEnabled());
        const Cell tries[] = {{8, 8}, {7, 7}, {9, 9}, {6, 8}, {10, 8}, {8, 6}, {8, 10}, {6, 6}};
        int played = 0;
        for (Cell c : tries) {
            if (played == 4) break;
            if (game.canPlay(c) != PlayResult::Placed) continue;
            clickAt(window().board(), QRect(window().board()->pointOf(c), QSize(1, 1)));
            ++played;
            // The player's black stone, then the computer's answer from its search.
            QTRY_COMPARE(game.moveCount(), static_cast<std::size_t>(2 * played));
            QVERIFY(game.moves()[static_cast<std::size_t>(2 * played - 2)] == c);
        }
        QCOMPARE(game.phase(), Phase::PlayerToMove);
    }

    void screenShowsTheStonesAndChineseGlyphs() {
        window().repaint();
        QTest::qWait(100);
        QImage screen = GrabScreen("gui-smoke-game.png");
        checkStones(screen);
        if (!scaled()) checkMenuCaptions(screen);
        if (readmeRun()) SaveWindowShot(&window(), "readme-main-window.png");
        checkFits(&window(), "the main window");
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    // Ending a game in progress is asked first; No, the ready answer, keeps the game.
    void endGameFromTheMenu() {
        whenModal<QMessageBox>("the question before ending the game", [this](QMessageBox* box) {
            if (box->defaultButton() != box->button(QMessageBox::No))
                problem("ending the game is the ready answer");
            QAbstractButton* no = box->button(QMessageBox::No);
            clickAt(no, no->rect());
        });
        chooseFromMenu({"fileMenu", "endGame"});
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(program_->session().view().phase(), Phase::PlayerToMove);
        whenModal<QMessageBox>("the question before ending the game", [this](QMessageBox* box) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            clickAt(yes, yes->rect());
        });
        chooseFromMenu({"fileMenu", "endGame"});
        QTRY_COMPARE(program_->session().view().phase(), Phase::GameOver);
        QVERIFY(window().optionsMenu()->isEnabled());
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    // 复盘分析 of the game just played, from the menu: the panel shows its progress, then
    // the graph, the marks and the accuracies, whole on every screen.
    void theGameIsReviewedInThePanel() {
        window().reviews()->setLimits({100, 0, 20000, 8});
        chooseFromMenu({"viewMenu", "gameReview"});
        QTRY_VERIFY_WITH_TIMEOUT(window().reviews()->review().has_value(), 60000);
        QTest::qWait(100);
        checkFits(&window(), "the main window in a review");
        if (readmeRun()) SaveWindowShot(&window(), "readme-review.png");
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    // After the game, the status bar and the panel hold their longest texts: whole in
    // Chinese and in English.
    void theTextsAreWholeInBothLanguages() {
        checkFits(&window(), "the main window after a game");
        chooseFromMenu({"viewMenu", "languageMenu", "english"});
        QTRY_COMPARE(window().language(), Language::English);
        QTest::qWait(100);
        checkFits(&window(), "the main window in English");
        chooseFromMenu({"viewMenu", "languageMenu", "chinese"});
        QTRY_COMPARE(window().language(), Language::Chinese);
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    // Vesk at 高级 thinks while 大师分析 and a hint search beside it: the program's peak
    // resident memory, printed, stays under 150 MB (the sanitizers' shadow memory aside).
    void memoryWithEverySearchAtOnce() {
        const GameView& game = program_->session().view();
        chooseFromMenu({"optionsMenu", "opponentMenu", "opponent5"});
        chooseFromMenu({"optionsMenu", "difficultyMenu", "difficulty2"});
        QTRY_COMPARE(game.match().opponent, 5);
        QTRY_COMPARE(game.match().difficulty, 2);
        chooseFromMenu({"viewMenu", "masterAnalysis"});
        QTRY_VERIFY(action("masterAnalysis")->isChecked());
        chooseFromMenu({"fileMenu", "newGame"});
        QTRY_VERIFY(game.gameRunning());
        BoardView* board = window().board();
        clickAt(board, QRect(board->pointOf(kCentre), QSize(1, 1)));
        QTRY_COMPARE_WITH_TIMEOUT(game.moveCount(), std::size_t{2}, 15000);
        QTRY_VERIFY(action("hint")->isEnabled());
        chooseFromMenu({"fileMenu", "hint"});
        QTRY_VERIFY(program_->session().hintPending());
        for (Cell c : {Cell{7, 7}, Cell{9, 9}, Cell{7, 9}, Cell{9, 7}})
            if (game.canPlay(c) == PlayResult::Placed) {
                clickAt(board, QRect(board->pointOf(c), QSize(1, 1)));
                break;
            }
        QTRY_VERIFY(program_->session().thinking());
        QTRY_COMPARE_WITH_TIMEOUT(game.moveCount(), std::size_t{4}, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!program_->session().hintPending(), 15000);
        long peak = PeakResidentMegabytes();
        std::printf("peak resident memory, Vesk playing at 高级 with 大师分析 and a hint: %ld MB\n",
                    peak);
        if (!kSanitized) QVERIFY2(peak < 150, qPrintable(QString("%1 MB").arg(peak)));
        chooseFromMenu({"viewMenu", "masterAnalysis"});
        QTRY_VERIFY(!action("masterAnalysis")->isChecked());
        whenModal<QMessageBox>("the question before ending the game", [](QMessageBox* box) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            clickAt(yes, yes->rect());
        });
        chooseFromMenu({"fileMenu", "endGame"});
        QTRY_COMPARE(game.phase(), Phase::GameOver);
    }

    // 习题, 摆棋 and 观战 in either language: each fits the screen with its texts whole, at
    // their longest (a wrong stone's refutation, a paused game); the puzzle's board keeps
    // its size when the message under it wraps. Their screenshots are saved.
    void theSecondaryBoardsFit() {
        for (const char* language : {"chinese", "english"}) {
            chooseFromMenu({"viewMenu", "languageMenu", language});
            QString suffix = QString("-%1.png").arg(language);
            whenModal<PuzzleWindow>("习题", [this, suffix](PuzzleWindow* w) {
                auto* board = w->findChild<PositionBoard*>();
                QSize before = board->size();
                std::vector<Cell> stones = w->game()->stones();
                for (Cell c : {Cell{1, 15}, Cell{15, 15}, Cell{1, 1}, Cell{15, 1}})
                    if (std::find(stones.begin(), stones.end(), c) == stones.end()) {
                        clickAt(board, QRect(board->pointOf(c), QSize(1, 1)));
                        break;
                    }
                QTest::qWait(150);
                if (!w->game()->refuted()) problem("a stone in the corner was not refuted");
                if (board->size() != before) problem("the puzzle's board changed size");
                checkFits(w, "习题");
                SaveWindowShot(w, shotName("puzzle" + suffix));
                press(w, Qt::Key_Escape);
            });
            chooseFromMenu({"puzzleMenu", "puzzlesFoursIn5"});
            QTRY_VERIFY(!QApplication::activeModalWidget());
            // The second opening starts from the first's stones: it adds to them.
            std::vector<Cell> laid = suffix.contains("english")
                                         ? std::vector<Cell>{{9, 7}, {10, 10}}
                                         : std::vector<Cell>{{8, 8}, {9, 9}, {7, 9}};
            whenModal<SetUpWindow>("摆棋", [this, suffix, laid](SetUpWindow* w) {
                for (Cell c : laid)
                    clickAt(w->board(), QRect(w->board()->pointOf(c), QSize(1, 1)));
                QTest::qWait(100);
                checkFits(w, "摆棋");
                SaveWindowShot(w, shotName("setup" + suffix));
                press(w, Qt::Key_Escape);
            });
            chooseFromMenu({"fileMenu", "setUp"});
            QTRY_VERIFY(!QApplication::activeModalWidget());
            whenModal<WatchWindow>("观战", [this, suffix](WatchWindow* w) {
                auto* start = w->findChild<QPushButton*>("start");
                clickAt(start, start->rect());
                QTest::qWait(1500);
                auto* pause = w->findChild<QPushButton*>("pause");
                clickAt(pause, pause->rect());
                QTest::qWait(150);
                checkFits(w, "观战");
                SaveWindowShot(w, shotName("watch" + suffix));
                press(w, Qt::Key_Escape);
            });
            chooseFromMenu({"fileMenu", "watch"});
            QTRY_VERIFY(!QApplication::activeModalWidget());
        }
        chooseFromMenu({"viewMenu", "languageMenu", "chinese"});
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    void lessonAndPage() {
        whenModal<QMessageBox>("the series' introduction", [this](QMessageBox* box) {
            checkGlyphs("the introduction", box->font(), box->text());
            acknowledge(box);
        });
        whenModal<LessonWindow>("the lesson window", [this](LessonWindow* lesson) {
            checkLesson(lesson);
            checkFits(lesson, "the lesson window");
            playDemonstration(lesson, 9);
            whenModal<PageViewer>("the page viewer", [this](PageViewer* viewer) {
                checkPage(viewer);
                checkFits(viewer, "the page viewer");
                press(viewer, Qt::Key_Escape);
            });
            auto* pageButton = lesson->findChild<QPushButton*>("Command26"); // 花月定式
            if (pageButton && pageButton->isVisible())
                clickAt(pageButton, pageButton->rect());
            else
                problem("lesson 9 has no button 花月定式");
            press(lesson, Qt::Key_Escape);
        });
        chooseFromMenu({"lessonMenu", "lesson9"}); // 月黑风高: returns when the lesson is closed
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(program_->session().lessonNo(), 9);
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    void routinesWindowFits() {
        whenModal<QMessageBox>("the series' introduction",
                               [this](QMessageBox* box) { acknowledge(box); });
        whenModal<LessonWindow>("lesson 2", [this](LessonWindow* lesson) {
            whenModal<RoutinesWindow>("the routines window", [this](RoutinesWindow* routines) {
                checkFits(routines, "the routines window");
                press(routines, Qt::Key_Escape);
            });
            QPushButton* opener = nullptr;
            for (const LessonButton& button : LessonButtons())
                if (ActionIn(button, 2).kind == ButtonKind::Routines)
                    opener = lesson->findChild<QPushButton*>(button.name);
            if (opener && opener->isVisible())
                clickAt(opener, opener->rect());
            else
                problem("lesson 2 has no routines button");
            press(lesson, Qt::Key_Escape);
        });
        chooseFromMenu({"lessonMenu", "lesson2"});
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    // The help menu's captions on screen are as wide as drawn whole: none is cut short.
    void helpMenuCaptionsAreWhole() {
        QMenuBar* bar = window().menuBar();
        auto* help = window().findChild<QMenu*>("helpMenu");
        clickAt(bar, bar->actionGeometry(help->menuAction()));
        QTRY_VERIFY(exposed(help));
        QTest::qWait(100);
        QImage screen = GrabScreen("gui-smoke-help-menu.png");
        for (QAction* item : help->actions()) {
            if (item->isSeparator() || !item->shortcut().isEmpty()) continue;
            QRect local = help->actionGeometry(item);
            QImage shown = screen.copy(QRect(help->mapToGlobal(local.topLeft()), local.size()));
            QImage whole(QSize(local.width() * 2, local.height()), QImage::Format_RGB32);
            whole.fill(shown.pixel(0, 0));
            QPainter p(&whole);
            p.setFont(help->font());
            p.drawText(whole.rect(), Qt::AlignCenter | Qt::TextShowMnemonic, item->text());
            p.end();
            if (InkWidth(shown) < InkWidth(whole) - 2)
                problem(QString("the help menu cuts %1 short").arg(item->text()));
        }
        press(help, Qt::Key_Escape);
        QTRY_VERIFY(!help->isVisible());
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    void f1OpensTheHelpPage() {
        whenModal<PageViewer>("the help page", [this](PageViewer* viewer) {
            QString text = viewer->browser()->document()->toPlainText();
            if (!text.contains("对手") || !text.contains("Vesk十式"))
                problem("the help page shows no help: " + text.left(80));
            checkFits(viewer, "the help page");
            press(viewer, Qt::Key_Escape);
        });
        press(&window(), Qt::Key_F1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join("\n")));
    }

    // Killed while "计算机胜!" stands, the program has already forgotten the game it lost
    // and says it is over: the next start offers nothing to play on.
    void aLostGameIsNotOfferedAfterAKill() {
        QTemporaryDir home;
        std::optional<QStringList> told = test::RunKilled(home.path());
        QVERIFY2(told, "the killed run never showed the computer's win");
        QCOMPARE(test::Told(*told, "box"), QString("计算机胜!"));
        QFile kept(test::Told(*told, "kept"));
        if (kept.open(QIODevice::ReadOnly))
            QFAIL(qPrintable("the lost game is kept:\n" + QString::fromUtf8(kept.readAll())));
        QVERIFY2(test::Told(*told, "status").startsWith("本局结束"),
                 qPrintable(test::Told(*told, "status")));
    }

    void cleanupTestCase() { delete program_; }
};

QTEST_MAIN(GuiSmokeTest)
#include "GuiSmokeTest.moc"
