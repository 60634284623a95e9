#include "ui/QtMessages.h"

#include "ui/BoxPlacement.h"
#include "ui/Language.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

namespace wuzi {

namespace {
// The core's texts are translated here, at the window's edge.
QString q(const std::string& s) {
    return CoreText(s);
}
} // namespace

QWidget* QtMessages::over() const {
    // A box raised from a modal window (a lesson's commentary, say) belongs over that window.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

void QtMessages::placeBesideThePlay(QWidget& box) const {
    // A lesson's boxes stand over the lesson, as before.
    if (over() != parent_) return;
    std::vector<QRect> areas = playAreas_ ? playAreas_() : std::vector<QRect>{};
    QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    if (areas.empty() || !screen) return;
    box.adjustSize();
    if (std::optional<QPoint> corner = BesideArea(box.size(), areas, screen->availableGeometry()))
        box.move(*corner);
}

void QtMessages::information(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Information, q(title), q(text), QMessageBox::Ok, over());
    placeBesideThePlay(box);
    box.exec();
}

void QtMessages::critical(const std::string& title, const std::string& text) {
    QMessageBox::critical(over(), q(title), q(text));
}

bool QtMessages::question(const std::string& title, const std::string& text) {
    return QMessageBox::question(over(), q(title), q(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtMessages::confirm(const std::string& title, const std::string& text) {
    return QMessageBox::question(over(), q(title), q(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace wuzi
