#include "ui/Program.h"

#include "ui/BoardView.h"
#include "ui/ProgramIcon.h"
#include "ui/SettingsWriter.h"

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTimer>

namespace wuzi {

void SetUpApplication() {
    // The settings live in the usual per-user place: ~/.config/wuzi/wuzi.conf.
    QApplication::setOrganizationName("wuzi");
    QApplication::setApplicationName("wuzi");
    QApplication::setApplicationVersion(WUZI_VERSION);
    // Desktops match the window to wuzi.desktop and show its icon.
    QGuiApplication::setDesktopFileName("wuzi");
    QApplication::setWindowIcon(ProgramIcon());
    QFont font("Noto Sans CJK SC");
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

Program::Program() : splash_(SplashWindow::Role::Startup) {
    messages_.setParent(&window_);
    messages_.setPlayAreas([this] { return window_.board()->winningAreas(); });
    QSettings settings;
    window_.restore(ReadSettings(settings));
    QObject::connect(&splash_, &SplashWindow::finished, &window_, [this] {
        window_.show();
        // Once the window stands, a game the last run left unfinished is offered.
        QTimer::singleShot(0, &window_, &MainWindow::offerUnfinishedGame);
    });
    // Written as they change, and once more as the program quits.
    auto* writer = new SettingsWriter(window_);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, writer, &SettingsWriter::write);
}

void Program::start() {
    splash_.show();
}

} // namespace wuzi
