#include "ui/QtMessages.h"

#include "ui/Language.h"

#include <QApplication>
#include <QMessageBox>

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

void QtMessages::information(const std::string& title, const std::string& text) {
    QMessageBox::information(over(), q(title), q(text));
}

void QtMessages::critical(const std::string& title, const std::string& text) {
    QMessageBox::critical(over(), q(title), q(text));
}

bool QtMessages::question(const std::string& title, const std::string& text) {
    return QMessageBox::question(over(), q(title), q(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace wuzi
