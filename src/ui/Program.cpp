#include "ui/Program.h"

#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QFont>

namespace wuzi {

void SetUpApplication() {
    QApplication::setApplicationName("wuzi");
    // Desktops match the window to wuzi.desktop and show its icon.
    QGuiApplication::setDesktopFileName("wuzi");
    QApplication::setWindowIcon(ProgramIcon());
    QFont font("Noto Sans CJK SC");
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

Program::Program() : splash_(SplashWindow::Role::Startup) {
    messages_.setParent(&window_);
    window_.resize(700, 700);
    QObject::connect(&splash_, &SplashWindow::finished, &window_, &QWidget::show);
}

void Program::start() {
    splash_.show();
}

} // namespace wuzi
