#include "core/Game.h"
#include "ui/MainWindow.h"
#include "ui/QtMessages.h"
#include "ui/SplashWindow.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("wuzi");
    // Desktops match the window to wuzi.desktop and show its icon.
    QGuiApplication::setDesktopFileName("wuzi");
    QFont font("Noto Sans CJK SC");
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    wuzi::QtMessages messages;
    wuzi::SystemClock clock;
    wuzi::SeededRandom random;
    wuzi::Game game(messages, clock, random);

    wuzi::MainWindow window(game);
    messages.setParent(&window);
    window.resize(700, 700);

    wuzi::SplashWindow splash(wuzi::SplashWindow::Role::Startup);
    QObject::connect(&splash, &wuzi::SplashWindow::finished, &window, &QWidget::show);
    splash.show();
    return app.exec();
}
