#include "ui/QtMessages.h"

#include <QMessageBox>

namespace wuzi {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
} // namespace

void QtMessages::information(const std::string& title, const std::string& text) {
    QMessageBox::information(parent_, q(title), q(text));
}

void QtMessages::critical(const std::string& title, const std::string& text) {
    QMessageBox::critical(parent_, q(title), q(text));
}

bool QtMessages::question(const std::string& title, const std::string& text) {
    return QMessageBox::question(parent_, q(title), q(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace wuzi
