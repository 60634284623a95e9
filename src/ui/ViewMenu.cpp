#include "ui/ViewMenu.h"

#include "ui/Actions.h"
#include "ui/BoardView.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>

namespace wuzi {

ViewMenu::ViewMenu(Session& session, BoardView* board, QMainWindow* window)
    : QObject(window), session_(session), board_(board), window_(window),
      menu_(MakeMenu(window, "viewMenu", QT_TRANSLATE_NOOP("Menu", "查看(&V)"))) {
    numbers_ = MakeWindowAction(window_, "showNumbers", QT_TRANSLATE_NOOP("Menu", "显示手数(&N)"));
    coordinates_ =
        MakeWindowAction(window_, "showCoordinates", QT_TRANSLATE_NOOP("Menu", "显示坐标(&C)"));
    panel_ = MakeWindowAction(window_, "sidePanel", QT_TRANSLATE_NOOP("Menu", "侧栏(&P)"),
                              QKeySequence("F9"));
    panel_->setCheckable(true);
    panel_->setChecked(true);
    review_ = MakeWindowAction(window_, "review", QT_TRANSLATE_NOOP("Menu", "复盘(&R)"),
                               QKeySequence("Ctrl+R"));
    for (QAction* a : {numbers_, coordinates_, review_})
        a->setCheckable(true);
    first_ = MakeWindowAction(window_, "reviewFirst", QT_TRANSLATE_NOOP("Menu", "第一手(&F)"),
                              QKeySequence(Qt::Key_Home));
    previous_ = MakeWindowAction(window_, "reviewPrevious", QT_TRANSLATE_NOOP("Menu", "上一手(&P)"),
                                 QKeySequence(Qt::Key_Left));
    next_ = MakeWindowAction(window_, "reviewNext", QT_TRANSLATE_NOOP("Menu", "下一手(&X)"),
                             QKeySequence(Qt::Key_Right));
    last_ = MakeWindowAction(window_, "reviewLast", QT_TRANSLATE_NOOP("Menu", "最后一手(&L)"),
                             QKeySequence(Qt::Key_End));

    connect(numbers_, &QAction::toggled, board_, &BoardView::setShowNumbers);
    connect(coordinates_, &QAction::toggled, board_, &BoardView::setShowCoordinates);
    connect(panel_, &QAction::toggled, this, &ViewMenu::panelToggled);
    for (QAction* a : {numbers_, coordinates_, panel_})
        connect(a, &QAction::triggered, this, &ViewMenu::settingChosen);
    connect(review_, &QAction::triggered, this, &ViewMenu::toggleReview);
    connect(first_, &QAction::triggered, this, [this] { step(&ReviewCursor::First); });
    connect(previous_, &QAction::triggered, this, [this] { step(&ReviewCursor::Previous); });
    connect(next_, &QAction::triggered, this, [this] { step(&ReviewCursor::Next); });
    connect(last_, &QAction::triggered, this, [this] { step(&ReviewCursor::Last); });

    menu_->addAction(numbers_);
    menu_->addAction(coordinates_);
    menu_->addAction(panel_);
    menu_->addSeparator();
    menu_->addAction(review_);
    for (QAction* a : {first_, previous_, next_, last_})
        menu_->addAction(a);
    createLanguageMenu();
    refresh();
}

void ViewMenu::createLanguageMenu() {
    languagesSeparator_ = menu_->addSeparator();
    QMenu* languages = MakeMenu(menu_, "languageMenu", QT_TRANSLATE_NOOP("Menu", "语言(&G)"));
    menu_->addMenu(languages);
    // Each language is named in itself, whichever is shown.
    chinese_ = new QAction("中文", languages);
    chinese_->setObjectName("chinese");
    english_ = new QAction("English", languages);
    english_->setObjectName("english");
    auto* group = new QActionGroup(languages);
    for (QAction* a : {chinese_, english_}) {
        a->setCheckable(true);
        group->addAction(a);
        languages->addAction(a);
    }
    chinese_->setChecked(true);
    auto choose = [this](Language language) {
        emit languageChosen(language);
        emit settingChosen();
    };
    connect(chinese_, &QAction::triggered, this, [choose] { choose(Language::Chinese); });
    connect(english_, &QAction::triggered, this, [choose] { choose(Language::English); });
}

bool ViewMenu::showsNumbers() const {
    return numbers_->isChecked();
}
bool ViewMenu::showsCoordinates() const {
    return coordinates_->isChecked();
}
bool ViewMenu::showsPanel() const {
    return panel_->isChecked();
}
void ViewMenu::setShowPanel(bool on) {
    panel_->setChecked(on);
}
void ViewMenu::setShowNumbers(bool on) {
    numbers_->setChecked(on);
}
void ViewMenu::setShowCoordinates(bool on) {
    coordinates_->setChecked(on);
}

void ViewMenu::checkLanguage(Language language) {
    (language == Language::English ? english_ : chinese_)->setChecked(true);
}

void ViewMenu::review(GameRecord record, RecordSource source) {
    session_.review(std::move(record), source);
    refresh();
    emit shownPositionChanged();
}

void ViewMenu::leaveReview() {
    session_.leaveReview();
    refresh();
    emit shownPositionChanged();
}

void ViewMenu::toggleReview(bool on) {
    if (on)
        session_.reviewGame();
    else
        session_.leaveReview();
    refresh();
    emit shownPositionChanged();
}

void ViewMenu::showPosition(std::size_t moves) {
    if (!session_.reviewCursor()) {
        if (!session_.canReview()) return;
        session_.reviewGame();
    }
    session_.reviewCursor()->GoTo(moves);
    refresh();
    emit shownPositionChanged();
}

void ViewMenu::step(void (ReviewCursor::*move)()) {
    ReviewCursor* cursor = session_.reviewCursor();
    if (!cursor) return;
    (cursor->*move)();
    refresh();
    emit shownPositionChanged();
}

void ViewMenu::refresh() {
    const ReviewCursor* cursor = this->cursor();
    review_->setEnabled(session_.canReview());
    review_->setChecked(cursor != nullptr);
    first_->setEnabled(cursor && !cursor->atStart());
    previous_->setEnabled(cursor && !cursor->atStart());
    next_->setEnabled(cursor && !cursor->atEnd());
    last_->setEnabled(cursor && !cursor->atEnd());
    board_->update();
}

} // namespace wuzi
